#pragma once
// How a modder's typed entry becomes a number, and how a number becomes a whole one.
#include <optional>
#include <string_view>

namespace orvane {

// Reads the number at the start of a text: blanks, tabs and line feeds are ignored anywhere;
// an optional sign, digits, a decimal point with fraction and an exponent make the number;
// "&H" or "&h" reads the hexadecimal digits after it. A text that does not begin with a number reads 0.
double readNumber(std::string_view entry);

// The number when the whole text, blanks aside, is one number as readNumber reads it; otherwise
// nothing (so "12abc", "&H" and a lone blank give nothing).
std::optional<double> readWholeNumber(std::string_view entry);

// Rounds to the nearest whole number, halves to the even neighbour (12.5 -> 12, 13.5 -> 14).
double roundHalfEven(double value);

} // namespace orvane
