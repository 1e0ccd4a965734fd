// The program's eleven form classes: every table line names a control of its design of
// the right kind, every bar and button does something, and the buttons that move between
// windows do it in the designed order.
#include "forms.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using rt::Event;
using rt::Step;

const rt::ControlDesign* findControl(const rt::FormDesign& d, const std::string& name) {
    for (const rt::ControlDesign& c : d.controls)
        if (c.name == name) return &c;
    return nullptr;
}

// The steps of an update as one line each: "Beep", "Show Formt in place of Form1", ...
std::vector<std::string> describe(const rt::Update& u) {
    std::vector<std::string> out;
    for (const Step& s : u.steps()) {
        switch (s.kind) {
        case Step::Beep:
            out.push_back("Beep");
            break;
        case Step::Show:
            out.push_back("Show " + s.name + (s.text.empty() ? "" : " in place of " + s.text));
            break;
        case Step::Unload:
            out.push_back("Unload " + s.name);
            break;
        case Step::End:
            out.push_back("End");
            break;
        default:
            out.push_back("other");
        }
    }
    return out;
}

// A form's handler for the control's event, run with every bar at its stored value.
rt::Update run(std::string_view form, std::string_view control, Event event) {
    const rt::FormClass* f = app::formClass(form);
    if (!f) throw std::invalid_argument(std::string(form));
    const rt::Handler* h = f->handlerFor(control, event);
    if (!h) throw std::invalid_argument(std::string(control));
    struct StoredValues : rt::Controls {
        const rt::FormDesign& d;
        explicit StoredValues(const rt::FormDesign& design) : d(design) {}
        int value(std::string_view bar) const override {
            return findControl(d, std::string(bar))->value;
        }
        std::string_view decimalSeparator() const override { return "."; }
    } values(f->design);
    return (*h)(values);
}

} // namespace

TEST(Forms, ElevenByName) {
    const std::set<std::string> expected{"Form1",   "Formd",    "Formm",     "Formt",
                                         "Formk",   "Formo",    "Formparal", "Formtri",
                                         "Formtra", "Formline", "Formangle"};
    std::set<std::string> names;
    for (const rt::FormClass* f : app::formClasses()) {
        names.insert(std::string(f->name()));
        EXPECT_EQ(app::formClass(f->name()), f);
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(app::formClass("Form2"), nullptr);
    EXPECT_NE(app::formClass(app::kStartupForm), nullptr);
}

// Every line of every table names a control of the design that has that event; every
// bar answers both Scroll and Change, every button Click, and no line is there twice.
TEST(Forms, TablesMatchTheDesigns) {
    for (const rt::FormClass* f : app::formClasses()) {
        SCOPED_TRACE(f->name());
        std::set<std::pair<std::string, Event>> seen;
        for (const rt::EventHandler& h : f->handlers) {
            const rt::ControlDesign* c = findControl(f->design, h.control);
            ASSERT_NE(c, nullptr) << h.control;
            EXPECT_TRUE(h.handler) << h.control;
            EXPECT_TRUE(seen.insert({h.control, h.event}).second) << h.control;
            const auto kind =
                h.event == Event::Click ? rt::ControlKind::Button : rt::ControlKind::ScrollBar;
            EXPECT_EQ(c->kind, kind) << h.control;
        }
        for (const rt::ControlDesign& c : f->design.controls) {
            if (c.kind == rt::ControlKind::ScrollBar) {
                EXPECT_NE(f->handlerFor(c.name, Event::Scroll), nullptr) << c.name;
                EXPECT_NE(f->handlerFor(c.name, Event::Change), nullptr) << c.name;
            }
            if (c.kind == rt::ControlKind::Button) {
                EXPECT_NE(f->handlerFor(c.name, Event::Click), nullptr) << c.name;
            }
        }
    }
}

struct Navigation {
    const char* form;
    const char* control;
    std::vector<std::string> steps;
};

TEST(Forms, ButtonsThatMoveBetweenWindows) {
    const auto opens = [](const char* button, const std::string& figure) {
        return Navigation{
            "Form1", button, {"Beep", "Show " + figure + " in place of Form1", "Unload Form1"}};
    };
    const auto back = [](const std::string& figure, const char* button) {
        return Navigation{figure.c_str(),
                          button,
                          {"Beep", "Show Form1 in place of " + figure, "Unload " + figure}};
    };
    const std::string figures[] = {"Formline", "Formangle", "Formt",     "Formo",
                                   "Formk",    "Formtri",   "Formparal", "Formtra"};
    const char* menuButtons[] = {"Command7", "Command8", "Command2",  "Command3",
                                 "Command1", "Command5", "Command10", "Command6"};
    const char* backButtons[] = {"Command1", "Command1", "Command2", "Command2",
                                 "Command2", "Command1", "Command2", "Command1"};
    std::vector<Navigation> rows;
    for (int i = 0; i < 8; ++i) {
        rows.push_back(opens(menuButtons[i], figures[i]));
        rows.push_back(back(figures[i], backButtons[i]));
    }
    rows.push_back({"Form1", "Command9", {"Beep", "Show Formd"}});
    rows.push_back({"Form1", "Command4", {"Beep", "End"}});
    rows.push_back({"Formd", "Command1(1)", {"Beep", "Unload Formd"}});
    rows.push_back({"Formm", "Command1", {"Beep", "Unload Formm"}});
    for (const Navigation& n : rows)
        EXPECT_EQ(describe(run(n.form, n.control, Event::Click)), n.steps)
            << n.form << " " << n.control;
}

// Where a design handles only the thumb drag, Change runs the same handler: the same
// update for the same values.
TEST(Forms, ChangeDoesWhatScrollDoes) {
    for (const rt::FormClass* f : app::formClasses())
        for (const rt::ControlDesign& c : f->design.controls) {
            if (c.kind != rt::ControlKind::ScrollBar) continue;
            const rt::Update scroll = run(f->name(), c.name, Event::Scroll);
            const rt::Update change = run(f->name(), c.name, Event::Change);
            ASSERT_EQ(scroll.steps().size(), change.steps().size()) << f->name() << c.name;
            for (std::size_t i = 0; i < scroll.steps().size(); ++i) {
                const Step &a = scroll.steps()[i], &b = change.steps()[i];
                EXPECT_TRUE(a.kind == b.kind && a.name == b.name && a.text == b.text &&
                            a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2)
                    << f->name() << " " << c.name << " step " << i;
            }
        }
}

// A window names itself when it unloads: every Unload a form's handler asks for is of
// that form, and every form it shows exists.
TEST(Forms, UnloadsOnlyItselfAndShowsKnownForms) {
    for (const rt::FormClass* f : app::formClasses())
        for (const rt::EventHandler& h : f->handlers) {
            if (h.event != Event::Click) continue;
            const rt::Update u = run(f->name(), h.control, h.event);
            for (const Step& s : u.steps()) {
                if (s.kind == Step::Unload) {
                    EXPECT_EQ(s.name, f->name());
                }
                if (s.kind == Step::Show) {
                    EXPECT_NE(app::formClass(s.name), nullptr) << s.name;
                    EXPECT_TRUE(s.text.empty() || s.text == f->name()) << s.text;
                }
            }
        }
}

namespace {

// Every window a pupil reaches: from which window, by which button, and back by which.
TEST(Ways, EveryWindowIsReachedAndLeft) {
    struct Row {
        const char* form;
        const char* from;
        const char* opens;
        const char* back;
    } rows[] = {{"Formline", "Form1", "Command7", "Command1"},
                {"Formangle", "Form1", "Command8", "Command1"},
                {"Formt", "Form1", "Command2", "Command2"},
                {"Formo", "Form1", "Command3", "Command2"},
                {"Formk", "Form1", "Command1", "Command2"},
                {"Formtri", "Form1", "Command5", "Command1"},
                {"Formparal", "Form1", "Command10", "Command2"},
                {"Formtra", "Form1", "Command6", "Command1"},
                {"Formd", "Form1", "Command9", ""},
                {"Formm", "", "", ""}}; // shown by a bar's move, not by a button
    for (const Row& r : rows) {
        const app::Way way = app::wayTo(r.form);
        EXPECT_EQ(way.opens, r.opens) << r.form;
        EXPECT_EQ(way.back, r.back) << r.form;
        EXPECT_EQ(way.from, *r.opens ? r.from : "") << r.form;
    }
    std::vector<std::string_view> figures;
    for (const rt::FormClass* f : app::figureClasses())
        figures.push_back(f->name());
    EXPECT_EQ(figures, (std::vector<std::string_view>{"Formline", "Formangle", "Formt", "Formo",
                                                      "Formk", "Formtri", "Formparal", "Formtra"}));
}

} // namespace
