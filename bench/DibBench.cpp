// CDIB against the system's loader, same file, same run: a 4000 × 3000
// 24-bit BMP loaded and drawn at (0, 0) into a 32-bit memory surface.
//   ours:     CDIB::LoadDIB + CDIB::DispDIB
//   baseline: LoadImageA (LR_LOADFROMFILE | LR_CREATEDIBSECTION) + BitBlt
// Run by hand under Wine: scripts/wine-run build/windows/bin/zr8_dib_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

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

// On a shared machine the load drifts over seconds: the headline figure
// alternates single runs of both sides and takes the median of each side and
// of the pairs' ratios.
template <typename Ours, typename System>
void PairedRuns(const char* name, int pairs, Ours&& ours, System&& system)
{
    ours();
    system();
    std::vector<double> oursTimes;
    std::vector<double> systemTimes;
    std::vector<double> ratios;
    for (int i = 0; i < pairs; ++i) {
        double start = WinBenchNow();
        ours();
        double middle = WinBenchNow();
        system();
        double end = WinBenchNow();
        oursTimes.push_back(middle - start);
        systemTimes.push_back(end - middle);
        ratios.push_back((middle - start) / (end - middle));
    }
    std::sort(oursTimes.begin(), oursTimes.end());
    std::sort(systemTimes.begin(), systemTimes.end());
    std::sort(ratios.begin(), ratios.end());
    std::printf("%s, %d alternating pairs\n", name, pairs);
    std::printf("  ours median %10.3f ms, system median %10.3f ms\n", oursTimes[pairs / 2] * 1e3,
                systemTimes[pairs / 2] * 1e3);
    std::printf("  time ratio ours/system: %.3f (median of the pairs' ratios %.3f)\n",
                oursTimes[pairs / 2] / systemTimes[pairs / 2], ratios[pairs / 2]);
}

} // namespace

int main()
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "zr8_dib_bench.bmp";
    BmpFile bmp;
    bmp.width = kWidth;
    bmp.height = kHeight;
    bmp.bitCount = 24;
    bmp.pixel = [](int x, int y) { return static_cast<uint32_t>((x & 0xFF) << 16 | (y & 0xFF) << 8 | ((x ^ y) & 0xFF)); };
    if (!WriteFile(path, MakeBmp(bmp))) {
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

    PairedRuns("load and draw 4000x3000 24-bit", 31,
               [&] {
                   CDIB dib;
                   dib.LoadDIB(&path[0], nullptr);
                   dib.DispDIB(target, 0, 0);
                   ::GdiFlush();
               },
               [&] {
                   HBITMAP loaded = static_cast<HBITMAP>(::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, flags));
                   SystemDraw(target, loaded);
                   ::GdiFlush();
                   ::DeleteObject(loaded);
               });

    ::DeleteObject(image);
    ::SelectObject(target, oldSurface);
    ::DeleteObject(surface);
    ::DeleteDC(target);
    ::DeleteFileA(path.c_str());
    return 0;
}
