#include "picture.h"

#include "numfmt.h"
#include "spoken.h"

#include <algorithm>
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
        drawing.push_back({Drawn::Line, s.x1, s.y1, s.x2, s.y2, s.colour, {}});
        return true;
    case Step::Circle:
        drawing.push_back({Drawn::Circle, s.x1, s.y1, s.x2, 0, s.colour, {}});
        return true;
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
