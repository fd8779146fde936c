#include "modules/win/game_over.h"

namespace modules {

// The dialogs arrive with their templates.
void ShowGameOverDialog(HWND, bool) {}

}  // namespace modules
