#include "CDateCtrlEx.h"

#include <cstdio>
#include <cstring>

const char CDateCtrlEx::kFormat[] = "XXXX'/'MM'/'dd";

namespace {

const char kYearField[] = "XXXX";

bool IsYearField(LPCSTR pszFormat)
{
    return pszFormat != nullptr && std::strcmp(pszFormat, kYearField) == 0;
}

bool IsFunctionKey(UINT nKey)
{
    return nKey >= VK_F1 && nKey <= VK_F24;
}

// Shift 1, Ctrl 2, Alt 4.
int Modifiers()
{
    return (::GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (::GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (::GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

// The character a key adds to the typed year, or 0 for a key that adds none.
char TypedChar(int nKey)
{
    if (nKey >= VK_NUMPAD0 && nKey <= VK_NUMPAD9)
        return static_cast<char>('0' + nKey - VK_NUMPAD0);
    if (nKey == VK_OEM_PERIOD || nKey == VK_DECIMAL)
        return '.';
    bool alnum = (nKey >= '0' && nKey <= '9') || (nKey >= 'A' && nKey <= 'Z') || (nKey >= 'a' && nKey <= 'z');
    return alnum ? static_cast<char>(nKey) : '\0';
}

} // namespace

CDateCtrlEx::CDateCtrlEx() : m_dwType(1), m_nStartYear(0), m_bTyping(FALSE) {}

CDateCtrlEx::~CDateCtrlEx() {}

void CDateCtrlEx::Prepare()
{
    ModifyStyle(0, DTS_APPCANPARSE);
    SYSTEMTIME today;
    ::GetLocalTime(&today);
    SetTime(&today);
    SetFormat(kFormat);
}

void CDateCtrlEx::SetType(DWORD type)
{
    m_dwType = type;
    Prepare();
}

int CDateCtrlEx::OnCreate(LPCREATESTRUCTA lpCreateStruct)
{
    int result = CDateTimeCtrl::OnCreate(lpCreateStruct);
    if (result != -1)
        Prepare();
    return result;
}

void CDateCtrlEx::Add(short firstYear, short lastEraYear, short month, short day, short eraCode, char letter,
                      char* name)
{
    m_eras.Add(firstYear, lastEraYear, month, day, eraCode, letter, name);
}

void CDateCtrlEx::ClearTyping()
{
    m_bTyping = FALSE;
    m_nStartYear = 0;
    m_strTyped.Empty();
}

long CDateCtrlEx::TypedYear()
{
    long year = m_eras.ParseYear(m_strTyped);
    COleDateTime minimum, maximum;
    DWORD limits = GetRange(&minimum, &maximum);
    // A limit whose date is not valid (the picker gave none) limits nothing.
    bool belowMinimum = (limits & GDTR_MIN) != 0 && minimum.GetStatus() == COleDateTime::valid &&
                        minimum.GetYear() > year;
    bool aboveMaximum = (limits & GDTR_MAX) != 0 && maximum.GetStatus() == COleDateTime::valid &&
                        maximum.GetYear() < year;
    return belowMinimum || aboveMaximum ? m_nStartYear : year;
}

// A year of 0 that the range lets through is refused by the picker: the
// year then stays as the typing left it.
void CDateCtrlEx::CommitTyping()
{
    SYSTEMTIME shown = {};
    GetTime(&shown);
    long year = TypedYear();
    SetDateByDate(year > 0 ? static_cast<unsigned int>(year) : 0u, shown.wMonth, shown.wDay);
    ClearTyping();
}

unsigned long CDateCtrlEx::GetDateByValue()
{
    unsigned int year = 0, month = 0, day = 0;
    GetDateByDate(&year, &month, &day);
    return static_cast<unsigned long>(year) * 10000 + month * 100 + day;
}

void CDateCtrlEx::GetDateByDate(unsigned int* year, unsigned int* month, unsigned int* day)
{
    SYSTEMTIME shown = {};
    GetTime(&shown);
    long shownYear = shown.wYear;
    if (m_bTyping) {
        long typed = TypedYear();
        if (typed > 0)
            shownYear = typed;
    }
    if (year != nullptr)
        *year = static_cast<unsigned int>(shownYear);
    if (month != nullptr)
        *month = shown.wMonth;
    if (day != nullptr)
        *day = shown.wDay;
}

int CDateCtrlEx::SetDateByValue(unsigned int ymd)
{
    SetDateByDate(ymd / 10000, ymd / 100 % 100, ymd % 100);
    ClearTyping();
    return 0;
}

int CDateCtrlEx::SetDateByDate(unsigned int year, unsigned int month, unsigned int day)
{
    if (year > 0xFFFF || month > 0xFFFF || day > 0xFFFF)
        return 0;
    SYSTEMTIME date = {};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    if (!SetTime(&date))
        return 0;
    ClearTyping();
    return 1;
}

// Wine 8's picker gives DTM_GETMONTHCAL its calendar window even while the
// calendar is closed (hidden); Windows gives none.
bool CDateCtrlEx::CalendarOpen() const
{
    HWND hWndCalendar = reinterpret_cast<HWND>(SendMessage(DTM_GETMONTHCAL, 0, 0));
    return hWndCalendar != nullptr && ::IsWindowVisible(hWndCalendar);
}

BOOL CDateCtrlEx::PreTranslateMessage(MSG* pMsg)
{
    HWND hWndParent = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    if (pMsg == nullptr || hWndParent == nullptr)
        return FALSE;
    if (pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_RBUTTONDOWN) {
        if (m_bTyping)
            CommitTyping();
        return FALSE;
    }
    if ((pMsg->message != WM_KEYDOWN && pMsg->message != WM_SYSKEYDOWN) || CalendarOpen())
        return FALSE;
    UINT key = static_cast<UINT>(pMsg->wParam);
    bool selfPosted = (pMsg->lParam & kSelfPosted) != 0;
    int modifiers = Modifiers();
    if (modifiers == 2 || modifiers == 4)
        return FALSE;  // Ctrl or Alt alone: the picker's own keys
    bool forParent = (modifiers == 0 && (key == VK_UP || key == VK_DOWN || key == VK_RETURN)) ||
                     (IsFunctionKey(key) && key != VK_F10) || key == VK_TAB || key == VK_ESCAPE;
    if (forParent && !(key == VK_DOWN && selfPosted)) {
        ::SendMessageA(hWndParent, WM_ZR8_DATEKEY, key, pMsg->lParam);
        return TRUE;
    }
    if ((key == VK_LEFT || key == VK_RIGHT) && !selfPosted) {
        if (m_bTyping)
            CommitTyping();
        ClearTyping();
        return FALSE;
    }
    if (key == VK_SPACE && modifiers == 0) {
        PostMessage(WM_SYSKEYDOWN, VK_DOWN, kSelfPosted);  // Alt+Down: the picker opens its calendar
        return TRUE;
    }
    return FALSE;
}

BOOL CDateCtrlEx::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_NOTIFY || lParam == 0)
        return CDateTimeCtrl::OnChildNotify(message, wParam, lParam, pResult);
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    switch (header->code) {
    case DTN_WMKEYDOWNA:
        OnYearKey(reinterpret_cast<NMDATETIMEWMKEYDOWNA*>(lParam));
        break;
    case DTN_FORMATQUERYA:
        OnYearSize(reinterpret_cast<NMDATETIMEFORMATQUERYA*>(lParam));
        break;
    case DTN_FORMATA:
        OnYearText(reinterpret_cast<NMDATETIMEFORMATA*>(lParam));
        break;
    case DTN_USERSTRINGA:
        OnUserString(reinterpret_cast<NMDATETIMESTRINGA*>(lParam));
        break;
    case NM_KILLFOCUS:  // the parent hears of it too
        if (m_bTyping)
            CommitTyping();
        return FALSE;
    case DTN_CLOSEUP:  // on to the next field; the parent hears of it too
        PostMessage(WM_KEYDOWN, VK_RIGHT, kSelfPosted);
        return FALSE;
    default:
        return CDateTimeCtrl::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = 0;
    return TRUE;
}

// Up and Down change the year at once; a letter, a digit or a point is
// typed, and the year is raised by one so that the picker asks for the
// field's text again. The typed text is read when it is committed.
void CDateCtrlEx::OnYearKey(NMDATETIMEWMKEYDOWNA* pKey)
{
    if (!IsYearField(pKey->pszFormat))
        return;
    switch (pKey->nVirtKey) {
    case VK_DOWN:
    case VK_SUBTRACT:
        --pKey->st.wYear;
        return;
    case VK_UP:
    case VK_ADD:
        ++pKey->st.wYear;
        return;
    case VK_DIVIDE:
        PostMessage(WM_KEYDOWN, VK_RIGHT, kSelfPosted);
        return;
    case VK_MULTIPLY:
        return;
    default:
        break;
    }
    char typed = TypedChar(pKey->nVirtKey);
    if (typed == '\0')
        return;
    if (!m_bTyping) {
        m_bTyping = TRUE;
        m_nStartYear = static_cast<short>(pKey->st.wYear);
    }
    if (m_strTyped.GetLength() < 4)
        m_strTyped += typed;
    else
        m_strTyped = CString(typed);
    ++pKey->st.wYear;
}

void CDateCtrlEx::OnYearSize(NMDATETIMEFORMATQUERYA* pQuery)
{
    if (!IsYearField(pQuery->pszFormat))
        return;
    const char* widest = m_dwType == CDateEraList::kEraDisplay ? "M.55" : "5555";
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = ::SelectObject(hDC, font != nullptr ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    ::GetTextExtentPoint32A(hDC, widest, 4, &pQuery->szMax);
    ::SelectObject(hDC, oldFont);
    ::ReleaseDC(m_hWnd, hDC);
}

void CDateCtrlEx::OnYearText(NMDATETIMEFORMATA* pFormat)
{
    if (!IsYearField(pFormat->pszFormat))
        return;
    if (m_bTyping)
        std::snprintf(pFormat->szDisplay, sizeof pFormat->szDisplay, "%s", static_cast<const char*>(m_strTyped));
    else
        m_eras.YearText(pFormat->szDisplay, sizeof pFormat->szDisplay, m_dwType, pFormat->st.wYear,
                        pFormat->st.wMonth, pFormat->st.wDay);
    pFormat->pszDisplay = pFormat->szDisplay;
}

void CDateCtrlEx::OnUserString(NMDATETIMESTRINGA* pString)
{
    long year = 0, month = 0, day = 0;
    if (!m_eras.ParseDate(pString->pszUserString, &year, &month, &day))
        return;
    pString->st.wYear = static_cast<WORD>(year);
    pString->st.wMonth = static_cast<WORD>(month);
    pString->st.wDay = static_cast<WORD>(day);
    pString->dwFlags = GDT_VALID;
}
