// A link to a figure window with its bars set: written and read back for every figure at
// its bars' ends and at random values, in each of the forms it travels in; what each kind
// of link not understood opens and says; what opening shows; and a seeded fuzz.
#include "forms.h"
#include "interaction.h"
#include "link.h"
#include "picture.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {

using Values = std::map<std::string, int>;

Values valuesOf(const app::Opening& o) {
    Values v;
    for (const auto& [bar, value] : o.values)
        v[std::string(bar)] = value;
    return v;
}

std::vector<const rt::ControlDesign*> barsOf(const rt::FormDesign& d) {
    std::vector<const rt::ControlDesign*> bars;
    for (const rt::ControlDesign& c : d.controls)
        if (c.kind == rt::ControlKind::ScrollBar) bars.push_back(&c);
    return bars;
}

// The link of a figure at these values, read back in every form it travels in.
void roundTrip(const rt::FormClass& f, const Values& values) {
    const std::string link =
        app::linkOf(f.design, [&](std::string_view bar) { return values.at(std::string(bar)); });
    for (const std::string& carried :
         {link, app::percentEncoded(link), app::schemeLink(link), "schimatios://" + link,
          "https://school.example/schimatios/index.html#" + app::percentEncoded(link),
          "file:///home/teacher/schimatios.html#" + link, "<" + app::schemeLink(link) + ">\n"}) {
        SCOPED_TRACE(carried);
        const app::Opening o = app::readLink(carried);
        ASSERT_EQ(o.form, &f);
        EXPECT_EQ(o.problem, "");
        EXPECT_EQ(valuesOf(o), values);
        EXPECT_EQ(o.moved.size(), values.size()); // every bar is in the link
    }
}

} // namespace

TEST(Link, ReadableAsTheWindowLabelsItsBars) {
    const struct {
        const char* form;
        Values values;
        const char* link;
    } rows[] = {
        {"Formt", {{"hsbpleyra", 7}}, "1/τετράγωνο/α=7"},
        {"Formk", {{"hsbR", 3}}, "1/κύκλος/R=3"},
        {"Formo", {{"hsbpleyraa", 7}, {"hsbpleyrab", 4}}, "1/ορθογώνιο-παραλληλόγραμμο/α=7/β=4"},
        {"Formangle", {{"hsbgonia", 41}}, "1/γωνία/ω=41"},
        {"Formparal",
         {{"hsbpleurac", 5}, {"hsbpleurad", 3}, {"hsbgonia1", 60}},
         "1/πλάγιο-παραλληλόγραμμο/α=5/β=3/φ=60"},
        {"Formtri",
         {{"hsbgoniaa", 50}, {"hsbgoniag", 60}, {"hsbpleurab", 5}},
         "1/τρίγωνο/Α=50/Γ=60/β=5"},
        {"Formtra",
         {{"hsbgoniaa", 60}, {"hsbgoniab", 70}, {"hsbpleuraa", 10}, {"hsbpleurag", 4}},
         "1/τραπέζιο/Α=60/Β=70/α=10/γ=4"},
        {"Formline", {{"hsbmhkos", 7097}, {"hsbdief", 4650}}, "1/ευθύγραμμο-τμήμα/ΑΒ=70.97/φ=46.5"},
        {"Formline", {{"hsbmhkos", 10000}, {"hsbdief", 5}}, "1/ευθύγραμμο-τμήμα/ΑΒ=100/φ=0.05"},
    };
    for (const auto& r : rows) {
        const std::string link =
            app::linkOf(app::formClass(r.form)->design,
                        [&](std::string_view b) { return r.values.at(std::string(b)); });
        EXPECT_EQ(link, r.link);
    }
    EXPECT_EQ(app::percentEncoded("1/τετράγωνο/α=7"),
              "1/%CF%84%CE%B5%CF%84%CF%81%CE%AC%CE%B3%CF%89%CE%BD%CE%BF/%CE%B1=7");
    EXPECT_EQ(app::schemeLink("1/κύκλος/R=3"),
              "schimatios:1/%CE%BA%CF%8D%CE%BA%CE%BB%CE%BF%CF%82/R=3");
}

TEST(Link, EveryFigureAtItsBarsEndsAndAtRandom) {
    std::mt19937 random(20261210);
    for (const rt::FormClass* f : app::figureClasses()) {
        SCOPED_TRACE(std::string(f->name()));
        Values low, high;
        for (const rt::ControlDesign* b : barsOf(f->design)) {
            ASSERT_FALSE(b->linkName.empty()) << b->name << " has no letter for links";
            low[std::string(b->name)] = b->min;
            high[std::string(b->name)] = b->max;
        }
        roundTrip(*f, low);
        roundTrip(*f, high);
        for (int n = 0; n < 50; ++n) {
            Values any;
            for (const rt::ControlDesign* b : barsOf(f->design))
                any[std::string(b->name)] = std::uniform_int_distribution(b->min, b->max)(random);
            roundTrip(*f, any);
        }
    }
}

// What a teacher may type by hand: capitals, no accents, blanks, a Latin keyboard's
// letters, a comma for the point, the degree sign, a slash at the end.
TEST(Link, ReadAsATeacherTypesIt) {
    const struct {
        const char* text;
        const char* form;
        Values values;
    } rows[] = {
        {"1/ΤΕΤΡΑΓΩΝΟ/α=7", "Formt", {{"hsbpleyra", 7}}},
        {"1/τετραγωνο/a=7/", "Formt", {{"hsbpleyra", 7}}},
        {"1/Ευθύγραμμο τμήμα/ΑΒ=70,97/φ=46.45°",
         "Formline",
         {{"hsbmhkos", 7097}, {"hsbdief", 4645}}},
        {"1/ευθυγραμμο_τμημα/AB=5", "Formline", {{"hsbmhkos", 500}, {"hsbdief", 1}}},
        {"1/τρίγωνο/A=50°/G=60/b=5",
         "Formtri",
         {{"hsbgoniaa", 50}, {"hsbgoniag", 60}, {"hsbpleurab", 5}}},
        {"1/τρίγωνο/β=5", "Formtri", {{"hsbgoniaa", 1}, {"hsbgoniag", 1}, {"hsbpleurab", 5}}},
        {"schimatios:1%2F%CE%BA%CF%8D%CE%BA%CE%BB%CE%BF%CF%82%2FR%3D4", "Formk", {{"hsbR", 4}}},
        {"SCHIMATIOS:1/κυκλος/R=4.0", "Formk", {{"hsbR", 4}}},
        {"file:///home/teacher/schimatios.html#schimatios:1/κύκλος/R=4", "Formk", {{"hsbR", 4}}},
        // The README's two examples.
        {"1/τραπέζιο/Α=60/Β=70/α=5/γ=4",
         "Formtra",
         {{"hsbgoniaa", 60}, {"hsbgoniab", 70}, {"hsbpleuraa", 5}, {"hsbpleurag", 4}}},
        {"1/ευθύγραμμο-τμήμα/ΑΒ=70.5/φ=30", "Formline", {{"hsbmhkos", 7050}, {"hsbdief", 3000}}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        const app::Opening o = app::readLink(r.text);
        ASSERT_EQ(o.form, app::formClass(r.form));
        EXPECT_EQ(o.problem, "");
        EXPECT_EQ(valuesOf(o), r.values);
    }
}

// Every kind of link not understood: the menu, or the figure with the values understood;
// one Greek sentence saying what was not.
TEST(Link, WhatIsNotUnderstoodIsSaidInOneSentence) {
    const struct {
        std::string text;
        const char* form; // nullptr: the menu
        Values values;
        const char* problem;
    } rows[] = {
        {"", nullptr, {}, ""},
        {"https://school.example/schimatios/", nullptr, {}, ""},
        {"https://school.example/schimatios/#", nullptr, {}, ""},
        {"τετράγωνο/α=7",
         nullptr,
         {},
         "Ο σύνδεσμος «τετράγωνο/α=7» δεν αρχίζει με τον αριθμό της έκδοσής του."},
        {"0/τετράγωνο/α=7",
         nullptr,
         {},
         "Ο σύνδεσμος «0/τετράγωνο/α=7» δεν αρχίζει με τον αριθμό της έκδοσής του."},
        {"2/τετράγωνο/α=7",
         nullptr,
         {},
         "Ο σύνδεσμος γράφτηκε για νεότερη έκδοση του προγράμματος (2) και δεν ανοίγει σε αυτήν."},
        {"1", nullptr, {}, "Ο σύνδεσμος «1» δεν λέει ποιο σχήμα ανοίγει."},
        {"1/κύβος/α=3", nullptr, {}, "Δεν υπάρχει σχήμα «κύβος» στο πρόγραμμα."},
        {"1/%CE%BA%CF", nullptr, {}, "Ο σύνδεσμος «1/%CE%BA%CF» δεν διαβάζεται."},
        {"1/%ZZ", nullptr, {}, "Ο σύνδεσμος «1/%ZZ» δεν διαβάζεται."},
        {"1/%FF%FE", nullptr, {}, "Ο σύνδεσμος «1/%FF%FE» δεν διαβάζεται."},
        {"1/τετράγωνο/α=12",
         "Formt",
         {{"hsbpleyra", 1}},
         "Από τον σύνδεσμο δεν έγιναν δεκτά: «α=12» (από 1 έως 10)."},
        {"1/τρίγωνο/Α=50/Γ=95/β=5/ω=3",
         "Formtri",
         {{"hsbgoniaa", 50}, {"hsbgoniag", 1}, {"hsbpleurab", 5}},
         "Από τον σύνδεσμο δεν έγιναν δεκτά: «Γ=95» (από 1° έως 89°), «ω=3» (άγνωστη μπάρα)."},
        {"1/ευθύγραμμο-τμήμα/ΑΒ=70.975/φ=181",
         "Formline",
         {{"hsbmhkos", 1}, {"hsbdief", 1}},
         "Από τον σύνδεσμο δεν έγιναν δεκτά: «ΑΒ=70.975» (όχι αριθμός της μπάρας), «φ=181» (από 0° "
         "έως 180°)."},
        {"1/τετράγωνο/α=3/α=4",
         "Formt",
         {{"hsbpleyra", 3}},
         "Από τον σύνδεσμο δεν έγιναν δεκτά: «α=4» (δεύτερη φορά)."},
        {"1/τετράγωνο/α",
         "Formt",
         {{"hsbpleyra", 1}},
         "Από τον σύνδεσμο δεν έγιναν δεκτά: «α» (άγνωστη μπάρα)."},
        {"1/τετράγωνο/α=7.5",
         "Formt",
         {{"hsbpleyra", 1}},
         "Από τον σύνδεσμο δεν έγιναν δεκτά: «α=7.5» (όχι αριθμός της μπάρας)."},
        {"1/τετράγωνο/α=<script>alert(1)</script>",
         "Formt",
         {{"hsbpleyra", 1}},
         "Από τον σύνδεσμο δεν έγιναν δεκτά: «α=<script>alert(1)<» (όχι αριθμός της μπάρας), "
         "«script» (άγνωστη μπάρα)."},
        {"1/τετράγωνο/α=" + std::string(40, '9'),
         "Formt",
         {{"hsbpleyra", 1}},
         "Από τον σύνδεσμο δεν έγιναν δεκτά: «α=9999999999999999999999…» (όχι αριθμός της "
         "μπάρας)."},
        {"1/τετράγωνο/α=%0A7",
         "Formt",
         {{"hsbpleyra", 1}},
         "Από τον σύνδεσμο δεν έγιναν δεκτά: «α=?7» (όχι αριθμός της μπάρας)."},
        {"1/τετράγωνο/α=99999999999",
         "Formt",
         {{"hsbpleyra", 1}},
         "Από τον σύνδεσμο δεν έγιναν δεκτά: «α=99999999999» (όχι αριθμός της μπάρας)."},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        const app::Opening o = app::readLink(r.text);
        EXPECT_EQ(o.form, r.form ? app::formClass(r.form) : nullptr);
        EXPECT_EQ(o.problem, r.problem);
        if (r.form) {
            EXPECT_EQ(valuesOf(o), r.values);
        }
    }
}

// Opening shows what moving each bar there by hand shows; the trapezium that refuses says
// so once, with one beep.
TEST(Link, OpeningShowsTheStateTheBarsWouldBringAndTheNoticeOnce) {
    const app::Opening triangle = app::readLink("1/τρίγωνο/Α=50/Γ=60/β=5");
    const rt::Update shown = app::openingUpdate(triangle, ",");
    const rt::Update byHand = (*triangle.form->handlerFor("hsbpleurab", rt::Event::Change))(
        rt::BarValues({{"hsbgoniaa", 50}, {"hsbgoniag", 60}, {"hsbpleurab", 5}}, ","));
    for (const char* box : {"txtgoniab", "txtpleuraa", "txtpleurag", "txtk", "per", "emb"}) {
        ASSERT_TRUE(shown.textOf(box)) << box;
        EXPECT_EQ(*shown.textOf(box), *byHand.textOf(box)) << box;
    }
    EXPECT_EQ(rt::drawnBy(shown), rt::drawnBy(byHand));

    const app::Opening refusing = app::readLink("1/τραπέζιο/Α=60/Β=70/α=3/γ=5");
    ASSERT_EQ(refusing.problem, "");
    int beeps = 0, notices = 0;
    const rt::Update opened = app::openingUpdate(refusing, ".");
    for (const rt::Step& s : opened.steps()) {
        beeps += s.kind == rt::Step::Beep;
        notices += s.kind == rt::Step::Show && s.name == "Formm";
    }
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(app::openingUpdate(app::readLink("1/κύβος"), ".").steps().size(), 0u);
}

// Random bytes and links cut, doubled and changed at random: nothing throws, a window is
// chosen only with values in its bars' ranges, and whatever was not understood is said.
TEST(Link, SeededFuzzFindsNoCrashAndNoValueOutOfRange) {
    std::mt19937 random(1210);
    const auto byte = [&] {
        return static_cast<char>(std::uniform_int_distribution(0, 255)(random));
    };
    std::vector<std::string> seeds;
    for (const rt::FormClass* f : app::figureClasses())
        seeds.push_back(app::linkOf(f->design, [&](std::string_view bar) {
            for (const rt::ControlDesign* b : barsOf(f->design))
                if (b->name == bar) return b->max;
            return 0;
        }));
    for (int n = 0; n < 20000; ++n) {
        std::string text = seeds[n % seeds.size()];
        if (n % 3 == 2) text = app::percentEncoded(text);
        const int changes = std::uniform_int_distribution(1, 6)(random);
        for (int k = 0; k < changes && !text.empty(); ++k) {
            const std::size_t at =
                std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(random);
            switch (std::uniform_int_distribution(0, 4)(random)) {
            case 0:
                text[at] = byte();
                break;
            case 1:
                text.erase(at, 1 + at % 4);
                break;
            case 2:
                text.insert(at, std::string(1, "/=%.,-°"[at % 7]));
                break;
            case 3:
                text.insert(at, text.substr(0, at));
                break;
            default:
                text.insert(at, 1, byte());
                break;
            }
        }
        SCOPED_TRACE(text);
        app::Opening o;
        ASSERT_NO_THROW(o = app::readLink(text));
        if (!o.form) continue;
        for (const auto& [bar, value] : o.values)
            for (const rt::ControlDesign* b : barsOf(o.form->design))
                if (b->name == bar) {
                    ASSERT_TRUE(value >= b->min && value <= b->max) << bar;
                }
        ASSERT_NO_THROW(app::openingUpdate(o, ","));
    }
}
