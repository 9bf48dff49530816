// CDIB against the system's loader, same file, same run: a 4000 × 3000
// 24-bit BMP loaded and drawn at (0, 0) into a 32-bit memory surface.
//   ours:     CDIB::LoadDIB + CDIB::DispDIB
//   baseline: LoadImageA (LR_LOADFROMFILE | LR_CREATEDIBSECTION) + BitBlt
// Run by hand under Wine: scripts/wine-run build/windows/bin/zr8_dib_bench.exe
#include <windows.h>

#include <cstdio>
#include <string>

#include "../tests/progress/BmpBuilder.h"
#include "support/WinBench.h"
#include "zr8wlib.h"

namespace {

const int kWidth = 4000;
const int kHeight = 3000;

bool WriteFile(const std::string& path, const std::string& bytes)
{
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

void SystemDraw(HDC target, HBITMAP image)
{
    HDC source = ::CreateCompatibleDC(target);
    HGDIOBJ old = ::SelectObject(source, image);
    ::BitBlt(target, 0, 0, kWidth, kHeight, source, 0, 0, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

} // namespace

int main()
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "zr8_dib_bench.bmp";
    BmpSpec spec;
    spec.width = kWidth;
    spec.height = kHeight;
    spec.bitCount = 24;
    spec.pixel = [](int x, int y) { return static_cast<uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | ((x ^ y) & 0xFF)); };
    if (!WriteFile(path, MakeBmp(spec))) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC target = ::CreateCompatibleDC(nullptr);
    HBITMAP surface = ::CreateDIBSection(target, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldSurface = ::SelectObject(target, surface);
    const UINT flags = LR_LOADFROMFILE | LR_CREATEDIBSECTION;

    // Both must draw the same picture before they are timed.
    CDIB check;
    if (check.LoadDIB(&path[0], nullptr) != 0) {
        std::fprintf(stderr, "CDIB cannot load the file\n");
        return 1;
    }
    check.DispDIB(target, 0, 0);
    ::GdiFlush();
    uint32_t oursCorner = static_cast<uint32_t*>(bits)[kWidth * 7 + 300];
    HBITMAP image = static_cast<HBITMAP>(::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, flags));
    SystemDraw(target, image);
    ::GdiFlush();
    uint32_t systemCorner = static_cast<uint32_t*>(bits)[kWidth * 7 + 300];
    std::printf("pixel (300, 7): ours %06X, system %06X%s\n", oursCorner & 0xFFFFFF, systemCorner & 0xFFFFFF,
                (oursCorner & 0xFFFFFF) == (systemCorner & 0xFFFFFF) ? "" : "  MISMATCH");

    WinBenchResult oursLoad = WinBenchRun([&] {
        CDIB dib;
        dib.LoadDIB(&path[0], nullptr);
    }, 9);
    WinBenchResult systemLoad = WinBenchRun([&] {
        ::DeleteObject(::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, flags));
    }, 9);
    WinBenchPrint("load 4000x3000 24-bit", oursLoad, systemLoad);

    WinBenchResult oursDraw = WinBenchRun([&] { check.DispDIB(target, 0, 0); ::GdiFlush(); }, 9);
    WinBenchResult systemDraw = WinBenchRun([&] { SystemDraw(target, image); ::GdiFlush(); }, 9);
    WinBenchPrint("draw 4000x3000 24-bit", oursDraw, systemDraw);

    WinBenchResult oursBoth = WinBenchRun([&] {
        CDIB dib;
        dib.LoadDIB(&path[0], nullptr);
        dib.DispDIB(target, 0, 0);
        ::GdiFlush();
    }, 9);
    WinBenchResult systemBoth = WinBenchRun([&] {
        HBITMAP loaded = static_cast<HBITMAP>(::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, flags));
        SystemDraw(target, loaded);
        ::GdiFlush();
        ::DeleteObject(loaded);
    }, 9);
    WinBenchPrint("load and draw 4000x3000 24-bit", oursBoth, systemBoth);

    ::DeleteObject(image);
    ::SelectObject(target, oldSurface);
    ::DeleteObject(surface);
    ::DeleteDC(target);
    ::DeleteFileA(path.c_str());
    return 0;
}
