#include "files/WriteJournal.h"

#include <charconv>
#include <sstream>

#include "files/Checksum.h"

namespace orvane {

namespace {

constexpr const char* Heading = "orvane write journal 1\n";

// Paths are written between tabs and line ends, so those two and the escape itself are escaped.
std::string escaped(const std::string& path)
{
    std::string out;
    for (const char c : path) {
        if (c == '%')
            out += "%25";
        else if (c == '\t')
            out += "%09";
        else if (c == '\n')
            out += "%0A";
        else
            out += c;
    }
    return out;
}

std::string unescaped(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string code = text[i] == '%' ? text.substr(i + 1, 2) : std::string();
        if (code == "25" || code == "09" || code == "0A") {
            out += code == "25" ? '%' : code == "09" ? '\t' : '\n';
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<std::string> fieldsOf(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t from = 0;
    while (true) {
        const std::size_t tab = line.find('\t', from);
        fields.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
        if (tab == std::string::npos) return fields;
        from = tab + 1;
    }
}

std::optional<std::uint64_t> numberOf(const std::string& text, int base)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::string hex(std::uint64_t value)
{
    std::ostringstream out;
    out << std::hex << value;
    return out.str();
}

std::uint64_t checksumOfText(const std::string& text)
{
    return checksumOf({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

} // namespace

std::string formatJournal(const std::vector<JournalEntry>& entries)
{
    std::string text = Heading;
    for (const JournalEntry& entry : entries) {
        if (entry.temporary.empty()) {
            text += "remove\t" + escaped(entry.target) + "\n";
        } else {
            text += "replace\t" + std::to_string(entry.length) + "\t" + hex(entry.checksum) + "\t" +
                    escaped(entry.temporary) + "\t" + escaped(entry.target) + "\n";
        }
    }
    text += "end\t" + std::to_string(entries.size()) + "\t" + hex(checksumOfText(text)) + "\n";
    return text;
}

std::optional<std::vector<JournalEntry>> parseJournal(const std::string& text)
{
    if (!text.starts_with(Heading)) return std::nullopt;
    std::vector<JournalEntry> entries;
    std::size_t from = std::string(Heading).size();
    while (from < text.size()) {
        const std::size_t end = text.find('\n', from);
        if (end == std::string::npos) return std::nullopt;
        const std::vector<std::string> fields = fieldsOf(text.substr(from, end - from));
        if (fields[0] == "end" && fields.size() == 3) {
            const bool whole = end + 1 == text.size() && numberOf(fields[1], 10) == entries.size() &&
                               numberOf(fields[2], 16) == checksumOfText(text.substr(0, from));
            return whole ? std::optional(entries) : std::nullopt;
        }
        if (fields[0] == "remove" && fields.size() == 2) {
            entries.push_back({{}, unescaped(fields[1]), 0, 0});
        } else if (fields[0] == "replace" && fields.size() == 5) {
            const auto length = numberOf(fields[1], 10);
            const auto checksum = numberOf(fields[2], 16);
            if (!length || !checksum || fields[3].empty()) return std::nullopt;
            entries.push_back({unescaped(fields[3]), unescaped(fields[4]), *length, *checksum});
        } else {
            return std::nullopt;
        }
        from = end + 1;
    }
    return std::nullopt;
}

std::vector<std::string> temporariesNamedIn(const std::string& text)
{
    std::vector<std::string> temporaries;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::vector<std::string> fields = fieldsOf(line);
        if (fields[0] == "replace" && fields.size() >= 4 && !fields[3].empty())
            temporaries.push_back(unescaped(fields[3]));
    }
    return temporaries;
}

} // namespace orvane
