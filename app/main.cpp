#include "app/FontWarmup.h"
#include "app/SystemEnvironment.h"
#include "core/Version.h"
#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const korvo::FontWarmup fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvo"));
    QApplication::setApplicationVersion(QStringLiteral(KORVO_VERSION));

    const std::unique_ptr<QWidget> window = korvo::startMainWindow(korvo::systemEnvironment());
    return QApplication::exec();
}
