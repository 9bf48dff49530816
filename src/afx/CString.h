// CString: the framework's byte string of Shift-JIS text.
//
// The object holds one pointer to its characters; the length and capacity
// live in a header just before them, so sizeof(CString) == sizeof(char*).
// Every search, trim and case operation steps over double-byte characters
// whole: a trail byte (which may be 0x5C or an ASCII letter) never matches
// or changes on its own.
#pragma once

#include <cstdarg>

#include "AfxDll.h"
#include "AfxTypes.h"

class ZR8AFX_API CString {
public:
    CString();
    CString(const CString& src);
    CString(CString&& src) noexcept;
    CString(const char* psz);  // NULL gives the empty string
    CString(const char* pch, int nLength);
    CString(const unsigned char* psz);
    explicit CString(char ch, int nRepeat = 1);
    ~CString();

    int GetLength() const;
    BOOL IsEmpty() const;
    void Empty();

    // Out-of-range indexes read as NUL and are ignored by SetAt.
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const;
    void SetAt(int nIndex, char ch);
    operator const char*() const;

    CString& operator=(const CString& src);
    CString& operator=(CString&& src) noexcept;
    CString& operator=(const char* psz);
    CString& operator=(const unsigned char* psz);
    CString& operator=(char ch);

    CString& operator+=(const CString& src);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    // Byte-wise (unsigned) comparison: <0, 0, >0.
    int Compare(const char* psz) const;
    // As Compare, with ASCII letters folded; double-byte characters compare as bytes.
    int CompareNoCase(const char* psz) const;

    // Index and count are clamped to the string, as the framework always did.
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    void MakeUpper();
    void MakeLower();

    void TrimLeft();                 // blanks, tabs, CR, LF, VT, FF
    void TrimLeft(char chTarget);
    void TrimLeft(const char* pszTargets);
    void TrimRight();
    void TrimRight(char chTarget);
    void TrimRight(const char* pszTargets);

    // Byte index of the first match on a character boundary, or -1.
    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(const char* pszSub) const;
    int Find(const char* pszSub, int nStart) const;
    int ReverseFind(char ch) const;

    void Format(const char* pszFormat, ...);
    void FormatV(const char* pszFormat, va_list args);

    // The buffer holds at least nMinBufLength bytes plus the NUL. After
    // writing into it, call ReleaseBuffer before any other operation.
    char* GetBuffer(int nMinBufLength);
    char* GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);

#ifdef _WIN32
    // Loads a string resource, searching the resource chain. FALSE if absent.
    BOOL LoadString(UINT nID);
#endif

private:
    struct Data;

    Data* GetData() const;
    void Assign(const char* pch, int nLength);
    void Append(const char* pch, int nLength);
    void Reserve(int nCapacity, bool keepContent);
    void SetLength(int nLength);
    void Release();

    char* m_pchData;
};

ZR8AFX_API CString operator+(const CString& left, const CString& right);
ZR8AFX_API CString operator+(const CString& left, const char* right);
ZR8AFX_API CString operator+(const char* left, const CString& right);
ZR8AFX_API CString operator+(const CString& left, char right);
ZR8AFX_API CString operator+(char left, const CString& right);

ZR8AFX_API bool operator==(const CString& a, const CString& b);
ZR8AFX_API bool operator==(const CString& a, const char* b);
ZR8AFX_API bool operator==(const char* a, const CString& b);
ZR8AFX_API bool operator!=(const CString& a, const CString& b);
ZR8AFX_API bool operator!=(const CString& a, const char* b);
ZR8AFX_API bool operator!=(const char* a, const CString& b);
ZR8AFX_API bool operator<(const CString& a, const CString& b);
ZR8AFX_API bool operator<(const CString& a, const char* b);
ZR8AFX_API bool operator<(const char* a, const CString& b);
ZR8AFX_API bool operator>(const CString& a, const CString& b);
ZR8AFX_API bool operator>(const CString& a, const char* b);
ZR8AFX_API bool operator>(const char* a, const CString& b);
ZR8AFX_API bool operator<=(const CString& a, const CString& b);
ZR8AFX_API bool operator<=(const CString& a, const char* b);
ZR8AFX_API bool operator<=(const char* a, const CString& b);
ZR8AFX_API bool operator>=(const CString& a, const CString& b);
ZR8AFX_API bool operator>=(const CString& a, const char* b);
ZR8AFX_API bool operator>=(const char* a, const CString& b);
