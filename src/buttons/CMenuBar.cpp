#include "CMenuBar.h"

#include <new>

#include "afx/AfxWndClass.h"
#include "afx/CClientDC.h"
#include "afx/CDC.h"
#include "afx/CFont.h"
#include "afx/CMultiDocTemplate.h"
#include "afx/CPaintDC.h"
#include "afx/ShiftJis.h"

namespace {

const char kEllipsis[] = "...";

int TextWidth(CDC* pDC, const char* text, int length)
{
    return pDC->GetTextExtent(text, length).cx;
}

bool KeyHeld(int vk)
{
    return ::GetKeyState(vk) < 0;
}

} // namespace

CMenuBar::CMenuBar()
    : m_pOwner(nullptr), m_nID(0), m_pFont(nullptr), m_nMsg(0), m_bScroll(FALSE), m_nFirst(0), m_nVisible(0),
      m_nHot(-1), m_nHotState(HotFlat), m_bPressed(FALSE), m_bKeyRelease(FALSE), m_nWidestCaption(0),
      m_nBtnWidth(0), m_nBtnHeight(0), m_bFace(1), m_bSendComID(TRUE), m_bUnderText(TRUE), m_bTextDsp(TRUE),
      m_bBtnToText(TRUE)
{
}

CMenuBar::~CMenuBar()
{
    RemoveAllBtn();
    if (m_toolTip.GetSafeHwnd() != nullptr)
        m_toolTip.DestroyWindow();
    if (m_spin.GetSafeHwnd() != nullptr)
        m_spin.DestroyWindow();
    DestroyWindow();
    delete m_pFont;
}

// ---------------------------------------------------------------------------
// Creation

BOOL CMenuBar::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>((m_bFace ? COLOR_BTNFACE : COLOR_MENU) + 1));
    return cs.lpszClass != nullptr;
}

int CMenuBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, UINT nMsg, int bFace)
{
    m_nMsg = nMsg;
    m_bFace = bFace;
    m_pOwner = pParent;
    m_nID = nID;
    if (!CWnd::Create(nullptr, "", dwStyle | WS_CHILD, rect, pParent, nID))
        return 0;
    if (!m_spin.Create(WS_CHILD, CRect(0, 0, 0, 0), this, SpinId))
        return 0;

    HGDIOBJ source = nullptr;
    CFont* pOwnerFont = pParent != nullptr ? pParent->GetFont() : nullptr;
    if (pOwnerFont != nullptr)
        source = pOwnerFont->GetSafeHandle();
    if (source == nullptr)
        source = ::GetStockObject(DEFAULT_GUI_FONT);
    if (source == nullptr)
        source = ::GetStockObject(SYSTEM_FONT);
    LOGFONTA description;
    if (source != nullptr && ::GetObjectA(source, sizeof description, &description) == sizeof description) {
        m_pFont = new (std::nothrow) CFont;
        if (m_pFont != nullptr && !m_pFont->CreateFontIndirect(&description)) {
            delete m_pFont;
            m_pFont = nullptr;
        }
    }

    m_rcIcon.SetRect(0, 0, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    Layout();
    UpdateScroll();

    if (m_toolTip.Create(this, TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON)) {
        m_toolTip.SetDelayTime(TTDT_INITIAL, 500);
        m_toolTip.SetDelayTime(TTDT_AUTOPOP, 30000);
        m_toolTip.SetDelayTime(TTDT_RESHOW, 500);
        RECT margin = {12, 0, 12, 0};
        m_toolTip.SetMargin(&margin);
    }
    return 1;
}

// ---------------------------------------------------------------------------
// Buttons

int CMenuBar::AddBtn(HICON hIcon, const char* pText, UINT nComID, CMultiDocTemplate* pTemplate)
{
    int index = static_cast<int>(m_icons.Add(hIcon));
    m_captions.Add(pText);
    m_comIDs.Add(nComID);
    m_templates.Add(pTemplate);
    MeasureCaption(pText);
    Layout();
    UpdateScroll();
    Repaint();
    return index;
}

void CMenuBar::InsertBtn(int nIndex, HICON hIcon, const char* pText, UINT nComID, CMultiDocTemplate* pTemplate)
{
    if (nIndex < 0)
        return;
    if (nIndex > GetBtnCount())
        nIndex = GetBtnCount();
    m_icons.InsertAt(nIndex, hIcon);
    m_captions.InsertAt(nIndex, pText);
    m_comIDs.InsertAt(nIndex, nComID);
    m_templates.InsertAt(nIndex, pTemplate);
    MeasureCaption(pText);
    Layout();
    UpdateScroll();
    Repaint();
}

void CMenuBar::RemoveBtn(int nIndex, int nCount)
{
    m_icons.RemoveAt(nIndex, nCount);
    m_captions.RemoveAt(nIndex, nCount);
    m_comIDs.RemoveAt(nIndex, nCount);
    m_templates.RemoveAt(nIndex, nCount);
    if (m_nFirst + m_nHot >= GetBtnCount())
        m_nHot = -1;
    UpdateScroll();
    Repaint();
}

void CMenuBar::RemoveAllBtn()
{
    m_icons.RemoveAll();
    m_captions.RemoveAll();
    m_comIDs.RemoveAll();
    m_templates.RemoveAll();
    m_nHot = -1;
    if (m_hWnd != nullptr) {
        UpdateScroll();
        Repaint();
    }
}

void CMenuBar::SetBtnString(int n, const char* pText)
{
    m_captions.SetAt(n, pText);
    Repaint();
}

void CMenuBar::SetBtnComID(int n, UINT nComID)
{
    m_comIDs.SetAt(n, nComID);
}

HICON CMenuBar::GetIcon(int n)
{
    return static_cast<HICON>(m_icons.GetAt(n));
}

int CMenuBar::GetBtnCount() const
{
    return static_cast<int>(m_icons.GetSize());
}

CString CMenuBar::GetBtnString(int n) const { return m_captions.GetAt(n); }
UINT CMenuBar::GetBtnComID(int n) const { return m_comIDs.GetAt(n); }
CMultiDocTemplate* CMenuBar::GetBtnTemplate(int n) const
{
    return static_cast<CMultiDocTemplate*>(m_templates.GetAt(n));
}

// ---------------------------------------------------------------------------
// Settings

void CMenuBar::SetSendComID(int bSend) { m_bSendComID = bSend; }

void CMenuBar::SetUnderText(int bUnder)
{
    m_bUnderText = bUnder;
    Layout();
    UpdateScroll();
    Repaint();
}

void CMenuBar::SetTextDsp(int bShow)
{
    m_bTextDsp = bShow;
    Layout();
    UpdateScroll();
    Repaint();
}

void CMenuBar::SetBtnToText(int bSize)
{
    if (bSize == m_bBtnToText)
        return;
    m_bBtnToText = bSize;
    ApplyCaptionWidth();
    Layout();
    UpdateScroll();
    Repaint();
}

void CMenuBar::SetIconSize(const SIZE& size)
{
    m_rcIcon.SetRect(0, 0, size.cx, size.cy);
    Layout();
    UpdateScroll();
    Repaint();
}

int CMenuBar::SetButtonSize(const CSize& size)
{
    if (size.cx < m_rcIcon.Width() + 6 || size.cy < m_rcIcon.Height() + 6)
        return 0;
    m_nBtnWidth = size.cx;
    m_nBtnHeight = size.cy;
    Layout();
    UpdateScroll();
    Repaint();
    return 1;
}

CSize CMenuBar::GetIconSize() const { return m_rcIcon.Size(); }
CSize CMenuBar::GetButtonSize() const { return m_rcButton.Size(); }

CSize CMenuBar::GetMiniBarSize() const
{
    return CSize(m_rcButton.Width() + Margin, m_rcButton.Height() * GetBtnCount() + Margin);
}

int CMenuBar::GetBtnNo(const POINT& point)
{
    for (int slot = 0; slot < m_nVisible && m_nFirst + slot < GetBtnCount(); ++slot) {
        if (SlotRect(slot).PtInRect(point))
            return slot;
    }
    return -1;
}

int CMenuBar::GetFirstVisible() const { return m_nFirst; }
int CMenuBar::GetVisibleCount() const { return m_nVisible; }
BOOL CMenuBar::IsScrollMode() const { return m_bScroll; }
int CMenuBar::GetHotButton() const { return m_nHot; }
int CMenuBar::GetHotState() const { return m_nHotState; }
CSpinButtonCtrl* CMenuBar::GetSpinCtrl() { return &m_spin; }
CToolTipCtrl* CMenuBar::GetToolTipCtrl() { return &m_toolTip; }

void CMenuBar::SetToolTip(int n, const char* pText)
{
    CRect slot(0, n * m_rcButton.Height(), m_rcButton.Width(), (n + 1) * m_rcButton.Height());
    m_toolTip.AddTool(this, pText, &slot, ToolIdBase + n);
}

void CMenuBar::SetToolTipFont(CFont* pFont)
{
    if (m_toolTip.GetSafeHwnd() == nullptr)
        return;
    m_toolTip.SetFont(pFont != nullptr ? pFont : CFont::FromHandle(static_cast<HFONT>(::GetStockObject(SYSTEM_FONT))));
}

// ---------------------------------------------------------------------------
// Layout and scrolling

int CMenuBar::CaptionHeight() const
{
    if (m_hWnd == nullptr)
        return 0;
    CClientDC dc(const_cast<CMenuBar*>(this));
    HGDIOBJ old = m_pFont != nullptr ? ::SelectObject(dc, m_pFont->GetSafeHandle()) : nullptr;
    TEXTMETRICA metrics;
    int height = dc.GetTextMetrics(&metrics) ? metrics.tmHeight : 0;
    if (old != nullptr)
        ::SelectObject(dc, old);
    return height;
}

// Every slot is the icon plus 3 pixels square, whatever the width setting and
// the captions: the caption band lies over the icon's lower part.
void CMenuBar::Layout()
{
    int cx = m_rcIcon.Width(), cy = m_rcIcon.Height();
    bool tall = m_nBtnHeight > 0;
    int textHeight = CaptionHeight();
    m_rcButton.SetRect(0, 0, cx + 3, cy + 3);
    m_rcIcon.SetRect(0, 0, cx, cy);
    m_rcIcon.OffsetRect((m_rcButton.Width() - cx) / 2 + 2, m_rcButton.top + (tall ? 5 : 2));
    m_rcCaption.SetRect(0, 0, m_rcButton.Width() - 1, textHeight);
    m_rcCaption.OffsetRect(m_rcButton.left + 3, m_rcButton.bottom - (tall ? 6 : 3) - textHeight);
}

void CMenuBar::UpdateScroll()
{
    if (m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    int count = GetBtnCount();
    int height = m_rcButton.Height();
    if (height <= 0 || client.Height() >= height * count + Margin) {
        m_nVisible = count;
        m_nFirst = 0;
        m_bScroll = FALSE;
        if (m_spin.GetSafeHwnd() != nullptr)
            m_spin.ShowWindow(SW_HIDE);
        return;
    }
    m_nVisible = (client.Height() - SpinHeight - Margin) / height;
    if (m_nVisible < 0)
        m_nVisible = 0;
    int last = count - m_nVisible;
    m_spin.SetRange(0, static_cast<short>(last));
    if (m_nFirst > last) {
        m_nFirst = last;
        m_spin.SetPos(m_nFirst);
    }
    m_bScroll = TRUE;
    m_spin.SetWindowPos(nullptr, 0, client.Height() - SpinHeight, client.Width(), SpinHeight,
                        SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CMenuBar::Repaint()
{
    if (m_hWnd != nullptr)
        Invalidate();
}

void CMenuBar::MeasureCaption(const char* pText)
{
    if (m_hWnd != nullptr && pText != nullptr) {
        CClientDC dc(this);
        HGDIOBJ old = m_pFont != nullptr ? ::SelectObject(dc, m_pFont->GetSafeHandle()) : nullptr;
        int width = TextWidth(&dc, pText, lstrlenA(pText));
        if (old != nullptr)
            ::SelectObject(dc, old);
        if (width + 2 > m_nWidestCaption)
            m_nWidestCaption = width + 2;
    }
    ApplyCaptionWidth();
}

void CMenuBar::ApplyCaptionWidth()
{
    if (!m_bTextDsp || !m_bBtnToText)
        return;
    int width = m_nBtnWidth > 0 ? m_nBtnWidth : 2 * m_rcIcon.Width();
    if (width < m_nWidestCaption + 6)
        width = m_nWidestCaption + 6;
    m_nBtnWidth = width;
}

CRect CMenuBar::SlotRect(int nSlot) const
{
    CRect slot = m_rcButton;
    slot.OffsetRect(0, nSlot * m_rcButton.Height());
    return slot;
}

void CMenuBar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    Layout();
    UpdateScroll();
}

void CMenuBar::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    const MSG* current = GetCurrentMessage();
    if (current == nullptr || reinterpret_cast<HWND>(current->lParam) != m_spin.GetSafeHwnd()) {
        CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    if (nSBCode == SB_ENDSCROLL)
        return;
    int position = static_cast<short>(nPos);
    if (position != m_nFirst) {
        m_nFirst = position;
        Repaint();
    }
}

// ---------------------------------------------------------------------------
// Painting

CString CMenuBar::ShortenCaption(CDC* pDC, const CString& text, int nWidth)
{
    const char* start = text;
    int length = text.GetLength();
    if (TextWidth(pDC, start, length) < nWidth)
        return text;
    int room = nWidth - TextWidth(pDC, kEllipsis, 3);
    int kept = 0;
    for (int i = 0; i < length;) {
        int step = sjis::CharLength(start + i, static_cast<size_t>(length - i));
        if (TextWidth(pDC, start, i + step) > room)
            break;
        i += step;
        kept = i;
    }
    CString shortened(start, kept);
    shortened += kEllipsis;
    return shortened;
}

COLORREF CMenuBar::BarColor() const
{
    return ::GetSysColor(m_bFace ? COLOR_BTNFACE : COLOR_MENU);
}

void CMenuBar::DrawButton(CDC* pDC, int nSlot, BOOL bPressedOffset)
{
    int index = m_nFirst + nSlot;
    int offset = bPressedOffset ? 1 : 0;
    CRect icon = m_rcIcon;
    icon.OffsetRect(offset, nSlot * m_rcButton.Height() + offset);
    HICON hIcon = GetIcon(index);
    if (hIcon != nullptr)
        ::DrawIconEx(*pDC, icon.left, icon.top, hIcon, icon.Width(), icon.Height(), 0, nullptr, DI_NORMAL);
    if (!m_bTextDsp)
        return;
    CRect caption = m_rcCaption;
    caption.OffsetRect(offset, nSlot * m_rcButton.Height() + offset);
    CString text = m_captions.GetAt(index);
    UINT format = DT_SINGLELINE | DT_VCENTER;
    if (TextWidth(pDC, text, text.GetLength()) < caption.Width()) {
        format |= DT_CENTER;
    } else {
        text = ShortenCaption(pDC, text, caption.Width());
        format |= DT_LEFT;
    }
    pDC->DrawText(text, text.GetLength(), &caption, format);
}

void CMenuBar::DrawFrame(CDC* pDC, int nSlot, int nState)
{
    CRect r = SlotRect(nSlot);
    r.right += 3;
    COLORREF edge = nState == HotRaised ? RGB(0, 0, 0) : ::GetSysColor(COLOR_BTNSHADOW);
    HPEN outline = ::CreatePen(PS_SOLID, 1, edge);
    HPEN inner = ::CreatePen(PS_SOLID, 1, nState == HotSunken ? BarColor() : edge);
    HPEN black = ::CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HPEN shadow = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    if (outline != nullptr && inner != nullptr && black != nullptr && shadow != nullptr) {
        HGDIOBJ old = ::SelectObject(*pDC, outline);
        POINT box[5] = {{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
        pDC->Polyline(box, 5);
        ::SelectObject(*pDC, inner);
        POINT lower[3] = {{r.right - 1, r.top + 2}, {r.right - 1, r.bottom - 1}, {r.left + 1, r.bottom - 1}};
        pDC->Polyline(lower, 3);
        if (nState == HotSunken) {
            ::SelectObject(*pDC, shadow);
            POINT upper[3] = {{r.right - 2, r.top + 1}, {r.left + 1, r.top + 1}, {r.left + 1, r.bottom - 1}};
            pDC->Polyline(upper, 3);
            ::SelectObject(*pDC, black);
            POINT outer[3] = {{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}};
            pDC->Polyline(outer, 3);
        }
        ::SelectObject(*pDC, old);
    }
    for (HPEN pen : {outline, inner, black, shadow}) {
        if (pen != nullptr)
            ::DeleteObject(pen);
    }
}

void CMenuBar::DrawHot(int nSlot, int nState, BOOL bRedraw)
{
    if (nSlot < 0 || m_hWnd == nullptr)
        return;
    m_nHotState = nState;
    CClientDC dc(this);
    if (bRedraw) {
        CRect slot = SlotRect(nSlot);
        slot.right += 2;
        dc.FillSolidRect(&slot, BarColor());
        int oldMode = dc.SetBkMode(TRANSPARENT);
        HGDIOBJ oldFont = m_pFont != nullptr ? ::SelectObject(dc, m_pFont->GetSafeHandle()) : nullptr;
        DrawButton(&dc, nSlot, nState == HotSunken);
        if (oldFont != nullptr)
            ::SelectObject(dc, oldFont);
        dc.SetBkMode(oldMode);
    }
    DrawFrame(&dc, nSlot, nState);
}

void CMenuBar::OnPaint()
{
    CPaintDC dc(this);
    int oldMode = dc.SetBkMode(TRANSPARENT);
    HGDIOBJ oldFont = m_pFont != nullptr ? ::SelectObject(dc, m_pFont->GetSafeHandle()) : nullptr;
    // A repaint draws every slot flat, the hot one too.
    for (int slot = 0; slot < m_nVisible && m_nFirst + slot < GetBtnCount(); ++slot) {
        DrawButton(&dc, slot, FALSE);
        DrawFrame(&dc, slot, HotFlat);
    }
    if (oldFont != nullptr)
        ::SelectObject(dc, oldFont);
    dc.SetBkMode(oldMode);
}

// ---------------------------------------------------------------------------
// Mouse and keys

BOOL CMenuBar::InActiveWindow() const
{
    CWnd* pActive = CWnd::GetActiveWindow();
    return pActive != nullptr && (pActive->GetSafeHwnd() == m_hWnd || pActive->IsChild(this));
}

void CMenuBar::ReleaseHeldCapture(BOOL bKeyRelease)
{
    if (CWnd::GetCapture() == this) {
        ::ReleaseCapture();
        if (bKeyRelease)
            m_bKeyRelease = TRUE;
    }
}

void CMenuBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd* pFocus = CWnd::GetFocus();
    CWnd* pFocusParent = pFocus != nullptr ? pFocus->GetParent() : nullptr;
    if (m_pOwner == nullptr || pFocusParent == nullptr || pFocusParent->GetSafeHwnd() != m_pOwner->GetSafeHwnd()) {
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    int slot = GetBtnNo(point);
    if ((slot != -1 || (nFlags & MK_LBUTTON)) && !m_bKeyRelease && InActiveWindow()) {
        // Hover takes the capture, to see the cursor leave, and the focus, so
        // that the keys pass through the bar on their way to the owner (the
        // menu-bar key message); leaving posts WM_SETFOCUS to the owner,
        // which takes the focus back.
        if (CWnd::GetCapture() != this)
            SetCapture();
        if (CWnd::GetFocus() != this)
            SetFocus();
        if (!m_bPressed) {
            if (slot != m_nHot || m_nHotState != HotRaised) {
                if (m_nHot != slot)
                    DrawHot(m_nHot, HotFlat, FALSE);
                DrawHot(slot, HotRaised, FALSE);
                m_nHot = slot;
            }
        } else if (slot == m_nHot) {
            if (m_nHotState != HotSunken)
                DrawHot(m_nHot, HotSunken, TRUE);
        } else if (m_nHotState != HotRaised) {
            DrawHot(m_nHot, HotRaised, m_nHotState == HotSunken);
        }
    } else if (CWnd::GetCapture() == this) {
        DrawHot(m_nHot, HotFlat, m_nHotState == HotSunken);
        m_nHot = -1;
        m_nHotState = HotFlat;
        ::ReleaseCapture();
        m_pOwner->PostMessage(WM_SETFOCUS);
    } else {
        m_bKeyRelease = FALSE;
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (CWnd::GetCapture() == this) {
        int slot = GetBtnNo(point);
        if (m_nHot != -1 && m_nHot != slot)
            DrawHot(m_nHot, HotFlat, m_nHotState == HotSunken);
        m_nHot = slot;
        if (slot != -1) {
            DrawHot(slot, HotSunken, TRUE);
            m_bPressed = TRUE;
        }
        if (m_pOwner != nullptr)
            m_pOwner->BringWindowToTop();
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CMenuBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (CWnd::GetCapture() != this) {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    int slot = GetBtnNo(point);
    if (m_bPressed && slot != m_nHot)
        DrawHot(m_nHot, HotFlat, m_nHotState == HotSunken);
    if (m_bPressed && slot != -1 && slot == m_nHot) {
        HWND hWnd = m_hWnd;
        Fire(m_nFirst + slot);
        // Whatever the click opened may have destroyed the bar.
        if (!::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != this)
            return;
    }
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    int under = GetBtnNo(cursor);
    if (under != -1) {
        DrawHot(under, HotRaised, TRUE);
        m_nHot = under;
    } else {
        DrawHot(m_nHot, HotFlat, TRUE);
        m_nHot = -1;
        m_nHotState = HotFlat;
        ::ReleaseCapture();
    }
    m_bPressed = FALSE;
    CWnd::OnLButtonUp(nFlags, point);
}

void CMenuBar::Fire(int nIndex)
{
    CMultiDocTemplate* pTemplate = GetBtnTemplate(nIndex);
    UINT comID = GetBtnComID(nIndex);
    if (pTemplate != nullptr) {
        pTemplate->OpenDocumentFile(nullptr, TRUE);
    } else if (comID != 0 && m_bSendComID) {
        if (m_pOwner != nullptr)
            m_pOwner->SendMessage(WM_COMMAND, comID, reinterpret_cast<LPARAM>(m_hWnd));
    } else if (m_nMsg != 0 && m_pOwner != nullptr) {
        m_pOwner->SendMessage(m_nMsg, m_nID, nIndex);
    }
}

void CMenuBar::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() != m_hWnd) {
        DrawHot(m_nHot, HotFlat, m_nHotState == HotSunken);
        m_nHot = -1;
        m_nHotState = HotFlat;
        m_bPressed = FALSE;
    }
    CWnd::OnCaptureChanged(pWnd);
}

void CMenuBar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ReleaseHeldCapture(TRUE);
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CMenuBar::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ReleaseHeldCapture(TRUE);
    CWnd::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CMenuBar::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ReleaseHeldCapture(FALSE);
    CWnd::OnSysChar(nChar, nRepCnt, nFlags);
}

BOOL CMenuBar::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
        if (m_toolTip.GetSafeHwnd() != nullptr)
            m_toolTip.RelayEvent(pMsg);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        ReleaseHeldCapture(TRUE);
        if (m_pOwner == nullptr)
            break;
        bool alt = KeyHeld(VK_MENU), ctrl = KeyHeld(VK_CONTROL), shift = KeyHeld(VK_SHIFT);
        UINT key = static_cast<UINT>(pMsg->wParam);
        if ((alt && !ctrl && !shift) || (ctrl && !alt && !shift)) {
            m_pOwner->SendMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
            return FALSE;
        }
        bool plain = !alt && !ctrl && !shift;
        bool forward = (plain && (key == VK_UP || key == VK_DOWN || key == VK_RETURN)) ||
                       (key >= VK_F1 && key <= VK_F24 && key != VK_F10) || key == VK_TAB || key == VK_ESCAPE;
        if (forward)
            m_pOwner->SendMessage(WM_MENUBAR_KEY, pMsg->wParam, pMsg->lParam);
        return FALSE;
    }
    default:
        break;
    }
    return CWnd::PreTranslateMessage(pMsg);
}
