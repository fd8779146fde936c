// The Score History dialog "SCOREHIST": every module's counters in a list
// with tab stops, and Clear Scores behind a question.
#include <windows.h>

#include "core/win/app.h"
#include "persistence/score_history.h"
#include "resources/resource.h"
#include "shell/win/dialog_helpers.h"
#include "shell/win/save_points.h"
#include "shell/win/services.h"

namespace shell {

namespace {

void FillList(HWND list)
{
    for (const std::string& line : persistence::ScoreHistoryLines(core::TheCore().modules))
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

BOOL OnInitDialog(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_SCOREHIST_LIST);
    INT stops[4];
    for (int i = 0; i < 4; ++i) stops[i] = persistence::kScoreHistoryTabStops[i];
    SendMessageA(list, LB_SETTABSTOPS, 4, reinterpret_cast<LPARAM>(stops));
    FillList(list);
    CentreOnDesktop(dialog);
    return TRUE;  // the platform gives the focus to the default button
}

void OnClearScores(HWND dialog)
{
    if (MessageBoxA(dialog, "Do you really wish to clear all game scores?", "Score History",
                    MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    persistence::ClearScores(core::TheCore().modules);
    SaveScores(persistence::SaveMoment::ScoresCleared, core::TheCore().modules);
    HWND list = GetDlgItem(dialog, IDC_SCOREHIST_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    FillList(list);
}

INT_PTR CALLBACK ScoreHistoryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_COMMAND:
        // Escape (IDCANCEL) and every other command are ignored: OK is the
        // only way out.
        if (LOWORD(wParam) == IDOK)
            EndDialog(dialog, IDOK);
        else if (LOWORD(wParam) == IDC_SCOREHIST_CLEAR)
            OnClearScores(dialog);
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

void ShowScoreHistory()
{
    const core::App& app = core::TheApp();
    DialogBoxParamA(app.instance, "SCOREHIST", app.mainWindow, ScoreHistoryProc, 0);
}

}  // namespace shell
