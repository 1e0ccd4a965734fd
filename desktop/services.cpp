#include "services.h"

#include "forms.h"

#include <QApplication>
#include <QMessageBox>

namespace desktop {

void DesktopServices::beep() {
    QApplication::beep();
}

void DesktopServices::end() {
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

void DesktopServices::tell(const std::string& message) {
    auto* box = new QMessageBox(QMessageBox::Information, QString::fromUtf8(app::kProgramName),
                                QString::fromStdString(message), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open(); // beside the window, which stays usable
}

void DesktopServices::runtimeError(const rt::RuntimeError& error) {
    QMessageBox::critical(nullptr, QString::fromUtf8(app::kProgramName),
                          QString::fromUtf8(error.what()));
    QCoreApplication::exit(1);
}

} // namespace desktop
