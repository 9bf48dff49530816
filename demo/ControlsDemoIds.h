// Resource IDs of the demo's input-control screen.
#pragma once

#define IDD_DEMO_CONTROLS 780
#define IDC_CTL_NUMBER 781
#define IDC_CTL_NAME 782
#define IDC_CTL_NOTE 783
#define IDC_CTL_AREA 784
#define IDC_CTL_DATE 785
#define IDC_CTL_YEARFIELD 786
