#include "shell/win/services.h"

namespace shell {

// The registry settings and the help window are
// built in their own files as they arrive; these keep start-up and shutdown
// in their final order meanwhile.
void ReadSettingsAndAssociate(int /*showCommand*/) {}
void WriteSettings() {}

void ShowHelpContents() {}
void ShowHelpSearch() {}
void CloseHelp() {}

}  // namespace shell
