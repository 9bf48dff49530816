#include "WindowImage.h"

RgbImage CaptureDcArea(HDC source, int x, int y, int width, int height)
{
    RgbImage image;
    if (width <= 0 || height <= 0)
        return image;
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
        return image;
    HDC memoryDc = ::CreateCompatibleDC(source);
    HGDIOBJ oldBitmap = ::SelectObject(memoryDc, dib);
    ::BitBlt(memoryDc, 0, 0, width, height, source, x, y, SRCCOPY);
    ::GdiFlush();

    image.width = width;
    image.height = height;
    image.rgb.resize(static_cast<size_t>(width) * height * 3);
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t(3);
    for (int row = 0; row < height; ++row) {
        const uint8_t* line = static_cast<const uint8_t*>(bits) + row * stride;
        uint8_t* out = &image.rgb[static_cast<size_t>(row) * width * 3];
        for (int column = 0; column < width; ++column) {
            out[column * 3] = line[column * 3 + 2];
            out[column * 3 + 1] = line[column * 3 + 1];
            out[column * 3 + 2] = line[column * 3];
        }
    }
    ::SelectObject(memoryDc, oldBitmap);
    ::DeleteDC(memoryDc);
    ::DeleteObject(dib);
    return image;
}

RgbImage CaptureWindow(HWND hwnd)
{
    RECT bounds;
    if (!::GetWindowRect(hwnd, &bounds))
        return RgbImage();
    HDC windowDc = ::GetWindowDC(hwnd);
    RgbImage image = CaptureDcArea(windowDc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    ::ReleaseDC(hwnd, windowDc);
    return image;
}
