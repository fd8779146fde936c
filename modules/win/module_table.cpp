#include "modules/win/module_table.h"

#include <array>
#include <utility>

#include "core/win/app.h"
#include "platform/win/handles.h"
#include "modules/module_names.h"
#include "modules/win/module_prefetch.h"
#include "resources/resource.h"

namespace modules {

namespace {

core::ModuleTable& Table() { return core::TheCore().modules; }

// The owners of the rows' libraries, row for row; ModuleEntry::library is
// the handle they lend the platform-free table.
std::array<platform::Library, core::kMaxModules>& Libraries()
{
    static std::array<platform::Library, core::kMaxModules> libraries;
    return libraries;
}

void* LookUpExport(void* library, const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void AppendGameListItem(HWND mainWindow, int row, const char* name)
{
    HMENU gameList = GetSubMenu(GetMenu(mainWindow), MENU_POS_GAMELIST);
    UINT flags = MF_STRING | (row == MENU_GAMELIST_SECOND_COLUMN ? MF_MENUBARBREAK : 0);
    AppendMenuA(gameList, flags, IDM_GAMELIST_FIRST + row, name);
}

bool LoadModule(HWND mainWindow, const char* stem)
{
    core::ModuleTable& table = Table();
    if (table.count >= core::kMaxModules) return false;
    const std::string path = ModuleFilePath(stem);
    if (path.empty()) return false;

    platform::Library library(LoadLibraryA(path.c_str()));
    if (!library) return false;

    core::ModuleEntry& row = table.rows[static_cast<size_t>(table.count)];
    row = core::ModuleEntry{};
    row.library = library.get();
    bool accepted = core::ResolveEntryPoints(row.entry, LookUpExport, library.get()) &&
                    row.entry.initModule(mainWindow, row.name, &row.tableWidth) != 0;
    if (!accepted) {
        row = core::ModuleEntry{};
        return false;  // the library is freed with its owner
    }
    row.name[sizeof row.name - 1] = '\0';  // a module may fill all 64 bytes
    core::ResolveOptionalEntryPoints(row.optional, LookUpExport, library.get());
    AppendGameListItem(mainWindow, table.count, row.name);
    Libraries()[static_cast<size_t>(table.count)] = std::move(library);
    ++table.count;
    return true;
}

static_assert(offsetof(core::ModuleEntry, tableHeight) == offsetof(core::ModuleEntry, tableWidth) + 4,
              "TSInitModule writes the width and the height as one pair");

}  // namespace

// The Game List is a submenu: the menu bar itself does not change.
void BuildGameList(HWND mainWindow)
{
    HMENU gameList = GetSubMenu(GetMenu(mainWindow), MENU_POS_GAMELIST);
    DeleteMenu(gameList, 0, MF_BYPOSITION);  // the resource's placeholder
    AwaitModulePrefetch();
    for (const char* stem : kModuleNameList) LoadModule(mainWindow, stem);
    ReleaseModulePrefetch();
}

void CloseAllModules()
{
    ReleaseModulePrefetch();  // a start-up that ended before the Game List
    core::ModuleTable& table = Table();
    for (int i = 0; i < table.count; ++i) {
        core::ModuleEntry& row = table.rows[static_cast<size_t>(i)];
        row.entry.closeModule();
        Libraries()[static_cast<size_t>(i)].reset();
        row.library = nullptr;
    }
    table.count = 0;
}

}  // namespace modules
