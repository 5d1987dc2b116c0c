// The host's growable table of plain values (pointers, numbers, small structs).
// Copying a Tab copies its elements; the elements themselves are not owned.
#pragma once

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

#include "MaxTypes.h"

template <class T>
class Tab {
    static_assert(std::is_trivially_copyable<T>::value, "Tab holds plain values only");

public:
    Tab() = default;

    int Count() const { return static_cast<int>(items.size()); }
    // Sets the number of elements. The host leaves new elements undefined; here
    // new pointers are poisoned (not null, and faulting when followed) so that
    // code counting on null entries fails in tests. Other new elements are zero.
    int SetCount(int n, BOOL resize = TRUE) {
        (void)resize;
        items.resize(n < 0 ? 0 : static_cast<size_t>(n), Fresh());
        return Count();
    }
    void ZeroCount() { items.clear(); }
    void Init() { items.clear(); }
    void Resize(int n) { items.reserve(n < 0 ? 0 : static_cast<size_t>(n)); }
    void Shrink() { items.shrink_to_fit(); }

    // Appends n elements from el; returns the index of the first one.
    int Append(int n, const T* el, int allocExtra = 0) {
        (void)allocExtra;
        int at = Count();
        if (n > 0 && el) items.insert(items.end(), el, el + n);
        return at;
    }
    // Inserts n elements at index at (clamped to the table); returns that index.
    int Insert(int at, int n, const T* el) {
        at = std::max(0, std::min(at, Count()));
        if (n > 0 && el) items.insert(items.begin() + at, el, el + n);
        return at;
    }
    // Removes num elements from start; out-of-range parts are ignored.
    int Delete(int start, int num) {
        if (start < 0 || start >= Count() || num <= 0) return Count();
        int end = std::min(Count(), start + num);
        items.erase(items.begin() + start, items.begin() + end);
        return Count();
    }

    T& operator[](int i) { return items[static_cast<size_t>(i)]; }
    const T& operator[](int i) const { return items[static_cast<size_t>(i)]; }
    T* Addr(int i) { return items.data() + i; }

    template <class Compare>
    void Sort(Compare compare) {
        std::stable_sort(items.begin(), items.end(), compare);
    }

private:
    static T Fresh() {
        T t;
        std::memset(static_cast<void*>(&t), std::is_pointer<T>::value ? 0xA5 : 0, sizeof(T));
        return t;
    }

    std::vector<T> items;
};
