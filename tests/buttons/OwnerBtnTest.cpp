// COwnerBtn: the 240 stock faces in the library (looked up there first), the
// size rule of fixed-size creation, the image drawn in each state (pixels
// against the face bitmap) and the stretching of pull-down buttons.
#include <sstream>

#include "ButtonsHarness.h"
#include "afx/CBitmap.h"
#include "buttons/COwnerBtn.h"

namespace {

// The 80 stock faces, each as _UP, _DOWN and _MASK.
const char kFaces[] =
    "BALL BALLDEL BANBUN BAUTO BBUKKEN BBUMON BCALC BCALL BCANCEL BCHK BCLR BCOPY BDEL BDEN BDETAIL BDOCTOR "
    "BEDIT BEND BEXCEL BEXEC BFUDOUSAN BGENKA BGET BGRA1 BGRA2 BGRA3 BGRAPH BGROUP BGYOUDEL BGYOUINS BHCOPY "
    "BHELP BHIMOKU BHIRITU BHOJYO BIKKATU BIKUSEI BINITIAL BINS BJUMP BKAE BKAIJYO BKAMOKU BKENSAKU BKIHON "
    "BKIJUN BLIST BMARK BMEMO BMODE BMOTO BNEW BNEWDEN BNEWKU BNEXT BNEXTDAY BNOTE BOKIMARI BOUTPUT BPREV "
    "BPREVDAY BPRN BRENDO BREPLACE BSENTAKU BSETEI BSIBORI BSIWAKE BSIWAKE2 BSUM BSYUBETU BTINSYAKU BTOTAL "
    "BUKEIRE BUPRN BV3 BWCOPY BWRITE BZENNEN BZIREI";

// A stock face as LoadBitmap gives it from the library's module.
std::vector<COLORREF> FacePixels(const char* name)
{
    HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA("zr8wlib.dll"), name);
    std::vector<COLORREF> pixels = Pixels(nullptr, 46, 21, bitmap);
    ::DeleteObject(bitmap);
    return pixels;
}

class OwnerBtnTest : public HostTest {};

TEST_F(OwnerBtnTest, EveryFaceIsThereAtItsSizeAndShowsInItsStateStretchedOnPullDownButtons)
{
    COwnerBtn probe;
    HMODULE library = ::GetModuleHandleA("zr8wlib.dll");
    std::istringstream faces(kFaces);
    int count = 0;
    for (std::string face; faces >> face; ++count) {
        CSize size(face == "BNEXT" || face == "BPREV" ? 23 : 46, 21);
        for (const char* suffix : {"_UP", "_DOWN", "_MASK"}) {
            std::string name = face + suffix;
            SCOPED_TRACE(name);
            // In the library, in Japanese, 24 bits deep.
            HRSRC resource =
                ::FindResourceExA(library, RT_BITMAP, name.c_str(), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
            ASSERT_NE(resource, nullptr);
            auto* header = static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(library, resource)));
            EXPECT_EQ(header->biBitCount, 24);
            EXPECT_EQ(probe.GetBitmapSize(name.c_str()), size);
        }
    }
    EXPECT_EQ(count, 80);
    EXPECT_EQ(probe.GetBitmapSize("BNOSUCHFACE_UP"), CSize(0, 0));
    EXPECT_EQ(probe.GetBitmapSize(static_cast<short>(IDB_TEST_NORMAL)), CSize(46, 21));

    // width, height, face, result
    const std::tuple<int, int, std::string, int> cases[] = {{46, 21, "BALL", -1}, {47, 21, "BALL", 0},
                                                            {46, 22, "BALL", 0},  {46, 21, "BNONE", 0},
                                                            {23, 21, "BNEXT", -1}, {46, 21, "BNEXT", 0}};
    for (const auto& [width, height, face, result] : cases) {
        SCOPED_TRACE(face + std::to_string(width));
        COwnerBtn button;
        EXPECT_EQ(button.Create(WS_CHILD, CRect(10, 10, 10 + width, 10 + height), frame, 77,
                                (face + "_DOWN").c_str(), (face + "_UP").c_str(), (face + "_MASK").c_str()),
                  result);
        EXPECT_EQ(button.GetSafeHwnd() != nullptr, result != 0);
    }

    std::vector<COLORREF> up = FacePixels("BPRN_UP"), down = FacePixels("BPRN_DOWN"), mask = FacePixels("BPRN_MASK");
    ASSERT_NE(up, down);
    ASSERT_NE(up, mask);
    COwnerBtn three, four;
    ASSERT_EQ(three.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 56, 31), frame, 81, "BPRN_DOWN", "BPRN_UP",
                           "BPRN_MASK"), -1);
    // By ID from the host's module in the chain; its focus image is another face.
    ASSERT_EQ(four.Create(WS_CHILD | WS_VISIBLE, CRect(70, 10, 116, 31), frame, 82, IDB_TEST_PRESSED,
                          IDB_TEST_NORMAL, IDB_TEST_FOCUS, IDB_TEST_DISABLED), -1);
    HWND h3 = three.GetSafeHwnd(), h4 = four.GetSafeHwnd();
    Pump();
    EXPECT_EQ(Pixels(h4, 46, 21), up);
    three.SetState(TRUE);
    EXPECT_EQ(Pixels(h3, 46, 21), down);
    three.SetState(FALSE);
    EXPECT_EQ(Pixels(h3, 46, 21), up);
    three.EnableWindow(FALSE);
    EXPECT_EQ(Pixels(h3, 46, 21), mask);
    three.EnableWindow(TRUE);
    // Focus: a three-image set shows its normal face, a four-image set its focus face.
    HDC hdc = ::GetDC(h3);
    ::PatBlt(hdc, 0, 0, 46, 21, BLACKNESS);
    ::ReleaseDC(h3, hdc);
    three.SetFocus();
    Pump();
    EXPECT_EQ(Pixels(h3, 46, 21), up);
    four.SetFocus();
    Pump();
    EXPECT_EQ(Pixels(h4, 46, 21), FacePixels("BEND_UP"));

    // Pull-down: each face pixel drawn as two by two.
    up = FacePixels("BSUM_UP");
    COwnerBtn pullDown, missing;
    RECT rect = {10, 40, 102, 82}, other = {120, 40, 170, 70};
    ASSERT_EQ(pullDown.CreatePullDownButton(WS_CHILD | WS_VISIBLE, rect, frame, 83, "BSUM_DOWN", "BSUM_UP",
                                            "BSUM_MASK"), -1);
    std::vector<COLORREF> shown = Pixels(pullDown.GetSafeHwnd(), 92, 42);
    int mismatches = 0;
    for (int y = 0; y < 42; ++y)
        for (int x = 0; x < 92; ++x)
            mismatches += shown[static_cast<size_t>(y) * 92 + x] != up[static_cast<size_t>(y / 2) * 46 + x / 2];
    EXPECT_EQ(mismatches, 0);
    // A missing face still gives a button, with an empty image.
    EXPECT_EQ(missing.CreatePullDownButton(WS_CHILD | WS_VISIBLE, other, frame, 84, "BNONE_DOWN", "BNONE_UP",
                                           "BNONE_MASK"), -1);
    ASSERT_NE(missing.GetImage(COwnerBtn::ImageNormal), nullptr);
    EXPECT_EQ(missing.GetImage(COwnerBtn::ImageNormal)->GetSafeHandle(), nullptr);
}

} // namespace
