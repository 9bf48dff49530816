#include "CListSub.h"

#include "entry/CDlgSb.h"
#include "entry/DlgKeys.h"

CListSub::CListSub() : m_nIndex(0), m_hWndCtl(nullptr), m_pDlg(nullptr) {}

CListSub::~CListSub() {}

int CListSub::Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex)
{
    m_pDlg = pDlg;
    m_hWndCtl = hWnd;
    m_nIndex = nIndex;
    return SubclassWindow(hWnd) ? 1 : 0;
}

bool CListSub::RoutesToTable(UINT nKey)
{
    return zr8entry::IsFunctionKey(nKey) || nKey == VK_RETURN || nKey == VK_LEFT || nKey == VK_RIGHT;
}

void CListSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pDlg != nullptr && RoutesToTable(nChar)) {
        m_pDlg->DialogKeyDown(nChar);
        return;
    }
    CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CListSub::OnSetFocus(CWnd* pOldWnd)
{
    CListBox::OnSetFocus(pOldWnd);
    if (m_pDlg != nullptr)
        m_pDlg->DialogFocus(m_nIndex, 0);
}

UINT CListSub::OnGetDlgCode()
{
    return zr8entry::DlgCode(DLGC_WANTARROWS, RoutesToTable);
}
