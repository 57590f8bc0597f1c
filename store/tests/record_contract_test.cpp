// What every record type promises, checked over all seven: its length is the file table's,
// byte images survive decode/encode unchanged, and a zeroed record reads as never written.

#include "store/file_table.h"
#include "store/records_codec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <type_traits>
#include <vector>

using namespace velmora::store;

namespace {

template <class R> struct Kind;
template <> struct Kind<StudentRecord> { static constexpr RecordType type = RecordType::Student; };
template <> struct Kind<ClassRecord> { static constexpr RecordType type = RecordType::Class; };
template <> struct Kind<SkillRecord> { static constexpr RecordType type = RecordType::Skill; };
template <> struct Kind<CodeRecord> { static constexpr RecordType type = RecordType::Code; };
template <> struct Kind<QuestionRecord> { static constexpr RecordType type = RecordType::Question; };
template <> struct Kind<AnswerRecord> { static constexpr RecordType type = RecordType::Answer; };
template <> struct Kind<PermissionRecord> { static constexpr RecordType type = RecordType::Permission; };

template <class T> struct IsBoundedArray : std::false_type {};
template <class T, int... U> struct IsBoundedArray<BoundedArray<T, U...>> : std::true_type {};

// Hands every leaf field of a record (array elements and nested records opened up) to fn.
template <class F> class LeafWalker {
public:
    explicit LeafWalker(F& fn) : fn_(fn) {}
    template <class T> void operator()(const char*, T& field) { visit(field); }

private:
    template <class T> void visit(T& field) {
        using U = std::remove_const_t<T>;
        if constexpr (IsBoundedArray<U>::value) {
            for (auto& element : field.elements())
                visit(element);
        } else if constexpr (requires { U::kSize; }) {
            U::fields(field, *this);
        } else {
            fn_(field);
        }
    }
    F& fn_;
};

template <class R, class F> void forEachLeaf(R& record, F&& fn) {
    LeafWalker<std::remove_reference_t<F>> walker(fn);
    std::remove_const_t<R>::fields(record, walker);
}

template <class T> struct IsText : std::false_type {};
template <std::size_t N> struct IsText<Text<N>> : std::true_type {};

// Characters CP1256 holds: ASCII, Arabic letters and marks, a few Latin and symbols.
const std::vector<std::string> kAlphabet = {"a", "Z", "7", " ", "/", ":", "?", "ا", "ب", "ة", "ي",
                                            "ى", "ء", "ـ", "َ", "پ", "€", "é", "×", "«", "\u00A0"};

// A record with random numbers, random bytes in spare fields, and texts that are either
// never written or assigned random text, sometimes longer than the field.
template <class R> R randomRecord(std::mt19937& rng) {
    R record;
    forEachLeaf(record, [&](auto& field) {
        using T = std::remove_reference_t<decltype(field)>;
        if constexpr (std::is_integral_v<T>) {
            field = static_cast<T>(rng());
        } else if constexpr (IsText<T>::value) {
            if (rng() % 4 == 0)
                return;
            std::string text;
            for (std::size_t n = rng() % (T::kWidth + 6); n > 0; --n)
                text += kAlphabet[rng() % kAlphabet.size()];
            field.assign(text);
        } else {
            for (auto& b : field.bytes)
                b = static_cast<std::uint8_t>(rng());
        }
    });
    return record;
}

// Random bytes with runs of zeros and spaces, so partly written texts occur too.
template <class R> RecordBytes<R> randomImage(std::mt19937& rng) {
    RecordBytes<R> image;
    for (std::size_t i = 0; i < image.size();) {
        const std::uint8_t fill = rng() % 3 == 0 ? static_cast<std::uint8_t>(rng() % 2 ? 0 : ' ') : 1;
        for (std::size_t run = 1 + rng() % 40; run > 0 && i < image.size(); --run, ++i)
            image[i] = fill == 1 ? static_cast<std::uint8_t>(rng()) : fill;
    }
    return image;
}

template <class R> class RecordContract : public ::testing::Test {};

using RecordTypes = ::testing::Types<StudentRecord, ClassRecord, SkillRecord, CodeRecord, QuestionRecord,
                                     AnswerRecord, PermissionRecord>;

struct RecordTypeNames {
    template <class R> static std::string GetName(int) {
        if constexpr (std::is_same_v<R, StudentRecord>) return "Student";
        else if constexpr (std::is_same_v<R, ClassRecord>) return "Class";
        else if constexpr (std::is_same_v<R, SkillRecord>) return "Skill";
        else if constexpr (std::is_same_v<R, CodeRecord>) return "Code";
        else if constexpr (std::is_same_v<R, QuestionRecord>) return "Question";
        else if constexpr (std::is_same_v<R, AnswerRecord>) return "Answer";
        else return "Permission";
    }
};

TYPED_TEST_SUITE(RecordContract, RecordTypes, RecordTypeNames);

TYPED_TEST(RecordContract, LengthIsTheFileTableRecordLength) {
    int files = 0;
    for (const auto& fileSpec : dataFiles()) {
        if (fileSpec.type != Kind<TypeParam>::type)
            continue;
        ++files;
        EXPECT_EQ(static_cast<std::size_t>(fileSpec.recordLength), TypeParam::kSize) << fileSpec.name;
    }
    EXPECT_GT(files, 0);
}

TYPED_TEST(RecordContract, ByteImagesSurviveDecodeAndEncode) {
    std::mt19937 rng(20240517);
    for (int i = 0; i < 150; ++i) {
        const auto image = randomImage<TypeParam>(rng);
        const TypeParam record = decode<TypeParam>(image);
        ASSERT_TRUE(encode(record) == image) << "image " << i;
        forEachLeaf(record, [&](const auto& field) {
            if constexpr (IsText<std::remove_cvref_t<decltype(field)>>::value) {
                ASSERT_EQ(field.value().find('\0'), std::string::npos);
            }
        });
    }
}

TYPED_TEST(RecordContract, RecordsSurviveEncodeAndDecode) {
    std::mt19937 rng(7);
    for (int i = 0; i < 150; ++i) {
        const auto record = randomRecord<TypeParam>(rng);
        ASSERT_TRUE(decode<TypeParam>(encode(record)) == record) << "record " << i;
    }
}

TYPED_TEST(RecordContract, ZeroImageIsAFreshRecordWithNeverWrittenTexts) {
    const RecordBytes<TypeParam> zero{};
    const TypeParam record = decode<TypeParam>(zero);
    EXPECT_TRUE(record == TypeParam{});
    EXPECT_TRUE(encode(TypeParam{}) == zero);
    forEachLeaf(record, [&](const auto& field) {
        using T = std::remove_cvref_t<decltype(field)>;
        if constexpr (IsText<T>::value) {
            EXPECT_TRUE(field.neverWritten());
            EXPECT_EQ(field.value(), "");
            EXPECT_EQ(field.trimmed(), "");
        } else if constexpr (std::is_integral_v<T>) {
            EXPECT_EQ(field, 0);
        }
    });
}

TYPED_TEST(RecordContract, ImageOfTheWrongLengthIsRefused) {
    std::vector<std::uint8_t> shorter(TypeParam::kSize - 1), longer(TypeParam::kSize + 1);
    EXPECT_THROW(decode<TypeParam>(shorter), std::invalid_argument);
    EXPECT_THROW(decode<TypeParam>(longer), std::invalid_argument);
}

} // namespace
