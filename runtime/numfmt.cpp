#include "numfmt.h"

#include "integer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace rt {

namespace {

// The correctly rounded digits of a non-negative double: "d.ddde+XX" with `precision`
// digits after the point (scientific), or "ddd.dd" with `decimals` digits (fixed), and
// the double a decimal text spells. The standard library's to_chars and from_chars where
// the library has them; otherwise printf and strtod, which are exact in the C libraries
// this program is built with (glibc, musl), with the decimal point taken whatever it is.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
std::string scientific(double value, int precision) {
    char buf[40];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, precision);
    return {buf, res.ptr};
}

std::string fixed(double value, int decimals) {
    char buf[400];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    return {buf, res.ptr};
}

bool parse(std::string_view text, double& value) {
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    return res.ec == std::errc{} && res.ptr == text.data() + text.size();
}
#else
// printf writes the C locale's point unless a locale was set; whatever stands between the
// whole digits and the next digit or exponent is the point.
std::string withPoint(const char* printed) {
    std::string out;
    bool inPoint = false;
    for (const char* p = printed; *p; ++p) {
        const bool digit = *p >= '0' && *p <= '9';
        if (digit || *p == 'e' || *p == '+' || *p == '-') {
            inPoint = false;
            out += *p;
        } else if (!inPoint) {
            inPoint = true;
            out += '.';
        }
    }
    return out;
}

std::string scientific(double value, int precision) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.*e", precision, value);
    return withPoint(buf);
}

std::string fixed(double value, int decimals) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return withPoint(buf);
}

bool parse(std::string_view text, double& value) {
    // strtod reads C-locale numbers here: the program sets no locale in this build.
    // What from_chars reads: no leading blank or plus sign, no hexadecimal.
    if (text.empty() || text.front() == ' ' || text.front() == '+' ||
        text.find_first_of("xX") != std::string_view::npos)
        return false;
    const std::string copy(text);
    char* end = nullptr;
    value = std::strtod(copy.c_str(), &end);
    return end == copy.c_str() + copy.size();
}
#endif

} // namespace

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
    const std::string printed = scientific(std::fabs(value), 14);
    const std::string_view sci(printed);
    const auto ePos = sci.find('e');
    std::string digits;
    digits += sci[0];
    digits.append(sci.substr(2, ePos - 2));
    int exponent = 0;
    const std::string_view expText = sci.substr(ePos + 1);
    for (const char c : expText)
        if (c >= '0' && c <= '9') exponent = exponent * 10 + (c - '0');
    if (sci[ePos + 1] == '-') exponent = -exponent;
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

    const std::string printed = fixed(std::fabs(value), decimals);
    const std::string_view digits(printed);
    const auto dot = digits.find('.');
    std::string_view whole = digits.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view{} : digits.substr(dot + 1);
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
    if (number.empty() || !parse(number, value)) throw RuntimeError(RuntimeError::TypeMismatch);
    return Format(value, pattern, decimalSeparator);
}

std::string machineNumber(double value, int decimals) {
    if (!std::isfinite(value)) throw RuntimeError(RuntimeError::FloatingPoint);
    std::string out = fixed(std::fabs(value), decimals);
    if (out.find('.') != std::string::npos) {
        out.erase(out.find_last_not_of('0') + 1);
        if (out.back() == '.') out.pop_back();
    }
    return value < 0 && out != "0" ? "-" + out : out;
}

std::string machineNumberSignificant(double value, int digits) {
    if (!std::isfinite(value)) throw RuntimeError(RuntimeError::FloatingPoint);
    // d.ddde±XX, its digits and its exponent
    const std::string printed = scientific(std::fabs(value), digits - 1);
    const auto e = printed.find('e');
    std::string mantissa;
    for (const char c : printed.substr(0, e))
        if (c != '.') mantissa += c;
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();
    int exponent = 0;
    for (const char c : printed.substr(e + 1))
        if (c >= '0' && c <= '9') exponent = exponent * 10 + (c - '0');
    if (printed[e + 1] == '-') exponent = -exponent;

    std::string out = value < 0 && mantissa != "0" ? "-" : "";
    if (exponent < -4 || exponent >= digits) {
        out += mantissa[0];
        if (mantissa.size() > 1) out += "." + mantissa.substr(1);
        out += exponent < 0 ? "e-" : "e+";
        if (std::abs(exponent) < 10) out += '0';
        out += std::to_string(std::abs(exponent));
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= whole)
            out += mantissa + std::string(whole - mantissa.size(), '0');
        else
            out += mantissa.substr(0, whole) + "." + mantissa.substr(whole);
    } else {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    }
    return out;
}

} // namespace rt
