#pragma once
// The seven record types of the data files, field for field in stored order. Each lists its
// fields once in `fields`, which the byte codec (records_codec.h) and the dump tool walk.

#include "store/bounded_array.h"
#include "store/text.h"

#include <cstdint>

namespace velmora::store {

// Bounds shared by the per-subject and per-skill arrays.
inline constexpr int kMaxSubject = 20;   // subject positions 0..20
inline constexpr int kMaxSkill = 40;     // skill positions 0..40 in class records
inline constexpr int kMaxViolation = 100; // violation entries 0..100

// Pupil register written by another system (tlab.mdb); read only by the import.
struct StudentRecord {
    static constexpr std::size_t kSize = 502;
    Spare<4> spare0;
    Text<40> fullName;
    BoundedArray<std::int16_t, 15> numbers; // 0 = grade, 1 = section
    Spare<20> spare1;
    Spare<20> spare2;
    Spare<320> spare3;
    Spare<40> spare4;
    Spare<14> spare5;
    Spare<12> spare6;

    template <class Self, class Io> static void fields(Self& r, Io& io) {
        io("spare", r.spare0);
        io("fullName", r.fullName);
        io("numbers", r.numbers);
        io("spare", r.spare1);
        io("spare", r.spare2);
        io("spare", r.spare3);
        io("spare", r.spare4);
        io("spare", r.spare5);
        io("spare", r.spare6);
    }
    bool operator==(const StudentRecord&) const = default;
};

// One pupil of a class file (sfGS.mdb, msand.mdb).
struct ClassRecord {
    static constexpr std::size_t kSize = 13564;
    // info slots
    static constexpr int kNamePartCount = 4; // slots 0..3
    static constexpr int kGradeSlot = 5;
    static constexpr int kSectionSlot = 6;
    static constexpr int kPasswordSlot = 7;

    std::int32_t recNo = 0;
    BoundedArray<Text<40>, 9> info;
    BoundedArray<std::int16_t, kMaxSubject, kMaxSkill, 2> score; // (subject, skill, 0 right / 1 wrong)
    BoundedArray<std::int16_t, kMaxSubject, kMaxSkill> lastDay;
    BoundedArray<std::int16_t, kMaxSubject, kMaxSkill> lastMonth;
    BoundedArray<std::int16_t, kMaxSubject, kMaxSkill> lastYear;
    BoundedArray<std::int16_t, kMaxViolation> violationType; // 0 = free entry
    BoundedArray<Text<14>, kMaxViolation> violationDate;
    BoundedArray<Text<12>, kMaxViolation> violationTime;

    const Text<40>& password() const { return info.elements()[kPasswordSlot]; }
    Text<40>& password() { return info.elements()[kPasswordSlot]; }

    template <class Self, class Io> static void fields(Self& r, Io& io) {
        io("recNo", r.recNo);
        io("info", r.info);
        io("score", r.score);
        io("lastDay", r.lastDay);
        io("lastMonth", r.lastMonth);
        io("lastYear", r.lastYear);
        io("violationType", r.violationType);
        io("violationDate", r.violationDate);
        io("violationTime", r.violationTime);
    }
    bool operator==(const ClassRecord&) const = default;
};

// Record n of a grade's skills file: the n-th skill of every subject of the grade.
struct SkillRecord {
    static constexpr std::size_t kSize = 2776;
    std::int32_t recNo = 0;
    BoundedArray<std::int16_t, kMaxSubject, 5> code; // (subject, 0..2 typed codes)
    BoundedArray<Text<100>, kMaxSubject> skillName;   // all zero = no skill
    BoundedArray<Text<20>, kMaxSubject> subjectName;

    template <class Self, class Io> static void fields(Self& r, Io& io) {
        io("recNo", r.recNo);
        io("code", r.code);
        io("skillName", r.skillName);
        io("subjectName", r.subjectName);
    }
    bool operator==(const SkillRecord&) const = default;
};

// An entry of the subjects list or the violation-types list.
struct CodeRecord {
    static constexpr std::size_t kSize = 34;
    std::int32_t recNo = 0;
    Text<30> name;

    template <class Self, class Io> static void fields(Self& r, Io& io) {
        io("recNo", r.recNo);
        io("name", r.name);
    }
    bool operator==(const CodeRecord&) const = default;
};

// A multiple-choice question of the bank (aselh.mdb).
struct QuestionRecord {
    static constexpr std::size_t kSize = 604;
    static constexpr int kMaxChoice = 5;
    // Byte offsets of the fields that whole-bank scans look at before decoding a record.
    static constexpr std::size_t kGradeOffset = 4;
    static constexpr std::size_t kSubjectOffset = 6;
    static constexpr std::size_t kSkillOffset = 8;
    std::int32_t recNo = 0;
    std::int16_t grade = 0;
    std::int16_t subject = 0;
    std::int16_t skill = 0; // negative marks a damaged question
    std::int16_t kind = 0;
    std::int16_t answer = 0;
    BoundedArray<Text<20>, 1> labels; // 0 grade's ordinal word, 1 subject name
    Text<100> skillName;
    Text<100> text;
    Spare<50> spare;
    BoundedArray<Text<50>, kMaxChoice> choice;

    template <class Self, class Io> static void fields(Self& r, Io& io) {
        io("recNo", r.recNo);
        io("grade", r.grade);
        io("subject", r.subject);
        io("skill", r.skill);
        io("kind", r.kind);
        io("answer", r.answer);
        io("labels", r.labels);
        io("skillName", r.skillName);
        io("text", r.text);
        io("spare", r.spare);
        io("choice", r.choice);
    }
    bool operator==(const QuestionRecord&) const = default;
};

// One submitted answer in the answers log, with the whole question as it was.
struct AnswerRecord {
    static constexpr std::size_t kSize = 686;
    static constexpr std::int16_t kRight = 1;
    static constexpr std::int16_t kWrong = 2;
    std::int32_t recNo = 0;
    QuestionRecord question;
    std::int16_t result = 0;
    std::int16_t day = 0;
    std::int16_t month = 0;
    std::int16_t year = 0;
    std::int16_t chosen = 0;
    std::int16_t section = 0;
    std::int16_t grade = 0;
    std::int16_t pupil = 0;
    Text<12> time;
    Text<50> pupilName;

    template <class Self, class Io> static void fields(Self& r, Io& io) {
        io("recNo", r.recNo);
        io("question", r.question);
        io("result", r.result);
        io("day", r.day);
        io("month", r.month);
        io("year", r.year);
        io("chosen", r.chosen);
        io("section", r.section);
        io("grade", r.grade);
        io("pupil", r.pupil);
        io("time", r.time);
        io("pupilName", r.pupilName);
    }
    bool operator==(const AnswerRecord&) const = default;
};

// Whether, and with which question, a pupil may answer a skill (سماح.mdb).
struct PermissionRecord {
    static constexpr std::size_t kSize = 16;
    static constexpr std::int16_t kForbidden = 0;
    static constexpr std::int16_t kRandom = 100;
    std::int32_t recNo = 0;
    std::int16_t grade = 0;
    std::int16_t section = 0;
    std::int16_t subject = 0;
    std::int16_t skill = 0;
    std::int16_t pupil = 0;
    std::int16_t mode = 0; // 0 forbidden, 100 random, n = question n of the skill

    template <class Self, class Io> static void fields(Self& r, Io& io) {
        io("recNo", r.recNo);
        io("grade", r.grade);
        io("section", r.section);
        io("subject", r.subject);
        io("skill", r.skill);
        io("pupil", r.pupil);
        io("mode", r.mode);
    }
    bool operator==(const PermissionRecord&) const = default;
};

} // namespace velmora::store
