// What a screen reader is told, the same in every edition: each window's figure in words
// after a move, the results message of the boxes a move changed, a bar's value as its box
// writes it.
#include "corekit.h"
#include "forms.h"
#include "spoken.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// Runs the form's handler for a bar's event with these bar values.
rt::Update run(const char* form, const char* bar,
               std::initializer_list<std::pair<std::string_view, int>> values,
               std::string_view separator = ",") {
    const rt::FormClass* f = app::formClass(form);
    const rt::Handler* h = f->handlerFor(bar, rt::Event::Change);
    return (*h)(rt::BarValues(values, separator));
}

// The description the update gives, or "" when it gives none.
std::string described(const rt::Update& u) {
    std::string said;
    for (const rt::Step& s : u.steps())
        if (s.kind == rt::Step::Describe) said = s.text;
    return said;
}

} // namespace

TEST(Spoken, EveryFigureDescribedAfterAMove) {
    struct Row {
        const char* form;
        const char* bar;
        std::initializer_list<std::pair<std::string_view, int>> values;
        const char* separator;
        const char* description;
    };
    const Row rows[] = {
        {"Formt", "hsbpleyra", {{"hsbpleyra", 7}}, ",", "Τετράγωνο ΑΒΓΔ, πλευρά α 7"},
        {"Formk", "hsbR", {{"hsbR", 6}}, ",", "Κύκλος με κέντρο Κ, ακτίνα 6"},
        {"Formo",
         "hsbpleyraa",
         {{"hsbpleyraa", 7}, {"hsbpleyrab", 4}},
         ",",
         "Ορθογώνιο παραλληλόγραμμο ΑΒΓΔ, πλευρές α 7 και β 4"},
        {"Formangle", "hsbgonia", {{"hsbgonia", 41}}, ",", "Γωνία ω με κορυφή Α, 41°"},
        {"Formparal",
         "hsbgonia1",
         {{"hsbpleurac", 5}, {"hsbpleurad", 3}, {"hsbgonia1", 60}},
         ",",
         "Πλάγιο παραλληλόγραμμο ΑΒΓΔ, πλευρές α 5 και β 3, γωνία Α 60°"},
        {"Formtri",
         "hsbgoniaa",
         {{"hsbgoniaa", 60}, {"hsbgoniag", 50}, {"hsbpleurab", 6}},
         ",",
         "Τρίγωνο ΑΓΒ, γωνίες Α 60° και Γ 50°, πλευρά β 6"},
        {"Formtra",
         "hsbgoniaa",
         {{"hsbgoniaa", 60}, {"hsbgoniab", 45}, {"hsbpleuraa", 10}, {"hsbpleurag", 5}},
         ",",
         "Τραπέζιο ΑΒΓΔ, βάσεις α 10 και γ 5, γωνίες Α 60° και Β 45°"},
        // The segment's numbers in the locale's writing; its letters as it prints them.
        {"Formline",
         "hsbdief",
         {{"hsbmhkos", 7097}, {"hsbdief", 4645}},
         ",",
         "Ευθύγραμμο τμήμα ΒΑ, μήκος 70,97, διεύθυνση 46,45°"},
        {"Formline",
         "hsbmhkos",
         {{"hsbmhkos", 5}, {"hsbdief", 18000}},
         ".",
         "Ευθύγραμμο τμήμα ΒΑ, μήκος 0.05, διεύθυνση 180.00°"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.description);
        const rt::Update u = run(r.form, r.bar, r.values, r.separator);
        EXPECT_EQ(described(u), r.description);
        // Said after the drawing, so that a runtime has drawn what it says.
        EXPECT_EQ(u.steps().back().kind, rt::Step::Describe);
    }
}

// A refused trapezium draws nothing new and says nothing new.
TEST(Spoken, ARefusedTrapeziumKeepsItsDescription) {
    const rt::Update u =
        run("Formtra", "hsbpleurag",
            {{"hsbgoniaa", 60}, {"hsbgoniab", 45}, {"hsbpleuraa", 5}, {"hsbpleurag", 5}});
    EXPECT_EQ(described(u), "");
}

TEST(Spoken, AFigureBeforeItsFirstDrawing) {
    for (const rt::FormClass* f : app::formClasses()) {
        if (f->design.figure.empty()) continue;
        SCOPED_TRACE(f->name());
        EXPECT_EQ(rt::describeEmpty(f->design),
                  std::string(f->design.figure) + ": το σχήμα σχεδιάζεται μόλις κινηθεί μια μπάρα");
    }
    // Every figure window, and no other, names its figure.
    int figures = 0;
    for (const rt::FormClass* f : app::formClasses())
        figures += !f->design.figure.empty();
    EXPECT_EQ(figures, 8);
    EXPECT_EQ(app::formClass("Form1")->design.figure, "");
}

TEST(Spoken, ResultsInTheWindowsOrderWithTheirNames) {
    struct Row {
        const char* form;
        std::map<std::string, std::string> changed;
        const char* message;
    };
    const Row rows[] = {
        {"Formt",
         {{"emb", " 49"}, {"txtpleyra", " 7"}, {"per", " 28"}},
         "ΠΛΕΥΡΑ α: 7, ΠΕΡΙΜΕΤΡΟΣ: 28, ΕΜΒΑΔΟ: 49"},
        {"Formt", {{"per", " 28"}}, "ΠΕΡΙΜΕΤΡΟΣ: 28"},
        {"Formt", {}, ""},
        {"Formline",
         {{"txtdief", "046,45°"}, {"txtdief3", " .258055555555556 π rad"}},
         "ΔΙΕΥΘ.: 046,45°, ΔΙΕΥΘ. σε ακτίνια .258055555555556 π rad"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.message);
        const std::string said = rt::resultsMessage(
            app::formClass(r.form)->design, [&](const std::string& box) -> const std::string* {
                const auto found = r.changed.find(box);
                return found == r.changed.end() ? nullptr : &found->second;
            });
        EXPECT_EQ(said, r.message);
    }
}

TEST(Spoken, BarValuesAsTheirBoxesWriteThem) {
    struct Row {
        rt::BarUnit unit;
        int value;
        const char* separator;
        const char* said;
    };
    const Row rows[] = {
        {rt::BarUnit::Whole, 7, ",", "7"},
        {rt::BarUnit::Degrees, 45, ",", "45°"},
        {rt::BarUnit::Hundredths, 7097, ",", "070,97"},
        {rt::BarUnit::Hundredths, 10000, ".", "100.00"},
        {rt::BarUnit::Hundredths, 0, ",", "000,00"},
        {rt::BarUnit::HundredthDegrees, 4645, ",", "046,45°"},
        {rt::BarUnit::HundredthDegrees, 2, ".", "000.02°"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(rt::spokenValue(r.unit, r.value, r.separator), r.said) << r.value;
    // Every value of the segment's bars reads as its box writes it.
    for (int v = 0; v <= 18000; ++v)
        ASSERT_EQ(rt::spokenValue(rt::BarUnit::HundredthDegrees, v, ","),
                  corekit::textOf(run("Formline", "hsbdief", {{"hsbmhkos", 100}, {"hsbdief", v}}),
                                  "txtdief"))
            << v;
}

TEST(Spoken, EveryNamedControlOfEveryWindow) {
    for (const rt::FormClass* f : app::formClasses())
        for (const rt::ControlDesign& c : f->design.controls)
            EXPECT_FALSE(rt::spokenName(c).empty()) << f->name() << " " << c.name;
    const auto& menu = app::formClass("Form1")->design.controls;
    const auto square = std::find_if(
        menu.begin(), menu.end(), [](const rt::ControlDesign& c) { return c.name == "Command2"; });
    EXPECT_EQ(rt::spokenName(*square), "Τετράγωνο."); // the tool tip, its blank trimmed
}
