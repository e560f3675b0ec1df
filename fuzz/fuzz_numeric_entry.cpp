// Any entries under any limit: the loop ends at an empty or storable entry and never stores above it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <deque>

#include "FuzzCheck.h"
#include "FuzzPrompts.h"
#include "core/AskValue.h"
#include "core/NumericEntry.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool wide = input.ConsumeBool(); // a two-byte amount rather than a byte
    const auto limit = static_cast<double>(wide ? input.ConsumeIntegralInRange<int>(-1, 70000)
                                                : input.ConsumeIntegralInRange<int>(-1, 300));
    const LimitCheck check = input.ConsumeBool() ? LimitCheck::OnEntry : LimitCheck::OnWholeNumber;
    fuzz::FuzzPrompts prompts;
    while (input.remaining_bytes() > 0) prompts.texts.push_back(input.ConsumeRandomLengthString(64));
    const std::deque<std::optional<std::string>> entries = prompts.texts;

    const EntryRule rule{limit, check, wide ? &storeAsWord : &storeAsByte};
    const auto stored = askValue(prompts, {"Change Amount", "", ""}, rule);

    // The box came once per entry up to and including the one that ended the loop.
    const std::size_t asked = prompts.asked;
    FUZZ_CHECK(asked >= 1 && asked <= entries.size() + 1);
    for (std::size_t i = 0; i + 1 < asked; ++i) {
        FUZZ_CHECK(!entries[i]->empty()); // an empty entry ends the edit at once
    }
    const bool cancelled = asked > entries.size() || entries[asked - 1]->empty();
    FUZZ_CHECK(stored.has_value() != cancelled);
    if (!stored) return 0;

    const double number = readNumber(*entries[asked - 1]);
    FUZZ_CHECK(*stored >= 0 && static_cast<double>(*stored) <= limit);
    FUZZ_CHECK(std::fabs(static_cast<double>(*stored) - number) <= 0.5); // the nearest whole number
    if (check == LimitCheck::OnEntry) FUZZ_CHECK(number <= limit);
    if (!wide) FUZZ_CHECK(*stored <= 255);
    return 0;
}
