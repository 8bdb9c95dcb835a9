// Lookup of words that the dictionary holds, spread over the whole list.
#include <benchmark/benchmark.h>

#include "bench/benchmarks.h"
#include "engine/spelling.h"

namespace morvane::bench {
namespace {

void LookUpFoundWords(benchmark::State& state, const BenchDictionary& dictionary) {
    const std::vector<std::u16string>& words = dictionary.foundWords;
    for (const std::u16string& word : words) {  // also builds what the lookup needs
        if (!IsInDictionary(dictionary.words, word)) {
            state.SkipWithError("an entry of the dictionary was not found");
            return;
        }
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(IsInDictionary(dictionary.words, words[next]));
        if (++next == words.size()) next = 0;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

}  // namespace

void RegisterLookupBenchmark(const BenchDictionary& dictionary) {
    benchmark::RegisterBenchmark(("LookupFound/" + dictionary.label).c_str(),
                                 [&dictionary](benchmark::State& state) { LookUpFoundWords(state, dictionary); })
        ->Unit(benchmark::kNanosecond);
}

}  // namespace morvane::bench
