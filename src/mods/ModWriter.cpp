// The text of a mod file, written here rather than by toml++: its writer orders keys by name and
// cannot write comments, and a mod's layout (number and name first, the pages' order) is what makes
// it readable and its diffs short.
#include <cstdio>

#include "mods/ModLayout.h"
#include "mods/ModText.h"

namespace orvane::mods {

namespace {

void appendQuoted(std::string& out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\f': out += "\\f"; break;
        case '\r': out += "\\r"; break;
        default:
            if (const auto u = static_cast<unsigned char>(c); u < 0x20 || u == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(u));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void appendValue(std::string& out, const ModValue& value)
{
    if (const auto* number = std::get_if<std::int64_t>(&value)) {
        out += std::to_string(*number);
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        appendQuoted(out, *text);
    } else {
        out += std::get<DecimalNumber>(value).written;
    }
}

void appendLine(std::string& out, std::string_view key, const ModValue& value)
{
    out += key;
    out += " = ";
    appendValue(out, value);
    out += '\n';
}

} // namespace

std::string valueText(const ModValue& value)
{
    std::string text;
    appendValue(text, value);
    return text;
}

std::string writeMod(const ModDocument& mod)
{
    std::string out =
        "# A mod for the Orvane Executable Editor: the values it sets, as the editor's pages show them.\n";
    out += "[";
    out += HeaderKey;
    out += "]\n";
    appendLine(out, "format", mod.format);
    if (!mod.edition.empty()) appendLine(out, "edition", mod.edition);
    for (const ModRecord& record : mod.records) {
        out += record.number ? "\n[[" : "\n[";
        out += record.section;
        out += record.number ? "]]\n" : "]\n";
        if (record.number) appendLine(out, NumberKey, *record.number);
        if (!record.name.empty()) appendLine(out, NameKey, record.name);
        for (const ModField& field : record.fields) appendLine(out, field.key, field.value);
    }
    return out;
}

} // namespace orvane::mods
