#pragma once
// A form on the desktop: one program-wide instance per form class, loaded from the
// class's stored design on Show and unloaded (window and controls deleted) on Unload or
// by the close box. It routes every control event through the class's handler table and
// carries out the Update the handler returns; it knows no window by name.
#include "controls.h"
#include "formclass.h"
#include "interaction.h"
#include "link.h"
#include "services.h"
#include "spoken.h"
#include "surface.h"
#include "update.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <string_view>

namespace desktop {

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
    // Told after a form's window is shown.
    virtual void formShown(Form&) {}
    // The decimal separator of the system locale, for Format.
    virtual const std::string& decimalSeparator() const = 0;
    // The zoom every window opens at, and a step of it.
    virtual double zoom() const { return 1; }
    virtual void stepZoom(rt::ZoomAsk) {}
};

class ZoomStyle;

class Form : public QObject, private rt::Controls {
    Q_OBJECT
  public:
    Form(Shell& shell, const rt::FormClass& formClass);
    ~Form() override;

    const rt::FormClass& formClass() const { return class_; }
    const rt::FormDesign& design() const { return class_.design; }
    QString name() const {
        return QString::fromUtf8(design().name.data(),
                                 static_cast<qsizetype>(design().name.size()));
    }
    bool isLoaded() const { return window_ != nullptr; }
    Surface* window() const { return window_; }

    // Loads the form from its design if needed, shows, raises and activates it.
    // A form loaded in place of another opens where that one stands.
    void show(const Form* inPlaceOf = nullptr);
    // Shows the window a link names with its bars where the link sets them, and what that
    // state shows, as if they had been moved there by hand.
    void open(const app::Opening& opening);
    // The window's link at its bars' values now.
    std::string link() const;
    // Deletes the window and every control; the instance stays for the next show.
    void unload();

    // The window's size at a zoom, and whether it fits its screen there, frame and all.
    QSize zoomedSize(double zoom) const;
    bool fitsAt(double zoom) const;
    // The program's zoom, or the largest below it at which the window fits its screen.
    double fittingZoom() const;
    // Takes the program's zoom: a window at its normal size gets the zoomed size, a
    // maximised one keeps filling its screen.
    void applyZoom();
    // Logical pixels a design pixel, where the window shows its design now.
    double scale() const { return window_ ? window_->scale() : 1; }

    QWidget* control(std::string_view name) const;
    ScrollBar* scrollBar(std::string_view name) const;
    TextBox* textBox(std::string_view name) const;

    // Carries out an update in order: writes boxes, draws, beeps, shows and unloads
    // forms; End stops it there.
    void apply(const rt::Update& update);

  private:
    Services& services() const { return shell_.services(); }
    void load();
    // Places every control, the drawing and the pictures at the largest scale at which
    // the design fits the window, centred in it.
    void layOut();
    // The window at that size: fixed for a dialog, the least size of a resizable one.
    void sizeWindow(QSize size);
    // Connects the table's handlers to the new controls of this load.
    void connectHandlers();
    // Every key pressed in the window goes to the core first; its answer is carried out.
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool carryOut(const rt::Answer& answer);
    // Runs a handler and carries out its update; a runtime error it raises is reported
    // and ends the program.
    void run(const rt::Handler& handler);
    void barMoved(ScrollBar* bar);
    // The bar has stayed still: the window announces the boxes its moves changed.
    void barRested();

    // What a handler reads: the live bars.
    int value(std::string_view bar) const override;
    std::string_view decimalSeparator() const override;

    Shell& shell_;
    const rt::FormClass& class_;
    QPointer<Surface> window_;
    QHash<QString, QWidget*> controls_;
    double zoom_ = 1;               // the zoom its normal size is at
    ZoomStyle* barStyle_ = nullptr; // the bars' proportions at a scale other than 1
    QTimer restTimer_;
    QPointer<ScrollBar> restingBar_;
    rt::Rest rest_; // the boxes written anew since the bars last came to rest
};

} // namespace desktop
