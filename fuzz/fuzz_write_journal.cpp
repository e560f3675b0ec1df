// Any bytes as the journal a cut-off write left beside a game: what is read as a whole journal says
// the same when written again; one cut short is never whole; the temporary files named in what is
// left of one are read from any text without failing. A journal taken for whole when it is not would
// rename files over the game on the next load.
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
