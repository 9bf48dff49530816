// The progress dialog over a long job: the job updates the bars and lets
// messages through; the walking sub bar runs on its timer; a real click on
// "中止" stops the job, as a user's would.
#include <cstdio>

#include "DemoScreen.h"
#include "ScreenCapture.h"

namespace {

const int kSteps = 240;       // the job's steps
const int kRecords = 12000;   // what the message line counts
const int kCaptureStep = 150;
const int kClickStep = 185;

// A left click at the centre of hwnd through the system's input queue.
void ClickCentre(HWND hwnd)
{
    RECT rect;
    ::GetWindowRect(hwnd, &rect);
    int width = ::GetSystemMetrics(SM_CXSCREEN);
    int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input[3] = {};
    for (INPUT& one : input) {
        one.type = INPUT_MOUSE;
        one.mi.dx = ((rect.left + rect.right) / 2 * 65536 + width / 2) / width;
        one.mi.dy = ((rect.top + rect.bottom) / 2 * 65536 + height / 2) / height;
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    ::SendInput(3, input, sizeof(INPUT));
}

bool CaptureDialog(CScaleDlg& dialog, const std::string& outFolder, const char* name)
{
    // Wine shows what was painted once the thread reads its messages again.
    dialog.RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 150) {
        dialog.CheckMessage_W();
        ::Sleep(10);
    }
    RECT area;
    dialog.GetWindowRect(&area);
    return SaveScreenAreaPng(area, outFolder, name);
}

} // namespace

DemoScreen RunProgressScreen(const std::string& outFolder, bool* ok)
{
    DemoScreen screen;
    screen.name = "09-progress-3-log";
    screen.title = "zr8WLIB デモ - 進捗ダイアログ (CScaleDlg) の記録";
    screen.description = "長い処理の進み方と、「中止」をクリックしてから処理が止まるまでの記録";
    CString line;

    CScaleDlg dialog;
    dialog.Init(3, 1);  // main window left enabled, abort button, walking sub bar
    if (!dialog.Create()) {
        screen.lines.push_back("CScaleDlg::Create に失敗しました");
        *ok = false;
        return screen;
    }
    ::SetForegroundWindow(dialog.GetSafeHwnd());
    int abortedAt = -1;
    int clickedAt = -1;
    for (int step = 0; step < kSteps; ++step) {
        ::Sleep(10);  // the job's own work
        int records = kRecords * (step + 1) / kSteps;
        line.Format("仕訳データを集計しています  %d / %d 件", records, kRecords);
        dialog.DispMessage(line.GetBuffer(0));
        line.ReleaseBuffer();
        dialog.DispScale(static_cast<short>((step + 1) * 100 / kSteps));
        dialog.CheckMessage_W();
        if (dialog.CheckAbort()) {
            abortedAt = step;
            break;
        }
        if (step == kCaptureStep) {
            *ok = CaptureDialog(dialog, outFolder, "09-progress-1-running") && *ok;
        }
        if (step == kClickStep) {
            ::SetForegroundWindow(dialog.GetSafeHwnd());
            ClickCentre(::GetDlgItem(dialog.GetSafeHwnd(), 1000));
            clickedAt = step;
        }
    }
    int percent = abortedAt >= 0 ? (abortedAt + 1) * 100 / kSteps : 100;
    if (abortedAt >= 0) {
        line.Format("中止しました (%d%% の時点)", percent);
        dialog.DispMessage(line.GetBuffer(0));
        line.ReleaseBuffer();
        dialog.DispScale(static_cast<short>(percent));
        *ok = CaptureDialog(dialog, outFolder, "09-progress-2-aborted") && *ok;
    }
    dialog.Term();

    screen.shots.push_back({"09-progress-1-running", "zr8WLIB デモ - 進捗ダイアログ (CScaleDlg): 処理中",
                            "処理の途中: メッセージ行、割合を示すメインバー、タイマーで動くサブバー、「中止」ボタン"});
    if (abortedAt >= 0)
        screen.shots.push_back({"09-progress-2-aborted", "zr8WLIB デモ - 進捗ダイアログ (CScaleDlg): 中止",
                                "実際のマウス入力で「中止」をクリックした後: 処理は止まり、バーはその位置のまま"});
    line.Format("Init(3, 1): 種類 3 (メインウィンドウは有効のまま、中止ボタンあり)、サブバーはタイマー 10 で 500 ms ごと");
    screen.lines.push_back(line);
    line.Format("処理: %d ステップ、各ステップで DispMessage, DispScale, CheckMessage_W, CheckAbort", kSteps);
    screen.lines.push_back(line);
    line.Format("ステップ %d で画面を保存 (09-progress-1-running.png)", kCaptureStep);
    screen.lines.push_back(line);
    line.Format("ステップ %d で「中止」ボタンを SendInput でクリック", clickedAt);
    screen.lines.push_back(line);
    if (abortedAt >= 0) {
        line.Format("ステップ %d で CheckAbort() = 1: 処理を中止 (%d%%)", abortedAt, percent);
    } else {
        line = "中止が届きませんでした";
        *ok = false;
    }
    screen.lines.push_back(line);
    screen.lines.push_back("Term(): 中止後なので 100% を描かず、待たずに終了");
    return screen;
}
