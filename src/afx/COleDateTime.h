// COleDateTime: a point in time as the framework's DATE value (days since
// 1899-12-30, the fraction being the time of day), with field getters.
#pragma once

#include "AfxDll.h"
#include "AfxTypes.h"

class ZR8AFX_API COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime();
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    explicit COleDateTime(double dtSrc);

    // The local date and time now.
    static COleDateTime GetCurrentTime();

    // Years 100 to 9999; anything else makes the value invalid. Returns 0 on success.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay);

    DateTimeStatus GetStatus() const;

    // Each getter returns -1 (AFX_OLE_DATETIME_ERROR) when the value is not valid.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday .. 7 = Saturday
    int GetDayOfYear() const;  // 1 = January 1st

    double m_dt;
    DateTimeStatus m_status;

private:
    struct Fields {
        int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
    };
    bool Split(Fields& out) const;
    int Field(int Fields::*member) const;
};

#define AFX_OLE_DATETIME_ERROR (-1)
