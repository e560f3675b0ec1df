// Up to five string edits on any bytes, then each undone: other bytes stay, Undo gives the image back.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <vector>

#include "FuzzCheck.h"
#include "core/CodePage.h"
#include "strings/StringTable.h"

using namespace orvane;
using namespace orvane::strings;

namespace {

struct Edit {
    ByteImage before;
    std::size_t index;
    std::vector<std::uint8_t> oldBytes;
};

ByteImage bytesAfter(const ByteImage& image, std::size_t offset)
{
    return ByteImage(image.begin() + static_cast<std::ptrdiff_t>(offset), image.end());
}

// The new bytes: typed text (Apply refuses a character the game lacks), or raw bytes with no zero.
std::optional<std::vector<std::uint8_t>> replacementFrom(FuzzedDataProvider& input)
{
    if (input.ConsumeBool()) {
        const std::string text = input.ConsumeRandomLengthString(64);
        if (firstCharacterOutsideCodePage(text)) return std::nullopt;
        auto bytes = encodeGameText(text);
        std::string readBack;
        appendGameText(readBack, bytes);
        FUZZ_CHECK(readBack == text);
        return bytes;
    }
    auto bytes = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 64));
    std::erase(bytes, std::uint8_t{0});
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::size_t editCount = input.ConsumeIntegralInRange<std::size_t>(1, 5);
    std::vector<std::pair<std::size_t, std::optional<std::vector<std::uint8_t>>>> edits;
    for (std::size_t e = 0; e < editCount; ++e) {
        const auto index = input.ConsumeIntegral<std::uint16_t>();
        edits.emplace_back(index, replacementFrom(input));
    }
    ByteImage image = input.ConsumeRemainingBytes<std::uint8_t>();

    std::vector<std::size_t> starts;
    std::vector<std::string> texts;
    findStringStarts(image, starts);
    decodeStrings(image, starts, texts);
    FUZZ_CHECK(texts.size() + 1 == starts.size());
    FUZZ_CHECK(std::count(image.begin(), image.end(), std::uint8_t{0}) == static_cast<std::ptrdiff_t>(texts.size()));
    if (texts.empty()) {
        FUZZ_CHECK(!placeOf(image, starts, 0));
        return 0;
    }

    std::vector<Edit> done;
    for (auto& [wanted, replacement] : edits) {
        if (!replacement) continue; // refused: nothing written
        const std::size_t index = wanted % texts.size();
        auto place = placeOf(image, starts, index);
        FUZZ_CHECK(place && place->begin == starts[index] && place->afterTerminator == starts[index + 1]);

        const auto oldTexts = texts;
        const ByteImage oldTrailing = bytesAfter(image, starts.back());
        done.push_back({image, index,
                        std::vector<std::uint8_t>(image.begin() + static_cast<std::ptrdiff_t>(starts[index]),
                                                  image.begin() + static_cast<std::ptrdiff_t>(starts[index + 1] - 1))});
        place->bytes = *replacement;
        const ByteImage opened = image;
        rebuildTable(image, opened, std::span(&*place, 1));

        findStringStarts(image, starts);
        decodeStrings(image, starts, texts);
        FUZZ_CHECK(texts.size() == oldTexts.size());
        for (std::size_t k = 0; k < texts.size(); ++k)
            if (k != index) FUZZ_CHECK(texts[k] == oldTexts[k]);
        std::string expected;
        appendGameText(expected, *replacement);
        FUZZ_CHECK(texts[index] == expected);
        FUZZ_CHECK(bytesAfter(image, starts.back()) == oldTrailing);
    }

    // Taking the edits back, newest first, by writing each string's old bytes in place again.
    for (auto edit = done.rbegin(); edit != done.rend(); ++edit) {
        auto place = placeOf(image, starts, edit->index);
        FUZZ_CHECK(place);
        place->bytes = edit->oldBytes;
        const ByteImage opened = image;
        rebuildTable(image, opened, std::span(&*place, 1));
        FUZZ_CHECK(image == edit->before);
        findStringStarts(image, starts);
    }
    return 0;
}
