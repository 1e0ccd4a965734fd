// Every form's design as the Windows edition's tests need it, a line each:
//   form, "", caption, the controls a key reaches in tab order (space-separated), the
//   client area's width (twips);
//   form, control, kind, left, top, width, height (twips), min, max, value.
// Given "check FORM SEPARATOR" and a window's boxes as "box<TAB>text" lines on standard
// input, says whether they are what the core computes from the bars their boxes show:
// "ok", "fresh" (no bar has moved yet), or a line per box that differs.
#include "forms.h"
#include "interaction.h"
#include "spoken.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <string>

namespace {

std::string trimmed(std::string s) {
    const auto first = s.find_first_not_of(' ');
    const auto last = s.find_last_not_of(" \r\n");
    return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

int check(const rt::FormClass& f, const std::string& separator) {
    std::map<std::string, std::string> shown;
    for (std::string line; std::getline(std::cin, line);)
        if (const auto tab = line.find('\t'); tab != std::string::npos)
            shown[line.substr(0, tab)] = line.substr(tab + 1);
    std::vector<std::pair<std::string_view, int>> values;
    std::vector<std::string_view> moved; // the bars whose boxes a handler has written
    for (const rt::ControlDesign& bar : f.design.controls) {
        if (bar.kind != rt::ControlKind::ScrollBar) continue;
        const rt::ControlDesign* box = nullptr;
        for (const rt::ControlDesign& c : f.design.controls)
            if (c.kind == rt::ControlKind::TextBox && rt::spokenName(c) == rt::spokenName(bar))
                box = &c;
        if (!box) continue;
        const std::string text = trimmed(shown[std::string(box->name)]);
        // A box that still shows its design's text: no move of that bar has run a handler
        // that writes it, so the bar is where the design puts it.
        if (text == trimmed(std::string(box->text))) {
            values.emplace_back(bar.name, bar.value);
            continue;
        }
        moved.push_back(bar.name);
        int found = bar.min - 1;
        for (int v = bar.min; v <= bar.max && found < bar.min; ++v)
            if (trimmed(rt::spokenValue(bar.unit, v, separator)) == text) found = v;
        if (found < bar.min)
            return std::printf("%s: shows '%s', no value of its bar\n",
                               std::string(box->name).c_str(), text.c_str()),
                   0;
        values.emplace_back(bar.name, found);
    }
    if (moved.empty()) return std::puts("fresh"), 0; // nothing moved yet: the design's texts
    std::map<std::string, std::string> expected;
    const rt::BarValues bars(values, separator);
    for (const std::string_view bar : moved)
        if (const rt::Handler* h = f.handlerFor(bar, rt::Event::Change)) {
            const rt::Update u = (*h)(bars);
            for (const rt::Step& s : u.steps())
                if (s.kind == rt::Step::SetText) expected[s.name] = s.text;
        }
    int wrong = 0;
    for (const auto& [box, text] : expected)
        if (shown.count(box) && shown[box] != text && ++wrong)
            std::printf("%s: shows '%s', not '%s'\n", box.c_str(), shown[box].c_str(),
                        text.c_str());
    if (!wrong) std::puts("ok");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && std::strcmp(argv[1], "check") == 0) {
        const rt::FormClass* f = app::formClass(argv[2]);
        return f ? check(*f, argv[3]) : 2;
    }
    for (const rt::FormClass* f : app::formClasses()) {
        std::string order;
        for (const rt::ControlDesign* c : rt::tabOrder(f->design))
            order += (order.empty() ? "" : " ") + std::string(c->name);
        std::printf("%s\t\t%s\t%s\t%d\n", std::string(f->name()).c_str(),
                    std::string(f->design.caption).c_str(), order.c_str(), f->design.width);
        for (const rt::ControlDesign& c : f->design.controls)
            std::printf("%s\t%s\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t%d\n", std::string(f->name()).c_str(),
                        std::string(c.name).c_str(), rt::name(c.kind), c.left, c.top, c.width,
                        c.height, c.min, c.max, c.value);
    }
}
