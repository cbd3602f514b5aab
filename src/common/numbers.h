#pragma once
// Amounts and numbers the Czech way: decimal comma, thousands dot, "Kč".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace verdika {

// "1.234,50 Kč": four-decimal fixed point, then two decimals, halves to even.
// Every finite amount gives a text that tryParseAmount reads back as the
// amount rounded to hellers; a NaN or infinity gives "neplatná částka".
std::string Format_Castky(double amount);

// The plain number form: up to 15 significant digits, decimal comma, no
// grouping, no trailing zeros ("1234,5", "20", "1,5E20"). Every finite value
// gives a text that tryParseDecimal reads back (to 15 digits); values beyond
// ±kLargestPlainNumber are written as that number.
std::string Format_Cislo(double value);
inline constexpr double kLargestPlainNumber = 1.79769313486231e308;

// Decimal number with the decimal comma, optional sign and exponent, blanks
// around allowed; no thousands separators, no currency text. A number beyond
// the range of a double (1E400) is not a number; one below the smallest
// double reads as zero or is refused, never as garbage.
std::optional<double> tryParseDecimal(std::string_view text);
// An amount as Format_Castky writes it, or as a user copies it from a result
// field: thousands dots that group whole thousands ("1.234,50"), an optional
// "Kč" after it; plain numbers too.
std::optional<double> tryParseAmount(std::string_view text);
double parseDecimal(std::string_view text);  // throws ConversionError
bool Je_Cislo(std::string_view text);

// Whole number (counts, days); blanks around allowed.
std::optional<std::int64_t> tryParseInteger(std::string_view text);
std::int64_t parseInteger(std::string_view text);  // throws ConversionError

// Rounds halves to even, as the fee schedules and the display do.
double roundHalfEven(double value, int decimals);

// "12.345,67": the value with a fixed number of decimals (halves to even, as
// the amounts are), thousands dots and the decimal comma; the number fields' form.
std::string formatGrouped(double value, int decimals);

// Reads a number field's text: the decimal comma, blanks around, and
// thousands dots only where they group whole thousands ("1.234.567,5");
// an empty text is 0. Anything else throws ConversionError naming the text.
double parseGrouped(std::string_view text);
// The same without the empty text: nullopt for anything that is not such a number.
std::optional<double> tryParseGrouped(std::string_view text);

}  // namespace verdika
