// CToolTipCtrl: a tooltip control (comctl32 "tooltips_class32"); one message
// per operation. Tool records are sent with the size every comctl32 version
// accepts (TTTOOLINFOA_V2_SIZE, the real record up to lParam on this build).
#pragma once

#include "CWnd.h"

#include <commctrl.h>

// The framework's own tool flags, taken off before a record reaches comctl32.
#define TTF_NOTBUTTON 0x80000000UL  // no status prompt on button-down
#define TTF_ALWAYSTIP 0x40000000UL  // show even while the owner is inactive

class ZR8AFX_API CToolTipCtrl : public CWnd {
public:
    CToolTipCtrl();

    // A popup tooltip window owned by pParentWnd (none when NULL), with the
    // TTS_* styles in dwStyle.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // nIDTool 0: the tool is pWnd itself (TTF_IDISHWND, parent as owner);
    // otherwise the rectangle lpRectTool of pWnd under that ID.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACKA, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    BOOL GetToolInfo(TOOLINFOA& toolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    int GetToolCount() const;
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);

    void Activate(BOOL bActivate);
    void RelayEvent(LPMSG lpMsg);
    void Update();
    void Pop();
    void SetDelayTime(UINT nDelay);
    void SetDelayTime(DWORD dwDuration, int iTime);
    int GetDelayTime(DWORD dwDuration) const;
    void SetMargin(LPRECT lprc);
    void GetMargin(LPRECT lprc) const;
    int SetMaxTipWidth(int iWidth);
    int GetMaxTipWidth() const;

    // A record for pWnd's tool nIDTool, as AddTool would send it.
    void FillInToolInfo(TOOLINFOA& toolInfo, CWnd* pWnd, UINT_PTR nIDTool) const;
};
