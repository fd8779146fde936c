#include "modules/win/module_table.h"

#include <cstdio>

#include "modules/module_names.h"
#include "core/win/app.h"
#include "core/win/executable_folder.h"

namespace modules {

namespace {

constexpr int kGameListMenu = 1;
constexpr int kGameListFirstId = 1000;
constexpr int kSecondColumnRow = 15;

core::ModuleTable& Table()
{
    return core::TheCore().modules;
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void* LookUpExport(void* library, const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void AppendGameListItem(HWND mainWindow, int row, const char* name)
{
    HMENU gameList = GetSubMenu(GetMenu(mainWindow), kGameListMenu);
    UINT flags = MF_STRING | (row == kSecondColumnRow ? MF_MENUBARBREAK : 0);
    AppendMenuA(gameList, flags, kGameListFirstId + row, name);
}

bool LoadModule(HWND mainWindow, const char* stem)
{
    core::ModuleTable& table = Table();
    if (table.count >= core::kMaxModules) return false;
    char fileName[16];
    std::snprintf(fileName, sizeof fileName, "%s.dll", stem);
    // By its full path beside the program: never a file of that name in the
    // current folder or on the search path.
    const std::string path = core::BesideExecutable(fileName);
    if (path.empty() || !FileExists(path)) return false;

    HMODULE library = LoadLibraryA(path.c_str());
    if (!library) return false;

    core::ModuleEntry& row = table.rows[static_cast<size_t>(table.count)];
    row = core::ModuleEntry{};
    row.library = library;
    bool accepted = core::ResolveEntryPoints(row.entry, LookUpExport, library) &&
                    row.entry.initModule(mainWindow, row.name, &row.tableWidth) != 0;
    if (!accepted) {
        FreeLibrary(library);
        row = core::ModuleEntry{};
        return false;
    }
    row.name[sizeof row.name - 1] = '\0';  // a module may fill all 64 bytes
    AppendGameListItem(mainWindow, table.count, row.name);
    ++table.count;
    return true;
}

static_assert(offsetof(core::ModuleEntry, tableHeight) == offsetof(core::ModuleEntry, tableWidth) + 4,
              "TSInitModule writes the width and the height as one pair");

}  // namespace

void BuildGameList(HWND mainWindow)
{
    HMENU gameList = GetSubMenu(GetMenu(mainWindow), kGameListMenu);
    DeleteMenu(gameList, 0, MF_BYPOSITION);  // the resource's placeholder
    for (const char* stem : kModuleNameList) LoadModule(mainWindow, stem);
    DrawMenuBar(mainWindow);
}

void CloseAllModules()
{
    core::ModuleTable& table = Table();
    for (int i = 0; i < table.count; ++i) {
        core::ModuleEntry& row = table.rows[static_cast<size_t>(i)];
        row.entry.closeModule();
        FreeLibrary(static_cast<HMODULE>(row.library));
    }
    table.count = 0;
}


}  // namespace modules
