#include "CDateTimeCtrl.h"

namespace {

COleDateTime FromSystemTime(const SYSTEMTIME& time)
{
    COleDateTime value;
    value.SetDateTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond);
    return value;
}

bool ToSystemTime(const COleDateTime& value, SYSTEMTIME* time)
{
    if (value.GetStatus() != COleDateTime::valid)
        return false;
    *time = SYSTEMTIME();
    time->wYear = static_cast<WORD>(value.GetYear());
    time->wMonth = static_cast<WORD>(value.GetMonth());
    time->wDayOfWeek = static_cast<WORD>(value.GetDayOfWeek() - 1);
    time->wDay = static_cast<WORD>(value.GetDay());
    time->wHour = static_cast<WORD>(value.GetHour());
    time->wMinute = static_cast<WORD>(value.GetMinute());
    time->wSecond = static_cast<WORD>(value.GetSecond());
    return true;
}

} // namespace

CDateTimeCtrl::CDateTimeCtrl() {}

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&classes);
    return CWnd::Create(DATETIMEPICK_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

DWORD CDateTimeCtrl::GetTime(LPSYSTEMTIME pTimeDest) const
{
    return pTimeDest != nullptr ? static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(pTimeDest)))
                                : static_cast<DWORD>(GDT_ERROR);
}

BOOL CDateTimeCtrl::GetTime(COleDateTime& timeDest) const
{
    SYSTEMTIME time = {};
    if (GetTime(&time) != GDT_VALID) {
        timeDest.m_status = COleDateTime::null;
        return FALSE;
    }
    timeDest = FromSystemTime(time);
    return TRUE;
}

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew)
{
    return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, pTimeNew != nullptr ? GDT_VALID : GDT_NONE,
                                         reinterpret_cast<LPARAM>(pTimeNew)));
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew)
{
    SYSTEMTIME time;
    return ToSystemTime(timeNew, &time) ? SetTime(&time) : SetTime(nullptr);
}

DWORD CDateTimeCtrl::GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const
{
    SYSTEMTIME limits[2] = {};
    DWORD flags = static_cast<DWORD>(SendMessage(DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(limits)));
    if (pMinRange != nullptr) {
        *pMinRange = FromSystemTime(limits[0]);
        if ((flags & GDTR_MIN) == 0)
            pMinRange->m_status = COleDateTime::null;
    }
    if (pMaxRange != nullptr) {
        *pMaxRange = FromSystemTime(limits[1]);
        if ((flags & GDTR_MAX) == 0)
            pMaxRange->m_status = COleDateTime::null;
    }
    return flags;
}

BOOL CDateTimeCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange)
{
    SYSTEMTIME limits[2] = {};
    WPARAM flags = 0;
    if (pMinRange != nullptr && ToSystemTime(*pMinRange, &limits[0]))
        flags |= GDTR_MIN;
    if (pMaxRange != nullptr && ToSystemTime(*pMaxRange, &limits[1]))
        flags |= GDTR_MAX;
    return static_cast<BOOL>(SendMessage(DTM_SETRANGE, flags, reinterpret_cast<LPARAM>(limits)));
}

BOOL CDateTimeCtrl::SetFormat(LPCTSTR pstrFormat)
{
    return static_cast<BOOL>(SendMessage(DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(pstrFormat)));
}
