// Global memory blocks (library-internal): the locked bytes of a block for
// the lifetime of an object, and a block allocated and locked for it.
#pragma once

#include <windows.h>

#include <memory>

// NULL data when there is no block or it cannot be locked.
template <class Byte>
class GlobalBlockLock {
public:
    explicit GlobalBlockLock(HGLOBAL handle)
        : handle_(handle), data_(handle != nullptr ? static_cast<Byte*>(::GlobalLock(handle)) : nullptr)
    {
    }
    GlobalBlockLock(const GlobalBlockLock&) = delete;
    GlobalBlockLock& operator=(const GlobalBlockLock&) = delete;
    ~GlobalBlockLock()
    {
        if (data_ != nullptr)
            ::GlobalUnlock(handle_);
    }

    Byte* Data() const { return data_; }

private:
    HGLOBAL handle_;
    Byte* data_;
};

class GlobalBlock {
public:
    GlobalBlock(UINT flags, SIZE_T bytes) : block_(::GlobalAlloc(flags, bytes), ::GlobalFree), lock_(block_.get()) {}

    // NULL when the block could not be allocated or locked.
    char* Data() const { return lock_.Data(); }

private:
    // Unlocked before it is freed: members go in reverse order.
    std::unique_ptr<void, HGLOBAL(WINAPI*)(HGLOBAL)> block_;
    GlobalBlockLock<char> lock_;
};
