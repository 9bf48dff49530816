// Screenshots of the demo's windows as PNG files.
#pragma once

#include <string>

#include <windows.h>

// Each saves outFolder\name.png and prints where it went.
// The whole window, frame included, from its own window DC.
bool SaveWindowPng(HWND hwnd, const std::string& outFolder, const std::string& name);
// An area of the screen as the user sees it, popups (such as an open
// combo box list) included.
bool SaveScreenAreaPng(const RECT& area, const std::string& outFolder, const std::string& name);
