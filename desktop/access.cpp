#include "access.h"

#include "controls.h"
#include "surface.h"

#include <QAccessibleWidget>

namespace desktop {

namespace {

QAccessible::Role roleOf(rt::FormKind kind) {
    switch (kind) {
    case rt::FormKind::Dialog:
        return QAccessible::Dialog;
    case rt::FormKind::Alert:
        return QAccessible::AlertMessage;
    case rt::FormKind::Main:
        break;
    }
    return QAccessible::Window;
}

// A window: a frame, a dialog or an alert, named by its caption. A screen reader speaks an
// alert's labels (the notice's "Παρακαλώ α>γ") as it appears.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(Surface* surface)
        : QAccessibleWidget(surface, roleOf(surface->kind())) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }
};

// A bar: its value, bounds and step in the box's units ("100.00", not 10000), and as the
// box writes it ("100,00", "0,02°") for the value text.
class BarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit BarAccessible(ScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return bar()->spokenValue();
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return inUnits(bar()->value()); }
    void setCurrentValue(const QVariant& value) override {
        bar()->setValue(qRound(value.toDouble() / rt::unitStep(bar()->unit())));
    }
    QVariant maximumValue() const override { return inUnits(bar()->maximum()); }
    QVariant minimumValue() const override { return inUnits(bar()->minimum()); }
    QVariant minimumStepSize() const override { return rt::unitStep(bar()->unit()); }

  private:
    ScrollBar* bar() const { return static_cast<ScrollBar*>(widget()); }
    double inUnits(int value) const { return value * rt::unitStep(bar()->unit()); }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* w = qobject_cast<QWidget*>(object);
        w && w->objectName() == QLatin1String("announcer") && qobject_cast<Surface*>(w->parent()))
        return new QAccessibleWidget(w, QAccessible::Notification);
    if (auto* surface = qobject_cast<Surface*>(object); surface && surface->isWindow())
        return new WindowAccessible(surface);
    if (auto* bar = qobject_cast<ScrollBar*>(object)) return new BarAccessible(bar);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(factory);
}

} // namespace desktop
