#include "CMultiDocTemplate.h"

#include "CDocument.h"
#include "CFrameWnd.h"
#include "CWinApp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CObject)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

namespace {

// A new object of pClass when it is a kind of pBase (a T), else NULL.
template <class T>
T* CreateKindOf(CRuntimeClass* pClass, CRuntimeClass* pBase)
{
    CObject* object = pClass != nullptr ? pClass->CreateObject() : nullptr;
    if (object == nullptr || object->IsKindOf(pBase))
        return static_cast<T*>(object);
    delete object;
    return nullptr;
}

} // namespace

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

CDocTemplate::~CDocTemplate()
{
    for (INT_PTR i = 0; i < m_docList.GetSize(); ++i)
        delete static_cast<CDocument*>(m_docList.GetAt(i));
    m_docList.RemoveAll();
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CDocument* pDoc = CreateKindOf<CDocument>(m_pDocClass, RUNTIME_CLASS(CDocument));
    AddDocument(pDoc);
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd*)
{
    CFrameWnd* pFrame = pDoc != nullptr ? CreateKindOf<CFrameWnd>(m_pFrameClass, RUNTIME_CLASS(CFrameWnd)) : nullptr;
    if (pFrame == nullptr)
        return nullptr;
    CWinApp* app = AfxGetApp();
    CWnd* pOwner = app != nullptr ? app->m_pMainWnd : nullptr;
    // A frame deletes itself when its window goes, so after a failed
    // creation the object may be gone: it is not touched again.
    if (!pFrame->Create(nullptr, pDoc->GetTitle(), WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, pOwner))
        return nullptr;
    return pFrame;
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    if (pDoc == nullptr)
        return;
    m_docList.Add(pDoc);
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    for (INT_PTR i = 0; i < m_docList.GetSize(); ++i) {
        if (m_docList.GetAt(i) == pDoc) {
            m_docList.RemoveAt(i);
            pDoc->m_pDocTemplate = nullptr;
            return;
        }
    }
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    rString.Empty();
    CString all;
    if (!all.LoadString(m_nIDResource))
        return FALSE;
    int start = 0;
    for (int field = 0; field < index; ++field) {
        int newline = all.Find('\n', start);
        if (newline < 0)
            return FALSE;
        start = newline + 1;
    }
    int end = all.Find('\n', start);
    rString = end < 0 ? all.Mid(start) : all.Mid(start, end - start);
    return !rString.IsEmpty();
}

INT_PTR CDocTemplate::GetDocumentCount() const
{
    return m_docList.GetSize();
}

CDocument* CDocTemplate::GetDocument(INT_PTR nIndex) const
{
    return static_cast<CDocument*>(m_docList.GetAt(nIndex));
}

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_nUntitledCount(0)
{
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDoc = CreateNewDocument();
    if (pDoc == nullptr)
        return nullptr;
    BOOL opened;
    if (lpszPathName == nullptr) {
        CString name;
        if (!GetDocString(name, docName))
            name = "Untitled";
        CString title;
        title.Format("%s%u", static_cast<const char*>(name), m_nUntitledCount + 1);
        pDoc->SetTitle(title);
        opened = pDoc->OnNewDocument();
    } else {
        opened = pDoc->OnOpenDocument(lpszPathName);
        if (opened)
            pDoc->SetPathName(lpszPathName);
    }
    CFrameWnd* pFrame = opened ? CreateNewFrame(pDoc, nullptr) : nullptr;
    if (pFrame == nullptr) {
        RemoveDocument(pDoc);
        delete pDoc;
        return nullptr;
    }
    if (lpszPathName == nullptr)
        ++m_nUntitledCount;
    if (bMakeVisible) {
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
    }
    return pDoc;
}
