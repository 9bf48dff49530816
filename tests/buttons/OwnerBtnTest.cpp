// COwnerBtn: the 240 stock faces in the library (looked up there first), the
// size rule of fixed-size creation, the face drawn in each state and the
// stretching of pull-down buttons.
#include "ButtonsHarness.h"
#include "afx/CBitmap.h"
#include "buttons/COwnerBtn.h"

namespace {

// Each bitmap of the library is a stock face at its size: BNEXT and BPREV
// 23 x 21, the others 46 x 21.
BOOL CALLBACK CheckFace(HMODULE, LPCSTR, LPSTR name, LONG_PTR count)
{
    std::string face = name;
    bool narrow = face.rfind("BNEXT_", 0) == 0 || face.rfind("BPREV_", 0) == 0;
    EXPECT_EQ(COwnerBtn().GetBitmapSize(name), CSize(narrow ? 23 : 46, 21)) << face;
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

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
    int faces = 0;
    ::EnumResourceNamesA(::GetModuleHandleA("zr8wlib.dll"), RT_BITMAP, CheckFace, reinterpret_cast<LONG_PTR>(&faces));
    EXPECT_EQ(faces, 240);

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
    ASSERT_TRUE(up != down && up != mask);
    COwnerBtn three;
    ASSERT_EQ(three.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 56, 31), frame, 81, "BPRN_DOWN", "BPRN_UP",
                           "BPRN_MASK"), -1);
    HWND h3 = three.GetSafeHwnd();
    Pump();
    three.SetState(TRUE);
    EXPECT_EQ(Pixels(h3, 46, 21), down);
    three.SetState(FALSE);
    three.EnableWindow(FALSE);
    EXPECT_EQ(Pixels(h3, 46, 21), mask);
    three.EnableWindow(TRUE);
    // Focus: a three-image set shows its normal face.
    HDC hdc = ::GetDC(h3);
    ::PatBlt(hdc, 0, 0, 46, 21, BLACKNESS);
    ::ReleaseDC(h3, hdc);
    three.SetFocus();
    Pump();
    EXPECT_EQ(Pixels(h3, 46, 21), up);

    // Pull-down: each face pixel drawn as two by two.
    up = FacePixels("BSUM_UP");
    std::vector<COLORREF> stretched;
    for (size_t i = 0; i < 92 * 42; ++i)
        stretched.push_back(up[i / 92 / 2 * 46 + i % 92 / 2]);
    COwnerBtn pullDown;
    ASSERT_EQ(pullDown.CreatePullDownButton(WS_CHILD | WS_VISIBLE, {10, 40, 102, 82}, frame, 83, "BSUM_DOWN",
                                            "BSUM_UP", "BSUM_MASK"), -1);
    EXPECT_TRUE(Pixels(pullDown.GetSafeHwnd(), 92, 42) == stretched);
}

} // namespace
