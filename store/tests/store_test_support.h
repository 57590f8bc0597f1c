#pragma once
// Shared by the store tests: a fresh scratch folder per test, raw file access and byte
// builders for expected record images.

#include "store/records.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace velmora::store::testing {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A new empty folder under the test scratch folder, named after the running test and the
// process (and a tag, for a test needing several), removed again when the test ends.
class TempFolder {
public:
    explicit TempFolder(std::string_view tag = {}) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("store-") + info->test_suite_name() + "-" + info->name();
        if (!tag.empty())
            name += "-" + std::string(tag);
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-')
                c = '_';
        path_ = fs::path(VELMORA_TEST_TMP) / (name + "-" + std::to_string(::getpid()));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const fs::path& path() const { return path_; }
    // Path of a data file given its UTF-8 name.
    fs::path operator/(std::string_view utf8Name) const {
        return path_ / fs::path(std::u8string(utf8Name.begin(), utf8Name.end()));
    }

private:
    fs::path path_;
};

inline Bytes fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFileBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

// Little-endian images of an Integer and a Long.
inline Bytes i16(int v) {
    const auto u = static_cast<std::uint16_t>(v);
    return {static_cast<std::uint8_t>(u & 0xFF), static_cast<std::uint8_t>(u >> 8)};
}
inline Bytes i32(std::int64_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}

// Raw bytes followed by spaces up to width.
inline Bytes padded(Bytes bytes, std::size_t width) {
    bytes.resize(width, ' ');
    return bytes;
}
inline Bytes padded(std::string_view ascii, std::size_t width) {
    return padded(Bytes(ascii.begin(), ascii.end()), width);
}

// First byte where two images differ, as text for a failure message; empty when equal.
template <class A, class B> std::string firstDifference(const A& got, const B& want) {
    if (got.size() != want.size())
        return "length " + std::to_string(got.size()) + " instead of " + std::to_string(want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        if (got[i] != want[i])
            return "byte " + std::to_string(i) + " is " + std::to_string(got[i]) + " instead of " +
                   std::to_string(want[i]);
    return {};
}

} // namespace velmora::store::testing
