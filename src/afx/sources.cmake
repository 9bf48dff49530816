list(APPEND AFX_PORTABLE_SOURCES
    afx/CObject.cpp
    afx/COleDateTime.cpp
    afx/CRuntimeClass.cpp
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

# The window layer: windows, dialogs, controls, drawing.
list(APPEND AFX_WINDOWS_SOURCES
    afx/AfxWndClass.cpp
    afx/CBitmap.cpp
    afx/CBrush.cpp
    afx/CButton.cpp
    afx/CClientDC.cpp
    afx/CComboBox.cpp
    afx/CDC.cpp
    afx/CDateTimeCtrl.cpp
    afx/CDialog.cpp
    afx/CDocument.cpp
    afx/CEdit.cpp
    afx/CFont.cpp
    afx/CFrameWnd.cpp
    afx/CGdiObject.cpp
    afx/CListBox.cpp
    afx/CMultiDocTemplate.cpp
    afx/CPaintDC.cpp
    afx/CPalette.cpp
    afx/CPen.cpp
    afx/CScrollBar.cpp
    afx/CSpinButtonCtrl.cpp
    afx/CStatic.cpp
    afx/CToolTipCtrl.cpp
    afx/CWindowDC.cpp
    afx/CWnd.cpp
    afx/CWndDefaults.cpp
    afx/CWndWrappers.cpp)
list(APPEND AFX_WINDOWS_LIBRARIES comctl32)
# The per-thread window state and the handle maps of the window layer.
list(APPEND ZR8_PRIVATE_HEADERS afx/AfxWinState.h afx/AfxHandleMap.h)
