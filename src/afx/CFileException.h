// CFileException: why a file operation failed, from the Win32 error code.
#pragma once

#include "CException.h"
#include "CString.h"

class ZR8AFX_API CFileException : public CException {
public:
    enum {
        none = 0,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);

    // Maps a Win32 error code (GetLastError) to a cause.
    static int OsErrorToException(LONG lOsError);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

// Throws new CFileException(cause, lOsError, lpszFileName).
[[noreturn]] ZR8AFX_API void AfxThrowFileException(int cause, LONG lOsError = -1,
                                                   LPCTSTR lpszFileName = nullptr);
