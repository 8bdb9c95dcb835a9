// GetPriorityFormat: reading loosely typed values as format numbers, and which system
// calls it makes.
#include <gtest/gtest.h>

#include <cmath>

#include "clipboard/clipboard.h"
#include "clipboard/clipboard_errors.h"
#include "clipboard_test_support.h"

namespace morvane {
namespace {

using test::RecordingCalls;

TEST(FormatNumberValues, AreReadThroughTheirTextRoundedHalfToEvenAndOverflowBeyondThirtyTwoBits) {
    const std::pair<VariantValue, std::int32_t> cases[] = {
        {13, 13}, {L"13", 13}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2}, {2.7, 3}, {L"  7.5abc", 8}, {L"\t 9", 9},
        {L"abc", 0}, {L"", 0}, {L"-", 0}, {L".5", 0}, {L"+42", 42}, {L"-2147483648.5", -2147483647 - 1},
        {2147483647.4, 2147483647}, {L"1e-400", 0}, {L"2E", 2}, {L"2x5", 2},  // only e, E, d and D start an exponent
        {L"1e3", 1000}, {L"1E2", 100}, {L"1d2", 100}, {L"1D1", 10}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(Int32FromVariant(value, L"test"), expected) << "value text: " << testing::PrintToString(value.Text());
    const VariantValue tooLarge[] = {2147483647.5, L"2147483648", L"-2147483649", std::int64_t{5000000000},
                                     L"1e400", HUGE_VAL, -HUGE_VAL, std::nan("")};
    for (const VariantValue& value : tooLarge)
        EXPECT_THROW(Int32FromVariant(value, L"test"), OverflowError) << testing::PrintToString(value.Text());
}

TEST(PriorityFormat, AsksForTheListInOrderInsideOneOpenCloseAndNothingForAnEmptyOrUnreadableOne) {
    CClipboard clipboard;
    RecordingCalls calls;
    EXPECT_EQ(clipboard.GetPriorityFormat(VariantArray{}), 0);
    EXPECT_THROW(clipboard.GetPriorityFormat(VariantArray(1, {CF_TEXT})), SubscriptOutOfRangeError);
    EXPECT_THROW(clipboard.GetPriorityFormat({CF_TEXT, L"9e99"}), OverflowError);
    EXPECT_TRUE(calls.Log().empty());

    // A list that starts below 0 has an element 0: elements 0 to the upper bound are read.
    clipboard.GetPriorityFormat(VariantArray(-1, {999, L"2", CF_TEXT}));
    EXPECT_EQ(calls.Log(), (std::vector<std::string>{"OpenClipboard", "GetPriorityClipboardFormat 2 1", "CloseClipboard"}));
}

}  // namespace
}  // namespace morvane
