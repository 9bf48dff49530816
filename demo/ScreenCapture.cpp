#include "ScreenCapture.h"

#include <cstdio>

#include "WindowImage.h"

namespace {

// Writes the image to outFolder\name.png and prints its full path.
bool SavePng(const RgbImage& image, const std::string& outFolder, const std::string& name)
{
    std::string fileName = outFolder + "\\" + name + ".png";
    char fullPath[MAX_PATH];
    ::GetFullPathNameA(fileName.c_str(), MAX_PATH, fullPath, nullptr);
    std::printf("screenshot: %s\n", fullPath);
    return WritePng(fileName, image);
}

} // namespace

bool SaveWindowPng(HWND hwnd, const std::string& outFolder, const std::string& name)
{
    return SavePng(CaptureWindow(hwnd), outFolder, name);
}

bool SaveScreenAreaPng(const RECT& area, const std::string& outFolder, const std::string& name)
{
    HDC screenDc = ::GetDC(nullptr);
    RgbImage image = CaptureDcArea(screenDc, area.left, area.top, area.right - area.left, area.bottom - area.top);
    ::ReleaseDC(nullptr, screenDc);
    return SavePng(image, outFolder, name);
}
