// CDlgSub: a small companion for dialog code. Range checks with CCheck's
// rules, comma formatting and double-byte copying through a CConv made for
// the call, and a help context changed for the lifetime of the object.
#pragma once

#include "afx/AfxTypes.h"
#include "afx/CString.h"
#include "frame/WinLibApi.h"

class CDialog;

class ZR8WLIB_API CDlgSub {
public:
    CDlgSub();
    // Gives back what ChangeHelp replaced, if it was called.
    ~CDlgSub();
    CDlgSub(const CDlgSub&) = delete;
    CDlgSub& operator=(const CDlgSub&) = delete;

    // CConv::CommaStr. The double form never shows a fraction (decimals is
    // not used), and the float form widens without CConv's float rounding.
    // out is left untouched when no CConv can be made.
    void CommaStr(char* out, long value);
    void CommaStr(char* out, short value);
    void CommaStr(char* out, double value, short decimals);
    void CommaStr(char* out, float value, short decimals);

    void KanjiCopy(unsigned char* dest, unsigned char* src, short count);

    // CCheck::DataCheck; 0 when no CCheck can be made.
    int ValueCheck(const char* text, long low, long high);
    int ValueCheck(const char* text, short low, short high);
    int ValueCheck(const char* text, double low, double high);
    int ValueCheck(const char* text, float low, float high);
    int ValueCheck(CString text, long low, long high);
    int ValueCheck(CString text, short low, short high);
    int ValueCheck(CString text, double low, double high);
    int ValueCheck(CString text, float low, float high);

#ifdef _WIN32
    // Centres the dialog on the primary screen (not the work area, not the
    // parent), keeping its size.
    void CenteringDialog(CDialog* dialog);

    // Writes the low 16 bits of helpId to *helpIdVar and remembers its old
    // value and the application's help file path; the destructor puts both
    // back. A second call replaces what the first remembered.
    void ChangeHelp(DWORD helpId, UINT* helpIdVar);
#endif

private:
    [[maybe_unused]] LPCTSTR m_savedHelpFile;  // the application's help file path before ChangeHelp
    [[maybe_unused]] UINT m_savedHelpId;     // *m_helpIdVar before ChangeHelp
    [[maybe_unused]] UINT* m_helpIdVar;      // null until ChangeHelp
};
