#include "CEditNum.h"

#include <cstdio>
#include <vector>

#include "text/CConv.h"

namespace {

const int kTextBytes = 19;            // a commit reads at most this much
const double kTolerance = 0.00001;    // float and double changes smaller than this do not count

enum ValueType { kShort = 0, kLong = 1, kFloat = 2, kDouble = 3 };

// Room for CConv::CommaStr with this many decimals.
size_t DecimalRoom(short nDecimals)
{
    return 32 + static_cast<size_t>(nDecimals > 0 ? nDecimals : 0);
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
    char text[32] = "";
    if (pValue != nullptr) {
        if (m_bComma == 1)
            CConv().CommaStr(text, *pValue);
        else
            std::snprintf(text, sizeof text, "%d", *pValue);
    }
    ShowText(text);
}

void CEditNum::SetText(long* pValue, long nMin, long nMax)
{
    m_nType = kLong;
    m_nDecimals = 0;
    m_pLong = pValue;
    m_nLongMin = nMin;
    m_nLongMax = nMax;
    char text[32] = "";
    if (pValue != nullptr) {
        if (m_bComma == 1)
            CConv().CommaStr(text, *pValue);
        else
            std::snprintf(text, sizeof text, "%ld", *pValue);
    }
    ShowText(text);
}

void CEditNum::SetText(float* pValue, short nDecimals, float fMin, float fMax)
{
    m_nType = kFloat;
    m_nDecimals = nDecimals;
    m_pFloat = pValue;
    m_fFloatMin = fMin;
    m_fFloatMax = fMax;
    std::vector<char> text(DecimalRoom(nDecimals), '\0');
    if (pValue != nullptr)
        CConv().CommaStr(text.data(), *pValue, nDecimals);
    ShowText(text.data());
}

void CEditNum::SetText(double* pValue, short nDecimals, double fMin, double fMax)
{
    m_nType = kDouble;
    m_nDecimals = nDecimals;
    m_pDouble = pValue;
    m_fDoubleMin = fMin;
    m_fDoubleMax = fMax;
    std::vector<char> text(DecimalRoom(nDecimals), '\0');
    if (pValue != nullptr)
        CConv().CommaStr(text.data(), *pValue, nDecimals);
    ShowText(text.data());
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
        if (!number || value < m_nShortMin || value > m_nShortMax) {
            SetText(m_pShort, m_nShortMin, m_nShortMax);
        } else {
            short stored = static_cast<short>(value);  // toward zero
            if (stored != *m_pShort)
                m_bChanged = 1;
            *m_pShort = stored;
        }
        break;
    case kLong:
        if (m_pLong == nullptr)
            return;
        if (!number || value < m_nLongMin || value > m_nLongMax) {
            SetText(m_pLong, m_nLongMin, m_nLongMax);
        } else {
            long stored = static_cast<long>(value);
            if (stored != *m_pLong)
                m_bChanged = 1;
            *m_pLong = stored;
        }
        break;
    case kFloat:
        if (m_pFloat == nullptr)
            return;
        if (!number || m_fFloatMin > value || m_fFloatMax < value) {
            SetText(m_pFloat, m_nDecimals, m_fFloatMin, m_fFloatMax);
        } else {
            double difference = value - *m_pFloat;
            if (difference < -kTolerance || difference > kTolerance)
                m_bChanged = 1;
            *m_pFloat = static_cast<float>(value);
        }
        break;
    case kDouble:
        if (m_pDouble == nullptr)
            return;
        if (!number || m_fDoubleMin > value || m_fDoubleMax < value) {
            SetText(m_pDouble, m_nDecimals, m_fDoubleMin, m_fDoubleMax);
        } else {
            double difference = value - *m_pDouble;
            if (difference < -kTolerance || difference > kTolerance)
                m_bChanged = 1;
            *m_pDouble = value;
        }
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
    if (ReadValue(&value)) {
        switch (m_nType) {
        case kShort:
            if (m_pShort != nullptr && value >= m_nShortMin && value <= m_nShortMax)
                *m_pShort = static_cast<short>(value);
            break;
        case kLong:
            if (m_pLong != nullptr && value >= m_nLongMin && value <= m_nLongMax)
                *m_pLong = static_cast<long>(value);
            break;
        case kFloat:
            if (m_pFloat != nullptr && value >= m_fFloatMin && value <= m_fFloatMax)
                *m_pFloat = static_cast<float>(value);
            break;
        case kDouble:
            if (m_pDouble != nullptr && value >= m_fDoubleMin && value <= m_fDoubleMax)
                *m_pDouble = value;
            break;
        default:
            break;
        }
    }
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
