// Shift-JIS (code page 932) byte classes used by the framework's string code.
#pragma once

namespace afx_mbcs {

// Lead byte of a double-byte character: 0x81-0x9F or 0xE0-0xFC.
inline bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes of the character at p (1 or 2). A lead byte followed by
// the terminating NUL counts as one byte so that walks never pass the end.
inline int CharLength(const char* p)
{
    return IsLeadByte(static_cast<unsigned char>(p[0])) && p[1] != '\0' ? 2 : 1;
}

} // namespace afx_mbcs
