// A second yardstick: the bare window with one word of text in it, the least a window
// that shows any text pays (the font configuration, the font list, one font engine).
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Korvo"));
    window.show();
    return QApplication::exec();
}
