#include "CEditStr.h"

#include <cstring>
#include <new>
#include <vector>

#include "entry/CFep.h"
#include "text/CConv.h"

namespace {

const short kTextLimit = 80;

} // namespace

CEditStr::CEditStr() : CEditStr(kTextLimit) {}

CEditStr::CEditStr(short nMaxLimit)
    : m_bChanged(0), m_pFep(nullptr), m_pFont(nullptr), m_hWndCtl(nullptr), m_pCtl(nullptr), m_pParent(nullptr),
      m_pKeys(nullptr), m_nKeys(0), m_nKeyMsg(0), m_nShiftUpMsg(0), m_nChangeMsg(0), m_nRButtonMsg(0),
      m_nFocusMsg(0), m_bRedraw(0), m_bDigitsOnly(0), m_bFep(0), m_pText(nullptr), m_nLimit(0), m_nStopKey(0),
      m_bAcceptEnter(0), m_bCtrl(0), m_nMaxLimit(nMaxLimit)
{
}

CEditStr::~CEditStr()
{
    if (m_pFep != nullptr) {
        m_pFep->FepOff();
        delete m_pFep;
        m_pFep = nullptr;
    }
}

int CEditStr::Init(CWnd* pParent, CFont* pFont, short nKeyMsg, short nChangeMsg, HWND hWnd, short* pKeys,
                   short nKeys, short nShiftUpMsg, short nRButtonMsg, short bFep, short nFocusMsg, int bRedraw)
{
    m_bCtrl = 0;
    if (!SubclassWindow(hWnd))
        return 0;
    m_pParent = pParent;
    m_pFont = pFont;
    CWnd::SetFont(pFont, TRUE);
    m_nKeyMsg = nKeyMsg;
    m_nChangeMsg = nChangeMsg;
    m_hWndCtl = hWnd;
    m_pCtl = FromHandlePermanent(hWnd);
    m_pKeys = pKeys;
    m_nKeys = nKeys;
    m_nShiftUpMsg = nShiftUpMsg;
    m_nRButtonMsg = nRButtonMsg;
    m_bFep = bFep;
    m_nFocusMsg = nFocusMsg;
    m_bRedraw = bRedraw;
    if (bFep != 0 && m_pFep == nullptr) {
        m_pFep = new (std::nothrow) CFep;
        if (m_pFep == nullptr)
            return 0;
    }
    return 1;
}

void CEditStr::SetText(char* pText)
{
    m_bChanged = 0;
    m_pText = pText;
    SetWindowText(pText != nullptr ? pText : "");
}

void CEditStr::ReadText(char* out, short nBytes)
{
    CString text;
    GetWindowText(text);
    short count = text.GetLength() < nBytes ? static_cast<short>(text.GetLength()) : nBytes;
    CConv().KanjiCopy(out, text.GetBuffer(text.GetLength()), count);
}

void CEditStr::Commit()
{
    if (m_nLimit <= 0 || m_pText == nullptr)
        return;
    std::vector<char> text(static_cast<size_t>(m_nMaxLimit) + 1, '\0');
    ReadText(text.data(), m_nLimit);
    if (std::strcmp(text.data(), m_pText) != 0)
        m_bChanged = 1;
    std::memcpy(m_pText, text.data(), std::strlen(text.data()) + 1);
    // The flag stays set until SetText or GetData, so every later commit reports again.
    if (m_bChanged == 1)
        zr8controls::Report(m_pParent, m_nChangeMsg, 0, 0);
}

void CEditStr::GetData()
{
    if (m_pText != nullptr)
        ReadText(m_pText, m_nLimit > 0 ? m_nLimit : 0);
    m_bChanged = 0;
}

void CEditStr::SetSel()
{
    SendMessage(EM_SETSEL, 0, -1);
}

void CEditStr::SetFocus()
{
    CWnd::SetFocus();
    if (m_bFep != 0 && m_pFep != nullptr)
        m_pFep->FepOn(this, 0, 0, 0);
}

void CEditStr::LimitText(short n)
{
    m_nLimit = n < 0 ? 0 : (n > m_nMaxLimit ? m_nMaxLimit : n);
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(static_cast<int>(n)), 0);
}

void CEditStr::OnStop()
{
    m_nStopKey = 0;
}

void CEditStr::OffStop(short nKey)
{
    m_nStopKey = nKey;
}

void CEditStr::OnSetFocus(CWnd* pOldWnd)
{
    zr8controls::Report(m_pParent, m_nFocusMsg, 0, 0);
    CEdit::OnSetFocus(pOldWnd);
}

void CEditStr::OnKillFocus(CWnd* pNewWnd)
{
    if (m_bFep != 0 && m_pFep != nullptr)
        m_pFep->FepOff();
    Commit();
    if (m_bRedraw == 1)
        InvalidateRect(nullptr, TRUE);
    CEdit::OnKillFocus(pNewWnd);
}

void CEditStr::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    bool typed;
    if (m_bDigitsOnly != 0)
        typed = zr8controls::IsNumberChar(nChar);
    else if (nChar == VK_TAB)
        typed = false;
    else if (nChar == VK_RETURN)
        typed = m_bAcceptEnter != 0;
    else if (nChar == VK_SPACE)  // a listed Space was reported by its key-down
        typed = !zr8controls::IsListed(m_pKeys, m_nKeys, VK_SPACE) || m_nStopKey == VK_SPACE;
    else
        typed = true;
    if (typed)
        CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CEditStr::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (zr8controls::IsListed(m_pKeys, m_nKeys, nChar) && nChar != static_cast<UINT>(m_nStopKey)) {
        Commit();
        zr8controls::Report(m_pParent, m_nKeyMsg, nChar, 0);
        return;
    }
    if (zr8controls::CtrlQTyped(&m_bCtrl, nChar)) {
        zr8controls::SendCtrlQ(m_pParent);
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CEditStr::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CEdit::OnKeyUp(nChar, nRepCnt, nFlags);
    if (nChar == VK_SHIFT)
        zr8controls::Report(m_pParent, m_nShiftUpMsg, 0, 0);
}

void CEditStr::OnRButtonDown(UINT nFlags, CPoint point)
{
    CEdit::OnRButtonDown(nFlags, point);
    zr8controls::ReportRightClick(m_hWnd, m_pParent, m_nRButtonMsg, nFlags, point);
}

BOOL CEditStr::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    zr8controls::ForwardWheel(m_hWnd, nFlags, zDelta, pt);
    return CEdit::OnMouseWheel(nFlags, zDelta, pt);
}
