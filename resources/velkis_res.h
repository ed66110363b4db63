// Resource ids of the bar program, shared by velkis.rc and the code.
#pragma once

#define IDD_VOLUME_POPUP   110
#define IDD_BATTERY_POPUP  112

// Controls of the volume popup.
#define IDC_VOLUME_SLIDER  1001
#define IDC_SOUND_ON       1003
#define IDC_SOUND_OFF      1004
#define IDC_RINGER_SLIDER  1008
#define IDC_SOUND_VIBRATE  1009

// Bar menu icons: the close mark at 16 px (scale 1) and 32 px (scale 2), then the
// pictures of "Turn Off Screen", "Restart", "Shut Down" and "Options...".
#define IDI_TASK_CLOSE       115
#define IDI_TASK_CLOSE_LARGE 119
#define IDI_SCREEN_OFF       122
#define IDI_RESTART          125
#define IDI_SHUT_DOWN        126
#define IDI_OPTIONS          127

// Commands of the bar menu; the running applications' rows take ID_FIRST_TASK + row.
#define ID_TURN_OFF_SCREEN        40001
#define ID_SHUT_DOWN              40002
#define ID_RESTART                40003
#define ID_EXIT_BAR               40021
#define ID_CLOSE_ALL              40022
#define ID_CLOSE_ALL_EXCEPT_ACTIVE 40023
#define ID_OPTIONS                40024
#define ID_FIRST_TASK             40101
