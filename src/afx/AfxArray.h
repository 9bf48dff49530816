// The framework's growable arrays share this body: an index-checked vector
// with MFC's operations. Indexes outside the array are ignored by the
// setters and answer a default value from GetAt, never touching memory
// outside the array.
#pragma once

#include <vector>

#include "AfxTypes.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class AfxArray {
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_items.empty(); }
    void SetSize(INT_PTR nNewSize)
    {
        if (nNewSize >= 0)
            m_items.resize(static_cast<size_t>(nNewSize));
    }
    void RemoveAll() { m_items.clear(); }
    TYPE GetAt(INT_PTR nIndex) const { return Valid(nIndex) ? m_items[static_cast<size_t>(nIndex)] : TYPE(); }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (Valid(nIndex))
            m_items[static_cast<size_t>(nIndex)] = newElement;
    }
    // Grows the array when nIndex is past its end.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0)
            return;
        if (nIndex >= GetSize())
            SetSize(nIndex + 1);
        m_items[static_cast<size_t>(nIndex)] = newElement;
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        m_items.push_back(newElement);
        return GetSize() - 1;
    }
    // Inserts nCount copies before nIndex; an index past the end grows the
    // array to it first, as MFC does.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount <= 0)
            return;
        if (nIndex > GetSize())
            SetSize(nIndex);
        m_items.insert(m_items.begin() + nIndex, static_cast<size_t>(nCount), newElement);
    }
    // Removes up to nCount elements from nIndex.
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (!Valid(nIndex) || nCount <= 0)
            return;
        INT_PTR end = nCount > GetSize() - nIndex ? GetSize() : nIndex + nCount;
        m_items.erase(m_items.begin() + nIndex, m_items.begin() + end);
    }
    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }

protected:
    bool Valid(INT_PTR nIndex) const { return nIndex >= 0 && nIndex < GetSize(); }

    std::vector<TYPE> m_items;
};
