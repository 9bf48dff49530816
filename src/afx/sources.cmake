list(APPEND AFX_PORTABLE_SOURCES
    afx/COleDateTime.cpp
    afx/CSemaphore.cpp
    afx/CSingleLock.cpp
    afx/CString.cpp
    afx/CSyncObject.cpp)
list(APPEND AFX_WINDOWS_SOURCES
    afx/AfxModule.cpp
    afx/CDynLinkLibrary.cpp
    afx/CException.cpp
    afx/CFile.cpp
    afx/CFileException.cpp
    afx/CWinApp.cpp)
