// Resource ids of the setup program, shared by tormalin.rc and the code.
#pragma once

#define IDI_TORMALIN        128
#define IDS_SHEET_CAPTION   1

// Pages and the About dialog; each has a portrait, landscape and square variant
// with the same controls (the Timer page has one layout).
#define IDD_ORDER           129
#define IDD_ORDER_LAND      134
#define IDD_ORDER_SQUARE    137
#define IDD_THEME           130
#define IDD_THEME_LAND      139
#define IDD_THEME_SQUARE    140
#define IDD_TIMER           157
#define IDD_ABOUT           163
#define IDD_ABOUT_LAND      166
#define IDD_ABOUT_SQUARE    142

#define IDR_PAGE_MENU       161
#define IDM_EXIT            32780
#define IDM_ABOUT           32782

// Controls. The list is 1002 on the Order and My Theme pages; 1016 is "Move Up"
// on the Order page and the colour button on the Timer page.
#define IDC_NONE            -1
#define IDC_LIST            1002
#define IDC_ADD_THEME       1011
#define IDC_DELETE_THEME    1012
#define IDC_AUTHOR          1013
#define IDC_EMAIL           1014
#define IDC_NOTES           1015
#define IDC_MOVE_UP         1016
#define IDC_COLOR           1016
#define IDC_START_WITH_SYSTEM 1041
#define IDC_TIME_STYLE      1043
#define IDC_TIME_SEPARATOR  1044
#define IDC_TIME_FONT       1046
#define IDC_TIME_SIZE_LABEL 1047
#define IDC_TIME_SIZE       1048
#define IDC_MOVE_DOWN       1050
#define IDC_TIME_SAMPLE     1052
#define IDC_VERSION         1053
#define IDC_BUILD           1054
