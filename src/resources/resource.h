/* Resource identifiers of Routewright, grouped per dialog. Read by the
   resource compiler and by the C++ code, so only #define lines here. */
#ifndef ROUTEWRIGHT_RESOURCE_H
#define ROUTEWRIGHT_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

/* Main dialog */
#define IDD_MAIN                102
#define IDC_SAVE                1030
#define IDC_CANCEL              1111
#define IDC_BUILD               1019
#define IDC_DETAILS             1033
#define IDC_HELP_BUTTON                1110
#define IDC_EXTEND              1107
#define IDC_SOURCE_PATH         1010
#define IDC_OPEN                1011
#define IDC_DEST_PATH           1013
#define IDC_SAVE_AS             1014
#define IDC_DEPARTURE_GROUP     1135
#define IDC_DEPARTURE_ID        1015
#define IDC_DEPARTURE_RUNWAYS   1021
#define IDC_DEPARTURE_NAME      1023
#define IDC_DESTINATION_GROUP   1136
#define IDC_DESTINATION_ID      1016
#define IDC_LANDING_RUNWAYS     1022
#define IDC_DESTINATION_NAME    1024
#define IDC_LEG_TABS            1106
#define IDC_ROUTE_TEXT          1020
#define IDC_FLIGHT_TYPE_GROUP   1137
#define IDC_VFR                 1002
#define IDC_IFR                 1003
#define IDC_CRUISE_LABEL        1147
#define IDC_CRUISE_ALTITUDE     1061
#define IDC_ROUTE_TYPE_GROUP    1138
#define IDC_VOR_TO_VOR          1005
#define IDC_LOW_AIRWAYS         1006
#define IDC_HIGH_AIRWAYS        1007
#define IDC_DIRECT_GPS          1008
#define IDC_EXPAND              1104
#define IDC_COLLAPSE            1105
#define IDC_TREE_LABEL          1146
#define IDC_ROUTE_TREE          1103
#define IDC_BUSY_ANIMATION      1052
#define IDC_SOURCE_GROUP        1133
#define IDC_DEST_GROUP          1134
#define IDC_SEPARATOR           1128
#define IDC_STATUS_BAR          106
#define IDC_TOOLBAR             118

/* Batch progress window */
#define IDD_PROGRESS            142
#define IDC_PROGRESS_FILE       1116
#define IDC_PROGRESS_BAR        1117
#define IDC_PROGRESS_COUNTER    1118

/* Menu, accelerators and commands */
#define IDR_MAIN_MENU           105
#define IDR_ACCELERATORS        109
#define IDM_EXIT                40001
#define IDM_HELP_TOPICS         40002
#define IDM_ABOUT               40003
#define IDM_SAVE                40004
#define IDM_HELP_ON_HELP        40005
#define IDM_BUILD               40006
#define IDM_OPEN                40007
#define IDM_SAVE_AS             40008
#define IDM_SETTINGS            40009
#define IDM_PRINT               40010
#define IDM_WHATS_THIS          40011
#define IDM_STATUS_BAR          40013
#define IDM_TOOLBAR             40014
#define IDM_RESET_DIALOG        40015
#define IDM_MENU_BAR            40016

/* Icons */
#define IDI_APP                 104
#define IDI_LEG                 136
#define IDI_BUTTON              139
#define IDI_OPEN                143
#define IDI_SAVE_AS             144
#define IDI_DETAILS             145

/* Route images: the strip of point types */
#define IDB_ROUTE_IMAGES        119

/* Menu bitmaps */
#define IDB_MENU_OPEN           146
#define IDB_MENU_SAVE_AS        147
#define IDB_MENU_SETTINGS       149
#define IDB_MENU_PRINT          150
#define IDB_MENU_ABOUT          151
#define IDB_MENU_WHATS_THIS     152
#define IDB_MENU_BUILD          153
#define IDB_MENU_SAVE           154
#define IDB_MENU_HELP_TOPICS    155
#define IDB_MENU_HELP_ON_HELP   156

/* Strings (the tooltips use the numbers of their controls and commands) */
#define IDS_PRINT_FAILED        1
#define IDS_APP_NAME            8
#define IDS_CONFIG_FILE         9
#define IDS_HELP_FILE           10
#define IDS_BATCH_DONE          11
#define IDS_OS_NT               12
#define IDS_OS_NT_WORKSTATION   14
#define IDS_OS_NT_SERVER        15
#define IDS_OS_WIN32S           16
#define IDS_OS_WIN9X            17
#define IDS_OS_UNKNOWN          18
#define IDS_CPU_UNKNOWN         19
#define IDS_CPU_INTEL_STEP      20
#define IDS_CPU_INTEL_MODEL     21
#define IDS_CPU_ALPHA           22
#define IDS_CPU_MIPS            23
#define IDS_CPU_POWERPC         24
#define IDS_CPU_INTEL_UNKNOWN   25
#define IDS_CPU_ALPHA_UNKNOWN   26
#define IDS_CPU_MIPS_UNKNOWN    27
#define IDS_CPU_POWERPC_UNKNOWN 28
#define IDS_CPU_80386           29
#define IDS_CPU_80486           30
#define IDS_CPU_PENTIUM         31
#define IDS_CPU_R4000           32
#define IDS_CPU_ALPHA_21064     33
#define IDS_RUNWAY_ADD_FAILED   39
#define IDS_REGISTER_FAILED     40017
#define IDS_CREATE_FAILED       40018
#define IDS_NOT_BUILT           40019
#define IDS_MSFS_SAVED          40020
#define IDS_MSFS_NOT_SAVED      40021
#define IDS_ACSGPS_SAVED        40022
#define IDS_ACSGPS_NOT_SAVED    40023
#define IDS_SQB_SAVED           40024
#define IDS_SQB_NOT_SAVED       40025
#define IDS_RC_SAVED            40026
#define IDS_RC_NOT_SAVED        40027
#define IDS_SFP_SAVED           40028
#define IDS_SFP_NOT_SAVED       40029
#define IDS_NAV_SAVED           40030
#define IDS_NAV_NOT_SAVED       40031
#define IDS_NO_BULK_PLANS       40032
#define IDS_BUILD_FAILED        40033
#define IDS_FCF_NOT_SUPPORTED   40034
#define IDS_TYPE_NOT_TESTED     40035
#define IDS_NO_SHELL_ALLOCATOR  40036
#define IDS_NO_SOURCE_NAME      40037
#define IDS_SOURCE_OPEN_FAILED  40038
#define IDS_SOURCE_READ_ERROR   40039
#define IDS_SOURCE_NOT_PLAN     40040
#define IDS_TOO_MANY_LEGS       40041
#define IDS_NO_LEGS             40042
#define IDS_TOO_MANY_POINTS     40043
#define IDS_NO_POINTS           40044
#define IDS_ONE_POINT           40045
#define IDS_ENDS_NOT_AIRPORTS   40046
#define IDS_MSFS_NO_NAME        40047
#define IDS_MSFS_EXISTS         40048
#define IDS_MSFS_CREATE_FAILED  40049
#define IDS_MSFS_WRITE_ERROR    40050
#define IDS_ACSGPS_NO_NAME      40051
#define IDS_ACSGPS_EXISTS       40052
#define IDS_ACSGPS_CREATE_FAILED 40053
#define IDS_ACSGPS_WRITE_ERROR  40054
#define IDS_SQB_NO_NAME         40055
#define IDS_SQB_EXISTS          40056
#define IDS_SQB_CREATE_FAILED   40057
#define IDS_SQB_WRITE_ERROR     40058
#define IDS_RC_NO_NAME          40059
#define IDS_RC_EXISTS           40060
#define IDS_RC_CREATE_FAILED    40061
#define IDS_RC_WRITE_ERROR      40062
#define IDS_SFP_NO_NAME         40063
#define IDS_SFP_EXISTS          40064
#define IDS_SFP_CREATE_FAILED   40065
#define IDS_SFP_WRITE_ERROR     40066
#define IDS_NAV_NO_NAME         40067
#define IDS_NAV_EXISTS          40068
#define IDS_NAV_CREATE_FAILED   40069
#define IDS_NAV_WRITE_ERROR     40070
#define IDS_DATA_OPEN_FAILED    40071
#define IDS_DATA_READ_ERROR     40072
#define IDS_SETTINGS_SAVED      40073
#define IDS_PLAN_NOT_SAVED      40074
#define IDS_FRAME_CLASS         40075
#define IDS_POPUP_CLASS         40076
#define IDS_ROUTE_LIST_MEMORY   40077
#define IDS_ROUTE_ADD_FAILED    40078
#define IDS_PATH_TOO_LONG       40080

/* Version record values */
#define RW_VERSION_MAJOR        0
#define RW_VERSION_MINOR        1
#define RW_VERSION_PATCH        0
#define RW_VERSION_TEXT         "0.1.0"

#endif
