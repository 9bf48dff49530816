// A global memory block, allocated and locked for the lifetime of the
// object (library-internal).
#pragma once

#include <windows.h>

class GlobalBlock {
public:
    GlobalBlock(UINT flags, SIZE_T bytes)
        : handle_(::GlobalAlloc(flags, bytes)),
          data_(handle_ != nullptr ? static_cast<char*>(::GlobalLock(handle_)) : nullptr)
    {
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    ~GlobalBlock()
    {
        if (data_ != nullptr)
            ::GlobalUnlock(handle_);
        if (handle_ != nullptr)
            ::GlobalFree(handle_);
    }

    // NULL when the block could not be allocated or locked.
    char* Data() const { return data_; }

private:
    HGLOBAL handle_;
    char* data_;
};
