// Byte positions of every field of every record type: setting one field of a zeroed record
// must change exactly the bytes at its offset, and decoding those bytes must give the field back.

#include "store/records_codec.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace velmora::store;
using namespace velmora::store::testing;

namespace {

template <class R> struct FieldRow {
    std::string what;
    std::function<void(R&)> set;
    std::size_t offset;
    Bytes bytes; // the field's expected image at offset; every other byte stays zero
};

template <class R> void expectLayout(const std::vector<FieldRow<R>>& rows) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_LE(row.offset + row.bytes.size(), R::kSize);
        RecordBytes<R> image{};
        std::copy(row.bytes.begin(), row.bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(row.offset));
        R record;
        row.set(record);
        EXPECT_EQ(firstDifference(encode(record), image), "");
        EXPECT_TRUE(decode<R>(image) == record);
    }
}

Bytes filled(std::size_t n, std::uint8_t value) { return Bytes(n, value); }

// CP1256 bytes of a few Arabic words, written out by hand.
const Bytes kSaad = {0xD3, 0xDA, 0xCF};             // سعد
const Bytes kScience = {0xDA, 0xE1, 0xE6, 0xE3};    // علوم
const Bytes kFirst = {0xC7, 0xE1, 0xC7, 0xE6, 0xE1}; // الاول

TEST(RecordLayout, StudentRecord) {
    expectLayout<StudentRecord>({
        {"spare 0", [](auto& r) { r.spare0.bytes.fill(0xAB); }, 0, filled(4, 0xAB)},
        {"fullName", [](auto& r) { r.fullName.assign("سعد"); }, 4, padded(kSaad, 40)},
        {"grade", [](auto& r) { *r.numbers.find(0) = 4; }, 44, i16(4)},
        {"section", [](auto& r) { *r.numbers.find(1) = -2; }, 46, i16(-2)},
        {"numbers 15", [](auto& r) { *r.numbers.find(15) = 0x0102; }, 74, {0x02, 0x01}},
        {"spare 1", [](auto& r) { r.spare1.bytes.fill(0xAB); }, 76, filled(20, 0xAB)},
        {"spare 2", [](auto& r) { r.spare2.bytes.fill(0xAB); }, 96, filled(20, 0xAB)},
        {"spare 3", [](auto& r) { r.spare3.bytes.fill(0xAB); }, 116, filled(320, 0xAB)},
        {"spare 4", [](auto& r) { r.spare4.bytes.fill(0xAB); }, 436, filled(40, 0xAB)},
        {"spare 5", [](auto& r) { r.spare5.bytes.fill(0xAB); }, 476, filled(14, 0xAB)},
        {"spare 6", [](auto& r) { r.spare6.bytes.fill(0xAB); }, 490, filled(12, 0xAB)},
    });
}

TEST(RecordLayout, ClassRecord) {
    expectLayout<ClassRecord>({
        {"recNo", [](auto& r) { r.recNo = 0x01020304; }, 0, {0x04, 0x03, 0x02, 0x01}},
        {"recNo negative", [](auto& r) { r.recNo = -2; }, 0, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"name part 0", [](auto& r) { r.info.find(0)->assign("Ali"); }, 4, padded("Ali", 40)},
        {"name part 1", [](auto& r) { r.info.find(1)->assign("سعد"); }, 44, padded(kSaad, 40)},
        {"name part 3", [](auto& r) { r.info.find(3)->assign("x"); }, 124, padded("x", 40)},
        {"password", [](auto& r) { r.password().assign("8471"); }, 284, padded("8471", 40)},
        {"info 9", [](auto& r) { r.info.find(9)->assign("z"); }, 364, padded("z", 40)},
        {"score(0,0,right)", [](auto& r) { *r.score.find(0, 0, 0) = 1; }, 404, i16(1)},
        {"score(1,2,wrong)", [](auto& r) { *r.score.find(1, 2, 1) = -2; }, 2212, {0xFE, 0xFF}},
        {"score(20,40,2)", [](auto& r) { *r.score.find(20, 40, 2) = 0x0102; }, 5568, {0x02, 0x01}},
        {"lastDay(0,0)", [](auto& r) { *r.lastDay.find(0, 0) = 29; }, 5570, i16(29)},
        {"lastDay(20,40)", [](auto& r) { *r.lastDay.find(20, 40) = 7; }, 7290, i16(7)},
        {"lastMonth(1,0)", [](auto& r) { *r.lastMonth.find(1, 0) = 12; }, 7294, i16(12)},
        {"lastYear(0,40)", [](auto& r) { *r.lastYear.find(0, 40) = 1445; }, 10694, {0xA5, 0x05}},
        {"lastYear(20,40)", [](auto& r) { *r.lastYear.find(20, 40) = -32768; }, 10734, {0x00, 0x80}},
        {"violationType 0", [](auto& r) { *r.violationType.find(0) = 3; }, 10736, i16(3)},
        {"violationType 100", [](auto& r) { *r.violationType.find(100) = 3; }, 10936, i16(3)},
        {"violationDate 0", [](auto& r) { r.violationDate.find(0)->assign("1445/03/12"); }, 10938,
         padded("1445/03/12", 14)},
        {"violationDate 100", [](auto& r) { r.violationDate.find(100)->assign("1445/03/12"); }, 12338,
         padded("1445/03/12", 14)},
        {"violationTime 0", [](auto& r) { r.violationTime.find(0)->assign("10:05:31 ص"); }, 12352,
         padded(Bytes{'1', '0', ':', '0', '5', ':', '3', '1', ' ', 0xD5}, 12)},
        {"violationTime 100", [](auto& r) { r.violationTime.find(100)->assign("09:00"); }, 13552,
         padded("09:00", 12)},
    });
}

TEST(RecordLayout, SkillRecord) {
    expectLayout<SkillRecord>({
        {"recNo", [](auto& r) { r.recNo = 7; }, 0, i32(7)},
        {"code(0,0)", [](auto& r) { *r.code.find(0, 0) = 11; }, 4, i16(11)},
        {"code(1,2)", [](auto& r) { *r.code.find(1, 2) = -5; }, 90, i16(-5)},
        {"code(20,5)", [](auto& r) { *r.code.find(20, 5) = 1; }, 254, i16(1)},
        {"skillName 0", [](auto& r) { r.skillName.find(0)->assign("Add"); }, 256, padded("Add", 100)},
        {"skillName 2", [](auto& r) { r.skillName.find(2)->assign("سعد"); }, 456, padded(kSaad, 100)},
        {"skillName 20", [](auto& r) { r.skillName.find(20)->assign("q"); }, 2256, padded("q", 100)},
        {"subjectName 0", [](auto& r) { r.subjectName.find(0)->assign("علوم"); }, 2356, padded(kScience, 20)},
        {"subjectName 20", [](auto& r) { r.subjectName.find(20)->assign("علوم"); }, 2756, padded(kScience, 20)},
    });
}

TEST(RecordLayout, CodeRecordCutsAndPadsNames) {
    expectLayout<CodeRecord>({
        {"recNo", [](auto& r) { r.recNo = 5; }, 0, i32(5)},
        {"3 characters", [](auto& r) { r.name.assign("abc"); }, 4, padded("abc", 30)},
        {"35 characters", [](auto& r) { r.name.assign("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345678"); }, 4,
         padded("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", 30)},
        // 35 two-byte UTF-8 letters: cut by characters, not by UTF-8 bytes.
        {"35 Arabic letters",
         [](auto& r) {
             std::string name;
             for (int i = 0; i < 35; ++i)
                 name += "ب";
             r.name.assign(name);
         },
         4, filled(30, 0xC8)},
        {"empty is spaces", [](auto& r) { r.name.assign(""); }, 4, padded("", 30)},
    });
}

TEST(RecordLayout, QuestionRecord) {
    expectLayout<QuestionRecord>({
        {"recNo", [](auto& r) { r.recNo = 300; }, 0, i32(300)},
        {"grade", [](auto& r) { r.grade = 6; }, 4, i16(6)},
        {"subject", [](auto& r) { r.subject = 20; }, 6, i16(20)},
        {"damaged skill", [](auto& r) { r.skill = -1; }, 8, {0xFF, 0xFF}},
        {"kind", [](auto& r) { r.kind = 1; }, 10, i16(1)},
        {"answer", [](auto& r) { r.answer = 5; }, 12, i16(5)},
        {"grade word", [](auto& r) { r.labels.find(0)->assign("الاول"); }, 14, padded(kFirst, 20)},
        {"subject name", [](auto& r) { r.labels.find(1)->assign("علوم"); }, 34, padded(kScience, 20)},
        {"skillName", [](auto& r) { r.skillName.assign("s"); }, 54, padded("s", 100)},
        {"text", [](auto& r) { r.text.assign("2+2?"); }, 154, padded("2+2?", 100)},
        {"spare", [](auto& r) { r.spare.bytes.fill(0xAB); }, 254, filled(50, 0xAB)},
        {"choice 0", [](auto& r) { r.choice.find(0)->assign("4"); }, 304, padded("4", 50)},
        {"choice 5", [](auto& r) { r.choice.find(5)->assign("5"); }, 554, padded("5", 50)},
    });
}

TEST(RecordLayout, AnswerRecordEmbedsTheQuestionAtFour) {
    expectLayout<AnswerRecord>({
        {"recNo", [](auto& r) { r.recNo = 70000; }, 0, i32(70000)},
        {"question recNo", [](auto& r) { r.question.recNo = 9; }, 4, i32(9)},
        {"question grade", [](auto& r) { r.question.grade = 3; }, 8, i16(3)},
        {"question skill", [](auto& r) { r.question.skill = 40; }, 12, i16(40)},
        {"question skillName", [](auto& r) { r.question.skillName.assign("سعد"); }, 58, padded(kSaad, 100)},
        {"question choice 5", [](auto& r) { r.question.choice.find(5)->assign("c"); }, 558, padded("c", 50)},
        {"result", [](auto& r) { r.result = AnswerRecord::kWrong; }, 608, i16(2)},
        {"day", [](auto& r) { r.day = 30; }, 610, i16(30)},
        {"month", [](auto& r) { r.month = 9; }, 612, i16(9)},
        {"year", [](auto& r) { r.year = 1445; }, 614, i16(1445)},
        {"chosen", [](auto& r) { r.chosen = 5; }, 616, i16(5)},
        {"section", [](auto& r) { r.section = 6; }, 618, i16(6)},
        {"grade", [](auto& r) { r.grade = 1; }, 620, i16(1)},
        {"pupil", [](auto& r) { r.pupil = 32767; }, 622, {0xFF, 0x7F}},
        {"time", [](auto& r) { r.time.assign("10:05"); }, 624, padded("10:05", 12)},
        {"pupilName", [](auto& r) { r.pupilName.assign("سعد"); }, 636, padded(kSaad, 50)},
    });
}

TEST(RecordLayout, PermissionRecord) {
    expectLayout<PermissionRecord>({
        {"recNo", [](auto& r) { r.recNo = 1; }, 0, i32(1)},
        {"grade", [](auto& r) { r.grade = 2; }, 4, i16(2)},
        {"section", [](auto& r) { r.section = 3; }, 6, i16(3)},
        {"subject", [](auto& r) { r.subject = 4; }, 8, i16(4)},
        {"skill", [](auto& r) { r.skill = 5; }, 10, i16(5)},
        {"pupil", [](auto& r) { r.pupil = 6; }, 12, i16(6)},
        {"random mode", [](auto& r) { r.mode = PermissionRecord::kRandom; }, 14, {100, 0}},
    });
}

TEST(RecordLayout, SkillSlotsNeverWrittenDecodeApartFromAssignedOnes) {
    SkillRecord created;
    created.skillName.find(2)->assign("جمع");
    const SkillRecord read = decode<SkillRecord>(encode(created));
    for (int s = 0; s <= kMaxSubject; ++s) {
        SCOPED_TRACE(s);
        const auto& slot = *read.skillName.find(s);
        EXPECT_EQ(slot.neverWritten(), s != 2);
        EXPECT_TRUE(read.subjectName.find(s)->neverWritten());
    }
    EXPECT_EQ(read.skillName.find(2)->value(), "جمع" + std::string(97, ' '));
    EXPECT_EQ(read.skillName.find(2)->trimmed(), "جمع");
}

} // namespace
