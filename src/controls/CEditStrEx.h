// CEditStrEx: the long-text CEditStr. Up to 1000 bytes are stored, and
// Enter can be typed (line breaks in a multi-line edit).
#pragma once

#include "controls/CEditStr.h"

class ZR8WLIB_API CEditStrEx : public CEditStr {
public:
    CEditStrEx();
    ~CEditStrEx() override;

    // As CEditStr::Init; bAcceptEnter non-zero types Enter into the edit.
    int Init(CWnd* pParent, CFont* pFont, short nKeyMsg, short nChangeMsg, HWND hWnd, short* pKeys, short nKeys,
             short nShiftUpMsg, short nRButtonMsg, short bFep, short nFocusMsg, int bRedraw, int bAcceptEnter);
};
