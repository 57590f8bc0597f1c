#pragma once
// Text(n): a fixed-width CP1256 text field. All-zero bytes mean "never written since the
// record was created", which several windows test for; assigning writes text padded with
// spaces, so an assigned empty value is n spaces, not zeros.

#include "store/cp1256.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::store {

// Removes leading and trailing spaces (only U+0020: tabs and the no-break space stay).
std::string_view trimSpaces(std::string_view text);

// Decodes a field's bytes, dropping NUL bytes so that no displayed text holds them.
std::string decodeField(std::span<const std::uint8_t> bytes);

// Writes text into a field: CP1256, cut at the width, padded with spaces.
void assignField(std::span<std::uint8_t> field, std::string_view utf8);

template <std::size_t N> class Text {
public:
    static constexpr std::size_t kWidth = N;

    Text() = default; // never written: all zero
    explicit Text(std::string_view utf8) { assign(utf8); }

    void assign(std::string_view utf8) { assignField(bytes_, utf8); }

    [[nodiscard]] bool neverWritten() const {
        return std::all_of(bytes_.begin(), bytes_.end(), [](std::uint8_t b) { return b == 0; });
    }

    // The stored characters, padding included; empty for a never-written field.
    [[nodiscard]] std::string value() const { return decodeField(bytes_); }

    // The value as readers use it: leading and trailing spaces removed.
    [[nodiscard]] std::string trimmed() const { return std::string(trimSpaces(value())); }

    [[nodiscard]] const std::array<std::uint8_t, N>& bytes() const { return bytes_; }
    [[nodiscard]] std::array<std::uint8_t, N>& bytes() { return bytes_; }

    bool operator==(const Text&) const = default;

private:
    std::array<std::uint8_t, N> bytes_{};
};

// Bytes the system never reads nor writes; kept as they are so records stay byte-exact.
template <std::size_t N> struct Spare {
    std::array<std::uint8_t, N> bytes{};
    bool operator==(const Spare&) const = default;
};

} // namespace velmora::store
