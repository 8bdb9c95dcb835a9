#pragma once
// The fuzz targets' inputs made from the fuzzer's bytes, and the report of a difference
// between the engine and the plain implementation.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <string_view>

#include "engine/word_list.h"

namespace morvane::fuzz {

// Typed text: the bytes through Windows-1252, except that a 0x00 byte takes the next two
// bytes as one UTF-16 unit, so any character (a lone surrogate too) can be typed.
std::u16string TypedText(std::string_view bytes);
std::u16string ConsumeTypedText(FuzzedDataProvider& data);

// Mostly a small limit, as settings hold; now and then any the search accepts.
int ConsumeSuggestionLimit(FuzzedDataProvider& data);

// The bytes as a dictionary file's content, decoded through Windows-1252.
WordList MakeWordList(std::string_view bytes);

// Prints what differs (from the plain implementation, or from what must hold), for which
// input, and aborts so that the fuzzer keeps the input.
[[noreturn]] void ReportDifference(const char* what, std::u16string_view input);

}  // namespace morvane::fuzz
