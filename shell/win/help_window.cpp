// The help window: the topics in a list, the chosen topic's text beside it
// and a search box that keeps the topics holding a word. Contents and
// Search open it; Search starts in the search box.
#include <windows.h>

#include <string>
#include <vector>

#include "core/win/app.h"
#include "resources/resource.h"
#include "shell/help_topics.h"
#include "shell/win/dialog_helpers.h"
#include "shell/win/services.h"

namespace shell {

namespace {

struct HelpWindow {
    HWND dialog = nullptr;
    bool startInSearch = false;
    std::vector<HelpTopic> topics;
};

HelpWindow& TheHelp()
{
    static HelpWindow help;
    return help;
}

// The RULES text a game module carries, as a topic.
HelpTopic RulesOf(const core::ModuleEntry& row)
{
    HMODULE library = static_cast<HMODULE>(row.library);
    const char* text = nullptr;
    size_t size = 0;
    if (HRSRC found = library ? FindResourceA(library, "RULES", MAKEINTRESOURCEA(10)) : nullptr) {
        if (HGLOBAL loaded = LoadResource(library, found)) {
            text = static_cast<const char*>(LockResource(loaded));
            size = text ? SizeofResource(library, found) : 0;
        }
    }
    char name[TS_NAME_BYTES + 1] = {};
    for (size_t i = 0; i < TS_NAME_BYTES && row.name[i]; ++i) name[i] = row.name[i];
    return GameRulesTopic(name, text, size);
}

std::vector<HelpTopic> AllTopics()
{
    std::vector<HelpTopic> topics = HostHelpTopics();
    const core::ModuleTable& table = core::TheCore().modules;
    for (int i = 0; i < table.count; ++i) topics.push_back(RulesOf(table.rows[static_cast<size_t>(i)]));
    return topics;
}

void ShowTopicText(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_HELP_TOPICS);
    const LRESULT sel = SendMessageA(list, LB_GETCURSEL, 0, 0);
    const std::vector<HelpTopic>& topics = TheHelp().topics;
    const char* text = "No topic holds this word.";
    if (sel != LB_ERR) {
        const auto index = static_cast<size_t>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(sel), 0));
        if (index < topics.size()) text = topics[index].text.c_str();
    }
    SetDlgItemTextA(dialog, IDC_HELP_TEXT, text);
}

void FillTopics(HWND dialog)
{
    char word[128] = {};
    GetDlgItemTextA(dialog, IDC_HELP_SEARCH, word, sizeof word);
    HWND list = GetDlgItem(dialog, IDC_HELP_TOPICS);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    const std::vector<HelpTopic>& topics = TheHelp().topics;
    for (size_t index : MatchingTopics(topics, word)) {
        const LRESULT item = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(topics[index].title.c_str()));
        if (item >= 0) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(index));
    }
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    ShowTopicText(dialog);
}

BOOL OnInitDialog(HWND dialog)
{
    HelpWindow& help = TheHelp();
    help.dialog = dialog;
    help.topics = AllTopics();
    FillTopics(dialog);
    CentreOnDesktop(dialog);
    SetFocus(GetDlgItem(dialog, help.startInSearch ? IDC_HELP_SEARCH : IDC_HELP_TOPICS));
    return FALSE;  // the focus was set here
}

INT_PTR CALLBACK HelpProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
        case IDC_HELP_SEARCH:
            if (HIWORD(wParam) == EN_CHANGE) FillTopics(dialog);
            return TRUE;
        case IDC_HELP_TOPICS:
            if (HIWORD(wParam) == LBN_SELCHANGE) ShowTopicText(dialog);
            return TRUE;
        default: return FALSE;
        }
    case WM_DESTROY:
        TheHelp().dialog = nullptr;
        TheHelp().topics.clear();
        return FALSE;
    default: return FALSE;
    }
}

void OpenHelp(bool inSearch)
{
    HelpWindow& help = TheHelp();
    if (help.dialog) return;
    help.startInSearch = inSearch;
    DialogBoxParamA(core::TheApp().instance, "HELPWINDOW", core::TheApp().mainWindow, HelpProc, 0);
}

}  // namespace

void ShowHelpContents() { OpenHelp(false); }

void ShowHelpSearch() { OpenHelp(true); }

void CloseHelp()
{
    if (HWND dialog = TheHelp().dialog) EndDialog(dialog, IDCANCEL);
}

}  // namespace shell
