// The bar's button table and signal set between loads, and the one function that writes each of their fields.
#pragma once
#include <windows.h>
#include "bar/config/buttons.h"

// Read by everyone. Writers, one per field:
//   every field as a load leaves it (images, sizes, order, ids, the loaded shown and
//   enabled flags, slot 0's rectangle): InstallButtons, from the load and the release
//   in bar/core/appearance.cpp;
//   rect of the placed records: UpdateBarLayout (bar/layout/bar_layout.cpp);
//   pressed: SetButtonsPressed (the stylus);
//   shown and enabled of the paired buttons: ShowButton (the indicators and close/OK).
extern ButtonTable buttonTable;
extern SignalImageSet signalImages;

void InstallButtons(const ButtonTable& buttons, const SignalImageSet& signal);

// A press at *point marks every slot whose rectangle holds it (shown or not) and,
// with a phone, when the current signal record holds it, that record alone among
// the five. No point (the release): every slot and signal record is released.
void SetButtonsPressed(const POINT* point, bool phone, int signalLevel);

// Sets shown and enabled of the first slot holding id; nothing when none does.
void ShowButton(int id, bool shown, bool enabled);

// Whether point lies in r: left and top inclusive, right and bottom exclusive.
bool InButtonRect(const RECT& r, POINT point);
