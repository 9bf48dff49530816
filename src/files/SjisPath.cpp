#include "SjisPath.h"

#include <cstring>

#include "afx/ShiftJis.h"

namespace SjisPath {

namespace {

// Length of the character at p: 2 for a lead byte with a valid trail byte.
size_t CharLength(const char* p)
{
    return IsLeadByte(static_cast<unsigned char>(p[0])) &&
                   IsTrailByte(static_cast<unsigned char>(p[1]))
               ? 2
               : 1;
}

} // namespace

bool IsLeadByte(unsigned char c)
{
    return sjis::IsLeadByte(c);
}

bool IsTrailByte(unsigned char c)
{
    return sjis::IsTrailByte(c);
}

bool IsTrailByteAt(const char* text, size_t index)
{
    size_t i = 0;
    while (i < index && text[i] != '\0')
        i += CharLength(text + i);
    return i > index;
}

bool EndsWithBackslash(const char* text)
{
    size_t length = std::strlen(text);
    return length > 0 && text[length - 1] == '\\' && !IsTrailByteAt(text, length - 1);
}

int AddBackSlash(char* path, long size)
{
    if (path == nullptr || path[0] == '\0' || size <= 0)
        return 0;
    if (EndsWithBackslash(path))
        return 1;
    size_t length = std::strlen(path);
    if (length >= static_cast<size_t>(size) - 1)
        return 0;
    path[length] = '\\';
    path[length + 1] = '\0';
    return 1;
}

bool RemoveBackSlash(char* path)
{
    if (path == nullptr || !EndsWithBackslash(path))
        return false;
    path[std::strlen(path) - 1] = '\0';
    return true;
}

bool GetFolderPart(const char* path, char* folder, size_t size)
{
    if (path == nullptr || path[0] == '\0' || folder == nullptr || size == 0)
        return false;
    size_t end = 0;  // bytes of drive + directory
    if (path[1] == ':' && !IsLeadByte(static_cast<unsigned char>(path[0])))
        end = 2;
    bool endsWithBackslash = false;
    for (size_t i = end; path[i] != '\0';) {
        size_t step = CharLength(path + i);
        if (step == 1 && path[i] == '\\') {
            end = i + 1;
            endsWithBackslash = true;
        }
        i += step;
    }
    if (end == 0)
        return false;
    size_t total = end + (endsWithBackslash ? 0 : 1);
    if (total >= size)
        return false;
    std::memcpy(folder, path, end);
    if (!endsWithBackslash)
        folder[end] = '\\';
    folder[total] = '\0';
    return true;
}

void MakeUpperAscii(char* text)
{
    for (size_t i = 0; text[i] != '\0';) {
        size_t step = CharLength(text + i);
        if (step == 1 && text[i] >= 'a' && text[i] <= 'z')
            text[i] = static_cast<char>(text[i] - 'a' + 'A');
        i += step;
    }
}

bool EqualNoCase(const char* a, const char* b, size_t count)
{
    for (size_t i = 0; i < count;) {
        size_t step = CharLength(a + i);
        if (step == 2) {
            if (i + 1 >= count || a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
        } else {
            char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 'a' + 'A') : a[i];
            char y = b[i] >= 'a' && b[i] <= 'z' ? static_cast<char>(b[i] - 'a' + 'A') : b[i];
            if (x != y)
                return false;
        }
        i += step;
    }
    return true;
}

bool IsNewerStamp(const char* shipped, const char* installed)
{
    return std::strcmp(shipped, installed) > 0;
}

} // namespace SjisPath
