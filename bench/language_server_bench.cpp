// The language server's work for one keystroke in a long Markdown document: the edit, and the
// re-check of the lines it touched (and of those after, while an opened fence changes them),
// against checking the whole document afresh; and the JSON text of the document's diagnostics,
// which the protocol sends whole after every edit.
#include <benchmark/benchmark.h>

#include "bench/benchmarks.h"
#include "bench/sample_stats.h"
#include "check/lsp/checked_document.h"
#include "check/lsp/diagnostics_json.h"
#include "check/word_check.h"

namespace morvane::bench {
namespace {

constexpr std::size_t kLines = 10000;

// Prose lines, each with a misspelt word of the corpus, and a fenced code block every 50 lines.
std::u16string LongDocument(const BenchDictionary& dictionary) {
    std::u16string text;
    for (std::size_t line = 0; line < kLines; ++line) {
        if (line % 50 == 49) {
            text += u"```\nint main() { return 0; }\n```\n";
            continue;
        }
        text += u"The quick brown fox said `code` and " + dictionary.misspelt[line % dictionary.misspelt.size()] +
                u" before the lazy dog, see https://example.org/page.\n";
    }
    return text;
}

// Each iteration types a character in the middle line (or opens a fence there) and takes it
// out again; both edits are timed.
void EditMiddleLine(benchmark::State& state, const BenchDictionary& dictionary, std::u16string typed) {
    const PersonalWords personal;
    const CheckedDocument::IsFound isFound = [&](std::u16string_view word) {
        return IsFoundWord(word, dictionary.words, personal);
    };
    CheckedDocument document(TextRules{TextKind::Markdown}, LongDocument(dictionary), isFound);
    const TextPosition middle{kLines / 2, 4};
    const TextPosition after = typed.back() == u'\n' ? TextPosition{middle.line + 1, 0}
                                                     : TextPosition{middle.line, middle.character + typed.size()};
    std::vector<double> times;
    std::size_t rechecked = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        rechecked += document.Edit(middle, middle, PositionEncoding::Utf16, typed, isFound);
        times.push_back(SecondsBetween(start, Clock::now()));
        start = Clock::now();
        rechecked += document.Edit(middle, after, PositionEncoding::Utf16, u"", isFound);
        times.push_back(SecondsBetween(start, Clock::now()));
    }
    state.counters["median_us"] = Median(times) * 1e6;
    state.counters["lines_rechecked"] = static_cast<double>(rechecked) / static_cast<double>(times.size());
}

void CheckWholeDocument(benchmark::State& state, const BenchDictionary& dictionary) {
    const PersonalWords personal;
    const CheckedDocument::IsFound isFound = [&](std::u16string_view word) {
        return IsFoundWord(word, dictionary.words, personal);
    };
    const std::u16string text = LongDocument(dictionary);
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = Clock::now();
        CheckedDocument document(TextRules{TextKind::Markdown}, text, isFound);
        times.push_back(SecondsBetween(start, Clock::now()));
        benchmark::DoNotOptimize(document);
    }
    state.counters["median_ms"] = Median(times) * 1e3;
    state.counters["lines"] = static_cast<double>(kLines);
}

// The publishDiagnostics message of the whole document, built and serialised.
void PublishList(benchmark::State& state, const BenchDictionary& dictionary) {
    const PersonalWords personal;
    const CheckedDocument::IsFound isFound = [&](std::u16string_view word) {
        return IsFoundWord(word, dictionary.words, personal);
    };
    const CheckedDocument document(TextRules{TextKind::Markdown}, LongDocument(dictionary), isFound);
    const std::size_t diagnostics = document.Flagged().size();
    std::vector<double> times;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const std::string message =
            PublishDiagnosticsMessage("file:///bench/long.md", 2, document, PositionEncoding::Utf16, 3);
        times.push_back(SecondsBetween(start, Clock::now()));
        bytes = message.size();
    }
    const double median = Median(times);
    state.counters["median_us"] = median * 1e6;
    state.counters["diagnostics"] = static_cast<double>(diagnostics);
    state.counters["list_bytes"] = static_cast<double>(bytes);
    state.counters["ns_per_diagnostic"] = median * 1e9 / static_cast<double>(diagnostics);
}

}  // namespace

void RegisterLanguageServerBenchmarks(const BenchDictionary& dictionary) {
    benchmark::RegisterBenchmark(("LspTypeInLine/" + dictionary.label).c_str(), [&dictionary](benchmark::State& s) {
        EditMiddleLine(s, dictionary, u"x");
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("LspOpenFence/" + dictionary.label).c_str(), [&dictionary](benchmark::State& s) {
        EditMiddleLine(s, dictionary, u"\n```\n");
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("LspCheckWholeDocument/" + dictionary.label).c_str(),
                                 [&dictionary](benchmark::State& s) { CheckWholeDocument(s, dictionary); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("LspPublishList/" + dictionary.label).c_str(),
                                 [&dictionary](benchmark::State& s) { PublishList(s, dictionary); })
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace morvane::bench
