// The program's entry points for the page's forms runtime: every form class (its stored
// design and the events its table answers) as JSON; one run of a handler, whose update
// comes back as JSON; and what a screen reader is told and the raster, as the core says.
#include "forms.h"
#include "integer.h"
#include "interaction.h"
#include "json.h"
#include "link.h"
#include "picture.h"
#include "raster.h"
#include "spoken.h"

#include <deque>
#include <emscripten/emscripten.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

void writeControl(web::Json& j, const rt::ControlDesign& c) {
    j.beginObject();
    j.key("kind").string(rt::name(c.kind));
    j.key("name").string(c.name);
    j.key("left").number(c.left).key("top").number(c.top);
    j.key("width").number(c.width).key("height").number(c.height);
    j.key("tabIndex").number(c.tabIndex);
    // Where it stands in the design's pixels, as every edition rounds them.
    j.key("px").beginArray();
    for (const int twips : {c.left, c.top, c.width, c.height})
        j.number(rt::scaledPixels(twips, 1));
    j.endArray();
    j.key("text").string(c.text);
    j.key("min").number(c.min).key("max").number(c.max).key("value").number(c.value);
    j.key("unit").string(rt::name(c.unit));
    j.key("picture").string(c.picture);
    j.key("toolTip").string(c.toolTip);
    j.key("accessibleName").string(rt::spokenName(c));
    // What a screen reader adds about a long bar.
    j.key("description")
        .string(c.kind == rt::ControlKind::ScrollBar && rt::isLongBar(c.min, c.max)
                    ? rt::kLongBarHint
                    : "");
    j.key("backColor").number(c.backColor).key("foreColor").number(c.foreColor);
    j.endObject();
}

void writeForm(web::Json& j, const rt::FormClass& f) {
    const rt::FormDesign& d = f.design;
    j.beginObject();
    j.key("name").string(d.name);
    j.key("caption").string(d.caption);
    j.key("width").number(d.width).key("height").number(d.height);
    j.key("backColor").number(d.backColor).key("foreColor").number(d.foreColor);
    j.key("foreIsHighlightedText").boolean(d.foreIsHighlightedText);
    j.key("kind").string(rt::name(d.kind));
    j.key("description").string(d.figure.empty() ? "" : rt::describeEmpty(d));
    j.key("px").beginArray().number(rt::scaledPixels(d.width, 1));
    j.number(rt::scaledPixels(d.height, 1)).endArray();
    // The controls from the bottom of the stack up; the keys reach them in tab order.
    j.key("controls").beginArray();
    for (const rt::ControlDesign* c : rt::stackingOrder(d))
        writeControl(j, *c);
    j.endArray();
    j.key("menu").beginArray(); // the figure's context menu: [command, text]
    for (const rt::MenuEntry& entry : rt::figureMenu(d))
        j.beginArray().string(rt::name(entry.command)).string(entry.text).endArray();
    j.endArray();
    // How a pupil comes to the window and goes back (for whoever scripts the page).
    const app::Way way = app::wayTo(d.name);
    j.key("way").beginObject().key("from").string(way.from).key("opens").string(way.opens);
    j.key("back").string(way.back).endObject();
    j.key("tabOrder").beginArray();
    for (const rt::ControlDesign* c : rt::tabOrder(d))
        j.string(c->name);
    j.endArray();
    j.key("events").beginArray();
    for (const rt::EventHandler& h : f.handlers)
        j.beginArray().string(h.control).string(rt::name(h.event)).endArray();
    j.endArray();
    j.endObject();
}

// The "name=value" lines the page sends (bar values, box texts), in order.
std::vector<std::pair<std::string_view, std::string_view>> pairs(std::string_view text) {
    std::vector<std::pair<std::string_view, std::string_view>> out;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        const auto eq = line.find('=');
        out.emplace_back(line.substr(0, eq), line.substr(eq + 1));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return out;
}

// The bar values the page sends.
class PageControls : public rt::Controls {
  public:
    PageControls(std::string_view values, std::string_view separator)
        : values_(pairs(values)), separator_(separator) {}
    int value(std::string_view bar) const override {
        for (const auto& [name, value] : values_)
            if (name == bar) return std::stoi(std::string(value));
        throw std::out_of_range("no bar named " + std::string(bar));
    }
    std::string_view decimalSeparator() const override { return separator_; }

  private:
    std::vector<std::pair<std::string_view, std::string_view>> values_;
    std::string_view separator_;
};

std::string hexColour(std::uint32_t rgb) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        out += digits[(rgb >> shift) & 0xF];
    return out;
}

std::string result;
std::vector<int> rects;
std::map<std::string, rt::Rest, std::less<>> rests; // each window's, made on first use
rt::Desk desk;
std::map<std::string, std::vector<rt::Drawn>, std::less<>> drawings; // each loaded window's

// An update's steps, and the window's drawing as they leave it where they draw: what the
// page carries out and paints.
void writeUpdate(web::Json& j, const rt::FormClass& f, const rt::Update& u) {
    j.key("steps").beginArray();
    for (const rt::Step& s : u.steps())
        web::writeStep(j, s);
    j.endArray();
    std::vector<rt::Drawn>& drawing = drawings[std::string(f.name())];
    bool drawn = false;
    for (const rt::Step& s : u.steps())
        drawn = rt::drawStep(drawing, s, f.design.foreColor) || drawn;
    if (!drawn) return;
    j.key("drawing").beginArray();
    for (const rt::Drawn& d : drawing) {
        j.beginArray().string(d.kind == rt::Drawn::Line     ? "Line"
                              : d.kind == rt::Drawn::Circle ? "Circle"
                                                            : "Text");
        j.coordinate(d.x1).coordinate(d.y1).coordinate(d.x2).coordinate(d.y2).number(d.colour);
        j.string(d.text).endArray();
    }
    j.endArray();
}

rt::Rest& restOf(const char* form) {
    auto found = rests.find(std::string_view(form));
    if (found == rests.end()) found = rests.emplace(form, app::formClass(form)->design).first;
    return found->second;
}

} // namespace

extern "C" {

// {"startup": "Form1", "version": "...", "forms": [{name, caption, width, height, colours,
// controls: [...], events: [[control, event], ...]}, ...]}
EMSCRIPTEN_KEEPALIVE const char* schimatios_program() {
    web::Json j;
    j.beginObject();
    j.key("startup").string(app::kStartupForm);
    j.key("version").string(app::kVersion);
    j.key("twipsPerPixel").number(rt::kTwipsPerPixel);
    // The worksheet commands' names, and the resolution of a picture for paper.
    j.key("worksheet").beginObject();
    j.key("copy").string(rt::kCopyFigure).key("save").string(rt::kSaveFigure);
    j.key("print").string(rt::kPrintFigure).key("svg").string(rt::kSaveSvg);
    j.key("png").string(rt::kSavePng).key("dpi").number(rt::kPaperDpi);
    j.endObject();
    // The printed page's measures, for the page's print style (taken at build time).
    const rt::PrintedPage& page = rt::kPrintedPage;
    j.key("printedPage").beginObject();
    j.key("marginMm").number(page.marginMm).key("captionPt").number(page.captionPt);
    j.key("afterCaptionPt").number(page.afterCaptionPt);
    j.key("afterFigurePt").number(page.afterFigurePt).key("valuesPt").number(page.valuesPt);
    j.key("linkPt").number(page.linkPt).key("afterLinkPt").number(page.afterLinkPt);
    j.key("qrMm").number(page.qrMm);
    j.key("columnGapPt").number(page.columnGapPt).key("rowGapPt").number(page.rowGapPt);
    j.endObject();
    j.key("focusRing").string(hexColour(rt::kFocusRingColour));
    j.key("figures").beginArray(); // the figure windows, as the menu shows them
    for (const rt::FormClass* f : app::figureClasses())
        j.string(f->name());
    j.endArray();
    j.key("forms").beginArray();
    for (const rt::FormClass* f : app::formClasses())
        writeForm(j, *f);
    j.endArray();
    j.endObject();
    result = j.text();
    return result.c_str();
}

// Runs the form's handler for the control's event with the given bar values and returns
// {"steps": [[kind, name, text, x1, y1, x2, y2, colour], ...], "drawing": [[kind, x1, y1,
// x2, y2, colour, text], ...]} (the drawing only where the steps draw), or {"error":
// number, "message": text} for a runtime error.
EMSCRIPTEN_KEEPALIVE const char* schimatios_run(const char* form, const char* control,
                                                const char* event, const char* values,
                                                const char* separator) {
    web::Json j;
    j.beginObject();
    try {
        const rt::FormClass* f = app::formClass(form);
        const std::optional<rt::Event> e = rt::eventNamed(event);
        const rt::Handler* h = f && e ? f->handlerFor(control, *e) : nullptr;
        const rt::Update u = h ? (*h)(PageControls(values, separator)) : rt::Update{};
        if (f)
            writeUpdate(j, *f, u);
        else
            j.key("steps").beginArray().endArray();
    } catch (const rt::RuntimeError& error) {
        j.key("error").number(error.number()).key("message").string(error.what());
    }
    j.endObject();
    result = j.text();
    return result.c_str();
}

// What a link opens: {"form": the figure or "" for the menu, "values": [[bar, value], ...],
// "problem": what was not understood, "steps", "drawing": what the window then shows}.
EMSCRIPTEN_KEEPALIVE const char* schimatios_open_link(const char* text, const char* separator) {
    const app::Opening opening = app::readLink(text);
    web::Json j;
    j.beginObject();
    j.key("form").string(opening.form ? opening.form->name() : "");
    j.key("values").beginArray();
    for (const auto& [bar, value] : opening.values)
        j.beginArray().string(bar).number(value).endArray();
    j.endArray();
    j.key("problem").string(opening.problem);
    try {
        if (opening.form) {
            drawings.erase(std::string(opening.form->name())); // a window opened afresh
            writeUpdate(j, *opening.form, app::openingUpdate(opening, separator));
        }
    } catch (const rt::RuntimeError& error) {
        j.key("error").number(error.number()).key("message").string(error.what());
    }
    j.endObject();
    result = j.text();
    return result.c_str();
}

// A figure window's link at its bars' values ("bar=value" lines): {"link": as a person
// reads it, "encoded": as an address carries it, "scheme": the program's own}.
EMSCRIPTEN_KEEPALIVE const char* schimatios_link_of(const char* form, const char* values) {
    web::Json j;
    j.beginObject();
    if (const rt::FormClass* f = app::formClass(form); f && !f->design.figure.empty()) {
        const PageControls bars(values, ".");
        const std::string link =
            app::linkOf(f->design, [&](std::string_view b) { return bars.value(b); });
        j.key("link").string(link).key("encoded").string(app::percentEncoded(link));
        j.key("scheme").string(app::schemeLink(link));
        j.key("readableScheme").string(app::readableSchemeLink(link));
    }
    j.endObject();
    result = j.text();
    return result.c_str();
}

// What a bar's value reads as, in the units its box shows.
EMSCRIPTEN_KEEPALIVE const char* schimatios_spoken(const char* form, const char* bar, int value,
                                                   const char* separator) {
    result.clear();
    if (const rt::FormClass* f = app::formClass(form))
        for (const rt::ControlDesign& c : f->design.controls)
            if (c.name == bar) result = rt::spokenValue(c.unit, value, separator);
    return result.c_str();
}

// The window's drawing as an SVG document, for paper or as on screen.
EMSCRIPTEN_KEEPALIVE const char* schimatios_picture(const char* form, int paper, int back, int fore,
                                                    const char* description) {
    const auto found = drawings.find(std::string_view(form));
    result =
        rt::svgOf(found == drawings.end() ? std::vector<rt::Drawn>{} : found->second,
                  paper ? rt::Colouring::Paper : rt::Colouring::Screen,
                  static_cast<std::uint32_t>(back), static_cast<std::uint32_t>(fore), description);
    return result.c_str();
}

// The form's boxes, each by its spoken name and its text ("box=text" lines given), a line
// a box, tab between: what a teacher copies or prints beside the figure.
EMSCRIPTEN_KEEPALIVE const char* schimatios_values(const char* form, const char* texts) {
    const auto given = pairs(texts);
    result.clear();
    if (const rt::FormClass* f = app::formClass(form))
        result = rt::valuesText(rt::valuesOf(f->design, [&](std::string_view box) {
            for (const auto& [name, text] : given)
                if (name == box) return std::string(text);
            return std::string();
        }));
    return result.c_str();
}

// The name a saved picture of the form takes: "ΤΡΑΠΕΖΙΟ.svg".
EMSCRIPTEN_KEEPALIVE const char* schimatios_file_name(const char* form, const char* extension) {
    result.clear();
    if (const rt::FormClass* f = app::formClass(form))
        result = rt::pictureFileName(f->design, extension);
    return result.c_str();
}

// The device pixels a line (x1, y1)-(x2, y2) or a circle about (x1, y1) of radius x2 sets
// with a pen `pen` pixels wide on a width × height canvas: [count, x, y, w, h, ...].
EMSCRIPTEN_KEEPALIVE const int* schimatios_raster(int circle, double x1, double y1, double x2,
                                                  double y2, int pen, int width, int height) {
    std::vector<rt::PixelRect> out;
    if (circle)
        rt::rasterCircle(x1, y1, x2, pen, width, height, out);
    else
        rt::rasterLine(x1, y1, x2, y2, pen, width, height, out);
    rects.assign(1, static_cast<int>(out.size()));
    for (const rt::PixelRect& r : out)
        rects.insert(rects.end(), {r.x, r.y, r.w, r.h});
    return rects.data();
}

// What a key does in a window: {"command": "MoveBar", "value": 5, "control": "hsbpleyra"}.
// `key` as "Ctrl+ArrowDown"; `focused` the control that has the focus, or "".
EMSCRIPTEN_KEEPALIVE const char* schimatios_key(const char* form, const char* focused, int value,
                                                int selection, const char* key) {
    web::Json j;
    j.beginObject();
    const rt::FormClass* f = app::formClass(form);
    const std::optional<rt::KeyPress> press = rt::keyPressNamed(key);
    rt::Answer answer;
    if (f && press) {
        rt::Focus focus{nullptr, value, selection != 0};
        for (const rt::ControlDesign& c : f->design.controls)
            if (c.name == focused) focus.control = &c;
        answer = rt::answerKey(f->design, focus, *press);
    }
    j.key("command").string(rt::name(answer.command));
    j.key("value").number(answer.value).key("control").string(answer.control);
    j.endObject();
    result = j.text();
    return result.c_str();
}

// The page's zoom after Ctrl + (ask 0), Ctrl − (1) or Ctrl 0 (2), from `now`.
EMSCRIPTEN_KEEPALIVE double schimatios_zoom(double now, int ask) {
    return rt::nextZoom(rt::kPageZoomSteps, now, static_cast<rt::ZoomAsk>(ask));
}

// The width of a line or a circle, and the letters' size, in device pixels at the page's
// scale times the device pixel ratio.
EMSCRIPTEN_KEEPALIVE int schimatios_pen(double scale) {
    return rt::penWidth(scale);
}
EMSCRIPTEN_KEEPALIVE int schimatios_font(double scale) {
    return rt::fontPixels(scale);
}

// The focus ring's width in CSS pixels at the page's scale.
EMSCRIPTEN_KEEPALIVE int schimatios_ring(double scale) {
    return rt::focusRingWidth(scale);
}

// The rest rule of a window: a bar moved or its thumb let go (wake after the milliseconds
// returned, if any), a box
// written anew, the wait over ({"wakeAfter": ms, "say": text}), the window unloaded.
EMSCRIPTEN_KEEPALIVE int schimatios_rest_moved(const char* form) {
    return restOf(form).moved();
}
EMSCRIPTEN_KEEPALIVE int schimatios_rest_released(const char* form) {
    return restOf(form).released();
}
EMSCRIPTEN_KEEPALIVE void schimatios_rest_written(const char* form, const char* box,
                                                  const char* text) {
    restOf(form).written(box, text);
}
EMSCRIPTEN_KEEPALIVE const char* schimatios_rest_due(const char* form, int held) {
    const rt::Rest::Due due = restOf(form).due(held != 0);
    web::Json j;
    j.beginObject().key("wakeAfter").number(due.wakeAfter).key("say").string(due.say).endObject();
    result = j.text();
    return result.c_str();
}
EMSCRIPTEN_KEEPALIVE void schimatios_rest_stop(const char* form) {
    restOf(form).stop();
}

// The desk: a window shown (1) or unloaded (0); returns the window being worked, which
// the page fits to the viewport and the credits and the notice stand above.
EMSCRIPTEN_KEEPALIVE const char* schimatios_desk(const char* form, int shown) {
    if (const rt::FormClass* f = app::formClass(form)) {
        if (shown) {
            desk.shown(f->design);
        } else {
            desk.unloaded(f->design);
            drawings.erase(std::string(f->design.name)); // its drawing goes with its window
        }
    }
    result = desk.worked();
    return result.c_str();
}

} // extern "C"
