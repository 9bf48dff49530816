#include "CFlatButton.h"

#include <commctrl.h>

#include <cstring>

#include "afx/AfxWndClass.h"
#include "afx/CClientDC.h"
#include "afx/CDC.h"
#include "afx/CFont.h"
#include "afx/CFrameWnd.h"
#include "afx/CPaintDC.h"
#include "afx/ShiftJis.h"
#include "afx/CToolTipCtrl.h"
#include "afx/CWinApp.h"

namespace {

const char kEllipsis[] = "...";
const int kInset = 3;  // content rectangle inside the client area

bool SameWindow(const CWnd* a, const CWnd* b)
{
    return a != nullptr && b != nullptr && a->GetSafeHwnd() == b->GetSafeHwnd();
}

// a is b, or b is a's top-level parent or top-level owner.
bool RelatedTo(const CWnd* a, const CWnd* b)
{
    return SameWindow(a, b) || SameWindow(a->GetTopLevelParent(), b) || SameWindow(a->GetTopLevelOwner(), b);
}

CSize IconSize(HICON hIcon)
{
    ICONINFO info;
    if (!::GetIconInfo(hIcon, &info))
        return CSize(0, 0);
    // GetIconInfo hands over copies of the icon's bitmaps.
    if (info.hbmMask != nullptr)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    return CSize(static_cast<int>(info.xHotspot) * 2, static_cast<int>(info.yHotspot) * 2);
}

CSize BitmapSize(HBITMAP hBitmap)
{
    BITMAP bitmap;
    if (::GetObjectA(hBitmap, sizeof bitmap, &bitmap) != sizeof bitmap)
        return CSize(0, 0);
    return CSize(bitmap.bmWidth, bitmap.bmHeight);
}

// Copies text into a field of nSize bytes, cut so that a double-byte
// character is never split, always terminated.
void CopyCut(char* field, size_t nSize, const char* text)
{
    size_t length = sjis::FitLength(text, nSize - 1);
    std::memcpy(field, text, length);
    field[length] = '\0';
}

// Lets the mouse go if the window holds it.
void ReleaseMouse(const CWnd* pWnd)
{
    if (CWnd::GetCapture() == pWnd)
        ::ReleaseCapture();
}

// Puts hNew in place of *pImage and gives the old image. A follower (the
// disabled image) that is unset or the same as the old image becomes hNew
// too. The button repaints when the image is the one its state shows.
template <class Handle>
Handle ReplaceImage(CWnd* pButton, bool bShown, Handle* pImage, Handle hNew, Handle* pFollower = nullptr)
{
    Handle previous = *pImage;
    if (pFollower != nullptr && (*pFollower == nullptr || *pFollower == previous))
        *pFollower = hNew;
    *pImage = hNew;
    if (bShown && pButton->m_hWnd != nullptr)
        pButton->Invalidate();
    return previous;
}

} // namespace

CFlatButton::CFlatButton()
    : m_pParent(nullptr), m_pCommandTarget(nullptr), m_nID(0), m_dwStyle(0), m_hIcon(nullptr), m_hBitmap(nullptr),
      m_hDisIcon(nullptr), m_hDisBitmap(nullptr), m_bEnabled(TRUE), m_bPressed(FALSE), m_nFrameState(FrameFlat),
      m_bToolTipsOn(FALSE), m_nTimer(0), m_hFont(nullptr)
{
}

CFlatButton::~CFlatButton()
{
    StopHoverTimer();
}

// ---------------------------------------------------------------------------
// Creation and content

int CFlatButton::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    m_pParent = pParent;
    m_pCommandTarget = pParent;
    m_nID = nID;
    m_dwStyle = dwStyle & 0xFFFF;
    if (!CWnd::Create(nullptr, "", dwStyle | WS_CHILD, rect, pParent, nID))
        return FALSE;
    if (GetFont() == nullptr)
        SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(SYSTEM_FONT))), TRUE);
    return TRUE;
}

int CFlatButton::Create(const char* pText, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    int created = Create(dwStyle, rect, pParent, nID);
    SetString(pText);
    return created;
}

int CFlatButton::Create(HBITMAP hBitmap, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    int created = Create(dwStyle, rect, pParent, nID);
    SetBitmap(hBitmap);
    return created;
}

int CFlatButton::Create(HICON hIcon, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID)
{
    int created = Create(dwStyle, rect, pParent, nID);
    SetIcon(hIcon);
    return created;
}

BOOL CFlatButton::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return cs.lpszClass != nullptr;
}

HICON CFlatButton::SetIcon(HICON hIcon)
{
    return ReplaceImage(this, m_bEnabled != FALSE, &m_hIcon, hIcon, &m_hDisIcon);
}

HBITMAP CFlatButton::SetBitmap(HBITMAP hBitmap)
{
    return ReplaceImage(this, m_bEnabled != FALSE, &m_hBitmap, hBitmap, &m_hDisBitmap);
}

HICON CFlatButton::SetDisIcon(HICON hIcon)
{
    return ReplaceImage(this, m_bEnabled == FALSE, &m_hDisIcon, hIcon);
}

HBITMAP CFlatButton::SetDisBitmap(HBITMAP hBitmap)
{
    return ReplaceImage(this, m_bEnabled == FALSE, &m_hDisBitmap, hBitmap);
}

HICON CFlatButton::GetIcon() const { return m_hIcon; }
HBITMAP CFlatButton::GetBitmap() const { return m_hBitmap; }
HICON CFlatButton::GetDisIcon() const { return m_hDisIcon; }
HBITMAP CFlatButton::GetDisBitmap() const { return m_hDisBitmap; }

CString CFlatButton::SetString(const char* pText)
{
    CString previous = m_strText;
    m_strText = pText;
    if (m_hWnd != nullptr)
        Invalidate();
    return previous;
}

CString CFlatButton::GetString()
{
    return m_strText;
}

int CFlatButton::EnableButton(int bEnable)
{
    int previous = m_bEnabled;
    if (bEnable != m_bEnabled) {
        m_bEnabled = bEnable;
        if (m_hWnd != nullptr)
            Invalidate();
    }
    return previous;
}

int CFlatButton::IsButtonEnabled() const
{
    return m_bEnabled;
}

int CFlatButton::EnableToolTips(int bEnable)
{
    m_bToolTipsOn = CWnd::EnableToolTips(bEnable);
    return m_bToolTipsOn;
}

CString CFlatButton::GetToolTipsText() const
{
    return m_strToolTip;
}

void CFlatButton::SetToolTipsText(const char* pText)
{
    m_strToolTip = pText;
}

int CFlatButton::GetFrameState() const
{
    return m_nFrameState;
}

// ---------------------------------------------------------------------------
// Drawing

CString CFlatButton::ShortenText(CDC* pDC, const CString& text, int nWidth)
{
    const char* start = text;
    int length = text.GetLength();
    if (pDC->GetTextExtent(start, length).cx < nWidth)
        return text;
    // Each step back ends the prefix before the character reached.
    const char* reached = start + (length > 0 ? length - 1 : 0);
    for (;;) {
        reached = sjis::PrevChar(start, reached);
        if (reached <= start)
            return CString();
        CString candidate(start, static_cast<int>(reached - start));
        candidate += kEllipsis;
        if (pDC->GetTextExtent(candidate, candidate.GetLength()).cx < nWidth)
            return candidate;
    }
}

void CFlatButton::DrawContent(CDC* pDC, BOOL bErase, BOOL bPressedOffset)
{
    CRect rect;
    GetClientRect(&rect);
    if (bErase)
        pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    rect.InflateRect(-kInset, -kInset);
    if (bPressedOffset)
        rect.OffsetRect(1, 1);
    if ((m_dwStyle & BS_ICON) && m_hIcon != nullptr)
        DrawImage(pDC, rect, m_bEnabled ? m_hIcon : m_hDisIcon, nullptr);
    else if ((m_dwStyle & BS_BITMAP) && m_hBitmap != nullptr)
        DrawImage(pDC, rect, nullptr, m_bEnabled ? m_hBitmap : m_hDisBitmap);
    else
        DrawCaption(pDC, rect);
}

void CFlatButton::DrawImage(CDC* pDC, CRect rect, HICON hIcon, HBITMAP hBitmap)
{
    CSize size = hIcon != nullptr ? IconSize(hIcon) : BitmapSize(hBitmap);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    int dx = rect.Width() - size.cx;
    int dy = rect.Height() - size.cy;
    rect.right -= dx % 2;
    rect.bottom -= dy % 2;
    rect.InflateRect(-(dx / 2), -(dy / 2));
    switch (m_dwStyle & (BS_LEFT | BS_RIGHT)) {
    case BS_LEFT:
        rect.OffsetRect(-(dx / 2), 0);
        break;
    case BS_RIGHT:
        rect.OffsetRect(dx / 2, 0);
        break;
    }
    switch (m_dwStyle & (BS_TOP | BS_BOTTOM)) {
    case BS_TOP:
        rect.OffsetRect(0, -(dy / 2));
        break;
    case BS_BOTTOM:
        rect.OffsetRect(0, dy / 2);
        break;
    }
    if (hIcon != nullptr) {
        ::DrawIconEx(*pDC, rect.left, rect.top, hIcon, rect.Width(), rect.Height(), 0, nullptr, DI_NORMAL);
        return;
    }
    HDC hMemDC = ::CreateCompatibleDC(*pDC);
    if (hMemDC == nullptr)
        return;
    HGDIOBJ previous = ::SelectObject(hMemDC, hBitmap);
    int oldMode = ::SetStretchBltMode(*pDC, COLORONCOLOR);
    ::StretchBlt(*pDC, rect.left, rect.top, rect.Width(), rect.Height(), hMemDC, 0, 0, size.cx, size.cy, SRCCOPY);
    ::SetStretchBltMode(*pDC, oldMode);
    ::SelectObject(hMemDC, previous);
    ::DeleteDC(hMemDC);
}

void CFlatButton::DrawCaption(CDC* pDC, CRect rect)
{
    int oldMode = pDC->SetBkMode(TRANSPARENT);
    HGDIOBJ oldFont = m_hFont != nullptr ? ::SelectObject(*pDC, m_hFont) : nullptr;
    COLORREF oldColor = m_bEnabled ? pDC->GetTextColor() : pDC->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    CString text = m_strText;
    if (pDC->GetTextExtent(text, text.GetLength()).cx >= rect.Width()) {
        text = ShortenText(pDC, text, rect.Width());
        format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
    }
    if (format & DT_CENTER) {
        if ((m_dwStyle & (BS_LEFT | BS_RIGHT)) == BS_LEFT)
            format &= ~DT_CENTER;
        else if ((m_dwStyle & (BS_LEFT | BS_RIGHT)) == BS_RIGHT)
            format = (format & ~DT_CENTER) | DT_RIGHT;
    }
    if ((m_dwStyle & (BS_TOP | BS_BOTTOM)) == BS_TOP)
        format &= ~DT_VCENTER;
    else if ((m_dwStyle & (BS_TOP | BS_BOTTOM)) == BS_BOTTOM)
        format = (format & ~DT_VCENTER) | DT_BOTTOM;
    pDC->DrawText(text, text.GetLength(), &rect, format);
    pDC->SetTextColor(oldColor);
    if (oldFont != nullptr)
        ::SelectObject(*pDC, oldFont);
    pDC->SetBkMode(oldMode);
}

void CFlatButton::DrawFrame(int nState, BOOL bRedraw)
{
    m_nFrameState = nState;
    if (m_hWnd == nullptr)
        return;
    CClientDC dc(this);
    if (bRedraw)
        DrawContent(&dc, TRUE, nState == FrameSunken);
    static const int kTopLeft[3] = {COLOR_BTNFACE, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
    static const int kBottomRight[3] = {COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    int state = nState >= FrameFlat && nState <= FrameSunken ? nState : FrameFlat;
    CRect rect;
    GetClientRect(&rect);
    HPEN topLeft = ::CreatePen(PS_SOLID, 1, ::GetSysColor(kTopLeft[state]));
    HPEN bottomRight = ::CreatePen(PS_SOLID, 1, ::GetSysColor(kBottomRight[state]));
    if (topLeft != nullptr && bottomRight != nullptr) {
        HGDIOBJ oldPen = ::SelectObject(dc, topLeft);
        dc.MoveTo(rect.left, rect.top);
        dc.LineTo(rect.left, rect.bottom);
        dc.MoveTo(rect.left, rect.top);
        dc.LineTo(rect.right, rect.top);
        ::SelectObject(dc, bottomRight);
        dc.MoveTo(rect.right - 1, rect.top);
        dc.LineTo(rect.right - 1, rect.bottom);
        dc.MoveTo(rect.left, rect.bottom - 1);
        dc.LineTo(rect.right, rect.bottom - 1);
        ::SelectObject(dc, oldPen);
    }
    if (topLeft != nullptr)
        ::DeleteObject(topLeft);
    if (bottomRight != nullptr)
        ::DeleteObject(bottomRight);
}

void CFlatButton::ChangeFrame(int nState)
{
    BOOL redraw = nState == FrameSunken ? m_nFrameState != FrameSunken : m_nFrameState == FrameSunken;
    DrawFrame(nState, redraw);
}

// ---------------------------------------------------------------------------
// Hover and clicks

void CFlatButton::StartHoverTimer()
{
    if (m_nTimer == 0 && m_hWnd != nullptr)
        m_nTimer = static_cast<UINT>(SetTimer(HoverTimerId, HoverTimerPeriod));
}

void CFlatButton::StopHoverTimer()
{
    if (m_nTimer != 0 && m_hWnd != nullptr)
        KillTimer(m_nTimer);
    m_nTimer = 0;
}

BOOL CFlatButton::BelongsToActiveWindow() const
{
    CWnd* pFrame = GetParentFrame();
    CWnd* pActive = CWnd::GetActiveWindow();
    if (pFrame == nullptr || pActive == nullptr)
        return FALSE;
    return RelatedTo(pFrame, pActive) || RelatedTo(pActive, pFrame);
}

BOOL CFlatButton::CursorInside() const
{
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    CRect client;
    GetClientRect(&client);
    return client.PtInRect(cursor);
}

void CFlatButton::ShowPrompt(BOOL bInside)
{
    CString prompt;
    CWinApp* app = AfxGetApp();
    CWnd* pMain = app != nullptr ? app->m_pMainWnd : nullptr;
    if (pMain == nullptr || pMain->GetSafeHwnd() == nullptr || !prompt.LoadString(m_nID))
        return;
    if (bInside) {
        pMain->SendMessage(WM_SETMESSAGESTRING, m_nID);
        return;
    }
    CWnd* pPopup = pMain->GetLastActivePopup();
    if (pPopup != nullptr && pPopup->GetSafeHwnd() != pMain->GetSafeHwnd())
        pPopup->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    else
        pMain->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
}

void CFlatButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!BelongsToActiveWindow()) {
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    CRect client;
    GetClientRect(&client);
    BOOL inside = client.PtInRect(point);
    if (!m_bEnabled) {
        StopHoverTimer();
    } else if (inside || m_bPressed) {
        StartHoverTimer();
        ChangeFrame(m_bPressed && inside ? FrameSunken : FrameRaised);
    } else {
        ChangeFrame(FrameFlat);
        StopHoverTimer();
    }
    ShowPrompt(inside);
    CWnd::OnMouseMove(nFlags, point);
}

void CFlatButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_bEnabled) {
        StopHoverTimer();
        ReleaseMouse(this);
    } else if (m_nTimer != 0) {
        ChangeFrame(FrameSunken);
        m_bPressed = TRUE;
        SetCapture();
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CFlatButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bEnabled) {
        StopHoverTimer();
        ReleaseMouse(this);
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    ReleaseMouse(this);
    if (m_nTimer != 0) {
        CRect client;
        GetClientRect(&client);
        if (client.PtInRect(point)) {
            if (m_bPressed && m_pCommandTarget != nullptr) {
                HWND hWnd = m_hWnd;
                m_pCommandTarget->SendMessage(WM_COMMAND, MAKEWPARAM(m_nID, 0), reinterpret_cast<LPARAM>(hWnd));
                // The command may have destroyed the button.
                if (!::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != this)
                    return;
            }
            if (CursorInside())
                ChangeFrame(FrameRaised);
        } else {
            ChangeFrame(FrameFlat);
            StopHoverTimer();
        }
    }
    m_bPressed = FALSE;
    CWnd::OnLButtonUp(nFlags, point);
}

BOOL CFlatButton::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

void CFlatButton::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != HoverTimerId) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (CWnd::GetCapture() == this)
        return;
    if (CursorInside() && BelongsToActiveWindow())
        return;
    ChangeFrame(FrameFlat);
    StopHoverTimer();
    m_bPressed = FALSE;
}

void CFlatButton::OnPaint()
{
    CPaintDC dc(this);
    DrawContent(&dc, FALSE, FALSE);
    // Disabled too: the raised frame then stays until the next state change.
    if (CursorInside())
        DrawFrame(FrameRaised, m_nFrameState != FrameRaised);
}

// ---------------------------------------------------------------------------
// Tooltips and font

INT_PTR CFlatButton::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    CRect client;
    GetClientRect(&client);
    if (!m_bToolTipsOn || !client.PtInRect(point) || pTI == nullptr || pTI->cbSize < TTTOOLINFOA_V2_SIZE)
        return -1;
    pTI->hwnd = m_hWnd;
    pTI->uId = m_nID;
    pTI->rect = client;
    pTI->lpszText = LPSTR_TEXTCALLBACKA;
    pTI->uFlags |= TTF_NOTBUTTON;
    return 1;
}

BOOL CFlatButton::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header == nullptr || header->idFrom > 0xFFFF ||
        (header->code != TTN_NEEDTEXTA && header->code != TTN_NEEDTEXTW))
        return CWnd::OnNotify(wParam, lParam, pResult);
    if (header->code == TTN_NEEDTEXTA) {
        auto* request = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        CopyCut(request->szText, sizeof request->szText, m_strToolTip);
        request->lpszText = request->szText;
        request->hinst = nullptr;
    } else {
        auto* request = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        char text[sizeof request->szText / sizeof request->szText[0]];
        CopyCut(text, sizeof text, m_strToolTip);
        if (::MultiByteToWideChar(CP_ACP, 0, text, -1, request->szText, sizeof text) == 0)
            request->szText[0] = L'\0';
        request->lpszText = request->szText;
        request->hinst = nullptr;
    }
    if (pResult != nullptr)
        *pResult = 0;
    return TRUE;
}

LRESULT CFlatButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFONT:
        OnSetFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_hFont);
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CFlatButton::OnSetFont(HFONT hFont, BOOL bRedraw)
{
    m_hFont = hFont;
    if (bRedraw)
        Invalidate();
}
