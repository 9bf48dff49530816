// The demo's first screen: what a host does at start-up, and the proof that
// each step happened.
#include "DemoScreen.h"

namespace {

CString ModulePath(HMODULE module)
{
    CString path;
    DWORD length = ::GetModuleFileNameA(module, path.GetBuffer(MAX_PATH), MAX_PATH + 1);
    path.ReleaseBuffer(length <= MAX_PATH ? static_cast<int>(length) : 0);
    return path;
}

} // namespace

DemoScreen RunStartupScreen()
{
    DemoScreen screen;
    screen.name = "01-startup";
    screen.title = "zr8WLIB デモ - 起動";
    screen.description = "ライブラリの読み込み、リソースチェーンへの登録、トレースログの開始";
    CString line;

    HMODULE library = ::GetModuleHandleA("zr8wlib.dll");
    line.Format("zr8wlib.dll を読み込みました: %s", static_cast<const char*>(ModulePath(library)));
    screen.lines.push_back(line);

    const LPCSTR progressDialog = MAKEINTRESOURCE(1572);
    bool before = AfxFindResourceHandle(progressDialog, RT_DIALOG) == library;
    InitWinLibDLL();
    bool after = AfxFindResourceHandle(progressDialog, RT_DIALOG) == library;
    line.Format("InitWinLibDLL: ダイアログ 1572 の検索先 呼出前=%s 呼出後=%s",
                before ? "zr8wlib.dll" : "ホスト", after ? "zr8wlib.dll" : "ホスト");
    screen.lines.push_back(line);

    CZrTrace::InitLog();
    CZrTrace::WriteLog("zr8demo", "起動しました", 1);
    CZrTrace::WriteLog(CZrTrace::levelDebug, "ANSI コードページ %u", ::GetACP());
    CZrTrace::WriteLog("表示", "ソフト", 2);
    CZrTrace::WriteLog(CZrTrace::levelError, "%s", "エラー行の例 (レベル 3)");
    CZrTrace::WriteLog("捨てられる", "レベル 4", 4);
    char logPath[MAX_PATH];
    ::GetFullPathNameA("zr8demo.log", MAX_PATH, logPath, nullptr);
    line.Format("CZrTrace: ./zr8trace.xml を適用し 4 行を書きました (レベル 4 は捨てる): %s", logPath);
    screen.lines.push_back(line);

    COleDateTime now = COleDateTime::GetCurrentTime();
    line.Format("ANSI コードページ %u、今日は %04d年%02d月%02d日 %02d:%02d", ::GetACP(),
                now.GetYear(), now.GetMonth(), now.GetDay(), now.GetHour(), now.GetMinute());
    screen.lines.push_back(line);
    screen.lines.push_back("表示・ソフト・能力・予定 (2 バイト目が 0x5C の文字)");
    return screen;
}
