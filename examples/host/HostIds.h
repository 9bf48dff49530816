// Resource IDs of the example host.
#pragma once

#define IDD_HOST_ENTRY 100
#define IDC_HOST_CODE 101
#define IDC_HOST_COUNT 102
