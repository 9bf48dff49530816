// CConv's path shorteners: a path cut to a display width around "..."
// without splitting a double-byte character or taking a trail byte 0x5C for
// a backslash.
#include "CConv.h"

#include <cstring>

#include "afx/ShiftJis.h"
#include "text/ConvText.h"

namespace {

using conv_text::HelperTextLength;
using conv_text::kMaxHelperText;

// A path of at most 255 bytes, its terminator and room to spare.
const size_t kPathWorkSize = 260;
// The marks put in place of the cut-out part, terminator included.
const char kEllipsis[] = "...";
const char kEllipsisFolder[] = "...\\";
const int kFolderMarkBytes = 4;  // "...\" without its terminator
// The last name is kept whole when a head of at least two bytes still fits
// before "...\", the terminator and (ConvDirName3) the closing backslash.
const int kMinHeadBytes = 2;

// Where each byte of a path stands, found by one walk from its start: a
// 0x5C (or any byte) after a lead byte is a trail byte, never a character.
class ByteLayout {
public:
    ByteLayout(const char* text, size_t length)
    {
        for (size_t i = 0; i < length; ++i) {
            if (sjis::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < length) {
                kinds_[i] = lead;
                kinds_[++i] = trail;
            } else {
                kinds_[i] = sjis::IsLeadByte(static_cast<unsigned char>(text[i])) ? lead : single;
            }
        }
    }
    bool IsLeadAt(size_t i) const { return kinds_[i] == lead; }
    bool IsCharacter(const char* text, size_t i, char c) const { return kinds_[i] == single && text[i] == c; }
    bool IsBackslash(const char* text, size_t i) const { return IsCharacter(text, i, '\\'); }

private:
    enum Kind : unsigned char { single, lead, trail };
    Kind kinds_[kPathWorkSize] = {};
};

// Length of the directory part of a path as the C library's _splitpath
// sees it: drive and folders, up to and including the last '\' or '/'.
size_t DirectoryPartLength(const char* path, size_t length, const ByteLayout& layout)
{
    for (size_t i = length; i-- > 0;) {
        if (layout.IsCharacter(path, i, '\\') || layout.IsCharacter(path, i, '/'))
            return i + 1;
    }
    return length >= 2 && path[1] == ':' ? 2 : 0;
}

// Copies up to count bytes, taking a byte of 0x80 or above together with the
// next one (so up to count + 1 bytes); returns the bytes written.
size_t CopyByWideBytes(char* out, const char* src, long long count)
{
    size_t k = 0;
    while (static_cast<long long>(k) < count && src[k] != '\0') {
        if (static_cast<unsigned char>(src[k]) >= 0x80 && src[k + 1] != '\0') {
            out[k] = src[k];
            ++k;
        }
        out[k] = src[k];
        ++k;
    }
    out[k] = '\0';
    return k;
}

// A path of at most 255 bytes copied into a work buffer, its trailing
// single-byte backslash dropped unless the path is 3 bytes long ("C:\").
struct PathWork {
    char text[kPathWorkSize];
    size_t length;
    size_t directoryLength;
};

void PreparePath(const char* path, size_t length, PathWork& work)
{
    std::memcpy(work.text, path, length + 1);
    work.length = length;
    ByteLayout layout(work.text, length);
    if (length != 3 && length != 0 && layout.IsBackslash(work.text, length - 1))
        work.text[--work.length] = '\0';
    work.directoryLength = DirectoryPartLength(work.text, work.length, layout);
}

// Clears the first room bytes of out (its first byte always) and measures
// the path; false when there is none or it is longer than the helpers take.
bool StartPath(char* out, long long room, const char* path, size_t* length)
{
    if (room > 0)
        std::memset(out, 0, static_cast<size_t>(room));
    out[0] = '\0';
    if (path == nullptr)
        return false;
    *length = HelperTextLength(path);
    return *length <= kMaxHelperText;
}

} // namespace

// Head (drive, first folder) + "..." + "\" + last part. The room reserved
// while copying the head is not charged for the "..." and "\" added after
// it, so the text can reach width + 3 bytes.
void CConv::ConvDirName(char* out, char* path, short width)
{
    size_t length = 0;
    if (out == nullptr || !StartPath(out, 0, path, &length) || width <= 0 || length == 0)
        return;
    if (static_cast<long>(length) <= width - 1) {
        std::memcpy(out, path, length + 1);
        return;
    }
    ByteLayout layout(path, length);
    long room = width;
    size_t copied = 0;
    if (path[1] == ':') {
        if (room <= static_cast<long>(sizeof kEllipsis)) {
            std::memcpy(out, kEllipsis, sizeof kEllipsis);
            return;
        }
        // The drive part is cut where the room ends, even after a lead byte.
        for (;;) {
            out[copied] = path[copied];
            ++copied;
            --room;
            if (layout.IsBackslash(path, copied - 1))
                break;
            if (room <= static_cast<long>(sizeof kEllipsis)) {
                std::memcpy(out + copied, kEllipsis, sizeof kEllipsis);
                return;
            }
        }
    }
    for (;;) {
        if (room <= static_cast<long>(sizeof kEllipsis)) {
            // A lead byte whose trail byte did not fit is taken back.
            if (copied != 0 && layout.IsLeadAt(copied - 1))
                --copied;
            std::memcpy(out + copied, kEllipsis, sizeof kEllipsis);
            return;
        }
        out[copied] = path[copied];
        ++copied;
        --room;
        if (layout.IsBackslash(path, copied - 1))
            break;
    }
    std::memcpy(out + copied, kEllipsis, sizeof kEllipsis);

    // The head ended on a backslash well before the end of the path, so the
    // backwards search always finds one.
    size_t last = length - 1;
    if (layout.IsBackslash(path, last))
        --last;
    size_t separator = last;
    while (!layout.IsBackslash(path, separator))
        --separator;
    size_t partLength = length - separator - 1;
    if (static_cast<long>(partLength) > room - 1)
        return;
    size_t end = copied + (sizeof kEllipsis - 1);
    out[end++] = '\\';
    std::memcpy(out + end, path + separator + 1, partLength + 1);
}

// Directory prefix + "...\" + last name, width - 1 bytes.
void CConv::ConvDirName2(char* path, char* out, int width)
{
    size_t length = 0;
    if (out == nullptr || !StartPath(out, width, path, &length))
        return;
    PathWork work;
    PreparePath(path, length, work);
    if (static_cast<long long>(work.length) < width) {
        std::memcpy(out, path, length + 1);
        return;
    }
    const char* name = work.text + work.directoryLength;
    long long nameLength = static_cast<long long>(work.length - work.directoryLength);
    if (nameLength > static_cast<long long>(width) - (kMinHeadBytes + kFolderMarkBytes + 1)) {
        CopyByWideBytes(out, name, width);
        return;
    }
    size_t prefix = CopyByWideBytes(out, work.text, width - (kFolderMarkBytes + 1) - nameLength);
    std::memcpy(out + prefix, kEllipsisFolder, kFolderMarkBytes);
    std::memcpy(out + prefix + kFolderMarkBytes, name, static_cast<size_t>(nameLength) + 1);
}

// Directory prefix + "...\" + last name + "\", width bytes.
void CConv::ConvDirName3(char* path, char* out, int width)
{
    size_t length = 0;
    if (out == nullptr || !StartPath(out, static_cast<long long>(width) + 1, path, &length))
        return;
    if (static_cast<long long>(length) <= width) {
        std::memcpy(out, path, length + 1);
        return;
    }
    // From here width < length <= 255, so every count fits a short.
    PathWork work;
    PreparePath(path, length, work);
    const char* name = work.text + work.directoryLength;
    size_t nameLength = work.length - work.directoryLength;
    if (static_cast<long long>(nameLength) <= static_cast<long long>(width) - (kMinHeadBytes + kFolderMarkBytes + 2)) {
        KanjiCopy(out, work.text, static_cast<short>(width - (kFolderMarkBytes + 1) - static_cast<int>(nameLength)));
        size_t prefix = std::strlen(out);
        std::memcpy(out + prefix, kEllipsisFolder, kFolderMarkBytes);
        std::memcpy(out + prefix + kFolderMarkBytes, name, nameLength);
        std::memcpy(out + prefix + kFolderMarkBytes + nameLength, "\\", 2);
    } else if (width > kFolderMarkBytes) {
        KanjiCopy(out, work.text, static_cast<short>(width - kFolderMarkBytes));
        std::strcat(out, kEllipsisFolder);
    } else {
        KanjiCopy(out, work.text, static_cast<short>(width < 0 ? 0 : width));
    }
}
