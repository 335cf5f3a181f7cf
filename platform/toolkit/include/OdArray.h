// Kestrin drawing toolkit.
// OdArray<T>: the toolkit's growable array, allocated through odrxAlloc so that arrays filled by
// a module and read by the toolkit share one heap. Copies are deep. Indices are unsigned; at()
// checks them and raises OdError(eInvalidIndex), operator[] does not.
#pragma once

#include "OdAlloc.h"
#include "OdError.h"

#include <cstring>
#include <initializer_list>
#include <new>
#include <type_traits>
#include <utility>

/* Description:
     Growable array of T.
   Remarks:
     Growth doubles the capacity (minimum 4). An allocation failure raises
     OdError(eOutOfMemory) and leaves the array unchanged.
*/
template <class T> class OdArray {
public:
    typedef unsigned int size_type;
    typedef T* iterator;
    typedef const T* const_iterator;

    OdArray() = default;
    explicit OdArray(size_type physicalLength) { reserve(physicalLength); }
    OdArray(std::initializer_list<T> values) {
        reserve(static_cast<size_type>(values.size()));
        for (const T& value : values) {
            append(value);
        }
    }
    OdArray(const OdArray& other) {
        reserve(other.m_length);
        for (const T& value : other) {
            append(value);
        }
    }
    OdArray(OdArray&& other) noexcept
        : m_pData(std::exchange(other.m_pData, nullptr)),
          m_length(std::exchange(other.m_length, 0)),
          m_capacity(std::exchange(other.m_capacity, 0)) {}
    OdArray& operator=(OdArray other) noexcept {
        std::swap(m_pData, other.m_pData);
        std::swap(m_length, other.m_length);
        std::swap(m_capacity, other.m_capacity);
        return *this;
    }
    ~OdArray() {
        clear();
        odrxFree(m_pData);
    }

    size_type length() const { return m_length; }
    size_type size() const { return m_length; }
    size_type physicalLength() const { return m_capacity; }
    bool isEmpty() const { return m_length == 0; }
    bool empty() const { return m_length == 0; }

    /* Description:
         Appends a copy of value (which may live in this array) and returns its index.
    */
    size_type append(const T& value) {
        if (m_length == m_capacity) {
            T copy(value); // value may be an element that the growth moves
            grow(m_length + 1);
            new (m_pData + m_length) T(std::move(copy));
        } else {
            new (m_pData + m_length) T(value);
        }
        return m_length++;
    }
    void push_back(const T& value) { append(value); }

    /* Description:
         Removes the last element; does nothing on an empty array.
    */
    void removeLast() {
        if (m_length > 0) {
            m_pData[--m_length].~T();
        }
    }

    /* Description:
         Removes every element; the capacity stays.
    */
    void clear() {
        while (m_length > 0) {
            removeLast();
        }
    }

    /* Description:
         Makes room for at least physicalLength elements.
    */
    void reserve(size_type physicalLength) {
        if (physicalLength > m_capacity) {
            reallocate(physicalLength);
        }
    }
    void setPhysicalLength(size_type physicalLength) { reserve(physicalLength); }

    /* Description:
         Sets the number of elements: new ones are value-initialized, extra ones destroyed.
    */
    void resize(size_type logicalLength) {
        reserve(logicalLength);
        while (m_length < logicalLength) {
            new (m_pData + m_length) T();
            ++m_length;
        }
        while (m_length > logicalLength) {
            removeLast();
        }
    }
    void setLogicalLength(size_type logicalLength) { resize(logicalLength); }

    T& operator[](size_type index) { return m_pData[index]; }
    const T& operator[](size_type index) const { return m_pData[index]; }
    T& at(size_type index) { return m_pData[checked(index)]; }
    const T& at(size_type index) const { return m_pData[checked(index)]; }
    const T& getAt(size_type index) const { return at(index); }
    T& first() { return at(0); }
    const T& first() const { return at(0); }
    T& last() { return at(m_length - 1); }
    const T& last() const { return at(m_length - 1); }

    const T* getPtr() const { return m_pData; }
    T* asArrayPtr() { return m_pData; }
    const T* asArrayPtr() const { return m_pData; }

    iterator begin() { return m_pData; }
    iterator end() { return m_pData + m_length; }
    const_iterator begin() const { return m_pData; }
    const_iterator end() const { return m_pData + m_length; }

    bool operator==(const OdArray& other) const {
        if (m_length != other.m_length) {
            return false;
        }
        for (size_type i = 0; i < m_length; ++i) {
            if (!(m_pData[i] == other.m_pData[i])) {
                return false;
            }
        }
        return true;
    }

private:
    size_type checked(size_type index) const {
        if (index >= m_length) {
            throw OdError(eInvalidIndex);
        }
        return index;
    }

    void grow(size_type minimum) {
        size_type capacity = m_capacity < kMinimumCapacity ? kMinimumCapacity : m_capacity * 2;
        reallocate(capacity < minimum ? minimum : capacity);
    }

    void reallocate(size_type capacity) {
        const std::size_t bytes = sizeof(T) * static_cast<std::size_t>(capacity);
        if constexpr (std::is_trivially_copyable_v<T>) {
            void* pNew = odrxRealloc(m_pData, bytes, sizeof(T) * std::size_t{m_capacity});
            if (!pNew) {
                throw OdError(eOutOfMemory);
            }
            m_pData = static_cast<T*>(pNew);
        } else {
            T* pNew = static_cast<T*>(odrxAlloc(bytes));
            if (!pNew) {
                throw OdError(eOutOfMemory);
            }
            for (size_type i = 0; i < m_length; ++i) {
                new (pNew + i) T(std::move_if_noexcept(m_pData[i]));
                m_pData[i].~T();
            }
            odrxFree(m_pData);
            m_pData = pNew;
        }
        m_capacity = capacity;
    }

    static constexpr size_type kMinimumCapacity = 4; // first growth of an empty array

    T* m_pData = nullptr;   // odrxAlloc block of m_capacity slots
    size_type m_length = 0; // constructed elements, <= m_capacity
    size_type m_capacity = 0;
};
