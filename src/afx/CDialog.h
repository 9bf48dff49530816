// CDialog: a dialog box from a template resource, found through the
// resource chain (the host's resources first, then each linked library).
//
// DoModal runs the system's modal dialog loop. That loop hands every message
// to IsDialogMessage, which first calls the thread's message filter hooks:
// a WH_MSGFILTER hook installed for the time of DoModal walks
// PreTranslateMessage there, so it runs inside the modal loop as it does in
// CWinApp::Run. A modeless dialog (Create) gets IsDialogMessage from its own
// PreTranslateMessage, through the application's loop.
#pragma once

#include "CWnd.h"

class CDataExchange;

class ZR8AFX_API CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // IDOK, IDCANCEL or the value given to EndDialog; -1 when the template
    // is missing or the dialog cannot be made.
    virtual INT_PTR DoModal();
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

    UINT m_nIDHelp;  // help context: the template ID unless the host sets another
    CWnd* m_pParentWnd;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // IDOK and IDCANCEL clicks go to OnOK and OnCancel.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    const DLGTEMPLATE* LoadTemplate(HINSTANCE* phInst) const;
    HWND ModalOwner() const;

    LPCTSTR m_lpszTemplateName;  // string names point into m_strTemplateName
    CString m_strTemplateName;
    BOOL m_bModal;
};
