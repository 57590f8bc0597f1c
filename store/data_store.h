#pragma once
// The open data folder: every data file held open under its file number, the process-wide
// record counts and date texts, whole-record reads and writes, and list compaction.

#include "store/file_table.h"
#include "store/records_codec.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::store {

// A data file that cannot be created, opened, read or written. what() is a UTF-8 Arabic
// message naming the file, meant for the user; the program stops after showing it.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class CompactResult { Deleted, BeyondEnd };

// Points inside compactListFile where tests simulate a crash by throwing.
enum class CompactStep { ScratchWritten, ScratchSynced, Renamed };

class DataStore {
public:
    explicit DataStore(std::filesystem::path folder);
    ~DataStore();
    DataStore(const DataStore&) = delete;
    DataStore& operator=(const DataStore&) = delete;

    [[nodiscard]] const std::filesystem::path& folder() const { return folder_; }

    // Opens every data file in table order, creating missing ones empty, and sets the
    // counts. Throws StoreError on the first file that cannot be opened or created.
    void openDataFiles();

    // Process-wide record count of a file (set at opening, raised by appends).
    [[nodiscard]] std::int32_t count(int file) const;
    void setCount(int file, std::int32_t value);

    // File length / record length, halves to even.
    [[nodiscard]] std::int32_t recordCount(int file) const;
    // File length / record length, rounded down: the whole records a walk visits.
    [[nodiscard]] std::int32_t wholeRecordCount(int file) const;
    [[nodiscard]] std::int64_t fileLength(int file) const;
    // Sets the count of a file anew from its length (before appending to some files).
    std::int32_t refreshCount(int file);

    // Whole-record access. Record numbers start at 1; a record (or part of one) past the
    // end of the file reads as zero bytes. A record number below 1 throws StoreError.
    void readRecord(int file, std::int32_t record, std::span<std::uint8_t> out) const;
    void writeRecord(int file, std::int32_t record, std::span<const std::uint8_t> in);

    template <class R> [[nodiscard]] R read(int file, std::int32_t record) const {
        RecordBytes<R> bytes;
        readRecord(file, record, bytes);
        return decode<R>(bytes);
    }
    template <class R> void write(int file, std::int32_t record, const R& value) {
        writeRecord(file, record, encode(value));
    }
    // Writes at count + 1 with recNo set to that number, raises the count, returns it.
    template <class R> std::int32_t append(int file, R value) {
        const std::int32_t number = count(file) + 1;
        value.recNo = number;
        write(file, number, value);
        setCount(file, number);
        return number;
    }

    // Visits records first..last (inclusive) with their bytes, reading many at once.
    // fn(recordNumber, bytes) may return false to stop early.
    template <class F> void forEachRecord(int file, std::int32_t first, std::int32_t last, F&& fn) const {
        visitRun(file, first, last, [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
            if constexpr (std::is_same_v<decltype(fn(n, bytes)), bool>)
                return fn(n, bytes);
            else {
                fn(n, bytes);
                return true;
            }
        });
    }

    // Deletes record r of a code list (subjects or violation types): later records move
    // down and are renumbered, the list file is replaced atomically. BeyondEnd when r is
    // not a record of the list. Throws StoreError with the old list intact on failure.
    CompactResult compactListFile(int file, std::int32_t record);

    // Writes are made durable (fdatasync) before each write returns, unless a batch is
    // open; a batch syncs every file it touched once, when committed.
    class Batch {
    public:
        explicit Batch(DataStore& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        void commit();

    private:
        DataStore& store_;
        bool done_ = false;
    };

    // Process-wide texts: today's Hijri date "yyyy/mm/dd" padded to 14 and the time text of
    // the last recorded answer or violation.
    std::string today;
    std::string lastTime;

    // The skills editors' own count per grade (index 1..6): the number of skills of the
    // subject last chosen in that grade's editor, raised by its appends. Unset until the
    // editor first sets it; the file's start-up count stands for it until then. Only the
    // editors use it: other windows walk the skills file's record count.
    std::array<std::optional<std::int32_t>, 7> skillsEditorCount{};

    // Test hook: called at each step of a compaction; throwing simulates a crash there.
    std::function<void(CompactStep)> compactStepHook;

private:
    struct OpenFile {
        int fd = -1;
        const FileSpec* fileSpec = nullptr;
        std::int32_t count = 0;
    };

    const OpenFile& openFile(int file) const;
    OpenFile& openFile(int file);
    std::filesystem::path pathOf(const FileSpec& fileSpec) const;
    int openPath(const FileSpec& fileSpec, bool truncate) const;
    void syncFile(const OpenFile& f) const;
    void syncFolder() const;
    void visitRun(int file, std::int32_t first, std::int32_t last,
                  const std::function<bool(std::int32_t, std::span<const std::uint8_t>)>& fn) const;

    std::filesystem::path folder_;
    std::map<int, OpenFile> files_;
    int batchDepth_ = 0;
    std::vector<int> batchDirty_;
};

// Arabic messages of the store, shared with tests.
std::string cannotOpenMessage(std::string_view fileName);
std::string cannotReadMessage(std::string_view fileName);
std::string cannotWriteMessage(std::string_view fileName);

} // namespace velmora::store
