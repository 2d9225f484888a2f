#pragma once
// FieldValues: entry n holds the number that belongs to field Textn of the open sheet.

#include <array>

namespace varnok {

class FieldValues {
public:
    static constexpr int kFirst = 1;
    static constexpr int kLast = 200;

    /// Entry n (1..200); 0 for any other n.
    double get(int n) const { return valid(n) ? values_[n - kFirst] : 0.0; }
    /// Writes entry n; an n outside 1..200 is passed over.
    void set(int n, double value) {
        if (valid(n))
            values_[n - kFirst] = value;
    }
    static constexpr bool valid(int n) { return n >= kFirst && n <= kLast; }

private:
    std::array<double, kLast - kFirst + 1> values_{};
};

} // namespace varnok
