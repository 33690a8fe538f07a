// The yardstick for the program's start-up: the least a Qt Widgets program does to show one frameless
// top-level window of the size of the program's first window, the splash window. startup_probe times both.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(324, 286);
    window.show();
    return application.exec();
}
