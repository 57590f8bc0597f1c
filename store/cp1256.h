#pragma once
// The Arabic Windows code page (CP1256): every stored text is one byte per character in it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora::store {

// Unicode code point of a CP1256 byte; all 256 byte values are defined.
char32_t cp1256ToUnicode(std::uint8_t byte);

// CP1256 byte of a code point, or nothing when the code page lacks the character.
std::optional<std::uint8_t> unicodeToCp1256(char32_t codePoint);

// UTF-8 text of CP1256 bytes.
std::string decodeCp1256(std::span<const std::uint8_t> bytes);

// CP1256 bytes of UTF-8 text; a character the code page lacks (or a malformed
// UTF-8 sequence) becomes '?'.
std::string encodeCp1256(std::string_view utf8);

// True when every character of the UTF-8 text has a CP1256 byte.
bool representableInCp1256(std::string_view utf8);

// Number of characters (code points) in UTF-8 text.
std::size_t utf8Length(std::string_view utf8);

} // namespace velmora::store
