#include "authoring/code_list_logic.h"

#include "store/file_table.h"

namespace velmora::authoring {

CodeListLogic::CodeListLogic(store::DataStore& store, platform::Services& services, CodeList list)
    : store_(store), services_(services),
      file_(list == CodeList::Subjects ? store::files::kSubjects : store::files::kViolationTypes),
      target_(count() + 1) {}

const QString& CodeListLogic::cannotSaveMessage() {
    static const QString text = QStringLiteral("لايمكن الحفظ");
    return text;
}

const QString& CodeListLogic::cannotDeleteMessage() {
    static const QString text = QStringLiteral("لايمكن الحذف");
    return text;
}

const QString& CodeListLogic::deletedMessage() {
    static const QString text = QStringLiteral("تم الحذف");
    return text;
}

std::int32_t CodeListLogic::count() const { return store_.count(file_); }

CodeListLogic::Page CodeListLogic::page(int position) {
    Page rows;
    tags_.fill(0);
    const std::int32_t n = count();
    const std::int64_t top = std::int64_t{position} + 1;
    for (int i = 0; i < kRows; ++i) {
        const std::int64_t record = top + i;
        if (record > n)
            break;
        const auto entry = store_.read<store::CodeRecord>(file_, static_cast<std::int32_t>(record));
        rows[static_cast<std::size_t>(i)] = {QString::number(entry.recNo),
                                             QString::fromStdString(entry.name.value())};
        tags_[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(record);
    }
    return rows;
}

std::int32_t CodeListLogic::tag(int row) const {
    if (row < 0 || row >= kRows)
        return 0;
    return tags_[static_cast<std::size_t>(row)];
}

std::optional<QString> CodeListLogic::load(int row) {
    const std::int32_t n = tag(row);
    if (n < 1)
        return std::nullopt;
    const auto entry = store_.read<store::CodeRecord>(file_, n);
    target_ = n;
    return QString::fromStdString(entry.name.trimmed());
}

bool CodeListLogic::save(const QString& name) {
    const std::int32_t r = target_;
    if (r > kMaxEntries) {
        services_.dialogs.message(cannotSaveMessage());
        return false;
    }
    std::int32_t n = count();
    store::CodeRecord entry;
    if (r > n) {
        n += 1;
        entry.recNo = n;
    } else {
        entry = store_.read<store::CodeRecord>(file_, r);
    }
    entry.name.assign(store::trimSpaces(name.toStdString()));
    store_.write(file_, r, entry);
    store_.setCount(file_, n);
    target_ = n + 1;
    return true;
}

bool CodeListLogic::remove(const std::function<void()>& showDeleted) {
    if (store_.compactListFile(file_, target_) == store::CompactResult::BeyondEnd) {
        services_.dialogs.message(cannotDeleteMessage());
        return false;
    }
    target_ = count() + 1;
    if (showDeleted)
        showDeleted();
    services_.dialogs.message(deletedMessage());
    return true;
}

} // namespace velmora::authoring
