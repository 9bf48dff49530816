// CSingleLock: holds one CSyncObject for the lifetime of a scope.
#pragma once

#include "CSyncObject.h"

class ZR8AFX_API CSingleLock {
public:
    explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;
    ~CSingleLock();  // unlocks if still locked

    BOOL Lock(DWORD dwTimeOut = INFINITE);
    BOOL Unlock();  // no effect when not locked
    BOOL IsLocked() const;

private:
    CSyncObject* m_pObject;
    BOOL m_bAcquired;
};
