// Internal to the framework DLL: the maps from a Win32 handle to the C++
// object that stands for it.
//
// The permanent map holds the objects that own or have attached a handle
// (FromHandlePermanent finds only these). The temporary map holds wrapper
// objects made by FromHandle for handles that no object has attached; they
// live until the next idle time (DeleteTemp), or until the map itself ends.
// There is one wrapper per handle, so the temporary map grows only with the
// number of distinct foreign handles seen between two idle times. A wrapper
// holds its handle in the member Held and never destroys what it wraps.
#pragma once

#include <new>
#include <unordered_map>

#include "AfxTypes.h"

template <class Handle, class Object, Handle Object::*Held>
class AfxHandleMap {
public:
    // A new wrapper object of the class that fits the handle (NULL when it
    // cannot be allocated); by default an Object.
    typedef Object* (*MakeTemp)(Handle);

    explicit AfxHandleMap(MakeTemp makeTemp = MakeObject) : m_makeTemp(makeTemp)
    {
        ::InitializeCriticalSection(&m_lock);
    }
    AfxHandleMap(const AfxHandleMap&) = delete;
    AfxHandleMap& operator=(const AfxHandleMap&) = delete;
    ~AfxHandleMap()
    {
        DeleteTemp();
        ::DeleteCriticalSection(&m_lock);
    }

    // The attached object, else a temporary wrapper (NULL for NULL, or
    // when the wrapper cannot be allocated).
    Object* FromHandle(Handle h)
    {
        if (h == nullptr)
            return nullptr;
        Hold hold(m_lock);
        auto found = m_permanent.find(h);
        if (found != m_permanent.end())
            return found->second;
        auto temp = m_temporary.find(h);
        if (temp != m_temporary.end())
            return temp->second;
        Object* wrapper = m_makeTemp(h);
        if (wrapper != nullptr) {
            wrapper->*Held = h;
            m_temporary.emplace(h, wrapper);
        }
        return wrapper;
    }

    Object* LookupPermanent(Handle h)
    {
        Hold hold(m_lock);
        auto found = m_permanent.find(h);
        return found != m_permanent.end() ? found->second : nullptr;
    }

    // FALSE when another object has already attached the handle. The object
    // takes the place of a temporary wrapper of the handle in FromHandle; the
    // wrapper itself lives on until the next idle time, since whoever was
    // handed it may still be using it.
    bool SetPermanent(Handle h, Object* object)
    {
        Hold hold(m_lock);
        return m_permanent.emplace(h, object).second;
    }

    void RemovePermanent(Handle h, Object* object)
    {
        Hold hold(m_lock);
        auto found = m_permanent.find(h);
        if (found != m_permanent.end() && found->second == object)
            m_permanent.erase(found);
    }

    void DeleteTemp()
    {
        std::unordered_map<Handle, Object*> doomed;
        {
            Hold hold(m_lock);
            doomed.swap(m_temporary);
        }
        for (auto& entry : doomed) {
            entry.second->*Held = nullptr;
            delete entry.second;
        }
    }

    size_t TempCount()
    {
        Hold hold(m_lock);
        return m_temporary.size();
    }

private:
    static Object* MakeObject(Handle) { return new (std::nothrow) Object; }

    class Hold {
    public:
        explicit Hold(CRITICAL_SECTION& lock) : m_lock(lock) { ::EnterCriticalSection(&m_lock); }
        ~Hold() { ::LeaveCriticalSection(&m_lock); }

    private:
        CRITICAL_SECTION& m_lock;
    };

    CRITICAL_SECTION m_lock;
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<Handle, Object*> m_temporary;
    MakeTemp m_makeTemp;
};
