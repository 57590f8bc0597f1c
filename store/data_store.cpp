#include "store/data_store.h"

#include "store/helpers.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace velmora::store {

std::string cannotOpenMessage(std::string_view fileName) {
    return "تعذر فتح ملف البيانات أو إنشاؤه: " + std::string(fileName) +
           "\nسيتوقف البرنامج دون كتابة أي شيء آخر.";
}
std::string cannotReadMessage(std::string_view fileName) {
    return "تعذرت القراءة من ملف البيانات: " + std::string(fileName) +
           "\nسيتوقف البرنامج دون كتابة أي شيء آخر.";
}
std::string cannotWriteMessage(std::string_view fileName) {
    return "تعذرت الكتابة في ملف البيانات: " + std::string(fileName) +
           "\nسيتوقف البرنامج دون كتابة أي شيء آخر.";
}

namespace {

std::string compactFailedMessage(std::string_view fileName) {
    return "تعذر حذف السجل من القائمة: " + std::string(fileName) +
           "\nبقيت القائمة كما كانت.";
}

std::string badRecordNumberMessage(std::string_view fileName, std::int32_t record) {
    return "رقم سجل غير صالح (" + std::to_string(record) + ") في ملف البيانات: " +
           std::string(fileName);
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += n;
    }
    return true;
}

// Reads up to size bytes at offset; returns the number read (short at end of file), or -1.
ssize_t readUpTo(int fd, std::uint8_t* data, std::size_t size, off_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

constexpr std::size_t kRunBytes = 1 << 20; // bytes read at once when visiting records

} // namespace

DataStore::DataStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

DataStore::~DataStore() {
    for (auto& [number, f] : files_)
        if (f.fd >= 0)
            ::close(f.fd);
}

std::filesystem::path DataStore::pathOf(const FileSpec& fileSpec) const {
    return folder_ / std::filesystem::path(std::u8string(fileSpec.name.begin(), fileSpec.name.end()));
}

int DataStore::openPath(const FileSpec& fileSpec, bool truncate) const {
    int flags = O_RDWR | O_CREAT | O_CLOEXEC;
    if (truncate)
        flags |= O_TRUNC;
    int fd;
    do {
        fd = ::open(pathOf(fileSpec).c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

void DataStore::openDataFiles() {
    bool created = false;
    for (const auto& fileSpec : dataFiles()) {
        if (files_.contains(fileSpec.number))
            continue;
        std::error_code ec;
        const bool existed = std::filesystem::exists(pathOf(fileSpec), ec);
        const int fd = openPath(fileSpec, false);
        if (fd < 0)
            throw StoreError(cannotOpenMessage(fileSpec.name));
        created = created || !existed;
        files_[fileSpec.number] = OpenFile{fd, &fileSpec, 0};
        files_[fileSpec.number].count = recordCount(fileSpec.number);
    }
    if (created)
        syncFolder();
}

const DataStore::OpenFile& DataStore::openFile(int file) const {
    const auto it = files_.find(file);
    if (it == files_.end()) {
        const FileSpec* fileSpec = findFile(file);
        throw StoreError(cannotOpenMessage(fileSpec ? fileSpec->name : "#" + std::to_string(file)));
    }
    return it->second;
}

DataStore::OpenFile& DataStore::openFile(int file) {
    return const_cast<OpenFile&>(std::as_const(*this).openFile(file));
}

std::int32_t DataStore::count(int file) const { return openFile(file).count; }

void DataStore::setCount(int file, std::int32_t value) { openFile(file).count = value; }

std::int64_t DataStore::fileLength(int file) const {
    const OpenFile& f = openFile(file);
    struct stat st {};
    if (::fstat(f.fd, &st) != 0)
        throw StoreError(cannotReadMessage(f.fileSpec->name));
    return st.st_size;
}

std::int32_t DataStore::recordCount(int file) const {
    const OpenFile& f = openFile(file);
    return static_cast<std::int32_t>(divideHalfEven(fileLength(file), f.fileSpec->recordLength));
}

std::int32_t DataStore::wholeRecordCount(int file) const {
    const OpenFile& f = openFile(file);
    return static_cast<std::int32_t>(fileLength(file) / f.fileSpec->recordLength);
}

std::int32_t DataStore::refreshCount(int file) {
    const std::int32_t n = recordCount(file);
    setCount(file, n);
    return n;
}

void DataStore::readRecord(int file, std::int32_t record, std::span<std::uint8_t> out) const {
    const OpenFile& f = openFile(file);
    if (out.size() != static_cast<std::size_t>(f.fileSpec->recordLength))
        throw std::invalid_argument("record buffer does not match the file's record length");
    if (record < 1)
        throw StoreError(badRecordNumberMessage(f.fileSpec->name, record));
    const off_t offset = static_cast<off_t>(record - 1) * f.fileSpec->recordLength;
    const ssize_t n = readUpTo(f.fd, out.data(), out.size(), offset);
    if (n < 0)
        throw StoreError(cannotReadMessage(f.fileSpec->name));
    std::fill(out.begin() + n, out.end(), std::uint8_t{0});
}

void DataStore::writeRecord(int file, std::int32_t record, std::span<const std::uint8_t> in) {
    const OpenFile& f = openFile(file);
    if (in.size() != static_cast<std::size_t>(f.fileSpec->recordLength))
        throw std::invalid_argument("record buffer does not match the file's record length");
    if (record < 1)
        throw StoreError(badRecordNumberMessage(f.fileSpec->name, record));
    const off_t offset = static_cast<off_t>(record - 1) * f.fileSpec->recordLength;
    if (!writeAll(f.fd, in.data(), in.size(), offset))
        throw StoreError(cannotWriteMessage(f.fileSpec->name));
    if (batchDepth_ > 0) {
        if (std::find(batchDirty_.begin(), batchDirty_.end(), file) == batchDirty_.end())
            batchDirty_.push_back(file);
    } else {
        syncFile(f);
    }
}

void DataStore::syncFile(const OpenFile& f) const {
    if (::fdatasync(f.fd) != 0)
        throw StoreError(cannotWriteMessage(f.fileSpec->name));
}

void DataStore::syncFolder() const {
    const int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void DataStore::visitRun(int file, std::int32_t first, std::int32_t last,
                         const std::function<bool(std::int32_t, std::span<const std::uint8_t>)>& fn) const {
    const OpenFile& f = openFile(file);
    if (first < 1)
        throw StoreError(badRecordNumberMessage(f.fileSpec->name, first));
    if (last < first)
        return;
    const auto length = static_cast<std::size_t>(f.fileSpec->recordLength);
    const std::size_t perRun = std::max<std::size_t>(1, kRunBytes / length);
    std::vector<std::uint8_t> buffer(perRun * length);
    for (std::int64_t start = first; start <= last;) {
        const auto records = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(perRun), last - start + 1));
        const std::size_t bytes = records * length;
        const ssize_t n = readUpTo(f.fd, buffer.data(), bytes, static_cast<off_t>(start - 1) * f.fileSpec->recordLength);
        if (n < 0)
            throw StoreError(cannotReadMessage(f.fileSpec->name));
        std::fill(buffer.begin() + n, buffer.begin() + static_cast<std::ptrdiff_t>(bytes), std::uint8_t{0});
        for (std::size_t i = 0; i < records; ++i) {
            const auto number = static_cast<std::int32_t>(start + static_cast<std::int64_t>(i));
            if (!fn(number, std::span<const std::uint8_t>(buffer.data() + i * length, length)))
                return;
        }
        start += static_cast<std::int64_t>(records);
    }
}

CompactResult DataStore::compactListFile(int file, std::int32_t record) {
    OpenFile& list = openFile(file);
    const std::int32_t n = list.count;
    if (record < 1 || record > n)
        return CompactResult::BeyondEnd;

    const FileSpec& scratchSpec = *findFile(files::kScratch);
    const auto scratchPath = pathOf(scratchSpec);
    const auto listPath = pathOf(*list.fileSpec);
    const std::string failed = compactFailedMessage(list.fileSpec->name);

    int scratch = openPath(scratchSpec, true);
    if (scratch < 0)
        throw StoreError(failed);
    bool renamed = false;
    try {
        // Copy every other record, renumbered, into the scratch file.
        std::int32_t k = 0;
        for (std::int32_t i = 1; i <= n; ++i) {
            if (i == record)
                continue;
            auto code = read<CodeRecord>(file, i);
            code.recNo = ++k;
            const auto bytes = encode(code);
            if (!writeAll(scratch, bytes.data(), bytes.size(),
                          static_cast<off_t>(k - 1) * scratchSpec.recordLength))
                throw StoreError(failed);
        }
        if (compactStepHook)
            compactStepHook(CompactStep::ScratchWritten);
        if (::fdatasync(scratch) != 0)
            throw StoreError(failed);
        if (compactStepHook)
            compactStepHook(CompactStep::ScratchSynced);
        // The rename replaces the list in one step: a crash leaves the old list or the new.
        if (::rename(scratchPath.c_str(), listPath.c_str()) != 0)
            throw StoreError(failed);
        renamed = true;
        syncFolder();
        if (compactStepHook)
            compactStepHook(CompactStep::Renamed);
    } catch (...) {
        if (!renamed) {
            ::close(scratch);
            std::error_code ec;
            std::filesystem::remove(scratchPath, ec);
            throw;
        }
        // Past the rename the new list is in place: go on using it.
        ::close(list.fd);
        list.fd = scratch;
        list.count = recordCount(file);
        throw;
    }
    ::close(list.fd);
    list.fd = scratch; // the scratch descriptor now names the list file
    list.count = recordCount(file);
    return CompactResult::Deleted;
}

DataStore::Batch::Batch(DataStore& store) : store_(store) { ++store_.batchDepth_; }

DataStore::Batch::~Batch() {
    if (!done_) {
        try {
            commit();
        } catch (...) {
            // A destructor must not throw; the writes stay handed to the system.
        }
    }
}

void DataStore::Batch::commit() {
    if (done_)
        return;
    done_ = true;
    if (--store_.batchDepth_ > 0)
        return;
    auto dirty = std::move(store_.batchDirty_);
    store_.batchDirty_.clear();
    for (int file : dirty)
        store_.syncFile(store_.openFile(file));
}

} // namespace velmora::store
