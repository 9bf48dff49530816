#include "CEditNum.h"

#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

#include "text/CConv.h"

namespace {

const int kTextBytes = 19;            // a commit reads at most this much
const double kTolerance = 0.00001;    // float and double changes smaller than this do not count

enum ValueType { kShort = 0, kLong = 1, kFloat = 2, kDouble = 3 };

// The text of a bound integer, with thousands commas or plain; empty
// without a variable.
template <class T>
std::string IntegerText(const T* pValue, bool bComma)
{
    char text[32] = "";
    if (pValue != nullptr && bComma)
        CConv().CommaStr(text, static_cast<long>(*pValue));
    else if (pValue != nullptr)
        std::snprintf(text, sizeof text, "%ld", static_cast<long>(*pValue));
    return text;
}

// The text of a bound decimal number with its decimals and thousands commas
// (room for CConv::CommaStr with that many decimals).
template <class T>
std::string DecimalText(const T* pValue, short nDecimals)
{
    std::vector<char> text(32 + static_cast<size_t>(nDecimals > 0 ? nDecimals : 0), '\0');
    if (pValue != nullptr)
        CConv().CommaStr(text.data(), *pValue, nDecimals);
    return text.data();
}

// Whether a stored entry differs from the value held: integers as stored,
// decimal numbers by more than the tolerance.
template <class T>
bool Differs(T held, T stored, double entry)
{
    if (std::is_integral<T>::value)
        return stored != held;
    return entry - held < -kTolerance || entry - held > kTolerance;
}

// Stores an entry that is a number within [low, high] in *pValue (an
// integer toward zero): true, with *pChanged set when it differs from the
// value held. False when it is no number or out of range.
template <class T>
bool StoreInRange(T* pValue, T low, T high, bool number, double entry, int* pChanged)
{
    if (!number || entry < low || entry > high)
        return false;
    if (Differs(*pValue, static_cast<T>(entry), entry))
        *pChanged = 1;
    *pValue = static_cast<T>(entry);
    return true;
}

} // namespace

CEditNum::CEditNum()
    : m_bChanged(0), m_pFont(nullptr), m_hWndCtl(nullptr), m_pCtl(nullptr), m_pParent(nullptr), m_pKeys(nullptr),
      m_nKeys(0), m_nKeyMsg(0), m_nShiftUpMsg(0), m_nChangeMsg(0), m_nRButtonMsg(0), m_nFocusMsg(0), m_bRedraw(0),
      m_bComma(0), m_nType(kShort), m_nDecimals(0), m_pShort(nullptr), m_nShortMin(0), m_nShortMax(0),
      m_pLong(nullptr), m_nLongMin(0), m_nLongMax(0), m_pFloat(nullptr), m_fFloatMin(0), m_fFloatMax(0),
      m_pDouble(nullptr), m_fDoubleMin(0), m_fDoubleMax(0), m_pChars(nullptr), m_nChars(0), m_nCharMsg(0),
      m_bCtrl(0)
{
}

CEditNum::~CEditNum() {}

int CEditNum::Init(CWnd* pParent, CFont* pFont, short nKeyMsg, short nChangeMsg, HWND hWnd, short* pKeys,
                   short nKeys, short nShiftUpMsg, int bComma, short nRButtonMsg, short nFocusMsg, int bRedraw)
{
    if (!SubclassWindow(hWnd))
        return 0;
    m_pParent = pParent;
    m_pFont = pFont;
    CWnd::SetFont(pFont, TRUE);
    m_nKeyMsg = nKeyMsg;
    m_nChangeMsg = nChangeMsg;
    m_hWndCtl = hWnd;
    m_pCtl = FromHandlePermanent(hWnd);
    m_pKeys = pKeys;
    m_nKeys = nKeys;
    m_nShiftUpMsg = nShiftUpMsg;
    m_bComma = bComma;
    m_nRButtonMsg = nRButtonMsg;
    m_nFocusMsg = nFocusMsg;
    m_bRedraw = bRedraw;
    m_pChars = nullptr;
    m_nChars = 0;
    m_nCharMsg = 0;
    m_bCtrl = 0;
    return 1;
}

void CEditNum::ShowText(const char* text)
{
    m_bChanged = 0;
    SetWindowText(text);
}

void CEditNum::SetText(short* pValue, short nMin, short nMax)
{
    m_nType = kShort;
    m_nDecimals = 0;
    m_pShort = pValue;
    m_nShortMin = nMin;
    m_nShortMax = nMax;
    ShowText(IntegerText(pValue, m_bComma == 1).c_str());
}

void CEditNum::SetText(long* pValue, long nMin, long nMax)
{
    m_nType = kLong;
    m_nDecimals = 0;
    m_pLong = pValue;
    m_nLongMin = nMin;
    m_nLongMax = nMax;
    ShowText(IntegerText(pValue, m_bComma == 1).c_str());
}

void CEditNum::SetText(float* pValue, short nDecimals, float fMin, float fMax)
{
    m_nType = kFloat;
    m_nDecimals = nDecimals;
    m_pFloat = pValue;
    m_fFloatMin = fMin;
    m_fFloatMax = fMax;
    ShowText(DecimalText(pValue, nDecimals).c_str());
}

void CEditNum::SetText(double* pValue, short nDecimals, double fMin, double fMax)
{
    m_nType = kDouble;
    m_nDecimals = nDecimals;
    m_pDouble = pValue;
    m_fDoubleMin = fMin;
    m_fDoubleMax = fMax;
    ShowText(DecimalText(pValue, nDecimals).c_str());
}

bool CEditNum::ReadValue(double* pValue)
{
    char text[kTextBytes + 1] = "";
    GetWindowText(text, sizeof text);
    *pValue = 0.0;
    return text[0] == '\0' || CConv().Convert(text, pValue, m_nDecimals) == 1;
}

// Stores an entry in range; anything else is thrown away and the bound
// value shown again (which clears the change flag).
void CEditNum::Commit()
{
    double value = 0.0;
    bool number = ReadValue(&value);
    switch (m_nType) {
    case kShort:
        if (m_pShort == nullptr)
            return;
        if (!StoreInRange(m_pShort, m_nShortMin, m_nShortMax, number, value, &m_bChanged))
            SetText(m_pShort, m_nShortMin, m_nShortMax);
        break;
    case kLong:
        if (m_pLong == nullptr)
            return;
        if (!StoreInRange(m_pLong, m_nLongMin, m_nLongMax, number, value, &m_bChanged))
            SetText(m_pLong, m_nLongMin, m_nLongMax);
        break;
    case kFloat:
        if (m_pFloat == nullptr)
            return;
        if (!StoreInRange(m_pFloat, m_fFloatMin, m_fFloatMax, number, value, &m_bChanged))
            SetText(m_pFloat, m_nDecimals, m_fFloatMin, m_fFloatMax);
        break;
    case kDouble:
        if (m_pDouble == nullptr)
            return;
        if (!StoreInRange(m_pDouble, m_fDoubleMin, m_fDoubleMax, number, value, &m_bChanged))
            SetText(m_pDouble, m_nDecimals, m_fDoubleMin, m_fDoubleMax);
        break;
    default:
        return;
    }
    // The flag stays set until SetText or GetData, so every later commit reports again.
    if (m_bChanged == 1)
        zr8controls::Report(m_pParent, m_nChangeMsg, 0, 0);
}

void CEditNum::GetData()
{
    double value = 0.0;
    bool number = ReadValue(&value);
    int changed = 0;  // GetData is silent
    if (m_nType == kShort && m_pShort != nullptr)
        StoreInRange(m_pShort, m_nShortMin, m_nShortMax, number, value, &changed);
    else if (m_nType == kLong && m_pLong != nullptr)
        StoreInRange(m_pLong, m_nLongMin, m_nLongMax, number, value, &changed);
    else if (m_nType == kFloat && m_pFloat != nullptr)
        StoreInRange(m_pFloat, m_fFloatMin, m_fFloatMax, number, value, &changed);
    else if (m_nType == kDouble && m_pDouble != nullptr)
        StoreInRange(m_pDouble, m_fDoubleMin, m_fDoubleMax, number, value, &changed);
    m_bChanged = 0;
}

void CEditNum::SetSel()
{
    SendMessage(EM_SETSEL, 0, -1);
}

void CEditNum::SetFocus()
{
    CWnd::SetFocus();
}

void CEditNum::LimitText(short n)
{
    SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(static_cast<int>(n)), 0);
}

void CEditNum::SetExpandMsg(UINT* pChars, short nChars, short nMsg)
{
    m_pChars = pChars;
    m_nChars = nChars;
    m_nCharMsg = nMsg;
}

void CEditNum::OnSetFocus(CWnd* pOldWnd)
{
    zr8controls::Report(m_pParent, m_nFocusMsg, 0, 0);
    CEdit::OnSetFocus(pOldWnd);
}

void CEditNum::OnKillFocus(CWnd* pNewWnd)
{
    Commit();
    if (m_bRedraw == 1)
        InvalidateRect(nullptr, TRUE);
    CEdit::OnKillFocus(pNewWnd);
}

// Characters are filtered before the edit sees them; the character list
// is reported whether the character was typed or not.
void CEditNum::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (zr8controls::IsNumberChar(nChar))
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    for (short i = 0; m_pChars != nullptr && i < m_nChars; ++i) {
        if (m_pChars[i] == nChar)
            zr8controls::Report(m_pParent, m_nCharMsg, nChar, 0);
    }
}

void CEditNum::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (zr8controls::IsListed(m_pKeys, m_nKeys, nChar)) {
        Commit();
        zr8controls::Report(m_pParent, m_nKeyMsg, nChar, 0);
        return;
    }
    if (zr8controls::CtrlQTyped(&m_bCtrl, nChar)) {
        zr8controls::SendCtrlQ(m_pParent);
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CEditNum::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CEdit::OnKeyUp(nChar, nRepCnt, nFlags);
    if (nChar == VK_SHIFT)
        zr8controls::Report(m_pParent, m_nShiftUpMsg, 0, 0);
}

void CEditNum::OnRButtonDown(UINT nFlags, CPoint point)
{
    CEdit::OnRButtonDown(nFlags, point);
    zr8controls::ReportRightClick(m_hWnd, m_pParent, m_nRButtonMsg, nFlags, point);
}

BOOL CEditNum::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    zr8controls::ForwardWheel(m_hWnd, nFlags, zDelta, pt);
    return CEdit::OnMouseWheel(nFlags, zDelta, pt);
}
