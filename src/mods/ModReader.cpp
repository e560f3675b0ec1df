// Reading a mod file with toml++, built so that a parse error comes back as a value with its place.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <variant>

#include <toml++/toml.h>

#include "core/Unicode.h"
#include "mods/ModLayout.h"
#include "mods/ModMaking.h"
#include "mods/ModText.h"

namespace orvane::mods {

namespace {

std::size_t lineOf(const toml::node& node)
{
    return node.source().begin.line;
}

// toml++ 3.3 asks whether a character other than ASCII is a blank wherever a blank may stand, and for
// many such characters that question runs into code it takes as never reached. So the parser is given
// ASCII only: a text's characters are written as its \u escapes (a literal text becomes a basic text
// holding the same characters), a comment's are left out, and one anywhere else is refused here, as
// TOML refuses it. Line breaks stay where they are, so the parser's line numbers are the file's.
class AsciiText {
public:
    explicit AsciiText(std::string_view text) : text_(text) { out_.reserve(text.size() + text.size() / 8); }

    // The text for the parser, or why the file is not TOML.
    std::variant<std::string, ModRefusal> convert()
    {
        for (at_ = 0; at_ < text_.size(); ++at_) {
            const char c = text_[at_];
            if (c == '\n') {
                ++line_;
                if (in_ == In::Comment || in_ == In::Text || in_ == In::Literal) in_ = In::Keys;
                out_ += c;
            } else if (!step(c)) {
                return ModRefusal{line_, {}, {}, "this is not a TOML file: " + problem_};
            }
        }
        return std::move(out_);
    }

private:
    enum class In { Keys, Comment, Text, LongText, Literal, LongLiteral };

    bool step(char c)
    {
        switch (in_) {
        case In::Keys:
            if (c == '#') {
                in_ = In::Comment;
            } else if (c == '"' || c == '\'') {
                const bool isLong = text_.substr(at_, 3) == std::string(3, c);
                in_ = c == '"' ? (isLong ? In::LongText : In::Text) : (isLong ? In::LongLiteral : In::Literal);
                // A literal text becomes a basic one, where its characters can be escaped.
                out_.append(isLong ? 3 : 1, '"');
                if (isLong) at_ += 2;
                return true;
            } else if (static_cast<unsigned char>(c) >= 0x80) {
                problem_ = "characters other than ASCII belong inside texts and comments";
                return false;
            }
            out_ += c;
            return true;
        case In::Comment:
            if (static_cast<unsigned char>(c) < 0x80) {
                out_ += c;
                return true;
            }
            return character().has_value();
        case In::Text:
        case In::LongText:
            if (c == '\\') {
                out_ += c;
                if (at_ + 1 < text_.size() && static_cast<unsigned char>(text_[at_ + 1]) >= 0x80) {
                    problem_ = "a backslash in a text is followed by a character other than ASCII";
                    return false;
                }
                if (at_ + 1 < text_.size() && text_[at_ + 1] != '\n') out_ += text_[++at_];
                return true;
            }
            if (c == '"' && in_ == In::Text) return close(1);
            if (c == '"' && closes('"')) return close(3);
            return text(c);
        case In::Literal:
        case In::LongLiteral:
            if (c == '\'' && in_ == In::Literal) return close(1);
            if (c == '\'' && closes('\'')) return close(3);
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
                return true;
            }
            return text(c);
        }
        return true;
    }

    // Ends a text at its closing quotes, which start at at_, written as a basic text's.
    bool close(std::size_t quotes)
    {
        in_ = In::Keys;
        out_.append(quotes, '"');
        at_ += quotes - 1;
        return true;
    }

    // True when at_ starts the three quotes that close a long text. Up to two more quotes before them
    // belong to the text; they are written and at_ moved past them.
    bool closes(char quote)
    {
        if (text_.substr(at_, 3) != std::string(3, quote)) return false;
        while (at_ + 3 < text_.size() && text_[at_ + 3] == quote) {
            out_ += quote == '"' ? "\\\"" : "'";
            ++at_;
        }
        return true;
    }

    bool text(char c)
    {
        if (static_cast<unsigned char>(c) < 0x80) {
            out_ += c;
            return true;
        }
        const auto code = character();
        if (!code) return false;
        char escape[12];
        std::snprintf(escape, sizeof escape, *code > 0xFFFF ? "\\U%08X" : "\\u%04X", static_cast<unsigned>(*code));
        out_ += escape;
        return true;
    }

    // The character that starts at at_, read as UTF-8; at_ is left on its last byte.
    std::optional<char32_t> character()
    {
        const auto lead = static_cast<unsigned char>(text_[at_]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        char32_t code = lead & (0x7F >> length);
        bool wellFormed = length > 0 && lead < 0xF8 && at_ + length <= text_.size();
        for (std::size_t i = 1; wellFormed && i < length; ++i) {
            const auto next = static_cast<unsigned char>(text_[at_ + i]);
            wellFormed = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!wellFormed || code < Smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            problem_ = "the file is not UTF-8";
            return std::nullopt;
        }
        at_ += length - 1;
        return code;
    }

    std::string_view text_;
    std::string out_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
    In in_ = In::Keys;
    std::string problem_;
};

// A number written with a decimal point, as the message quotes it: 46.0, 12.5, 1e+20.
std::string realText(double number)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", number);
    std::string written = text;
    if (written.find_first_of(".eIn") == std::string::npos) written += ".0";
    return written;
}

std::vector<std::string_view> editionNames()
{
    static const std::string names[] = {editionName(GameEdition::Collectors), editionName(GameEdition::Dos12),
                                        editionName(GameEdition::Dos14)};
    return {std::begin(names), std::end(names)};
}

// Collects the records and every fault, each with its line.
class Reader {
public:
    ModReading read(std::string_view text)
    {
        if (text.starts_with(ByteOrderMark)) text.remove_prefix(ByteOrderMark.size());
        std::string ascii;
        if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
            auto converted = AsciiText(text).convert();
            if (auto* refused = std::get_if<ModRefusal>(&converted)) return {std::nullopt, {std::move(*refused)}};
            ascii = std::move(std::get<std::string>(converted));
            text = ascii;
        }
        toml::parse_result parsed = toml::parse(text);
        if (!parsed) {
            const toml::parse_error& error = parsed.error();
            return {std::nullopt,
                    {{error.source().begin.line, {}, {}, "this is not a TOML file: " + std::string(error.description())}}};
        }
        // The texts are moved out of the parsed tree, which is not needed afterwards.
        toml::table& root = parsed.table();
        const toml::node* header = root.get(HeaderKey);
        if (header == nullptr) {
            refuse(1, {}, {}, "a mod file begins with a [mod] table that gives its format");
        }
        for (auto&& [key, node] : root) {
            const std::string section(key.str());
            if (section == HeaderKey) {
                readHeader(node);
            } else if (toml::array* list = node.as_array()) {
                for (toml::node& element : *list) {
                    if (toml::table* table = element.as_table()) {
                        readRecord(section, *table, true);
                    } else {
                        refuse(lineOf(element), section, {}, "[[" + section + "]] holds tables, one per record");
                    }
                }
            } else if (toml::table* table = node.as_table()) {
                readRecord(section, *table, false);
            } else {
                refuse(lineOf(node), {}, section, "every value belongs to a table: [mod] or a record's");
            }
        }
        const auto byLine = [](const ModRecord& a, const ModRecord& b) { return a.line < b.line; };
        if (!std::is_sorted(mod_.records.begin(), mod_.records.end(), byLine)) {
            std::stable_sort(mod_.records.begin(), mod_.records.end(), byLine);
        }
        sortByLine(refusals_);
        return {std::move(mod_), std::move(refusals_)};
    }

private:
    static constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

    void refuse(std::size_t line, std::string record, std::string field, std::string reason)
    {
        refusals_.push_back({line, std::move(record), std::move(field), std::move(reason)});
    }

    void readHeader(const toml::node& node)
    {
        const std::string where = "[mod]";
        const toml::table* header = node.as_table();
        if (header == nullptr) {
            refuse(lineOf(node), where, {}, "[mod] is a table");
            return;
        }
        const toml::node* format = header->get("format");
        if (format == nullptr) {
            refuse(lineOf(node), where, "format", "[mod] gives the format of the file: format = 1");
        } else if (const auto* real = format->as_floating_point()) {
            refuse(lineOf(*format), where, "format", decimalPoint(real->get()));
        } else if (!format->is_integer() || format->as_integer()->get() != ModFormat) {
            refuse(lineOf(*format), where, "format",
                   "this program reads mod files of format " + std::to_string(ModFormat) + " only");
        }
        for (auto&& [key, value] : *header) {
            const std::string_view name = key.str();
            if (name == "format") continue;
            if (name == "edition") {
                readEdition(value);
            } else {
                std::string reason = "unknown key `" + std::string(name) + "` in [mod]";
                const std::string nearest = nearestKey(name, {"format", "edition"});
                reason += nearest.empty() ? "; it gives format and edition" : "; did you mean `" + nearest + "`?";
                refuse(lineOf(value), where, std::string(name), std::move(reason));
            }
        }
    }

    void readEdition(const toml::node& value)
    {
        const auto names = editionNames();
        std::string list;
        for (const std::string_view name : names) list += (list.empty() ? "\"" : ", \"") + std::string(name) + "\"";
        const auto* text = value.as_string();
        if (text == nullptr) {
            refuse(lineOf(value), "[mod]", "edition", "the edition is a text in double quotes: one of " + list);
        } else if (std::find(names.begin(), names.end(), text->get()) == names.end()) {
            refuse(lineOf(value), "[mod]", "edition",
                   valueText(normalizedText(text->get())) + " is not an edition; the editions are " + list);
        } else {
            mod_.edition = text->get();
        }
    }

    void readRecord(const std::string& section, toml::table& table, bool inList)
    {
        ModRecord record;
        record.section = section;
        record.line = lineOf(table);
        std::string label = section;
        if (inList) {
            const toml::node* number = table.get(NumberKey);
            if (number != nullptr && number->is_floating_point()) {
                refuse(lineOf(*number), section, std::string(NumberKey), decimalPoint(number->as_floating_point()->get()));
                return;
            }
            if (number == nullptr || !number->is_integer()) {
                refuse(number != nullptr ? lineOf(*number) : record.line, section, std::string(NumberKey),
                       "each [[" + section + "]] table gives its record's number as a whole number");
                return;
            }
            record.number = number->as_integer()->get();
            label += " " + std::to_string(*record.number);
        }
        for (auto&& [key, node] : table) {
            const std::string name(key.str());
            if (name == NumberKey && inList) continue;
            if (name == NumberKey) {
                refuse(lineOf(node), label, name,
                       "[" + section + "] is one record with no number; numbered records are written [[" + section + "]]");
            } else if (name == NameKey) {
                if (node.is_string()) {
                    record.name = normalizedText(node.as_string()->get());
                    record.nameLine = lineOf(node);
                } else {
                    refuse(lineOf(node), label, name, "the name is a text in double quotes, for reading only");
                }
            } else if (auto value = valueOf(node, label, name)) {
                record.fields.push_back({name, std::move(*value), lineOf(node)});
            }
        }
        const auto byLine = [](const ModField& a, const ModField& b) { return a.line < b.line; };
        if (!std::is_sorted(record.fields.begin(), record.fields.end(), byLine)) {
            std::stable_sort(record.fields.begin(), record.fields.end(), byLine);
        }
        mod_.records.push_back(std::move(record));
    }

    // The one wording of a number with a decimal point, wherever it stands.
    static std::string decimalPoint(double value)
    {
        return realText(value) + " is written with a decimal point; a mod's numbers are whole numbers, written "
                                 "without one";
    }

    std::optional<ModValue> valueOf(toml::node& node, const std::string& record, const std::string& field)
    {
        if (const auto* number = node.as_integer()) return number->get();
        if (auto* text = node.as_string()) return normalizedText(std::move(text->get()));
        if (const auto* real = node.as_floating_point()) {
            refuse(lineOf(node), record, field, decimalPoint(real->get()));
            return std::nullopt;
        }
        refuse(lineOf(node), record, field, "a value is a whole number or a text in double quotes");
        return std::nullopt;
    }

    ModDocument mod_;
    std::vector<ModRefusal> refusals_;
};

} // namespace

ModReading readMod(std::string_view text)
{
    return Reader().read(text);
}

} // namespace orvane::mods
