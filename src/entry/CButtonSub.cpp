#include "CButtonSub.h"

#include "entry/CDlgSb.h"
#include "entry/DlgKeys.h"

namespace {
const UINT kPushButton = 0;
const UINT kCheckBox = 1;
const UINT kRadioButton = 2;
} // namespace

CButtonSub::CButtonSub() : m_bClick(0), m_nIndex(0), m_hWndCtl(nullptr), m_nKind(0), m_pDlg(nullptr) {}

CButtonSub::~CButtonSub()
{
    m_bClick = 0;
}

int CButtonSub::Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex, UINT nKind)
{
    m_pDlg = pDlg;
    m_hWndCtl = hWnd;
    m_nIndex = nIndex;
    m_nKind = nKind;
    return SubclassWindow(hWnd) ? 1 : 0;
}

// Function keys, Up and Down always; Enter for check boxes and radio
// buttons (a push button leaves Enter to the dialog manager, which presses it).
bool CButtonSub::RoutesToTable(UINT nKey) const
{
    if (zr8entry::IsFunctionKey(nKey) || nKey == VK_UP || nKey == VK_DOWN)
        return true;
    return nKey == VK_RETURN && m_nKind != kPushButton;
}

void CButtonSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pDlg != nullptr && RoutesToTable(nChar)) {
        m_pDlg->DialogKeyDown(nChar);
        return;
    }
    if (m_pDlg != nullptr && nChar == VK_SPACE && m_nKind == kRadioButton)
        m_pDlg->DialogFocus(m_nIndex, 0);
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CButtonSub::OnSetFocus(CWnd* pOldWnd)
{
    CButton::OnSetFocus(pOldWnd);
    if (m_pDlg != nullptr)
        m_pDlg->DialogFocus(m_nIndex, m_nKind == kCheckBox || m_bClick == 1 ? 1 : 0);
    m_bClick = 0;
}

// A check box or radio button answers only DLGC_WANTARROWS, so the dialog
// manager neither presses it on Enter nor moves through its group on arrows.
UINT CButtonSub::OnGetDlgCode()
{
    UINT code = m_nKind == kPushButton ? CButton::OnGetDlgCode() | DLGC_WANTARROWS : DLGC_WANTARROWS;
    return zr8entry::DlgCode(code, [this](UINT key) { return RoutesToTable(key); });
}

int CButtonSub::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (message != WM_RBUTTONDOWN) {
        if (m_nKind == kCheckBox)
            m_bClick = 1;
        if (m_pDlg != nullptr)
            m_pDlg->DialogFocus(m_nIndex, m_bClick == 1 ? 1 : 0);
    }
    return CButton::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

void CButtonSub::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_nKind == kCheckBox) {
        CRect client;
        GetClientRect(&client);
        // Edges included.
        if (point.x >= 0 && point.x <= client.right && point.y >= 0 && point.y <= client.bottom)
            m_bClick = 1;
    }
    CButton::OnLButtonDown(nFlags, point);
}
