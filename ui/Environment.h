#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;
class QUrl;

namespace korvo {
namespace platform {
class ServiceConnector;
}

// What the main window needs from the outside world; app/ gives it the real
// thing, tests replace any of it.
struct Environment {
    // Folder that holds KorvoHelp.chm (and a portable Korvo.ini).
    QString programFolder;
    // The settings file, as settingsLocation decides it.
    QString settingsFile;
    // The network configuration service; null behaves like an unreachable service.
    std::shared_ptr<platform::ServiceConnector> connector;
    // Ends the process at once: nothing saved, no further handler. Tests record the call instead.
    std::function<void()> terminate;
    // A modal message box with an OK button and the exclamation icon.
    std::function<void(QWidget* parent, const QString& title, const QString& text)> exclamation;
    // A modal message box with Yes and No buttons and the question icon; true for Yes. Unset answers No.
    std::function<bool(QWidget* parent, const QString& title, const QString& text)> question;
    // Opens a file with the desktop's default viewer; false when nothing could open it.
    std::function<bool(const QString& path)> openDocument;
    // Whether the desktop has a system tray; unset asks Qt.
    std::function<bool()> hasSystemTray;
    // Tells whoever started Korvo (its standard error) what an ending apply did; unset writes there.
    std::function<void(const QString& text)> tell;
};

} // namespace korvo
