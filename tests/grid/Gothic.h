// The font of the drawing tests.
#pragma once

#include <windows.h>

#include "afx/CFont.h"

// ＭＳ ゴシック at a pixel height, unsmoothed so that pixels are exact: half-width
// characters are half the height wide (12 pixels: 6 wide, 13 high in all).
inline bool MakeGothic(CFont& font, int height)
{
    return font.CreateFont(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, FIXED_PITCH | FF_MODERN,
                           "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E") != FALSE;
}
