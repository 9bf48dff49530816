// Resource IDs of the framework's window tests.
#pragma once

#define IDD_AFX_TWO_EDITS 100
#define IDC_AFX_FIRST 201
#define IDC_AFX_SECOND 202
