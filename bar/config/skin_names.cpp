// Walking a skin's image keys in load order, with the value buffer one load shares.
#include "bar/config/skin_names.h"
#include "common/ini.h"
#include <strsafe.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kButtonKeys[10] = {
    "Start Menu", "Menu", "Close", "OK", "Volume", "Mute", "Battery/Memory", "Home", "Connection", "Disconnect",
};

// One load's reads share this buffer: a failed read leaves the value of the read
// before it, which is how a skin without Pressed images reuses its Normal ones.
struct NameWalk {
    const wchar_t* skinPath;
    SkinImageNames* names;
    char value[kSkinValueCapacity];

    void Add(const char* section, const char* key, SkinImageRole role, int index)
    {
        SkinImageName& entry = names->entries[names->count++];
        entry.section = section;
        StringCchCopyA(entry.key, sizeof(entry.key), key);
        entry.role = role;
        entry.index = index;
        entry.readResult = IniReadValue(skinPath, section, key, value, sizeof(value));
        StringCchCopyA(entry.value, sizeof(entry.value), value);
    }
};

} // namespace

const char* ButtonKeyName(int slot)
{
    return slot >= 0 && slot < 10 ? kButtonKeys[slot] : "";
}

void ReadSkinImageNames(const wchar_t* skinPath, bool phone, SkinImageNames* names)
{
    NameWalk walk = {skinPath, names, {}};
    names->count = 0;
    walk.Add("Topbar", "Landscape", ROLE_LANDSCAPE, 0);
    walk.Add("Topbar", "Portrait", ROLE_PORTRAIT, 0);
    char key[32];
    for (int slot = 0; slot < 10; ++slot) {
        StringCchPrintfA(key, sizeof(key), "%s Normal", kButtonKeys[slot]);
        walk.Add("Button Images", key, ROLE_BUTTON_NORMAL, slot);
        StringCchPrintfA(key, sizeof(key), "%s Pressed", kButtonKeys[slot]);
        walk.Add("Button Images", key, ROLE_BUTTON_PRESSED, slot);
    }
    walk.Add("Volume image", "Volume", ROLE_VOLUME_POPUP, 0);
    walk.Add("Battery image", "Battery", ROLE_BATTERY_POPUP, 0);
    if (!phone)
        return;
    for (int level = 0; level < 5; ++level) {
        StringCchPrintfA(key, sizeof(key), "Signal%d Normal", level);
        walk.Add("Signal Images", key, ROLE_SIGNAL_NORMAL, level);
        walk.value[0] = '\0';
        StringCchPrintfA(key, sizeof(key), "Signal%d Pressed", level);
        walk.Add("Signal Images", key, ROLE_SIGNAL_PRESSED, level);
    }
}

bool JoinSkinPath(const wchar_t* folder, const char* value, wchar_t* path, size_t capacity)
{
    wchar_t name[kSkinValueCapacity];
    AnsiToWide(value, name, kSkinValueCapacity);
    if (FAILED(StringCchPrintfW(path, capacity, L"%s\\%s", folder, name))) {
        if (capacity)
            path[0] = L'\0';
        return false;
    }
    return true;
}
