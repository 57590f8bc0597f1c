// Scanning a 20 000-question bank: the store's run visit against one plain read of the
// file's bytes (the bandwidth limit) and against one read call per record.

#include "store/data_store.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

using namespace velmora::store;
namespace fs = std::filesystem;

namespace {

constexpr int kQuestions = 20000;

DataStore& bank() {
    static DataStore* store = [] {
        const fs::path dir = fs::temp_directory_path() / "velmora-bench-store";
        fs::remove_all(dir);
        fs::create_directories(dir);
        auto* s = new DataStore(dir);
        s->openDataFiles();
        DataStore::Batch batch(*s);
        for (int i = 0; i < kQuestions; ++i) {
            QuestionRecord q;
            q.grade = static_cast<std::int16_t>(1 + i % 6);
            q.subject = static_cast<std::int16_t>(i % 5);
            q.skill = static_cast<std::int16_t>(i % 40);
            q.kind = 1;
            q.skillName.assign("مهارة " + std::to_string(i % 40));
            q.text.assign("سؤال رقم " + std::to_string(i));
            s->append(files::kQuestions, q);
        }
        batch.commit();
        return s;
    }();
    return *store;
}

void PlainReadOfFile(benchmark::State& state) {
    const fs::path path = bank().folder() / "aselh.mdb";
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string bytes(fs::file_size(path), '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(PlainReadOfFile)->Unit(benchmark::kMillisecond);

void VisitRunOfRecords(benchmark::State& state) {
    DataStore& store = bank();
    for (auto _ : state) {
        long sum = 0;
        store.forEachRecord(files::kQuestions, 1, store.count(files::kQuestions),
                            [&](std::int32_t, std::span<const std::uint8_t> bytes) {
                                sum += bytes[8];
                            });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(VisitRunOfRecords)->Unit(benchmark::kMillisecond);

void VisitAndDecodeQuestions(benchmark::State& state) {
    DataStore& store = bank();
    for (auto _ : state) {
        long sum = 0;
        store.forEachRecord(files::kQuestions, 1, store.count(files::kQuestions),
                            [&](std::int32_t, std::span<const std::uint8_t> bytes) {
                                sum += decode<QuestionRecord>(bytes).skill;
                            });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(VisitAndDecodeQuestions)->Unit(benchmark::kMillisecond);

void OneReadCallPerRecord(benchmark::State& state) {
    DataStore& store = bank();
    for (auto _ : state) {
        long sum = 0;
        for (int n = 1; n <= kQuestions; ++n)
            sum += store.read<QuestionRecord>(files::kQuestions, n).skill;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(OneReadCallPerRecord)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
