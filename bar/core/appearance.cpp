// The load sequence in its one order, and the release that precedes the next load.
#include "bar/core/appearance.h"
#include "bar/layout/bar_state.h"
#include "bar/core/foreground.h"
#include "bar/config/buttons.h"
#include "bar/config/fonts.h"
#include "bar/config/settings.h"
#include "bar/config/skin.h"
#include "bar/layout/bar_layout.h"
#include "bar/layout/button_table.h"
#include "bar/actions/bar_menu.h"
#include "bar/actions/close_button.h"
#include "bar/status/indicators.h"
#include "common/ini_file.h"
#include "platform/regional_settings.h"

namespace {

// A hand-written Order may leave a button out of the table altogether.
bool IsShown(int id)
{
    int slot = FindSlotById(buttonTable, id);
    return slot >= 0 && buttonTable.slots[slot].shown;
}

// config.ini and the skin, read as one: no other program rewrites them halfway
// through, and the fifty reads take the machine-wide lock without a system call.
// Should its holder hang, the first load reads the files as they stand and writes
// no default: the bar wears what the person chose.
void ReadSettingsAndSkin(ButtonTable& buttons, SignalImageSet& signal)
{
    IniFilesLock filesLock;
    ResolveSettingsPaths(programFolder, PhoneEdition);
    const wchar_t* skin = LoadSkinOrDefault(settingsPaths.skinPath, settingsPaths.defaultSkinPath,
                                            SkinLoadFacts{barWindow, barInstance, ScaleFactor, PhoneEdition}, buttons, signal);
    LoadSkinFonts(skin);
    ApplyOrder(buttons, PhoneEdition);
    TakeImageSizes(buttons, signal, PhoneEdition);
    ApplySkinScale(skin, ScaleFactor);
    ApplyVisibility(buttons);
}

} // namespace

void LoadAppearance()
{
    HCURSOR previousCursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    // The setup program may have changed the clock's pattern since the last load.
    AdoptTimeSettings();

    ButtonTable buttons;
    SignalImageSet signal;
    ReadSettingsAndSkin(buttons, signal);
    InstallButtons(buttons, signal);
    closePairInUse = IsShown(BUTTON_CLOSE) || IsShown(BUTTON_OK);

    RefreshStatusIndicators();
    AdoptForegroundWindow(GetForegroundWindow());
    UpdateBarLayout();
    SetCursor(previousCursor);
}

bool ReplaceAppearance()
{
    IniFilesLock filesLock;
    if (!filesLock.Held())
        return false;
    ReleaseAppearance();
    LoadAppearance();
    return true;
}

void ReleaseAppearance()
{
    ButtonTable buttons = buttonTable;
    SignalImageSet signal = signalImages;
    InstallButtons(ButtonTable{}, SignalImageSet{});
    ReleaseSkin(buttons, signal);
    DestroyBarMenu();
}
