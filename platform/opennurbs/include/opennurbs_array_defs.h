// Kestrin openNURBS-compatible geometry.
// Template definitions of ON_SimpleArray and ON_ClassArray, included by opennurbs_array.h only.
// ON_SimpleArray's storage is a malloc block that grows with realloc. ON_ClassArray constructs
// every slot up to its capacity with placement new, moves elements with their move constructor
// when the block grows or an element is removed, and destroys slots highest index first.
#pragma once

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace on_array_detail {

// Above this block size the arrays grow by a bounded step instead of doubling, so that a huge
// array does not momentarily need twice its size.
constexpr size_t kDoublingLimitBytes = 32 * sizeof(void*) * 1024 * 1024;
// The capacity of the first allocation made by Append on an array with at most 2 elements.
constexpr int kFirstCapacity = 4;
// Arrays smaller than this always double, whatever their element size.
constexpr int kAlwaysDoubleCount = 8;

inline int GrowCapacity(int count, size_t element_size) {
    if (count <= 2) {
        return kFirstCapacity;
    }
    size_t step = static_cast<size_t>(count);
    if (static_cast<size_t>(count) * element_size > kDoublingLimitBytes &&
        count >= kAlwaysDoubleCount) {
        const size_t bounded = kAlwaysDoubleCount + kDoublingLimitBytes / element_size;
        step = bounded < step ? bounded : step;
    }
    const size_t grown = static_cast<size_t>(count) + step;
    return grown > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(grown);
}

// Reallocates a block of element_count elements; bytes move bitwise.
inline void* Reallocate(void* block, size_t element_count, size_t element_size) {
    void* p = std::realloc(block, element_count * element_size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    return p;
}

// Moves count constructed objects from src to the uninitialized dst (the ranges do not overlap
// or dst lies below src) and ends the objects at src. Bytes are copied only for types for which
// that is a move: a bitwise copy would break objects that point into themselves, such as short
// strings.
template <class T> void Relocate(T* dst, T* src, int count) {
    if constexpr (std::is_trivially_copyable<T>::value) {
        if (count > 0) {
            std::memmove(static_cast<void*>(dst), static_cast<const void*>(src),
                         static_cast<size_t>(count) * sizeof(T));
        }
    } else {
        for (int i = 0; i < count; ++i) {
            new (static_cast<void*>(dst + i)) T(std::move_if_noexcept(src[i]));
            src[i].~T();
        }
    }
}

} // namespace on_array_detail

// ---------------------------------------------------------------------------------------------
// ON_SimpleArray

template <class T> ON_SimpleArray<T>::ON_SimpleArray(size_t initial_capacity) {
    if (initial_capacity > 0) {
        SetCapacity(initial_capacity);
    }
}

template <class T> ON_SimpleArray<T>::ON_SimpleArray(const ON_SimpleArray<T>& src) {
    *this = src;
}

template <class T> ON_SimpleArray<T>& ON_SimpleArray<T>::operator=(const ON_SimpleArray<T>& src) {
    if (this != &src) {
        if (src.m_count <= 0) {
            m_count = 0;
        } else {
            if (m_capacity < src.m_count) {
                SetCapacity(static_cast<size_t>(src.m_count));
            }
            std::memcpy(static_cast<void*>(m_a), static_cast<const void*>(src.m_a),
                        static_cast<size_t>(src.m_count) * sizeof(T));
            m_count = src.m_count;
        }
    }
    return *this;
}

template <class T>
ON_SimpleArray<T>::ON_SimpleArray(ON_SimpleArray<T>&& src) noexcept
    : m_a(src.m_a), m_count(src.m_count), m_capacity(src.m_capacity) {
    src.m_a = nullptr;
    src.m_count = 0;
    src.m_capacity = 0;
}

template <class T>
ON_SimpleArray<T>& ON_SimpleArray<T>::operator=(ON_SimpleArray<T>&& src) noexcept {
    if (this != &src) {
        std::free(static_cast<void*>(m_a));
        m_a = src.m_a;
        m_count = src.m_count;
        m_capacity = src.m_capacity;
        src.m_a = nullptr;
        src.m_count = 0;
        src.m_capacity = 0;
    }
    return *this;
}

template <class T> ON_SimpleArray<T>::~ON_SimpleArray() {
    std::free(static_cast<void*>(m_a));
}

template <class T> int ON_SimpleArray<T>::NewCapacity() const {
    return on_array_detail::GrowCapacity(m_count, sizeof(T));
}

template <class T> T& ON_SimpleArray<T>::AppendNew() {
    if (m_count == m_capacity) {
        Reserve(static_cast<size_t>(NewCapacity()));
    }
    std::memset(static_cast<void*>(m_a + m_count), 0, sizeof(T));
    return m_a[m_count++];
}

template <class T> void ON_SimpleArray<T>::Append(const T& x) {
    if (m_count == m_capacity) {
        if (&x >= m_a && &x < m_a + m_capacity) {
            const T copy = x; // x lives in the block that is about to move
            Reserve(static_cast<size_t>(NewCapacity()));
            m_a[m_count++] = copy;
            return;
        }
        Reserve(static_cast<size_t>(NewCapacity()));
    }
    m_a[m_count++] = x;
}

template <class T> void ON_SimpleArray<T>::Append(int count, const T* p) {
    if (count <= 0 || p == nullptr) {
        return;
    }
    if (count > m_capacity - m_count) {
        int new_capacity = NewCapacity();
        if (new_capacity < m_count + count) {
            new_capacity = m_count + count;
        }
        if (p >= m_a && p < m_a + m_capacity) {
            ON_SimpleArray<T> copy;
            copy.Append(count, p);
            Reserve(static_cast<size_t>(new_capacity));
            std::memcpy(static_cast<void*>(m_a + m_count), static_cast<const void*>(copy.m_a),
                        static_cast<size_t>(count) * sizeof(T));
            m_count += count;
            return;
        }
        Reserve(static_cast<size_t>(new_capacity));
    }
    std::memmove(static_cast<void*>(m_a + m_count), static_cast<const void*>(p),
                 static_cast<size_t>(count) * sizeof(T));
    m_count += count;
}

template <class T> void ON_SimpleArray<T>::Insert(int i, const T& x) {
    if (i < 0 || i > m_count) {
        return;
    }
    const T copy = x;
    if (m_count == m_capacity) {
        Reserve(static_cast<size_t>(NewCapacity()));
    }
    std::memmove(static_cast<void*>(m_a + i + 1), static_cast<const void*>(m_a + i),
                 static_cast<size_t>(m_count - i) * sizeof(T));
    m_a[i] = copy;
    ++m_count;
}

template <class T> void ON_SimpleArray<T>::Remove() {
    Remove(m_count - 1);
}

template <class T> void ON_SimpleArray<T>::Remove(int i) {
    if (i < 0 || i >= m_count) {
        return;
    }
    std::memmove(static_cast<void*>(m_a + i), static_cast<const void*>(m_a + i + 1),
                 static_cast<size_t>(m_count - 1 - i) * sizeof(T));
    --m_count;
    std::memset(static_cast<void*>(m_a + m_count), 0, sizeof(T));
}

template <class T> void ON_SimpleArray<T>::Empty() {
    m_count = 0;
}

template <class T> void ON_SimpleArray<T>::Destroy() {
    SetCapacity(0);
}

template <class T> void ON_SimpleArray<T>::Zero() {
    if (m_count > 0) {
        std::memset(static_cast<void*>(m_a), 0, static_cast<size_t>(m_count) * sizeof(T));
    }
}

template <class T> void ON_SimpleArray<T>::Reverse() {
    for (int i = 0, j = m_count - 1; i < j; ++i, --j) {
        const T t = m_a[i];
        m_a[i] = m_a[j];
        m_a[j] = t;
    }
}

template <class T> void ON_SimpleArray<T>::Swap(int i, int j) {
    if (i != j && i >= 0 && j >= 0 && i < m_count && j < m_count) {
        const T t = m_a[i];
        m_a[i] = m_a[j];
        m_a[j] = t;
    }
}

template <class T> void ON_SimpleArray<T>::Reserve(size_t new_capacity) {
    if (new_capacity > static_cast<size_t>(m_capacity)) {
        SetCapacity(new_capacity);
    }
}

template <class T> void ON_SimpleArray<T>::SetCapacity(size_t new_capacity) {
    if (new_capacity > static_cast<size_t>(INT_MAX)) {
        throw std::bad_alloc();
    }
    const int capacity = static_cast<int>(new_capacity);
    if (capacity == m_capacity) {
        return;
    }
    if (capacity == 0) {
        std::free(static_cast<void*>(m_a));
        m_a = nullptr;
        m_count = 0;
        m_capacity = 0;
        return;
    }
    m_a = static_cast<T*>(
        on_array_detail::Reallocate(static_cast<void*>(m_a), new_capacity, sizeof(T)));
    if (capacity > m_capacity) {
        std::memset(static_cast<void*>(m_a + m_capacity), 0,
                    static_cast<size_t>(capacity - m_capacity) * sizeof(T));
    }
    m_capacity = capacity;
    if (m_count > m_capacity) {
        m_count = m_capacity;
    }
}

template <class T> void ON_SimpleArray<T>::SetCount(int count) {
    if (count >= 0 && count <= m_capacity) {
        m_count = count;
    }
}

// ---------------------------------------------------------------------------------------------
// ON_ClassArray

template <class T> ON_ClassArray<T>::ON_ClassArray(size_t initial_capacity) {
    if (initial_capacity > 0) {
        SetCapacity(initial_capacity);
    }
}

template <class T> ON_ClassArray<T>::ON_ClassArray(const ON_ClassArray<T>& src) {
    *this = src;
}

template <class T> ON_ClassArray<T>& ON_ClassArray<T>::operator=(const ON_ClassArray<T>& src) {
    if (this != &src) {
        Reserve(src.m_count > 0 ? static_cast<size_t>(src.m_count) : 0);
        for (int i = 0; i < src.m_count; ++i) {
            m_a[i] = src.m_a[i];
        }
        // Slots that were in use beyond the new count become fresh objects again.
        for (int i = m_count - 1; i >= src.m_count; --i) {
            m_a[i].~T();
            new (static_cast<void*>(m_a + i)) T();
        }
        m_count = src.m_count > 0 ? src.m_count : 0;
    }
    return *this;
}

template <class T> ON_ClassArray<T>::~ON_ClassArray() {
    SetCapacity(0);
}

template <class T> int ON_ClassArray<T>::NewCapacity() const {
    return on_array_detail::GrowCapacity(m_count, sizeof(T));
}

template <class T> T& ON_ClassArray<T>::AppendNew() {
    if (m_count == m_capacity) {
        Reserve(static_cast<size_t>(NewCapacity()));
    }
    m_a[m_count].~T();
    new (static_cast<void*>(m_a + m_count)) T();
    return m_a[m_count++];
}

template <class T> void ON_ClassArray<T>::Append(const T& x) {
    if (m_count == m_capacity) {
        if (&x >= m_a && &x < m_a + m_capacity) {
            T copy; // x lives in the block that is about to move
            copy = x;
            Reserve(static_cast<size_t>(NewCapacity()));
            m_a[m_count++] = copy;
            return;
        }
        Reserve(static_cast<size_t>(NewCapacity()));
    }
    m_a[m_count++] = x;
}

template <class T> void ON_ClassArray<T>::Remove() {
    Remove(m_count - 1);
}

template <class T> void ON_ClassArray<T>::Remove(int i) {
    if (i < 0 || i >= m_count) {
        return;
    }
    m_a[i].~T();
    on_array_detail::Relocate(m_a + i, m_a + i + 1, m_count - 1 - i);
    --m_count;
    new (static_cast<void*>(m_a + m_count)) T();
}

template <class T> void ON_ClassArray<T>::Empty() {
    for (int i = m_count - 1; i >= 0; --i) {
        m_a[i].~T();
        new (static_cast<void*>(m_a + i)) T();
    }
    m_count = 0;
}

template <class T> void ON_ClassArray<T>::Destroy() {
    SetCapacity(0);
}

template <class T> void ON_ClassArray<T>::Reserve(size_t new_capacity) {
    if (new_capacity > static_cast<size_t>(m_capacity)) {
        SetCapacity(new_capacity);
    }
}

template <class T> void ON_ClassArray<T>::SetCapacity(size_t new_capacity) {
    if (new_capacity > static_cast<size_t>(INT_MAX)) {
        throw std::bad_alloc();
    }
    const int capacity = static_cast<int>(new_capacity);
    if (capacity == m_capacity) {
        return;
    }
    if (capacity < m_capacity) {
        for (int i = m_capacity - 1; i >= capacity; --i) {
            m_a[i].~T();
        }
        if (m_count > capacity) {
            m_count = capacity;
        }
    }
    T* block = nullptr;
    if (capacity > 0) {
        block = static_cast<T*>(std::malloc(new_capacity * sizeof(T)));
        if (block == nullptr) {
            throw std::bad_alloc();
        }
    }
    const int kept = capacity < m_capacity ? capacity : m_capacity;
    if (block != nullptr) { // a null block keeps nothing
        on_array_detail::Relocate(block, m_a, kept);
    }
    for (int i = kept; i < capacity; ++i) {
        new (static_cast<void*>(block + i)) T();
    }
    std::free(static_cast<void*>(m_a));
    m_a = block;
    m_capacity = capacity;
}
