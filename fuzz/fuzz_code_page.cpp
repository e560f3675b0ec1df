// Any UTF-8 (or malformed) text to game bytes and back, and any game bytes to text and back.
#include <fuzzer/FuzzedDataProvider.h>

#include <set>

#include "FuzzCheck.h"
#include "core/CodePage.h"

using namespace orvane;

namespace {

// The texts of the 255 game characters, read from the code page once.
const std::set<std::string>& gameCharacters()
{
    static const std::set<std::string> characters = [] {
        std::set<std::string> all;
        for (int code = 1; code <= 255; ++code) all.insert(characterOf(static_cast<std::uint8_t>(code)));
        return all;
    }();
    return characters;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string text = input.ConsumeRandomLengthString(256);

    // Text to bytes: one byte per character, nothing of the text lost in the split, and a character
    // gets a code exactly when it is one of the game's, which it then reads back as.
    const auto characters = splitCharacters(text);
    std::string joined;
    for (const auto& c : characters) joined += c;
    FUZZ_CHECK(joined == text);
    const auto bytes = encodeGameText(text);
    FUZZ_CHECK(bytes.size() == characters.size() && characterCount(text) == characters.size());
    for (std::size_t i = 0; i < characters.size(); ++i) {
        FUZZ_CHECK((bytes[i] != 0) == (gameCharacters().count(characters[i]) == 1));
        if (bytes[i] != 0) FUZZ_CHECK(characterOf(bytes[i]) == characters[i]);
    }

    // Bytes to text and back, also through a fixed-width field, which keeps only its width.
    ByteImage gameBytes;
    for (const std::uint8_t b : input.ConsumeBytes<std::uint8_t>(64))
        if (b != 0) gameBytes.push_back(b);
    std::string gameText;
    for (const std::uint8_t b : gameBytes) gameText += characterOf(b);
    FUZZ_CHECK(encodeGameText(gameText) == gameBytes);

    const std::size_t width = input.ConsumeIntegralInRange<std::size_t>(0, 80);
    const std::size_t offset = input.ConsumeIntegralInRange<std::size_t>(0, 8);
    ByteImage field(offset + width + 4, 0xAA);
    const ByteImage around = field;
    writeField(field, offset, width, gameText);
    const std::size_t kept = std::min(width, gameBytes.size());
    std::string expected;
    for (std::size_t i = 0; i < kept; ++i) expected += characterOf(gameBytes[i]);
    FUZZ_CHECK(decodeField(field, offset, width) == expected);
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (i < offset || i >= offset + width) FUZZ_CHECK(field[i] == around[i]); // nothing outside the field
    }
    return 0;
}
