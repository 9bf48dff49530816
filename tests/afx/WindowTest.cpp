// CWnd: the handle map, subclassing, creation and destruction, typed
// dispatch and reflection of child notifications.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "afx/CEdit.h"
#include "afx/CWnd.h"
#include "support/MessageLog.h"
#include "support/RealInput.h"

namespace {

// Records every message it receives, then handles it as a CWnd does.
struct RecordingWnd : CWnd {
    MessageLog log;
    int postNcDestroyed = 0;  // a second call would delete a self-deleting window twice
    int createResult = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        log.Add(m_hWnd, message, wParam, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override
    {
        return createResult != 0 ? createResult : CWnd::OnCreate(lpCreateStruct);
    }
    void PostNcDestroy() override { ++postNcDestroyed; }
};

HWND MakeForeignEdit(HWND parent = nullptr)
{
    return ::CreateWindowExA(0, "EDIT", "", parent ? WS_CHILD : WS_POPUP, 0, 0, 100, 20, parent,
                             reinterpret_cast<HMENU>(parent ? 31 : 0), nullptr, nullptr);
}

// A foreign window gets one temporary wrapper until an object attaches;
// an attached object owns the window until it detaches.
TEST(HandleMap, WrappersAttachDetachSubclassingCreationAndDestruction)
{
    HWND foreign = MakeForeignEdit();
    EXPECT_TRUE(CWnd::FromHandle(foreign) != nullptr && CWnd::FromHandlePermanent(foreign) == nullptr);
    {
        CWnd owner;
        ASSERT_TRUE(owner.Attach(foreign));
        HWND other = MakeForeignEdit();
        // The owner already holds one.
        EXPECT_EQ((std::tuple{CWnd::FromHandle(foreign), CWnd().Attach(foreign), owner.Attach(other), owner.Detach()}),
                  std::tuple(&owner, FALSE, FALSE, foreign));
        ::DestroyWindow(other);
    }
    // Neither the detached object nor freeing the wrappers ends the window;
    // an object that owns it for one statement does.
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(foreign));
    EXPECT_TRUE(CWnd().Attach(foreign));
    EXPECT_FALSE(::IsWindow(foreign));

    // Subclassing routes the messages through the object and back to the
    // edit's own procedure; unsubclassing restores it.
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    HWND edit = MakeForeignEdit(parent.m_hWnd);
    LONG_PTR original = ::GetWindowLongPtrA(edit, GWLP_WNDPROC);
    RecordingWnd sub;
    ASSERT_TRUE(sub.SubclassDlgItem(31, &parent));
    ::SetWindowTextA(edit, "abc");
    EXPECT_EQ((std::tuple{TextOf(edit), sub.log.Only({WM_SETTEXT}).size(), sub.UnsubclassWindow(),
                          ::GetWindowLongPtrA(edit, GWLP_WNDPROC)}), std::tuple("abc", size_t(1), edit, original));

    // The object is attached before the first message and detached after the last.
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "top", WS_OVERLAPPEDWINDOW, 10, 10, 200, 150, nullptr, nullptr));
    EXPECT_EQ(wnd.log.Messages().front().message, static_cast<UINT>(WM_GETMINMAXINFO));
    RecordingWnd child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 50, 20), &wnd, 77));
    EXPECT_EQ(
        (std::tuple{child.GetDlgCtrlID(), child.GetParent(), wnd.DestroyWindow(), wnd.log.Messages().back().message,
                    wnd.postNcDestroyed + child.postNcDestroyed, wnd.m_hWnd, child.m_hWnd}),
        std::tuple(77, static_cast<CWnd*>(&wnd), TRUE, UINT(WM_NCDESTROY), 2, HWND(), HWND()));

    // A failed create leaves the object detached, with or without its hook run.
    RecordingWnd failed, noClass;
    failed.createResult = -1;
    EXPECT_EQ((std::tuple{failed.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr), failed.m_hWnd,
                          failed.postNcDestroyed,
                          noClass.CreateEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr),
                          noClass.postNcDestroyed}), std::tuple(FALSE, HWND(), 1, FALSE, 1));
}

// Records the arguments each typed handler is given.
struct HandlerWnd : CWnd {
    std::vector<LONG> key, click;
    CWnd* focusFrom = nullptr;

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override { key = {LONG(nChar), LONG(nRepCnt), LONG(nFlags)}; }
    void OnLButtonDown(UINT nFlags, CPoint point) override { click = {LONG(nFlags), point.x, point.y}; }
    void OnSetFocus(CWnd* pOldWnd) override { focusFrom = pOldWnd; }
};

struct ParentWnd : CWnd {
    std::vector<WPARAM> commands;
    std::vector<UINT> notifies;
    int drawItems = 0;

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
    void OnDrawItem(int, LPDRAWITEMSTRUCT) override { ++drawItems; }
};

// Takes EN_CHANGE (while takeChange), notification 1234, its colour and
// its own drawing.
template <class Base> struct Reflecting : Base {
    bool takeChange = true;
    HBRUSH childBrush = reinterpret_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    int drawn = 0;

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        switch (message) {
        case WM_COMMAND:
            return takeChange && HIWORD(wParam) == EN_CHANGE;
        case WM_NOTIFY:
            *pResult = 55;
            return reinterpret_cast<NMHDR*>(lParam)->code == 1234;
        case WM_CTLCOLOREDIT:
            *pResult = reinterpret_cast<LRESULT>(childBrush);
            return TRUE;
        case WM_DRAWITEM:
            drawn += reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlID == 9;
            *pResult = TRUE;
            return TRUE;
        default:
            return FALSE;
        }
    }
};

// Each message reaches its typed handler, the operations act on the window
// and the rest keeps the edit's behaviour; then the child object sees its
// notifications first.
TEST(Dispatch, TypedHandlersTheOperationsTheEditsOwnBehaviourThenReflectionToTheChild)
{
    HandlerWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100, nullptr, nullptr));
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    wnd.SendMessage(WM_KEYDOWN, 'A', MAKELPARAM(3, 0x401E));
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 7));
    wnd.SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(other.m_hWnd));
    EXPECT_EQ(
        std::make_tuple(wnd.key, wnd.click, wnd.focusFrom),
        std::make_tuple(std::vector<LONG>{'A', 3, 0x401E}, std::vector<LONG>{MK_LBUTTON | MK_SHIFT, -5, 7}, &other));

    wnd.SetScrollRange(SB_VERT, 0, 40, FALSE);
    int low = -1, high = -1;
    wnd.GetScrollRange(SB_VERT, &low, &high);
    // The second ModifyStyle changes nothing.
    EXPECT_EQ((std::tuple{low, high, wnd.ModifyStyle(WS_VSCROLL, WS_HSCROLL),
                          wnd.GetStyle() & (WS_VSCROLL | WS_HSCROLL), wnd.ModifyStyle(0, WS_HSCROLL), wnd.GetOwner()}),
              std::tuple(0, 40, TRUE, DWORD(WS_HSCROLL), FALSE, static_cast<CWnd*>(nullptr)));
    wnd.SetOwner(&other);
    EXPECT_EQ(wnd.GetOwner(), &other);

    // Unhandled messages keep the edit's own behaviour, and a double-byte
    // character typed in two WM_CHAR messages (lead byte, then trail byte 0x5C
    // of 表) arrives whole.
    HWND edit = MakeForeignEdit();
    CEdit sub;
    ASSERT_TRUE(sub.SubclassWindow(edit));
    for (UINT c : {UINT('z'), 0x95u, 0x5Cu, 0xB1u})  // ｱ, a single byte
        sub.SendMessage(WM_CHAR, c, 1);
    CString text;
    sub.GetWindowText(text);
    EXPECT_EQ(text, "z\x95\x5C\xB1");
    sub.DestroyWindow();

    ParentWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
    Reflecting<CEdit> child;
    ASSERT_TRUE(child.Create(WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 7));
    auto heard = [&parent](WPARAM id) { return std::count(parent.commands.begin(), parent.commands.end(), id); };
    // Taken by the child, the parent never hears of EN_CHANGE; left to it when the child returns FALSE.
    child.ReplaceSel("a");
    EXPECT_EQ(std::make_tuple(heard(MAKEWPARAM(7, EN_CHANGE)), heard(MAKEWPARAM(7, EN_UPDATE))), std::make_tuple(0, 1));
    child.takeChange = false;
    child.ReplaceSel("b");
    EXPECT_EQ(heard(MAKEWPARAM(7, EN_CHANGE)), 1);

    NMHDR header = {child.m_hWnd, 7, 1234};
    NMHDR unknown = {child.m_hWnd, 7, 99};
    EXPECT_EQ((std::tuple{parent.SendMessage(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header)), parent.notifies.empty(),
                          parent.SendMessage(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&unknown)), parent.notifies}),
              std::tuple(LRESULT(55), true, LRESULT(11), std::vector<UINT>{99}));
    HDC dc = ::GetDC(parent.m_hWnd);
    EXPECT_EQ(parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child.m_hWnd)),
              reinterpret_cast<LRESULT>(child.childBrush));
    ::ReleaseDC(parent.m_hWnd, dc);

    // An owner-drawn control draws itself.
    Reflecting<CWnd> button;
    ASSERT_TRUE(button.Create("BUTTON", "", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 50, 90, 80), &parent, 9));
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_TRUE(button.drawn >= 1 && parent.drawItems == 0);
}

} // namespace
