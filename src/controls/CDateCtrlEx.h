// CDateCtrlEx: a date entry on the date and time picker whose year field
// the control draws itself, as a Gregorian year (2024) or an era year
// (H.05), and into which a year can be typed freely: four digits, or an
// era letter with an era year. Enter, Up, Down, Tab, Escape and the
// function keys go to the parent as WM_ZR8_DATEKEY; Space opens the
// calendar.
//
// The year field is the picker's callback field "XXXX"; the picker asks
// for its size, its text and its keys by notifications to the parent
// (DTN_FORMATQUERYA, DTN_FORMATA, DTN_WMKEYDOWNA, DTN_USERSTRINGA for an
// ANSI parent), which reflects them to this control. The parent must be a
// framework window for that.
#pragma once

#include "afx/CDateTimeCtrl.h"
#include "afx/CString.h"
#include "controls/CDateEraList.h"
#include "controls/ControlMsgs.h"
#include "frame/WinLibApi.h"

class ZR8WLIB_API CDateCtrlEx : public CDateTimeCtrl {
public:
    // Gregorian display; the four default eras.
    CDateCtrlEx();
    ~CDateCtrlEx() override;

    // 2 = era years, any other = Gregorian. Also sets today's date, the
    // style DTS_APPCANPARSE and the control's display format.
    void SetType(DWORD type);
    // The shown date as yyyymmdd; a pending typed year counts as committed.
    unsigned long GetDateByValue();
    void GetDateByDate(unsigned int* year, unsigned int* month, unsigned int* day);
    // Always 0; the typed year is dropped.
    int SetDateByValue(unsigned int ymd);
    // 0 when the picker refuses the date (the typed year then stays pending), else 1.
    int SetDateByDate(unsigned int year, unsigned int month, unsigned int day);
    // The first call replaces the default eras; add them oldest first.
    void Add(short firstYear, short lastEraYear, short month, short day, short eraCode, char letter, char* name);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The display format: the year field, then "/MM/dd".
    static const char kFormat[];
    // Key data of the key messages the control posts to itself.
    static const LPARAM kSelfPosted = 0x20000000;

protected:
    int OnCreate(LPCREATESTRUCTA lpCreateStruct) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    DWORD m_dwType;
    CDateEraList m_eras;  // with the "eras replaced" flag
    short m_nStartYear;   // the shown year when typing began
    CString m_strTyped;   // at most 4 characters
    BOOL m_bTyping;

private:
    void Prepare();
    void OnYearKey(NMDATETIMEWMKEYDOWNA* pKey);
    void OnYearSize(NMDATETIMEFORMATQUERYA* pQuery);
    void OnYearText(NMDATETIMEFORMATA* pFormat);
    void OnUserString(NMDATETIMESTRINGA* pString);
    // The year a commit of the typed text gives, by the picker's range.
    long TypedYear();
    void CommitTyping();
    void ClearTyping();
    bool CalendarOpen() const;
};
