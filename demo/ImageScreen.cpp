// BMP files loaded and drawn by CDIB: generated 24-, 8- and 1-bit images in
// a window, and the code each kind of bad file gets.
#include <cstdio>
#include <string>

#include "../tests/progress/BmpBuilder.h"
#include "DemoScreen.h"
#include "ScreenCapture.h"

namespace {

const char kImageClass[] = "Zr8DemoImage";

struct ShownImage {
    CDIB* dib;
    int x;
    int y;
    const char* label;
};

struct ImageWindow {
    std::vector<ShownImage> images;
    HFONT font;
};

LRESULT CALLBACK ImageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<ImageWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(hwnd, &paint);
        HGDIOBJ oldFont = ::SelectObject(dc, state->font);
        ::SetBkMode(dc, TRANSPARENT);
        for (const ShownImage& image : state->images) {
            image.dib->DispDIB(dc, static_cast<short>(image.x), static_cast<short>(image.y));
            ::TextOutA(dc, image.x, image.y + image.dib->GetDIBHeight() + 6, image.label, lstrlenA(image.label));
        }
        ::SelectObject(dc, oldFont);
        ::EndPaint(hwnd, &paint);
        return 0;
    }
    default:
        break;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

// A field at dusk: sky gradient, sun, furrows.
uint32_t FieldPixel(int x, int y)
{
    const int horizon = 120;
    int dx = x - 330;
    int dy = y - 80;
    if (dx * dx + dy * dy < 30 * 30)
        return 0xFFD040;
    if (y < horizon) {
        int t = y * 255 / horizon;
        return static_cast<uint32_t>((90 + t * 150 / 255) << 16 | (140 + t * 60 / 255) << 8 | (230 - t * 90 / 255));
    }
    bool furrow = ((x + (y - horizon) * 3) / 14) % 2 == 0;
    int shade = 60 + (y - horizon) * 3 / 4;  // 60 ... 135
    return furrow ? static_cast<uint32_t>(shade / 2 + 40) << 16 | static_cast<uint32_t>(shade + 40) << 8 | 30u
                  : static_cast<uint32_t>(shade / 2 + 70) << 16 | static_cast<uint32_t>(shade / 2 + 50) << 8 | 25u;
}

std::string WriteTemp(const std::string& folder, const char* name, const std::string& bytes)
{
    std::string path = folder + name;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out != nullptr) {
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
    return path;
}

short Load(CDIB& dib, const std::string& path, short* bitCount)
{
    std::string name = path;
    return dib.LoadDIB(&name[0], bitCount);
}

} // namespace

DemoScreen RunImageScreen(const std::string& outFolder, bool* ok)
{
    DemoScreen screen;
    screen.name = "10-image-2-codes";
    screen.title = "zr8WLIB デモ - BMP 画像 (CDIB) の読み込み結果";
    screen.description = "正しい BMP と、壊れた BMP の種類ごとに LoadDIB が返すコード";
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "zr8demo-bmp\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);

    BmpFile field;
    field.width = 420;
    field.height = 220;
    field.pixel = FieldPixel;
    BmpFile ramp;
    ramp.bitCount = 8;
    ramp.width = 160;
    ramp.height = 160;
    for (int i = 0; i < 256; ++i)
        ramp.colours.push_back(static_cast<uint32_t>(i << 16 | (255 - i) << 8 | (i * 3 % 256)));
    ramp.pixel = [](int x, int y) { return static_cast<uint32_t>((x + y) * 255 / 318); };
    BmpFile mono;
    mono.bitCount = 1;
    mono.width = 160;
    mono.height = 160;
    mono.colours = {0x1E3C78, 0xF0E6C8};
    mono.pixel = [](int x, int y) { return static_cast<uint32_t>(((x / 20) + (y / 20)) % 2); };

    CDIB images[3];
    const struct {
        const char* file;
        BmpFile bmp;
        const char* label;
    } good[] = {{"field24.bmp", field, "24 ビット・パレットなし"},
                {"ramp8.bmp", ramp, "8 ビット・256 色"},
                {"check1.bmp", mono, "1 ビット・2 色"}};
    ImageWindow state = {{}, nullptr};
    int x = 16;
    CString line;
    for (int i = 0; i < 3; ++i) {
        short bits = 0;
        short result = Load(images[i], WriteTemp(folder, good[i].file, MakeBmp(good[i].bmp)), &bits);
        line.Format("%-12s LoadDIB = %d  幅 %d 高さ %d  %d ビット", good[i].file, result, images[i].GetDIBWidth(),
                    images[i].GetDIBHeight(), bits);
        screen.lines.push_back(line);
        *ok = *ok && result == 0;
        state.images.push_back({&images[i], x, 16, good[i].label});
        x += images[i].GetDIBWidth() + 32;
    }

    std::string sample = MakeBmp(ramp);
    BmpFile rle = ramp;
    rle.compression = 1;
    BmpFile wide = field;
    wide.width = 32001;
    wide.height = 1;
    wide.extraBytes = -96000;
    const struct {
        const char* what;
        std::string bytes;
        short expected;
    } bad[] = {{"ファイルがない", "", -30},
               {"14 バイトしかない", sample.substr(0, 14), -31},
               {"先頭が BM でない", "MB" + sample.substr(2), -31},
               {"画素データが途中で切れている", sample.substr(0, sample.size() - 500), -44},
               {"RLE 圧縮", MakeBmp(rle), -43},
               {"幅 32001", MakeBmp(wide), -40}};
    for (const auto& entry : bad) {
        std::string path = entry.bytes.empty() ? folder + "none.bmp" : WriteTemp(folder, "bad.bmp", entry.bytes);
        CDIB dib;
        short result = Load(dib, path, nullptr);
        line.Format("%-28s LoadDIB = %d", entry.what, result);
        screen.lines.push_back(line);
        *ok = *ok && result == entry.expected;
        ::DeleteFileA(path.c_str());
    }
    for (const auto& entry : good)
        ::DeleteFileA((folder + entry.file).c_str());
    ::RemoveDirectoryA(folder.c_str());

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ImageProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kImageClass;
    ::RegisterClassA(&windowClass);
    state.font = ::CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "ＭＳ ゴシック");
    RECT frame = {0, 0, x, 16 + 220 + 40};
    ::AdjustWindowRect(&frame, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE);
    HWND hwnd = ::CreateWindowExA(0, kImageClass, "zr8WLIB デモ - BMP 画像 (CDIB)",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 40, 40, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, ::GetModuleHandleA(nullptr), &state);
    if (hwnd != nullptr) {
        ::ShowWindow(hwnd, SW_SHOWNORMAL);
        ::UpdateWindow(hwnd);
        *ok = SaveWindowPng(hwnd, outFolder, "10-image-1-bmp") && *ok;
        ::DestroyWindow(hwnd);
    } else {
        *ok = false;
    }
    ::DeleteObject(state.font);
    screen.shots.push_back({"10-image-1-bmp", "zr8WLIB デモ - BMP 画像 (CDIB)",
                            "生成した 24・8・1 ビットの BMP を LoadDIB で読み、DispDIB で等倍に描いたところ"});
    return screen;
}
