#pragma once
// A form: one program-wide instance per window, loaded from its stored design on Show
// and unloaded (window and controls deleted) on Unload or by the close box.
#include "controls.h"
#include "design.h"
#include "services.h"
#include "surface.h"
#include "update.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>
#include <string_view>

namespace rt {

class Form;

// What a form needs from the program that owns it.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual Services& services() = 0;
    // The form of that name, created on first use.
    virtual Form& form(std::string_view name) = 0;
    // Told after a form unloads; the program ends when no form is left loaded.
    virtual void formUnloaded(Form& form) = 0;
    // The decimal separator of the system locale, for Format.
    virtual std::string decimalSeparator() const = 0;
};

class Form : public QObject {
    Q_OBJECT
  public:
    Form(Shell& shell, const FormDesign& design);
    ~Form() override;

    const FormDesign& design() const { return design_; }
    QString name() const { return QString::fromStdString(design_.name); }
    bool isLoaded() const { return window_ != nullptr; }
    Surface* window() const { return window_; }

    // Loads the form from its design if needed, shows, raises and activates it.
    // A form loaded in place of another opens where that one stands.
    void show(const Form* inPlaceOf = nullptr);
    // Deletes the window and every control; the instance stays for the next show.
    void unload();

    QWidget* control(std::string_view name) const;
    ScrollBar* scrollBar(std::string_view name) const;
    TextBox* textBox(std::string_view name) const;

    // Carries out an update: writes boxes, draws, beeps and shows forms, in order.
    void apply(const Update& update);

  protected:
    Shell& shell() const { return shell_; }
    Services& services() const { return shell_.services(); }
    int value(std::string_view bar) const;

    // Connects handlers after each load; the controls are new every time.
    virtual void wire() = 0;
    void onScroll(std::string_view bar, std::function<void()> handler);
    void onChange(std::string_view bar, std::function<void()> handler);
    void onClick(std::string_view button, std::function<void()> handler);
    // For windows whose design handles Scroll only: a Change (arrow, trough, key, wheel)
    // runs the same handler, exactly as a drag to that value would.
    void onScrollOrChange(std::string_view bar, const std::function<void()>& handler);

    // Beep, show the named form in this one's place, unload this one.
    void replaceWith(std::string_view formName);

  private:
    void load();
    // Runs a handler; a runtime error it raises is reported and ends the program.
    void run(const std::function<void()>& handler);

    Shell& shell_;
    const FormDesign& design_;
    QPointer<Surface> window_;
    QHash<QString, QWidget*> controls_;
};

} // namespace rt
