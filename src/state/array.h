// Bounds-checked arrays as the programs use them: indexes run from 0 to the
// bound given at allocation; an index outside (or an array not yet
// allocated) is a run-time error, never a read or write past the end.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/runtime.h"

namespace vm {

template <class T>
class Arr {
public:
    Arr() = default;
    // DIM A(b1) or DIM A(b1, b2).
    void Dim(int b1, int b2 = -1) {
        b1_ = b1;
        b2_ = b2;
        v_.assign(static_cast<size_t>(b1 + 1) * static_cast<size_t>(b2 < 0 ? 1 : b2 + 1), T{});
    }
    bool Allocated() const { return !v_.empty(); }
    int Bound() const { return b1_; }
    int Bound2() const { return b2_; }
    void Fill(const T& value) { std::fill(v_.begin(), v_.end(), value); }

    T& operator()(double i, Where w = Where::Here()) { return v_[Index(i, 0, false, w)]; }
    T& operator()(double i, double j, Where w = Where::Here()) { return v_[Index(i, j, true, w)]; }
    const T& operator()(double i, Where w = Where::Here()) const {
        return v_[Index(i, 0, false, w)];
    }
    const T& operator()(double i, double j, Where w = Where::Here()) const {
        return v_[Index(i, j, true, w)];
    }

private:
    // Subscripts are rounded to the nearest whole number, as the run-time did.
    static long Sub(double i, int bound, const Where& w) {
        if (!std::isfinite(i)) throw RuntimeError(kSubscript, w);
        const double r = std::nearbyint(i);
        if (r < 0 || r > bound) throw RuntimeError(kSubscript, w);
        return static_cast<long>(r);
    }
    size_t Index(double i, double j, bool pair, const Where& w) const {
        if (v_.empty() || pair != (b2_ >= 0)) throw RuntimeError(kSubscript, w);
        const long a = Sub(i, b1_, w);
        if (!pair) return static_cast<size_t>(a);
        return static_cast<size_t>(a * (b2_ + 1) + Sub(j, b2_, w));
    }

    std::vector<T> v_;
    int b1_ = -1, b2_ = -1;
};

}  // namespace vm
