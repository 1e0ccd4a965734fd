#pragma once
// Number-to-text conversions of the forms runtime.
//
// Str never consults the locale and always writes "."; Format takes the decimal
// separator from the caller (the system locale in the program, a chosen one in tests).
#include <string>
#include <string_view>

namespace rt {

// Whole numbers: a leading blank for non-negative values, "-" otherwise.
std::string Str(int value);

// Doubles: leading blank or "-", at most 15 significant digits, trailing zeros and a
// whole number's point dropped, no zero before the point (" .5"), and the exponent
// form (" 5.55555555555556E-05") below 0.0001 and from 1E15 on.
std::string Str(double value);

// Zero-padded patterns such as "000.00", "000", "00" and ".0": each 0 before the point
// is a kept integer digit, each 0 after it a decimal, rounded to the decimals shown.
// The pattern's "." becomes decimalSeparator.
std::string Format(double value, std::string_view pattern, std::string_view decimalSeparator);

// A text argument is formatted as the number it spells (leading blanks allowed);
// text that spells no number is a type-mismatch runtime error.
std::string Format(std::string_view number, std::string_view pattern,
                   std::string_view decimalSeparator);

// Numbers written for a program to read (a picture's coordinates, the page's messages):
// "." as the point whatever the locale, the C library's or the system's.
// `decimals` digits after the point, correctly rounded, trailing zeros and a whole
// number's point dropped: "1200", "1234.57", "-0.5".
std::string machineNumber(double value, int decimals);
// `digits` significant digits, correctly rounded, as printf's %g writes them in the C
// locale: "1200", "-3.5", "0.0001", "1.25e-05", "1.23456789e+09".
std::string machineNumberSignificant(double value, int digits);

} // namespace rt
