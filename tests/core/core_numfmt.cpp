// Str and Format against hand-checked strings, and 16-bit Integer arithmetic.
#include "integer.h"
#include "numfmt.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

struct IntRow {
    const char* name;
    int value;
    const char* expected;
};
const IntRow kStrInteger[] = {
    {"zero", 0, " 0"},        {"seven", 7, " 7"},       {"hundred", 100, " 100"},
    {"negative", -45, "-45"}, {"max", 32767, " 32767"}, {"min", -32768, "-32768"},
};

struct DoubleRow {
    const char* name;
    double value;
    const char* expected;
};
const DoubleRow kStrDouble[] = {
    {"zero", 0.0, " 0"},
    {"negative zero", -0.0, " 0"},
    {"whole", 100.0, " 100"},
    {"half", 0.5, " .5"},
    {"negative half", -0.5, "-.5"},
    {"pi", 3.14159265358979, " 3.14159265358979"},
    {"two pi", 2 * 3.14159265358979, " 6.28318530717958"},
    {"trailing zeros dropped", 7.0 * 7.0 * 3.14159265358979, " 153.9380400259"},
    {"circle area 10", 100 * 3.14159265358979, " 314.159265358979"},
    {"circle per 6", 3.14159265358979 * 12, " 37.6991118430775"},
    {"rounds 15th digit up", 0.1234567890123456, " .123456789012346"},
    {"rounds 15th digit down", 0.1234567890123454, " .123456789012345"},
    {"rounds up to whole", 0.49999999999999953, " .5"},
    {"nines stay", 4.999999999999991, " 4.99999999999999"},
    {"0.0001 fixed", 0.0001, " .0001"},
    {"just below 0.0001", 0.0000999999, " 9.99999E-05"},
    {"rounds into fixed", std::nextafter(0.0001, 0.0), " .0001"},
    {"segment 0.01°", 0.01 / 180, " 5.55555555555556E-05"},
    {"small", 0.000166666666666667, " .000166666666666667"},
    {"negative exponent", -1.5e-7, "-1.5E-07"},
    {"below 1E15", 999999999999999.0, " 999999999999999"},
    {"1E15", 1e15, " 1E+15"},
    {"rounds up to 1E15", 999999999999999.9, " 1E+15"},
    {"large mantissa", 1.25e20, " 1.25E+20"},
    {"three-digit exponent", 1e-100, " 1E-100"},
    {"tan near right angle", 619437081704021.0, " 619437081704021"},
    {"parallelogram h", 0.0523572193118505, " .0523572193118505"},
};

struct FormatRow {
    const char* name;
    double value;
    const char* pattern;
    const char* separator;
    const char* expected;
};
const FormatRow kFormat[] = {
    {"length 0.01", 0.01, "000.00", ".", "000.01"},
    {"length 100", 100.0, "000.00", ".", "100.00"},
    {"length 7.77", 7.77, "000.00", ".", "007.77"},
    {"zero", 0.0, "000.00", ".", "000.00"},
    {"greek comma", 0.01, "000.00", ",", "000,01"},
    {"binary just below half", 1.005, "000.00", ".", "001.00"},
    {"rounds", 2.3456, "000.00", ".", "002.35"},
    {"wider than pattern", 12345.5, "000.00", ".", "12345.50"},
    {"degrees", 45.0, "000", ".", "045"},
    {"rounds to whole", 44.6, "000", ".", "045"},
    {"minutes", 7.0, "00", ".", "07"},
    {"zero two digits", 0.0, "00", ".", "00"},
    {"point zero", 0.0, ".0", ".", ".0"},
    {"point zero greek", 0.0, ".0", ",", ",0"},
    {"point pattern fraction", 0.26, ".0", ".", ".3"},
    {"point pattern whole", 12.34, ".0", ".", "12.3"},
    {"negative", -3.7, "00", ".", "-04"},
    {"negative rounds to zero", -0.001, "000.00", ".", "000.00"},
};

struct FormatTextRow {
    const char* name;
    const char* text;
    const char* pattern;
    const char* expected;
};
const FormatTextRow kFormatText[] = {
    {"Str of whole", " 45", "000", "045"},    {"Str of zero", " 0", ".0", ".0"},
    {"Str of two digits", " 12", "00", "12"}, {"Str without zero", " .75", "00", "01"},
    {"Str exponent", " 2.8E-14", ".0", ".0"}, {"negative", "-12", "000", "-012"},
};

} // namespace

TEST(Str, Integers) {
    for (const IntRow& r : kStrInteger)
        EXPECT_EQ(rt::Str(r.value), r.expected) << r.name;
}

TEST(Str, Doubles) {
    for (const DoubleRow& r : kStrDouble)
        EXPECT_EQ(rt::Str(r.value), r.expected) << r.name;
}

TEST(Str, NonFiniteIsAnError) {
    EXPECT_THROW(rt::Str(std::numeric_limits<double>::quiet_NaN()), rt::RuntimeError);
    EXPECT_THROW(rt::Str(std::numeric_limits<double>::infinity()), rt::RuntimeError);
}

TEST(Format, Numbers) {
    for (const FormatRow& r : kFormat)
        EXPECT_EQ(rt::Format(r.value, r.pattern, r.separator), r.expected) << r.name;
}

TEST(Format, TextAsTheNumberItSpells) {
    for (const FormatTextRow& r : kFormatText)
        EXPECT_EQ(rt::Format(std::string_view(r.text), r.pattern, "."), r.expected) << r.name;
}

TEST(Format, TextThatIsNoNumber) {
    EXPECT_THROW(rt::Format(std::string_view("φ"), "00", "."), rt::RuntimeError);
    EXPECT_THROW(rt::Format(std::string_view(" "), "00", "."), rt::RuntimeError);
}

// Every Str of a double parses back to the value to 15 significant digits.
TEST(Str, ParsesBack) {
    std::uint64_t seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        const double mantissa = static_cast<double>(seed >> 11) / 9007199254740992.0;
        const int exponent = static_cast<int>((seed >> 3) % 40) - 20;
        const double value = (i % 2 ? -1 : 1) * mantissa * std::pow(10.0, exponent);
        const std::string s = rt::Str(value);
        const double back = std::stod(s);
        if (value != 0) {
            ASSERT_LE(std::fabs(back - value), std::fabs(value) * 5.1e-15) << s;
        }
        ASSERT_TRUE(s[0] == ' ' || s[0] == '-') << s;
        ASSERT_TRUE(s.size() > 1 && s[1] != '0') << s;
    }
}

TEST(Integer, Overflow) {
    EXPECT_EQ(rt::add16(32000, 767), 32767);
    EXPECT_EQ(rt::mul16(120, 273), 32760);
    EXPECT_THROW(rt::mul16(120, 274), rt::RuntimeError);
    EXPECT_THROW(rt::add16(1200, rt::mul16(300, 106)), rt::RuntimeError);
    EXPECT_THROW(rt::sub16(-32768, 1), rt::RuntimeError);
    try {
        rt::mul16(300, 200);
        ADD_FAILURE() << "no overflow";
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number(), rt::RuntimeError::Overflow);
    }
}

// Numbers for programs to read: a point whatever the locale, as few characters as they
// take, and read back exactly.
TEST(MachineNumber, Table) {
    const std::tuple<double, int, const char*> fixed[] = {
        {1200, 2, "1200"},        {1234.567, 2, "1234.57"}, {-0.5, 2, "-0.5"},
        {-0.001, 2, "0"},         {-0.0, 2, "0"},           {73.2421875, 2, "73.24"},
        {1572.575, 2, "1572.58"}, {0.004999, 2, "0"},       {2160, 0, "2160"},
    };
    for (const auto& [value, decimals, expected] : fixed)
        EXPECT_EQ(rt::machineNumber(value, decimals), expected) << value;
    const std::tuple<double, int, const char*> significant[] = {
        {1200, 9, "1200"},
        {-3.5, 9, "-3.5"},
        {0, 9, "0"},
        {1.25e-5, 9, "1.25e-05"},
        {0.0001, 9, "0.0001"},
        {123456789, 9, "123456789"},
        {1234567890, 9, "1.23456789e+09"},
        {1e9, 9, "1e+09"},
        {3639.23046875, 9, "3639.23047"},
    };
    for (const auto& [value, digits, expected] : significant)
        EXPECT_EQ(rt::machineNumberSignificant(value, digits), expected) << value;
}

// Every float a drawing's coordinate can be, written with nine digits, reads back as the
// same float (as the page reads the steps it is handed).
TEST(MachineNumber, NineDigitsReadBackAsTheSameFloat) {
    std::uint32_t seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const float x = std::ldexp(static_cast<float>(seed >> 8) / (1 << 24) * 2 - 1,
                                   static_cast<int>(seed % 48) - 24);
        const std::string text = rt::machineNumberSignificant(x, 9);
        EXPECT_EQ(std::strtof(text.c_str(), nullptr), x) << text;
        if (HasFailure()) return;
    }
    EXPECT_THROW(rt::machineNumber(std::nan(""), 2), rt::RuntimeError);
}

// What printf's %.9g writes in the C locale, digit for digit.
TEST(MachineNumber, AsPrintfWritesInTheCLocale) {
    std::uint32_t seed = 777;
    char buf[40];
    for (int i = 0; i < 100000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double x = std::ldexp(static_cast<double>(seed) / 4294967296.0 - 0.5,
                                    static_cast<int>(seed % 64) - 32);
        std::snprintf(buf, sizeof buf, "%.9g", x);
        ASSERT_EQ(rt::machineNumberSignificant(x, 9), buf);
    }
}
