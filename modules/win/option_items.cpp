#include "modules/win/module_table.h"

namespace modules {

namespace {

constexpr int kOptionsMenu = 2;
constexpr int kHostOptionItems = 5;  // Auto Play, Sounds, Backgrounds, separator, Card sets
constexpr int kOptionFirstId = 5000;

int g_optionCount = 0;

HMENU OptionsMenu(HWND mainWindow)
{
    return GetSubMenu(GetMenu(mainWindow), kOptionsMenu);
}

}  // namespace

int OptionCount()
{
    return g_optionCount;
}

void AddOptionItem(HWND mainWindow, unsigned option, const char* text)
{
    HMENU options = OptionsMenu(mainWindow);
    if (g_optionCount == 0) AppendMenuA(options, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(options, MF_STRING, kOptionFirstId + (option & 0xFFFF), text);
    ++g_optionCount;
    DrawMenuBar(mainWindow);
}

void CheckOptionItem(HWND mainWindow, unsigned option, bool checked)
{
    CheckMenuItem(GetMenu(mainWindow), kOptionFirstId + (option & 0xFFFF),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    DrawMenuBar(mainWindow);
}

void RemoveOptionItems(HWND mainWindow)
{
    if (g_optionCount == 0) return;
    HMENU options = OptionsMenu(mainWindow);
    for (int i = 0; i <= g_optionCount; ++i) DeleteMenu(options, kHostOptionItems, MF_BYPOSITION);
    g_optionCount = 0;
    DrawMenuBar(mainWindow);
}

}  // namespace modules
