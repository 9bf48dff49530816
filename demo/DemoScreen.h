// One screen of the demo host: a title, a one-line description and the
// lines it shows. Each screen is shown in a window of its own and saved as a
// PNG screenshot; screenshots a screen saves by itself (a live dialog, say)
// are listed in shots. demo/out/index.html lists every screenshot with its
// title and description, in the order of the screens.
#pragma once

#include <string>
#include <vector>

#include "zr8wlib.h"

// A screenshot a screen saved itself.
struct DemoShot {
    CString name;         // file name stem (name.png in the output folder)
    CString title;
    CString description;  // one line: what the picture shows
};

struct DemoScreen {
    CString name;         // file name stem of the screenshot
    CString title;        // window caption
    CString description;  // one line for the index: what the screen shows
    std::vector<CString> lines;
    std::vector<DemoShot> shots;  // saved by the screen before its own window
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
// Progress: a long job under the progress dialog (CScaleDlg), its main and
// walking sub bar taken mid-way, then "中止" clicked with real input.
DemoScreen RunProgressScreen(const std::string& outFolder, bool* ok);
// Images: a generated BMP loaded and drawn by CDIB, and the code each kind
// of bad file gets.
DemoScreen RunImageScreen(const std::string& outFolder, bool* ok);

// Writes index.html into outFolder: every screenshot of the screens with its
// title and description. False when the file cannot be written.
bool WriteDemoIndex(const std::vector<DemoScreen>& screens, const std::string& outFolder);
// Journal: an input matrix of 100,000 rows scrolled with real input.
// Saves its own screenshots into outFolder; *ok becomes false when a step
// did not happen.
DemoScreen RunJournalScreen(const std::string& outFolder, bool* ok);
