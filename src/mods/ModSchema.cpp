#include "mods/ModSchema.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

#include "core/CodePage.h"
#include "core/Unicode.h"
#include "mods/ModLayout.h"
#include "mods/ModMaking.h"
#include "mods/ModText.h"

namespace orvane::mods {

namespace {

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

// A JSON object written member by member, in the order given.
class Object {
public:
    Object& add(std::string_view key, const std::string& json)
    {
        members_ += members_.empty() ? "{" : ", ";
        members_ += quoted(key) + ": " + json;
        return *this;
    }
    Object& text(std::string_view key, std::string_view value) { return add(key, quoted(value)); }
    Object& number(std::string_view key, std::int64_t value) { return add(key, std::to_string(value)); }
    std::string json() const { return members_.empty() ? "{}" : members_ + "}"; }

private:
    std::string members_;
};

std::string list(const std::vector<std::string>& items)
{
    std::string out = "[";
    for (const std::string& item : items) out += (out.size() > 1 ? ", " : "") + item;
    return out + "]";
}

// The numbers the page's box takes for the field, as the mod gives them.
std::vector<std::int64_t> acceptedNumbers(const FieldLayout& field)
{
    const EntryRule& rule = field.entry;
    std::set<std::int64_t> accepted;
    const std::int64_t lowest = field.width == 1 ? -32'768 : -65'536;
    const std::int64_t highest = static_cast<std::int64_t>(rule.limit);
    if (field.width == 1 && rule.toShown != nullptr) {
        for (std::int64_t stored = 0; stored <= 255; ++stored) {
            const std::int64_t shown = shownNumber(stored, rule);
            const auto back = acceptEntry(static_cast<double>(shown), rule);
            if (shown <= highest && back && shownNumber(*back, rule) == shown) accepted.insert(shown);
        }
    } else {
        for (std::int64_t shown = lowest; shown <= highest; ++shown) {
            const auto back = acceptEntry(static_cast<double>(shown), rule);
            if (back && shownNumber(*back, rule) == shown) accepted.insert(shown);
        }
    }
    return {accepted.begin(), accepted.end()};
}

// One value. Draft 4 has no "const": an enum of one stands for it.
std::string one(std::int64_t value)
{
    std::string list = "[";
    list += std::to_string(value);
    return list += ']';
}

std::string range(std::int64_t from, std::int64_t to)
{
    if (from == to) return Object().add("enum", one(from)).json();
    return Object().number("minimum", from).number("maximum", to).json();
}

// A whole number the field takes: its ranges, a step, or the values one by one, and the game's own
// special values with their meanings.
std::string numberSchema(const FieldLayout& field, const std::string& description)
{
    const std::vector<std::int64_t> values = acceptedNumbers(field);
    std::vector<std::string> choices;
    std::vector<std::pair<std::int64_t, std::int64_t>> runs;
    for (const std::int64_t value : values) {
        if (!runs.empty() && runs.back().second + 1 == value) {
            runs.back().second = value;
        } else {
            runs.emplace_back(value, value);
        }
    }
    const std::int64_t step = values.size() > 1 ? values[1] - values[0] : 1;
    bool evenSteps = values.size() > 2 && step > 1 && values.front() % step == 0;
    for (std::size_t i = 1; evenSteps && i < values.size(); ++i) evenSteps = values[i] - values[i - 1] == step;
    if (evenSteps) {
        choices.push_back(Object()
                              .number("minimum", values.front())
                              .number("maximum", values.back())
                              .number("multipleOf", step)
                              .json());
    } else {
        for (const auto& [from, to] : runs) choices.push_back(range(from, to));
    }
    for (const SpecialValue& special : field.entry.specials) {
        choices.push_back(Object().add("enum", one(special.value)).text("description", special.meaning).json());
    }
    Object schema;
    schema.text("type", "integer").text("description", description);
    if (choices.size() == 1) {
        // One range: its bounds stand in the field's own schema, where an editor shows them.
        const std::string& only = choices.front();
        return schema.json().substr(0, schema.json().size() - 1) + ", " + only.substr(1);
    }
    return schema.add("anyOf", list(choices)).json();
}

// A text of the game's characters only: the characters of code page bytes 1 to 255 (byte 0 ends a text),
// as one character class of \u escapes, runs of neighbouring code points written as ranges. No line
// break, tab or other control character is among them. The escapes read the same in ECMA 262 (the
// schema's regular expressions), Rust's and Python's, and need no thought for ] - ^ or \ in the class.
//
// Texts are brought to composed form (NFC) before they are mapped, so the pattern takes what NFC makes
// one of the game's characters as well: a letter followed by a combining accent ("e" and U+0301, as
// macOS writes "é"), written as an alternative, and a character with a twin among the game's (the
// Ångström sign), in the class.
const std::string& gameTextPattern()
{
    static const std::string pattern = [] {
        std::vector<char32_t> points;
        for (unsigned code = 1; code <= 255; ++code) points.push_back(codePointOf(static_cast<std::uint8_t>(code)));
        const auto escaped = [](char32_t point) {
            char text[16];
            std::snprintf(text, sizeof text, "\\u%04X", static_cast<unsigned>(point));
            return std::string(text);
        };
        std::vector<std::string> sequences;
        if (unicodeNormalisation()) {
            std::set<std::string> game;
            for (const char32_t point : points) game.insert(utf8Character(point));
            for (char32_t point = 0x80; point < 0x3000; ++point) {
                const std::string text = utf8Character(point);
                if (!game.contains(text) && game.contains(normalizedText(text))) points.push_back(point);
            }
            for (const char* letters : {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz"}) {
                for (const char* letter = letters; *letter != 0; ++letter) {
                    for (char32_t accent = 0x300; accent < 0x370; ++accent) {
                        if (game.contains(normalizedText(*letter + utf8Character(accent)))) {
                            sequences.push_back(escaped(static_cast<unsigned char>(*letter)) + escaped(accent));
                        }
                    }
                }
            }
        }
        std::sort(points.begin(), points.end());
        std::string out = sequences.empty() ? "^[" : "^(?:[";
        for (std::size_t from = 0; from < points.size();) {
            std::size_t to = from;
            while (to + 1 < points.size() && points[to + 1] == points[to] + 1) ++to;
            out += escaped(points[from]);
            if (to > from + 1) out += '-';
            if (to > from) out += escaped(points[to]);
            from = to + 1;
        }
        out += "]";
        for (const std::string& sequence : sequences) {
            out += '|';
            out += sequence;
        }
        return out + (sequences.empty() ? "*$" : ")*$");
    }();
    return pattern;
}

// No line break is among the pattern's characters; this says so to checkers whose "$" also matches
// before a last line break (Python's), as ECMA 262's does not.
std::string noLineBreak() { return Object().text("pattern", "\\n").json(); }

std::string optionSchema(const FieldLayout& field, std::size_t records, const std::string& description)
{
    std::vector<std::string> captions;
    for (std::size_t record = 0; record < records; ++record) {
        for (const FieldOption& option : field.entry.options(record)) {
            const std::string caption = quoted(option.caption);
            if (std::find(captions.begin(), captions.end(), caption) == captions.end()) captions.push_back(caption);
        }
    }
    return Object().text("type", "string").text("description", description).add("enum", list(captions)).json();
}

std::string fieldSchema(const Section& section, const SectionField& field)
{
    const FieldLayout& layout = *field.field;
    std::string description = layout.label;
    while (!description.empty() && (description.back() == ':' || description.back() == ' ')) description.pop_back();
    if (layout.encoding == FieldEncoding::Text) {
        return Object()
            .text("type", "string")
            .text("description", description + ": 1 to " + std::to_string(static_cast<int>(layout.entry.limit)) +
                                     " of the game's characters (code page 437)")
            .number("minLength", 1)
            .number("maxLength", static_cast<std::int64_t>(layout.entry.limit))
            .text("pattern", gameTextPattern())
            .add("not", noLineBreak())
            .json();
    }
    if (layout.entry.options != nullptr) return optionSchema(layout, section.count, description);
    return numberSchema(layout, description);
}

std::string recordSchema(const Section& section)
{
    Object properties;
    std::vector<std::string> required;
    if (!section.single) {
        Object number;
        number.text("type", "integer")
            .text("description", "the record's number, as the page numbers it")
            .number("minimum", static_cast<std::int64_t>(section.firstNumber));
        if (!section.strings) {
            number.number("maximum", static_cast<std::int64_t>(section.firstNumber + section.count - 1));
        }
        properties.add(NumberKey, number.json());
        required.push_back(quoted(NumberKey));
    }
    if (!section.single && !section.strings) {
        properties.add(NameKey,
                       Object()
                           .text("type", "string")
                           .text("description", "how the page names the record; for reading only, never applied")
                           .json());
    }
    if (section.strings) {
        properties.add(TextKey, Object()
                                    .text("type", "string")
                                    .text("description", "the string, of any length, in the game's characters (code "
                                                         "page 437); no line break")
                                    .text("pattern", gameTextPattern())
                                    .add("not", noLineBreak())
                                    .json());
    }
    for (const SectionField& field : section.fields) properties.add(field.key, fieldSchema(section, field));
    Object record;
    record.text("type", "object").add("properties", properties.json()).add("additionalProperties", "false");
    if (!required.empty()) record.add("required", list(required));
    return record.json();
}

std::string sectionDescription(const Section& section)
{
    if (section.strings)
        return "the strings of " + std::string(section.key == "english_dat" ? "ENGLISH.DAT" : "ENGLISH2.DAT") +
               ", by number";
    if (section.single) return "the one record " + section.key;
    return "the records of " + section.key + ", " + std::to_string(section.firstNumber) + " to " +
           std::to_string(section.firstNumber + section.count - 1) + ", each at most once";
}

} // namespace

std::string modSchema()
{
    // Every edition has the same sections, keys and limits; the Collector's Edition's stand for all.
    const ModLayout& layout = ModLayout::of(GameEdition::Collectors);
    std::vector<std::string> editions;
    for (const GameEdition edition : {GameEdition::Collectors, GameEdition::Dos12, GameEdition::Dos14}) {
        editions.push_back(quoted(editionName(edition)));
    }
    Object header;
    header.text("type", "object")
        .text("description", "the file's format, and the edition it was made on (for information only)")
        .add("properties", Object()
                               .add("format", Object()
                                                  .text("type", "integer")
                                                  .text("description", "the format of the file")
                                                  .add("enum", one(ModFormat))
                                                  .json())
                               .add("edition", Object()
                                                   .text("type", "string")
                                                   .text("description", "the edition the mod was made on")
                                                   .add("enum", list(editions))
                                                   .json())
                               .json())
        .add("required", list({quoted("format")}))
        .add("additionalProperties", "false");
    Object properties;
    properties.add(HeaderKey, header.json());
    for (const Section& section : layout.sections()) {
        const std::string record = recordSchema(section);
        if (section.single) {
            properties.add(section.key, record.substr(0, record.size() - 1) + ", " + quoted("description") + ": " +
                                            quoted(sectionDescription(section)) + "}");
        } else {
            properties.add(section.key, Object()
                                            .text("type", "array")
                                            .text("description", sectionDescription(section))
                                            .add("items", record)
                                            .json());
        }
    }
    return Object()
               // Draft 4: its "integer" is a number written without a decimal point, so a checker marks
               // 46.0 as the mod reader refuses it. Drafts 6 and later take 46.0 as an integer.
               .text("$schema", "http://json-schema.org/draft-04/schema#")
               .text("title", "Orvane mod file, format " + std::to_string(ModFormat))
               .text("description", "A mod for the Orvane Executable Editor and orvane: the values it sets, as the "
                                    "editor's pages show them (docs/MOD-FORMAT.md).")
               .text("type", "object")
               .add("properties", properties.json())
               .add("required", list({quoted(HeaderKey)}))
               .add("additionalProperties", "false")
               .json() +
           "\n";
}

} // namespace orvane::mods
