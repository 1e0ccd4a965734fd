// How a window answers a person: keys, focus, the desk, the zoom and the fit, the rest
// rule and the figure's menu, for every form of the program's table.
#include "forms.h"
#include "interaction.h"
#include "spoken.h"

#include <gtest/gtest.h>

namespace {

using rt::Command;

const rt::FormDesign& designOf(std::string_view form) {
    return app::formClass(form)->design;
}

const rt::ControlDesign& controlOf(std::string_view form, std::string_view name) {
    for (const rt::ControlDesign& c : designOf(form).controls)
        if (c.name == name) return c;
    throw std::invalid_argument(std::string(name));
}

rt::Answer press(std::string_view form, std::string_view focused, int value, std::string_view key) {
    const auto k = rt::keyPressNamed(key);
    if (!k) throw std::invalid_argument(std::string(key));
    const rt::Focus focus{focused.empty() ? nullptr : &controlOf(form, focused), value, false};
    return rt::answerKey(designOf(form), focus, *k);
}

TEST(Keys, NamesReadBackAndUnknownOnesAreRefused) {
    for (int i = 0; i <= static_cast<int>(rt::Key::F10); ++i) {
        const auto key = static_cast<rt::Key>(i);
        EXPECT_EQ(rt::keyNamed(rt::name(key)), key);
    }
    const auto k = rt::keyPressNamed("Ctrl+Shift+Tab");
    ASSERT_TRUE(k);
    EXPECT_TRUE(k->ctrl && k->shift && !k->alt);
    EXPECT_EQ(k->key, rt::Key::Tab);
    EXPECT_EQ(rt::name(*k), "Ctrl+Shift+Tab");
    for (const char* bad : {"", "Ctrl+", "Hyper+Tab", "ctrl+Tab", "KeyZ", "Ctrl++"})
        EXPECT_FALSE(rt::keyPressNamed(bad)) << bad;
}

// Every key on a bar, at both ends and in the middle: one unit, a tenth of the range with
// Ctrl (Left as Up, Right as Down), Home and End to the ends, clamped; other keys are not
// the bar's.
TEST(Keys, EveryBarOfEveryWindowMovesAsEveryEditionMovesIt) {
    struct Row {
        const char* key;
        int sign; // towards Max
        bool tenth;
    } rows[] = {
        {"ArrowUp", -1, false},      {"ArrowLeft", -1, false},     {"PageUp", -1, false},
        {"ArrowDown", 1, false},     {"ArrowRight", 1, false},     {"PageDown", 1, false},
        {"Ctrl+ArrowUp", -1, true},  {"Ctrl+ArrowLeft", -1, true}, {"Ctrl+PageUp", -1, true},
        {"Ctrl+ArrowDown", 1, true}, {"Ctrl+ArrowRight", 1, true}, {"Ctrl+PageDown", 1, true}};
    int bars = 0;
    for (const rt::FormClass* f : app::formClasses())
        for (const rt::ControlDesign& bar : f->design.controls) {
            if (bar.kind != rt::ControlKind::ScrollBar) continue;
            ++bars;
            const int tenth = rt::tenthOfRange(bar.min, bar.max);
            for (const int at : {bar.min, (bar.min + bar.max) / 2, bar.max}) {
                for (const Row& r : rows) {
                    const rt::Answer a = press(f->name(), bar.name, at, r.key);
                    const int want =
                        std::clamp(at + r.sign * (r.tenth ? tenth : 1), bar.min, bar.max);
                    EXPECT_EQ(a, (rt::Answer{Command::MoveBar, want, bar.name}))
                        << f->name() << " " << bar.name << " at " << at << " " << r.key;
                }
                EXPECT_EQ(press(f->name(), bar.name, at, "Home").value, bar.min);
                EXPECT_EQ(press(f->name(), bar.name, at, "End").value, bar.max);
                for (const char* other : {"Shift+ArrowDown", "Alt+ArrowDown", "Ctrl+Home", "Enter",
                                          "Space", "KeyC", "Escape"})
                    EXPECT_EQ(press(f->name(), bar.name, at, other).command, Command::None)
                        << f->name() << " " << bar.name << " " << other;
            }
        }
    EXPECT_EQ(bars, 17);
}

TEST(Keys, TenthsOfTheLongAndTheShortBars) {
    struct {
        const char* form;
        const char* bar;
        int from, to;
    } rows[] = {{"Formline", "hsbmhkos", 1, 1001}, {"Formline", "hsbdief", 1, 1801},
                {"Formangle", "hsbgonia", 1, 13},  {"Formt", "hsbpleyra", 1, 2},
                {"Formtri", "hsbgoniaa", 89, 90},  {"Formline", "hsbmhkos", 9500, 10000}};
    for (const auto& r : rows)
        EXPECT_EQ(press(r.form, r.bar, r.from, "Ctrl+ArrowDown").value, r.to) << r.bar;
}

TEST(Keys, EscapeAndEnterOnTheCreditsTheNoticeAndTheMenu) {
    EXPECT_EQ(press("Formd", "", 0, "Escape"),
              (rt::Answer{Command::PressButton, 0, "Command1(1)"}));
    EXPECT_EQ(press("Formm", "Command1", 0, "Escape"),
              (rt::Answer{Command::PressButton, 0, "Command1"}));
    EXPECT_EQ(press("Formm", "Command1", 0, "Enter"),
              (rt::Answer{Command::PressButton, 0, "Command1"}));
    EXPECT_EQ(press("Formm", "Command1", 0, "Space"),
              (rt::Answer{Command::PressButton, 0, "Command1"}));
    // Escape on a window being worked is nothing; Enter presses whatever button has focus.
    EXPECT_EQ(press("Form1", "Command2", 0, "Escape").command, Command::None);
    EXPECT_EQ(press("Formt", "hsbpleyra", 1, "Escape").command, Command::None);
    EXPECT_EQ(press("Form1", "Command2", 0, "Enter"),
              (rt::Answer{Command::PressButton, 0, "Command2"}));
    EXPECT_EQ(press("Formt", "txtpleyra", 0, "Enter").command, Command::None);
}

TEST(Keys, ZoomInEveryWindowAndTheWorksheetOnlyInFigures) {
    for (const rt::FormClass* f : app::formClasses()) {
        const std::string_view form = f->name();
        const rt::ControlDesign* first = rt::firstFocus(f->design);
        const std::string_view focused = first ? first->name : "";
        for (const char* k : {"Ctrl+Equal", "Ctrl+Shift+Equal", "Ctrl+NumpadAdd"})
            EXPECT_EQ(press(form, focused, first ? first->value : 0, k).command, Command::ZoomIn)
                << form << k;
        for (const char* k : {"Ctrl+Minus", "Ctrl+NumpadSubtract"})
            EXPECT_EQ(press(form, focused, 0, k).command, Command::ZoomOut) << form << k;
        for (const char* k : {"Ctrl+Digit0", "Ctrl+Numpad0"})
            EXPECT_EQ(press(form, focused, 0, k).command, Command::ZoomReset) << form << k;
        EXPECT_EQ(press(form, focused, 0, "Ctrl+Alt+Equal").command, Command::None);
        const bool figure = !f->design.figure.empty();
        const std::pair<const char*, Command> paper[] = {{"Ctrl+KeyC", Command::CopyFigure},
                                                         {"Ctrl+KeyS", Command::SaveFigure},
                                                         {"Ctrl+KeyP", Command::PrintFigure},
                                                         {"ContextMenu", Command::FigureMenu},
                                                         {"Shift+F10", Command::FigureMenu}};
        for (const auto& [k, command] : paper)
            EXPECT_EQ(press(form, "", 0, k).command, figure ? command : Command::None) << form << k;
    }
    // A box with text selected keeps Ctrl+C for itself.
    const rt::Focus selected{&controlOf("Formt", "txtpleyra"), 0, true};
    EXPECT_EQ(rt::answerKey(designOf("Formt"), selected, *rt::keyPressNamed("Ctrl+KeyC")).command,
              Command::None);
}

// Tab walks the controls in tab order round and round, Shift+Tab back; the first in tab
// order takes the focus; labels are never reached and lie beneath.
TEST(Focus, TabOrderFirstFocusAndStacking) {
    const auto names = [](const std::vector<const rt::ControlDesign*>& cs) {
        std::vector<std::string_view> out;
        for (const auto* c : cs)
            out.push_back(c->name);
        return out;
    };
    EXPECT_EQ(names(rt::tabOrder(designOf("Form1"))),
              (std::vector<std::string_view>{"Command1", "Command2", "Command3", "Command4",
                                             "Command5", "Command6", "Command7", "Command8",
                                             "Command9", "Command10"}));
    EXPECT_EQ(rt::firstFocus(designOf("Form1"))->name, "Command1");
    EXPECT_EQ(rt::firstFocus(designOf("Formtri"))->name, "txtgoniaa"); // tab index 0
    for (const rt::FormClass* f : app::formClasses()) {
        const auto order = rt::tabOrder(f->design);
        ASSERT_FALSE(order.empty()) << f->name();
        EXPECT_EQ(rt::firstFocus(f->design), order.front());
        for (std::size_t i = 0; i < order.size(); ++i) {
            EXPECT_NE(order[i]->kind, rt::ControlKind::Label);
            if (i) {
                EXPECT_LE(order[i - 1]->tabIndex, order[i]->tabIndex);
            }
            const auto next = press(f->name(), order[i]->name, order[i]->value, "Tab");
            EXPECT_EQ(next,
                      (rt::Answer{Command::FocusControl, 0, order[(i + 1) % order.size()]->name}));
            const auto back = press(f->name(), order[i]->name, order[i]->value, "Shift+Tab");
            EXPECT_EQ(back.control, order[(i + order.size() - 1) % order.size()]->name);
        }
        EXPECT_EQ(press(f->name(), "", 0, "Tab").control, order.front()->name);
        const auto stack = rt::stackingOrder(f->design);
        EXPECT_EQ(stack.size(), f->design.controls.size());
        bool seenOther = false;
        for (const auto* c : stack) {
            if (c->kind != rt::ControlKind::Label) seenOther = true;
            EXPECT_FALSE(seenOther && c->kind == rt::ControlKind::Label) << f->name();
        }
    }
}

// The credits and the notice stand above the window being worked, whichever it is.
TEST(Desk, DialogsStandAboveTheWindowBeingWorked) {
    rt::Desk desk;
    EXPECT_EQ(desk.worked(), "");
    desk.shown(designOf("Form1"));
    desk.shown(designOf("Formd"));
    EXPECT_EQ(desk.worked(), "Form1");
    desk.shown(designOf("Formt")); // the menu gives way to the square
    desk.unloaded(designOf("Form1"));
    EXPECT_EQ(desk.worked(), "Formt");
    desk.shown(designOf("Formm"));
    EXPECT_EQ(desk.dialogs(), (std::vector<std::string_view>{"Formd", "Formm"}));
    desk.shown(designOf("Form1")); // and back
    desk.unloaded(designOf("Formt"));
    EXPECT_EQ(desk.worked(), "Form1");
    desk.shown(designOf("Formd")); // shown again: comes last
    EXPECT_EQ(desk.dialogs(), (std::vector<std::string_view>{"Formm", "Formd"}));
    desk.unloaded(designOf("Form1"));
    EXPECT_EQ(desk.worked(), "");
    EXPECT_FALSE(desk.empty());
    desk.unloaded(designOf("Formm"));
    desk.unloaded(designOf("Formd"));
    EXPECT_TRUE(desk.empty());
}

TEST(Zoom, StepsTheDesktopsAndThePagesAlike) {
    const auto steps = std::span(rt::kZoomSteps);
    struct {
        double now;
        rt::ZoomAsk ask;
        double want;
    } rows[] = {
        {1, rt::ZoomAsk::In, 1.25}, {1.25, rt::ZoomAsk::In, 1.5}, {3, rt::ZoomAsk::In, 4},
        {4, rt::ZoomAsk::In, 4},    {1, rt::ZoomAsk::Out, 1},     {2, rt::ZoomAsk::Out, 1.5},
        {4, rt::ZoomAsk::Reset, 1}, {1.3, rt::ZoomAsk::In, 1.5},  {1.3, rt::ZoomAsk::Out, 1.25}};
    for (const auto& r : rows)
        EXPECT_EQ(rt::nextZoom(steps, r.now, r.ask), r.want) << r.now;
    // A larger step that would not fit is not taken; a smaller one always is.
    const auto upTo2 = [](double z) { return z <= 2; };
    EXPECT_EQ(rt::nextZoom(steps, 2, rt::ZoomAsk::In, upTo2), 2);
    EXPECT_EQ(rt::nextZoom(steps, 2, rt::ZoomAsk::Out, upTo2), 1.5);
    EXPECT_EQ(rt::openingZoom(steps, 3, upTo2), 2);
    EXPECT_EQ(rt::openingZoom(steps, 1.5, upTo2), 1.5);
    EXPECT_EQ(rt::openingZoom(steps, 4, [](double) { return false; }), 1);
    const auto page = std::span(rt::kPageZoomSteps);
    EXPECT_EQ(rt::nextZoom(page, 1, rt::ZoomAsk::Out), 0.9);
    EXPECT_EQ(rt::nextZoom(page, 0.5, rt::ZoomAsk::Out), 0.5);
    EXPECT_EQ(rt::nextZoom(page, 1.75, rt::ZoomAsk::In), 2);
    EXPECT_EQ(rt::nextZoom(page, 0.67, rt::ZoomAsk::Reset), 1);
}

// The square (5 055 × 3 945 twips: 337 × 263 pixels) in windows of several sizes.
TEST(Zoom, FitAndCentre) {
    const rt::FormDesign& d = designOf("Formt");
    ASSERT_EQ(rt::zoomedClient(d, 1),
              (rt::ScreenRect{0, 0, rt::pixels(d.width), rt::pixels(d.height)}));
    const rt::ScreenRect z2 = rt::zoomedClient(d, 2);
    EXPECT_EQ(rt::fitDesign(d, z2.width, z2.height, 2).scale, 2);
    const rt::ScreenRect one = rt::zoomedClient(d, 1);
    // Twice as wide and three times as tall: scale 2, centred in height.
    const rt::Fit fit = rt::fitDesign(d, 2 * one.width, 3 * one.height, 1);
    EXPECT_DOUBLE_EQ(fit.scale, 2);
    EXPECT_EQ(fit.x, 0);
    EXPECT_EQ(fit.y, (3 * one.height - z2.height) / 2);
    const rt::ControlDesign& bar = controlOf("Formt", "hsbpleyra");
    EXPECT_EQ(fit.place(bar),
              (rt::ScreenRect{rt::scaledPixels(bar.left, 2), fit.y + rt::scaledPixels(bar.top, 2),
                              rt::scaledPixels(bar.width, 2), rt::scaledPixels(bar.height, 2)}));
    EXPECT_EQ(rt::fitDesign(d, 0, 0, 1).scale, 1); // a window not yet sized
    // Grown about its middle, kept on the screen.
    const rt::ScreenRect screen{0, 0, 800, 600};
    EXPECT_EQ(rt::resizedOnScreen({100, 100, 200, 100}, 400, 200, screen),
              (rt::ScreenRect{0, 50, 400, 200}));
    EXPECT_EQ(rt::resizedOnScreen({600, 500, 200, 100}, 400, 200, screen),
              (rt::ScreenRect{400, 400, 400, 200}));
    EXPECT_EQ(rt::resizedOnScreen({300, 250, 200, 100}, 100, 50, screen),
              (rt::ScreenRect{350, 275, 100, 50}));
}

TEST(Looks, FontAndFocusRingFollowTheScale) {
    const std::pair<double, int> fonts[] = {{1, 10}, {1.25, 12}, {1.5, 15}, {2, 20}, {0.7, 7}};
    for (const auto& [scale, px] : fonts)
        EXPECT_EQ(rt::fontPixels(scale), px) << scale;
    const std::pair<double, int> rings[] = {{0.5, 2}, {1, 2}, {1.25, 2}, {1.5, 4}, {2, 4}, {3, 6}};
    for (const auto& [scale, px] : rings)
        EXPECT_EQ(rt::focusRingWidth(scale), px) << scale;
    EXPECT_EQ(rt::kFocusRingColour, 0xffc800u);
}

// Moves restart the wait; a held thumb puts it off; at rest the changed boxes are said
// once, in the window's order, with their last texts.
TEST(Rest, SaidOnceAtRestInTheWindowsOrder) {
    rt::Rest rest(designOf("Formt"));
    EXPECT_EQ(rest.due(false).say, ""); // nothing moved
    EXPECT_EQ(rest.moved(), rt::kRestMs);
    rest.written("emb", " 4");
    rest.written("txtpleyra", " 1");
    rest.moved();
    rest.written("txtpleyra", " 2");
    const rt::Rest::Due held = rest.due(true);
    EXPECT_EQ(held.wakeAfter, rt::kRestMs);
    EXPECT_EQ(held.say, "");
    // Let go, the wait starts afresh: the results come a whole rest after the release.
    EXPECT_EQ(rest.released(), rt::kRestMs);
    const rt::Rest::Due due = rest.due(false);
    EXPECT_EQ(due.wakeAfter, 0);
    const std::map<std::string, std::string> texts{{"txtpleyra", " 2"}, {"emb", " 4"}};
    EXPECT_EQ(due.say, rt::resultsMessage(designOf("Formt"), [&](const std::string& b) {
                  const auto f = texts.find(b);
                  return f == texts.end() ? nullptr : &f->second;
              }));
    EXPECT_NE(due.say.find(" 2"), std::string::npos);
    EXPECT_EQ(rest.due(false).say, ""); // said once
    EXPECT_EQ(rest.released(), 0);      // nothing waits: no wake
    rest.moved();
    rest.written("txtpleyra", " 3");
    rest.stop();
    EXPECT_EQ(rest.due(false).say, ""); // unloaded: nothing
}

TEST(Menu, OnlyFiguresHaveOne) {
    for (const rt::FormClass* f : app::formClasses()) {
        const auto menu = rt::figureMenu(f->design);
        if (f->design.figure.empty()) {
            EXPECT_TRUE(menu.empty()) << f->name();
            continue;
        }
        ASSERT_EQ(menu.size(), 4u);
        EXPECT_EQ(menu[0].command, Command::CopyFigure);
        EXPECT_EQ(std::string_view(menu[0].text), "Αντιγραφή σχήματος");
        EXPECT_EQ(std::string_view(menu[1].text), "Αποθήκευση εικόνας…");
        EXPECT_EQ(std::string_view(menu[2].text), "Εκτύπωση…");
        EXPECT_EQ(menu[3].command, Command::CopyLink);
        EXPECT_EQ(std::string_view(menu[3].text), "Αντιγραφή συνδέσμου");
        const auto portable = rt::figureMenu(f->design, true);
        ASSERT_EQ(portable.size(), 5u);
        EXPECT_EQ(portable[4].command, Command::OpenLinksHere);
    }
}

} // namespace
