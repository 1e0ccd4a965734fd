// ΣΧΗμάτιος: start-up. The runtime shows the menu; the program computes nothing at start.
#include "appsetup.h"
#include "forms.h"
#include "program.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void noDisplay() {
    std::fprintf(stderr, "ΣΧΗμάτιος: no display available (set DISPLAY, or run under "
                         "Xvfb, or QT_QPA_PLATFORM=offscreen)\n");
}

QtMessageHandler qtHandler = nullptr;

// What Qt says while it starts, kept back until it is known whether it found a display.
struct Held {
    QtMsgType type;
    QByteArray category;
    QString message;
};
std::vector<Held> held;

// A display variable that points nowhere makes Qt warn about its platform plugin, then give
// up with a fatal message and abort; say what is wrong in one line instead, status 1.
void whileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && message.contains(QLatin1String("platform plugin"))) {
        noDisplay();
        std::_Exit(1);
    }
    if (type == QtFatalMsg) qtHandler(type, context, message);
    held.push_back({type, QByteArray(context.category ? context.category : ""), message});
}

// Qt started: what it said on the way goes out as it would have.
void releaseHeld() {
    qInstallMessageHandler(qtHandler);
    for (const Held& h : held)
        qtHandler(h.type, QMessageLogContext(nullptr, 0, nullptr, h.category.constData()),
                  h.message);
    held.clear();
}

// --help and --version answer on standard output and end; the first other argument is a
// link to open (schimatios:1/τρίγωνο/Α=50/Γ=60/β=5), anything after it is ignored.
bool answered(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("Usage: schimatios [LINK | --help | --version]\n"
                        "ΣΧΗμάτιος: σχεδίαση και μελέτη των βασικών σχημάτων της επίπεδης "
                        "γεωμετρίας.\n"
                        "Draws and studies the elementary figures of plane geometry; "
                        "see schimatios(1).\n");
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("ΣΧΗμάτιος %s\n", app::kVersion);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (answered(argc, argv)) return 0;
    if (!desktop::displayAvailable()) {
        noDisplay();
        return 1;
    }
    qtHandler = qInstallMessageHandler(whileStarting);
    QApplication application(argc, argv);
    releaseHeld();
    desktop::setUpApplication(application);

    desktop::DesktopServices services;
    desktop::Program program(services, desktop::systemDecimalSeparator());
    const QStringList arguments = QApplication::arguments();
    program.start(arguments.size() > 1 ? arguments[1].toStdString() : std::string());
    return QApplication::exec();
}
