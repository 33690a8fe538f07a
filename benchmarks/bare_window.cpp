// The yardstick for the program's start-up: the least a Qt Widgets program does to show one frameless
// top-level window of the browser window's size. startup_probe times both.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(667, 586);
    window.show();
    return application.exec();
}
