#pragma once
// The subjects list and the violation-types list, without widgets: twelve rows from a
// scroll position, loading an entry, saving (at most 20 entries) and deleting with
// renumbering.

#include "platform/services.h"
#include "store/data_store.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace velmora::authoring {

enum class CodeList { Subjects, ViolationTypes };

class CodeListLogic {
public:
    static constexpr int kRows = 12;
    static constexpr std::int32_t kMaxEntries = 20;

    struct Row {
        QString number; // l1: the entry's recNo
        QString name;   // l2: the name as stored, padding kept
    };
    using Page = std::array<Row, kRows>;

    CodeListLogic(store::DataStore& store, platform::Services& services, CodeList list);

    [[nodiscard]] int file() const { return file_; }
    // N: the list file's process-wide record count.
    [[nodiscard]] std::int32_t count() const;
    // lf: the record the next save writes.
    [[nodiscard]] std::int32_t target() const { return target_; }

    // The rows from scroll position p (record p + 1 first); rows past the end are empty and
    // every row's tag is set anew (0 for an empty row).
    Page page(int position);
    [[nodiscard]] std::int32_t tag(int row) const;

    // Double-click on name row i: the entry's trimmed name, now the target; nothing for a
    // row without an entry.
    std::optional<QString> load(int row);

    // Writes the name at the target. False, after "لايمكن الحفظ", when the target lies past
    // the 20 entries the list may hold. On success the target is the next free number.
    bool save(const QString& name);

    // Deletes the target entry, renumbering the later ones. False, after "لايمكن الحذف",
    // when the target is past the last entry; on success showDeleted lets the window empty
    // its box and show the new target, then "تم الحذف" is shown.
    bool remove(const std::function<void()>& showDeleted = {});

    static const QString& cannotSaveMessage();
    static const QString& cannotDeleteMessage();
    static const QString& deletedMessage();

private:
    store::DataStore& store_;
    platform::Services& services_;
    int file_;
    std::int32_t target_;
    std::array<std::int32_t, kRows> tags_{};
};

} // namespace velmora::authoring
