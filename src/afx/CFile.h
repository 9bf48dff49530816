// CFile: an unbuffered Win32 file handle.
#pragma once

#include "CFileException.h"
#include "CString.h"

class ZR8AFX_API CFile {
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,  // treated as shareExclusive, as on Win32
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,  // accepted and ignored: CFile is always binary
        typeBinary = 0x8000
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile();
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);  // throws CFileException*
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();  // closes without throwing

    // FALSE on failure; pError (may be NULL) then receives the cause.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // The number of bytes read; 0 at the end of the file. Throws on failure.
    virtual UINT Read(void* lpBuf, UINT nCount);
    // Writes all nCount bytes or throws (a short write is diskFull).
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    ULONGLONG SeekToEnd();
    void SeekToBegin();
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual void Flush();
    virtual void Close();  // throws when the handle cannot be closed
    virtual void Abort();  // closes, never throws
    CString GetFilePath() const;

    HANDLE m_hFile;  // INVALID_HANDLE_VALUE while closed

protected:
    [[noreturn]] void ThrowLastError() const;

    CString m_strFileName;
};
