// CWnd: the handle map, subclassing, creation and destruction, typed
// dispatch and reflection of child notifications.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "afx/CEdit.h"
#include "afx/CWnd.h"
#include "support/MessageLog.h"
#include "support/RealInput.h"

namespace {

// Records every message it receives, then handles it as a CWnd does.
class RecordingWnd : public CWnd {
public:
    MessageLog log;
    bool attachedInNcCreate = false;
    bool postNcDestroyed = false;
    int createResult = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        log.Add(m_hWnd, message, wParam, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    BOOL OnNcCreate(LPCREATESTRUCTA lpCreateStruct) override
    {
        attachedInNcCreate = m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this;
        return CWnd::OnNcCreate(lpCreateStruct);
    }
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override
    {
        return createResult != 0 ? createResult : CWnd::OnCreate(lpCreateStruct);
    }
    void PostNcDestroy() override { postNcDestroyed = true; }
};

HWND MakeForeignEdit()
{
    return ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
}

// --- The handle map -------------------------------------------------------

// A foreign window gets one temporary wrapper until an object attaches;
// an attached object owns the window until it detaches.
TEST(HandleMap, WrappersAttachDetachSubclassingCreationAndDestruction)
{
    HWND foreign = MakeForeignEdit();
    ASSERT_NE(foreign, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
    CWnd* wrapper = CWnd::FromHandle(foreign);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hWnd, foreign);
    EXPECT_EQ(CWnd::FromHandle(foreign), wrapper);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    {
        CWnd owner;
        ASSERT_TRUE(owner.Attach(foreign));
        EXPECT_EQ(CWnd::FromHandlePermanent(foreign), &owner);
        EXPECT_EQ(CWnd::FromHandle(foreign), &owner);
        // A wrapper handed out before stays usable until the next idle time.
        EXPECT_EQ(wrapper->m_hWnd, foreign);
        CWnd second;
        EXPECT_FALSE(second.Attach(foreign));
        EXPECT_EQ(second.m_hWnd, nullptr);
        HWND other = MakeForeignEdit();
        EXPECT_FALSE(owner.Attach(other));  // already holds one
        ::DestroyWindow(other);
        EXPECT_EQ(owner.Detach(), foreign);
        EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
    }
    // Neither the detached object nor freeing the wrappers ends the window.
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(foreign));
    {
        CWnd owner;
        ASSERT_TRUE(owner.Attach(foreign));
    }
    EXPECT_FALSE(::IsWindow(foreign));
    EXPECT_FALSE(CWnd().Attach(nullptr));

    // --- Subclassing ----------------------------------------------------------
    HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 100, 20, parent, reinterpret_cast<HMENU>(31),
                                  nullptr, nullptr);
    LONG_PTR original = ::GetWindowLongPtrA(edit, GWLP_WNDPROC);
    CWnd parentObject;
    ASSERT_TRUE(parentObject.Attach(parent));
    RecordingWnd sub;
    EXPECT_FALSE(sub.SubclassDlgItem(32, &parentObject));
    ASSERT_TRUE(sub.SubclassDlgItem(31, &parentObject));
    EXPECT_EQ(sub.GetDlgCtrlID(), 31);
    EXPECT_EQ(::GetWindowLongPtrA(edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(AfxWndProc));
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &sub);

    ::SetWindowTextA(edit, "abc");
    EXPECT_EQ(TextOf(edit), "abc");  // Default() reached the edit's own procedure
    EXPECT_EQ(sub.log.Only({WM_SETTEXT}).size(), 1u);

    RecordingWnd second;
    EXPECT_FALSE(second.SubclassWindow(edit));

    EXPECT_EQ(sub.UnsubclassWindow(), edit);
    EXPECT_EQ(::GetWindowLongPtrA(edit, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
    EXPECT_EQ(sub.m_hWnd, nullptr);
    sub.log.Clear();
    ::SetWindowTextA(edit, "def");
    EXPECT_TRUE(sub.log.Messages().empty());
    EXPECT_EQ(TextOf(edit), "def");

    // A borrowed window survives its object, with its procedure restored.
    {
        RecordingWnd borrower;
        ASSERT_TRUE(borrower.SubclassWindow(edit));
    }
    EXPECT_TRUE(::IsWindow(edit));
    EXPECT_EQ(::GetWindowLongPtrA(edit, GWLP_WNDPROC), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);

    // Creation and destruction: the object is attached before the first message and detached after the last.
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "top", WS_OVERLAPPEDWINDOW, 10, 10, 200, 150, nullptr, nullptr));
    EXPECT_TRUE(wnd.attachedInNcCreate);
    // As Wine's conformance tests see an overlapped window being made.
    std::vector<LoggedMessage> first(wnd.log.Messages().begin(), wnd.log.Messages().begin() + 4);
    EXPECT_TRUE(SequenceIs(first, {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE}));

    RecordingWnd child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 50, 20), &wnd, 77));
    EXPECT_EQ(child.log.Messages().front().message, static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(child.GetDlgCtrlID(), 77);
    EXPECT_TRUE(child.GetStyle() & WS_CHILD);
    EXPECT_EQ(child.GetParent(), &wnd);

    HWND hwnd = wnd.m_hWnd;
    HWND childHwnd = child.m_hWnd;
    wnd.log.Clear();
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_TRUE(SequenceIs(wnd.log.Only({WM_DESTROY, WM_NCDESTROY}), {WM_DESTROY, WM_NCDESTROY}));
    EXPECT_TRUE(wnd.postNcDestroyed);
    EXPECT_TRUE(child.postNcDestroyed);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(child.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(childHwnd), nullptr);
    EXPECT_FALSE(::IsWindow(hwnd));

    // A failed create leaves the object detached.
    RecordingWnd failed;
    failed.createResult = -1;
    EXPECT_FALSE(failed.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(failed.m_hWnd, nullptr);
    EXPECT_TRUE(failed.postNcDestroyed);
    EXPECT_EQ(failed.log.Messages().back().message, static_cast<UINT>(WM_NCDESTROY));

    RecordingWnd noClass;
    EXPECT_FALSE(noClass.CreateEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_TRUE(noClass.postNcDestroyed);
    EXPECT_TRUE(noClass.log.Messages().empty());
}

// --- Typed dispatch ---------------------------------------------------------

class HandlerWnd : public CWnd {
public:
    UINT keyChar = 0, keyRepeat = 0, keyFlags = 0;
    CPoint click{-1, -1};
    UINT clickFlags = 0;
    CWnd* focusFrom = reinterpret_cast<CWnd*>(1);
    LPARAM currentLParam = 0;
    CWnd* captureTo = reinterpret_cast<CWnd*>(1);

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override
    {
        keyChar = nChar;
        keyRepeat = nRepCnt;
        keyFlags = nFlags;
        currentLParam = GetCurrentMessage()->lParam;
    }
    void OnLButtonDown(UINT nFlags, CPoint point) override
    {
        clickFlags = nFlags;
        click = point;
    }
    void OnSetFocus(CWnd* pOldWnd) override
    {
        focusFrom = pOldWnd;
        CWnd::OnSetFocus(pOldWnd);
    }
    UINT OnGetDlgCode() override { return 0x1234; }
    void OnCaptureChanged(CWnd* pWnd) override { captureTo = pWnd; }
};

TEST(Dispatch, EachMessageReachesItsTypedHandlerTheOperationsTheWindowAndTheRestTheEdit)
{
    HandlerWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100, nullptr, nullptr));
    LPARAM keyData = MAKELPARAM(3, 0x401E);
    wnd.SendMessage(WM_KEYDOWN, 'A', keyData);
    EXPECT_EQ(wnd.keyChar, static_cast<UINT>('A'));
    EXPECT_EQ(wnd.keyRepeat, 3u);
    EXPECT_EQ(wnd.keyFlags, 0x401Eu);
    EXPECT_EQ(wnd.currentLParam, keyData);

    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 7));
    EXPECT_EQ(wnd.click, CPoint(-5, 7));
    EXPECT_EQ(wnd.clickFlags, static_cast<UINT>(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(wnd.SendMessage(WM_GETDLGCODE), 0x1234);

    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(other.m_hWnd));
    EXPECT_EQ(wnd.focusFrom, &other);
    HWND foreign = MakeForeignEdit();
    wnd.SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(foreign));
    ASSERT_NE(wnd.focusFrom, nullptr);
    EXPECT_EQ(wnd.focusFrom->m_hWnd, foreign);
    wnd.SendMessage(WM_SETFOCUS, 0);
    EXPECT_EQ(wnd.focusFrom, nullptr);
    ::DestroyWindow(foreign);

    // Capture through the wrappers (timers: the flat button's hover tests).
    wnd.SetCapture();
    EXPECT_EQ(CWnd::GetCapture(), &wnd);
    other.SetCapture();
    EXPECT_EQ(wnd.captureTo, &other);
    ::ReleaseCapture();

    // The window operations (moving it: the text tests' CenteringDialog).
    CPoint point(5, 6);
    wnd.ClientToScreen(&point);
    CRect client;
    wnd.GetClientRect(&client);
    wnd.ClientToScreen(&client);
    EXPECT_EQ(client.TopLeft() + CPoint(5, 6), point);
    wnd.ScreenToClient(&point);
    EXPECT_EQ(point, CPoint(5, 6));

    wnd.SetScrollRange(SB_VERT, 0, 40, FALSE);
    wnd.SetScrollPos(SB_VERT, 25);
    int low = -1, high = -1;
    wnd.GetScrollRange(SB_VERT, &low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 40);
    EXPECT_EQ(wnd.GetScrollPos(SB_VERT), 25);

    wnd.SetWindowText("\x95\x5C\x8E\xA6");  // 表示 (second byte 0x5C)
    EXPECT_EQ(wnd.GetWindowTextLength(), 4);
    EXPECT_FALSE(wnd.EnableWindow(FALSE));
    EXPECT_FALSE(wnd.IsWindowEnabled());
    EXPECT_TRUE(wnd.ModifyStyle(WS_VSCROLL, WS_HSCROLL));
    EXPECT_EQ(wnd.GetStyle() & (WS_VSCROLL | WS_HSCROLL), static_cast<DWORD>(WS_HSCROLL));
    EXPECT_FALSE(wnd.ModifyStyle(0, WS_HSCROLL));  // no change

    EXPECT_EQ(wnd.GetOwner(), nullptr);
    wnd.SetOwner(&other);
    EXPECT_EQ(wnd.GetOwner(), &other);
    CWnd detached;
    EXPECT_EQ(detached.GetParent(), nullptr);
    EXPECT_EQ(detached.SendMessage(WM_NULL), 0);
    EXPECT_FALSE(detached.PostMessage(WM_NULL));

    // Unhandled messages keep the edit's own behaviour, and a double-byte
    // character typed in two WM_CHAR messages (lead byte, then trail byte 0x5C
    // of 表) arrives whole.
    HWND edit = MakeForeignEdit();
    CEdit sub;
    ASSERT_TRUE(sub.SubclassWindow(edit));
    sub.SetWindowText("12345");
    sub.SetSel(1, 3);
    int start = 0, end = 0;
    sub.GetSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 3);
    sub.ReplaceSel("x");
    CString text;
    sub.GetWindowText(text);
    EXPECT_EQ(text, "1x45");
    sub.LimitText(8);
    EXPECT_EQ(sub.GetLimitText(), 8u);
    for (UINT c : {UINT('z'), 0x95u, 0x5Cu, 0xB1u})  // ｱ, a single byte
        sub.SendMessage(WM_CHAR, c, 1);
    sub.GetWindowText(text);
    EXPECT_EQ(text, "1xz\x95\x5C\xB1" "45");
    sub.UnsubclassWindow();
    ::DestroyWindow(edit);
}

// --- Reflection ---------------------------------------------------------------

class ParentWnd : public CWnd {
public:
    std::vector<WPARAM> commands;
    std::vector<UINT> notifies;
    int drawItems = 0;
    HBRUSH parentBrush = reinterpret_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(wParam);
        return CWnd::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        notifies.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
        *pResult = 11;
        return TRUE;
    }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT) override { return parentBrush; }
    void OnDrawItem(int, LPDRAWITEMSTRUCT) override { ++drawItems; }
};

// Takes EN_CHANGE (while takeChange), notification 1234, its colour and
// its own drawing.
template <class Base>
class Reflecting : public Base {
public:
    bool takeChange = true;
    std::vector<UINT> offered;  // notification codes offered to the child
    HBRUSH childBrush = reinterpret_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    int drawn = 0;
    UINT drawnId = 0;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        switch (message) {
        case WM_COMMAND:
            offered.push_back(HIWORD(wParam));
            return takeChange && HIWORD(wParam) == EN_CHANGE;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->code != 1234)
                return FALSE;
            *pResult = 55;
            return TRUE;
        case WM_CTLCOLOREDIT:
            *pResult = reinterpret_cast<LRESULT>(childBrush);
            return TRUE;
        case WM_DRAWITEM:
            ++drawn;
            drawnId = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlID;
            *pResult = TRUE;
            return TRUE;
        default:
            return FALSE;
        }
    }
};

TEST(Reflection, TheChildObjectSeesItsNotificationsFirst)
{
    ParentWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
    Reflecting<CEdit> child;
    ASSERT_TRUE(child.Create(WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 7));

    // Taken by the child: the parent never hears of EN_CHANGE.
    child.ReplaceSel("a");
    EXPECT_NE(std::find(child.offered.begin(), child.offered.end(), static_cast<UINT>(EN_CHANGE)), child.offered.end());
    for (WPARAM command : parent.commands)
        EXPECT_NE(HIWORD(command), EN_CHANGE);
    EXPECT_NE(std::find(parent.commands.begin(), parent.commands.end(), MAKEWPARAM(7, EN_UPDATE)),
              parent.commands.end());

    // Left to the parent when the child returns FALSE.
    child.takeChange = false;
    parent.commands.clear();
    child.ReplaceSel("b");
    EXPECT_NE(std::find(parent.commands.begin(), parent.commands.end(), MAKEWPARAM(7, EN_CHANGE)),
              parent.commands.end());

    NMHDR header = {child.m_hWnd, 7, 1234};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header)), 55);
    EXPECT_TRUE(parent.notifies.empty());
    header.code = 99;
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header)), 11);
    EXPECT_EQ(parent.notifies, std::vector<UINT>{99});

    HDC dc = ::GetDC(parent.m_hWnd);
    EXPECT_EQ(parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child.m_hWnd)),
              reinterpret_cast<LRESULT>(child.childBrush));
    // A menu command and a control without an object go to the parent.
    child.offered.clear();
    parent.commands.clear();
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(500, 0), 0);
    EXPECT_EQ(parent.commands, std::vector<WPARAM>{MAKEWPARAM(500, 0)});
    EXPECT_TRUE(child.offered.empty());
    HWND plain = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 30, 50, 20, parent.m_hWnd, nullptr, nullptr, nullptr);
    EXPECT_EQ(parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(plain)),
              reinterpret_cast<LRESULT>(parent.parentBrush));
    ::ReleaseDC(parent.m_hWnd, dc);

    // An owner-drawn control draws itself.
    Reflecting<CWnd> button;
    ASSERT_TRUE(button.Create("BUTTON", "", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 50, 90, 80), &parent, 9));
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_GE(button.drawn, 1);
    EXPECT_EQ(button.drawnId, 9u);
    EXPECT_EQ(parent.drawItems, 0);
}

} // namespace
