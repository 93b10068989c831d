#pragma once
// Resource ids: dialog templates, strings, bitmap, icon and control ids.
// Shared by the .rc script (windres) and the C++ code.

// Dialog templates
#define IDD_WELCOME 102
#define IDD_PROGRESS 112
#define IDD_SEARCH_PAGE 129
#define IDD_NETWORK_PAGE 130
#define IDD_DATETIME_PAGE 131
#define IDD_REVIEW_PAGE 132
#define IDD_PASSWORD 156
#define IDD_CONFIRM 158

// Icon and bitmap
#define IDR_MAINFRAME 128
#define IDB_WELCOME 153
#define IDB_WELCOME_2X 154

// Strings
#define IDS_INIT_FAILED 103
#define IDS_SEARCHING 104
#define IDS_SAVING 105
#define IDS_STEP1_HEADING 107
#define IDS_STEP1_TITLE 108
#define IDS_STEP1_DESCRIPTION 109
#define IDS_STEP1_NAME 110
#define IDS_STEP1_IPADDR 111
#define IDS_STEP1_NETMASK 112
#define IDS_STEP1_GATEWAY 113
#define IDS_STEP1_GROUP 117
#define IDS_STEP2_HEADING 118
#define IDS_STEP2_TITLE 119
#define IDS_STEP2_MANUAL 120
#define IDS_STEP2_DHCP 121
#define IDS_STEP2_GATEWAY 122
#define IDS_STEP2_HINT 123
#define IDS_STEP2_IPADDR 124
#define IDS_STEP2_NETMASK 125
#define IDS_STEP3_HEADING 126
#define IDS_STEP3_TITLE 127
#define IDS_STEP3_TIMEZONE 128
#define IDS_STEP3_DATE 129
#define IDS_STEP3_TIME 130
#define IDS_STEP4_HEADING 132
#define IDS_STEP4_TITLE 133
#define IDS_STEP4_NAME 134
#define IDS_STEP4_IPADDR 135
#define IDS_STEP4_NETMASK 136
#define IDS_STEP4_GATEWAY 137
#define IDS_STEP4_BOOTPROTO 138
#define IDS_STEP4_DATE 139
#define IDS_STEP4_TIME 140
#define IDS_STEP4_BEFORE 141
#define IDS_STEP4_AFTER 142
#define IDS_STEP2_DNS 143
#define IDS_VERIFYING 144
#define IDS_STEP2_NAME 145
#define IDS_STEP1_DNS 146
#define IDS_STEP1_MAC 147

// Welcome window
#define IDC_START 1002

// Progress window
#define IDC_PROGRESS_BAR 1003
#define IDC_PROGRESS_PERCENT 1004
#define IDC_PROGRESS_MESSAGE 1056

// Step 1: search
#define IDC_DEVICE_LIST 1000
#define IDC_SEARCH_AGAIN 1001
#define IDC_SEARCH_EXIT 1019

// Step 2: network
#define IDC_IPADDR 1005
#define IDC_NETMASK 1006
#define IDC_GATEWAY 1007
#define IDC_NETWORK_NEXT 1008
#define IDC_NETWORK_BACK 1009
#define IDC_DNS 1065
#define IDC_HOSTNAME 1066
#define IDC_MANUAL_IP 500
#define IDC_DHCP 501

// Step 3: date and time
#define IDC_DATETIME_NEXT 1010
#define IDC_TIMEZONE 1011
#define IDC_DATE 1012
#define IDC_TIME 1013
#define IDC_NTP_SERVER 1014
#define IDC_DATETIME_BACK 1015

// Step 4: review
#define IDC_SAVE 1016
#define IDC_REVIEW_BACK 1017

// Password and confirmation windows
#define IDC_PASSWORD 1051
#define IDC_CONFIRM_MESSAGE 1055

// Labels created at run time
#define IDC_RUNTIME_LABEL 0xFFFF
