#include "WindowImage.h"

RgbImage CaptureDcArea(HDC source, int x, int y, int width, int height)
{
    RgbImage image;
    if (width <= 0 || height <= 0)
        return image;
    BITMAPINFO info = {{sizeof info.bmiHeader, width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0}, {}};  // top row first
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
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t(3);
    for (int row = 0; row < height; ++row) {
        const uint8_t* line = static_cast<const uint8_t*>(bits) + row * stride;
        for (int column = 0; column < width; ++column)  // the DIB holds blue first
            image.rgb.insert(image.rgb.end(), {line[3 * column + 2], line[3 * column + 1], line[3 * column]});
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

RgbImage CaptureClient(HWND hwnd, int width, int height)
{
    RECT client = {};
    ::GetClientRect(hwnd, &client);
    HDC dc = ::GetDC(hwnd);
    RgbImage image = CaptureDcArea(dc, 0, 0, width >= 0 ? width : client.right, height >= 0 ? height : client.bottom);
    ::ReleaseDC(hwnd, dc);
    return image;
}
