#include "store/text.h"

namespace velmora::store {

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string decodeField(std::span<const std::uint8_t> bytes) {
    std::string text = decodeCp1256(bytes);
    std::erase(text, '\0');
    return text;
}

void assignField(std::span<std::uint8_t> field, std::string_view utf8) {
    const std::string encoded = encodeCp1256(utf8);
    const std::size_t n = std::min(encoded.size(), field.size());
    std::copy_n(encoded.begin(), n, field.begin());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(n), field.end(), std::uint8_t{' '});
}

} // namespace velmora::store
