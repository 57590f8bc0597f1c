#pragma once
// A record's array field with its declared bounds (0 To A, 0 To B, ...), stored first index
// fastest. Every access is bounds-checked: an index outside the declaration is refused
// (nullptr, nothing or false), never a read or write outside the field.

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <type_traits>

namespace velmora::store {

template <class T, int... Upper> class BoundedArray {
public:
    static constexpr std::size_t kRank = sizeof...(Upper);
    static constexpr std::size_t kSize = (std::size_t{Upper + 1} * ...);
    using Index = std::array<int, kRank>;

    static constexpr bool inBounds(const Index& idx) {
        constexpr std::array<int, kRank> upper{Upper...};
        for (std::size_t d = 0; d < kRank; ++d)
            if (idx[d] < 0 || idx[d] > upper[d])
                return false;
        return true;
    }

    // Element number i + (A + 1) * j + (A + 1) * (B + 1) * k ...
    static constexpr std::size_t elementNumber(const Index& idx) {
        constexpr std::array<int, kRank> upper{Upper...};
        std::size_t number = 0;
        std::size_t stride = 1;
        for (std::size_t d = 0; d < kRank; ++d) {
            number += static_cast<std::size_t>(idx[d]) * stride;
            stride *= static_cast<std::size_t>(upper[d] + 1);
        }
        return number;
    }

    template <class... I>
        requires(sizeof...(I) == kRank)
    [[nodiscard]] T* find(I... idx) {
        const Index index{toIndex(idx)...};
        return inBounds(index) ? &items_[elementNumber(index)] : nullptr;
    }
    template <class... I>
        requires(sizeof...(I) == kRank)
    [[nodiscard]] const T* find(I... idx) const {
        const Index index{toIndex(idx)...};
        return inBounds(index) ? &items_[elementNumber(index)] : nullptr;
    }

    template <class... I>
        requires(sizeof...(I) == kRank)
    [[nodiscard]] std::optional<T> get(I... idx) const {
        if (const T* item = find(idx...))
            return *item;
        return std::nullopt;
    }

    // Stores value at index; false (and nothing written) when the index is out of bounds.
    [[nodiscard]] bool set(const Index& idx, const T& value) {
        if (!inBounds(idx))
            return false;
        items_[elementNumber(idx)] = value;
        return true;
    }

    // All elements in storage order, for the byte codec and whole-field scans.
    [[nodiscard]] const std::array<T, kSize>& elements() const { return items_; }
    [[nodiscard]] std::array<T, kSize>& elements() { return items_; }

    bool operator==(const BoundedArray&) const = default;

private:
    // An index as int; a value int cannot hold becomes -1 so that it is refused, not wrapped.
    template <class I> static constexpr int toIndex(I idx) {
        if constexpr (std::is_integral_v<I> && std::is_signed_v<I>) {
            if (static_cast<long long>(idx) < std::numeric_limits<int>::min() ||
                static_cast<long long>(idx) > std::numeric_limits<int>::max())
                return -1;
        } else if constexpr (std::is_integral_v<I>) {
            if (static_cast<unsigned long long>(idx) > static_cast<unsigned>(std::numeric_limits<int>::max()))
                return -1;
        }
        return static_cast<int>(idx);
    }

    std::array<T, kSize> items_{};
};

} // namespace velmora::store
