// Saved games: the Load and Save dialogs and the file reader.
#pragma once

namespace persistence {

// Loads a saved game and makes it current; reports its own errors.
bool LoadGameFile(const char* path);

void ShowLoadGameDialog();
void ShowSaveGameDialog();

}  // namespace persistence
