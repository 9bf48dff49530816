// Resource IDs of the demo host.
#pragma once

#define IDD_DEMO_ENTRY 500
#define IDC_DEMO_NAME 501
#define IDC_DEMO_KANA 502
#define IDC_DEMO_ORDINARY 503
#define IDC_DEMO_CURRENT 504
#define IDC_DEMO_SAVINGS 505
#define IDC_DEMO_CHECKED 506
#define IDC_DEMO_AREA 507
#define IDC_DEMO_CROP 508
#define IDC_DEMO_STATUS 509
