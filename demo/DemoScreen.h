// One screen of the demo host: a title and the lines it shows. Each screen
// is shown in a window of its own and saved as a PNG screenshot.
#pragma once

#include <string>
#include <vector>

#include "zr8wlib.h"

struct DemoScreen {
    CString name;   // file name stem of the screenshot
    CString title;  // window caption
    std::vector<CString> lines;
};

// Start-up: library load, resource chain, trace log.
DemoScreen RunStartupScreen();
// Folders: the application folders laid out at start and the 21 folder kinds.
DemoScreen RunFoldersScreen();
// Numbers and text: parsing, comma formatting, Shift-JIS helpers, code
// lists, CSV output.
DemoScreen RunNumbersScreen();
// Dates: today in every era and Gregorian style, typed dates, the clock.
DemoScreen RunDatesScreen();
// Data entry: a dialog driven by the dialog item table with real keystrokes.
// Saves its own screenshots into outFolder; the returned screen lists what
// the dialog received. *ok becomes false when a step did not happen.
DemoScreen RunEntryScreen(const std::string& outFolder, bool* ok);
// Input controls: numeric, string, long-text edits, the return combo and
// the date control in a host dialog driven with real keystrokes. Saves its
// own screenshots; the returned screen lists what the dialog received.
DemoScreen RunControlsScreen(const std::string& outFolder, bool* ok);
// Buttons and bars: flat buttons, bitmap buttons in each state, the menu
// bar with its spin control, a tooltip, and the catalogue of the 80 stock
// faces. Saves its own screenshots into outFolder.
DemoScreen RunButtonsScreen(const std::string& outFolder, bool* ok);
// Journal: an input matrix of 100,000 rows scrolled with real input.
// Saves its own screenshots into outFolder; *ok becomes false when a step
// did not happen.
DemoScreen RunJournalScreen(const std::string& outFolder, bool* ok);
