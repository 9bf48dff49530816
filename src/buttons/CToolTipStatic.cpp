#include "CToolTipStatic.h"

#include "afx/CToolTipCtrl.h"

CToolTipStatic::CToolTipStatic() : m_pToolTip(nullptr) {}

void CToolTipStatic::SetToolTipInfo(CToolTipCtrl*, CBitmap*, CBitmap*) {}

BOOL CToolTipStatic::PreTranslateMessage(MSG* pMsg)
{
    bool mouse = pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_LBUTTONUP;
    if (mouse && pMsg->hwnd == m_hWnd && m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr) {
        m_pToolTip->Activate(TRUE);
        m_pToolTip->RelayEvent(pMsg);
    }
    return CStatic::PreTranslateMessage(pMsg);
}

// STN_CLICKED, reflected by the parent: the tip shows again.
BOOL CToolTipStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_COMMAND || HIWORD(wParam) != STN_CLICKED)
        return CStatic::OnChildNotify(message, wParam, lParam, pResult);
    if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr) {
        m_pToolTip->Activate(TRUE);
        m_pToolTip->Update();
    }
    if (pResult != nullptr)
        *pResult = 0;
    return TRUE;
}
