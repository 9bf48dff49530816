// The buttons screen: a tool row of flat buttons (one hovered, one
// disabled, one with a shortened caption), bitmap buttons in each state, a
// menu bar too short for its buttons (so its spin control shows) and a
// balloon tooltip from the tooltip manager; then the catalogue of the 80
// stock faces with their names.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "DemoScreen.h"
#include "ScreenCapture.h"

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

const int kEditId = 6001;

// Messages for a while, each offered to PreTranslateMessage first.
void PumpFor(DWORD ms)
{
    DWORD start = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (CWnd::WalkPreTranslateTree(nullptr, &msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (::GetTickCount() - start < ms);
}

// The real cursor to a client point of hWnd.
void MoveCursor(HWND hWnd, int x, int y)
{
    POINT screen = {x, y};
    ::ClientToScreen(hWnd, &screen);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65536 + ::GetSystemMetrics(SM_CXSCREEN) / 2) / ::GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (screen.y * 65536 + ::GetSystemMetrics(SM_CYSCREEN) / 2) / ::GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
}

bool Save(HWND hWnd, const std::string& outFolder, const char* name, const RECT* extra = nullptr)
{
    RECT area;
    ::GetWindowRect(hWnd, &area);
    if (extra != nullptr)
        ::UnionRect(&area, &area, extra);
    return SaveScreenAreaPng(area, outFolder, name);
}

HWND Label(HWND parent, const char* text, int x, int y, int width)
{
    HWND label = ::CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE, x, y, width, 16, parent, nullptr,
                                   nullptr, nullptr);
    ::SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), 0);
    return label;
}

// A frame that forgets its window's pointer when it goes (frames delete themselves).
CFrameWnd* NewFrame(const char* title, int width, int height)
{
    auto* frame = new CFrameWnd;
    frame->Create(nullptr, title, WS_POPUP | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN, CRect(60, 60, 60 + width, 60 + height));
    ::SetForegroundWindow(frame->GetSafeHwnd());
    return frame;
}

} // namespace

DemoScreen RunButtonsScreen(const std::string& outFolder, bool* ok)
{
    DemoScreen screen;
    screen.name = "07-buttons-3-log";
    screen.title = "zr8WLIB デモ - ボタンとバー";
    screen.description = "ボタン、メニューバー、ツールチップの操作とホストが受け取ったメッセージの記録";
    screen.shots.push_back({"07-buttons-1-bars", "zr8WLIB デモ - ボタン、バー、ツールチップ",
                            "フラットボタン、各状態のビットマップボタン、スピン付きメニューバー、ツールチップ"});
    screen.shots.push_back({"07-buttons-2-faces", "zr8WLIB デモ - ボタンの絵柄一覧",
                            "ライブラリが持つ 80 種のボタンの絵柄"});

    CFrameWnd* frame = NewFrame("zr8WLIB デモ - ボタン、バー、ツールチップ", 500, 400);
    HWND hFrame = frame->GetSafeHwnd();
    Label(hFrame, "フラットボタン (左端はマウスが上にある状態、右端は無効)", 10, 8, 480);
    Label(hFrame, "ビットマップボタン: 通常 / 押下 / 無効 / プルダウン (2 倍)", 10, 88, 480);
    Label(hFrame, "メニューバー (高さ 150 にボタン 5 個: 3 個を表示してスピンを表示)", 10, 200, 480);

    // Tool row.
    HICON info = ::LoadIconA(nullptr, IDI_INFORMATION);
    HICON warning = ::LoadIconA(nullptr, IDI_WARNING);
    HICON question = ::LoadIconA(nullptr, IDI_QUESTION);
    HICON error = ::LoadIconA(nullptr, IDI_ERROR);
    HICON application = ::LoadIconA(nullptr, IDI_APPLICATION);
    std::vector<std::unique_ptr<CFlatButton>> flats;
    struct Flat {
        const char* text;
        HICON icon;
        int width;
        BOOL enabled;
    } row[] = {{"印刷", nullptr, 70, TRUE}, {nullptr, info, 44, TRUE}, {nullptr, question, 44, TRUE},
               {"仕訳帳を開いて検索する", nullptr, 90, TRUE}, {"終了", nullptr, 70, FALSE}};
    int x = 10;
    for (const Flat& f : row) {
        flats.push_back(std::make_unique<CFlatButton>());
        CRect rect(x, 28, x + f.width, 28 + 44);
        if (f.icon != nullptr)
            flats.back()->Create(f.icon, WS_VISIBLE | BS_ICON, rect, frame, 100 + static_cast<UINT>(flats.size()));
        else
            flats.back()->Create(f.text, WS_VISIBLE, rect, frame, 100 + static_cast<UINT>(flats.size()));
        flats.back()->SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
        flats.back()->EnableButton(f.enabled);
        x += f.width + 6;
    }

    // Bitmap buttons in each state.
    COwnerBtn normal, pressed, disabled, pullDown;
    normal.Create(WS_CHILD | WS_VISIBLE, CRect(10, 108, 56, 129), frame, 201, "BPRN_DOWN", "BPRN_UP", "BPRN_MASK");
    pressed.Create(WS_CHILD | WS_VISIBLE, CRect(66, 108, 112, 129), frame, 202, "BSIWAKE_DOWN", "BSIWAKE_UP",
                   "BSIWAKE_MASK");
    disabled.Create(WS_CHILD | WS_VISIBLE | WS_DISABLED, CRect(122, 108, 168, 129), frame, 203, "BEND_DOWN",
                    "BEND_UP", "BEND_MASK");
    RECT pullRect = {178, 108, 270, 150};
    pullDown.CreatePullDownButton(WS_CHILD | WS_VISIBLE, pullRect, frame, 204, "BKENSAKU_DOWN", "BKENSAKU_UP",
                                  "BKENSAKU_MASK");
    pressed.SetState(TRUE);

    // A tooltip from the manager's table, on an edit.
    HWND edit = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "取引先", WS_CHILD | WS_VISIBLE, 300, 108, 160, 24, hFrame,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), nullptr, nullptr);
    ::SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), 0);
    char tipText[] = "取引先のコードか名前を入力します";
    TOOLTIPMSG_TABLE tips[1] = {{kEditId, tipText, 0}};
    ClUtyToolTipMgr tipManager;
    tipManager.Init(frame, tips, 1);

    // The menu bar: 5 buttons of 32 x 32 icons in 150 pixels, as wide as its buttons.
    CMenuBar bar;
    bar.Create(WS_VISIBLE, CRect(10, 220, 60, 370), frame, 300, WM_USER + 300, 1);
    bar.SetIconSize(CSize(32, 32));
    const char* captions[5] = {"仕訳", "元帳", "試算", "印刷", "終了"};
    HICON icons[5] = {info, warning, question, error, application};
    for (int i = 0; i < 5; ++i)
        bar.AddBtn(icons[i], captions[i], 0, nullptr);
    bar.MoveWindow(10, 220, bar.GetMiniBarSize().cx, 150);
    bar.SetToolTip(0, "仕訳を入力します");

    // The first flat button hovered until its tooltip shows.
    flats[0]->SetToolTipsText("伝票を印刷します");
    flats[0]->EnableToolTips(TRUE);
    PumpFor(200);
    MoveCursor(flats[0]->GetSafeHwnd(), 20, 20);
    PumpFor(100);
    MoveCursor(flats[0]->GetSafeHwnd(), 22, 21);
    PumpFor(900);
    RECT tipRect = {};
    HWND tip = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM found) {
            char className[32] = "";
            ::GetClassNameA(hWnd, className, sizeof className);
            if (::lstrcmpiA(className, TOOLTIPS_CLASSA) != 0 || !::IsWindowVisible(hWnd))
                return TRUE;
            *reinterpret_cast<HWND*>(found) = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tip));
    bool tipShown = tip != nullptr;
    if (tipShown)
        ::GetWindowRect(tip, &tipRect);
    *ok = Save(hFrame, outFolder, "07-buttons-1-bars", tipShown ? &tipRect : nullptr) && *ok;

    CString line;
    line.Format("フラットボタン %d 個、ビットマップボタン 4 個、メニューバーのボタン %d 個",
                static_cast<int>(flats.size()), bar.GetBtnCount());
    screen.lines.push_back(line);
    int lower = 0, upper = 0;
    bar.GetSpinCtrl()->GetRange(lower, upper);
    CSize slot = bar.GetButtonSize();
    line.Format("メニューバー: ボタン %d × %d、表示 %d 個、スピン %s (範囲 %d から %d)", slot.cx, slot.cy,
                bar.GetVisibleCount(), bar.IsScrollMode() ? "あり" : "なし", lower, upper);
    screen.lines.push_back(line);
    screen.lines.push_back(tipShown ? "ツールチップ: 表示された" : "ツールチップ: 表示されなかった");
    line.Format("先頭のフラットボタンの枠: %d (0 平ら、1 浮き出し、2 へこみ)", flats[0]->GetFrameState());
    screen.lines.push_back(line);
    MoveCursor(hFrame, 490, 390);
    PumpFor(50);
    ::DestroyWindow(hFrame);

    // The face catalogue: 80 faces, 8 to a row, with their names.
    CFrameWnd* catalogue = NewFrame("zr8WLIB デモ - ボタンの絵柄 80 種", 8 * 100 + 20, 10 * 44 + 40);
    HWND hCatalogue = catalogue->GetSafeHwnd();
    std::vector<std::unique_ptr<COwnerBtn>> faces;
    int created = 0;
    for (int i = 0; i < 80; ++i) {
        int column = i % 8, rowIndex = i / 8;
        int left = 10 + column * 100, top = 8 + rowIndex * 44;
        std::string name = kFaces[i];
        bool narrow = name == "BNEXT" || name == "BPREV";
        faces.push_back(std::make_unique<COwnerBtn>());
        created += faces.back()->Create(WS_CHILD | WS_VISIBLE, CRect(left, top, left + (narrow ? 23 : 46), top + 21),
                                        catalogue, static_cast<short>(400 + i), (name + "_DOWN").c_str(),
                                        (name + "_UP").c_str(), (name + "_MASK").c_str()) != 0;
        Label(hCatalogue, kFaces[i], left, top + 22, 96);
    }
    PumpFor(200);
    *ok = Save(hCatalogue, outFolder, "07-buttons-2-faces") && *ok;
    line.Format("ボタンの絵柄: %d / 80 種を作成", created);
    screen.lines.push_back(line);
    *ok = created == 80 && *ok;
    ::DestroyWindow(hCatalogue);
    return screen;
}
