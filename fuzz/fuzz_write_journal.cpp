// Any bytes as a left-over journal: a whole one writes back the same, a cut one is never whole.
#include <string>

#include "FuzzCheck.h"
#include "files/WriteJournal.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto entries = parseJournal(text);
    if (entries) {
        FUZZ_CHECK(parseJournal(formatJournal(*entries)) == entries);
        for (const JournalEntry& entry : *entries) FUZZ_CHECK(!entry.target.empty() || entry.temporary.empty());
    }
    temporariesNamedIn(text);

    // A journal cut anywhere is never whole.
    if (entries && !text.empty()) FUZZ_CHECK(!parseJournal(text.substr(0, size - 1)));
    return 0;
}
