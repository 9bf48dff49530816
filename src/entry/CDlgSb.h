// CDlgSb: the keyboard navigation table of a host dialog.
//
// Init reads the dialog's own template resource, takes its push buttons,
// check boxes, radio buttons, edits, combo boxes and list boxes in template
// order and attaches a subclass object to each (CButtonSub, CEditSub,
// CComboSub, CListSub). From then on the subclasses hand their navigation
// keys to DialogKeyDown and report focus arrivals to DialogFocus; the table
// moves the focus, checks radio buttons, opens and closes combo lists and
// posts the end and page notices below. The table is not a window.
#pragma once

#include "afx/CWnd.h"
#include "frame/WinLibApi.h"

// Notices posted by the table.
#define WM_ZR8_PREVPAGE (WM_USER + 9030)  // Up before the first item: to the owning sheet
#define WM_ZR8_NEXTPAGE (WM_USER + 9040)  // Down or Enter after the last item: to the owning sheet
#define WM_ZR8_BEFOREFIRST (WM_USER + 9050)  // Up before the first item: to the dialog
#define WM_ZR8_AFTERLAST (WM_USER + 9060)    // Down or Enter after the last item: to the dialog

class ZR8WLIB_API CDlgSb {
public:
#pragma pack(push, 2)
    // One control of a standard binary dialog template (fixed part).
    struct ITEM {
        DWORD style;
        DWORD dwExtendedStyle;
        short x;
        short y;
        short cx;
        short cy;
        WORD id;
    };
#pragma pack(pop)

    CDlgSb();
    CDlgSb(const CDlgSb&) = delete;
    CDlgSb& operator=(const CDlgSb&) = delete;
    // Deletes every subclass object (they give their controls back) and the arrays.
    ~CDlgSb();

    // Builds the table from the template nTemplateID of the application's
    // module and gives the first item the focus. 0 when the template is
    // missing or malformed, memory runs out, or a control cannot be found
    // or attached.
    int Init(CWnd* pDialog, UINT nTemplateID, UINT nFuncKeyMsg, UINT nCloseMsg, UINT nCheckMsg,
             short bWrapNotice, short bSheet, short bStopAtEnd);
    // The same with the template taken from the module hInst.
    int InitDll(CWnd* pDialog, HINSTANCE hInst, UINT nTemplateID, UINT nFuncKeyMsg, UINT nCloseMsg,
                UINT nCheckMsg, short bWrapNotice, short bSheet, short bStopAtEnd);

    // IME setting (and reading field) of an edit item.
    int SetFep(UINT nID, UINT nReadingID, short a, short b, short bKana, short bSheet);
    int SetKana(UINT nID, short a, short b);
    int SetFepSheet(short bSheet, UINT nID, UINT nReadingID, short a, short b, short bKana);
    int SetKanaSheet(short bSheet, UINT nID, short a, short b);

    // Navigation by key; 0 if Escape closed an open combo list, else 1.
    int DialogKeyDown(UINT nKey);
    // Item nIndex has the focus; unless bNoAction, radio buttons and check
    // boxes that got it other than by a key are checked.
    void DialogFocus(UINT nIndex, short bNoAction);
    int CheckPullDown();
    void ClosePull(UINT nIndex);
    int ResetFocusPos();
    void SetFocusID(short nID);
    int CheckNextEnableItem(short* pID);
    int CheckPageEnableItem(short* pID);
    // Binds the keys of item nID to messages instead of navigation. Call it
    // before Init for the Space key of an edit.
    void SecretLink(UINT nID, UINT nUpMsg, UINT nDownMsg, UINT nEnterMsg, UINT nSpaceMsg, UINT nFuncKeyMsg);

protected:
    int GetDlgData(short nTemplateID, HINSTANCE hInst, UINT* pCount, UINT** ppIDs, BYTE** ppTypes,
                   short** ppGroups);
    // Walks one item of a standard template: its class kind, and the next
    // item. The caller vouches that pItem lies in a whole template;
    // GetDlgData itself reads with the resource's size.
    ITEM* GetItem(ITEM* pItem, WORD* pKind);
    // Finds control nID, records its window at nIndex, makes and attaches
    // its subclass. A derived table may attach subclasses of its own.
    virtual int InitItem(UINT nID, short nIndex);

    CWnd* m_pDialog;
    UINT m_nFuncKeyMsg;
    UINT m_nCloseMsg;
    UINT m_nCheckMsg;
    short m_bWrapNotice;
    short m_bSheet;
    short m_bStopAtEnd;
    HWND* m_phWnd;
    BYTE* m_pType;
    short* m_pGroup;
    UINT m_nCount;  // compared as a signed 16-bit value
    int m_nCurrent;
    CWnd** m_ppSub;
    short m_bKeyMove;
    UINT* m_pID;
    int m_bRadioSkip;
    UINT m_nLinkID;
    UINT m_nLinkUpMsg;
    UINT m_nLinkDownMsg;
    UINT m_nLinkEnterMsg;
    UINT m_nLinkSpaceMsg;
    UINT m_nLinkFuncKeyMsg;

private:
    enum StepResult { stepDone, stepRepeat };

    StepResult KeyStep(UINT& nKey, int* pResult);
    StepResult StepDown(UINT& nKey);
    StepResult StepUp(UINT& nKey);
    bool StopsAtEnd(UINT nSheetMsg, UINT nDialogMsg);
    StepResult StepEnter(UINT& nKey);
    StepResult StepRadioEnter(UINT& nKey);
    void LinkedKey(UINT nKey);
    void CheckRadio(int nIndex);
    void FreeTable();
    int Count() const;
    bool IsEnabled(int nIndex) const;
    bool IsChecked(int nIndex) const;
    bool IsDropped(int nIndex) const;
    bool IsCombo(int nIndex) const;
    int FirstEnabledFrom(int nIndex) const;
    int CheckedRadioFrom(int nFrom, short group, int fallback) const;
    void PostToDialog(UINT message, WPARAM wParam) const;
    void PostToSheet(UINT message) const;
    HWND DialogHandle() const;
};
