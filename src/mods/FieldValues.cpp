#include "mods/FieldValues.h"

#include <cstdio>

#include "core/CodePage.h"
#include "mods/ModText.h"

namespace orvane::mods {

namespace {

std::string optionList(std::span<const FieldOption> options)
{
    std::string list;
    for (const FieldOption& option : options) {
        if (!list.empty()) list += ", ";
        list += valueText(std::string(option.caption));
    }
    return list;
}

std::string numberText(double number) { return std::to_string(static_cast<std::int64_t>(number)); }

std::optional<std::string> assignText(ByteImage& image, std::size_t at, const EntryRule& rule, const ModValue& value)
{
    const std::string* text = std::get_if<std::string>(&value);
    if (text == nullptr) return "a name is a text in double quotes";
    // The box takes no empty answer: a name is never made empty.
    if (text->empty()) return "a name cannot be empty";
    if (auto refused = refuseCharacters(*text)) return refused;
    const std::size_t characters = characterCount(*text);
    if (static_cast<double>(characters) > rule.limit) {
        return valueText(value) + " has " + std::to_string(characters) + " characters; at most " +
               numberText(rule.limit) + " fit";
    }
    writeField(image, at, rule.writableWidth, *text);
    return std::nullopt;
}

std::optional<std::string> assignOption(ByteImage& image, std::size_t at, const FieldLayout& field, std::size_t record,
                                        const ModValue& value)
{
    const auto options = field.entry.options(record);
    if (const std::string* caption = std::get_if<std::string>(&value)) {
        for (const FieldOption& option : options) {
            if (*caption == option.caption) {
                writeStoredNumber(image, at, field, option.code);
                return std::nullopt;
            }
        }
    }
    return valueText(value) + " is not one of the options " + optionList(options);
}

std::optional<std::string> assignNumber(ByteImage& image, std::size_t at, const FieldLayout& field,
                                        const ModValue& value)
{
    if (const auto* decimal = std::get_if<DecimalNumber>(&value)) return decimalNumberReason(decimal->written);
    const std::int64_t* number = std::get_if<std::int64_t>(&value);
    if (number == nullptr) return "this field holds a whole number, not a text";
    const EntryRule& rule = field.entry;
    // A value the game itself holds outside the limit, with its meaning: written as it stands.
    if (specialValue(rule, *number) != nullptr) {
        writeStoredNumber(image, at, field, *number);
        return std::nullopt;
    }
    const auto entry = static_cast<double>(*number);
    if (entry > rule.limit) return std::to_string(*number) + " is above the limit of " + numberText(rule.limit);
    const auto stored = acceptEntry(entry, rule);
    if (!stored) return std::to_string(*number) + " is not a value the page accepts for this field";
    // Bravery is held in steps of 10: 55 would be stored as the code of 50.
    const std::int64_t held = shownNumber(*stored, rule);
    if (held != *number) {
        return std::to_string(*number) + " cannot be held exactly; the game would hold " + std::to_string(held);
    }
    writeStoredNumber(image, at, field, *stored);
    return std::nullopt;
}

} // namespace

ModValue fieldValue(const ByteImage& image, const SectionField& field, std::size_t record)
{
    const FieldLayout& layout = *field.field;
    const std::size_t at = field.at(record);
    if (layout.encoding == FieldEncoding::Text) return decodeField(image, at, layout.entry.writableWidth);
    const std::int64_t stored = readStoredNumber(image, at, layout);
    if (const FieldOption* option = optionWithCode(layout.entry, record, stored)) return std::string(option->caption);
    return shownNumber(stored, layout.entry);
}

std::optional<std::string> assignField(ByteImage& image, const SectionField& field, std::size_t record,
                                       const ModValue& value, bool& changed)
{
    changed = false;
    if (value == fieldValue(image, field, record)) return std::nullopt;
    const FieldLayout& layout = *field.field;
    const std::size_t at = field.at(record);
    std::optional<std::string> refused;
    if (layout.encoding == FieldEncoding::Text) {
        refused = assignText(image, at, layout.entry, value);
    } else if (layout.entry.options != nullptr) {
        refused = assignOption(image, at, layout, record, value);
    } else {
        refused = assignNumber(image, at, layout, value);
    }
    changed = !refused;
    return refused;
}

namespace {

// "U+20AC": a character by its number, for one that cannot be seen, such as a lone combining accent.
std::string codePointText(std::string_view character)
{
    const auto lead = static_cast<unsigned char>(character.front());
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    auto code = static_cast<char32_t>(lead & (length == 1 ? 0x7Fu : 0x7Fu >> length));
    for (std::size_t i = 1; i < length && i < character.size(); ++i) {
        code = (code << 6) | (static_cast<unsigned char>(character[i]) & 0x3F);
    }
    char text[12];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

} // namespace

std::optional<std::string> refuseCharacters(const std::string& text)
{
    const auto missing = firstCharacterOutsideCodePage(text);
    if (!missing) return std::nullopt;
    return "the character " + valueText(*missing) + " (" + codePointText(*missing) +
           ") is not one of the game's characters";
}

} // namespace orvane::mods
