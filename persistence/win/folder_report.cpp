#include "persistence/win/folder_report.h"

#include "core/win/app.h"
#include "platform/win/executable_folder.h"
#include "persistence/win/replace_file.h"
#include "persistence/write_failure_text.h"

namespace persistence {

namespace {

struct FolderReport {
    bool given = false;  // once per run
    bool posted = false;
    DWORD error = 0;
};

FolderReport g_report;

void Show(HWND owner)
{
    g_report.given = true;
    g_report.posted = false;
    const std::string text = UnwritableFolderText(platform::ExecutableFolder(), SystemMessage(g_report.error));
    MessageBoxA(owner, text.c_str(), core::kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

void ReportUnwritableFolder(DWORD error, Report when)
{
    if (g_report.given || when == Report::Never) return;
    if (!g_report.posted) g_report.error = error;
    if (when == Report::Now) {
        Show(nullptr);  // the main window is going, with a report it may not have shown yet
        return;
    }
    if (g_report.posted) return;
    g_report.posted = PostMessageA(core::TheApp().mainWindow, kShowFolderReportMessage, 0, 0) != 0;
}

void ShowFolderReport()
{
    if (g_report.posted) Show(core::TheApp().mainWindow);
}

}  // namespace persistence
