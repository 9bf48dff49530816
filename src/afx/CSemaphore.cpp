#include "CSemaphore.h"

#ifndef _WIN32
#include <chrono>
#include <condition_variable>
#include <mutex>

struct CSemaphore::State {
    std::mutex mutex;
    std::condition_variable released;
    LONG count;
    LONG maximum;
};
#endif

#ifdef _WIN32

CSemaphore::CSemaphore(LONG lInitialCount, LONG lMaxCount, LPCTSTR pstrName,
                       LPSECURITY_ATTRIBUTES lpsaAttributes)
    : m_hObject(::CreateSemaphoreA(lpsaAttributes, lInitialCount, lMaxCount, pstrName))
{
}

CSemaphore::~CSemaphore()
{
    if (m_hObject != nullptr)
        ::CloseHandle(m_hObject);
}

BOOL CSemaphore::Lock(DWORD dwTimeout)
{
    if (m_hObject == nullptr)
        return FALSE;
    DWORD result = ::WaitForSingleObject(m_hObject, dwTimeout);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

BOOL CSemaphore::Unlock(LONG lCount, LONG* lpPrevCount)
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::ReleaseSemaphore(m_hObject, lCount, lpPrevCount);
}

#else

CSemaphore::CSemaphore(LONG lInitialCount, LONG lMaxCount, LPCTSTR, void*)
    : m_state(new State)
{
    m_state->count = lInitialCount;
    m_state->maximum = lMaxCount;
}

CSemaphore::~CSemaphore()
{
    delete m_state;
}

BOOL CSemaphore::Lock(DWORD dwTimeout)
{
    std::unique_lock<std::mutex> hold(m_state->mutex);
    auto available = [this] { return m_state->count > 0; };
    if (dwTimeout == INFINITE)
        m_state->released.wait(hold, available);
    else if (!m_state->released.wait_for(hold, std::chrono::milliseconds(dwTimeout), available))
        return FALSE;
    --m_state->count;
    return TRUE;
}

BOOL CSemaphore::Unlock(LONG lCount, LONG* lpPrevCount)
{
    std::lock_guard<std::mutex> hold(m_state->mutex);
    if (lCount <= 0 || lCount > m_state->maximum - m_state->count)
        return FALSE;
    if (lpPrevCount != nullptr)
        *lpPrevCount = m_state->count;
    m_state->count += lCount;
    m_state->released.notify_all();
    return TRUE;
}

#endif

BOOL CSemaphore::Unlock()
{
    return Unlock(1, nullptr);
}
