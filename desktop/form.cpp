#include "form.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <algorithm>

namespace desktop {

namespace {
QColor colour(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

using rt::ControlDesign;
using rt::ControlKind;
using rt::Step;

Form::Form(Shell& shell, const rt::FormClass& formClass) : shell_(shell), class_(formClass) {}

Form::~Form() {
    delete window_.data();
}

void Form::load() {
    auto* window = new Surface();
    window->setObjectName(name());
    window->setWindowTitle(qs(design().caption));
    window->setFixedSize(rt::pixels(design().width), rt::pixels(design().height));
    window->setBackColor(colour(design().backColor));
    window->setForeColor(design().foreIsHighlightedText
                             ? QApplication::palette().color(QPalette::HighlightedText)
                             : colour(design().foreColor));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->onClose = [this] { unload(); };

    // Labels first: they lie beneath every other control they overlap.
    std::vector<const ControlDesign*> order;
    for (const auto& c : design().controls)
        if (c.kind == ControlKind::Label) order.push_back(&c);
    for (const auto& c : design().controls)
        if (c.kind != ControlKind::Label) order.push_back(&c);

    controls_.clear();
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlDesign* c : order) {
        QWidget* widget = nullptr;
        switch (c->kind) {
        case ControlKind::Label:
            widget = new Label(qs(c->text), colour(c->backColor), colour(c->foreColor), window);
            break;
        case ControlKind::TextBox:
            widget = new TextBox(qs(c->text), window);
            break;
        case ControlKind::ScrollBar:
            widget = new ScrollBar(c->min, c->max, c->value, window);
            break;
        case ControlKind::Button:
            widget = new PictureButton(QStringLiteral(":/pictures/") + qs(c->picture), window);
            break;
        }
        widget->setObjectName(qs(c->name));
        widget->setGeometry(rt::pixels(c->left), rt::pixels(c->top), rt::pixels(c->width),
                            rt::pixels(c->height));
        if (!c->toolTip.empty()) widget->setToolTip(qs(c->toolTip));
        if (!c->accessibleName.empty())
            widget->setAccessibleName(qs(c->accessibleName));
        else if (c->kind == ControlKind::Label)
            widget->setAccessibleName(qs(c->text));
        else if (!c->toolTip.empty())
            widget->setAccessibleName(qs(c->toolTip).trimmed());
        controls_.insert(qs(c->name), widget);
        if (c->kind != ControlKind::Label) tabOrder.emplace_back(c->tabIndex, widget);
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty()) tabOrder.front().second->setFocus();

    window_ = window;
    connectHandlers();
}

void Form::connectHandlers() {
    for (const rt::EventHandler& h : class_.handlers) {
        QWidget* widget = control(h.control);
        const rt::Handler* handler = &h.handler; // the table outlives every window
        const auto run = [this, handler] { this->run(*handler); };
        switch (h.event) {
        case rt::Event::Scroll:
            connect(qobject_cast<ScrollBar*>(widget), &ScrollBar::scroll, this, run);
            break;
        case rt::Event::Change:
            connect(qobject_cast<ScrollBar*>(widget), &ScrollBar::change, this, run);
            break;
        case rt::Event::Click:
            connect(qobject_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this, run);
            break;
        }
    }
}

void Form::show(const Form* inPlaceOf) {
    const bool fresh = !isLoaded();
    if (fresh) load();
    if (fresh) {
        if (inPlaceOf && inPlaceOf->isLoaded()) {
            window_->move(inPlaceOf->window()->pos());
        } else if (QWidget* active = QApplication::activeWindow(); active && active != window_) {
            window_->move(active->frameGeometry().center() - window_->rect().center());
        } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
            window_->move(screen->availableGeometry().center() - window_->rect().center());
        }
    }
    window_->show();
    if (!fresh) window_->raise(); // a window shown again comes to the front
    window_->activateWindow();
    shell_.formShown(*this);
}

void Form::unload() {
    if (!isLoaded()) return;
    Surface* window = window_;
    window_ = nullptr;
    controls_.clear();
    window->onClose = nullptr;
    window->hide();
    // The window may be deleted from inside one of its own controls' handlers.
    window->deleteLater();
    shell_.formUnloaded(*this);
}

QWidget* Form::control(std::string_view name) const {
    return controls_.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

ScrollBar* Form::scrollBar(std::string_view name) const {
    return qobject_cast<ScrollBar*>(control(name));
}

TextBox* Form::textBox(std::string_view name) const {
    return qobject_cast<TextBox*>(control(name));
}

int Form::value(std::string_view bar) const {
    return scrollBar(bar)->value();
}

std::string_view Form::decimalSeparator() const {
    return shell_.decimalSeparator();
}

void Form::apply(const rt::Update& update) {
    for (const Step& step : update.steps()) {
        switch (step.kind) {
        case Step::SetText:
            textBox(step.name)->setBoxText(qs(step.text));
            break;
        case Step::Cls:
            window_->cls();
            break;
        case Step::Line:
            window_->line(step.x1, step.y1, step.x2, step.y2, step.colour);
            break;
        case Step::Circle:
            window_->circle(step.x1, step.y1, step.x2, step.colour);
            break;
        case Step::Print:
            window_->setCurrentX(step.x1);
            window_->setCurrentY(step.y1);
            window_->print(qs(step.text));
            break;
        case Step::Beep:
            services().beep();
            break;
        case Step::Show:
            shell_.form(step.name).show(step.text.empty() ? nullptr : &shell_.form(step.text));
            break;
        case Step::Unload:
            shell_.form(step.name).unload();
            break;
        case Step::End:
            services().end();
            return;
        }
    }
}

void Form::run(const rt::Handler& handler) {
    try {
        apply(handler(*this));
    } catch (const rt::RuntimeError& error) {
        services().runtimeError(error);
    }
}

} // namespace desktop
