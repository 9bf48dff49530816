#include "CRetCombo.h"

#include "afx/AfxModule.h"
#include "afx/CDC.h"

namespace {

bool IsFunctionKey(UINT nKey)
{
    return nKey >= VK_F1 && nKey <= VK_F24;
}

// Keys that move inside an open list rather than being reported.
bool MovesInList(UINT nKey)
{
    return nKey == VK_ESCAPE || nKey == VK_UP || nKey == VK_DOWN || nKey == VK_LEFT || nKey == VK_RIGHT;
}

} // namespace

CRetCombo::CRetCombo()
    : m_pParent(nullptr), m_nMsg(0), m_hWndCtl(nullptr), m_pKeys(nullptr), m_nKeys(0), m_pCtl(nullptr),
      m_hListBrush(::CreateSolidBrush(RGB(255, 255, 255))), m_crListText(RGB(0, 0, 0)),
      m_crListBack(RGB(255, 255, 255)), m_pSecond(nullptr), m_nReserved1(0), m_nReserved2(0), m_nShiftUpMsg(0),
      m_pCloseUp(nullptr), m_nCloseUpMsg(0), m_bCtrl(0)
{
}

CRetCombo::~CRetCombo()
{
    // The base destructor detaches before it destroys the window, so nothing paints with the brush after this.
    if (m_hListBrush != nullptr)
        ::DeleteObject(m_hListBrush);
}

int CRetCombo::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, short nMsg, short* pKeys,
                      short nKeys, CWnd* pSecond, short nReserved1, short nShiftUpMsg, short nReserved2)
{
    m_pParent = pParent;
    m_nMsg = nMsg;
    m_pKeys = pKeys;
    m_nKeys = nKeys;
    m_pSecond = pSecond;
    m_nReserved1 = nReserved1;
    m_nShiftUpMsg = nShiftUpMsg;
    m_nReserved2 = nReserved2;
    m_bCtrl = 0;
    // The creation is hooked, so the window is subclassed from its first message.
    if (!CreateEx(0, "combobox", nullptr, dwStyle, rect.left, rect.top, rect.right - rect.left + 1,
                  rect.bottom - rect.top + 1, pParent != nullptr ? pParent->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))) ||
        m_hWnd == nullptr)
        return 0;
    m_hWndCtl = m_hWnd;
    m_pCtl = FromHandlePermanent(m_hWnd);
    return 1;
}

BOOL CRetCombo::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.hInstance = AfxGetResourceHandle();
    return CComboBox::PreCreateWindow(cs);
}

void CRetCombo::CloseUp(CWnd* pWnd, short nMsg)
{
    m_pCloseUp = pWnd;
    m_nCloseUpMsg = nMsg;
}

bool CRetCombo::ListOpen() const
{
    return GetDroppedState() != FALSE;
}

void CRetCombo::ReportBoth(WPARAM wParam, LPARAM lParam, bool secondFirst)
{
    if (secondFirst)
        zr8controls::Report(m_pSecond, m_nMsg, wParam, lParam);
    zr8controls::Report(m_pParent, m_nMsg, wParam, lParam);
    if (!secondFirst)
        zr8controls::Report(m_pSecond, m_nMsg, wParam, lParam);
}

void CRetCombo::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (zr8controls::CtrlQTyped(&m_bCtrl, nChar) && zr8controls::SendCtrlQ(m_pParent))
        return;
    bool open = ListOpen();
    if (zr8controls::IsListed(m_pKeys, m_nKeys, nChar) && !(open && MovesInList(nChar)) && nChar != VK_RETURN &&
        nChar != VK_ESCAPE) {
        ReportBoth(0, nChar, true);
        return;
    }
    if (nChar == VK_RETURN || nChar == VK_ESCAPE) {
        if (open)
            ShowDropDown(FALSE);  // the reflected CBN_CLOSEUP reaches the close-up receiver
        else if (m_pCloseUp != nullptr)
            zr8controls::Report(m_pCloseUp, m_nCloseUpMsg, 0, 0);
        if (m_pCloseUp == nullptr)
            ReportBoth(nChar == VK_RETURN ? 0 : 1, 0, false);
    }
    if (IsFunctionKey(nChar))
        return;
    if (nChar == VK_SPACE && !open)
        ShowDropDown(TRUE);
    CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CRetCombo::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CComboBox::OnKeyUp(nChar, nRepCnt, nFlags);
    if (nChar == VK_SHIFT && m_nShiftUpMsg != 0) {
        zr8controls::Report(m_pParent, m_nShiftUpMsg, 0, 0);
        zr8controls::Report(m_pSecond, m_nShiftUpMsg, 0, 0);
    }
}

UINT CRetCombo::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}

HBRUSH CRetCombo::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_LISTBOX || pDC == nullptr)
        return CComboBox::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetTextColor(m_crListText);
    pDC->SetBkColor(m_crListBack);
    return m_hListBrush;
}

BOOL CRetCombo::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_COMMAND || HIWORD(wParam) != CBN_CLOSEUP)
        return CComboBox::OnChildNotify(message, wParam, lParam, pResult);
    zr8controls::Report(m_pCloseUp, m_nCloseUpMsg, 0, 0);
    if (pResult != nullptr)
        *pResult = 0;
    return TRUE;
}
