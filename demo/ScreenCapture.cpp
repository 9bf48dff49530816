#include "ScreenCapture.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "PngWriter.h"

namespace {

// Copies width x height pixels at (x, y) of the source DC into a PNG file.
bool SaveDcArea(HDC source, int x, int y, int width, int height, const std::string& fileName)
{
    if (width <= 0 || height <= 0)
        return false;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib == nullptr)
        return false;
    HDC memoryDc = ::CreateCompatibleDC(source);
    HGDIOBJ oldBitmap = ::SelectObject(memoryDc, dib);
    ::BitBlt(memoryDc, 0, 0, width, height, source, x, y, SRCCOPY);
    ::GdiFlush();

    int stride = (width * 3 + 3) & ~3;
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    for (int row = 0; row < height; ++row) {
        const uint8_t* line = static_cast<const uint8_t*>(bits) + static_cast<size_t>(row) * stride;
        for (int column = 0; column < width; ++column) {
            uint8_t* out = &rgb[(static_cast<size_t>(row) * width + column) * 3];
            out[0] = line[column * 3 + 2];
            out[1] = line[column * 3 + 1];
            out[2] = line[column * 3];
        }
    }
    ::SelectObject(memoryDc, oldBitmap);
    ::DeleteDC(memoryDc);
    ::DeleteObject(dib);
    return WritePng(fileName, width, height, rgb);
}

// outFolder\name.png, its full path printed.
std::string ShotFile(const std::string& outFolder, const std::string& name)
{
    std::string fileName = outFolder + "\\" + name + ".png";
    char fullPath[MAX_PATH];
    ::GetFullPathNameA(fileName.c_str(), MAX_PATH, fullPath, nullptr);
    std::printf("screenshot: %s\n", fullPath);
    return fileName;
}

} // namespace

bool SaveWindowPng(HWND hwnd, const std::string& outFolder, const std::string& name)
{
    RECT bounds;
    ::GetWindowRect(hwnd, &bounds);
    HDC windowDc = ::GetWindowDC(hwnd);
    bool saved = SaveDcArea(windowDc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                            ShotFile(outFolder, name));
    ::ReleaseDC(hwnd, windowDc);
    return saved;
}

bool SaveScreenAreaPng(const RECT& area, const std::string& outFolder, const std::string& name)
{
    HDC screenDc = ::GetDC(nullptr);
    bool saved = SaveDcArea(screenDc, area.left, area.top, area.right - area.left, area.bottom - area.top,
                            ShotFile(outFolder, name));
    ::ReleaseDC(nullptr, screenDc);
    return saved;
}
