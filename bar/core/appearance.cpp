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
#include "platform/regional_settings.h"

namespace {

// A hand-written Order may leave a button out of the table altogether.
bool IsShown(int id)
{
    int slot = FindSlotById(buttonTable, id);
    return slot >= 0 && buttonTable.slots[slot].shown;
}

} // namespace

void LoadAppearance()
{
    HCURSOR previousCursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    // The setup program may have changed the clock's pattern since the last load.
    AdoptTimeSettings();

    ResolveSettingsPaths(programFolder, PhoneEdition);
    ButtonTable buttons;
    SignalImageSet signal;
    const wchar_t* skin = LoadSkinOrDefault(settingsPaths.skinPath, settingsPaths.defaultSkinPath,
                                            SkinLoadFacts{barWindow, barInstance, ScaleFactor, PhoneEdition}, buttons, signal);
    LoadSkinFonts(skin);
    ApplyOrder(buttons, PhoneEdition);
    TakeImageSizes(buttons, signal, PhoneEdition);
    ApplySkinScale(skin, ScaleFactor);
    ApplyVisibility(buttons);
    InstallButtons(buttons, signal);
    closePairInUse = IsShown(BUTTON_CLOSE) || IsShown(BUTTON_OK);

    RefreshStatusIndicators();
    AdoptForegroundWindow(GetForegroundWindow());
    UpdateBarLayout();
    SetCursor(previousCursor);
}

void ReleaseAppearance()
{
    ButtonTable buttons = buttonTable;
    SignalImageSet signal = signalImages;
    InstallButtons(ButtonTable{}, SignalImageSet{});
    ReleaseSkin(buttons, signal);
    DestroyBarMenu();
}
