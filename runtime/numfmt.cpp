#include "numfmt.h"

#include "integer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace rt {

std::string Str(int value) {
    std::string out = value < 0 ? "-" : " ";
    char buf[16];
    long magnitude = std::labs(static_cast<long>(value));
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude);
    out.append(buf, res.ptr);
    return out;
}

std::string Str(double value) {
    if (!std::isfinite(value)) throw RuntimeError(RuntimeError::FloatingPoint);
    if (value == 0.0) return " 0";

    // 15 significant digits, correctly rounded: d.dddddddddddddde±XX
    char buf[40];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const auto ePos = sci.find('e');
    std::string digits;
    digits += sci[0];
    digits.append(sci.substr(2, ePos - 2));
    int exponent = 0;
    std::string_view expText = sci.substr(ePos + 1);
    if (expText.front() == '+') expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : " ";
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits;
            out.append(whole - digits.size(), '0');
        } else {
            out.append(digits, 0, whole);
            out += '.';
            out.append(digits, whole);
        }
    } else {
        out += '.';
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::string Format(double value, std::string_view pattern, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) throw RuntimeError(RuntimeError::FloatingPoint);
    const auto point = pattern.find('.');
    const std::string_view wholePattern = pattern.substr(0, point);
    const std::string_view decimalPattern =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    const auto wholeDigits =
        static_cast<std::size_t>(std::count(wholePattern.begin(), wholePattern.end(), '0'));
    const auto decimals =
        static_cast<int>(std::count(decimalPattern.begin(), decimalPattern.end(), '0'));

    char buf[400];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, decimals);
    std::string_view fixed(buf, static_cast<std::size_t>(res.ptr - buf));
    const auto dot = fixed.find('.');
    std::string_view whole = fixed.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view{} : fixed.substr(dot + 1);
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);

    const bool allZero = whole.empty() && fraction.find_first_not_of('0') == std::string_view::npos;
    std::string out;
    if (value < 0 && !allZero) out += '-';
    if (whole.size() < wholeDigits) out.append(wholeDigits - whole.size(), '0');
    out += whole;
    if (point != std::string_view::npos) {
        out += decimalSeparator;
        out += fraction;
    }
    return out;
}

std::string Format(std::string_view number, std::string_view pattern,
                   std::string_view decimalSeparator) {
    while (!number.empty() && number.front() == ' ')
        number.remove_prefix(1);
    double value = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || res.ec != std::errc{} || res.ptr != number.data() + number.size())
        throw RuntimeError(RuntimeError::TypeMismatch);
    return Format(value, pattern, decimalSeparator);
}

} // namespace rt
