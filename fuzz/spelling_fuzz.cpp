// Screening, phonetic key and similarity of any typed texts must be exactly those of the
// plain implementation; screening also for texts longer than a 16-bit count could hold.
#include <cstddef>
#include <cstdint>

#include "engine/spelling.h"
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
