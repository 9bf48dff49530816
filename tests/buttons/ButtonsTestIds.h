// Resource and control IDs of the button tests.
#pragma once

#define IDC_FLAT_PROMPTED 3101    // has a status prompt string
#define IDB_TOOLTIP_PICTURE 996   // the picture statics' bitmap
#define IDC_TIP_EDIT 5001
#define IDC_TIP_TEXT 5002
#define IDC_TIP_PICTURE 5003
#define IDC_TIP_MISSING 5009
#define IDS_TEST_DOCUMENT 3201    // a document template's texts
