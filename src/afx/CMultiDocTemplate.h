// CDocTemplate and CMultiDocTemplate: a kind of document, made from run-time
// classes: OpenDocumentFile creates a document object and a frame window
// that shows it (titled with the document's title). The template owns its
// documents and deletes those still open when it ends; frames delete
// themselves when their windows are destroyed. Hosts override
// OpenDocumentFile to open documents their own way.
//
// The resource string nIDResource holds the template's texts separated by
// '\n' (window title, document name, ...), as GetDocString reads them.
#pragma once

#include "CObject.h"
#include "CPtrArray.h"
#include "CString.h"

class CDocument;
class CFrameWnd;

class ZR8AFX_API CDocTemplate : public CObject {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

    ~CDocTemplate() override;

    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    // The document object of the template's class, added to the template;
    // NULL when the class makes no CDocument.
    virtual CDocument* CreateNewDocument();
    // A frame of the template's class showing pDoc, not yet visible; NULL
    // when none can be made.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    INT_PTR GetDocumentCount() const;
    CDocument* GetDocument(INT_PTR nIndex) const;

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;  // kept for the host; the frame shows no view of its own

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass);

    CPtrArray m_docList;
};

class ZR8AFX_API CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);

    // A new document (lpszPathName NULL, titled with the document name and
    // a number) or one read from the file, in a new frame shown when
    // bMakeVisible. NULL, with nothing left behind, when any step fails.
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;

    UINT m_nUntitledCount;  // documents opened without a file so far
};
