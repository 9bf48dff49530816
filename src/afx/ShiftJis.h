// Shift-JIS (code page 932): the one place that knows its byte classes.
// Every control, path rule and text helper of the framework and the library
// asks here, never the system: IsDBCSLeadByte, CharNextA and CharPrevA follow
// the process's ANSI code page, and under a host whose code page is not 932
// two controls would then cut the same text differently.
#pragma once

#include <cstddef>

namespace sjis {

// Lead byte of a double-byte character: 0x81-0x9F or 0xE0-0xFC.
inline bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// A byte that can follow a lead byte: 0x40-0x7E or 0x80-0xFC.
inline bool IsTrailByte(unsigned char c)
{
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// Bytes (1 or 2) of the character at p. A lead byte before the terminating
// NUL counts as one byte, so that walks never pass the end.
inline int CharLength(const char* p)
{
    return IsLeadByte(static_cast<unsigned char>(p[0])) && p[1] != '\0' ? 2 : 1;
}

// The same for a character at p with `left` bytes of text from p on.
inline int CharLength(const char* p, std::size_t left)
{
    return IsLeadByte(static_cast<unsigned char>(p[0])) && left >= 2 ? 2 : 1;
}

// Bytes of the longest start of the NUL-terminated text that has at most
// limit bytes and does not split a double-byte character.
inline std::size_t FitLength(const char* text, std::size_t limit)
{
    std::size_t length = 0;
    while (text[length] != '\0') {
        std::size_t next = length + static_cast<std::size_t>(CharLength(text + length));
        if (next > limit)
            break;
        length = next;
    }
    return length;
}

// The same over exactly count bytes, NULs included: a lead byte always takes
// the byte after it, and one in the last place is left out.
inline std::size_t CutLength(const char* bytes, std::size_t count)
{
    std::size_t length = 0;
    while (length < count) {
        std::size_t next = length + (IsLeadByte(static_cast<unsigned char>(bytes[length])) ? 2 : 1);
        if (next > count)
            break;
        length = next;
    }
    return length;
}

// The start of the character before `at`, walking from start (a trail byte
// may look like a lead byte, so only a walk from the front is sure); start
// itself when at is no further.
inline const char* PrevChar(const char* start, const char* at)
{
    const char* previous = start;
    for (const char* p = start; p < at; p += CharLength(p))
        previous = p;
    return previous;
}

} // namespace sjis
