// CFep: switches the input method (IME) of one window on, into full-width
// input or half-width katakana, and off again. The only place in the
// library that changes IME modes; the sentence mode is always written back
// unchanged.
#pragma once

#include "afx/CWnd.h"
#include "frame/WinLibApi.h"

#include <imm.h>

class ZR8WLIB_API CFep {
public:
    CFep();
    // Does not switch the IME off: owners call FepOff first.
    ~CFep();

    // 1 when switched on now; 0 for a NULL window or when this object has
    // switched it on already. The two middle values are carried for the
    // callers and have no effect.
    int FepOn(CWnd* pWnd, short a, short b, short bKana);
    int KanaOn(CWnd* pWnd, short a, short b);
    // Closes the IME of the target window, putting back the mode bits that
    // FepOn replaced.
    void FepOff();
    // Closes the IME of pWnd if it is open; the object's fields are not used.
    void FepAbsOff(CWnd* pWnd);

protected:
    CWnd* m_pWnd;        // target window of the last FepOn
    HIMC m_hImc;         // its input context while switched on
    int m_nState;        // 1 while switched on by FepOn
    short m_nSavedMode;  // low four conversion bits to put back; 0 = none
};
