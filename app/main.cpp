#include "app/FontWarmup.h"
#include "app/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const korvo::FontWarmup fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvo"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.0.2"));

    korvo::Form1 form(korvo::Form1Environment::system());
    form.Start();
    return QApplication::exec();
}
