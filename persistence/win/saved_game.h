// Saved games: the Load and Save dialogs, and the file reader and writer.
#pragma once

namespace persistence {

// Loads a saved game and makes it current; reports its own errors.
bool LoadGameFile(const char* path);
// Writes the game on the table; false (nothing written) without a game or
// when the file cannot be created.
bool WriteGameFile(const char* path);

void ShowLoadGameDialog();
void ShowSaveGameDialog();

}  // namespace persistence
