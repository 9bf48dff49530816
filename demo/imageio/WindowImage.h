// What a window shows, read back as an RGB image.
#pragma once

#include <windows.h>

#include "PngImage.h"

// width x height pixels at (x, y) of a DC, through a 24-bit DIB section.
RgbImage CaptureDcArea(HDC source, int x, int y, int width, int height);
// The whole window, frame included, from its window DC (children and all:
// PrintWindow paints only a dialog's background under Wine).
RgbImage CaptureWindow(HWND hwnd);
// The client area (or its first width x height pixels), from the window's DC.
RgbImage CaptureClient(HWND hwnd, int width = -1, int height = -1);
