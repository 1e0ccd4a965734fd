// Prints, for every window's every input and for some millions of Str and Format values,
// a digest of exactly what the core produces: every step of every update, every text to
// the last byte, every coordinate to the last bit. Built natively and for the browser,
// the two printouts must be the same, line for line.
//
//   digits              one line a section: name, count, digest
//   digits SECTION      that section's every line, to find where two builds part
#include "angle.h"
#include "circle.h"
#include "numfmt.h"
#include "parallelogram.h"
#include "rectangle.h"
#include "segment.h"
#include "square.h"
#include "trapezium.h"
#include "triangle.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

// FNV-1a over every line of a section; a section prints its lines when asked for.
class Section {
  public:
    Section(const char* name, const char* only)
        : name_(name), print_(only && !std::strcmp(only, name)) {}
    ~Section() { std::printf("%s %" PRIu64 " %016" PRIx64 "\n", name_, count_, hash_); }
    void add(const std::string& line) {
        for (const unsigned char c : line)
            hash_ = (hash_ ^ c) * 0x100000001b3ULL;
        hash_ = (hash_ ^ '\n') * 0x100000001b3ULL;
        ++count_;
        if (print_) std::printf("%s\n", line.c_str());
    }
    void add(const rt::Update& u) {
        std::string line;
        char buf[160];
        for (const rt::Step& s : u.steps()) {
            std::snprintf(buf, sizeof buf, "%d|%a|%a|%a|%a|%06x|", static_cast<int>(s.kind),
                          static_cast<double>(s.x1), static_cast<double>(s.y1),
                          static_cast<double>(s.x2), static_cast<double>(s.y2),
                          static_cast<unsigned>(s.colour));
            line += buf + s.name + "|" + s.text + ";";
        }
        add(line);
    }

  private:
    const char* name_;
    bool print_;
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
    std::uint64_t count_ = 0;
};

// 10 to the power k, exactly: read from its decimal writing, as every C library reads it to
// the nearest double (a pow of some libraries is a few units off in the last place).
double powerOfTen(int k) {
    char text[16];
    std::snprintf(text, sizeof text, "1e%d", k);
    return std::strtod(text, nullptr);
}

// A fixed sequence of doubles over a wide range of magnitudes, both signs, with the
// awkward ones among them: whole numbers, halves, ties at the fifteenth digit.
class Doubles {
  public:
    double next() {
        seed_ = seed_ * 6364136223846793005ULL + 1442695040888963407ULL;
        const double mantissa = static_cast<double>(seed_ >> 11) / 9007199254740992.0;
        const int kind = static_cast<int>((seed_ >> 5) % 8);
        const int exponent = static_cast<int>((seed_ >> 8) % 44) - 22;
        const double sign = (seed_ >> 20) & 1 ? -1 : 1;
        switch (kind) {
        case 0:
            return sign * std::floor(mantissa * 1e6); // whole
        case 1:
            return sign * (std::floor(mantissa * 2e4) + 0.5) / 100; // ties at two decimals
        case 2:
            return sign * std::nextafter(powerOfTen(exponent), 0); // just below a power
        default:
            return sign * mantissa * powerOfTen(exponent);
        }
    }

  private:
    std::uint64_t seed_ = 20261209;
};

} // namespace

int main(int argc, char** argv) {
    const char* only = argc > 1 ? argv[1] : nullptr;
    using rt::BarValues;
    {
        Section s("square", only);
        for (int v = 1; v <= 10; ++v)
            s.add(figures::square::hsbpleyra_Change(BarValues{{"hsbpleyra", v}}));
    }
    {
        Section s("circle", only);
        for (int v = 1; v <= 10; ++v)
            s.add(figures::circle::hsbR_Change(BarValues{{"hsbR", v}}));
    }
    {
        Section s("angle", only);
        for (int v = 1; v <= 124; ++v)
            s.add(figures::angle::hsbgonia_Change(BarValues{{"hsbgonia", v}}));
    }
    {
        Section s("rectangle", only);
        for (int a = 1; a <= 10; ++a)
            for (int b = 1; b <= 10; ++b)
                s.add(figures::rectangle::DrawRectangle(a, b));
    }
    {
        Section s("parallelogram", only);
        for (int a = 1; a <= 10; ++a)
            for (int b = 1; b <= 10; ++b)
                for (int phi = 0; phi <= 93; ++phi)
                    s.add(figures::parallelogram::RefreshFigure({a, b, phi}));
    }
    {
        Section s("triangle", only);
        for (int A = 1; A <= 90; ++A)
            for (int G = 1; G <= 89; ++G)
                for (int b = 1; b <= 10; ++b)
                    s.add(figures::triangle::RefreshFigure({A, G, b}));
    }
    {
        Section s("trapezium", only);
        for (int A = 1; A <= 100; ++A)
            for (int B = 1; B <= 79; ++B)
                for (int a = 1; a <= 10; ++a)
                    for (int g = 0; g <= 9; ++g)
                        s.add(figures::trapezium::RefreshFigure({A, B, a, g}));
    }
    for (const char* sep : {".", ","}) {
        Section s(*sep == '.' ? "segment" : "segment,", only);
        const auto both = [&](int length, int direction) {
            s.add(figures::segment::hsbmhkos_Scroll({length, direction}, sep));
            s.add(figures::segment::hsbdief_Scroll({length, direction}, sep));
        };
        for (int direction : {0, 1, 4550, 9000, 12345, 18000})
            for (int length = 0; length <= 10000; ++length)
                both(length, direction);
        for (int length : {0, 1, 777, 5000, 10000})
            for (int direction = 0; direction <= 18000; ++direction)
                both(length, direction);
        for (int length = 0; length <= 10000; length += 97)
            for (int direction = 0; direction <= 18000; direction += 7)
                both(length, direction);
    }
    {
        Section s("Str", only);
        for (int v = -32768; v <= 32767; ++v)
            s.add(rt::Str(v));
        Doubles d;
        for (int i = 0; i < 2000000; ++i)
            s.add(rt::Str(d.next()));
    }
    {
        Section s("Format", only);
        Doubles d;
        const char* patterns[] = {"000.00", "000", "00", ".0"};
        for (int i = 0; i < 1000000; ++i) {
            const double v = d.next();
            if (std::fabs(v) >= 1e17) continue; // wider than any pattern is meant for
            s.add(rt::Format(v, patterns[i % 4], i % 2 ? "," : "."));
            if (i % 3 == 0) s.add(rt::Format(rt::Str(v), patterns[(i / 3) % 4], "."));
        }
    }
    return 0;
}
