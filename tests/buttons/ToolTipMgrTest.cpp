// ClUtyToolTipMgr on a host window's controls: registration from the
// table, the statics' subclass and notify style, the tooltip's timing, the
// relay and re-show on a click, and picture statics from the host's bitmap
// resource or from two picture files.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "ButtonsHarness.h"
#include "ButtonsTestIds.h"
#include "afx/CBitmap.h"
#include "buttons/ClUtyToolTipMgr.h"
#include "support/TempFolder.h"

namespace {

// Records what the tooltip control is told.
std::vector<UINT>* g_tipMessages = nullptr;
WNDPROC g_tipProc = nullptr;

LRESULT CALLBACK SpyTipProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (g_tipMessages != nullptr && (message == TTM_ACTIVATE || message == TTM_UPDATE || message == TTM_RELAYEVENT)) {
        g_tipMessages->push_back(message);
        if (message == TTM_RELAYEVENT && lParam != 0)
            g_tipMessages->push_back(reinterpret_cast<MSG*>(lParam)->message);
    }
    return ::CallWindowProcA(g_tipProc, hWnd, message, wParam, lParam);
}

// A 24-bit BMP of two halves: left colour, right colour.
void WriteBmp(const std::string& path, int width, int height, COLORREF left, COLORREF right)
{
    int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            COLORREF c = x < width / 2 ? left : right;
            BYTE* p = &pixels[static_cast<size_t>(y) * stride + x * 3];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
}

class ToolTipMgrTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MouseMove(host.hWnd, 390, 290);
        edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 100, 20, host.hWnd,
                                 reinterpret_cast<HMENU>(IDC_TIP_EDIT), nullptr, nullptr);
        text = ::CreateWindowExA(0, "STATIC", "label", WS_CHILD | WS_VISIBLE, 10, 40, 100, 20, host.hWnd,
                                 reinterpret_cast<HMENU>(IDC_TIP_TEXT), nullptr, nullptr);
        picture = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 100, 50, 10, host.hWnd,
                                    reinterpret_cast<HMENU>(IDC_TIP_PICTURE), nullptr, nullptr);
    }
    CRect RectInParent(HWND hWnd)
    {
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        ::MapWindowPoints(nullptr, host.hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    FrameHolder host;
    HWND edit = nullptr, text = nullptr, picture = nullptr;
    char editTip[16] = "入力欄", textTip[16] = "見出し", pictureTip[16] = "絵";
    TOOLTIPMSG_TABLE table[4] = {
        {IDC_TIP_EDIT, editTip, 0},
        {IDC_TIP_MISSING, editTip, 0},  // no such control: skipped
        {IDC_TIP_TEXT, textTip, 0},
        {IDC_TIP_PICTURE, pictureTip, 1},
    };
};

TEST_F(ToolTipMgrTest, RegistersTheTableAndSubclassesTheStatics)
{
    LONG editStyle = ::GetWindowLongA(edit, GWL_STYLE);
    {
        ClUtyToolTipMgr manager;
        ASSERT_EQ(manager.Init(host.frame, table, 4), 1);
        CToolTipCtrl* tip = manager.GetToolTipCtrl();
        ASSERT_NE(tip->GetSafeHwnd(), nullptr);
        EXPECT_EQ(tip->GetStyle() & (TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON),
                  static_cast<DWORD>(TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON));
        EXPECT_EQ(tip->GetToolCount(), 3);
        for (HWND control : {edit, text, picture}) {
            TOOLINFOA info = {};
            info.cbSize = TTTOOLINFOA_V2_SIZE;
            info.hwnd = control;
            info.uId = reinterpret_cast<UINT_PTR>(control);
            char buffer[80] = "";
            info.lpszText = buffer;
            ASSERT_TRUE(tip->SendMessage(TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
            EXPECT_EQ(info.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS));
            tip->SendMessage(TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&info));
            EXPECT_STREQ(buffer, control == edit ? editTip : control == text ? textTip : pictureTip);
        }
        EXPECT_EQ(tip->GetMaxTipWidth(), 800);
        EXPECT_EQ(tip->GetDelayTime(TTDT_INITIAL), 500);
        EXPECT_EQ(tip->GetDelayTime(TTDT_AUTOPOP), 30000);

        EXPECT_EQ(manager.GetStaticCount(), 2);
        EXPECT_NE(::GetWindowLongA(text, GWL_STYLE) & SS_NOTIFY, 0);
        EXPECT_NE(::GetWindowLongA(picture, GWL_STYLE) & SS_NOTIFY, 0);
        EXPECT_EQ(::GetWindowLongA(edit, GWL_STYLE), editStyle);
        EXPECT_NE(CWnd::FromHandlePermanent(text), nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);

        // A click on the text static: relayed, and the tip shown again.
        std::vector<UINT> told;
        g_tipMessages = &told;
        g_tipProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(tip->GetSafeHwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpyTipProc)));
        MouseMove(text, 5, 5);
        MouseDown(text, 5, 5);
        MouseUp(text, 5, 5);
        PumpFor(50);
        ::SetWindowLongPtrA(tip->GetSafeHwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_tipProc));
        g_tipMessages = nullptr;
        auto at = [&](UINT message) {
            for (size_t i = 0; i < told.size(); ++i)
                if (told[i] == message)
                    return static_cast<int>(i);
            return -1;
        };
        EXPECT_GE(at(WM_LBUTTONDOWN), 0);
        EXPECT_GE(at(WM_LBUTTONUP), 0);
        ASSERT_GE(at(TTM_UPDATE), 0);
        // The static notifies the click as the button goes down.
        EXPECT_GT(at(TTM_UPDATE), at(WM_LBUTTONDOWN));
        EXPECT_EQ(told[static_cast<size_t>(at(TTM_UPDATE)) - 1], static_cast<UINT>(TTM_ACTIVATE));
    }
    // The manager gave the statics back.
    EXPECT_EQ(CWnd::FromHandlePermanent(text), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(picture), nullptr);
}

TEST_F(ToolTipMgrTest, PictureStaticShowsTheHostBitmapAtItsSize)
{
    ClUtyToolTipMgr manager;
    ASSERT_EQ(manager.Init(host.frame, table, 4), 1);
    ASSERT_NE(manager.GetMaskBitmap(), nullptr);
    EXPECT_EQ(manager.GetImageBitmap(), nullptr);
    // (10,100)-(60,110), H 10, with a 46 x 21 bitmap: top 100 - (10 - 5), right 10 + 46, bottom 110 + 11.
    EXPECT_EQ(RectInParent(picture), CRect(10, 95, 56, 121));
    std::vector<COLORREF> shown = CaptureClient(picture, 46, 21);
    HBITMAP face = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TOOLTIP_PICTURE));
    EXPECT_EQ(shown, BitmapPixels(face, 46, 21));
    ::DeleteObject(face);
}

TEST_F(ToolTipMgrTest, PictureFilesDrawTheImageThroughTheMask)
{
    TempFolder folder;
    std::string mask = folder.Path().string() + "\\mask.bmp", image = folder.Path().string() + "\\image.bmp";
    // Left half: white mask, black image (the background stays); right half:
    // black mask, red image (red).
    WriteBmp(mask, 20, 8, RGB(255, 255, 255), RGB(0, 0, 0));
    WriteBmp(image, 20, 8, RGB(0, 0, 0), RGB(255, 0, 0));
    {
        ClUtyToolTipMgr manager;
        ASSERT_EQ(manager.Init(host.frame, table, 4, &mask[0], &image[0]), 1);
        ASSERT_NE(manager.GetMaskBitmap(), nullptr);
        ASSERT_NE(manager.GetImageBitmap(), nullptr);
        COLORREF background = PixelAt(host.hWnd, 200, 200);
        ::InvalidateRect(picture, nullptr, TRUE);
        std::vector<COLORREF> shown = CaptureClient(picture, 20, 8);
        EXPECT_EQ(shown[3 * 20 + 2], background);
        EXPECT_EQ(shown[3 * 20 + 15], RGB(255, 0, 0));
    }
    {
        // A mask that does not load: the picture static shrinks to nothing.
        std::string none = folder.Path().string() + "\\none.bmp";
        ClUtyToolTipMgr manager;
        EXPECT_EQ(manager.Init(host.frame, table, 4, &none[0], &image[0]), 1);
        EXPECT_EQ(manager.GetMaskBitmap(), nullptr);
        CRect rect = RectInParent(picture);
        EXPECT_EQ(rect.Width(), 0);
        EXPECT_EQ(rect.Height(), 0);
    }
}

} // namespace
