// Matrix list repaint benchmarks, as a Windows program (run under Wine):
//   1. a full repaint of a 30-row page with 100 rows of data and with
//      10,000,000 rows (the owner answers at once): the cost must not
//      depend on the data count;
//   2. the same page in CInterMtrx and in a comctl32 ListView in owner-data
//      (virtual) report mode with the same rows, columns, texts and font;
//   3. the rows painted (row-data requests) per one-row scroll.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "support/WinBench.h"
#include "zr8wlib.h"

namespace {

const UINT kRowMsg = WM_USER + 600;
const int kRows = 30;
const int kColumns = 4;

char gTexts[kColumns][32];

// The texts of one row: number, an era date, an amount with commas, a memo.
void RowTexts(long index)
{
    std::snprintf(gTexts[0], sizeof gTexts[0], "%ld", index + 1);
    std::snprintf(gTexts[1], sizeof gTexts[1], "R%02ld.%02ld.%02ld", 1 + index % 6, 1 + index % 12, 1 + index % 28);
    long amount = (index * 7919) % 10000000;
    std::snprintf(gTexts[2], sizeof gTexts[2], "%ld,%03ld,%03ld", amount / 1000000, amount / 1000 % 1000,
                  amount % 1000);
    std::snprintf(gTexts[3], sizeof gTexts[3], "Memo %ld", index % 97);
}

class Owner : public CWnd {
public:
    CInterMtrx* list = nullptr;
    HWND listView = nullptr;
    long requests = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kRowMsg && list != nullptr) {
            ++requests;
            RowTexts(static_cast<long>(lParam));
            char* texts[kColumns] = {gTexts[0], gTexts[1], gTexts[2], gTexts[3]};
            list->ShowData(static_cast<long>(lParam), 0, texts, 0);
            return 0;
        }
        if (message == WM_NOTIFY) {
            auto* info = reinterpret_cast<NMLVDISPINFOA*>(lParam);
            if (info->hdr.hwndFrom == listView && info->hdr.code == LVN_GETDISPINFOA &&
                (info->item.mask & LVIF_TEXT) != 0) {
                RowTexts(info->item.iItem);
                lstrcpynA(info->item.pszText, gTexts[info->item.iSubItem], info->item.cchTextMax);
                return 0;
            }
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

struct Screen {
    CFrameWnd* frame = nullptr;
    Owner owner;
    CFont font;
    int rowHeight = 0;
    int width = 0;
    int height = 0;

    explicit Screen(int x)
    {
        font.CreateFont(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "MS Gothic");
        HDC dc = ::GetDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, font.m_hObject);
        TEXTMETRICA tm;
        ::GetTextMetricsA(dc, &tm);
        ::SelectObject(dc, old);
        ::ReleaseDC(nullptr, dc);
        rowHeight = tm.tmHeight + 6;
        width = 600;
        height = rowHeight * kRows;
        frame = new CFrameWnd;
        RECT outer = {0, 0, width, height};
        ::AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
        frame->Create(nullptr, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      CRect(x, 0, x + outer.right - outer.left, outer.bottom - outer.top));
        owner.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, width, height),
                       frame, 1);
    }
    ~Screen() { frame->DestroyWindow(); }
};

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

char gTitle0[] = "No.....", gTitle1[] = "Date........", gTitle2[] = "Amount........", gTitle3[] = "Memo............";
char* gTitles[kColumns] = {gTitle0, gTitle1, gTitle2, gTitle3};
short gCodes[kColumns] = {2, 0, 2, 17};

CInterMtrx* OpenMatrix(Screen& screen, long count)
{
    auto* list = new CInterMtrx(&screen.font, nullptr, 0);
    screen.owner.list = list;
    list->Create(&screen.owner);
    SETINITIAL record = {};
    record.lDataCount = count;
    record.nLines = 1;
    record.line[0] = {kColumns, gCodes, gTitles};
    record.nTop = 0;
    record.nRowMsg = kRowMsg;
    record.nEnterMsg = WM_USER + 601;
    record.nKeyMsg = WM_USER + 602;
    record.bNoMoreData = 1;
    list->Initial(&record);
    list->ReSize(0, 0);
    Pump();
    return list;
}

void CloseMatrix(Screen& screen)
{
    screen.owner.list->DestroyWindow();
    delete screen.owner.list;
    screen.owner.list = nullptr;
}

WinBenchResult TimeRepaint(HWND hwnd)
{
    return WinBenchRun([hwnd] { ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }, 5, 0.1);
}

// The two windows are timed in turn, several rounds, so that load from
// other processes falls on both alike; each result is the median of the
// rounds' medians.
void Compare(const char* name, HWND ours, HWND baseline)
{
    std::vector<double> a, b;
    WinBenchResult last[2] = {};
    for (int round = 0; round < 9; ++round) {
        last[0] = TimeRepaint(ours);
        last[1] = TimeRepaint(baseline);
        a.push_back(last[0].median);
        b.push_back(last[1].median);
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    last[0].median = a[a.size() / 2];
    last[1].median = b[b.size() / 2];
    last[0].fastest = a.front();
    last[1].fastest = b.front();
    WinBenchPrint(name, last[0], last[1]);
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&init);

    // 1. The data count does not matter.
    Screen huge(640);
    CInterMtrx* list = OpenMatrix(huge, 10000000);
    int visible = list->GetModel().VisibleRows();
    {
        Screen small(0);
        OpenMatrix(small, 100);
        std::printf("Page of %d rows (%d visible, row height %d)\n", kRows, visible, huge.rowHeight);
        Compare("CInterMtrx full-page repaint: 10,000,000 rows (ours) vs 100 rows (baseline)", list->m_hWnd,
                small.owner.list->m_hWnd);
        CloseMatrix(small);
    }

    // 3. Rows painted per one-row scroll.
    list->SetCurSel(5000000, 0, 1, 1);
    list->UpdateWindow();
    huge.owner.requests = 0;
    const int scrolls = 200;
    for (int i = 0; i < scrolls; ++i) {
        list->SendMessage(WM_VSCROLL, SB_LINEDOWN);
        list->UpdateWindow();
    }
    std::printf("Rows painted per one-row scroll: %.2f (a full page: %d rows)\n",
                static_cast<double>(huge.owner.requests) / scrolls, visible);

    // 2. The same page in an owner-data ListView: same font, columns, texts
    // and number of rows, gridlines on.
    Screen other(0);
    RECT client;
    list->GetClientRect(&client);
    HWND listView = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA |
                                      LVS_NOCOLUMNHEADER | LVS_SHOWSELALWAYS,
                                      0, 0, client.right + ::GetSystemMetrics(SM_CXVSCROLL), client.bottom,
                                      other.owner.m_hWnd, reinterpret_cast<HMENU>(2), nullptr, nullptr);
    other.owner.listView = listView;
    ::SendMessageA(listView, WM_SETFONT, reinterpret_cast<WPARAM>(other.font.m_hObject), TRUE);
    ::SendMessageA(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    short positions[kColumns + 1];
    list->GetXPos(0, positions);
    for (int c = 0; c < kColumns; ++c) {
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH | LVCF_FMT | LVCF_TEXT;
        column.fmt = c == 0 ? LVCFMT_LEFT : (gCodes[c] % 16 == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT);
        column.cx = positions[c + 1] - positions[c];
        column.pszText = gTitles[c];
        ::SendMessageA(listView, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    ::SendMessageA(listView, LVM_SETITEMCOUNT, 10000000, LVSICF_NOINVALIDATEALL);
    RECT item = {};
    item.left = LVIR_BOUNDS;
    ::SendMessageA(listView, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    int itemHeight = item.bottom - item.top;
    ::MoveWindow(listView, 0, 0, client.right + ::GetSystemMetrics(SM_CXVSCROLL), itemHeight * visible, TRUE);
    ::SendMessageA(listView, LVM_ENSUREVISIBLE, 5000000 + visible, FALSE);
    Pump();
    int perPage = static_cast<int>(::SendMessageA(listView, LVM_GETCOUNTPERPAGE, 0, 0));
    std::printf("ListView: %d rows per page (item height %d)\n", perPage, itemHeight);
    Compare("Full-page repaint: CInterMtrx (ours) vs owner-data ListView in report mode (baseline)", list->m_hWnd,
            listView);
    ::DestroyWindow(listView);
    CloseMatrix(huge);
    return 0;
}
