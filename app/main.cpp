#include "app/FontWarmup.h"
#include "app/SystemEnvironment.h"
#include "core/Version.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const korvo::FontWarmup fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvo"));
    QApplication::setApplicationVersion(QStringLiteral(KORVO_VERSION));

    korvo::Form1 form(korvo::systemEnvironment());
    form.Start();
    return QApplication::exec();
}
