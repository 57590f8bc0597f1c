// The CP1256 code page, checked against the C library's own converter, and the fixed-width
// text field built on it.

#include "store/cp1256.h"
#include "store/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <optional>
#include <string>

using namespace velmora::store;

namespace {

// One conversion through the C library's iconv; nothing when it refuses the input.
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(::iconv_open(to, from)) {}
    ~Iconv() {
        if (ok())
            ::iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::optional<std::string> operator()(std::string in) {
        ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out(16 + 4 * in.size(), '\0');
        char* src = in.data();
        char* dst = out.data();
        std::size_t srcLeft = in.size();
        std::size_t dstLeft = out.size();
        if (::iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        out.resize(out.size() - dstLeft);
        return out;
    }

private:
    iconv_t cd_;
};

std::string utf8Of(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

TEST(Cp1256, EveryByteDecodesAsTheCLibraryDecodesIt) {
    Iconv toUtf8("UTF-8", "CP1256");
    ASSERT_TRUE(toUtf8.ok());
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const auto byte = static_cast<std::uint8_t>(b);
        const auto expected = toUtf8(std::string(1, static_cast<char>(byte)));
        ASSERT_TRUE(expected.has_value());
        const std::string decoded = decodeCp1256(std::span<const std::uint8_t>(&byte, 1));
        EXPECT_EQ(decoded, *expected);
        EXPECT_EQ(encodeCp1256(decoded), std::string(1, static_cast<char>(byte)));
        EXPECT_EQ(utf8Of(cp1256ToUnicode(byte)), *expected);
    }
}

// No code point outside the table maps to a byte, and none in it is missed.
TEST(Cp1256, EveryBasicPlaneCharacterEncodesAsTheCLibraryEncodesIt) {
    Iconv toCp1256("CP1256", "UTF-8");
    ASSERT_TRUE(toCp1256.ok());
    int representable = 0;
    for (char32_t cp = 0; cp <= 0xFFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        const std::string utf8 = utf8Of(cp);
        const auto expected = toCp1256(utf8);
        const auto byte = unicodeToCp1256(cp);
        ASSERT_EQ(byte.has_value(), expected.has_value()) << std::hex << static_cast<unsigned>(cp);
        if (byte) {
            ++representable;
            ASSERT_EQ(std::string(1, static_cast<char>(*byte)), *expected);
        }
        ASSERT_EQ(encodeCp1256(utf8), expected.value_or("?")) << std::hex << static_cast<unsigned>(cp);
        ASSERT_EQ(representableInCp1256(utf8), expected.has_value());
    }
    EXPECT_EQ(representable, 256);
}

TEST(Cp1256, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(encodeCp1256("\u20AC"), "\x80"); // the euro sign is in the code page
    EXPECT_EQ(encodeCp1256("a\u4E2Db"), "a?b");
    EXPECT_EQ(encodeCp1256("\U0001F600"), "?");
    EXPECT_EQ(encodeCp1256("\u0661\u0662"), "??"); // Arabic-Indic digits are not in it
    EXPECT_TRUE(representableInCp1256("مادة 1 \u20AC"));
    EXPECT_TRUE(representableInCp1256(""));
    EXPECT_FALSE(representableInCp1256("abc\u4E2D"));
    EXPECT_FALSE(representableInCp1256("\U0001F600"));
}

TEST(Cp1256, MalformedUtf8BecomesQuestionMarksAndSparesWhatFollows) {
    struct Row {
        const char* what;
        std::string utf8;
    };
    const Row rows[] = {
        {"lone continuation byte", "\x80"},
        {"lead byte at the end", "\xD8"},
        {"cut three-byte sequence", "\xE2\x82"},
        {"invalid lead byte", "\xFF"},
        {"overlong space", "\xC0\xA0"},
        {"overlong A", "\xC1\x81"},
        {"overlong three-byte A", "\xE0\x81\x81"},
        {"surrogate half", "\xED\xA0\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string encoded = encodeCp1256(row.utf8);
        EXPECT_FALSE(encoded.empty());
        EXPECT_TRUE(std::all_of(encoded.begin(), encoded.end(), [](char c) { return c == '?'; })) << encoded;
        EXPECT_FALSE(representableInCp1256(row.utf8));
        const std::string withText = encodeCp1256("x" + row.utf8 + "ب");
        EXPECT_EQ(withText.front(), 'x');
        EXPECT_EQ(withText.back(), '\xC8');
    }
}

TEST(Cp1256, Utf8LengthCountsCharacters) {
    EXPECT_EQ(utf8Length(""), 0u);
    EXPECT_EQ(utf8Length("abc"), 3u);
    EXPECT_EQ(utf8Length("سلام"), 4u);
    EXPECT_EQ(utf8Length("a\u20AC\U0001F600"), 3u);
}

TEST(TextField, NeverWrittenDiffersFromAssignedEmpty) {
    const Text<5> fresh;
    const Text<5> empty("");
    EXPECT_TRUE(fresh.neverWritten());
    EXPECT_FALSE(empty.neverWritten());
    EXPECT_FALSE(fresh == empty);
    EXPECT_EQ(empty.bytes(), (std::array<std::uint8_t, 5>{' ', ' ', ' ', ' ', ' '}));
    EXPECT_EQ(empty.value(), "     ");
    EXPECT_EQ(fresh.value(), "");
    EXPECT_EQ(empty.trimmed(), "");
    EXPECT_EQ(fresh.trimmed(), "");
}

TEST(TextField, AssignCutsByCharactersAndReassignOverwritesAll) {
    Text<3> t("سلام");
    EXPECT_EQ(t.value(), "سلا");
    t.assign("x");
    EXPECT_EQ(t.value(), "x  ");
    t.assign("\u4E2D");
    EXPECT_EQ(t.value(), "?  ");
}

TEST(TextField, ValueDropsNulBytes) {
    Text<6> t;
    t.bytes() = {'a', 0, 0xC8, 0, ' ', 0};
    EXPECT_EQ(t.value(), "aب ");
    EXPECT_EQ(t.trimmed(), "aب");
    EXPECT_FALSE(t.neverWritten());
}

TEST(TextField, TrimRemovesSpacesOnly) {
    struct Row {
        std::string assigned, trimmed;
    };
    const Row rows[] = {
        {"  ab c  ", "ab c"},
        {"\tab\t", "\tab\t"},
        {"\u00A0ab\u00A0", "\u00A0ab\u00A0"}, // no-break space stays
        {"   ", ""},
        {"x", "x"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Text<12>(row.assigned).trimmed(), row.trimmed) << row.assigned;
        EXPECT_EQ(trimSpaces(row.assigned), row.trimmed);
    }
}

} // namespace
