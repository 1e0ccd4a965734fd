// The figure as a picture to keep: every window's SVG against its drawing (lines, circles
// and letters where the window draws them, to half a twip), its physical size, its two
// colourings; the values as a teacher copies them; the saved file's name.
#include "corekit.h"
#include "forms.h"
#include "picture.h"
#include "raster.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>
#include <set>

namespace {

const rt::Update run(const char* form, const char* bar,
                     std::initializer_list<std::pair<std::string_view, int>> values) {
    const rt::FormClass* f = app::formClass(form);
    return (*f->handlerFor(bar, rt::Event::Change))(rt::BarValues(values, ","));
}

// Every element of a kind in the SVG: the numbers of its attributes, in order.
std::vector<std::vector<double>> elements(const std::string& svg, const std::string& tag,
                                          const std::string& attributes) {
    std::vector<std::vector<double>> out;
    const std::regex element("<" + tag + " " + attributes);
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element);
         it != std::sregex_iterator(); ++it) {
        std::vector<double> values;
        for (std::size_t i = 1; i < it->size(); ++i)
            values.push_back(std::stod((*it)[i].str()));
        out.push_back(values);
    }
    return out;
}

const std::string num = R"x("(-?[0-9.]+)")x";

struct Window {
    const char* form;
    const char* bar;
    std::initializer_list<std::pair<std::string_view, int>> values;
};
const Window kWindows[] = {
    {"Formt", "hsbpleyra", {{"hsbpleyra", 7}}},
    {"Formk", "hsbR", {{"hsbR", 6}}},
    {"Formo", "hsbpleyraa", {{"hsbpleyraa", 7}, {"hsbpleyrab", 4}}},
    {"Formangle", "hsbgonia", {{"hsbgonia", 41}}},
    {"Formparal", "hsbgonia1", {{"hsbpleurac", 5}, {"hsbpleurad", 3}, {"hsbgonia1", 60}}},
    {"Formtri", "hsbgoniaa", {{"hsbgoniaa", 60}, {"hsbgoniag", 50}, {"hsbpleurab", 6}}},
    {"Formtra",
     "hsbgoniaa",
     {{"hsbgoniaa", 60}, {"hsbgoniab", 60}, {"hsbpleuraa", 10}, {"hsbpleurag", 5}}},
    {"Formline", "hsbdief", {{"hsbmhkos", 7097}, {"hsbdief", 4645}}},
};

} // namespace

TEST(Picture, EveryWindowsDrawingWhereTheWindowDrawsIt) {
    for (const Window& w : kWindows) {
        SCOPED_TRACE(w.form);
        const rt::Update u = run(w.form, w.bar, w.values);
        const std::vector<rt::Drawn> drawn = rt::drawnBy(u, rt::kLightGrey);
        const std::string svg =
            rt::svgOf(drawn, rt::Colouring::Paper, rt::kBlue, rt::kLightGrey, "");
        const auto lines =
            elements(svg, "line", "x1=" + num + " y1=" + num + " x2=" + num + " y2=" + num);
        const auto circles = elements(svg, "circle", "cx=" + num + " cy=" + num + " r=" + num);
        const auto letters =
            elements(svg, "path", "transform=\"translate\\(([-0-9.]+) ([-0-9.]+)\\)");
        std::size_t l = 0, c = 0, t = 0;
        for (const rt::Drawn& d : drawn) {
            if (d.kind == rt::Drawn::Line) {
                ASSERT_LT(l, lines.size());
                const std::vector<double> want{d.x1, d.y1, d.x2, d.y2};
                for (int i = 0; i < 4; ++i)
                    EXPECT_NEAR(lines[l][i], want[i], 0.5);
                ++l;
            } else if (d.kind == rt::Drawn::Circle) {
                ASSERT_LT(c, circles.size());
                EXPECT_NEAR(circles[c][0], d.x1, 0.5);
                EXPECT_NEAR(circles[c][1], d.y1, 0.5);
                EXPECT_NEAR(circles[c][2], d.x2, 0.5);
                ++c;
            } else {
                // The letter's top-left where it is printed: its baseline an ascender
                // (1901 of 2048 units of a 150-twip font) below.
                ASSERT_LT(t, letters.size());
                EXPECT_NEAR(letters[t][0], d.x1, 0.5);
                EXPECT_NEAR(letters[t][1], d.y1 + 150.0 * 1901 / 2048, 0.5);
                ++t;
            }
        }
        EXPECT_EQ(l, lines.size());
        EXPECT_EQ(c, circles.size());
        EXPECT_EQ(t, letters.size()) << "a letter the font has no outline for";
        // For paper: black on nothing.
        EXPECT_EQ(svg.find("<rect"), std::string::npos);
        EXPECT_EQ(svg.find("#ffffff"), std::string::npos);
        EXPECT_EQ(svg.find("#e0e0e0"), std::string::npos);
    }
}

TEST(Picture, AtItsDesignedSizeCroppedToTheDrawingAndAMargin) {
    // The square of side 7: 7 × 300 twips between its corners, 2100 twips = 3.70 cm.
    const std::vector<rt::Drawn> drawn = rt::drawnBy(run("Formt", "hsbpleyra", {{"hsbpleyra", 7}}));
    const rt::TwipRect a = rt::pictureArea(drawn);
    const std::string svg = rt::svgOf(drawn, rt::Colouring::Paper, rt::kBlue, rt::kLightGrey, "");
    std::smatch m;
    const std::regex size(
        R"x(width="([0-9.]+)pt" height="([0-9.]+)pt" viewBox="([-0-9.]+) ([-0-9.]+) ([0-9.]+) ([0-9.]+)")x");
    ASSERT_TRUE(std::regex_search(svg, m, size));
    EXPECT_NEAR(std::stod(m[1]) * 20, a.w, 0.5); // points of 20 twips
    EXPECT_NEAR(std::stod(m[2]) * 20, a.h, 0.5);
    EXPECT_NEAR(std::stod(m[3]), a.x, 0.01);
    EXPECT_NEAR(std::stod(m[4]), a.y, 0.01);
    EXPECT_NEAR(std::stod(m[5]), a.w, 0.01);
    EXPECT_NEAR(std::stod(m[6]), a.h, 0.01);
    // The corners at (1200, 3500) and (3300, 1400), the letters beside them, the margin.
    EXPECT_NEAR(a.x, 1100 - 240, 0.01);
    EXPECT_NEAR(a.x + a.w, 3300 + 240 + 150.0 * 1264 / 2048, 0.5); // Β's advance past x = 3300
    EXPECT_NEAR(a.y, 1200 - 240, 0.01);             // Γ, Δ printed 200 above the top
    EXPECT_NEAR(a.y + a.h, 3500 + 150 + 240, 0.01); // Α and Β a line tall below
    EXPECT_NEAR((3300 - 1200) / 1440.0 * 2.54, 3.70, 0.005);
}

TEST(Picture, AsOnScreenWhiteOnBlueWithTheWindowsLetters) {
    const rt::Update u = run("Formk", "hsbR", {{"hsbR", 6}});
    const std::string svg = rt::svgOf(rt::drawnBy(u, rt::kLightGrey), rt::Colouring::Screen,
                                      rt::kBlue, rt::kLightGrey, "Κύκλος με κέντρο Κ, ακτίνα 6");
    EXPECT_NE(svg.find("<rect "), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#0000ff\""), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#ffffff\""), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#e0e0e0\""), std::string::npos);
    EXPECT_EQ(svg.find("stroke=\"#000000\""), std::string::npos);
    EXPECT_NE(svg.find("<title>Κύκλος με κέντρο Κ, ακτίνα 6</title>"), std::string::npos);
}

// Every letter any window prints has its outline: the segment at every direction and the
// trapezium over its inputs print no other.
TEST(Picture, EveryPrintedLetterHasItsOutline) {
    std::set<std::string> printed;
    for (int d = 0; d <= 18000; d += 500)
        for (const rt::Drawn& i :
             rt::drawnBy(run("Formline", "hsbdief", {{"hsbmhkos", 5000}, {"hsbdief", d}})))
            if (i.kind == rt::Drawn::Text) printed.insert(i.text);
    for (const Window& w : kWindows)
        for (const rt::Drawn& i : rt::drawnBy(run(w.form, w.bar, w.values)))
            if (i.kind == rt::Drawn::Text) printed.insert(i.text);
    for (const std::string& letter : printed) {
        const std::string svg =
            rt::svgOf({{rt::Drawn::Text, 0, 0, 0, 0, 0, letter}}, rt::Colouring::Paper, 0, 0, "");
        EXPECT_NE(svg.find("<path "), std::string::npos) << letter;
    }
    EXPECT_EQ(printed, (std::set<std::string>{"A", "B", "K", "Α", "Β", "Γ", "Δ"}));
}

TEST(Picture, TheValuesAsATeacherCopiesThem) {
    const rt::Update u = run("Formt", "hsbpleyra", {{"hsbpleyra", 7}});
    const auto values = rt::valuesOf(app::formClass("Formt")->design, [&](std::string_view box) {
        return *u.textOf(std::string(box));
    });
    EXPECT_EQ(rt::valuesText(values), "ΠΛΕΥΡΑ α:\t7\nΠΕΡΙΜΕΤΡΟΣ:\t28\nΕΜΒΑΔΟ:\t49\n");
    EXPECT_EQ(rt::pictureFileName(app::formClass("Formtra")->design, "svg"), "ΤΡΑΠΕΖΙΟ.svg");
    EXPECT_EQ(rt::pictureFileName(app::formClass("Formo")->design, "png"),
              "ΟΡΘΟΓΩΝΙΟ ΠΑΡΑΛΛΗΛΟΓΡΑΜΜΟ.png");
}

// A Greek PC's C library writes "1200,5" for %f: the picture must not follow it. Where the
// suite is run with a locale to try (its name in SCHIMATIOS_LOCALE), every window's
// picture is the same under that locale as under "C", and every number in it is one any
// program reads.
TEST(Picture, TheSameWhateverTheCLocale) {
    const char* locale = std::getenv("SCHIMATIOS_LOCALE");
    if (!locale) GTEST_SKIP() << "no locale to try (SCHIMATIOS_LOCALE)";
    std::vector<std::string> inC;
    for (const Window& w : kWindows)
        inC.push_back(rt::svgOf(rt::drawnBy(run(w.form, w.bar, w.values)), rt::Colouring::Paper,
                                rt::kBlue, rt::kLightGrey, "ΑΒ"));
    ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << locale << " is not installed";
    EXPECT_STREQ(std::localeconv()->decimal_point, ",") << locale;
    const std::regex attribute(
        R"x( (?:width|height|viewBox|x1|y1|x2|y2|cx|cy|r|transform)="([^"]*)")x");
    // Each number of an attribute: "1234.57", "-73.24e-3", "78.63pt", inside "scale(…)".
    const std::regex number(R"x(-?[0-9]+(\.[0-9]+)?(e-3|pt)?)x");
    const std::regex separators(R"x([a-z]+\(|\)| )x");
    for (std::size_t i = 0; i < std::size(kWindows); ++i) {
        const Window& w = kWindows[i];
        SCOPED_TRACE(w.form);
        const std::string svg = rt::svgOf(rt::drawnBy(run(w.form, w.bar, w.values)),
                                          rt::Colouring::Paper, rt::kBlue, rt::kLightGrey, "ΑΒ");
        EXPECT_EQ(svg, inC[i]);
        int seen = 0;
        for (auto it = std::sregex_iterator(svg.begin(), svg.end(), attribute);
             it != std::sregex_iterator(); ++it, ++seen)
            for (auto n =
                     std::sregex_token_iterator((*it)[1].first, (*it)[1].second, separators, -1);
                 n != std::sregex_token_iterator(); ++n)
                EXPECT_TRUE(n->length() == 0 || std::regex_match(n->str(), number))
                    << (*it)[0].str();
        EXPECT_GE(seen, 5);
    }
    std::setlocale(LC_ALL, "C");
}

// A letter printed before a line still lies above it: every edition paints the drawing
// in its order, so the order decides which pixels a crossing shows.
TEST(Picture, LettersLieAboveTheLinesWhateverTheOrderTheyCameIn) {
    rt::Update u;
    u.print(1000, 1000, "Α");
    u.line(900, 1050, 1300, 1050);
    u.print(2000, 1000, "Β");
    u.circle(1100, 1100, 300);
    const std::vector<rt::Drawn> drawn = rt::drawnBy(u, rt::kLightGrey);
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].kind, rt::Drawn::Line);
    EXPECT_EQ(drawn[1].kind, rt::Drawn::Circle);
    EXPECT_EQ(drawn[2].text, "Α"); // the letters in the order they were printed
    EXPECT_EQ(drawn[3].text, "Β");
}

// The picture as ink, for a runtime with no SVG renderer: its size the SVG's at that
// resolution; every line and circle set as a window sets them at that scale; every letter
// filled inside its outline and nothing far from what is drawn.
TEST(Picture, AsInkTheSameDrawingAtAnyResolution) {
    for (const Window& w : kWindows)
        for (const int dpi : {96, 300, 600}) {
            SCOPED_TRACE(std::string(w.form) + " at " + std::to_string(dpi));
            const std::vector<rt::Drawn> drawn = rt::drawnBy(run(w.form, w.bar, w.values));
            const rt::Ink ink = rt::inkOf(drawn, dpi);
            const rt::TwipRect a = rt::pictureArea(drawn);
            const double k = dpi / 1440.0;
            ASSERT_EQ(ink.width, std::lround(a.w * k));
            ASSERT_EQ(ink.height, std::lround(a.h * k));
            if (dpi == rt::kPaperDpi) {
                EXPECT_EQ(ink.width, rt::paperPixels(a).width);
                EXPECT_EQ(ink.height, rt::paperPixels(a).height);
            }
            std::vector<rt::PixelRect> rects;
            for (const rt::Drawn& d : drawn) {
                if (d.kind == rt::Drawn::Line)
                    rt::rasterLine((d.x1 - a.x) * k, (d.y1 - a.y) * k, (d.x2 - a.x) * k,
                                   (d.y2 - a.y) * k, rt::penWidth(15 * k), ink.width, ink.height,
                                   rects);
                if (d.kind == rt::Drawn::Circle)
                    rt::rasterCircle((d.x1 - a.x) * k, (d.y1 - a.y) * k, d.x2 * k,
                                     rt::penWidth(15 * k), ink.width, ink.height, rects);
            }
            for (const rt::PixelRect& r : rects)
                for (int y = r.y; y < r.y + r.h; ++y)
                    for (int x = r.x; x < r.x + r.w; ++x)
                        ASSERT_EQ(ink.level[std::size_t(y) * ink.width + x], 255) << x << "," << y;
            // The margin is clear: a sixth of an inch round what is drawn, less a pen.
            const int clear = static_cast<int>(rt::kPictureMargin * k) - rt::penWidth(15 * k) - 1;
            for (int y = 0; y < ink.height; ++y)
                for (int x = 0; x < ink.width; ++x)
                    if (x < clear || y < clear || x >= ink.width - clear ||
                        y >= ink.height - clear) {
                        ASSERT_EQ(ink.level[std::size_t(y) * ink.width + x], 0) << x << "," << y;
                    }
        }
}

// A letter's ink: Α's two legs are black at their middle, its counter and the space
// beside it clear, its slanted edges shaded.
TEST(Picture, AsInkALetterFilledFromItsOutline) {
    const std::vector<rt::Drawn> drawn{{rt::Drawn::Text, 0, 0, 0, 0, 0, "Α"}};
    const rt::Ink ink = rt::inkOf(drawn, 1440); // a pixel a twip
    const rt::TwipRect a = rt::pictureArea(drawn);
    const double s = 150.0 / 2048, baseline = 1901 * s;
    const auto level = [&](double fx, double fy) { // a point in the font's units
        const int x = static_cast<int>(std::floor(fx * s - a.x));
        const int y = static_cast<int>(std::floor(baseline - fy * s - a.y));
        return ink.level[std::size_t(y) * ink.width + x];
    };
    EXPECT_EQ(level(630, 1450), 255); // the apex
    EXPECT_EQ(level(630, 460), 255);  // the bar, between 383 and 551 high
    EXPECT_EQ(level(630, 800), 0);    // the counter above the bar
    EXPECT_EQ(level(630, 200), 0);    // between the legs below it
    EXPECT_EQ(level(1400, 700), 0);   // past its right side
    int shaded = 0, black = 0;
    for (const std::uint8_t l : ink.level) {
        shaded += l > 0 && l < 255;
        black += l == 255;
    }
    EXPECT_GT(shaded, 20);
    // Its area: about a quarter of its 1260 × 1493-unit box at 150 twips the em.
    const double box = 1260 * s * 1493 * s;
    EXPECT_GT(black, 0.2 * box);
    EXPECT_LT(black, 0.45 * box);
}
