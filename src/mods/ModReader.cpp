// Reading a mod file with toml++, built so that a parse error comes back as a value with its place.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <unordered_map>
#include <variant>

#include <toml++/toml.h>

#include "core/Unicode.h"
#include "mods/ModLayout.h"
#include "mods/ModMaking.h"
#include "mods/ModText.h"

namespace orvane::mods {

namespace {

std::size_t lineOf(const toml::node& node) { return node.source().begin.line; }

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
                if (character()) problem_ = "characters other than ASCII belong inside texts and comments";
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

std::vector<std::string_view> editionNames()
{
    static const std::string names[] = {editionName(GameEdition::Collectors), editionName(GameEdition::Dos12),
                                        editionName(GameEdition::Dos14)};
    return {std::begin(names), std::end(names)};
}

// A table of the file as both readers give it: its entries in the order of the file, each value one
// of the kinds a mod may hold, or another kind to be refused.
struct RawValue {
    enum class Kind { Integer, Text, Real, Other } kind = Kind::Other;
    std::int64_t integer = 0;
    std::string written; // a Real as the file writes it
    std::string text;
    std::size_t line = 0;
};
struct RawEntry {
    std::string key;
    RawValue value;
};
struct RawTable {
    std::string name;
    bool inList = false; // [[name]]
    std::size_t line = 0;
    std::vector<RawEntry> entries;
};

// What a mod's tables mean: the records and every fault, each with its line. Given the tables of the
// file one by one, by either reader.
class Reader {
public:
    void refuse(std::size_t line, std::string record, std::string field, std::string reason)
    {
        refusals_.push_back({line, std::move(record), std::move(field), std::move(reason)});
    }

    void table(RawTable& table)
    {
        if (table.name == HeaderKey) {
            sawHeader_ = true;
            readHeader(table);
        } else {
            readRecord(table);
        }
    }

    ModReading finish()
    {
        if (!sawHeader_) refuse(1, {}, {}, "a mod file begins with a [mod] table that gives its format");
        const auto byLine = [](const ModRecord& a, const ModRecord& b) { return a.line < b.line; };
        if (!std::is_sorted(mod_.records.begin(), mod_.records.end(), byLine)) {
            std::stable_sort(mod_.records.begin(), mod_.records.end(), byLine);
        }
        sortByLine(refusals_);
        return {std::move(mod_), std::move(refusals_)};
    }

    void reserve(std::size_t records) { mod_.records.reserve(records); }
    void sawHeader() { sawHeader_ = true; }

private:
    static const RawEntry* find(const RawTable& table, std::string_view key)
    {
        for (const RawEntry& entry : table.entries) {
            if (entry.key == key) return &entry;
        }
        return nullptr;
    }

    void readHeader(const RawTable& header)
    {
        const std::string where = "[mod]";
        const RawEntry* format = find(header, "format");
        if (format == nullptr) {
            refuse(header.line, where, "format", "[mod] gives the format of the file: format = 1");
        } else if (format->value.kind == RawValue::Kind::Real) {
            refuse(format->value.line, where, "format", decimalNumberReason(format->value.written));
        } else if (format->value.kind != RawValue::Kind::Integer) {
            refuse(format->value.line, where, "format", "the format is a whole number, without quotes: format = 1");
        } else if (format->value.integer != ModFormat) {
            refuse(format->value.line, where, "format",
                   "this program reads mod files of format " + std::to_string(ModFormat) + " only");
        }
        for (const RawEntry& entry : header.entries) {
            if (entry.key == "format") continue;
            if (entry.key == "edition") {
                readEdition(entry.value);
            } else {
                std::string reason = "unknown key `" + entry.key + "` in [mod]";
                const std::string nearest = nearestKey(entry.key, {"format", "edition"});
                reason += nearest.empty() ? "; it gives format and edition" : "; did you mean `" + nearest + "`?";
                refuse(entry.value.line, where, entry.key, std::move(reason));
            }
        }
    }

    void readEdition(const RawValue& value)
    {
        const auto names = editionNames();
        std::string list;
        for (const std::string_view name : names) list += (list.empty() ? "\"" : ", \"") + std::string(name) + "\"";
        if (value.kind != RawValue::Kind::Text) {
            refuse(value.line, "[mod]", "edition", "the edition is a text in double quotes: one of " + list);
        } else if (std::find(names.begin(), names.end(), value.text) == names.end()) {
            refuse(value.line, "[mod]", "edition",
                   valueText(normalizedText(value.text)) + " is not an edition; the editions are " + list);
        } else {
            mod_.edition = value.text;
        }
    }

    void readRecord(RawTable& table)
    {
        const std::string& section = table.name;
        ModRecord record;
        record.section = section;
        record.line = table.line;
        std::string label = section;
        // The sections are the same for every edition; an unknown one is told when the mod is applied.
        const Section* known = ModLayout::of(GameEdition::Collectors).section(section);
        const bool single = known != nullptr && known->single;
        if (table.inList && single) {
            refuse(table.line, "[[" + section + "]]", {},
                   "[" + section + "] is one record with no number; it is written [" + section + "]");
            return;
        }
        if (table.inList) {
            const RawEntry* number = find(table, NumberKey);
            if (number != nullptr && number->value.kind == RawValue::Kind::Real) {
                refuse(number->value.line, section, std::string(NumberKey), decimalNumberReason(number->value.written));
                return;
            }
            if (number == nullptr || number->value.kind != RawValue::Kind::Integer) {
                refuse(number != nullptr ? number->value.line : record.line, section, std::string(NumberKey),
                       "each [[" + section + "]] table gives its record's number as a whole number");
                return;
            }
            record.number = number->value.integer;
            label += " " + std::to_string(*record.number);
        }
        record.fields.reserve(table.entries.size());
        for (RawEntry& entry : table.entries) {
            const std::string& name = entry.key;
            if (name == NumberKey && table.inList) continue;
            if (name == NumberKey) {
                // A numbered section written [section] is told when it is applied, with how it is written.
                if (single) refuse(entry.value.line, label, name, "[" + section + "] is one record with no number");
            } else if (name == NameKey) {
                if (entry.value.kind == RawValue::Kind::Text) {
                    record.name = normalizedText(std::move(entry.value.text));
                    record.nameLine = entry.value.line;
                } else {
                    refuse(entry.value.line, label, name, "the name is a text in double quotes, for reading only");
                }
            } else if (auto value = valueOf(entry.value, label, name)) {
                record.fields.push_back({name, std::move(*value), entry.value.line});
            }
        }
        const auto byLine = [](const ModField& a, const ModField& b) { return a.line < b.line; };
        if (!std::is_sorted(record.fields.begin(), record.fields.end(), byLine)) {
            std::stable_sort(record.fields.begin(), record.fields.end(), byLine);
        }
        if (each_ != nullptr) {
            (*each_)(record);
        } else {
            mod_.records.push_back(std::move(record));
        }
    }

    std::optional<ModValue> valueOf(RawValue& value, const std::string& record, const std::string& field)
    {
        switch (value.kind) {
        case RawValue::Kind::Integer: return value.integer;
        case RawValue::Kind::Text: return normalizedText(std::move(value.text));
        case RawValue::Kind::Real: return DecimalNumber{std::move(value.written)};
        case RawValue::Kind::Other: break;
        }
        refuse(value.line, record, field, "a value is a whole number or a text in double quotes");
        return std::nullopt;
    }

    ModDocument mod_;
    std::vector<ModRefusal> refusals_;
    bool sawHeader_ = false;
    const std::function<void(const ModRecord&)>* each_ = nullptr;

public:
    // Records go to `each` as they are read, and are not kept.
    void handTo(const std::function<void(const ModRecord&)>* each) { each_ = each; }
};

// The plain lines most mod files are made of, read in one pass with no tree: comments, [table] and
// [[table]] headers of bare keys, and `key = value` lines whose value is a decimal whole number or a
// one-line text in quotes. Anything else, and anything TOML refuses, gives up, and the file is read
// again by toml++, which knows all of TOML and words its faults; so both readers give the same mod.
class LineReader {
public:
    explicit LineReader(std::string_view text, const std::function<void(const ModRecord&)>* each = nullptr)
        : text_(text), handing_(each != nullptr)
    {
        reader_.handTo(each);
    }

    // Nothing when the file holds anything but plain lines.
    std::optional<ModReading> read()
    {
        // A mod of many records kept whole: about one table per four lines.
        if (!handing_) reader_.reserve(static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '\n')) / 4 + 1);
        while (at_ < text_.size()) {
            if (!line()) return std::nullopt;
        }
        if (open_) reader_.table(table_);
        return reader_.finish();
    }

private:
    static bool bareKeyCharacter(char c)
    {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    }

    static bool control(unsigned char c) { return (c < 0x20 && c != '\t') || c == 0x7F; }

    void blanks()
    {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    }

    std::string_view bareKey()
    {
        const std::size_t from = at_;
        while (at_ < text_.size() && bareKeyCharacter(text_[at_])) ++at_;
        return text_.substr(from, at_ - from);
    }

    // The rest of the line after a value or header: blanks, perhaps a comment, then its end.
    bool lineEnd()
    {
        blanks();
        if (at_ < text_.size() && text_[at_] == '#') {
            ++at_;
            while (at_ < text_.size() && text_[at_] != '\n' && text_[at_] != '\r') {
                const auto c = static_cast<unsigned char>(text_[at_]);
                if (control(c)) return false;
                if (c >= 0x80) {
                    if (!utf8()) return false;
                } else {
                    ++at_;
                }
            }
        }
        if (at_ < text_.size() && text_[at_] == '\r' && ++at_ >= text_.size()) return false; // CR alone: toml++'s
        if (at_ >= text_.size()) return true;
        if (text_[at_] != '\n') return false;
        ++at_;
        ++lineNumber_;
        return true;
    }

    // One well-formed UTF-8 character at at_, passed over; false for anything else.
    bool utf8()
    {
        const auto lead = static_cast<unsigned char>(text_[at_]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || lead > 0xF4 || at_ + length > text_.size()) return false;
        char32_t code = lead & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text_[at_ + i]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < Smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        at_ += length;
        return true;
    }

    bool line()
    {
        blanks();
        if (at_ >= text_.size()) return true;
        const char c = text_[at_];
        if (c == '#' || c == '\n' || c == '\r') return lineEnd();
        if (c == '[') return header();
        return keyValue();
    }

    bool header()
    {
        const std::size_t line = lineNumber_;
        const bool list = text_.substr(at_, 2) == "[[";
        at_ += list ? 2 : 1;
        blanks();
        const std::string_view name = bareKey();
        blanks();
        if (name.empty() || text_.substr(at_, list ? 2 : 1) != (list ? "]]" : "]")) return false;
        at_ += list ? 2 : 1;
        if (!lineEnd()) return false;
        // A table given twice, or as both kinds, is TOML's fault to word; [[mod]] is toml++'s to tell.
        const auto [kind, added] = kinds_.try_emplace(std::string(name), list);
        if ((!added && (!list || !kind->second)) || (list && name == HeaderKey)) return false;
        if (open_) reader_.table(table_);
        table_.name.assign(name);
        table_.inList = list;
        table_.line = line;
        table_.entries.clear();
        open_ = true;
        return true;
    }

    bool keyValue()
    {
        if (!open_) return false; // a value outside the tables: toml++ and the reader word it
        const std::size_t line = lineNumber_;
        const std::string_view key = bareKey();
        blanks();
        if (key.empty() || at_ >= text_.size() || text_[at_] != '=') return false;
        ++at_;
        blanks();
        for (const RawEntry& entry : table_.entries) {
            if (entry.key == key) return false; // a key given twice
        }
        RawEntry& entry = table_.entries.emplace_back();
        entry.key.assign(key);
        entry.value.line = line;
        if (!value(entry.value)) return false;
        return lineEnd();
    }

    bool value(RawValue& value)
    {
        if (at_ >= text_.size()) return false;
        const char c = text_[at_];
        if (c == '"') return basicText(value);
        if (c == '\'') return literalText(value);
        return integer(value);
    }

    bool integer(RawValue& value)
    {
        const bool negative = text_[at_] == '-';
        if (text_[at_] == '+' || negative) ++at_;
        const std::size_t digits = at_;
        std::uint64_t number = 0;
        constexpr std::uint64_t Most = std::uint64_t{1} << 63;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            if (at_ - digits >= 19) return false;
            number = number * 10 + static_cast<std::uint64_t>(text_[at_] - '0');
            ++at_;
        }
        const std::size_t count = at_ - digits;
        if (count == 0 || (count > 1 && text_[digits] == '0') || number > Most || (number == Most && !negative)) {
            return false;
        }
        // Whatever follows must end the value: a point, an exponent, an underscore are toml++'s.
        if (at_ < text_.size() && text_[at_] != ' ' && text_[at_] != '\t' && text_[at_] != '#' && text_[at_] != '\n' &&
            text_[at_] != '\r') {
            return false;
        }
        value.kind = RawValue::Kind::Integer;
        value.integer = negative ? static_cast<std::int64_t>(0 - number) : static_cast<std::int64_t>(number);
        return true;
    }

    bool basicText(RawValue& value)
    {
        if (text_.substr(at_, 3) == "\"\"\"") return false;
        ++at_;
        std::string& out = value.text;
        for (;;) {
            if (at_ >= text_.size()) return false;
            const auto c = static_cast<unsigned char>(text_[at_]);
            if (c == '"') break;
            if (control(c)) return false;
            if (c >= 0x80) {
                const std::size_t from = at_;
                if (!utf8()) return false;
                out.append(text_.substr(from, at_ - from));
                continue;
            }
            if (c != '\\') {
                // A run of plain characters, appended at once.
                const std::size_t from = at_;
                while (at_ < text_.size()) {
                    const auto next = static_cast<unsigned char>(text_[at_]);
                    if (next == '"' || next == '\\' || next >= 0x80 || control(next)) break;
                    ++at_;
                }
                out.append(text_.substr(from, at_ - from));
                continue;
            }
            if (++at_ >= text_.size()) return false;
            switch (text_[at_++]) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case 'b': out += '\b'; break;
            case 't': out += '\t'; break;
            case 'n': out += '\n'; break;
            case 'f': out += '\f'; break;
            case 'r': out += '\r'; break;
            case 'u':
                if (!escaped(out, 4)) return false;
                break;
            case 'U':
                if (!escaped(out, 8)) return false;
                break;
            default: return false;
            }
        }
        ++at_;
        value.kind = RawValue::Kind::Text;
        return true;
    }

    // A \u or \U escape's hexadecimal digits at at_, written as UTF-8.
    bool escaped(std::string& out, std::size_t digits)
    {
        if (at_ + digits > text_.size()) return false;
        char32_t code = 0;
        for (std::size_t i = 0; i < digits; ++i) {
            const char h = text_[at_ + i];
            int digit = -1;
            if (h >= '0' && h <= '9') digit = h - '0';
            if (h >= 'a' && h <= 'f') digit = h - 'a' + 10;
            if (h >= 'A' && h <= 'F') digit = h - 'A' + 10;
            if (digit < 0) return false;
            code = (code << 4) | static_cast<char32_t>(digit);
        }
        at_ += digits;
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        const auto put = [&out](char32_t bits) { out += static_cast<char>(bits); };
        if (code < 0x80) {
            put(code);
        } else if (code < 0x800) {
            put(0xC0 | (code >> 6));
            put(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            put(0xE0 | (code >> 12));
            put(0x80 | ((code >> 6) & 0x3F));
            put(0x80 | (code & 0x3F));
        } else {
            put(0xF0 | (code >> 18));
            put(0x80 | ((code >> 12) & 0x3F));
            put(0x80 | ((code >> 6) & 0x3F));
            put(0x80 | (code & 0x3F));
        }
        return true;
    }

    bool literalText(RawValue& value)
    {
        if (text_.substr(at_, 3) == "'''") return false;
        ++at_;
        const std::size_t from = at_;
        for (;;) {
            if (at_ >= text_.size()) return false;
            const auto c = static_cast<unsigned char>(text_[at_]);
            if (c == '\'') break;
            if (control(c)) return false;
            if (c >= 0x80) {
                if (!utf8()) return false;
            } else {
                ++at_;
            }
        }
        value.text.assign(text_.substr(from, at_ - from));
        ++at_;
        value.kind = RawValue::Kind::Text;
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t lineNumber_ = 1;
    bool open_ = false;
    RawTable table_;
    std::unordered_map<std::string, bool> kinds_; // each table's name: true for [[name]]
    Reader reader_;
    bool handing_ = false;
};

// The parser's text, for quoting a value as it is written there.
class SourceText {
public:
    explicit SourceText(std::string_view text) : text_(text) {}

    // The number that starts at the node's place (46.0, -5E1, inf): what may belong to a TOML float.
    std::string numberAt(const toml::node& node)
    {
        if (starts_.empty()) {
            starts_.push_back(0);
            for (std::size_t i = 0; i < text_.size(); ++i) {
                if (text_[i] == '\n') starts_.push_back(i + 1);
            }
        }
        const toml::source_position begin = node.source().begin;
        if (begin.line == 0 || begin.line > starts_.size() || begin.column == 0) return "a decimal number";
        std::size_t at = starts_[begin.line - 1] + begin.column - 1;
        const std::size_t from = at;
        while (at < text_.size() &&
               std::string_view("+-0123456789._eEinfa").find(text_[at]) != std::string_view::npos) {
            ++at;
        }
        return at > from ? std::string(text_.substr(from, at - from)) : "a decimal number";
    }

private:
    std::string_view text_;
    std::vector<std::size_t> starts_;
};

RawValue rawValue(toml::node& node, SourceText& source)
{
    RawValue value;
    value.line = lineOf(node);
    if (const auto* number = node.as_integer()) {
        value.kind = RawValue::Kind::Integer;
        value.integer = number->get();
    } else if (auto* text = node.as_string()) {
        value.kind = RawValue::Kind::Text;
        value.text = std::move(text->get());
    } else if (node.is_floating_point()) {
        value.kind = RawValue::Kind::Real;
        value.written = source.numberAt(node);
    }
    return value;
}

RawTable rawTable(std::string name, toml::table& table, bool inList, SourceText& source)
{
    RawTable raw{std::move(name), inList, lineOf(table), {}};
    for (auto&& [key, node] : table) raw.entries.push_back({std::string(key.str()), rawValue(node, source)});
    const auto byLine = [](const RawEntry& a, const RawEntry& b) { return a.value.line < b.value.line; };
    std::stable_sort(raw.entries.begin(), raw.entries.end(), byLine);
    return raw;
}

// Any TOML file, read by toml++ into its tree and given to the reader table by table.
ModReading readWithToml(std::string_view text)
{
    // Notepad's "Unicode" is UTF-16: a byte-order mark, or a zero byte beside each ASCII character.
    // Zero bytes elsewhere are a binary file's; neither is text TOML can hold.
    const bool utf16 = text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF") ||
                       (text.size() >= 2 && (text[0] == '\0') != (text[1] == '\0'));
    if (utf16) return {std::nullopt, {{1, {}, {}, "this is not a TOML file: the file is UTF-16; a mod file is UTF-8"}}};
    if (text.find('\0') != std::string_view::npos) {
        const auto zero = text.find('\0');
        const auto line = static_cast<std::size_t>(std::count(text.begin(), text.begin() + zero, '\n')) + 1;
        return {std::nullopt, {{line, {}, {}, "this is not a TOML file: it holds zero bytes, as a binary file does"}}};
    }
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
    Reader reader;
    SourceText source(text);
    for (auto&& [key, node] : parsed.table()) {
        const std::string section(key.str());
        if (section == HeaderKey && !node.is_table()) {
            reader.sawHeader();
            reader.refuse(lineOf(node), "[mod]", {}, "[mod] is a table");
        } else if (toml::array* list = node.as_array()) {
            for (toml::node& element : *list) {
                if (toml::table* table = element.as_table()) {
                    RawTable raw = rawTable(section, *table, true, source);
                    reader.table(raw);
                } else {
                    reader.refuse(lineOf(element), section, {}, "[[" + section + "]] holds tables, one per record");
                }
            }
        } else if (toml::table* table = node.as_table()) {
            RawTable raw = rawTable(section, *table, false, source);
            reader.table(raw);
        } else {
            reader.refuse(lineOf(node), {}, section, "every value belongs to a table: [mod] or a record's");
        }
    }
    return reader.finish();
}

} // namespace

ModReading readMod(std::string_view text)
{
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(ByteOrderMark)) text.remove_prefix(ByteOrderMark.size());
    if (auto read = LineReader(text).read()) return std::move(*read);
    return readWithToml(text);
}

std::optional<ModReading> readPlainMod(std::string_view text, const std::function<void(const ModRecord&)>& each)
{
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(ByteOrderMark)) text.remove_prefix(ByteOrderMark.size());
    return LineReader(text, &each).read();
}

ModReading readModWithToml(std::string_view text)
{
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(ByteOrderMark)) text.remove_prefix(ByteOrderMark.size());
    return readWithToml(text);
}

} // namespace orvane::mods
