#include "CDocument.h"

#include "ShiftJis.h"

IMPLEMENT_DYNCREATE(CDocument, CObject)

CDocument::CDocument() : m_pDocTemplate(nullptr) {}

CDocument::~CDocument() {}

const CString& CDocument::GetTitle() const
{
    return m_strTitle;
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
}

const CString& CDocument::GetPathName() const
{
    return m_strPathName;
}

void CDocument::SetPathName(LPCTSTR lpszPathName)
{
    m_strPathName = lpszPathName;
    // The title is the file's name without its folder.
    const char* name = m_strPathName;
    for (const char* p = name; *p != '\0'; p += sjis::CharLength(p)) {
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    }
    SetTitle(name);
}

CDocTemplate* CDocument::GetDocTemplate() const
{
    return m_pDocTemplate;
}

BOOL CDocument::OnNewDocument()
{
    m_strPathName.Empty();
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    DWORD attributes = lpszPathName != nullptr ? ::GetFileAttributesA(lpszPathName) : INVALID_FILE_ATTRIBUTES;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
