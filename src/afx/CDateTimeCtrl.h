// CDateTimeCtrl: the common controls' date and time picker (class
// "SysDateTimePick32"); one message per operation.
#pragma once

#include "COleDateTime.h"
#include "CWnd.h"

#include <commctrl.h>

class ZR8AFX_API CDateTimeCtrl : public CWnd {
public:
    CDateTimeCtrl();

    // Registers the picker's window class (InitCommonControlsEx) first.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // GDT_VALID, or GDT_NONE when the picker shows no date.
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const;
    BOOL GetTime(COleDateTime& timeDest) const;
    // NULL sets "no date" (DTS_SHOWNONE pickers only).
    BOOL SetTime(LPSYSTEMTIME pTimeNew = nullptr);
    BOOL SetTime(const COleDateTime& timeNew);
    // The GDTR_MIN and GDTR_MAX flags of the limits that are set. A limit
    // that is not set, or whose date is not a valid date, comes back with
    // the status null or invalid.
    DWORD GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const;
    // NULL or an invalid date leaves that side without a limit.
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
    BOOL SetFormat(LPCTSTR pstrFormat);
};
