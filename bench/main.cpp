// morvane_bench: the engine's speed on the shipped dictionary and on a large one.
//
//   morvane_bench [--dictionary=FILE] [--large-dictionary=FILE] [--corpus=FILE] [benchmark flags]
//
// The defaults are the shipped dictionary beside the program, the large dictionary that the
// target morvane_large_dictionary generates in the build tree, and bench/corpus. A missing
// large dictionary is skipped with a note.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#include "bench/bench_dictionary.h"
#include "bench/benchmarks.h"
#include "bench/file_reading.h"

namespace {

struct Options {
    std::string dictionary = MORVANE_BENCH_SHIPPED_DICTIONARY;
    std::string largeDictionary = MORVANE_BENCH_LARGE_DICTIONARY;
    std::string corpus = MORVANE_BENCH_CORPUS;
};

bool TakeValue(const char* argument, const char* name, std::string& value) {
    const std::size_t length = std::strlen(name);
    if (std::strncmp(argument, name, length) != 0 || argument[length] != '=') return false;
    value = argument + length + 1;
    return true;
}

bool IsFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

int main(int argc, char** argv) {
    // Large blocks always come straight from the system, so every load and every plain read
    // gets fresh, untouched pages, as a program that loads once does. (By default the
    // allocator raises this threshold after the first free and then reuses touched memory.)
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);

    benchmark::Initialize(&argc, argv);
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (!TakeValue(argv[i], "--dictionary", options.dictionary) &&
            !TakeValue(argv[i], "--large-dictionary", options.largeDictionary) &&
            !TakeValue(argv[i], "--corpus", options.corpus)) {
            std::fprintf(stderr, "morvane_bench: unknown argument %s\n", argv[i]);
            return 2;
        }
    }

    using namespace morvane::bench;
    std::vector<std::unique_ptr<BenchDictionary>> dictionaries;
    try {
        const std::vector<std::u16string> corpus = ReadWordLines(options.corpus);
        dictionaries.push_back(PrepareDictionary("shipped", options.dictionary, corpus));
        if (IsFile(options.largeDictionary)) {
            dictionaries.push_back(PrepareDictionary("large", options.largeDictionary, corpus));
        } else {
            std::fprintf(stderr, "morvane_bench: no large dictionary at %s (build the target "
                         "morvane_large_dictionary); measuring the shipped one only\n",
                         options.largeDictionary.c_str());
        }
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "morvane_bench: %s\n", error.what());
        return 2;
    }

    for (const auto& dictionary : dictionaries) {
        std::fprintf(stderr, "morvane_bench: %s: %s, %zu bytes, %lld entries, %zu misspelt words\n",
                     dictionary->label.c_str(), dictionary->path.c_str(), dictionary->fileBytes,
                     static_cast<long long>(dictionary->words.Count()), dictionary->misspelt.size());
        RegisterLoadBenchmark(*dictionary);
        RegisterLookupBenchmark(*dictionary);
        RegisterCheckBenchmarks(*dictionary);
        RegisterReferenceCheckBenchmark(*dictionary);
        RegisterLanguageServerBenchmarks(*dictionary);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
