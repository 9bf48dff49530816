// COwnerBtn: the 240 stock faces in the library (looked up there first), the
// size rule of fixed-size creation, the face drawn in each state and the
// stretching of pull-down buttons, against a reference image.
#include "ButtonsHarness.h"
#include "afx/CClientDC.h"
#include "buttons/COwnerBtn.h"

namespace {

// Each bitmap of the library is a stock face at its size: BNEXT and BPREV
// 23 x 21, the others 46 x 21.
BOOL CALLBACK CheckFace(HMODULE, LPCSTR, LPSTR name, LONG_PTR count)
{
    bool narrow = std::string(name).rfind("BNEXT_", 0) == 0 || std::string(name).rfind("BPREV_", 0) == 0;
    EXPECT_EQ(COwnerBtn().GetBitmapSize(name), CSize(narrow ? 23 : 46, 21)) << name;
    ++*reinterpret_cast<int*>(count);
    return TRUE;
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
        int made = button.Create(WS_CHILD, CRect(10, 10, 10 + width, 10 + height), frame, 77, (face + "_DOWN").c_str(),
                                 (face + "_UP").c_str(), (face + "_MASK").c_str());
        EXPECT_EQ(std::make_pair(made, button.GetSafeHwnd() != nullptr), std::make_pair(result, result != 0));
    }

    // Pressed and disabled faces; the focus face of a four-image set, the normal face of a
    // three-image set drawn again on the focus; a narrow face; a pull-down face stretched to 92 x 42.
    const long style = WS_CHILD | WS_VISIBLE;
    COwnerBtn pressed, disabled, focus, three, narrow, pullDown;
    ASSERT_EQ(pressed.Create(style, CRect(60, 10, 106, 31), frame, 82, "BPRN_DOWN", "BPRN_UP", "BPRN_MASK"), -1);
    ASSERT_EQ(disabled.Create(style, CRect(110, 10, 156, 31), frame, 83, "BPRN_DOWN", "BPRN_UP", "BPRN_MASK"), -1);
    ASSERT_EQ(focus.Create(style, CRect(160, 10, 206, 31), frame, 84, "BALL_DOWN", "BALL_UP", "BEND_UP", "BALL_MASK"),
              -1);
    ASSERT_EQ(three.Create(style, CRect(210, 10, 256, 31), frame, 85, "BDEL_DOWN", "BDEL_UP", "BDEL_MASK"), -1);
    ASSERT_EQ(narrow.Create(style, CRect(260, 10, 283, 31), frame, 86, "BNEXT_DOWN", "BNEXT_UP", "BNEXT_MASK"), -1);
    ASSERT_EQ(pullDown.CreatePullDownButton(style, {10, 40, 102, 82}, frame, 87, "BSUM_DOWN", "BSUM_UP", "BSUM_MASK"),
              -1);
    Pump();
    pressed.SetState(TRUE);
    disabled.EnableWindow(FALSE);
    CClientDC(&three).PatBlt(0, 0, 46, 21, BLACKNESS);
    three.SetFocus();
    focus.SetFocus();
    ::ValidateRect(three.GetSafeHwnd(), nullptr);  // its repaint on losing the focus would hide what the focus drew
    EXPECT_TRUE(Shows(host, "owner-button", 290, 90));
}

} // namespace
