// Screening, phonetic key and similarity of any typed texts must be exactly those of the
// plain implementation; screening also for texts longer than a 16-bit count could hold. The
// same texts read as a MaxSuggestions value must give a number in range or nothing.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "engine/spelling.h"
#include "engine/suggestion_limit.h"
#include "fuzz/fuzz_input.h"
#include "tests/engine/reference_engine.h"

namespace {

using namespace morvane;

// Just past the 32,767 characters that a 16-bit count could hold. Only the screen is compared
// on such texts: the plain implementation needs milliseconds for each of them.
constexpr std::size_t kLongText = 32768;

void CompareOneText(const std::u16string& a, const std::u16string& b) {
    if (CleanWord(a) != reference::CleanWord(a)) fuzz::ReportDifference("CleanWord", a);
    if (PhoneticKey(a) != reference::PhoneticKey(a)) fuzz::ReportDifference("PhoneticKey", a);
    if (WordSimilarity(a, b) != reference::WordSimilarity(a, b)) fuzz::ReportDifference("WordSimilarity", a + u'|' + b);
    if (WordSimilarity(b, a) != reference::WordSimilarity(b, a)) fuzz::ReportDifference("WordSimilarity", b + u'|' + a);
    // A settings value is text from a file the user edits: whatever it holds, a limit read
    // from it is one that the search accepts.
    const std::optional<int> number = ParseInteger16(a);
    const std::optional<int> limit = ParseSuggestionLimit(a);
    if (number && (*number < -32768 || *number > 32767)) fuzz::ReportDifference("ParseInteger16 range", a);
    if (limit && (*limit < 0 || *limit > kMaxSuggestionLimit || !number || *limit != *number)) {
        fuzz::ReportDifference("ParseSuggestionLimit", a);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool stretch = input.ConsumeIntegral<std::uint8_t>() == 0xFF;
    std::u16string a = fuzz::ConsumeTypedText(input);
    std::u16string b = fuzz::TypedText(input.ConsumeRemainingBytesAsString());
    CompareOneText(a, b);
    if (stretch && !a.empty()) {
        // A long run of the text, with the second text's last character (if any) at the end.
        std::u16string longText;
        while (longText.size() < kLongText) longText += a;
        if (!b.empty()) longText += b.back();
        if (CleanWord(longText) != reference::CleanWord(longText)) fuzz::ReportDifference("CleanWord", longText);
    }
    return 0;
}
