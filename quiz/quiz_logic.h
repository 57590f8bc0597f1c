#pragma once
// The quiz of one pupil in one subject, without widgets: the skill list, drawing a question
// under the pupil's answer permission, recording an answer, and the password change.

#include "platform/services.h"
#include "quiz/quiz_context.h"
#include "store/data_store.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace velmora::quiz {

// A question as the window shows it.
struct ShownQuestion {
    QString text;
    QStringList choices; // up to the first empty choice
    int count = 0;       // questions of the skill
    int right = 0;       // the pupil's counts for the question's skill
    int wrong = 0;
};

// What confirming an answer leaves on the window.
struct Confirmation {
    bool recorded = false;
    std::optional<ShownQuestion> next; // the next question, when one was drawn
    int right = 0;                     // the counts after the answer
    int wrong = 0;
};

class QuizLogic {
public:
    QuizLogic(store::DataStore& store, platform::Services& services, QuizContext context);

    // Day, month and year of today's Hijri date, as plain numbers for the date boxes.
    struct Today {
        QString day, month, year;
    };
    [[nodiscard]] Today todayBoxes() const;

    // The skill texts of the subject for the pupil's grade, one per skill position 0..50
    // that has questions. A damaged question (negative skill) anywhere in the bank ends
    // the program; then nothing is returned.
    [[nodiscard]] std::optional<QStringList> skillList();

    // Draws a question of the chosen skill under the pupil's permission. Nothing (after a
    // message) when the pupil may not answer; the window then keeps what it shows.
    std::optional<ShownQuestion> draw(const QString& skillText);

    // Records the selected choice (0..5, or nothing) with the date typed in the boxes.
    Confirmation confirm(std::optional<int> selected, const QString& day, const QString& month,
                         const QString& year);

    // Asks for the current and the new password and stores the new one.
    void changePassword();

    // Ends the program at once.
    void exitProgram();

    [[nodiscard]] const QuizContext& context() const { return context_; }
    [[nodiscard]] std::int32_t currentQuestion() const { return currentQuestion_; }
    [[nodiscard]] int currentSkill() const { return currentSkill_; }

    static constexpr int kNoPermission = 200;
    static constexpr int kMaxListedSkill = 50;

private:
    [[nodiscard]] int classFile() const;
    [[nodiscard]] store::ClassRecord pupilRecord() const;
    [[nodiscard]] std::pair<int, int> countsOf(const store::ClassRecord& pupil, int skill) const;
    // The bank and the permissions cannot change while the quiz window is open (every other
    // window that writes them is closed), so each is read once per window: the questions of
    // the pupil's grade and subject by skill text, in bank order, and the mode of the first
    // permission record of the pupil for each skill position.
    struct Entry {
        std::int32_t record;
        int skill;
    };
    void indexBank(std::span<const std::uint8_t> bytes, std::int32_t record);
    const std::vector<Entry>& questionsOf(const std::string& skillText);
    int permissionFor(int skill);

    store::DataStore& store_;
    platform::Services& services_;
    QuizContext context_;
    QString chosenSkill_;
    std::optional<std::unordered_map<std::string, std::vector<Entry>>> bySkillText_;
    std::optional<std::map<int, int>> modeOfSkill_;
    std::vector<std::int32_t> candidates_;
    std::int32_t currentQuestion_ = 0;
    int currentSkill_ = 0;
    int rightAnswer_ = 0;
    int mode_ = kNoPermission;
};

namespace messages {
QString damagedQuestion(std::int32_t record);
inline constexpr char16_t kNotAllowed[] = u"ليس لك الاذن بالاجابه";
inline constexpr char16_t kNoChoice[] = u"لم تختر الاجابه ";
inline constexpr char16_t kRight[] = u"الاجابه صحيحه";
inline constexpr char16_t kWrong[] = u"الاجابه خطأ";
inline constexpr char16_t kWrongPassword[] = u"كلمة السر غير صحيحة";
inline constexpr char16_t kAskPassword[] = u"ادخل كلمة سر";
inline constexpr char16_t kAskNewPassword[] = u"ادخل كلمةسر الجديدة";
inline constexpr char16_t kNoSlot[] =
    u"لا يمكن تسجيل هذه الاجابه: رقم المهاره او المادة في السؤال خارج حدود سجل الطالب. "
    u"ابلغ المعلم ليصحح السؤال.";
inline constexpr char16_t kBadDate[] =
    u"تاريخ الاجابه غير صحيح: اكتب اليوم والشهر والسنة ارقاما صحيحة. لم تسجل الاجابه.";
inline constexpr char16_t kPasswordTooLong[] =
    u"كلمة السر الجديدة اطول من 40 حرفا. لم تتغير كلمة السر.";
inline constexpr char16_t kPasswordCharacters[] =
    u"كلمة السر الجديدة فيها حروف لا يمكن حفظها. لم تتغير كلمة السر.";
} // namespace messages

} // namespace velmora::quiz
