// The limit the text helpers of CConv share (the library's own header).
#pragma once

#include <cstring>

namespace conv_text {

// The longest text the helpers take; a longer one gives the empty text.
const size_t kMaxHelperText = 255;

// Length of a helper's text; anything over 255 bytes counts as 256.
inline size_t HelperTextLength(const char* text)
{
    return strnlen(text, kMaxHelperText + 1);
}

} // namespace conv_text
