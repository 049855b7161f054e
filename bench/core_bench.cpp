// Costs of the calculator's work per item, at two sizes each, so that
// linear growth shows as an equal per-item time.
#include "../tests/core/fake_window.h"

#include <benchmark/benchmark.h>

namespace {

void keystrokes(benchmark::State &state)
{
    for (auto _ : state) {
        Session s;
        for (std::int64_t i = 0; i < state.range(0); ++i)
            s.key(i % 13 == 12 ? pirumo::kSpace : static_cast<pirumo::KeyCode>('0' + i % 10));
        benchmark::DoNotOptimize(s.win.check);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(keystrokes)->Arg(1000)->Arg(100000);

void recordingSessionThenSave(benchmark::State &state)
{
    for (auto _ : state) {
        Session s;
        s.click("log");
        s.type("123456789012");
        for (std::int64_t i = 1; i < state.range(0); ++i)
            s.up();  // appends a line and sets the caption each time
        s.win.saveAnswers.push_back("log.txt");
        s.click("save");
        benchmark::DoNotOptimize(s.win.files);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(recordingSessionThenSave)->Arg(1024)->Arg(4096)->Arg(16384)->Arg(32767)->Unit(benchmark::kMillisecond);

void pasteExtraction(benchmark::State &state)
{
    // The digits stand at the very end, so every character is looked at.
    std::string text(static_cast<std::size_t>(state.range(0)), '-');
    text.replace(text.size() - 11, 11, "03123456789");
    for (auto _ : state)
        benchmark::DoNotOptimize(pirumo::pasted_digits(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(pasteExtraction)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
