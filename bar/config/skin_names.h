// The image names of a skin in the order the bar reads them, with the shared value buffer's rules.
#pragma once
#include <windows.h>

// What an image key of the skin fills.
enum SkinImageRole {
    ROLE_LANDSCAPE,
    ROLE_PORTRAIT,
    ROLE_BUTTON_NORMAL,   // index: the button's slot, 0 to 9
    ROLE_BUTTON_PRESSED,
    ROLE_VOLUME_POPUP,
    ROLE_BATTERY_POPUP,
    ROLE_SIGNAL_NORMAL,   // index: the signal level, 0 to 4
    ROLE_SIGNAL_PRESSED,
};

constexpr int kSkinValueCapacity = 100;
constexpr int kSkinImagePathCapacity = 100;
// Backgrounds, twenty button images, two popups, ten signal images.
constexpr int kSkinImageKeys = 34;

struct SkinImageName {
    const char* section;
    char key[24];
    SkinImageRole role;
    int index;
    int readResult;                  // IniReadValue's result for this key
    char value[kSkinValueCapacity];  // the file name the bar takes: the key's value, or
                                     // what the buffer held when the read failed
};

struct SkinImageNames {
    SkinImageName entries[kSkinImageKeys];
    int count;
};

// Reads every image key of the skin in the load's order, through one buffer: a key
// that cannot be read takes the value read before it; the buffer is cleared just
// before each SignalN Pressed. The signal keys are read only with a phone.
void ReadSkinImageNames(const wchar_t* skinPath, bool phone, SkinImageNames* names);

// The English name of a button slot's keys ("Start Menu", "Menu", ... "Disconnect").
const char* ButtonKeyName(int slot);

// folder and a value joined with a backslash; false (and "") when it does not fit
// kSkinImagePathCapacity: a cut path is never used.
bool JoinSkinPath(const wchar_t* folder, const char* value, wchar_t* path, size_t capacity);
