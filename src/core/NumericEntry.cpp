#include "core/NumericEntry.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace orvane {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

double readHex(const std::string& s, std::size_t from)
{
    double value = 0;
    for (std::size_t i = from; i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i])); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
        value = value * 16 + (isDigit(c) ? c - '0' : c - 'a' + 10);
    }
    return value;
}

} // namespace

namespace {

struct Reading {
    double value = 0;
    bool whole = false; // the number took the whole text and has at least one digit
};

Reading readEntry(std::string_view entry)
{
    std::string s;
    for (const char c : entry) {
        if (c != ' ' && c != '\t' && c != '\n') s += c;
    }
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
        std::size_t i = 2;
        while (i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i]))) ++i;
        return {readHex(s, 2), i > 2 && i == s.size()};
    }

    // Take the longest prefix shaped like [sign] digits [. digits] [e [sign] digits].
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return {};
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t expStart = j;
        while (j < s.size() && isDigit(s[j])) ++j;
        if (j > expStart) end = j;
    }
    return {std::strtod(s.substr(0, end).c_str(), nullptr), end == s.size()};
}

} // namespace

double readNumber(std::string_view entry) { return readEntry(entry).value; }

std::optional<double> readWholeNumber(std::string_view entry)
{
    const Reading reading = readEntry(entry);
    if (!reading.whole) return std::nullopt;
    return reading.value;
}

double roundHalfEven(double value) { return std::nearbyint(value); }

} // namespace orvane
