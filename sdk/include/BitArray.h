// A sized array of bits, as the host offers it.
#pragma once

#include <vector>

#include "MaxTypes.h"

class BitArray {
public:
    BitArray() = default;
    explicit BitArray(int n) { SetSize(n); }

    int GetSize() const { return static_cast<int>(bits.size()); }
    // Resizes; with save the bits that remain keep their values, else all clear.
    void SetSize(int n, int save = 0) {
        if (!save) bits.clear();
        bits.resize(n < 0 ? 0 : static_cast<size_t>(n), false);
    }
    void Set(int i) {
        if (InRange(i)) bits[static_cast<size_t>(i)] = true;
    }
    void Set(int i, int b) {
        if (InRange(i)) bits[static_cast<size_t>(i)] = b != 0;
    }
    void Clear(int i) {
        if (InRange(i)) bits[static_cast<size_t>(i)] = false;
    }
    void SetAll() { bits.assign(bits.size(), true); }
    void ClearAll() { bits.assign(bits.size(), false); }
    // Reading outside the array answers 0, like the host.
    int operator[](int i) const { return InRange(i) && bits[static_cast<size_t>(i)] ? 1 : 0; }
    int NumberSet() const {
        int n = 0;
        for (bool b : bits) n += b ? 1 : 0;
        return n;
    }
    bool operator==(const BitArray& b) const { return bits == b.bits; }
    BitArray operator&(const BitArray& b) const {
        BitArray r(GetSize());
        for (int i = 0; i < GetSize(); ++i) r.Set(i, (*this)[i] && b[i]);
        return r;
    }
    BitArray operator|(const BitArray& b) const {
        BitArray r(GetSize());
        for (int i = 0; i < GetSize(); ++i) r.Set(i, (*this)[i] || b[i]);
        return r;
    }

private:
    bool InRange(int i) const { return i >= 0 && i < GetSize(); }
    std::vector<bool> bits;
};
