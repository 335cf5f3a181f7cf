// Kestrin openNURBS-compatible geometry.
// ON_SimpleArray and ON_ClassArray: the growable arrays of the exchange format.
// Both keep their elements in one block that grows by reallocation. ON_SimpleArray moves its
// plain elements bytewise; ON_ClassArray moves its elements with their move (or copy)
// constructor, so any class may be held. Indices are int and operator[] is unchecked.
#pragma once

#include <cstddef>
#include <type_traits>

/* Description:
     A growable array of plain values: elements are copied, moved and discarded bytewise, with
     no constructors or destructors run.
   Remarks:
     Count() elements are in use out of Capacity() allocated slots. When full, Append grows the
     capacity to 4 while Count() <= 2 and to 2·Count() after that (by a bounded step once the
     block is very large).
*/
template <class T> class ON_SimpleArray {
    static_assert(std::is_trivially_copyable<T>::value && std::is_trivially_destructible<T>::value,
                  "ON_SimpleArray holds plain values only; use ON_ClassArray");

public:
    ON_SimpleArray() = default;
    explicit ON_SimpleArray(size_t initial_capacity);
    ON_SimpleArray(const ON_SimpleArray<T>& src);
    ON_SimpleArray<T>& operator=(const ON_SimpleArray<T>& src);
    // Takes over src's storage; src is left empty.
    ON_SimpleArray(ON_SimpleArray<T>&& src) noexcept;
    ON_SimpleArray<T>& operator=(ON_SimpleArray<T>&& src) noexcept;
    virtual ~ON_SimpleArray();

    int Count() const { return m_count; }
    unsigned int UnsignedCount() const { return static_cast<unsigned int>(m_count); }
    int Capacity() const { return m_capacity; }
    size_t SizeOfArray() const { return static_cast<size_t>(m_capacity) * sizeof(T); }

    // Unchecked access: 0 <= i < Count().
    T& operator[](int i) { return m_a[i]; }
    const T& operator[](int i) const { return m_a[i]; }

    // Checked access: nullptr when i is outside 0 ... Count()-1.
    T* At(int i) { return (i >= 0 && i < m_count) ? m_a + i : nullptr; }
    const T* At(int i) const { return (i >= 0 && i < m_count) ? m_a + i : nullptr; }
    T* First() { return m_count > 0 ? m_a : nullptr; }
    const T* First() const { return m_count > 0 ? m_a : nullptr; }
    T* Last() { return m_count > 0 ? m_a + (m_count - 1) : nullptr; }
    const T* Last() const { return m_count > 0 ? m_a + (m_count - 1) : nullptr; }

    // The storage block (nullptr when the capacity is 0).
    T* Array() { return m_a; }
    const T* Array() const { return m_a; }

    /* Description:
         Appends a zero-filled element.
       Returns:
         The new element.
    */
    T& AppendNew();

    /* Description:
         Appends a copy of x.
       Remarks:
         x may be an element of this array.
    */
    void Append(const T& x);

    /* Description:
         Appends count elements copied from p (p may point into this array).
    */
    void Append(int count, const T* p);

    /* Description:
         Inserts x before index i (0 <= i <= Count()); out of range does nothing.
    */
    void Insert(int i, const T& x);

    // Removes the last element; nothing happens on an empty array.
    void Remove();

    /* Description:
         Removes element i, moving the tail down and zero-filling the vacated last slot.
       Remarks:
         Nothing happens when i is out of range.
    */
    void Remove(int i);

    // Count becomes 0; the storage stays.
    void Empty();
    // Frees the storage.
    void Destroy();
    // Zero-fills the used elements.
    void Zero();
    void Reverse();
    void Swap(int i, int j);

    // Makes the capacity at least new_capacity.
    void Reserve(size_t new_capacity);
    // Sets the capacity exactly; shrinking below Count() lowers Count().
    void SetCapacity(size_t new_capacity);

    /* Description:
         Sets Count(); new elements are not initialised beyond what the storage held.
       Remarks:
         0 <= count <= Capacity(); other values do nothing.
    */
    void SetCount(int count);

protected:
    // The capacity Append grows to when the array is full.
    int NewCapacity() const;

    T* m_a = nullptr;   // Capacity() slots, or nullptr when the capacity is 0
    int m_count = 0;    // 0 <= m_count <= m_capacity
    int m_capacity = 0; // allocated slots
};

/* Description:
     A growable array of class objects: every slot up to Capacity() holds a constructed T.
   Remarks:
     New slots are default-constructed when the capacity grows; Append assigns into the next
     slot with T::operator=; a removed slot is destroyed and default-constructed again. The
     destructor destroys all slots from the highest index down to 0 and then frees the
     storage. T needs a default constructor, a robust operator=, a copy or move constructor
     and a destructor. When the block grows, or Remove(i) closes the gap, elements are moved
     to their new slots with the move constructor (the copy constructor when moving may throw)
     and the old objects destroyed; types that are trivially copyable are moved bytewise.
*/
template <class T> class ON_ClassArray {
public:
    ON_ClassArray() = default;
    explicit ON_ClassArray(size_t initial_capacity);
    ON_ClassArray(const ON_ClassArray<T>& src);
    ON_ClassArray<T>& operator=(const ON_ClassArray<T>& src);
    virtual ~ON_ClassArray();

    int Count() const { return m_count; }
    unsigned int UnsignedCount() const { return static_cast<unsigned int>(m_count); }
    int Capacity() const { return m_capacity; }

    T& operator[](int i) { return m_a[i]; }
    const T& operator[](int i) const { return m_a[i]; }

    T* At(int i) { return (i >= 0 && i < m_count) ? m_a + i : nullptr; }
    const T* At(int i) const { return (i >= 0 && i < m_count) ? m_a + i : nullptr; }
    T* First() { return m_count > 0 ? m_a : nullptr; }
    const T* First() const { return m_count > 0 ? m_a : nullptr; }
    T* Last() { return m_count > 0 ? m_a + (m_count - 1) : nullptr; }
    const T* Last() const { return m_count > 0 ? m_a + (m_count - 1) : nullptr; }

    T* Array() { return m_a; }
    const T* Array() const { return m_a; }

    /* Description:
         Appends a freshly default-constructed element (the slot is destroyed and
         re-constructed).
    */
    T& AppendNew();

    /* Description:
         Assigns x into the next slot with T::operator=.
       Remarks:
         x may be an element of this array.
    */
    void Append(const T& x);

    // Removes the last element: it is destroyed and its slot default-constructed again.
    void Remove();

    /* Description:
         Removes element i: it is destroyed, the tail moves down one slot and the freed last
         slot is default-constructed.
       Remarks:
         Nothing happens when i is out of range.
    */
    void Remove(int i);

    // Destroys and re-constructs the used slots, last to first; Count() becomes 0.
    void Empty();
    // Destroys every slot, last to first, and frees the storage.
    void Destroy();

    void Reserve(size_t new_capacity);
    /* Description:
         Sets the capacity exactly. Growing default-constructs the new slots; shrinking
         destroys the slots above the new capacity, highest first.
    */
    void SetCapacity(size_t new_capacity);

protected:
    int NewCapacity() const;

    T* m_a = nullptr;   // m_capacity constructed slots
    int m_count = 0;    // 0 <= m_count <= m_capacity
    int m_capacity = 0; // allocated and constructed slots
};

#include "opennurbs_array_defs.h"
