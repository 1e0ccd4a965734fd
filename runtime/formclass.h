#pragma once
// A form class: a window's stored design and the table of its event handlers.
//
// A handler reads what it needs from a read-only view of the form's controls and returns
// the ordered Update of what it does; a forms runtime (the desktop's, the browser's)
// looks the handler up by control and event and carries the Update out.
#include "design.h"
#include "update.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rt {

// The designed events: the thumb being dragged (Scroll), any other change of a bar's
// value (Change), a button pressed by mouse or keyboard (Click).
enum class Event { Scroll, Change, Click };
inline constexpr const char* kEventNames[] = {"Scroll", "Change", "Click"};
inline const char* name(Event event) {
    return kEventNames[static_cast<int>(event)];
}
// The event of that name, if there is one.
inline std::optional<Event> eventNamed(std::string_view text) {
    for (int i = 0; i < 3; ++i)
        if (text == kEventNames[i]) return static_cast<Event>(i);
    return std::nullopt;
}

// What a handler may read of its form while it runs.
class Controls {
  public:
    virtual ~Controls() = default;
    // The Value of a scroll bar.
    virtual int value(std::string_view bar) const = 0;
    // The decimal separator of the system locale, for Format.
    virtual std::string_view decimalSeparator() const = 0;
};

using Handler = std::function<Update(const Controls& form)>;

// One line of a form's table: this control's event runs this handler.
struct EventHandler {
    std::string control;
    Event event;
    Handler handler;
};

struct FormClass {
    const FormDesign& design;
    std::vector<EventHandler> handlers;

    std::string_view name() const { return design.name; }
    // The handler for the control's event, or nullptr when the form has none.
    const Handler* handlerFor(std::string_view control, Event event) const {
        for (const EventHandler& h : handlers)
            if (h.event == event && h.control == control) return &h.handler;
        return nullptr;
    }
};

// Bar values given by name: how tests and tools run a handler without any window.
class BarValues : public Controls {
  public:
    BarValues(std::initializer_list<std::pair<std::string_view, int>> values,
              std::string_view decimalSeparator = ".")
        : values_(values.begin(), values.end()), separator_(decimalSeparator) {}
    BarValues(std::vector<std::pair<std::string_view, int>> values,
              std::string_view decimalSeparator = ".")
        : values_(std::move(values)), separator_(decimalSeparator) {}
    int value(std::string_view bar) const override {
        for (const auto& [name, v] : values_)
            if (name == bar) return v;
        throw std::out_of_range("no bar named " + std::string(bar));
    }
    std::string_view decimalSeparator() const override { return separator_; }

  private:
    std::vector<std::pair<std::string_view, int>> values_;
    std::string_view separator_;
};

// Beep, show `to` where `from` stands, unload `from`: how a window gives way to another.
inline Update replace(const std::string& from, const std::string& to) {
    Update u;
    u.beep();
    u.show(to, from);
    u.unload(from);
    return u;
}

// Beep, then unload the form: how the notice and the credits close.
inline Update beepAndUnload(const std::string& form) {
    Update u;
    u.beep();
    u.unload(form);
    return u;
}

} // namespace rt
