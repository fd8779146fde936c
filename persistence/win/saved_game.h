// Saved games: the Load and Save dialogs, and the file reader and writer.
#pragma once

namespace persistence {

// Loads a saved game and makes it current; reports its own errors.
bool LoadGameFile(const char* path);
// Writes the game on the table through a temporary file renamed over the
// target, so a failure keeps the old file whole; a failure is shown to the
// player. False (nothing written) without a game or after a failure.
bool WriteGameFile(const char* path);

void ShowLoadGameDialog();
void ShowSaveGameDialog();

}  // namespace persistence
