#include "shell/win/settings.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "core/win/app.h"
#include "platform/win/handles.h"
#include "shell/association.h"
#include "shell/win/services.h"

namespace shell {

namespace {

constexpr char kSettingsKey[] = "SOFTWARE\\Quillory\\LumoraSolitaire\\Settings";
constexpr char kValueName[] = "CurState";
constexpr char kExtensionKey[] = ".tsg";
constexpr char kTypeKey[] = "LumoraSolitaire";
constexpr char kTypeName[] = "Lumora Solitaire Saved Game";
constexpr char kOpenCommandKey[] = "shell\\open\\command";
constexpr char kUserClassesKey[] = "Software\\Classes";

struct Settings {
    persistence::CurStateRecord record;
    bool read = false;
};

Settings& TheSettings()
{
    static Settings settings;
    return settings;
}

void SetDefaultValue(HKEY key, const char* subkey, const char* text)
{
    RegSetValueA(key, subkey, REG_SZ, text, static_cast<DWORD>(std::strlen(text)));
}

// ".tsg" files open with this executable, under one classes key.
void AssociateUnder(HKEY classes)
{
    {
        platform::RegistryKey extension;
        if (RegCreateKeyA(classes, kExtensionKey, extension.out()) == ERROR_SUCCESS)
            SetDefaultValue(extension.get(), nullptr, kTypeKey);
    }
    platform::RegistryKey type;
    if (RegCreateKeyA(classes, kTypeKey, type.out()) != ERROR_SUCCESS) return;
    SetDefaultValue(type.get(), nullptr, kTypeName);
    std::string program(32768, '\0');
    const DWORD n = GetModuleFileNameA(nullptr, program.data(), static_cast<DWORD>(program.size()));
    if (n > 0 && n < program.size()) {
        program.resize(n);
        SetDefaultValue(type.get(), kOpenCommandKey, OpenCommand(program).c_str());
    }
}

// The user's own classes, which a standard account may write and Windows
// merges into the classes root; then the classes root itself where that
// is allowed (Wine does not merge the user's classes).
void Associate()
{
    {
        platform::RegistryKey userClasses;
        if (RegCreateKeyA(HKEY_CURRENT_USER, kUserClassesKey, userClasses.out()) == ERROR_SUCCESS)
            AssociateUnder(userClasses.get());
    }
    AssociateUnder(HKEY_CLASSES_ROOT);
}

// CurState from one root: ERROR_FILE_NOT_FOUND when the key or the value is
// not there.
LONG QueryCurState(HKEY root, unsigned char* value, DWORD& size, DWORD& type)
{
    platform::RegistryKey key;
    const LONG opened = RegOpenKeyExA(root, kSettingsKey, 0, KEY_QUERY_VALUE, key.out());
    if (opened != ERROR_SUCCESS) return opened;
    return RegQueryValueExA(key.get(), kValueName, nullptr, &type, value, &size);
}

}  // namespace

const persistence::CurStateRecord& TheCurState() { return TheSettings().record; }

bool CurStateWasRead() { return TheSettings().read; }

void ReadSettingsAndAssociate(int showCommand)
{
    Associate();
    Settings& s = TheSettings();
    const uint32_t start = static_cast<uint32_t>(showCommand);
    s.record = persistence::DefaultCurState(start);
    s.read = false;
    unsigned char value[sizeof(persistence::CurStateRecord)] = {};
    DWORD size = sizeof value;
    DWORD type = 0;
    // The user's own value; without one, the machine's, which an older
    // version left there.
    LONG result = QueryCurState(HKEY_CURRENT_USER, value, size, type);
    if (result == ERROR_FILE_NOT_FOUND) {
        size = sizeof value;
        result = QueryCurState(HKEY_LOCAL_MACHINE, value, size, type);
    }
    if (result == ERROR_SUCCESS && type == REG_BINARY)
        s.record = persistence::CurStateFromValue(value, size, start, s.read);
}

void WriteSettings()
{
    Settings& s = TheSettings();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(core::TheApp().mainWindow, &placement);
    const RECT& r = placement.rcNormalPosition;
    s.record = persistence::CurStateAtExit(s.record, core::TheCore().flow.currentModule, placement.showCmd, r.left,
                                           r.top, r.right, r.bottom);
    platform::RegistryKey key;
    if (RegCreateKeyA(HKEY_CURRENT_USER, kSettingsKey, key.out()) != ERROR_SUCCESS) return;
    RegSetValueExA(key.get(), kValueName, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&s.record), sizeof s.record);
}

}  // namespace shell
