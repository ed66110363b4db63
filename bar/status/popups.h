// The volume popup and the battery/memory popup that open below the bar.
#pragma once

// Each runs its popup modally and returns when it has closed.
void OpenVolumePopup();
void OpenBatteryPopup();
