#include "CDialog.h"

#include "AfxModule.h"
#include "AfxWinState.h"
#include "CWinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace {

LRESULT CALLBACK AfxMsgFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AfxWinThreadState& state = AfxGetWinThreadState();
    // A modeless dialog's PreTranslateMessage calls IsDialogMessage, which
    // calls this hook again: the inner call must not walk a second time.
    if (code == MSGF_DIALOGBOX && lParam != 0 && !state.bInMsgFilter) {
        MSG* pMsg = reinterpret_cast<MSG*>(lParam);
        state.bInMsgFilter = true;
        CWinApp* app = AfxGetApp();
        BOOL eaten = app != nullptr ? app->PreTranslateMessage(pMsg) : CWnd::WalkPreTranslateTree(nullptr, pMsg);
        state.bInMsgFilter = false;
        if (eaten)
            return TRUE;
    }
    return ::CallNextHookEx(state.hMsgFilterHook, code, wParam, lParam);
}

void HookMsgFilter()
{
    AfxWinThreadState& state = AfxGetWinThreadState();
    if (state.nMsgFilterUsers++ == 0)
        state.hMsgFilterHook = ::SetWindowsHookExA(WH_MSGFILTER, AfxMsgFilterHook, nullptr, ::GetCurrentThreadId());
}

void UnhookMsgFilter()
{
    AfxWinThreadState& state = AfxGetWinThreadState();
    if (--state.nMsgFilterUsers == 0 && state.hMsgFilterHook != nullptr) {
        ::UnhookWindowsHookEx(state.hMsgFilterHook);
        state.hMsgFilterHook = nullptr;
    }
}

} // namespace

// Every message reaches the object first, through AfxWndProc; the dialog
// manager calls this procedure only for what the object passed on.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    // Reached only when the creation hook missed the dialog: attach late.
    if (message == WM_INITDIALOG && lParam != 0 && CWnd::FromHandlePermanent(hWnd) == nullptr) {
        CDialog* pDialog = reinterpret_cast<CDialog*>(lParam);
        if (pDialog->SubclassWindow(hWnd))
            return pDialog->OnInitDialog();
    }
    return FALSE;
}

CDialog::CDialog()
    : m_nIDHelp(0), m_pParentWnd(nullptr), m_lpszTemplateName(nullptr), m_bModal(FALSE)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd), m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)),
      m_bModal(FALSE)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_nIDHelp(0), m_pParentWnd(pParentWnd), m_lpszTemplateName(lpszTemplateName), m_bModal(FALSE)
{
    if (!IS_INTRESOURCE(lpszTemplateName)) {
        m_strTemplateName = lpszTemplateName;
        m_lpszTemplateName = m_strTemplateName;
    } else {
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    }
}

CDialog::~CDialog() {}

const DLGTEMPLATE* CDialog::LoadTemplate(HINSTANCE* phInst) const
{
    if (m_lpszTemplateName == nullptr)
        return nullptr;
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    *phInst = hInst;
    return hTemplate != nullptr ? static_cast<const DLGTEMPLATE*>(::LockResource(hTemplate)) : nullptr;
}

// The parent given, else the main window, else the active window; always a
// top-level window, as the dialog manager wants an owner.
HWND CDialog::ModalOwner() const
{
    CWinApp* app = AfxGetApp();
    HWND hWnd = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (hWnd == nullptr && app != nullptr && app->m_pMainWnd != nullptr)
        hWnd = app->m_pMainWnd->m_hWnd;
    if (hWnd == nullptr)
        hWnd = ::GetActiveWindow();
    while (hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) != 0)
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = nullptr;
    const DLGTEMPLATE* lpTemplate = m_hWnd == nullptr ? LoadTemplate(&hInst) : nullptr;
    if (lpTemplate == nullptr)
        return -1;
    HWND hWndOwner = ModalOwner();
    m_bModal = TRUE;
    HookMsgFilter();
    AfxHookWindowCreate(this);
    INT_PTR result = ::DialogBoxIndirectParamA(hInst, lpTemplate, hWndOwner, AfxDlgProc,
                                               reinterpret_cast<LPARAM>(this));
    AfxUnhookWindowCreate();
    UnhookMsgFilter();
    m_bModal = FALSE;
    return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDHelp = nIDTemplate;
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    if (m_hWnd != nullptr || lpszTemplateName == nullptr)
        return FALSE;
    if (IS_INTRESOURCE(lpszTemplateName)) {
        m_lpszTemplateName = lpszTemplateName;
    } else {
        m_strTemplateName = lpszTemplateName;
        m_lpszTemplateName = m_strTemplateName;
    }
    m_pParentWnd = pParentWnd;
    HINSTANCE hInst = nullptr;
    const DLGTEMPLATE* lpTemplate = LoadTemplate(&hInst);
    if (lpTemplate == nullptr)
        return FALSE;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpTemplate, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                                             AfxDlgProc, reinterpret_cast<LPARAM>(this));
    bool attached = AfxUnhookWindowCreate();
    if (hWnd == nullptr && !attached)
        PostNcDestroy();
    return hWnd != nullptr;
}

void CDialog::EndDialog(int nResult)
{
    if (m_hWnd != nullptr)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    return TRUE;
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // The modal loop calls IsDialogMessage itself.
    if (m_bModal || m_hWnd == nullptr || pMsg == nullptr)
        return FALSE;
    bool input = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                 (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    return input && ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::NextDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    SendMessage(WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != nullptr)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

void CDialog::SetDefID(UINT nID)
{
    SendMessage(DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(SendMessage(DM_GETDEFID, 0, 0));
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    if (m_hWnd != nullptr)
        ::MapDialogRect(m_hWnd, lpRect);
}

void CDialog::DoDataExchange(CDataExchange*) {}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        default:
            break;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}
