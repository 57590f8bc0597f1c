#include "store/data_store.h"
#include "tool_test_support.h"
#include "tools/data_folder.h"

using namespace velmora::store;
using namespace velmora::tools;
using namespace velmora::tools::testing;
namespace fs = std::filesystem;

namespace {

class Dump : public ToolFolderTest {
protected:
    Dump() {
        fs::create_directories(dir);
        store.openDataFiles();
    }
    ToolRun dump(const std::string& file, const std::string& record = {}) {
        if (record.empty())
            return runTool({"dump", dir.string(), file});
        return runTool({"dump", dir.string(), file, record});
    }

    DataStore store{dir};
};

// A JSON array of `count` items, item i given by item(i).
template <class F> std::string jsonArray(int count, F item) {
    std::string out = "[";
    for (int i = 0; i < count; ++i)
        out += (i > 0 ? "," : "") + item(i);
    return out + "]";
}

TEST_F(Dump, PrintsOneObjectPerRecordWithFieldsByNameInOrder) {
    PermissionRecord permission;
    permission.grade = 4;
    permission.section = 2;
    permission.subject = 1;
    permission.skill = 7;
    permission.pupil = 11;
    permission.mode = PermissionRecord::kRandom;
    store.append(files::kPermissions, permission);
    permission.mode = 3;
    store.append(files::kPermissions, permission);

    const ToolRun all = dump("سماح.mdb");
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out,
              "{\"record\":1,\"recNo\":1,\"grade\":4,\"section\":2,\"subject\":1,\"skill\":7,"
              "\"pupil\":11,\"mode\":100}\n"
              "{\"record\":2,\"recNo\":2,\"grade\":4,\"section\":2,\"subject\":1,\"skill\":7,"
              "\"pupil\":11,\"mode\":3}\n");
    const ToolRun second = dump("17", "2");
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, all.out.substr(all.out.find('\n') + 1));
}

TEST_F(Dump, TrimsTextsEscapesThemAndShowsNeverWrittenOnesAsNull) {
    CodeRecord code;
    code.name.assign("  say \"hi\" \\ \t now ");
    store.append(files::kSubjects, code);
    const ToolRun run = dump("4", "1");
    EXPECT_EQ(run.out, "{\"record\":1,\"recNo\":1,\"name\":\"say \\\"hi\\\" \\\\ \\t now\"}\n");

    ClassRecord pupil;
    ASSERT_TRUE(pupil.info.set({0}, Text<40>("سعد")));
    ASSERT_TRUE(pupil.info.set({1}, Text<40>(""))); // written empty: spaces, not zeros
    ASSERT_TRUE(pupil.info.set({ClassRecord::kPasswordSlot}, Text<40>(" 8471 ")));
    store.write(42, 1, pupil);
    EXPECT_NE(dump("sf42.mdb", "1")
                  .out.find("\"info\":[\"سعد\",\"\",null,null,null,null,null,\"8471\",null,null]"),
              std::string::npos);
}

TEST_F(Dump, NestsArraysWithTheFirstDeclaredIndexOutermost) {
    SkillRecord skill;
    ASSERT_TRUE(skill.code.set({2, 1}, 5));
    ASSERT_TRUE(skill.skillName.set({2}, Text<100>("جمع الكسور")));
    ASSERT_TRUE(skill.subjectName.set({2}, Text<20>("الرياضيات")));
    store.write(3, 1, skill);
    const auto code = jsonArray(kMaxSubject + 1, [](int s) {
        return jsonArray(6, [s](int c) { return std::string(s == 2 && c == 1 ? "5" : "0"); });
    });
    const auto named = [](const std::string& text) {
        return jsonArray(kMaxSubject + 1,
                         [&](int s) { return s == 2 ? "\"" + text + "\"" : "null"; });
    };
    EXPECT_EQ(dump("مهارات4.mdb", "1").out, "{\"record\":1,\"recNo\":0,\"code\":" + code +
                                                ",\"skillName\":" + named("جمع الكسور") +
                                                ",\"subjectName\":" + named("الرياضيات") + "}\n");

    // score(subject 1, skill 2, wrong) and lastDay(subject 20, skill 0).
    ClassRecord pupil;
    ASSERT_TRUE(pupil.score.set({1, 2, 1}, 7));
    ASSERT_TRUE(pupil.lastDay.set({20, 0}, 9));
    store.write(41, 1, pupil);
    const auto score = jsonArray(kMaxSubject + 1, [](int s) {
        return jsonArray(kMaxSkill + 1, [s](int k) {
            return jsonArray(
                3, [s, k](int r) { return std::string(s == 1 && k == 2 && r == 1 ? "7" : "0"); });
        });
    });
    const auto lastDay = jsonArray(kMaxSubject + 1, [](int s) {
        return jsonArray(kMaxSkill + 1,
                         [s](int k) { return std::string(s == 20 && k == 0 ? "9" : "0"); });
    });
    const std::string line = dump("41", "1").out;
    EXPECT_NE(line.find(",\"score\":" + score + ",\"lastDay\":" + lastDay + ",\"lastMonth\":"),
              std::string::npos);
}

TEST_F(Dump, NestsTheAnswersQuestionAndLeavesOutSpareBytes) {
    AnswerRecord answer;
    answer.question.recNo = 3;
    answer.question.grade = 4;
    answer.question.skill = 2;
    answer.question.kind = 1;
    answer.question.answer = 1;
    answer.question.spare.bytes.fill('x');
    ASSERT_TRUE(answer.question.choice.set({0}, Text<50>("12")));
    ASSERT_TRUE(answer.question.choice.set({1}, Text<50>("14")));
    answer.result = AnswerRecord::kRight;
    answer.chosen = 1;
    answer.time.assign("10:15");
    store.append(files::kAnswers, answer);
    EXPECT_EQ(dump("18").out,
              "{\"record\":1,\"recNo\":1,\"question\":{\"recNo\":3,\"grade\":4,\"subject\":0,"
              "\"skill\":2,\"kind\":1,\"answer\":1,\"labels\":[null,null],\"skillName\":null,"
              "\"text\":null,\"choice\":[\"12\",\"14\",null,null,null,null]},\"result\":1,"
              "\"day\":0,\"month\":0,\"year\":0,\"chosen\":1,\"section\":0,\"grade\":0,"
              "\"pupil\":0,\"time\":\"10:15\",\"pupilName\":null}\n");

    StudentRecord student;
    student.spare3.bytes.fill('y');
    store.write(files::kStudents, 1, student);
    EXPECT_EQ(dump("tlab.mdb").out.find("spare"), std::string::npos);
}

TEST_F(Dump, RefusesUnknownFilesAndRecordsOutsideTheFile) {
    store.append(files::kViolationTypes, CodeRecord{});
    for (const std::string file : {"99", "0", "moad.tmp", "141", "nosuch.mdb", "sf47.mdb"}) {
        const ToolRun run = dump(file);
        EXPECT_EQ(run.status, 1) << file;
        EXPECT_NE(run.err.find(file), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    for (const std::string record : {"0", "-1", "2", "99999999999999999999999"}) {
        const ToolRun run = dump("19", record);
        EXPECT_EQ(run.status, 1) << record;
        EXPECT_TRUE(run.out.empty()) << record;
    }
    EXPECT_EQ(dump("19", "1").status, 0);
    EXPECT_EQ(dump("sf11.mdb", "1").status, 1); // an empty class file has no record 1
}

TEST_F(Dump, CreatesNothingInAFolderWithoutTheDataFiles) {
    const fs::path missing = dir / "missing";
    EXPECT_EQ(runTool({"dump", missing.string(), "4"}).status, 1);
    EXPECT_FALSE(fs::exists(missing));

    fs::remove(dataFilePath(dir, *findFile(files::kSubjects)));
    fs::remove(dataFilePath(dir, *findFile(files::kAnswers)));
    for (const std::string file : {"4", "19"}) {
        const ToolRun run = dump(file);
        EXPECT_EQ(run.status, 1) << file;
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(fs::exists(dataFilePath(dir, *findFile(files::kSubjects))));
    EXPECT_FALSE(fs::exists(dataFilePath(dir, *findFile(files::kAnswers))));
}

TEST(ToolArguments, WrongArgumentsPrintTheUsageAndExitWith2) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"sample"},
        {"sample", ""},
        {"sample", "a", "b"},
        {"dump", "a"},
        {"dump", "a", "4", "1", "2"},
        {"dump", "a", "4", "one"},
        {"dump", "a", "4", "1x"},
        {"load", "a"},
    };
    for (const auto& args : wrong) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(run.err.find("usage: velmora-data"), std::string::npos);
        EXPECT_TRUE(run.out.empty());
    }
}

} // namespace
