#include "authoring/question_list_logic.h"

#include <algorithm>

namespace velmora::authoring {

namespace {
QString shown(const auto& field) { return QString::fromStdString(field.trimmed()); }
} // namespace

std::vector<QuestionListRow> questionListRows(const store::DataStore& store, int scrollValue) {
    std::vector<QuestionListRow> rows;
    const std::int32_t count = store.count(store::files::kQuestions);
    const std::int64_t top = std::int64_t{std::max(scrollValue, 0)} + 1;
    for (int i = 0; i < kQuestionListRows; ++i) {
        const std::int64_t n = top + i;
        if (n > count)
            break;
        const auto number = static_cast<std::int32_t>(n);
        const auto q = store.read<store::QuestionRecord>(store::files::kQuestions, number);
        rows.push_back({number, shown(q.labels.elements()[0]), shown(q.labels.elements()[1]),
                        shown(q.skillName), shown(q.text)});
    }
    return rows;
}

} // namespace velmora::authoring
