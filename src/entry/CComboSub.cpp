#include "CComboSub.h"

#include "entry/CDlgSb.h"
#include "entry/DlgKeys.h"

CComboSub::CComboSub() : m_nIndex(0), m_hWndCtl(nullptr), m_pDlg(nullptr) {}

CComboSub::~CComboSub() {}

int CComboSub::Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex)
{
    m_pDlg = pDlg;
    m_hWndCtl = hWnd;
    m_nIndex = nIndex;
    return SubclassWindow(hWnd) ? 1 : 0;
}

bool CComboSub::IsDropped() const
{
    return (SendMessage(CB_GETDROPPEDSTATE, 0, 0) & 0xFFFF) != 0;
}

bool CComboSub::RoutesToTable(UINT nKey) const
{
    if (zr8entry::IsFunctionKey(nKey) || nKey == VK_RETURN)
        return true;
    return (nKey == VK_UP || nKey == VK_DOWN || nKey == VK_SPACE) && !IsDropped();
}

void CComboSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pDlg != nullptr && RoutesToTable(nChar)) {
        m_pDlg->DialogKeyDown(nChar == VK_SPACE ? VK_RETURN : nChar);
        return;
    }
    CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CComboSub::OnSetFocus(CWnd* pOldWnd)
{
    CComboBox::OnSetFocus(pOldWnd);
    if (m_pDlg != nullptr)
        m_pDlg->DialogFocus(m_nIndex, 0);
}

// DLGC_WANTARROWS; and while the list is open Escape stays with the combo
// box, which closes the list, instead of cancelling the dialog.
UINT CComboSub::OnGetDlgCode()
{
    return zr8entry::DlgCode(DLGC_WANTARROWS,
                             [this](UINT key) { return RoutesToTable(key) || (key == VK_ESCAPE && IsDropped()); });
}
