// The quiz on a large school: building the skill list (which also indexes the pupil's
// questions) and one draw over a 20 000-question bank with 10 000 permission records (the drawn skill has 20 questions; the pupil's
// permission is the last record), beside one plain read of the same files' bytes.

#include "platform/testing/fake_services.h"
#include "quiz/quiz_logic.h"
#include "store/testing/school_builder.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

using namespace velmora;
namespace fs = std::filesystem;

namespace {

constexpr int kQuestions = 20000;
constexpr int kPermissions = 10000;
constexpr int kDrawnSkill = 7;

struct School {
    fs::path folder;
    std::unique_ptr<store::DataStore> store;
};

School& school() {
    static School* s = [] {
        auto* made = new School;
        made->folder = store::testing::freshFolder(fs::temp_directory_path(), "velmora-bench-quiz");
        made->store = std::make_unique<store::DataStore>(made->folder);
        store::DataStore& data = *made->store;
        store::testing::SchoolBuilder builder(data);
        store::DataStore::Batch batch(data);
        builder.subject("الرياضيات");
        const int every = kQuestions / 20;
        for (int i = 0; i < kQuestions; ++i) {
            if (i % every == every / 2) {
                builder.question(4, 0, kDrawnSkill, "مهارة 7", "سؤال " + std::to_string(i),
                                 {"1", "2", "3", "4"}, 2);
            } else {
                const int grade = 1 + i % 6;
                const int skill = (i / 6) % 40 == kDrawnSkill ? 8 : (i / 6) % 40;
                builder.question(grade, i % 4, skill, "مهارة " + std::to_string(skill),
                                 "سؤال " + std::to_string(i), {"1", "2", "3", "4"}, 1);
            }
        }
        builder.pupil(4, 2, {"سالم", "احمد"}, "1");
        for (int i = 0; i < kPermissions - 1; ++i)
            builder.permit(1 + i % 6, 1 + i % 3, i % 4, i % 40, 2 + i % 30, 100);
        builder.permit(4, 2, 0, kDrawnSkill, 1, 100);
        batch.commit();
        return made;
    }();
    return *s;
}

quiz::QuizContext context() {
    quiz::QuizContext c;
    c.grade = 4;
    c.section = 2;
    c.subject = 0;
    c.pupil = 1;
    c.pupilName = QStringLiteral("سالم احمد");
    return c;
}

void PlainReadOfBankAndPermissions(benchmark::State& state) {
    School& s = school();
    for (auto _ : state) {
        for (const char* name : {"aselh.mdb", "سماح.mdb"}) {
            const fs::path path = s.folder / fs::path(reinterpret_cast<const char8_t*>(name));
            std::ifstream in(path, std::ios::binary);
            std::string bytes(fs::file_size(path), '\0');
            in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            benchmark::DoNotOptimize(bytes.data());
        }
    }
}
BENCHMARK(PlainReadOfBankAndPermissions)->Unit(benchmark::kMillisecond);

void BuildSkillList(benchmark::State& state) {
    School& s = school();
    platform::testing::FakeServices fakes;
    auto services = fakes.services();
    quiz::QuizLogic logic(*s.store, services, context());
    for (auto _ : state) {
        auto skills = logic.skillList();
        benchmark::DoNotOptimize(skills);
    }
}
BENCHMARK(BuildSkillList)->Unit(benchmark::kMillisecond);

void DrawOneQuestion(benchmark::State& state) {
    School& s = school();
    platform::testing::FakeServices fakes;
    auto services = fakes.services();
    quiz::QuizLogic logic(*s.store, services, context());
    for (auto _ : state) {
        auto shown = logic.draw(QStringLiteral("مهارة 7"));
        if (!shown || shown->count != 20)
            state.SkipWithError("the drawn skill should have 20 questions");
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(DrawOneQuestion)->Unit(benchmark::kMillisecond);

// What a pupil waits for from choosing the skill in a freshly opened window: the first draw
// reads the permissions file once.
void OpenWindowAndDrawFirstQuestion(benchmark::State& state) {
    School& s = school();
    platform::testing::FakeServices fakes;
    auto services = fakes.services();
    for (auto _ : state) {
        quiz::QuizLogic logic(*s.store, services, context());
        auto skills = logic.skillList();
        auto shown = logic.draw(QStringLiteral("مهارة 7"));
        benchmark::DoNotOptimize(skills);
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(OpenWindowAndDrawFirstQuestion)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
