// CSemaphore: a counting semaphore. On Windows it is a kernel semaphore and
// may be named (shared between processes); the portable build offers the
// unnamed, process-local kind only.
#pragma once

#include "CSyncObject.h"

class ZR8AFX_API CSemaphore : public CSyncObject {
public:
    CSemaphore(LONG lInitialCount = 1, LONG lMaxCount = 1, LPCTSTR pstrName = nullptr,
#ifdef _WIN32
               LPSECURITY_ATTRIBUTES lpsaAttributes = nullptr
#else
               void* lpsaAttributes = nullptr
#endif
    );
    ~CSemaphore() override;

    BOOL Lock(DWORD dwTimeout = INFINITE) override;
    BOOL Unlock() override;
    // Releases lCount; lpPrevCount (may be NULL) receives the count before.
    BOOL Unlock(LONG lCount, LONG* lpPrevCount = nullptr);

#ifdef _WIN32
    HANDLE m_hObject;  // NULL when the semaphore could not be created
#else
private:
    struct State;
    State* m_state;
#endif
};
