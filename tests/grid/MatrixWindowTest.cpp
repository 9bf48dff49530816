// The matrix list and input matrix as real windows under a host screen:
// what the view model leaves to the window (real input reaching the owner,
// Ctrl+Q to the frame, the auto-scroll timer, the page as painted and as
// column-scrolled against reference images, bitmaps, random real input) and
// GDI objects.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "../support/Golden.h"
#include "../support/ImportPatch.h"
#include "WindowImage.h"
#include "Gothic.h"
#include "MatrixTestIds.h"
#include "controls/ControlsHarness.h"
#include "zr8wlib.h"

namespace {

enum : UINT { kRowMsg = WM_USER + 600, kEnterMsg, kKeyMsg, kSelMsg, kRButtonMsg, kCellMsg, kFocusMsg, kAppendMsg,
              kShiftMsg, kMoreMsg };
// Given to SetBtn as short (0x8001, 0x8002): they arrive widened with their sign.
const UINT kAddedMsg = 0xFFFF8001, kEmptiedMsg = 0xFFFF8002;
const UINT kCtrlQMsg = WM_USER + 420;

// A host screen: a frame window (which logs the Ctrl+Q message), an owner
// window in it (which logs the list's messages, answers each row-data request
// with ShowData and each more-data message with ten rows more, and paints the
// bands) and a CInterMtrx.
struct OwnerWnd : CWnd {
    MessageLog log;
    CInterMtrx* list = nullptr;
    long count = 0, lastRow = -1;
    std::string bad;  // the first row asked for outside the data or the view
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kRowMsg && list != nullptr) {
            Row(static_cast<long>(wParam), lastRow = static_cast<long>(lParam));
        } else if (message == kRButtonMsg) {  // logged with the point it points to
            auto* point = reinterpret_cast<POINT*>(lParam);
            log.Add(m_hWnd, message, wParam, MAKELPARAM(point->x, point->y));
        } else if ((message > kRowMsg && message <= kMoreMsg) || message >= WM_APP) {
            log.Add(m_hWnd, message, wParam, lParam);
            if (message == kMoreMsg && list != nullptr) {
                count += 10;
                list->ExchangeDataCount(count, count >= 200);
            }
        } else if (message == WM_PAINT && list != nullptr) {
            CPaintDC dc(this);
            list->ShowUpDown(&dc);
        } else {
            return CWnd::WindowProc(message, wParam, lParam);
        }
        return 0;
    }
    void Row(long visible, long index)
    {
        if (bad.empty() && (index < 0 || index >= count || index != list->GetTopIndex() + visible ||
                            visible >= list->GetModel().VisibleRows()))
            bad = "row " + std::to_string(index) + " asked in visible row " + std::to_string(visible);
        std::string number = std::to_string(index), name = "R" + number, amount = std::to_string(index * 125), none;
        char* line0[5] = {&number[0], &name[0], &amount[0], &none[0], &none[0]};
        char* line1[5] = {&none[0], &amount[0], &none[0], &number[0], &name[0]};
        list->ShowData(index, 0, line0, 0);
        list->ShowData(index, 1, line1, RGB(0, 0, 160));
    }
};

struct MatrixHost {
    Recorder<CFrameWnd>* frame = new Recorder<CFrameWnd>;  // deletes itself with its window
    CWnd panel;  // between frame and owner: the owner's parent is no frame
    OwnerWnd owner;
    CFont font;
    CInterMtrx* list = nullptr;
    int width, height;
    SETINITIAL record = {};
    MTRX_COLOR colours = {0xF0F0F0, 0xC0FFC0, 0xA0A0A0, 0x606060, 0x0000FF};
    long selection[4] = {};
    // Lines of five columns; a page has two (the first column frozen when scrolled) and a total line.
    char texts[5][12] = {"No", "Date......", "Amount....", "Tax.......", "Note......"};
    char* titles[5] = {texts[0], texts[1], texts[2], texts[3], texts[4]};
    short codes[5] = {2, 0, 2, 2, 1};
    char total[8] = "Total", amount[8] = "12,345";
    MTRX_FOOTCELL footer[2] = {{0, 0, 0, 0, 1, total}, {0, 0, 2, 2, 2, amount}};

    // Client area of the owner: width x height, away from the frame's edges.
    MatrixHost(int w = 420, int h = 300) : width(w), height(h)
    {
        MakeGothic(font, 16);
        frame->out = &owner.log;
        frame->recorded = {kCtrlQMsg};
        frame->Create(nullptr, "matrix", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(10, 10, 90 + width, 110 + height));
        panel.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                       CRect(20, 20, 20 + width, 20 + height), frame, 2);
        owner.CreateEx(0, nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, width, height),
                       &panel, 1);
        record.lDataCount = 100;
        record.nLines = 1;
        record.line[0] = {5, codes, titles};
        record.nLeft = record.nRight = record.nTop = 4;
        UINT* messages[] = {&record.nRowMsg,     &record.nEnterMsg, &record.nKeyMsg,   &record.nSelMsg,
                            &record.nRButtonMsg, &record.nCellMsg,  &record.nFocusMsg, &record.nAppendMsg};
        for (UINT i = 0; i < 8; ++i)
            *messages[i] = kRowMsg + i;
        record.nCellMsg = 0;  // clicks drag
        record.nShiftUpMsg = kShiftMsg;
        record.nMoreDataMsg = kMoreMsg;
        record.bNoMoreData = 1;
    }
    ~MatrixHost()
    {
        if (list != nullptr)
            list->DestroyWindow();
        delete list;
        owner.list = nullptr;  // the owner outlives the list until the frame goes
        frame->DestroyWindow();
    }

    // Creates and lays out the list from the record; a page of rows has two
    // lines, a total line, select buttons and a frozen column.
    bool Open(long pageRows = 0)
    {
        if (pageRows > 0) {
            record.lDataCount = pageRows;
            record.nLines = 2;
            record.line[1] = record.line[0];
            record.nFootRows = 1;
            record.nFootCells = 2;
            record.pFootCells = footer;
        }
        list = new CInterMtrx(&font, &colours, 0);
        owner.list = list;
        owner.count = record.lDataCount;
        if (!list->Create(&owner) || list->Initial(&record) != 1)
            return false;
        if (pageRows > 0) {
            list->SetBtn(4, selection, static_cast<short>(kAddedMsg), static_cast<short>(kEmptiedMsg));
            list->SetHScroll(1);
        }
        list->ReSize(0, 0);
        owner.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return true;
    }
    HWND Hwnd() const { return list->m_hWnd; }
    const CMtrxModel& Model() const { return list->GetModel(); }
    // The owner's client area as the user sees it: bands, list, scroll bars.
    RgbImage Shot()
    {
        PumpPending();
        return CaptureDcArea(CClientDC(&owner).m_hDC, 0, 0, width, height);
    }
};

// The timers the framework starts: window, id and period of each.
std::vector<UINT_PTR> g_timers;
UINT_PTR WINAPI RecordSetTimer(HWND hWnd, UINT_PTR id, UINT period, TIMERPROC proc)
{
    g_timers.insert(g_timers.end(), {reinterpret_cast<UINT_PTR>(hWnd), id, period});
    return ::SetTimer(hWnd, id, period, proc);
}

TEST(MatrixWindow, BitmapsTheListMadeByItsClassNameRowRequestsOwnerMessagesAndTheAutoScrollTimerForRealInput)
{
    GdiObjectCount count;
    {
        MatrixHost host;
        host.record.lDataCount = 10000000;
        ASSERT_TRUE(host.Open());
        // A bitmap stamps a cell until the next repaint and stays loaded until TermBitMap, also after the list
        // is gone.
        ASSERT_EQ(host.list->InitBitMap(IDB_MATRIX_STAMP), 1);
        host.list->ShowBitMap(1, IDB_MATRIX_STAMP, 0, 1, 0);  // row 1, cell 1, at the left: the black half darkens
        int x = host.Model().Positions(0)[1] + 2 + 7, y = host.Model().RowHeight() + 2 + 11;
        EXPECT_EQ(CClientDC(host.list).GetPixel(x, y), 0u);
        host.list->TermBitMap();
        ASSERT_EQ(host.list->InitBitMap(IDB_MATRIX_STAMP), 1);
        host.frame->SetForegroundWindow();
        const std::vector<LoggedMessage>& got = host.owner.log.Messages();
        // A scroll of one row asks only for the row that came into view and the partly visible one it joins.
        unsigned long asked = host.list->RowRequests();
        host.list->SendMessage(WM_VSCROLL, SB_LINEDOWN);
        host.list->UpdateWindow();
        EXPECT_TRUE(host.list->RowRequests() - asked >= 1 && host.list->RowRequests() - asked <= 2);
        EXPECT_EQ(host.owner.lastRow, host.Model().Bottom());
        // A host (a dialog's) makes the list by its run-time class name and gives it a window of the framework's
        // default class: "CMtrxLst" names no window class.
        std::unique_ptr<CObject> made(CRuntimeClass::CreateObject("CMtrxLst"));
        ASSERT_TRUE(made != nullptr && made->IsKindOf(RUNTIME_CLASS(CMtrxLst)));
        auto* named = static_cast<CMtrxLst*>(made.get());
        CRect box(0, 0, 90, 60);
        ASSERT_TRUE(named->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL, box, &host.owner, 9));
        named->SendMessage(WM_KEYDOWN, VK_DOWN);  // before Init: no rows, nothing to do
        named->UpdateWindow();
        EXPECT_EQ(std::make_tuple(named->GetCurSel(), named->GetTopIndex()), std::make_tuple(0L, 0L));
        named->DestroyWindow();
        EXPECT_EQ(::CreateWindowExA(0, "CMtrxLst", nullptr, WS_CHILD, 0, 0, 9, 9, host.owner.m_hWnd, nullptr,
                                    nullptr, nullptr), nullptr);
        host.list->SetCurSel(2, 0, 0, 1);
        host.list->SetFocus();
        PumpPending();
        host.owner.log.Clear();

        // Keys: Down, Ctrl+Q (to the frame), Shift (a key, then its release).
        SendKey(VK_DOWN);
        ::keybd_event(VK_CONTROL, 0, 0, 0);
        SendKey('Q');
        ::keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
        SendKey(VK_SHIFT);
        ASSERT_TRUE(PumpUntil([&] { return got.size() >= 4; }));
        EXPECT_TRUE(SequenceIs(got, {{kSelMsg, 0, 2}, {kCtrlQMsg, 0, reinterpret_cast<LPARAM>(&host.owner)},
                                     {kKeyMsg, VK_SHIFT, 0}, {kShiftMsg, 0, 0}}));
        host.owner.log.Clear();

        // In a dialog the list asks for no key: arrows and Tab are the dialog's, Enter presses its default button.
        MSG enter = {host.Hwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        EXPECT_EQ(host.list->SendMessage(WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)), 0);

        // A real right click reports the point in client coordinates.
        SendClick(host.Hwnd(), true);
        ASSERT_TRUE(PumpUntil([&] { return !got.empty(); }));
        CRect client;
        host.list->GetClientRect(&client);
        EXPECT_TRUE(SequenceIs(got, {{kRButtonMsg, 0, MAKELPARAM(client.right / 2, client.bottom / 2)}}));

        // A drag onto the partly visible row scrolls with timer 1 every 100 ms until the button is up.
        ImportPatch patch(::GetModuleHandleA("zr8afx.dll"), "user32.dll", "SetTimer",
                          reinterpret_cast<void*>(&RecordSetTimer));
        LPARAM partlyVisible = MAKELPARAM(100, (host.Model().VisibleRows() - 1) * host.Model().RowHeight() + 2);
        host.list->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 5));
        host.list->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, partlyVisible);
        EXPECT_EQ(g_timers, (std::vector<UINT_PTR>{reinterpret_cast<UINT_PTR>(host.Hwnd()), 1, 100}));
        host.list->SendMessage(WM_LBUTTONUP, 0, partlyVisible);
        EXPECT_FALSE(::KillTimer(host.Hwnd(), 1)) << "the auto-scroll timer still runs";

        // The box dragged past 65535 by real input: the 32-bit track position counts.
        SCROLLBARINFO bar = {};
        bar.cbSize = sizeof bar;
        ASSERT_TRUE(::GetScrollBarInfo(host.Hwnd(), OBJID_VSCROLL, &bar));
        int barX = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2;
        ::SetCursorPos(barX, bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2);
        ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        ::SetCursorPos(barX, (bar.rcScrollBar.top + bar.rcScrollBar.bottom) / 2);
        ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        ASSERT_TRUE(PumpUntil([&] { return host.list->GetTopIndex() > 65535; }));
    }
    EXPECT_EQ(count.Outstanding(), 1u);
}

// Two-line rows of five columns, the first frozen and one column scrolled;
// select buttons, rows 1 and 4 marked, then the data cut to 4 rows (row 4
// stays in the owner's list but shows as a blank row); the cursor on row 2;
// the titles and the total line. The column scroll and a row scroll back to
// the top shift the pixels they can (cells keep the box of the column they
// were painted in) and paint the rest.
TEST(MatrixWindow, PageAsTheReferenceAfterAColumnScrollAndAfterARepaint)
{
    MatrixHost host(300, 300);
    ASSERT_TRUE(host.Open(5));
    for (long row : {1, 4}) {
        host.list->SetCurSel(row, 0, 0, 1);
        host.list->SendMessage(WM_KEYDOWN, VK_SPACE);
    }
    host.list->SetCurSel(2, 0, 0, 1);
    host.list->ExchangeDataCount(4, 1);
    host.list->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    host.list->HScroll(SB_LINERIGHT, 0, nullptr);
    host.list->SendMessage(WM_VSCROLL, SB_LINEUP);
    EXPECT_TRUE(MatchesGolden("grid", "matrix-page-scrolled", host.Shot()));
    host.owner.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(MatchesGolden("grid", "matrix-page", host.Shot()));
    EXPECT_EQ(std::vector<long>(host.selection, host.selection + 3), (std::vector<long>{1, 4, -1}));
    EXPECT_EQ(host.owner.bad, "");
}

// A drag that starts on the scroll bar enters the bar's tracking loop, which
// waits for a button-up that the random input sends only after pumping: the
// loop's next message ends it.
LRESULT CALLBACK EndScrollBarTracking(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_SCROLLBAR)
        ::ReleaseCapture();
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Keys reach the list as host calls too: the input pump's dialog manager
// takes the arrows and Enter of a list that asks for no keys.
TEST(CInterMtrxRandomInput, RowsAskedAndMessagesStayInsideTheDataAndTheViewInItsRange)
{
    GdiObjectCount count;
    {
        MatrixHost host(300, 300);
        host.record.bNoMoreData = 0;
        ASSERT_TRUE(host.Open(30));
        HHOOK hook = ::SetWindowsHookExA(WH_MSGFILTER, EndScrollBarTracking, nullptr, ::GetCurrentThreadId());
        long& rows = host.owner.count;
        long bound = rows;
        RandomInput input("matrix", host.Hwnd(), host.owner.m_hWnd);
        input.hostCall = [&](std::mt19937& random) {
            auto any = [&] { return std::uniform_int_distribution<long>(-2, rows + 2)(random); };
            const UINT keys[] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_RETURN, VK_SPACE};
            switch (random() % 6) {
            case 0: host.list->AddData(std::uniform_int_distribution<long>(0, rows++)(random)); break;
            case 1: if (rows > 0) host.list->DeleteData(std::uniform_int_distribution<long>(0, --rows)(random)); break;
            case 2: host.list->ExchangeDataCount(rows = random() % 60, static_cast<int>(random() % 2)); break;
            case 3: host.list->SetCurSel(any(), random() % 2, random() % 2, random() % 2); break;
            case 4: host.list->HScroll(random() % 6, random() % 4, nullptr); break;
            default: host.list->SendMessage(WM_KEYDOWN, keys[random() % 6]); break;
            }
        };
        input.invariants = [&]() -> ::testing::AssertionResult {
            const CMtrxModel& m = host.Model();
            bound = std::max(bound, rows);
            // Selection and activation carry a row of the data, or the row after the longest data so far
            // where the cursor may stay; a double click activates a row of the data. The select messages,
            // given to SetBtn as short, arrive widened with their sign.
            for (const LoggedMessage& got : host.owner.log.Only({kSelMsg, kEnterMsg, kAddedMsg & 0xFFFF})) {
                long index = static_cast<long>(got.lParam);
                if (got.message == (kAddedMsg & 0xFFFF) || got.wParam > 1 || index < 0 || index > bound ||
                    (got.wParam == 1 && got.message == kEnterMsg && index >= rows))
                    return ::testing::AssertionFailure() << "message " << got.message << " (" << got.wParam << ", "
                                                         << index << ") with " << rows << " rows";
            }
            host.owner.log.Clear();
            if (!host.owner.bad.empty() || m.Bottom() != m.Top() + m.VisibleRows() - 1 || m.Top() < 0 ||
                m.Top() > bound || m.Current() < 0 || m.Current() > bound)
                return ::testing::AssertionFailure() << host.owner.bad << " top " << m.Top() << ", bottom "
                                                     << m.Bottom() << ", current " << m.Current() << " of " << rows;
            return ::testing::AssertionSuccess();
        };
        EXPECT_TRUE(input.Run());
        ::UnhookWindowsHookEx(hook);
    }
    EXPECT_EQ(count.Outstanding(), 0u);
}

} // namespace
