// Resource identifiers of the library's own resources.
#pragma once

#define IDD_ZR8_SCALE 1572      // progress dialog template
#define IDC_ZR8_SCALE_MESSAGE 133
#define IDC_ZR8_SCALE_MAIN 288
#define IDC_ZR8_SCALE_SUB 289
#define IDC_ZR8_SCALE_ABORT 1000
