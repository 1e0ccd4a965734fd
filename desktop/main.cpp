// ΣΧΗμάτιος: start-up. The runtime shows the menu; the program computes nothing at start.
#include "appsetup.h"
#include "program.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (!desktop::displayAvailable()) {
        std::fprintf(stderr, "ΣΧΗμάτιος: no display available (set DISPLAY, or run under "
                             "Xvfb, or QT_QPA_PLATFORM=offscreen)\n");
        return 1;
    }
    QApplication application(argc, argv);
    desktop::setUpApplication(application);

    desktop::DesktopServices services;
    desktop::Program program(services, desktop::systemDecimalSeparator());
    program.start();
    return QApplication::exec();
}
