// Every form's design as the Windows edition's tests need it, a line each:
//   form, "", caption, the controls a key reaches in tab order (space-separated), the
//   client area's width (twips);
//   form, control, kind, left, top, width, height (twips), min, max, value.
// Given "watch SEPARATOR": once the program is quiet, a line for each of its windows on the
// screen (as Windows has them: the X server may not have caught up), "FORM up", or for a
// figure, its bars and boxes read from outside as a screen reader reads them (SBM_GETPOS,
// WM_GETTEXT) and checked against the core: "FORM ok", "FORM fresh" (no bar has moved
// yet), "FORM unread" (it did not answer), or "FORM BOX shows '…', not '…'" for a box that
// differs from what the bars make; "busy" for a program that never came to rest in 30 s.
#include "controls.h"
#include "forms.h"
#include "interaction.h"
#include "text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPatience = 2000; // ms a busy program has to answer a message

std::optional<LRESULT> ask(HWND hwnd, UINT message, WPARAM w = 0, LPARAM l = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, message, w, l, SMTO_ABORTIFHUNG, kPatience, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

// A figure window's bars and boxes as "name<TAB>value" lines, one read.
std::string readWindow(HWND window, const rt::FormClass& f) {
    std::string out;
    for (std::size_t i = 0; i < f.design.controls.size(); ++i) {
        const rt::ControlDesign& c = f.design.controls[i];
        const HWND control = GetDlgItem(window, win::kFirstControlId + static_cast<int>(i));
        std::string value = "?";
        if (c.kind == rt::ControlKind::ScrollBar) {
            if (const auto pos = ask(control, SBM_GETPOS)) value = std::to_string(*pos);
        } else if (c.kind == rt::ControlKind::TextBox) {
            std::wstring text(4096, L'\0');
            if (const auto n =
                    ask(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())))
                value = win::utf8(text.substr(0, static_cast<std::size_t>(*n)));
        } else {
            continue;
        }
        out += std::string(c.name) + '\t' + value + '\n';
    }
    return out;
}

// What a window's boxes must show for the bars it reads: each box its design's text or the
// text a handler writes at these bars.
std::string verdict(const rt::FormClass& f, const std::string& read, const std::string& sep) {
    std::map<std::string, std::string> shown;
    for (std::size_t at = 0, end; (end = read.find('\n', at)) != std::string::npos; at = end + 1) {
        const std::string line = read.substr(at, end - at);
        const auto tab = line.find('\t');
        shown[line.substr(0, tab)] = line.substr(tab + 1);
    }
    std::vector<std::pair<std::string_view, int>> values;
    for (const rt::ControlDesign& c : f.design.controls)
        if (c.kind == rt::ControlKind::ScrollBar) {
            if (shown[std::string(c.name)] == "?") return std::string(f.name()) + " unread\n";
            values.emplace_back(c.name, std::stoi(shown[std::string(c.name)]));
        }
    // What each bar's handlers write at these bars, box by box.
    const rt::BarValues bars(values, sep);
    std::map<std::string_view, std::map<std::string, std::string>> writes;
    std::map<std::string, int> writers; // how many bars write a box
    for (const auto& [bar, value] : values) {
        for (const rt::Event e : {rt::Event::Change, rt::Event::Scroll})
            if (const rt::Handler* h = f.handlerFor(bar, e)) {
                const rt::Update u = (*h)(bars);
                for (const rt::Step& s : u.steps())
                    if (s.kind == rt::Step::SetText) writes[bar][s.name] = s.text;
            }
        for (const auto& [box, text] : writes[bar])
            ++writers[box];
    }
    // A bar has been moved when a box that it alone writes (or, having none, any box it
    // writes) no longer shows its design's text. The boxes a moved bar writes must show what
    // it writes; a box no moved bar writes, its design's text. (A box no bar writes at these
    // bars, such as a refused trapezium's results, is not checked.)
    const auto design = [&](const std::string& box) {
        for (const rt::ControlDesign& c : f.design.controls)
            if (c.name == box) return std::string(c.text);
        return std::string();
    };
    std::map<std::string, std::vector<std::string>> allowed;
    bool moved = false;
    for (const auto& [bar, boxes] : writes) {
        bool own = false, changed = false, changedOwn = false;
        for (const auto& [box, text] : boxes) {
            const bool differs = shown[box] != design(box);
            own = own || writers[box] == 1;
            changed = changed || differs;
            changedOwn = changedOwn || (writers[box] == 1 && differs);
        }
        if (own ? changedOwn : changed) {
            moved = true;
            for (const auto& [box, text] : boxes)
                allowed[box].push_back(text);
        }
    }
    std::string out;
    for (const auto& [box, count] : writers) {
        const std::string& text = shown[box];
        if (text == "?") return std::string(f.name()) + " unread\n";
        auto& made = allowed[box];
        if (made.empty()) made.push_back(design(box));
        if (std::find(made.begin(), made.end(), text) == made.end())
            out += std::string(f.name()) + ' ' + box + " shows '" + text + "', not '" +
                   made.front() + "'\n";
    }
    return out.empty() ? std::string(f.name()) + (moved ? " ok\n" : " fresh\n") : out;
}

// The program's windows on the screen, each with its form.
BOOL CALLBACK collect(HWND window, LPARAM list) {
    const std::string caption = win::utf8(win::textOf(window));
    if (!IsWindowVisible(window)) return TRUE;
    for (const rt::FormClass* f : app::formClasses())
        if (f->design.caption == caption)
            reinterpret_cast<std::vector<std::pair<HWND, const rt::FormClass*>>*>(list)
                ->emplace_back(window, f);
    return TRUE;
}

// Waits for the program to catch up with the input (its windows, bars and boxes the same
// over four reads 150 ms apart), then checks every figure window. A program
// never quiet for thirty seconds is said to be busy.
int watch(const std::string& sep) {
    std::vector<std::pair<HWND, const rt::FormClass*>> windows;
    std::vector<std::string> reads, last;
    for (int quiet = 0, i = 0; quiet < 3; ++i, last = reads) {
        if (i == 200) return std::puts("busy"), 0;
        if (i) Sleep(150);
        windows.clear();
        EnumWindows(collect, reinterpret_cast<LPARAM>(&windows));
        reads.clear();
        for (const auto& [window, form] : windows)
            reads.push_back(std::string(form->name()) + '\n' + readWindow(window, *form));
        quiet = reads == last ? quiet + 1 : 0;
    }
    for (std::size_t i = 0; i < windows.size(); ++i)
        std::fputs(reads[i].find('\t') == std::string::npos // (a figure has bars and boxes)
                       ? (reads[i].substr(0, reads[i].find('\n')) + " up\n").c_str()
                       : verdict(*windows[i].second, reads[i].substr(reads[i].find('\n') + 1), sep)
                             .c_str(),
                   stdout);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], "watch") == 0) return watch(argv[2]);
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
