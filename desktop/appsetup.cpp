#include "appsetup.h"

#include "access.h"
#include "forms.h"

#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QStyleFactory>
#include <cstdlib>

// The pictures live in the app library's resources; a static library must register
// them by hand, and only from outside any namespace.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace desktop {

bool displayAvailable() {
    const auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

void setUpApplication(QApplication& application) {
    initResources();
    installAccessibility();
    // The window class a window manager and a dock see (X11 WM_CLASS) is the application's
    // name, and the desktop entry's StartupWMClass names it: plain ASCII. No display name is
    // set, or Qt would add it to every caption.
    QApplication::setApplicationName(QString::fromLatin1(kWindowClass));
    QApplication::setApplicationVersion(QString::fromLatin1(app::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("gr.schimatios.Schimatios"));
    // The program ends when its last form unloads; the forms decide that, not Qt.
    application.setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The largest face and size at which every caption fits the part of its label that
    // the design leaves uncovered (several labels run under a text box or a bar).
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(10);
    QApplication::setFont(font);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/icon16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/icon32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icon);
}

std::string systemDecimalSeparator() {
    return QLocale::system().decimalPoint().toStdString();
}

} // namespace desktop
