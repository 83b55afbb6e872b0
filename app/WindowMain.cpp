// The window's start, in the module korvo loads only when a window is wanted.
#include "app/EndSignals.h"
#include "app/SystemEnvironment.h"
#include "app/WindowModule.h"
#include "core/Version.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QScopeGuard>
#include <memory>

#ifdef KORVO_FONTCONFIG
#include "app/FontWarmup.h"
#endif
#ifdef KORVO_SESSION_BUS
#include "app/SessionBusWarmup.h"
#endif

extern "C" Q_DECL_EXPORT int korvoWindowMain(korvo::WindowStart* start) {
#ifdef KORVO_SESSION_BUS
    korvo::SessionBusWarmup sessionBus;
#endif
#ifdef KORVO_FONTCONFIG
    korvo::FontWarmup fonts;
#endif
    QApplication app(*start->argc, start->argv);
    // Both threads use the application object: neither may outlive it, however this returns.
    const auto joinWarmups = qScopeGuard([&] {
#ifdef KORVO_FONTCONFIG
        fonts.finish();
#endif
#ifdef KORVO_SESSION_BUS
        sessionBus.finish();
#endif
    });
    QApplication::setApplicationName(QStringLiteral("Korvo"));
    QApplication::setApplicationVersion(QStringLiteral(KORVO_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvo.Korvo"));
    QString settingsFile;
    if (const std::optional<int> code = start->applicationMade(&settingsFile)) return *code;

    korvo::Environment env = korvo::systemEnvironment(settingsFile);
#ifdef KORVO_FONTCONFIG
    fonts.applicationMade();
#endif
    const std::unique_ptr<QWidget> window = korvo::startMainWindow(std::move(env));
    // Signals and the session's end wait for an apply under way, as "Exit" does.
    const korvo::EndSignals ends([&window](const QString& by) { korvo::endMainWindow(*window, by); });
    const auto settle = [&window] {
        korvo::settleMainWindow(*window, QCoreApplication::translate("main", "the end of the session"));
    };
    QObject::connect(&app, &QGuiApplication::commitDataRequest, settle);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, settle);
    return QApplication::exec();
}
