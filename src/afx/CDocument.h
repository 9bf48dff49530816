// CDocument: the data of one document a document template opened. The
// template that made it owns it; its frame shows its title.
#pragma once

#include "CObject.h"
#include "CString.h"

class CDocTemplate;

class ZR8AFX_API CDocument : public CObject {
    DECLARE_DYNCREATE(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const;
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const;
    virtual void SetPathName(LPCTSTR lpszPathName);
    CDocTemplate* GetDocTemplate() const;

    // A new, empty document; FALSE refuses it.
    virtual BOOL OnNewDocument();
    // The document read from a file; FALSE refuses it. The default reads
    // nothing and accepts an existing file.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);

    CDocTemplate* m_pDocTemplate;  // set by the template that holds it

protected:
    CString m_strTitle;
    CString m_strPathName;
};
