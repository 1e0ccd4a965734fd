// A bare Qt Widgets window of the menu's size, the yardstick for start-up time and memory.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(392, 281);
    window.show();
    return QApplication::exec();
}
