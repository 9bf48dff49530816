#include "CEditSub.h"

#include <cstring>
#include <new>

#include "entry/CDlgSb.h"
#include "entry/CFep.h"
#include "entry/DlgKeys.h"

namespace {
const int kTextSize = 1024;
}

CEditSub::CEditSub()
    : m_bSpaceForward(0), m_nIndex(0), m_hWndCtl(nullptr), m_pDlg(nullptr), m_pFep(nullptr), m_nFepA(0),
      m_nFepB(0), m_bKana(0), m_bFepOn(0), m_bKeepKeys(0), m_pReading(nullptr), m_szBase(), m_szDisp(),
      m_bBaseCaptured(0)
{
}

CEditSub::~CEditSub()
{
    if (m_pFep != nullptr) {
        if (m_bFepOn == 1)
            m_pFep->FepOff();
        delete m_pFep;
        m_pFep = nullptr;
    }
}

int CEditSub::Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex, short bKeepKeys)
{
    m_pDlg = pDlg;
    m_nIndex = nIndex;
    m_hWndCtl = hWnd;
    if (!SubclassWindow(hWnd))
        return 0;
    m_bKeepKeys = bKeepKeys;
    return 1;
}

int CEditSub::SetFep(short bNow, short a, short b, short bKana, CWnd* pReading)
{
    if (m_pFep == nullptr) {
        m_pFep = new (std::nothrow) CFep;
        if (m_pFep == nullptr)
            return 0;
    }
    m_nFepA = a;
    m_nFepB = b;
    m_bKana = bKana;
    m_pReading = pReading;
    // The first item already has the focus: switch on once the host is done.
    if (bNow != 0)
        ::PostMessageA(m_hWndCtl, WM_ZR8_FEPON, 0, 0);
    return 1;
}

void CEditSub::FepAbsOff()
{
    CFep fep;
    fep.FepAbsOff(FromHandlePermanent(m_hWndCtl));
}

LRESULT CEditSub::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ZR8_FEPON:
        return OnFepOnNow();
    case WM_IME_STARTCOMPOSITION:
        return OnImeStartComposition(wParam, lParam);
    case WM_IME_COMPOSITION:
        return OnImeComposition(wParam, lParam);
    case WM_IME_ENDCOMPOSITION:
        return OnImeEndComposition(wParam, lParam);
    default:
        return CEdit::WindowProc(message, wParam, lParam);
    }
}

// Enter, Up and Down unless the edit keeps them; the function keys; Space
// for a linked command field.
bool CEditSub::RoutesToTable(UINT nKey) const
{
    if (nKey == VK_SPACE)
        return m_bSpaceForward == 1;
    if (zr8entry::IsFunctionKey(nKey))
        return true;
    return m_bKeepKeys == 0 && (nKey == VK_RETURN || nKey == VK_UP || nKey == VK_DOWN);
}

void CEditSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pDlg != nullptr && RoutesToTable(nChar)) {
        m_pDlg->DialogKeyDown(nChar);
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

// The edit's own code; the dialog manager hands over the keys the table takes.
UINT CEditSub::OnGetDlgCode()
{
    return zr8entry::DlgCode(CEdit::OnGetDlgCode(), [this](UINT key) { return RoutesToTable(key); });
}

void CEditSub::OnSetFocus(CWnd* pOldWnd)
{
    CEdit::OnSetFocus(pOldWnd);
    if (m_pDlg != nullptr)
        m_pDlg->DialogFocus(m_nIndex, 0);
    if (m_pFep != nullptr && m_bFepOn == 0) {
        m_pFep->FepOn(FromHandlePermanent(m_hWndCtl), m_nFepA, m_nFepB, m_bKana);
        m_bFepOn = 1;
    }
}

void CEditSub::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    if (m_pFep != nullptr && m_bFepOn == 1) {
        m_pFep->FepOff();
        m_bFepOn = 0;
    }
}

LRESULT CEditSub::OnFepOnNow()
{
    if (m_pFep != nullptr)
        m_pFep->FepOn(FromHandlePermanent(m_hWndCtl), m_nFepA, m_nFepB, m_bKana);
    m_bFepOn = 1;
    return 0;
}

// The parent sees the change through the relay, since the notification
// itself stops here.
BOOL CEditSub::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE)
        return CEdit::OnChildNotify(message, wParam, lParam, pResult);
    HWND hWndParent = ::GetParent(m_hWnd);
    if (hWndParent != nullptr)
        ::SendMessageA(hWndParent, WM_ZR8_EDITCHANGE, MAKEWPARAM(GetDlgCtrlID() & 0xFFFF, EN_CHANGE),
                       reinterpret_cast<LPARAM>(m_hWnd));
    if (pResult != nullptr)
        *pResult = 0;
    return TRUE;
}

// Appends one of the composition readings to pText, as far as the reading
// field's text limit (taken as a signed 16-bit value) and the buffer allow.
void CEditSub::AppendReading(char* pText, DWORD dwIndex, HIMC hImc) const
{
    char reading[kTextSize];
    LONG fetched = hImc != nullptr ? ::ImmGetCompositionStringA(hImc, dwIndex, reading, sizeof reading) : 0;
    int length = fetched > 0 ? static_cast<int>(fetched) : 0;
    if (length > kTextSize)
        length = kTextSize;
    int used = static_cast<int>(std::strlen(pText));
    int limit = static_cast<short>(m_pReading->SendMessage(EM_GETLIMITTEXT, 0, 0));
    int take = used + length <= limit ? length : limit - used;
    if (take > kTextSize - 1 - used)
        take = kTextSize - 1 - used;
    if (take <= 0)
        return;
    std::memcpy(pText + used, reading, static_cast<size_t>(take));
    pText[used + take] = '\0';
}

LRESULT CEditSub::OnImeStartComposition(WPARAM wParam, LPARAM lParam)
{
    if (m_pReading != nullptr) {
        m_szBase[0] = '\0';
        m_bBaseCaptured = 1;
        m_pReading->GetWindowText(m_szBase, kTextSize);
    }
    return DefWindowProc(WM_IME_STARTCOMPOSITION, wParam, lParam);
}

LRESULT CEditSub::OnImeComposition(WPARAM wParam, LPARAM lParam)
{
    if (m_pReading != nullptr) {
        if (m_bBaseCaptured == 0) {
            m_szBase[0] = '\0';
            m_pReading->GetWindowText(m_szBase, kTextSize);
            m_bBaseCaptured = 1;
        }
        HIMC hImc = ::ImmGetContext(m_hWnd);
        if ((lParam & GCS_RESULTREADSTR) != 0) {
            AppendReading(m_szBase, GCS_RESULTREADSTR, hImc);
            m_pReading->SetWindowText(m_szBase);
        }
        // The base text, plus what is being composed now.
        std::memcpy(m_szDisp, m_szBase, sizeof m_szDisp);
        if ((lParam & GCS_COMPREADSTR) != 0)
            AppendReading(m_szDisp, GCS_COMPREADSTR, hImc);
        m_pReading->SetWindowText(m_szDisp);
        if (hImc != nullptr)
            ::ImmReleaseContext(m_hWnd, hImc);
    }
    return DefWindowProc(WM_IME_COMPOSITION, wParam, lParam);
}

LRESULT CEditSub::OnImeEndComposition(WPARAM wParam, LPARAM lParam)
{
    if (m_pReading != nullptr) {
        m_bBaseCaptured = 0;
        m_pReading->SetWindowText(m_szDisp);
        std::memcpy(m_szBase, m_szDisp, sizeof m_szBase);
    }
    return DefWindowProc(WM_IME_ENDCOMPOSITION, wParam, lParam);
}
