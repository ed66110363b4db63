// The volume popup: system and ringer sliders, On, Vibrate and Off.
#include "bar/status/popups.h"
#include "bar/config/skin.h"
#include "bar/layout/bar_state.h"
#include "bar/status/indicators.h"
#include "bar/status/popup_paint.h"
#include "bar/status/sound_modes.h"
#include "bar/status/sound_registry.h"
#include "bar/status/volume_table.h"
#include "platform/wave_volume.h"
#include "resources/velkis_res.h"
#include <commctrl.h>
#include <initializer_list>

namespace {

constexpr COLORREF kVolumeImageKey = RGB(255, 0, 255);

// One popup at a time; the saved positions outlive it until the next opening.
VolumeChoice volumeChoice = {SOUND_ON, 0, 0, 0, 0, false};

HWND Control(HWND dialog, int id)
{
    return GetDlgItem(dialog, id);
}

int SliderPosition(HWND dialog, int id)
{
    return static_cast<int>(SendMessageW(Control(dialog, id), TBM_GETPOS, 0, 0));
}

// Puts the controls where the choice says.
void ShowChoice(HWND dialog)
{
    SendMessageW(Control(dialog, IDC_VOLUME_SLIDER), TBM_SETPOS, TRUE, volumeChoice.volumePosition);
    SendMessageW(Control(dialog, IDC_RINGER_SLIDER), TBM_SETPOS, TRUE, volumeChoice.ringerPosition);
    CheckDlgButton(dialog, IDC_SOUND_ON, volumeChoice.mode == SOUND_ON ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_SOUND_VIBRATE, volumeChoice.mode == SOUND_VIBRATE ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_SOUND_OFF, volumeChoice.mode == SOUND_OFF ? BST_CHECKED : BST_UNCHECKED);
}

void MoveControlUp(HWND dialog, int id, int pixels)
{
    HWND control = Control(dialog, id);
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(control, nullptr, r.left, r.top - pixels, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Without a phone there is no ringer: one slider, and On and Off close the gap.
void LayOutWithoutPhone(HWND dialog)
{
    ShowWindow(Control(dialog, IDC_RINGER_SLIDER), SW_HIDE);
    ShowWindow(Control(dialog, IDC_SOUND_VIBRATE), SW_HIDE);
    MoveControlUp(dialog, IDC_SOUND_ON, 18 * ScaleFactor);
    MoveControlUp(dialog, IDC_SOUND_OFF, 35 * ScaleFactor);
}

SoundSettings ReadSoundSettings()
{
    SoundSettings settings = {};
    settings.mode = SoundDwordOrZero(sound_key::ShellOverrides, L"Mode");
    settings.ringer = SoundDwordOrZero(sound_key::Volume, L"Ringer");
    settings.deviceVolume = WaveOutVolume();
    settings.savedVolume = SoundDwordOrZero(sound_key::ShellOverrides, L"SavedVolume");
    settings.savedRinger = SoundDwordOrZero(sound_key::ShellOverrides, L"SavedRingerVolume");
    return settings;
}

INT_PTR OnInitDialog(HWND dialog)
{
    SetForegroundWindow(dialog);
    volumePopupWindow = dialog;
    SIZE size = PopupSize(dialog, skinImages.volumePopup);
    if (!PhoneEdition)
        LayOutWithoutPhone(dialog);
    SetWindowTextW(dialog, L"Volume");
    MoveWindow(dialog, 100 * ScaleFactor, kBarHeight * ScaleFactor, size.cx, size.cy, TRUE);
    for (int id : {IDC_VOLUME_SLIDER, IDC_RINGER_SLIDER}) {
        SendMessageW(Control(dialog, id), TBM_SETRANGE, FALSE, MAKELPARAM(0, kVolumeSteps));
        SendMessageW(Control(dialog, id), TBM_SETLINESIZE, 0, 1);
    }
    volumeChoice = InitialVolumeChoice(ReadSoundSettings(), PhoneEdition, volumeChoice.savedRingerPosition);
    ShowChoice(dialog);
    return TRUE;
}

INT_PTR OnPaint(HWND dialog)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    RECT client;
    GetClientRect(dialog, &client);
    DrawPopupImage(dc, skinImages.volumePopup, client, kVolumeImageKey);
    int s = ScaleFactor;
    DrawPopupText(dc, L"Volume", RECT{5 * s, 0, client.right - 5 * s, 26 * s}, DT_LEFT);
    EndPaint(dialog, &paint);
    return TRUE;
}

INT_PTR OnClosePopup(HWND dialog);

INT_PTR OnCommand(HWND dialog, WPARAM wParam)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:   // a close command ends the popup as a dialog: applied, as when the bar is tapped
        return OnClosePopup(dialog);
    case IDC_SOUND_ON:
        ChooseSoundOn(volumeChoice);
        break;
    case IDC_SOUND_OFF:
        ChooseSoundMuted(volumeChoice, SOUND_OFF);
        break;
    case IDC_SOUND_VIBRATE:
        ChooseSoundMuted(volumeChoice, SOUND_VIBRATE);
        break;
    default:
        return FALSE;
    }
    ShowChoice(dialog);
    return TRUE;
}

// Every user action on a slider ends with TB_ENDTRACK: then the volume is heard.
INT_PTR OnVerticalScroll(HWND dialog, WPARAM wParam)
{
    if (LOWORD(wParam) != TB_ENDTRACK)
        return FALSE;
    if (ReleaseVolumeSlider(volumeChoice, SliderPosition(dialog, IDC_VOLUME_SLIDER)))
        SetWaveOutVolume(VolumeForPosition(volumeChoice.volumePosition));
    if (PhoneEdition && ReleaseRingerSlider(volumeChoice, SliderPosition(dialog, IDC_RINGER_SLIDER)))
        WriteSoundDword(sound_key::RingCategory, L"InitVol",
                        RingLevelForVolume(VolumeForPosition(volumeChoice.ringerPosition)));
    ShowChoice(dialog);
    MessageBeep(0);
    return TRUE;
}

INT_PTR OnClosePopup(HWND dialog)
{
    volumePopupWindow = nullptr;
    StoreSoundChoice(volumeChoice, SliderPosition(dialog, IDC_VOLUME_SLIDER), SliderPosition(dialog, IDC_RINGER_SLIDER),
                     PhoneEdition);
    RefreshStatusIndicators();
    EndDialog(dialog, 0);
    return TRUE;
}

INT_PTR CALLBACK VolumePopupProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:   return OnInitDialog(dialog);
    case WM_PAINT:        return OnPaint(dialog);
    case WM_COMMAND:      return OnCommand(dialog, wParam);
    case WM_VSCROLL:      return OnVerticalScroll(dialog, wParam);
    case MSG_CLOSE_POPUP: return OnClosePopup(dialog);
    default:              return FALSE;
    }
}

} // namespace

void OpenVolumePopup()
{
    DialogBoxParamW(barInstance, MAKEINTRESOURCEW(IDD_VOLUME_POPUP), nullptr, VolumePopupProc, 0);
    volumePopupWindow = nullptr;
}
