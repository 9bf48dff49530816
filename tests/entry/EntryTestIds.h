// Resource IDs of the dialog item table's tests.
#pragma once

// The full form: edit, radio group, check box, combo box, list box, buttons.
#define IDD_FORM 300
#define IDC_FORM_NAME 301
#define IDC_FORM_RADIO_A 302
#define IDC_FORM_RADIO_B 303
#define IDC_FORM_RADIO_C 304
#define IDC_FORM_CHECK 305
#define IDC_FORM_COMBO 306
#define IDC_FORM_LIST 307

// Static, edit, three radio buttons, OK.
#define IDD_EXAMPLE 310
#define IDC_EXAMPLE_EDIT 311
#define IDC_EXAMPLE_RADIO_A 312
#define IDC_EXAMPLE_RADIO_B 313
#define IDC_EXAMPLE_RADIO_C 314

// An edit that keeps Enter between two ordinary edits.
#define IDD_KEEP 320
#define IDC_KEEP_FIRST 321
#define IDC_KEEP_MULTI 322
#define IDC_KEEP_LAST 323

// A main edit with its reading field, and a katakana edit.
#define IDD_READING 330
#define IDC_READING_MAIN 331
#define IDC_READING_FIELD 332
#define IDC_READING_KANA 333

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
