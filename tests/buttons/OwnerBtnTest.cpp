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

    // The size rule of fixed-size creation on hidden buttons (0: refused); then shown: pressed and disabled faces;
    // the focus face of a four-image set, the normal face of a three-image set drawn again on the focus; a narrow
    // face; a pull-down face stretched to 92 x 42. {left, top, width, height, face, focus face, result}
    const std::tuple<int, int, int, int, std::string, std::string, int> rows[] = {
        {10, 10, 46, 21, "BALL", "", -1}, {10, 10, 47, 21, "BALL", "", 0}, {10, 10, 46, 22, "BALL", "", 0},
        {10, 10, 46, 21, "BNONE", "", 0}, {10, 10, 23, 21, "BNEXT", "", -1}, {10, 10, 46, 21, "BNEXT", "", 0},
        {60, 10, 46, 21, "BPRN", "", -1}, {110, 10, 46, 21, "BPRN", "", -1}, {160, 10, 46, 21, "BALL", "BEND_UP", -1},
        {210, 10, 46, 21, "BDEL", "", -1}, {260, 10, 23, 21, "BNEXT", "", -1}, {10, 40, 92, 42, "BSUM", "", -1}};
    COwnerBtn buttons[std::size(rows)];
    for (short i = 0; i < static_cast<short>(std::size(rows)); ++i) {
        const auto& [left, top, width, height, face, focusFace, result] = rows[i];
        CRect rect(left, top, left + width, top + height);
        long style = i < 6 ? WS_CHILD : WS_CHILD | WS_VISIBLE;
        std::string down = face + "_DOWN", up = face + "_UP", mask = face + "_MASK";
        COwnerBtn& b = buttons[i];
        int made = i == 11 ? b.CreatePullDownButton(style, rect, frame, 70 + i, down.c_str(), up.c_str(), mask.c_str())
                   : focusFace.empty() ? b.Create(style, rect, frame, 70 + i, down.c_str(), up.c_str(), mask.c_str())
                   : b.Create(style, rect, frame, 70 + i, down.c_str(), up.c_str(), focusFace.c_str(), mask.c_str());
        EXPECT_EQ(std::make_pair(made, b.GetSafeHwnd() != nullptr), std::make_pair(result, result != 0)) << i;
    }
    COwnerBtn &pressed = buttons[6], &disabled = buttons[7], &focus = buttons[8], &three = buttons[9];
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
