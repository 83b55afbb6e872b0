// The yardstick for Korvo's start-up: the least a Qt Widgets program does to
// show a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return QApplication::exec();
}
