// Resource ids of the bar program, shared by velkis.rc and the code.
#pragma once

#define IDD_VOLUME_POPUP   110
#define IDD_BATTERY_POPUP  112

#define IDI_MENU_TASK_S1   115
#define IDI_MENU_TASK_S2   119
#define IDI_MENU_122       122
#define IDI_MENU_125       125
#define IDI_MENU_126       126
#define IDI_MENU_127       127
