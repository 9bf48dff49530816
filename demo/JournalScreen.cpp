// The demo's journal screen: an input matrix of 100,000 generated journal
// rows (era dates, amounts with commas) with a title band, a footer of
// totals, two frozen columns and the rest scrolled sideways, and a select
// column, under a term bar (CSetTerm). Driven with real input: a click on a
// row, the scroll box dragged to the middle, keys, Space to select a row,
// clicks on the horizontal scroll bar's arrow, the box dragged to the end.
// Screenshots on the way.
#include <cstdio>
#include <string>
#include <vector>

#include "DemoScreen.h"
#include "ScreenCapture.h"

namespace {

const long kRows = 100000;
const int kColumns = 9;
const short kFrozen = 2;
// The selection messages travel as shorts: numbers from 0x8000 on would
// arrive sign-extended, so they stay below it.
const UINT kRowMsg = WM_APP + 40, kEnterMsg = WM_APP + 41, kKeyMsg = WM_APP + 42, kSelMsg = WM_APP + 43,
           kAddedMsg = WM_USER + 1044, kEmptiedMsg = WM_USER + 1045;

const char* const kAccounts[] = {"現金", "普通預金", "売掛金", "肥料費", "種苗費", "農薬費", "売上高", "雑収入"};
const char* const kMemos[] = {"米出荷", "肥料購入", "苗代", "農薬散布", "機械修理", "野菜直売", "JA精算", "燃料"};

// Day n (0 = 1995-04-01) as yyyymmdd.
long DateOf(long n)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int year = 1995, month = 4, day = 1;
    while (n-- > 0) {
        int length = days[month - 1] + (month == 2 && year % 4 == 0 ? 1 : 0);
        if (++day > length) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    return year * 10000L + month * 100 + day;
}

long Amount(long index)
{
    return 1000 + (index * 7919L) % 2000000;
}

class JournalHost : public CWnd {
public:
    CInterMtrx* list = nullptr;
    CSetTerm* term = nullptr;
    std::vector<CString> log;
    long added = 0;

    void Answer(long index)
    {
        CConvYmd ymd;
        CConv conv;
        char number[16], date[32], debit[32], credit[32], tax[32];
        std::snprintf(number, sizeof number, "%ld", index + 1);
        ymd.ConvWareki(date, DateOf(index / 30), 0);
        conv.CommaStr(debit, Amount(index));
        conv.CommaStr(credit, Amount(index));
        conv.CommaStr(tax, Amount(index) * 8 / 108);
        char section[8];
        std::snprintf(section, sizeof section, "%02ld", index % 7 + 1);
        char* texts[kColumns] = {number,
                                 date,
                                 const_cast<char*>(kMemos[index % 8]),
                                 const_cast<char*>(kAccounts[index % 6 + 2]),
                                 debit,
                                 const_cast<char*>(kAccounts[index % 2]),
                                 credit,
                                 tax,
                                 section};
        list->ShowData(index, 0, texts, index % 10 == 3 ? 0x0000C0 : 0);
    }

protected:
    // The term bar is painted by this window over its own child, so children
    // are not clipped; the list's area is left to the list.
    BOOL OnEraseBkgnd(CDC* pDC) override
    {
        RECT client, listRect;
        GetClientRect(&client);
        if (list != nullptr && list->m_hWnd != nullptr) {
            list->GetWindowRect(&listRect);
            ScreenToClient(&listRect);
            ::SelectClipRgn(pDC->m_hDC, nullptr);
            ::ExcludeClipRect(pDC->m_hDC, listRect.left, listRect.top, listRect.right, listRect.bottom);
        }
        pDC->FillSolidRect(&client, ::GetSysColor(COLOR_3DFACE));
        ::SelectClipRgn(pDC->m_hDC, nullptr);
        return TRUE;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case kRowMsg:
            if (list != nullptr)
                Answer(static_cast<long>(lParam));
            return 0;
        case kAddedMsg:
            ++added;
            return 0;
        case kEnterMsg:
        case kKeyMsg:
        case kSelMsg:
        case kEmptiedMsg:
            return 0;
        case WM_PAINT:
            if (list != nullptr) {
                CPaintDC dc(this);
                if (term != nullptr)
                    term->ShowWindow(&dc);
                list->ShowUpDown(&dc);
                return 0;
            }
            break;
        case WM_HSCROLL:
            if (list != nullptr) {
                list->HScroll(LOWORD(wParam), HIWORD(wParam), nullptr);
                return 0;
            }
            break;
        case WM_SIZE:
            if (list != nullptr)
                list->ReSize(0, 0);
            break;
        default:
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

void Pump(DWORD milliseconds)
{
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < milliseconds) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    }
}

// Mouse events at screen points, queued in one batch: a press on a scroll
// bar starts the bar's own tracking loop, which takes the rest of the batch
// (moves, release) from the queue.
void MouseEvents(const std::vector<std::pair<POINT, DWORD>>& events)
{
    int width = ::GetSystemMetrics(SM_CXSCREEN);
    int height = ::GetSystemMetrics(SM_CYSCREEN);
    std::vector<INPUT> input;
    for (const auto& event : events) {
        INPUT one = {};
        one.type = INPUT_MOUSE;
        one.mi.dx = (event.first.x * 65536 + width / 2) / width;
        one.mi.dy = (event.first.y * 65536 + height / 2) / height;
        one.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | event.second;
        input.push_back(one);
    }
    ::SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
    Pump(250);
}

void Click(POINT screen)
{
    MouseEvents({{screen, 0}, {screen, MOUSEEVENTF_LEFTDOWN}, {screen, MOUSEEVENTF_LEFTUP}});
}

void Key(WORD vk)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
    Pump(80);
}

// Drags the vertical scroll box of the list to `fraction` of its track.
void DragScrollBox(HWND list, double fraction)
{
    SCROLLBARINFO info = {};
    info.cbSize = sizeof info;
    if (!::GetScrollBarInfo(list, OBJID_VSCROLL, &info))
        return;
    const RECT& bar = info.rcScrollBar;  // screen coordinates
    int x = (bar.left + bar.right) / 2;
    POINT from = {x, bar.top + (info.xyThumbTop + info.xyThumbBottom) / 2};
    int arrow = info.dxyLineButton;
    int trackTop = bar.top + arrow, trackBottom = bar.bottom - arrow;
    POINT to = {x, trackTop + static_cast<int>((trackBottom - trackTop) * fraction)};
    std::vector<std::pair<POINT, DWORD>> drag = {{from, 0}, {from, MOUSEEVENTF_LEFTDOWN}};
    for (int step = 1; step <= 8; ++step)
        drag.push_back({{x, from.y + (to.y - from.y) * step / 8}, 0});
    drag.push_back({to, MOUSEEVENTF_LEFTUP});
    MouseEvents(drag);
    Pump(200);
}

// Screen point in the middle of visible row `row`, right of the frozen columns.
POINT RowPoint(CInterMtrx& list, long row)
{
    int rowHeight = list.GetModel().RowHeight();
    POINT point = {list.GetModel().Positions(0)[2] + 20, static_cast<int>(row * rowHeight + rowHeight / 2)};
    ::ClientToScreen(list.m_hWnd, &point);
    return point;
}

} // namespace

DemoScreen RunJournalScreen(const std::string& outFolder, bool* ok)
{
    DemoScreen screen;
    screen.name = "06-journal";
    screen.title = "zr8WLIB デモ - 仕訳帳 (CInterMtrx)";

    CFont font;
    font.CreateFont(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "ＭＳ ゴシック");
    char t0[] = "  No  ", t1[] = "　 日　付 　", t2[] = "　　摘　　要　　", t3[] = "　借方科目　",
         t4[] = "　 借方金額 　", t5[] = "　貸方科目　", t6[] = "　 貸方金額 　", t7[] = "　消費税　", t8[] = "部門";
    char* titles[kColumns] = {t0, t1, t2, t3, t4, t5, t6, t7, t8};
    short codes[kColumns] = {2, 0, 1, 1, 2, 1, 2, 2, 0};

    // Totals of the whole journal for the footer.
    long long debit = 0, tax = 0;
    for (long i = 0; i < kRows; ++i) {
        debit += Amount(i);
        tax += Amount(i) * 8 / 108;
    }
    char debitText[40], creditText[40], taxText[40];
    CConv conv;
    conv.CommaStr(debitText, static_cast<double>(debit), 0);
    conv.CommaStr(creditText, static_cast<double>(debit), 0);
    conv.CommaStr(taxText, static_cast<double>(tax), 0);
    char totalLabel[] = "合　計";
    MTRX_FOOTCELL footer[] = {{0, 0, 0, 1, 0, totalLabel},
                              {0, 0, 4, 4, 2, debitText},
                              {0, 0, 6, 6, 2, creditText},
                              {0, 0, 7, 7, 2, taxText}};

    RECT outer = {0, 0, 900, 560};
    ::AdjustWindowRect(&outer, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE);
    JournalHost host;
    host.CreateEx(0, nullptr, static_cast<const char*>(screen.title), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 40, 40,
                  outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr);
    // The accounting term above the list: April to March, April ... September chosen.
    CSetTerm term(&font);
    bool termMade = term.Create(&host, CRect(12, 10, 12, 10), CSetTerm::modeRange, 4, 0, 5, WM_APP + 46) != 0;
    host.term = &term;
    CInterMtrx list(&font, nullptr, 0);
    host.list = &list;
    SETINITIAL record = {};
    record.lDataCount = kRows;
    record.nLines = 1;
    record.line[0] = {kColumns, codes, titles};
    record.nLeft = 12;
    record.nRight = 12;
    record.nTop = 44;
    record.nFootRows = 1;
    record.nFootCells = 4;
    record.pFootCells = footer;
    record.nRowMsg = kRowMsg;
    record.nEnterMsg = kEnterMsg;
    record.nKeyMsg = kKeyMsg;
    record.nSelMsg = kSelMsg;
    record.bNoMoreData = 1;
    long selection[10];
    bool made = termMade && list.Create(&host) && list.Initial(&record) == 1;
    list.SetBtn(10, selection, static_cast<short>(kAddedMsg), static_cast<short>(kEmptiedMsg));
    list.SetHScroll(kFrozen);
    list.ReSize(0, 0);
    host.ShowWindow(SW_SHOWNORMAL);
    host.UpdateWindow();
    host.SetForegroundWindow();
    Pump(300);

    CString line;
    line.Format("CInterMtrx: %ld 行、%d 列 (固定 %d 列)、表示 %d 行、横スクロール %d 列", kRows, kColumns, kFrozen,
                list.GetModel().VisibleRows(), list.GetScrollMax());
    screen.lines.push_back(line);

    // A click on the third row gives the list the focus.
    Click(RowPoint(list, 2));

    // To the middle: the scroll box dragged (the view follows on release).
    DragScrollBox(list.m_hWnd, 0.5);
    long middleTop = list.GetTopIndex();
    // The scroll bar leaves the cursor where it was: a click puts it here.
    Click(RowPoint(list, 8));
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_SPACE);  // select the cursor's row
    // Two clicks on the horizontal bar's right arrow scroll two columns.
    SCROLLBARINFO hbar = {};
    hbar.cbSize = sizeof hbar;
    CScrollBar* bar = list.GetHScrollBar();
    if (bar != nullptr && ::GetScrollBarInfo(bar->m_hWnd, OBJID_CLIENT, &hbar)) {
        POINT arrow = {hbar.rcScrollBar.right - hbar.dxyLineButton / 2,
                       (hbar.rcScrollBar.top + hbar.rcScrollBar.bottom) / 2};
        Click(arrow);
        Click(arrow);
    }
    Pump(300);
    line.Format("スクロールボックスを中央へ: 先頭行 %ld、カーソル %ld、選択 %ld 行 (行 %ld)、先頭の横スクロール列 %d",
                middleTop, list.GetCurSel(), host.added, selection[0], list.GetCurRow());
    screen.lines.push_back(line);
    long selectedInMiddle = selection[0];
    bool saved = SaveWindowPng(host.m_hWnd, outFolder, "06-journal-1-middle");

    // To the end: the box dragged to the bottom, a click on the last row
    // (a click beside the select column also clears the selection).
    DragScrollBox(list.m_hWnd, 1.0);
    Click(RowPoint(list, kRows - 1 - list.GetTopIndex()));
    Key(VK_NEXT);
    Pump(300);
    line.Format("スクロールボックスを末尾へ、最終行をクリック、PageDown: 先頭行 %ld、カーソル %ld (最終行 %ld)",
                list.GetTopIndex(),
                list.GetCurSel(), kRows - 1);
    screen.lines.push_back(line);
    saved = SaveWindowPng(host.m_hWnd, outFolder, "06-journal-2-end") && saved;
    screen.lines.push_back("画面: 06-journal-1-middle.png, 06-journal-2-end.png");
    line.Format("期間バー CSetTerm: 開始 %d、終了 %d (4月始まり)", term.GetStart(), term.GetEnd());
    screen.lines.push_back(line);

    bool reachedMiddle = middleTop > kRows / 4 && middleTop < kRows * 3 / 4 && selectedInMiddle == middleTop + 11;
    bool reachedEnd = list.GetCurSel() == kRows - 1;
    if (!made || !saved || !reachedMiddle || !reachedEnd || host.added != 1) {
        *ok = false;
        line.Format("失敗: 作成 %d、保存 %d、中央 %d、末尾 %d、選択通知 %ld", made, saved, reachedMiddle, reachedEnd,
                    host.added);
        screen.lines.push_back(line);
    }
    host.list = nullptr;
    host.term = nullptr;
    list.DestroyWindow();
    term.DestroyWindow();
    host.DestroyWindow();
    return screen;
}
