// Shift-JIS aware path bytes shared by the folder and file classes.
//
// A byte 0x5C is a path separator only when it is not the trail byte of a
// double-byte character: in "\x95\x5C" (表) it belongs to the character.
// Lead bytes are 0x81-0x9F and 0xE0-0xFC; a lead byte pairs with the next
// byte only when that byte is a valid trail byte (0x40-0x7E, 0x80-0xFC).
// The tables are code page 932's, whatever the process's code page.
#pragma once

#include <cstddef>

#include "frame/WinLibApi.h"

namespace SjisPath {

ZR8WLIB_API bool IsLeadByte(unsigned char c);
ZR8WLIB_API bool IsTrailByte(unsigned char c);

// True when the byte at text[index] is the trail byte of a double-byte
// character, walking from the start of text. index must be within text.
ZR8WLIB_API bool IsTrailByteAt(const char* text, size_t index);

// True when text ends in a 0x5C byte that is a real backslash.
ZR8WLIB_API bool EndsWithBackslash(const char* text);

// Ensures path ends in a real backslash. 0 for a null or empty path or a
// size <= 0; 1 when it already ends in one; otherwise appends one when the
// length is less than size - 1 (1), else leaves path alone (0).
ZR8WLIB_API int AddBackSlash(char* path, long size);

// Drops one trailing real backslash; false when there is none.
ZR8WLIB_API bool RemoveBackSlash(char* path);

// The folder part of path: its drive ("X:") and directory (up to the last
// real backslash), with a backslash appended when missing. A last component
// without a trailing backslash is a file name and is left out. False for a
// null or empty path, an empty folder part, or a result that does not fit
// in size bytes with its terminator.
ZR8WLIB_API bool GetFolderPart(const char* path, char* folder, size_t size);

// Upper-cases the ASCII letters of text in place, leaving both bytes of
// each double-byte character alone.
ZR8WLIB_API void MakeUpperAscii(char* text);

// True when the first count bytes of a and b are the same text, ASCII
// letters compared without regard to case; double-byte characters (whose
// trail byte may look like a letter) must match exactly. Both must hold
// at least count bytes.
ZR8WLIB_API bool EqualNoCase(const char* a, const char* b, size_t count);

// Settings-file version stamps compare byte by byte as unsigned bytes, so
// "2.00" is newer than "10.0" and "1.10" but not than "2.00" or "2.10".
ZR8WLIB_API bool IsNewerStamp(const char* shipped, const char* installed);

} // namespace SjisPath
