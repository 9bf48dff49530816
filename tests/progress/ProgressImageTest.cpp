// The progress dialog as the user sees it, against reference images: the
// message, the main bar at 0, 37 and 100 % with its text, the sub bar's
// block, the abort button.
#include <windows.h>

#include <gtest/gtest.h>

#include "afx/CWinApp.h"
#include "frame/InitWinLibDLL.h"
#include "progress/CScaleDlg.h"
#include "support/Golden.h"
#include "support/RealInput.h"
#include "support/WindowImage.h"

namespace {

TEST(ProgressImage, MainBarAt0And37And100WithTheSubBarsBlock)
{
    InitWinLibDLL();
    CWinApp app("progress image");
    CScaleDlg dialog;
    dialog.Init(3, 2);
    ASSERT_EQ(dialog.Create(), 1);
    HWND hwnd = dialog.GetSafeHwnd();
    char message[] = "\x8F\x57\x8C\x76\x92\x86 ...";  // "集計中 ..."
    dialog.DispMessage(message);
    const struct {
        short percent, subPosition;
        const char* name;
    } steps[] = {{0, 0, "scale-0"}, {37, 40, "scale-37"}, {100, 95, "scale-100"}};
    for (const auto& step : steps) {
        dialog.DispScale(step.percent);
        dialog.DispSubScale(step.subPosition);
        PumpPending();
        RECT client;
        ::GetClientRect(hwnd, &client);
        HDC dc = ::GetDC(hwnd);
        EXPECT_TRUE(MatchesGolden("progress", step.name, CaptureDcArea(dc, 0, 0, client.right, client.bottom)));
        ::ReleaseDC(hwnd, dc);
    }
    dialog.Term();
}

} // namespace
