#include "CString.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "ShiftJis.h"

#ifdef _WIN32
#include "AfxModule.h"
#endif

struct CString::Data {
    int nDataLength;
    int nAllocLength;  // capacity without the NUL; 0 only for the shared empty

    char* Chars() { return reinterpret_cast<char*>(this + 1); }
};

namespace {

// The shared empty string: never written, never freed.
struct EmptyBlock {
    int nDataLength;
    int nAllocLength;
    char text[8];
};
EmptyBlock g_empty = {0, 0, {0}};

char* EmptyChars()
{
    return g_empty.text;
}

const int kMaxLength = INT_MAX - 64;

bool IsSpace(unsigned char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

int SafeLength(const char* psz)
{
    if (psz == nullptr)
        return 0;
    size_t n = std::strlen(psz);
    if (n > static_cast<size_t>(kMaxLength))
        throw std::bad_alloc();
    return static_cast<int>(n);
}

// True when the character of length len at p occurs whole in pszTargets.
bool InTargets(const char* p, int len, const char* pszTargets)
{
    for (const char* t = pszTargets; *t != '\0'; t += sjis::CharLength(t)) {
        if (sjis::CharLength(t) == len && std::memcmp(t, p, len) == 0)
            return true;
    }
    return false;
}

} // namespace

// ---------------------------------------------------------------------------
// Storage

CString::Data* CString::GetData() const
{
    return reinterpret_cast<Data*>(m_pchData) - 1;
}

void CString::Release()
{
    if (m_pchData != EmptyChars())
        std::free(GetData());
    m_pchData = EmptyChars();
}

// Makes room for nCapacity bytes plus the NUL. The old block is freed only
// after the new one is filled, so appending a string's own text is safe.
void CString::Reserve(int nCapacity, bool keepContent)
{
    if (nCapacity < 0 || nCapacity > kMaxLength)
        throw std::bad_alloc();
    Data* old = GetData();
    if (m_pchData != EmptyChars() && old->nAllocLength >= nCapacity)
        return;
    int grown = nCapacity;
    if (m_pchData != EmptyChars() && old->nAllocLength < kMaxLength / 2)
        grown = old->nAllocLength * 2 > nCapacity ? old->nAllocLength * 2 : nCapacity;
    void* block = std::malloc(sizeof(Data) + static_cast<size_t>(grown) + 1);
    if (block == nullptr)
        throw std::bad_alloc();
    Data* data = static_cast<Data*>(block);
    data->nAllocLength = grown;
    data->nDataLength = keepContent ? old->nDataLength : 0;
    if (keepContent)
        std::memcpy(data->Chars(), m_pchData, static_cast<size_t>(old->nDataLength));
    data->Chars()[data->nDataLength] = '\0';
    data->Chars()[grown] = '\0';  // ReleaseBuffer(-1) always finds a NUL
    Release();
    m_pchData = data->Chars();
}

void CString::SetLength(int nLength)
{
    if (m_pchData == EmptyChars())
        return;
    GetData()->nDataLength = nLength;
    m_pchData[nLength] = '\0';
}

void CString::Assign(const char* pch, int nLength)
{
    if (nLength <= 0) {
        if (m_pchData != EmptyChars())
            SetLength(0);
        return;
    }
    if (m_pchData != EmptyChars() && GetData()->nAllocLength >= nLength) {
        std::memmove(m_pchData, pch, static_cast<size_t>(nLength));
        SetLength(nLength);
        return;
    }
    CString fresh;
    fresh.Reserve(nLength, false);
    std::memcpy(fresh.m_pchData, pch, static_cast<size_t>(nLength));
    fresh.SetLength(nLength);
    *this = static_cast<CString&&>(fresh);
}

void CString::Append(const char* pch, int nLength)
{
    if (nLength <= 0)
        return;
    int oldLength = GetLength();
    if (nLength > kMaxLength - oldLength)
        throw std::bad_alloc();
    if (m_pchData == EmptyChars() || GetData()->nAllocLength < oldLength + nLength) {
        // pch may point into this string: copy it before the old block goes.
        CString fresh;
        fresh.Reserve(oldLength + nLength, false);
        std::memcpy(fresh.m_pchData, m_pchData, static_cast<size_t>(oldLength));
        std::memcpy(fresh.m_pchData + oldLength, pch, static_cast<size_t>(nLength));
        fresh.SetLength(oldLength + nLength);
        *this = static_cast<CString&&>(fresh);
        return;
    }
    std::memmove(m_pchData + oldLength, pch, static_cast<size_t>(nLength));
    SetLength(oldLength + nLength);
}

// ---------------------------------------------------------------------------
// Construction and assignment

CString::CString() : m_pchData(EmptyChars()) {}

CString::CString(const CString& src) : m_pchData(EmptyChars())
{
    Assign(src.m_pchData, src.GetLength());
}

CString::CString(CString&& src) noexcept : m_pchData(src.m_pchData)
{
    src.m_pchData = EmptyChars();
}

CString::CString(const char* psz) : m_pchData(EmptyChars())
{
#ifdef _WIN32
    // The framework's convention: a resource id in place of text loads it.
    if (psz != nullptr && IS_INTRESOURCE(psz)) {
        LoadString(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(psz)));
        return;
    }
#endif
    Assign(psz, SafeLength(psz));
}

CString::CString(const char* pch, int nLength) : m_pchData(EmptyChars())
{
    if (pch != nullptr)
        Assign(pch, nLength);
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<const char*>(psz)) {}

CString::CString(char ch, int nRepeat) : m_pchData(EmptyChars())
{
    if (nRepeat <= 0)
        return;
    Reserve(nRepeat, false);
    std::memset(m_pchData, ch, static_cast<size_t>(nRepeat));
    SetLength(nRepeat);
}

CString::~CString()
{
    Release();
}

CString& CString::operator=(const CString& src)
{
    if (this != &src)
        Assign(src.m_pchData, src.GetLength());
    return *this;
}

CString& CString::operator=(CString&& src) noexcept
{
    if (this != &src) {
        Release();
        m_pchData = src.m_pchData;
        src.m_pchData = EmptyChars();
    }
    return *this;
}

CString& CString::operator=(const char* psz)
{
    Assign(psz, SafeLength(psz));
    return *this;
}

CString& CString::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<const char*>(psz);
}

CString& CString::operator=(char ch)
{
    Assign(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& src)
{
    Append(src.m_pchData, src.GetLength());
    return *this;
}

CString& CString::operator+=(const char* psz)
{
    Append(psz, SafeLength(psz));
    return *this;
}

CString& CString::operator+=(char ch)
{
    Append(&ch, 1);
    return *this;
}

// ---------------------------------------------------------------------------
// Access

int CString::GetLength() const
{
    return GetData()->nDataLength;
}

BOOL CString::IsEmpty() const
{
    return GetLength() == 0;
}

void CString::Empty()
{
    Release();
}

char CString::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetLength() ? m_pchData[nIndex] : '\0';
}

char CString::operator[](int nIndex) const
{
    return GetAt(nIndex);
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_pchData[nIndex] = ch;
}

CString::operator const char*() const
{
    return m_pchData;
}

// ---------------------------------------------------------------------------
// Comparison

int CString::Compare(const char* psz) const
{
    return std::strcmp(m_pchData, psz != nullptr ? psz : "");
}

int CString::CompareNoCase(const char* psz) const
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_pchData);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(psz != nullptr ? psz : "");
    bool inDouble = false;  // the next byte is a trail byte: compare it as is
    for (;; ++a, ++b) {
        unsigned char ca = inDouble ? *a : FoldAscii(*a);
        unsigned char cb = inDouble ? *b : FoldAscii(*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == '\0')
            return 0;
        inDouble = !inDouble && sjis::IsLeadByte(ca);
    }
}

// ---------------------------------------------------------------------------
// Extraction

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    int length = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst > length)
        nFirst = length;
    if (nCount < 0)
        nCount = 0;
    if (nCount > length - nFirst)
        nCount = length - nFirst;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    int length = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount > length)
        nCount = length;
    return CString(m_pchData + length - nCount, nCount);
}

// ---------------------------------------------------------------------------
// Case and trimming

void CString::MakeUpper()
{
    for (char* p = m_pchData; *p != '\0'; p += sjis::CharLength(p)) {
        if (*p >= 'a' && *p <= 'z')
            *p = static_cast<char>(*p - 'a' + 'A');
    }
}

void CString::MakeLower()
{
    for (char* p = m_pchData; *p != '\0'; p += sjis::CharLength(p)) {
        if (*p >= 'A' && *p <= 'Z')
            *p = static_cast<char>(*p - 'A' + 'a');
    }
}

void CString::TrimLeft()
{
    const char* p = m_pchData;
    while (IsSpace(static_cast<unsigned char>(*p)))
        ++p;
    Assign(p, GetLength() - static_cast<int>(p - m_pchData));
}

void CString::TrimLeft(char chTarget)
{
    char targets[2] = {chTarget, '\0'};
    TrimLeft(targets);
}

void CString::TrimLeft(const char* pszTargets)
{
    if (pszTargets == nullptr || *pszTargets == '\0')
        return;
    const char* p = m_pchData;
    while (*p != '\0' && InTargets(p, sjis::CharLength(p), pszTargets))
        p += sjis::CharLength(p);
    Assign(p, GetLength() - static_cast<int>(p - m_pchData));
}

void CString::TrimRight()
{
    // Walk forward: only a character boundary may start the trailing run.
    const char* keepEnd = m_pchData;
    for (const char* p = m_pchData; *p != '\0'; p += sjis::CharLength(p)) {
        if (sjis::CharLength(p) == 2 || !IsSpace(static_cast<unsigned char>(*p)))
            keepEnd = p + sjis::CharLength(p);
    }
    SetLength(static_cast<int>(keepEnd - m_pchData));
}

void CString::TrimRight(char chTarget)
{
    char targets[2] = {chTarget, '\0'};
    TrimRight(targets);
}

void CString::TrimRight(const char* pszTargets)
{
    if (pszTargets == nullptr || *pszTargets == '\0')
        return;
    const char* keepEnd = m_pchData;
    for (const char* p = m_pchData; *p != '\0'; p += sjis::CharLength(p)) {
        int len = sjis::CharLength(p);
        if (!InTargets(p, len, pszTargets))
            keepEnd = p + len;
    }
    SetLength(static_cast<int>(keepEnd - m_pchData));
}

// ---------------------------------------------------------------------------
// Searching

int CString::Find(char ch) const
{
    return Find(ch, 0);
}

int CString::Find(char ch, int nStart) const
{
    char sub[2] = {ch, '\0'};
    if (ch == '\0')
        return -1;
    return Find(sub, nStart);
}

int CString::Find(const char* pszSub) const
{
    return Find(pszSub, 0);
}

int CString::Find(const char* pszSub, int nStart) const
{
    int length = GetLength();
    if (pszSub == nullptr || nStart < 0 || nStart > length)
        return -1;
    size_t subLength = std::strlen(pszSub);
    for (const char* p = m_pchData;; p += sjis::CharLength(p)) {
        int index = static_cast<int>(p - m_pchData);
        if (index >= nStart && subLength <= static_cast<size_t>(length - index) &&
            std::memcmp(p, pszSub, subLength) == 0)
            return index;
        if (*p == '\0')
            return -1;
    }
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    for (const char* p = m_pchData; *p != '\0'; p += sjis::CharLength(p)) {
        if (*p == ch)
            found = static_cast<int>(p - m_pchData);
    }
    return found;
}

// ---------------------------------------------------------------------------
// Formatting

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args)
{
    if (pszFormat == nullptr) {
        Empty();
        return;
    }
    char small[256];
    va_list probe;
    va_copy(probe, args);
    int needed = std::vsnprintf(small, sizeof small, pszFormat, probe);
    va_end(probe);
    if (needed >= 0 && needed < static_cast<int>(sizeof small)) {
        Assign(small, needed);
        return;
    }
    // A C99 vsnprintf reports the length it needs; an older run-time
    // returns -1 on truncation, so grow until the text fits.
    int capacity = needed >= 0 ? needed : 2 * static_cast<int>(sizeof small);
    for (;;) {
        CString out;
        char* buffer = out.GetBuffer(capacity);
        va_list pass;
        va_copy(pass, args);
        int written = std::vsnprintf(buffer, static_cast<size_t>(capacity) + 1, pszFormat, pass);
        va_end(pass);
        if (written >= 0 && written <= capacity) {
            out.ReleaseBuffer(written);
            *this = static_cast<CString&&>(out);
            return;
        }
        if (capacity >= kMaxLength / 2) {
            Empty();
            return;
        }
        capacity = written > capacity ? written : capacity * 2;
    }
}

// ---------------------------------------------------------------------------
// Buffer access

char* CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < GetLength())
        nMinBufLength = GetLength();
    if (nMinBufLength < 1)
        nMinBufLength = 1;
    Reserve(nMinBufLength, true);
    return m_pchData;
}

char* CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    Reserve(nNewLength < 1 ? 1 : nNewLength, true);
    SetLength(nNewLength);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (m_pchData == EmptyChars())
        return;
    int capacity = GetData()->nAllocLength;
    if (nNewLength < 0) {
        const void* end = std::memchr(m_pchData, '\0', static_cast<size_t>(capacity) + 1);
        nNewLength = static_cast<int>(static_cast<const char*>(end) - m_pchData);
    }
    if (nNewLength > capacity)
        nNewLength = capacity;
    SetLength(nNewLength);
}

#ifdef _WIN32
BOOL CString::LoadString(UINT nID)
{
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE((nID >> 4) + 1), RT_STRING);
    int capacity = 256;
    for (;;) {
        char* buffer = GetBuffer(capacity);
        int copied = ::LoadStringA(module, nID, buffer, capacity + 1);
        if (copied < capacity || capacity >= 65536) {
            ReleaseBuffer(copied > 0 ? copied : 0);
            return copied > 0;
        }
        capacity *= 4;
    }
}
#endif

// ---------------------------------------------------------------------------
// Free operators

CString operator+(const CString& left, const CString& right)
{
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, const char* right)
{
    CString result(left);
    result += right;
    return result;
}

CString operator+(const char* left, const CString& right)
{
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, char right)
{
    CString result(left);
    result += right;
    return result;
}

CString operator+(char left, const CString& right)
{
    CString result(left);
    result += right;
    return result;
}

bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
bool operator!=(const char* a, const CString& b) { return b.Compare(a) != 0; }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator<(const CString& a, const char* b) { return a.Compare(b) < 0; }
bool operator<(const char* a, const CString& b) { return b.Compare(a) > 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator>(const CString& a, const char* b) { return a.Compare(b) > 0; }
bool operator>(const char* a, const CString& b) { return b.Compare(a) < 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator<=(const CString& a, const char* b) { return a.Compare(b) <= 0; }
bool operator<=(const char* a, const CString& b) { return b.Compare(a) >= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
bool operator>=(const CString& a, const char* b) { return a.Compare(b) >= 0; }
bool operator>=(const char* a, const CString& b) { return b.Compare(a) <= 0; }
