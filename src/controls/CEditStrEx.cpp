#include "CEditStrEx.h"

namespace {
const short kLongTextLimit = 1000;
}

CEditStrEx::CEditStrEx() : CEditStr(kLongTextLimit) {}

CEditStrEx::~CEditStrEx() {}

int CEditStrEx::Init(CWnd* pParent, CFont* pFont, short nKeyMsg, short nChangeMsg, HWND hWnd, short* pKeys,
                     short nKeys, short nShiftUpMsg, short nRButtonMsg, short bFep, short nFocusMsg, int bRedraw,
                     int bAcceptEnter)
{
    m_bAcceptEnter = bAcceptEnter;
    return CEditStr::Init(pParent, pFont, nKeyMsg, nChangeMsg, hWnd, pKeys, nKeys, nShiftUpMsg, nRButtonMsg, bFep,
                          nFocusMsg, bRedraw);
}
