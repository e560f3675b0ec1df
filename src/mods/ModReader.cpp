// Reading a mod file with toml++, built so that a parse error comes back as a value with its place.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include <toml++/toml.h>

#include "mods/ModLayout.h"
#include "mods/ModText.h"

namespace orvane::mods {

namespace {

std::size_t lineOf(const toml::node& node)
{
    return node.source().begin.line;
}

std::string numberText(double number)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", number);
    return text;
}

// Collects the records and keeps the refusal of the earliest line, so a file with several faults is
// refused for the first one a reader meets.
class Reader {
public:
    ModReading read(std::string_view text)
    {
        toml::parse_result parsed = toml::parse(text);
        if (!parsed) {
            const toml::parse_error& error = parsed.error();
            refuse(error.source().begin.line, {}, {}, "this is not a TOML file: " + std::string(error.description()));
            return finish();
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
        return finish();
    }

private:
    void refuse(std::size_t line, std::string record, std::string field, std::string reason)
    {
        if (refusal_ && refusal_->line <= line) return;
        refusal_ = ModRefusal{line, std::move(record), std::move(field), std::move(reason)};
    }

    ModReading finish()
    {
        if (refusal_) return {std::nullopt, std::move(refusal_)};
        return {std::move(mod_), std::nullopt};
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
        } else if (!format->is_integer() || format->as_integer()->get() != ModFormat) {
            refuse(lineOf(*format), where, "format",
                   "this program reads mod files of format " + std::to_string(ModFormat) + " only");
        }
        for (auto&& [key, value] : *header) {
            if (key.str() == "format") continue;
            if (key.str() == "edition" && value.is_string()) {
                mod_.edition = value.as_string()->get();
            } else if (key.str() == "edition") {
                refuse(lineOf(value), where, "edition", "the edition is a text in double quotes");
            } else {
                refuse(lineOf(value), where, std::string(key.str()), "[mod] has no such key; it gives format and edition");
            }
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
                    record.name = node.as_string()->get();
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

    std::optional<ModValue> valueOf(toml::node& node, const std::string& record, const std::string& field)
    {
        if (const auto* number = node.as_integer()) return number->get();
        if (auto* text = node.as_string()) return std::move(text->get());
        if (const auto* real = node.as_floating_point()) {
            // 12.0 is the whole number 12; 12.5 is no whole number.
            const double value = real->get();
            constexpr double Largest = 9.2e18;
            if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < Largest) {
                return static_cast<std::int64_t>(value);
            }
            refuse(lineOf(node), record, field, numberText(value) + " is not a whole number");
            return std::nullopt;
        }
        refuse(lineOf(node), record, field, "a value is a whole number or a text in double quotes");
        return std::nullopt;
    }

    ModDocument mod_;
    std::optional<ModRefusal> refusal_;
};

} // namespace

ModReading readMod(std::string_view text)
{
    return Reader().read(text);
}

} // namespace orvane::mods
