// Resource IDs of the dialog item table's tests.
#pragma once

// Static, edit, radio group, check box, combo box, list box, OK, Cancel.
#define IDD_FORM 300
#define IDC_FORM_NAME 301
#define IDC_FORM_RADIO_A 302
#define IDC_FORM_RADIO_B 303
#define IDC_FORM_RADIO_C 304
#define IDC_FORM_CHECK 305
#define IDC_FORM_COMBO 306
#define IDC_FORM_LIST 307
// A main edit with its reading field, a katakana edit, an edit that keeps Enter.
#define IDD_READING 330
#define IDC_READING_MAIN 331
#define IDC_READING_FIELD 332
#define IDC_READING_KANA 333
#define IDC_READING_MULTI 334
// A radio group that ends the table.
#define IDD_RADIO_END 340
#define IDC_END_EDIT 341
#define IDC_END_RADIO_A 342
#define IDC_END_RADIO_B 343
#define IDC_END_RADIO_C 344
// A radio group that starts the table.
#define IDD_RADIO_FIRST 360
#define IDC_FIRST_RADIO_A 361
#define IDC_FIRST_RADIO_B 362
#define IDC_FIRST_RADIO_C 363
#define IDC_FIRST_EDIT 364
