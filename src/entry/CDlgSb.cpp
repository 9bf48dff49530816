#include "CDlgSb.h"

#include <cstdint>
#include <new>

#include "afx/AfxModule.h"
#include "entry/CButtonSub.h"
#include "entry/CComboSub.h"
#include "entry/CDlgTemplateReader.h"
#include "entry/CEditSub.h"
#include "entry/CListSub.h"
#include "entry/DlgKeys.h"

namespace {

typedef CDlgTemplateReader Reader;

// "ｵｰﾄﾗｼﾞｵﾎﾞﾀﾝにON項目が設定されていません。"
const char kNoCheckedRadioText[] =
    "\xB5\xB0\xC4\xD7\xBC\xDE\xB5\xCE\xDE\xC0\xDD\x82\xC9\x4F\x4E\x8D\x80\x96\xDA\x82\xAA\x90\xDD\x92\xE8"
    "\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1\x81\x42";
// "確認"
const char kNoCheckedRadioTitle[] = "\x8A\x6D\x94\x46";

bool IsEdit(BYTE type)
{
    return type == Reader::typeEdit || type == Reader::typeEditKeepsEnter;
}

void ShowNoCheckedRadio()
{
    ::MessageBoxA(nullptr, kNoCheckedRadioText, kNoCheckedRadioTitle, MB_ICONEXCLAMATION | MB_OK);
}

} // namespace

CDlgSb::CDlgSb()
    : m_pDialog(nullptr), m_nFuncKeyMsg(0), m_nCloseMsg(0), m_nCheckMsg(0), m_bWrapNotice(0), m_bSheet(0),
      m_bStopAtEnd(0), m_phWnd(nullptr), m_pType(nullptr), m_pGroup(nullptr), m_nCount(0), m_nCurrent(0),
      m_ppSub(nullptr), m_bKeyMove(0), m_pID(nullptr), m_bRadioSkip(0), m_nLinkID(0), m_nLinkUpMsg(0),
      m_nLinkDownMsg(0), m_nLinkEnterMsg(0), m_nLinkSpaceMsg(0), m_nLinkFuncKeyMsg(0)
{
}

CDlgSb::~CDlgSb()
{
    FreeTable();
}

void CDlgSb::FreeTable()
{
    if (m_ppSub != nullptr) {
        for (UINT i = 0; i < m_nCount; ++i)
            delete m_ppSub[i];
        delete[] m_ppSub;
        m_ppSub = nullptr;
    }
    delete[] m_phWnd;
    m_phWnd = nullptr;
    Reader::FreeTable(m_pID, m_pType, m_pGroup);
    m_pID = nullptr;
    m_pType = nullptr;
    m_pGroup = nullptr;
    m_nCount = 0;
}

// ---------------------------------------------------------------------------
// Building the table

int CDlgSb::Init(CWnd* pDialog, UINT nTemplateID, UINT nFuncKeyMsg, UINT nCloseMsg, UINT nCheckMsg,
                 short bWrapNotice, short bSheet, short bStopAtEnd)
{
    return InitDll(pDialog, AfxGetInstanceHandle(), nTemplateID, nFuncKeyMsg, nCloseMsg, nCheckMsg,
                   bWrapNotice, bSheet, bStopAtEnd);
}

int CDlgSb::InitDll(CWnd* pDialog, HINSTANCE hInst, UINT nTemplateID, UINT nFuncKeyMsg, UINT nCloseMsg,
                    UINT nCheckMsg, short bWrapNotice, short bSheet, short bStopAtEnd)
{
    FreeTable();
    m_pDialog = pDialog;
    m_nFuncKeyMsg = nFuncKeyMsg;
    m_nCloseMsg = nCloseMsg;
    m_nCheckMsg = nCheckMsg;
    m_bWrapNotice = bWrapNotice;
    m_bSheet = bSheet;
    m_bStopAtEnd = bStopAtEnd;
    if (!GetDlgData(static_cast<short>(nTemplateID), hInst, &m_nCount, &m_pID, &m_pType, &m_pGroup))
        return 0;
    m_phWnd = new (std::nothrow) HWND[m_nCount]();
    m_ppSub = new (std::nothrow) CWnd*[m_nCount]();
    if (m_phWnd == nullptr || m_ppSub == nullptr)
        return 0;

    int count = Count();
    for (int i = 0; i < count; ++i) {
        if (!InitItem(m_pID[i], static_cast<short>(i)))
            return 0;
        if (IsEdit(m_pType[i]) && m_nLinkID != 0 && m_pID[i] == m_nLinkID && m_nLinkSpaceMsg != 0) {
            CEditSub* pEdit = dynamic_cast<CEditSub*>(m_ppSub[i]);
            if (pEdit != nullptr)
                pEdit->m_bSpaceForward = 1;
        }
    }
    m_nCurrent = 0;
    if (count == 0)
        return 1;

    // A leading radio group starts on its checked button.
    if (m_pType[0] == Reader::typeRadioButton && m_pGroup[0] != Reader::noGroup) {
        for (int i = 0; i < count && m_pGroup[i] == m_pGroup[0]; ++i) {
            if (static_cast<short>(::SendMessageA(m_phWnd[i], BM_GETCHECK, 0, 0)) > 0) {
                m_nCurrent = i;
                break;
            }
        }
    }
    if (!IsEnabled(m_nCurrent))
        m_nCurrent = FirstEnabledFrom(m_nCurrent);
    for (int i = 0; i < count; ++i) {
        CEditSub* pEdit = IsEdit(m_pType[i]) ? dynamic_cast<CEditSub*>(m_ppSub[i]) : nullptr;
        if (pEdit != nullptr)
            pEdit->FepAbsOff();
    }
    ::SetFocus(m_phWnd[m_nCurrent]);
    return 1;
}

int CDlgSb::GetDlgData(short nTemplateID, HINSTANCE hInst, UINT* pCount, UINT** ppIDs, BYTE** ppTypes,
                       short** ppGroups)
{
    LPCSTR name = MAKEINTRESOURCEA(static_cast<WORD>(nTemplateID));
    HRSRC hResource = ::FindResourceA(hInst, name, RT_DIALOG);
    HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const BYTE* pData = hTemplate != nullptr ? static_cast<const BYTE*>(::LockResource(hTemplate)) : nullptr;
    if (pData == nullptr)
        return 0;
    return Reader::ReadTable(pData, ::SizeofResource(hInst, hResource), pCount, ppIDs, ppTypes, ppGroups);
}

CDlgSb::ITEM* CDlgSb::GetItem(ITEM* pItem, WORD* pKind)
{
    // The size is unknown here: allow any length the address space allows.
    const size_t unbounded = SIZE_MAX / 2;
    Reader::ItemInfo info;
    size_t next;
    if (pItem == nullptr ||
        !Reader::ReadItem(reinterpret_cast<const BYTE*>(pItem), unbounded, 0, FALSE, &info, &next))
        return nullptr;
    if (pKind != nullptr)
        *pKind = info.kind;
    return reinterpret_cast<ITEM*>(reinterpret_cast<BYTE*>(pItem) + next);
}

int CDlgSb::InitItem(UINT nID, short nIndex)
{
    if (nIndex < 0 || nIndex >= Count())
        return 0;
    HWND hDialog = DialogHandle();
    HWND hWnd = hDialog != nullptr ? ::GetDlgItem(hDialog, static_cast<int>(nID)) : nullptr;
    m_phWnd[nIndex] = hWnd;
    if (hWnd == nullptr)
        return 0;
    UINT index = static_cast<UINT>(nIndex);
    BYTE type = m_pType[nIndex];
    switch (type) {
    case Reader::typePushButton:
    case Reader::typeCheckBox:
    case Reader::typeRadioButton: {
        CButtonSub* pButton = new (std::nothrow) CButtonSub;
        m_ppSub[nIndex] = pButton;
        return pButton != nullptr ? pButton->Init(this, hWnd, index, type) : 0;
    }
    case Reader::typeEdit:
    case Reader::typeEditKeepsEnter: {
        CEditSub* pEdit = new (std::nothrow) CEditSub;
        m_ppSub[nIndex] = pEdit;
        return pEdit != nullptr ? pEdit->Init(this, hWnd, index, type == Reader::typeEditKeepsEnter ? 1 : 0) : 0;
    }
    case Reader::typeComboBox: {
        CComboSub* pCombo = new (std::nothrow) CComboSub;
        m_ppSub[nIndex] = pCombo;
        return pCombo != nullptr ? pCombo->Init(this, hWnd, index) : 0;
    }
    case Reader::typeListBox: {
        CListSub* pList = new (std::nothrow) CListSub;
        m_ppSub[nIndex] = pList;
        return pList != nullptr ? pList->Init(this, hWnd, index) : 0;
    }
    case Reader::typeOwnerDrawCombo:
        return 1;  // no subclass
    default:
        return 0;
    }
}

// ---------------------------------------------------------------------------
// IME settings

int CDlgSb::SetFep(UINT nID, UINT nReadingID, short a, short b, short bKana, short bSheet)
{
    int count = Count();
    CWnd* pReading = nullptr;
    if (nReadingID != 0) {
        int reading = -1;
        for (int i = 0; i < count && reading < 0; ++i) {
            if (m_pID[i] == nReadingID && m_pType[i] == Reader::typeEdit && IsEnabled(i))
                reading = i;
        }
        if (reading < 0 || m_ppSub[reading] == nullptr)
            return 0;
        pReading = m_ppSub[reading];
    }
    int item = -1;
    for (int i = 0; i < count && item < 0; ++i) {
        if (m_pID[i] == nID)
            item = i;
    }
    if (item < 0 || !IsEdit(m_pType[item]))
        return 0;
    CEditSub* pEdit = dynamic_cast<CEditSub*>(m_ppSub[item]);
    if (pEdit == nullptr)
        return 0;
    // The first enabled item already has the focus: switch on at once.
    int firstEnabled = FirstEnabledFrom(-1);
    short bNow = bSheet == 0 && item == firstEnabled && IsEnabled(item) ? 1 : 0;
    return pEdit->SetFep(bNow, a, b, bKana, pReading);
}

int CDlgSb::SetKana(UINT nID, short a, short b)
{
    return SetFep(nID, 0, a, b, 1, 0);
}

int CDlgSb::SetFepSheet(short bSheet, UINT nID, UINT nReadingID, short a, short b, short bKana)
{
    return SetFep(nID, nReadingID, a, b, bKana, bSheet);
}

int CDlgSb::SetKanaSheet(short bSheet, UINT nID, short a, short b)
{
    return SetFepSheet(bSheet, nID, 0, a, b, 1);
}

// ---------------------------------------------------------------------------
// Navigation

int CDlgSb::DialogKeyDown(UINT nKey)
{
    int count = Count();
    if (count == 0)
        return 1;
    if (m_nCurrent < 0 || m_nCurrent >= count)
        m_nCurrent = 0;
    if (nKey != VK_ESCAPE && m_pType[m_nCurrent] == Reader::typePushButton)
        ::SendMessageA(m_phWnd[m_nCurrent], BM_SETSTYLE, BS_PUSHBUTTON, TRUE);

    // Each repetition moves one item; two full rounds without a place to
    // stop mean there is none (every item disabled): the focus stays.
    int start = m_nCurrent;
    UINT key = nKey;
    int result = 1;
    StepResult step = stepRepeat;
    for (int steps = 0; step == stepRepeat && steps < 2 * count + 2; ++steps)
        step = KeyStep(key, &result);
    if (step == stepRepeat)
        m_nCurrent = start;

    m_bKeyMove = 1;
    if (nKey != VK_ESCAPE && m_pType[m_nCurrent] == Reader::typePushButton)
        ::SendMessageA(m_phWnd[m_nCurrent], BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    ::SetFocus(m_phWnd[m_nCurrent]);
    m_bKeyMove = 0;
    return result;
}

CDlgSb::StepResult CDlgSb::KeyStep(UINT& nKey, int* pResult)
{
    int current = m_nCurrent;
    *pResult = 1;
    if (m_nLinkID != 0 && m_pID[current] == m_nLinkID) {
        LinkedKey(nKey);
        return stepDone;
    }
    switch (nKey) {
    case VK_DOWN:
        return StepDown(nKey);
    case VK_UP:
        return StepUp(nKey);
    case VK_RIGHT:
    case VK_LEFT:
        if (m_pType[current] != Reader::typeListBox)
            return stepDone;
        nKey = nKey == VK_RIGHT ? VK_DOWN : VK_UP;
        return stepRepeat;
    case VK_ESCAPE:
        if (IsCombo(current) && IsDropped(current)) {
            ::SendMessageA(m_phWnd[current], CB_SHOWDROPDOWN, FALSE, 0);
            *pResult = 0;
        }
        return stepDone;
    case VK_RETURN:
        return StepEnter(nKey);
    default:
        if (zr8entry::IsFunctionKey(nKey))
            ::SendMessageA(DialogHandle(), m_nFuncKeyMsg, nKey, 0);
        return stepDone;
    }
}

void CDlgSb::LinkedKey(UINT nKey)
{
    UINT message = 0;
    switch (nKey) {
    case VK_UP:
        message = m_nLinkUpMsg;
        break;
    case VK_DOWN:
        message = m_nLinkDownMsg;
        break;
    case VK_RETURN:
        message = m_nLinkEnterMsg;
        break;
    case VK_SPACE:
        message = m_nLinkSpaceMsg;
        break;
    default:
        break;
    }
    if (message != 0)
        PostToDialog(message, 0);
    if (m_nLinkFuncKeyMsg != 0 && zr8entry::IsFunctionKey(nKey))
        ::SendMessageA(DialogHandle(), m_nLinkFuncKeyMsg, nKey, 0);
}

CDlgSb::StepResult CDlgSb::StepDown(UINT&)
{
    int current = m_nCurrent;
    if (current == Count() - 1) {
        if (StopsAtEnd(WM_ZR8_NEXTPAGE, WM_ZR8_AFTERLAST))
            return stepDone;
        current = 0;
    } else {
        ++current;
        if (m_bRadioSkip == 1 && m_pType[current] == Reader::typeRadioButton) {
            if (!IsChecked(current)) {
                m_nCurrent = current;
                return stepRepeat;
            }
            // Stopped on the group's checked button; a disabled one passes on.
            m_bRadioSkip = IsEnabled(current) ? 0 : 1;
        }
    }
    m_nCurrent = current;
    return IsEnabled(current) ? stepDone : stepRepeat;
}

// Up or Down past an end of the table: the page request to the sheet, then
// either the end notice and a stop (true), or the notice if wanted and a wrap.
bool CDlgSb::StopsAtEnd(UINT nSheetMsg, UINT nDialogMsg)
{
    if (m_bSheet != 0)
        PostToSheet(nSheetMsg);
    if (m_bStopAtEnd != 0) {
        PostToDialog(nDialogMsg, 0);
        return true;
    }
    if (m_bWrapNotice != 0)
        PostToDialog(nDialogMsg, 0);
    return false;
}

CDlgSb::StepResult CDlgSb::StepUp(UINT&)
{
    int current = m_nCurrent;
    if (current == 0) {
        if (StopsAtEnd(WM_ZR8_PREVPAGE, WM_ZR8_BEFOREFIRST))
            return stepDone;
        current = Count() - 1;
    } else {
        --current;  // no radio skipping upwards
    }
    m_nCurrent = current;
    return IsEnabled(current) ? stepDone : stepRepeat;
}

CDlgSb::StepResult CDlgSb::StepEnter(UINT& nKey)
{
    int current = m_nCurrent;
    switch (m_pType[current]) {
    case Reader::typeCheckBox:
    case Reader::typeEdit:
    case Reader::typeEditKeepsEnter:
    case Reader::typeListBox:
        m_bRadioSkip = 1;
        nKey = VK_DOWN;
        return stepRepeat;
    case Reader::typeComboBox:
    case Reader::typeOwnerDrawCombo:
        if (!IsEnabled(current))
            return stepDone;
        if (IsDropped(current)) {
            ::SendMessageA(m_phWnd[current], CB_SHOWDROPDOWN, FALSE, 0);
            m_bRadioSkip = 1;
            nKey = VK_DOWN;
            return stepRepeat;
        }
        ::SendMessageA(m_phWnd[current], CB_SHOWDROPDOWN, TRUE, 0);
        return stepDone;
    case Reader::typeRadioButton:
        return StepRadioEnter(nKey);
    default:  // push button: the dialog manager presses it
        return stepDone;
    }
}

CDlgSb::StepResult CDlgSb::StepRadioEnter(UINT& nKey)
{
    int count = Count();
    int current = m_nCurrent;
    short group = m_pGroup[current];
    CheckRadio(current);
    if (group == Reader::noGroup)
        return stepDone;

    int next = -1;
    for (int i = current + 1; i < count && next < 0; ++i) {
        if (m_pGroup[i] != group)
            next = i;
    }
    if (next < 0) {
        // The group ends the table.
        if (m_bSheet != 0) {
            PostToSheet(WM_ZR8_NEXTPAGE);
            return stepDone;
        }
        if (m_bStopAtEnd != 0) {
            PostToDialog(WM_ZR8_AFTERLAST, 0);
            return stepDone;
        }
        if (m_bWrapNotice != 0)
            PostToDialog(WM_ZR8_AFTERLAST, 0);
        next = 0;
    }
    // Landing in another group: on its checked button.
    short nextGroup = m_pGroup[next];
    if (nextGroup != Reader::noGroup) {
        for (int i = next; i < count; ++i) {
            if (m_pGroup[i] == nextGroup && IsChecked(i)) {
                next = i;
                break;
            }
        }
    }
    m_nCurrent = next;
    if (IsEnabled(next))
        return stepDone;
    m_bRadioSkip = 1;
    nKey = VK_DOWN;
    return stepRepeat;
}

// Checks a radio button and unchecks the rest of its group, with one check
// message each.
void CDlgSb::CheckRadio(int nIndex)
{
    ::SendMessageA(m_phWnd[nIndex], BM_SETCHECK, BST_CHECKED, 0);
    PostToDialog(m_nCheckMsg, m_pID[nIndex]);
    short group = m_pGroup[nIndex];
    if (group == Reader::noGroup)
        return;
    int count = Count();
    for (int i = 0; i < count; ++i) {
        if (i != nIndex && m_pGroup[i] == group) {
            ::SendMessageA(m_phWnd[i], BM_SETCHECK, BST_UNCHECKED, 0);
            PostToDialog(m_nCheckMsg, m_pID[i]);
        }
    }
}

void CDlgSb::DialogFocus(UINT nIndex, short bNoAction)
{
    if (nIndex >= static_cast<UINT>(Count()))
        return;
    int index = static_cast<int>(nIndex);
    m_nCurrent = index;
    if (bNoAction != 0 || m_bKeyMove != 0)
        return;
    if (m_pType[index] == Reader::typeRadioButton) {
        CheckRadio(index);
    } else if (m_pType[index] == Reader::typeCheckBox) {
        ::SendMessageA(m_phWnd[index], BM_SETCHECK, BST_CHECKED, 0);
        PostToDialog(m_nCheckMsg, m_pID[index]);
    }
}

int CDlgSb::CheckPullDown()
{
    int count = Count();
    for (int i = 0; i < count; ++i) {
        if (IsCombo(i) && IsDropped(i)) {
            ::SendMessageA(m_phWnd[i], CB_SHOWDROPDOWN, FALSE, 0);
            DialogFocus(static_cast<UINT>(i), 0);
            return 1;
        }
    }
    return 0;
}

void CDlgSb::ClosePull(UINT nIndex)
{
    if (m_nCloseMsg != 0 && nIndex < static_cast<UINT>(Count()))
        ::SendMessageA(DialogHandle(), m_nCloseMsg, m_pID[nIndex], 0);
}

int CDlgSb::ResetFocusPos()
{
    int count = Count();
    if (count == 0)
        return 0;
    if (m_nCurrent < 0 || m_nCurrent >= count)
        m_nCurrent = 0;
    short group = m_pGroup[m_nCurrent];
    if (m_pType[m_nCurrent] == Reader::typeRadioButton && group != Reader::noGroup) {
        int checked = CheckedRadioFrom(0, group, 0);
        if (checked < 0)
            return 0;
        m_nCurrent = checked;
    }
    if (!IsEnabled(m_nCurrent))
        m_nCurrent = FirstEnabledFrom(m_nCurrent);
    ::SetFocus(m_phWnd[m_nCurrent]);
    return 1;
}

void CDlgSb::SetFocusID(short nID)
{
    int count = Count();
    for (int i = 0; i < count; ++i) {
        if (m_pID[i] == static_cast<WORD>(nID)) {
            m_nCurrent = i;
            return;
        }
    }
}

int CDlgSb::CheckNextEnableItem(short* pID)
{
    if (pID != nullptr)
        *pID = 0;
    int count = Count();
    for (int i = m_nCurrent + 1; i < count; ++i) {
        if (IsEnabled(i)) {
            if (pID != nullptr)
                *pID = static_cast<short>(m_pID[i] & 0xFFFF);
            return 1;
        }
    }
    return 0;
}

int CDlgSb::CheckPageEnableItem(short* pID)
{
    if (pID != nullptr)
        *pID = 0;
    int first = FirstEnabledFrom(-1);
    if (first < 0)
        return 0;
    int result = first;
    short group = m_pGroup[first];
    if (m_pType[first] == Reader::typeRadioButton && group != Reader::noGroup) {
        result = CheckedRadioFrom(first, group, first);
        if (result < 0)
            return 0;
    }
    if (pID != nullptr)
        *pID = static_cast<short>(m_pID[result] & 0xFFFF);
    return 1;
}

void CDlgSb::SecretLink(UINT nID, UINT nUpMsg, UINT nDownMsg, UINT nEnterMsg, UINT nSpaceMsg, UINT nFuncKeyMsg)
{
    m_nLinkID = nID;
    m_nLinkUpMsg = nUpMsg;
    m_nLinkDownMsg = nDownMsg;
    m_nLinkEnterMsg = nEnterMsg;
    m_nLinkSpaceMsg = nSpaceMsg;
    m_nLinkFuncKeyMsg = nFuncKeyMsg;
}

// ---------------------------------------------------------------------------
// Helpers

int CDlgSb::Count() const
{
    if (m_phWnd == nullptr || m_ppSub == nullptr || m_pType == nullptr || m_pGroup == nullptr || m_pID == nullptr)
        return 0;
    int count = static_cast<short>(m_nCount);
    return count > 0 ? count : 0;
}

// The first checked radio button from nFrom on while the items belong to
// group; fallback when the table ends first. An item of another group
// before a checked one tells the user and gives -1.
int CDlgSb::CheckedRadioFrom(int nFrom, short group, int fallback) const
{
    int count = Count();
    for (int i = nFrom; i < count; ++i) {
        if (m_pGroup[i] != group) {
            ShowNoCheckedRadio();
            return -1;
        }
        if (static_cast<short>(::SendMessageA(m_phWnd[i], BM_GETCHECK, 0, 0)) > 0)
            return i;
    }
    return fallback;
}

bool CDlgSb::IsEnabled(int nIndex) const
{
    return ::IsWindowEnabled(m_phWnd[nIndex]) != FALSE;
}

bool CDlgSb::IsChecked(int nIndex) const
{
    return (::SendMessageA(m_phWnd[nIndex], BM_GETCHECK, 0, 0) & 0xFFFF) != 0;
}

bool CDlgSb::IsCombo(int nIndex) const
{
    return m_pType[nIndex] == Reader::typeComboBox || m_pType[nIndex] == Reader::typeOwnerDrawCombo;
}

bool CDlgSb::IsDropped(int nIndex) const
{
    return (::SendMessageA(m_phWnd[nIndex], CB_GETDROPPEDSTATE, 0, 0) & 0xFFFF) != 0;
}

// The first enabled item after nIndex, going round the table; nIndex itself
// when no other is enabled (with nIndex -1: the first enabled item, or -1).
int CDlgSb::FirstEnabledFrom(int nIndex) const
{
    int count = Count();
    for (int step = 1; step <= count; ++step) {
        int i = nIndex + step;
        if (nIndex >= 0)
            i %= count;
        else if (i >= count)
            break;
        if (IsEnabled(i))
            return i;
    }
    return nIndex;
}

// Never to a null window: that would post to the thread's own queue.
void CDlgSb::PostToDialog(UINT message, WPARAM wParam) const
{
    HWND hDialog = DialogHandle();
    if (message != 0 && hDialog != nullptr)
        ::PostMessageA(hDialog, message, wParam, 0);
}

// The sheet: the dialog's recorded owner, else its parent.
void CDlgSb::PostToSheet(UINT message) const
{
    CWnd* pSheet = m_pDialog != nullptr ? m_pDialog->GetOwner() : nullptr;
    if (pSheet != nullptr && pSheet->m_hWnd != nullptr)
        ::PostMessageA(pSheet->m_hWnd, message, 0, 0);
}

HWND CDlgSb::DialogHandle() const
{
    return m_pDialog != nullptr ? m_pDialog->m_hWnd : nullptr;
}
