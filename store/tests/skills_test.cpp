#include "store/skills.h"
#include "store/testing/test_folder.h"

#include <gtest/gtest.h>

using namespace velmora::store;

namespace {

class SkillsOfSubject : public ::testing::Test {
protected:
    void SetUp() override {
        store = std::make_unique<DataStore>(velmora::store::testing::testFolder("skills"));
        school = std::make_unique<velmora::store::testing::SchoolBuilder>(*store);
    }
    std::vector<std::string> names(int grade, int subject, const std::string& subjectName) {
        std::vector<std::string> listed;
        for (const auto& skill : skillsOfSubject(*store, grade, subject, subjectName))
            listed.push_back(std::to_string(skill.record) + ":" + skill.name);
        return listed;
    }
    std::unique_ptr<DataStore> store;
    std::unique_ptr<velmora::store::testing::SchoolBuilder> school;
};

TEST_F(SkillsOfSubject, ListsTheSubjectsRecordsInOrderSkippingOthers) {
    school->skill(4, 1, 1, "الجمع", "الرياضيات");
    school->skill(4, 0, 2, "القراءة", "لغتي");
    school->skill(4, 1, 3, " الطرح ", "الرياضيات");
    school->skill(4, 1, 4, "قديمة", "رياضيات"); // saved under an older name of the subject
    EXPECT_EQ(names(4, 1, "  الرياضيات "), (std::vector<std::string>{"1:الجمع", "3:الطرح"}));
    EXPECT_TRUE(names(5, 1, "الرياضيات").empty());
    EXPECT_TRUE(names(4, 21, "الرياضيات").empty());
    EXPECT_TRUE(names(7, 1, "الرياضيات").empty());
}

TEST_F(SkillsOfSubject, LongNamesCompareAsStoredAndEmptyNamesMatchOnlyWrittenSlots) {
    const std::string longName = "التربية الاسلامية والقرآن الكريم"; // over 20 characters
    school->skill(4, 2, 1, "التلاوة", longName);
    EXPECT_EQ(names(4, 2, longName), (std::vector<std::string>{"1:التلاوة"}));

    // A subject saved with an empty name: only slots written with that (empty) name count.
    school->skill(4, 3, 2, "بلا اسم", "");
    EXPECT_EQ(names(4, 3, ""), (std::vector<std::string>{"2:بلا اسم"}));
}

} // namespace
