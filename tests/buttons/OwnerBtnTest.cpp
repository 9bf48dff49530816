// COwnerBtn: the 240 stock faces through the host's resource chain, the
// size rule of fixed-size creation, the image drawn in each state (pixels
// against the face bitmap) and the stretching of pull-down buttons.
#include <gtest/gtest.h>

#include <string>

#include "ButtonsHarness.h"
#include "ButtonsTestIds.h"
#include "afx/AfxModule.h"
#include "afx/CBitmap.h"
#include "buttons/COwnerBtn.h"

namespace {

const char* const kFaces[80] = {
    "BALL", "BALLDEL", "BANBUN", "BAUTO", "BBUKKEN", "BBUMON", "BCALC", "BCALL", "BCANCEL", "BCHK",
    "BCLR", "BCOPY", "BDEL", "BDEN", "BDETAIL", "BDOCTOR", "BEDIT", "BEND", "BEXCEL", "BEXEC",
    "BFUDOUSAN", "BGENKA", "BGET", "BGRA1", "BGRA2", "BGRA3", "BGRAPH", "BGROUP", "BGYOUDEL", "BGYOUINS",
    "BHCOPY", "BHELP", "BHIMOKU", "BHIRITU", "BHOJYO", "BIKKATU", "BIKUSEI", "BINITIAL", "BINS", "BJUMP",
    "BKAE", "BKAIJYO", "BKAMOKU", "BKENSAKU", "BKIHON", "BKIJUN", "BLIST", "BMARK", "BMEMO", "BMODE",
    "BMOTO", "BNEW", "BNEWDEN", "BNEWKU", "BNEXT", "BNEXTDAY", "BNOTE", "BOKIMARI", "BOUTPUT", "BPREV",
    "BPREVDAY", "BPRN", "BRENDO", "BREPLACE", "BSENTAKU", "BSETEI", "BSIBORI", "BSIWAKE", "BSIWAKE2", "BSUM",
    "BSYUBETU", "BTINSYAKU", "BTOTAL", "BUKEIRE", "BUPRN", "BV3", "BWCOPY", "BWRITE", "BZENNEN", "BZIREI"};

// A stock face as LoadBitmap gives it, from the library's module.
std::vector<COLORREF> FacePixels(const char* name, int width, int height)
{
    HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA("zr8wlib.dll"), name);
    std::vector<COLORREF> pixels = BitmapPixels(bitmap, width, height);
    ::DeleteObject(bitmap);
    return pixels;
}

TEST(OwnerBtnFaces, EveryFaceIsThereInThreeStatesWithItsSizeAndDepth)
{
    HMODULE library = ::GetModuleHandleA("zr8wlib.dll");
    COwnerBtn probe;
    for (const char* face : kFaces) {
        bool narrow = std::string(face) == "BNEXT" || std::string(face) == "BPREV";
        for (const char* suffix : {"_UP", "_DOWN", "_MASK"}) {
            std::string name = std::string(face) + suffix;
            SCOPED_TRACE(name);
            // Found through the host's chain, in the library, in Japanese.
            HINSTANCE found = AfxFindResourceHandle(name.c_str(), RT_BITMAP);
            ASSERT_EQ(found, library);
            HRSRC resource = ::FindResourceExA(found, RT_BITMAP, name.c_str(), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
            ASSERT_NE(resource, nullptr);
            auto* header = static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(found, resource)));
            ASSERT_NE(header, nullptr);
            EXPECT_EQ(header->biWidth, narrow ? 23 : 46);
            EXPECT_EQ(header->biHeight, 21);
            EXPECT_EQ(header->biBitCount, 24);
            EXPECT_EQ(probe.GetBitmapSize(name.c_str()), CSize(narrow ? 23 : 46, 21));
        }
    }
    EXPECT_EQ(probe.GetBitmapSize("BNOSUCHFACE_UP"), CSize(0, 0));
    EXPECT_EQ(probe.GetBitmapSize(nullptr), CSize(0, 0));
    EXPECT_EQ(probe.GetBitmapSize(static_cast<short>(IDB_TEST_NORMAL)), CSize(46, 21));
    EXPECT_EQ(probe.GetBitmapSize(static_cast<short>(4999)), CSize(0, 0));
}

class OwnerBtnTest : public ::testing::Test {
protected:
    void SetUp() override { MouseMove(host.hWnd, 390, 290); }
    FrameHolder host;
};

TEST_F(OwnerBtnTest, FixedSizeNeedsEveryImageExactlyTheButtonSize)
{
    struct Case {
        const char* name;
        CRect rect;
        const char* normal;
        int result;
    } cases[] = {
        {"46 x 21 face", CRect(10, 10, 56, 31), "BALL_UP", -1},
        {"one pixel wider", CRect(10, 10, 57, 31), "BALL_UP", 0},
        {"one pixel lower", CRect(10, 10, 56, 32), "BALL_UP", 0},
        {"no such face", CRect(10, 10, 56, 31), "BNONE_UP", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        COwnerBtn button;
        EXPECT_EQ(button.Create(WS_CHILD | WS_VISIBLE, c.rect, host.frame, 77, "BALL_DOWN", c.normal, "BALL_MASK"),
                  c.result);
        EXPECT_EQ(button.GetSafeHwnd() != nullptr, c.result != 0);
        EXPECT_EQ(::GetDlgItem(host.hWnd, 77) != nullptr, c.result != 0);
        if (c.result != 0) {
            EXPECT_EQ(button.GetStyle() & 0x0F, static_cast<DWORD>(BS_OWNERDRAW));
            EXPECT_EQ(button.GetImageSetKind(), COwnerBtn::ThreeByName);
            EXPECT_EQ(button.GetImage(COwnerBtn::ImageFocus), nullptr);
            char caption[8] = "x";
            button.GetWindowText(caption, sizeof caption);
            EXPECT_STREQ(caption, "");
        }
    }
    // The same rule by ID, for the narrow faces too.
    COwnerBtn byId, narrow, wideNarrow;
    EXPECT_EQ(byId.Create(WS_CHILD, CRect(0, 0, 46, 21), host.frame, 78, IDB_TEST_PRESSED, IDB_TEST_NORMAL,
                          IDB_TEST_FOCUS, IDB_TEST_DISABLED), -1);
    EXPECT_EQ(narrow.Create(WS_CHILD, CRect(0, 0, 23, 21), host.frame, 79, "BNEXT_DOWN", "BNEXT_UP", "BNEXT_MASK"), -1);
    EXPECT_EQ(wideNarrow.Create(WS_CHILD, CRect(0, 0, 46, 21), host.frame, 80, "BNEXT_DOWN", "BNEXT_UP", "BNEXT_MASK"), 0);
}

TEST_F(OwnerBtnTest, EachStateShowsItsImage)
{
    std::vector<COLORREF> up = FacePixels("BPRN_UP", 46, 21);
    std::vector<COLORREF> down = FacePixels("BPRN_DOWN", 46, 21);
    std::vector<COLORREF> mask = FacePixels("BPRN_MASK", 46, 21);
    std::vector<COLORREF> focus = FacePixels("BEND_UP", 46, 21);
    ASSERT_NE(up, down);
    ASSERT_NE(up, mask);

    COwnerBtn three, four;
    ASSERT_EQ(three.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 56, 31), host.frame, 81, "BPRN_DOWN", "BPRN_UP",
                           "BPRN_MASK"), -1);
    // By ID from the host's module in the chain; its focus image is another face.
    ASSERT_EQ(four.Create(WS_CHILD | WS_VISIBLE, CRect(70, 10, 116, 31), host.frame, 82, IDB_TEST_PRESSED,
                          IDB_TEST_NORMAL, IDB_TEST_FOCUS, IDB_TEST_DISABLED), -1);
    HWND h3 = three.GetSafeHwnd(), h4 = four.GetSafeHwnd();
    Pump();
    EXPECT_EQ(CaptureClient(h3, 46, 21), up);
    EXPECT_EQ(CaptureClient(h4, 46, 21), up);

    three.SetState(TRUE);
    EXPECT_EQ(CaptureClient(h3, 46, 21), down);
    three.SetState(FALSE);
    EXPECT_EQ(CaptureClient(h3, 46, 21), up);

    three.EnableWindow(FALSE);
    EXPECT_EQ(CaptureClient(h3, 46, 21), mask);
    three.EnableWindow(TRUE);

    // Focus: a three-image set shows its normal face, a four-image set its focus face.
    three.SetFocus();
    Pump();
    EXPECT_EQ(CaptureClient(h3, 46, 21), up);
    four.SetFocus();
    Pump();
    EXPECT_EQ(CaptureClient(h4, 46, 21), focus);
}

TEST_F(OwnerBtnTest, PullDownButtonsStretchTheirFaces)
{
    std::vector<COLORREF> up = FacePixels("BSUM_UP", 46, 21);
    COwnerBtn pullDown;
    RECT rect = {10, 40, 102, 82};
    ASSERT_EQ(pullDown.CreatePullDownButton(WS_CHILD | WS_VISIBLE, rect, host.frame, 83, "BSUM_DOWN", "BSUM_UP",
                                            "BSUM_MASK"), -1);
    std::vector<COLORREF> shown = CaptureClient(pullDown.GetSafeHwnd(), 92, 42);
    int mismatches = 0;
    for (int y = 0; y < 42; ++y)
        for (int x = 0; x < 92; ++x)
            mismatches += shown[static_cast<size_t>(y) * 92 + x] != up[static_cast<size_t>(y / 2) * 46 + x / 2];
    EXPECT_EQ(mismatches, 0);

    // A missing face still gives a button, with an empty image.
    COwnerBtn missing;
    RECT other = {120, 40, 170, 70};
    EXPECT_EQ(missing.CreatePullDownButton(WS_CHILD | WS_VISIBLE, other, host.frame, 84, "BNONE_DOWN", "BNONE_UP",
                                           "BNONE_MASK"), -1);
    ASSERT_NE(missing.GetImage(COwnerBtn::ImageNormal), nullptr);
    EXPECT_EQ(missing.GetImage(COwnerBtn::ImageNormal)->GetSafeHandle(), nullptr);
    Pump();
}

} // namespace
