#include "picture.h"

#include "numfmt.h"
#include "raster.h"
#include "spoken.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace rt {

namespace {

struct Glyph {
    char32_t letter;
    int advance;
    const char* outline; // SVG path data in font units, y upwards
};
#include "glyphs.inc"

// The form's font: 10 pixels, 15 twips each.
constexpr double kFontTwips = 150;

// A twip coordinate as few characters as it takes, whatever the locale: "1200", "1234.57".
std::string number(double v) {
    return machineNumber(v, 2);
}

std::string hex(std::uint32_t rgb) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return buf;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

// The letters of a UTF-8 text.
std::u32string letters(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t u = n == 1 ? c : c & (0x3F >> (n - 1));
        for (int k = 1; k < n && i + k < text.size(); ++k)
            u = (u << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out += u;
        i += n;
    }
    return out;
}

const Glyph* glyphOf(char32_t letter) {
    for (const Glyph& g : kGlyphs)
        if (g.letter == letter) return &g;
    return nullptr;
}

// The width of a printed text, in twips.
double widthOf(std::string_view text) {
    double w = 0;
    for (const char32_t letter : letters(text))
        if (const Glyph* g = glyphOf(letter)) w += g->advance * kFontTwips / kUnitsPerEm;
    return w;
}

} // namespace

bool drawStep(std::vector<Drawn>& drawing, const Step& s, std::uint32_t foreColour) {
    switch (s.kind) {
    case Step::Cls:
        drawing.clear();
        return true;
    case Step::Line:
    case Step::Circle: {
        // Letters lie above every line and circle, whenever they were printed: a shape
        // goes in before the first letter, so that painting in order layers them alike.
        const auto firstLetter = std::find_if(drawing.begin(), drawing.end(),
                                              [](const Drawn& d) { return d.kind == Drawn::Text; });
        drawing.insert(firstLetter, s.kind == Step::Line
                                        ? Drawn{Drawn::Line, s.x1, s.y1, s.x2, s.y2, s.colour, {}}
                                        : Drawn{Drawn::Circle, s.x1, s.y1, s.x2, 0, s.colour, {}});
        return true;
    }
    case Step::Print:
        drawing.push_back({Drawn::Text, s.x1, s.y1, 0, 0, foreColour, s.text});
        return true;
    default:
        return false;
    }
}

std::vector<Drawn> drawnBy(const Update& update, std::uint32_t foreColour) {
    std::vector<Drawn> items;
    for (const Step& s : update.steps())
        drawStep(items, s, foreColour);
    return items;
}

TwipRect pictureArea(const std::vector<Drawn>& drawing) {
    double x0 = 1e30, y0 = 1e30, x1 = -1e30, y1 = -1e30;
    const auto grow = [&](double ax, double ay, double bx, double by) {
        x0 = std::min(x0, std::min(ax, bx));
        y0 = std::min(y0, std::min(ay, by));
        x1 = std::max(x1, std::max(ax, bx));
        y1 = std::max(y1, std::max(ay, by));
    };
    for (const Drawn& d : drawing) {
        switch (d.kind) {
        case Drawn::Line:
            grow(d.x1, d.y1, d.x2, d.y2);
            break;
        case Drawn::Circle:
            grow(d.x1 - d.x2, d.y1 - d.x2, d.x1 + d.x2, d.y1 + d.x2);
            break;
        case Drawn::Text:
            grow(d.x1, d.y1, d.x1 + widthOf(d.text), d.y1 + kFontTwips);
            break;
        }
    }
    if (drawing.empty()) return {0, 0, 2 * double(kPictureMargin), 2 * double(kPictureMargin)};
    return {x0 - kPictureMargin, y0 - kPictureMargin, x1 - x0 + 2 * kPictureMargin,
            y1 - y0 + 2 * kPictureMargin};
}

PixelSize paperPixels(const TwipRect& area) {
    const double k = kPaperDpi / 1440.0;
    return {static_cast<int>(std::lround(area.w * k)), static_cast<int>(std::lround(area.h * k))};
}

namespace {

struct Point {
    double x, y;
};
using Contour = std::vector<Point>;

// A glyph's outline (SVG path data: M L H V Q C Z, absolute) as closed polygons, each
// point through `place` from font units; curves cut into short straight pieces.
template <class Place>
void outlineOf(const char* path, const Place& place, std::vector<Contour>& out) {
    const char* p = path;
    char command = 0;
    Point at{0, 0};
    // A number as the font's tools write it ("-871.5"), whatever the C library's locale.
    const auto number = [&p] {
        while (*p == ' ' || *p == ',')
            ++p;
        const bool minus = *p == '-';
        if (minus) ++p;
        double v = 0, unit = 1;
        for (; std::isdigit(static_cast<unsigned char>(*p)); ++p)
            v = 10 * v + (*p - '0');
        if (*p == '.')
            for (++p; std::isdigit(static_cast<unsigned char>(*p)); ++p)
                v += (*p - '0') * (unit /= 10);
        return minus ? -v : v;
    };
    const auto curve = [&](const std::vector<Point>& control, Point to) {
        constexpr int kPieces = 8;
        for (int i = 1; i <= kPieces; ++i) {
            const double t = double(i) / kPieces, u = 1 - t;
            Point q;
            if (control.size() == 1)
                q = {u * u * at.x + 2 * u * t * control[0].x + t * t * to.x,
                     u * u * at.y + 2 * u * t * control[0].y + t * t * to.y};
            else
                q = {u * u * u * at.x + 3 * u * u * t * control[0].x +
                         3 * u * t * t * control[1].x + t * t * t * to.x,
                     u * u * u * at.y + 3 * u * u * t * control[0].y +
                         3 * u * t * t * control[1].y + t * t * t * to.y};
            out.back().push_back(place(q));
        }
        at = to;
    };
    while (*p) {
        while (*p == ' ' || *p == ',')
            ++p;
        if (!*p) break;
        if (std::isalpha(static_cast<unsigned char>(*p))) command = *p++;
        switch (command) {
        case 'M':
            at = {number(), number()};
            out.push_back({place(at)});
            command = 'L'; // pairs after a move are lines
            break;
        case 'L':
            at = {number(), number()};
            out.back().push_back(place(at));
            break;
        case 'H':
            at.x = number();
            out.back().push_back(place(at));
            break;
        case 'V':
            at.y = number();
            out.back().push_back(place(at));
            break;
        case 'Q': {
            const Point c{number(), number()};
            const Point to{number(), number()};
            curve({c}, to);
            break;
        }
        case 'C': {
            const Point c1{number(), number()};
            const Point c2{number(), number()};
            const Point to{number(), number()};
            curve({c1, c2}, to);
            break;
        }
        default: // Z, or anything else: the contour is closed by the filling
            break;
        }
    }
}

// Fills polygons by the nonzero rule on a grid of 4 × 4 samples a pixel, each pixel's
// level the share of its samples inside.
void fill(const std::vector<Contour>& contours, Ink& ink) {
    constexpr int kSamples = 4;
    double top = 1e30, bottom = -1e30;
    for (const Contour& c : contours)
        for (const Point& q : c) {
            top = std::min(top, q.y);
            bottom = std::max(bottom, q.y);
        }
    const int y0 = std::max(0, static_cast<int>(std::floor(top)));
    const int y1 = std::min(ink.height, static_cast<int>(std::ceil(bottom)));
    std::vector<int> samples(static_cast<std::size_t>(ink.width));
    std::vector<std::pair<double, int>> crossings;
    for (int y = y0; y < y1; ++y) {
        std::fill(samples.begin(), samples.end(), 0);
        for (int sy = 0; sy < kSamples; ++sy) {
            const double ys = y + (sy + 0.5) / kSamples;
            crossings.clear();
            for (const Contour& c : contours)
                for (std::size_t i = 0; i < c.size(); ++i) {
                    const Point a = c[i], b = c[(i + 1) % c.size()];
                    if ((a.y <= ys) == (b.y <= ys)) continue;
                    const double x = a.x + (ys - a.y) * (b.x - a.x) / (b.y - a.y);
                    crossings.emplace_back(x, b.y > a.y ? 1 : -1);
                }
            std::sort(crossings.begin(), crossings.end());
            int winding = 0;
            for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
                winding += crossings[i].second;
                if (winding == 0) continue;
                // the samples of this row between two crossings
                const double from = crossings[i].first * kSamples - 0.5;
                const double to = crossings[i + 1].first * kSamples - 0.5;
                const int s0 = std::max(0, static_cast<int>(std::ceil(from)));
                const int s1 = std::min(ink.width * kSamples - 1, static_cast<int>(std::floor(to)));
                for (int s = s0; s <= s1; ++s)
                    ++samples[static_cast<std::size_t>(s / kSamples)];
            }
        }
        for (int x = 0; x < ink.width; ++x) {
            std::uint8_t& level = ink.level[static_cast<std::size_t>(y) * ink.width + x];
            const int l = samples[static_cast<std::size_t>(x)] * 255 / (kSamples * kSamples);
            level = static_cast<std::uint8_t>(std::max<int>(level, l));
        }
    }
}

} // namespace

Ink inkOf(const std::vector<Drawn>& drawing, int dpi) {
    const TwipRect area = pictureArea(drawing);
    const double k = dpi / 1440.0; // pixels a twip
    Ink ink;
    ink.width = static_cast<int>(std::lround(area.w * k));
    ink.height = static_cast<int>(std::lround(area.h * k));
    ink.level.assign(static_cast<std::size_t>(ink.width) * ink.height, 0);
    const double ox = -area.x * k, oy = -area.y * k;
    const int pen = penWidth(kTwipsPerPixel * k);
    std::vector<PixelRect> rects;
    const double s = kFontTwips / kUnitsPerEm;
    for (const Drawn& d : drawing) {
        if (d.kind == Drawn::Line)
            rasterLine(ox + d.x1 * k, oy + d.y1 * k, ox + d.x2 * k, oy + d.y2 * k, pen, ink.width,
                       ink.height, rects);
        else if (d.kind == Drawn::Circle)
            rasterCircle(ox + d.x1 * k, oy + d.y1 * k, d.x2 * k, pen, ink.width, ink.height, rects);
        if (d.kind != Drawn::Text) continue;
        std::vector<Contour> contours;
        double x = d.x1;
        const double baseline = d.y1 + kAscender * s;
        for (const char32_t letter : letters(d.text)) {
            const Glyph* g = glyphOf(letter);
            if (!g) continue;
            outlineOf(
                g->outline,
                [&](Point q) {
                    return Point{ox + (x + q.x * s) * k, oy + (baseline - q.y * s) * k};
                },
                contours);
            x += g->advance * s;
        }
        fill(contours, ink);
    }
    for (const PixelRect& r : rects)
        for (int y = r.y; y < r.y + r.h; ++y)
            std::fill_n(ink.level.begin() + static_cast<std::ptrdiff_t>(y) * ink.width + r.x, r.w,
                        std::uint8_t{255});
    return ink;
}

std::string svgOf(const std::vector<Drawn>& drawing, Colouring colouring, std::uint32_t back,
                  std::uint32_t fore, std::string_view description) {
    const TwipRect a = pictureArea(drawing);
    const bool paper = colouring == Colouring::Paper;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      number(a.w / 20) + "pt\" height=\"" + number(a.h / 20) + "pt\" viewBox=\"" +
                      number(a.x) + " " + number(a.y) + " " + number(a.w) + " " + number(a.h) +
                      "\">\n";
    svg += "<title>" + escaped(description) + "</title>\n";
    if (!paper)
        svg += "<rect x=\"" + number(a.x) + "\" y=\"" + number(a.y) + "\" width=\"" + number(a.w) +
               "\" height=\"" + number(a.h) + "\" fill=\"" + hex(back) + "\"/>\n";
    // Lines one design pixel wide, as the window draws them.
    for (const Drawn& d : drawing) {
        const std::string stroke = hex(paper ? 0 : d.colour);
        if (d.kind == Drawn::Line)
            svg += "<line x1=\"" + number(d.x1) + "\" y1=\"" + number(d.y1) + "\" x2=\"" +
                   number(d.x2) + "\" y2=\"" + number(d.y2) + "\" stroke=\"" + stroke +
                   "\" stroke-width=\"15\" stroke-linecap=\"square\"/>\n";
        else if (d.kind == Drawn::Circle)
            svg += "<circle cx=\"" + number(d.x1) + "\" cy=\"" + number(d.y1) + "\" r=\"" +
                   number(d.x2) + "\" fill=\"none\" stroke=\"" + stroke +
                   "\" stroke-width=\"15\"/>\n";
    }
    // Letters as the font's outlines: the top of the line at (x1, y1), the baseline an
    // ascender below it.
    const double s = kFontTwips / kUnitsPerEm;
    for (const Drawn& d : drawing) {
        if (d.kind != Drawn::Text) continue;
        double x = d.x1;
        const double baseline = d.y1 + kAscender * s;
        for (const char32_t letter : letters(d.text)) {
            const Glyph* g = glyphOf(letter);
            if (!g) continue;
            svg += "<path transform=\"translate(" + number(x) + " " + number(baseline) +
                   ") scale(" + number(s * 1000) + "e-3 " + number(-s * 1000) + "e-3)\" fill=\"" +
                   hex(paper ? 0 : fore) + "\" d=\"" + g->outline + "\"/>\n";
            x += g->advance * s;
        }
    }
    svg += "</svg>\n";
    return svg;
}

std::vector<std::pair<std::string, std::string>>
valuesOf(const FormDesign& design, const std::function<std::string(std::string_view box)>& textOf) {
    std::vector<std::pair<std::string, std::string>> values;
    for (const ControlDesign& c : design.controls) {
        if (c.kind != ControlKind::TextBox) continue;
        std::string text = textOf(c.name);
        const auto first = text.find_first_not_of(' ');
        text = first == std::string::npos ? std::string() : text.substr(first);
        values.emplace_back(spokenName(c), text);
    }
    return values;
}

std::string valuesText(const std::vector<std::pair<std::string, std::string>>& values) {
    std::string out;
    for (const auto& [name, text] : values)
        out += name + "\t" + text + "\n";
    return out;
}

std::string pictureFileName(const FormDesign& design, std::string_view extension) {
    std::string_view name = design.caption;
    if (const auto colon = name.find(": "); colon != std::string_view::npos)
        name = name.substr(colon + 2);
    return std::string(name) + "." + std::string(extension);
}

} // namespace rt
