// ClUtyToolTipMgr on a host window's controls: registration from the
// table, the statics' subclass and notify style, the tooltip's timing, the
// relay and re-show on a click, and picture statics from the host's bitmap
// resource or from two picture files.
#include "ButtonsHarness.h"
#include "afx/CBitmap.h"
#include "buttons/ClUtyToolTipMgr.h"
#include "progress/BmpBuilder.h"
#include "support/TempFolder.h"

namespace {

// Records what the tooltip control is told while the spy is in place.
std::vector<UINT> g_told;
WNDPROC g_tipProc = nullptr;

LRESULT CALLBACK SpyTipProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == TTM_ACTIVATE || message == TTM_UPDATE || message == TTM_RELAYEVENT)
        g_told.push_back(message);
    if (message == TTM_RELAYEVENT && lParam != 0)
        g_told.push_back(reinterpret_cast<MSG*>(lParam)->message);
    return ::CallWindowProcA(g_tipProc, hWnd, message, wParam, lParam);
}

// A 20 x 8 BMP file of two halves: left colour, right colour (0xRRGGBB).
void WriteBmp(const std::string& path, uint32_t left, uint32_t right)
{
    BmpFile bmp(24, 20, 8);
    bmp.pixel = [=](int x, int) { return x < 10 ? left : right; };
    WriteBytes(path, MakeBmp(bmp));
}

class ToolTipMgrTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 100, 20, host,
                                 reinterpret_cast<HMENU>(IDC_TIP_EDIT), nullptr, nullptr);
        text = ::CreateWindowExA(0, "STATIC", "label", WS_CHILD | WS_VISIBLE, 10, 40, 100, 20, host,
                                 reinterpret_cast<HMENU>(IDC_TIP_TEXT), nullptr, nullptr);
        picture = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 100, 50, 10, host,
                                    reinterpret_cast<HMENU>(IDC_TIP_PICTURE), nullptr, nullptr);
    }
    CRect PictureRect()
    {
        CRect rect;
        ::GetWindowRect(picture, &rect);
        ::MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    HWND edit = nullptr, text = nullptr, picture = nullptr;
    char editTip[16] = "入力欄", textTip[16] = "見出し", pictureTip[16] = "絵";
    TOOLTIPMSG_TABLE table[4] = {
        {IDC_TIP_EDIT, editTip, 0},
        {IDC_TIP_MISSING, editTip, 0},  // no such control: skipped
        {IDC_TIP_TEXT, textTip, 0},
        {IDC_TIP_PICTURE, pictureTip, 1},
    };
};

TEST_F(ToolTipMgrTest, RegistersTheTableSubclassesTheStaticsAndShowsThePicture)
{
    LONG editStyle = ::GetWindowLongA(edit, GWL_STYLE);
    {
        ClUtyToolTipMgr manager;
        ASSERT_EQ(manager.Init(frame, table, 4), 1);
        CToolTipCtrl* tip = manager.GetToolTipCtrl();
        ASSERT_NE(tip->GetSafeHwnd(), nullptr);
        EXPECT_EQ(tip->GetStyle() & 0x43, 0x43u);  // always tip, no prefix, balloon
        EXPECT_EQ(tip->GetToolCount(), 3);
        for (int i : {0, 2, 3}) {
            HWND control = ::GetDlgItem(host, table[i].id);
            char buffer[80] = "";
            TOOLINFOA info = {TTTOOLINFOA_V2_SIZE, 0, control, reinterpret_cast<UINT_PTR>(control), {}, 0, buffer, 0,
                              nullptr};
            ASSERT_TRUE(tip->SendMessage(TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
            EXPECT_EQ(info.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS));
            tip->SendMessage(TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&info));
            EXPECT_STREQ(buffer, table[i].text);
        }
        EXPECT_EQ(tip->GetMaxTipWidth(), 800);
        EXPECT_EQ(tip->GetDelayTime(TTDT_INITIAL), 500);
        EXPECT_EQ(tip->GetDelayTime(TTDT_AUTOPOP), 30000);

        EXPECT_EQ(manager.GetStaticCount(), 2);
        for (HWND control : {text, picture}) {
            EXPECT_NE(::GetWindowLongA(control, GWL_STYLE) & SS_NOTIFY, 0);
            EXPECT_NE(CWnd::FromHandlePermanent(control), nullptr);
        }
        EXPECT_EQ(::GetWindowLongA(edit, GWL_STYLE), editStyle);
        EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);

        // A click on the text static: relayed, and the tip shown again.
        g_tipProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(tip->GetSafeHwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpyTipProc)));
        MouseMove(text, 5, 5);
        MouseDown(text, 5, 5);
        MouseUp(text, 5, 5);
        PumpFor(50);
        ::SetWindowLongPtrA(tip->GetSafeHwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_tipProc));
        auto at = [&](UINT message) { return std::find(g_told.begin(), g_told.end(), message) - g_told.begin(); };
        EXPECT_LT(at(WM_LBUTTONUP), static_cast<ptrdiff_t>(g_told.size()));
        ASSERT_LT(at(TTM_UPDATE), static_cast<ptrdiff_t>(g_told.size()));
        // The static notifies the click as the button goes down.
        EXPECT_GT(at(TTM_UPDATE), at(WM_LBUTTONDOWN));
        EXPECT_EQ(g_told[at(TTM_UPDATE) - 1], static_cast<UINT>(TTM_ACTIVATE));

        // The picture static: the host's bitmap at its size.
        ASSERT_NE(manager.GetMaskBitmap(), nullptr);
        EXPECT_EQ(manager.GetImageBitmap(), nullptr);
        // (10,100)-(60,110), H 10, with a 46 x 21 bitmap: top 100 - (10 - 5), right 10 + 46, bottom 110 + 11.
        EXPECT_EQ(PictureRect(), CRect(10, 95, 56, 121));
        HBITMAP face = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TOOLTIP_PICTURE));
        EXPECT_EQ(Pixels(picture, 46, 21), Pixels(nullptr, 46, 21, face));
        ::DeleteObject(face);
    }
    // The manager gave the statics back.
    EXPECT_EQ(CWnd::FromHandlePermanent(text), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(picture), nullptr);
}

TEST_F(ToolTipMgrTest, PictureFilesDrawTheImageThroughTheMask)
{
    TempFolder folder;
    std::string mask = folder.Path().string() + "\\mask.bmp", image = folder.Path().string() + "\\image.bmp";
    // Left half: white mask, black image (the background stays); right half:
    // black mask, red image (red).
    WriteBmp(mask, 0xFFFFFF, 0);
    WriteBmp(image, 0, 0xFF0000);
    {
        ClUtyToolTipMgr manager;
        ASSERT_EQ(manager.Init(frame, table, 4, &mask[0], &image[0]), 1);
        ASSERT_NE(manager.GetMaskBitmap(), nullptr);
        ASSERT_NE(manager.GetImageBitmap(), nullptr);
        COLORREF background = PixelAt(host, 200, 200);
        ::InvalidateRect(picture, nullptr, TRUE);
        std::vector<COLORREF> shown = Pixels(picture, 20, 8);
        EXPECT_EQ(shown[3 * 20 + 2], background);
        EXPECT_EQ(shown[3 * 20 + 15], RGB(255, 0, 0));
    }
    {
        // A mask that does not load: the picture static shrinks to nothing.
        std::string none = folder.Path().string() + "\\none.bmp";
        ClUtyToolTipMgr manager;
        EXPECT_EQ(manager.Init(frame, table, 4, &none[0], &image[0]), 1);
        EXPECT_EQ(manager.GetMaskBitmap(), nullptr);
        EXPECT_TRUE(PictureRect().IsRectEmpty());
    }
}

} // namespace
