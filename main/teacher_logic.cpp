#include "main/teacher_logic.h"

#include "platform/numbers.h"
#include "store/file_table.h"
#include "store/helpers.h"

#include <string>

namespace velmora::main {

namespace {

} // namespace

TeacherLogic::TeacherLogic(store::DataStore& store, platform::Services& services)
    : store_(store), services_(services) {}

const QString& TeacherLogic::accessCode() {
    static const QString text = QStringLiteral("6813");
    return text;
}

const QString& TeacherLogic::maskWord() {
    static const QString text = QStringLiteral("ارسل");
    return text;
}

const QString& TeacherLogic::wrongCodeMessage() {
    static const QString text = QStringLiteral("كلمة السر غير صحيحه");
    return text;
}

const QString& TeacherLogic::sentMessage() {
    static const QString text = QStringLiteral("تم الارسال");
    return text;
}

TeacherLogic::Outcome TeacherLogic::enter(const QString& code, const QString& grade, const QString& section) {
    const QString typed = QString::fromStdString(std::string(store::trimSpaces(code.toStdString())));
    if (typed == accessCode())
        return Outcome::OpenMenu;
    if (typed == maskWord()) {
        maskNames(platform::numberOf(grade), platform::numberOf(section));
        return Outcome::None;
    }
    services_.dialogs.message(wrongCodeMessage());
    return Outcome::None;
}

void TeacherLogic::maskNames(int grade, int section) {
    if (grade < 1 || section < 1)
        return;
    const auto file = store::classFileNumber(grade, section);
    if (!file)
        return;
    const std::int32_t pupils = store_.wholeRecordCount(*file);
    store::DataStore::Batch batch(store_);
    for (std::int32_t i = 1; i <= pupils; ++i) {
        auto pupil = store_.read<store::ClassRecord>(*file, i);
        const std::string mask = "= " + std::to_string(i) + " =";
        for (int part : {1, 3})
            (void)pupil.info.set({part}, store::Text<40>(mask));
        store_.write(*file, i, pupil);
    }
    batch.commit();
    services_.dialogs.message(sentMessage());
}

} // namespace velmora::main
