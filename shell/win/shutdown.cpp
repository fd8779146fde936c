// The main window's destruction: everything is saved, then released.
#include <windows.h>

#include "core/win/app.h"
#include "furniture/win/furniture.h"
#include "interaction/card_motion.h"
#include "modules/win/module_table.h"
#include "shell/win/main_window.h"
#include "shell/win/save_points.h"
#include "shell/win/services.h"
#include "shell/win/startup_trace.h"
#include "shell/win/window_state.h"
#include "table/win/card_images.h"

namespace shell {

void OnDestroy(HWND)
{
    FinishStartupTrace();
    // A start-up that failed never read the stored scores and settings, so
    // it writes nothing over them.
    SaveAt(persistence::SaveMoment::Exit);
    modules::CloseAllModules();
    table::ReleaseCardImages();
    interaction::DiscardTable(core::TheCore());
    furniture::ReleaseFurniture();
    ReleaseSurfaces();
    ReleaseStartSound();
    CloseHelp();
    table::CloseCardLibraries();
    PostQuitMessage(0);
}

}  // namespace shell
