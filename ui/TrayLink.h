// The tray as a face of the main window: its entries apply as the apply buttons do, and it follows
// the marks, the apply run, the profile sets and the adapters at a glance. Made once the window
// shows, when the desktop has a tray.
#pragma once

#include "ui/Environment.h"
#include "ui/ProfileTab.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace korvo {

class AdapterStates;
class ApplyRun;
class ApplyView;
class SetChooser;
class Tray;

class TrayLink : public QObject {
    Q_OBJECT

public:
    // What the window does for the tray.
    struct Window {
        QWidget* widget;
        std::function<void(int tabIndex)> press; // as its apply button
        std::function<QString(int tabIndex)> caption;
        std::function<void()> end; // as its Exit
    };
    TrayLink(Window window, AdapterStates& states, ApplyRun& run, ApplyView& view, SetChooser& sets);
    ~TrayLink() override;

    // Makes the tray, unless there is one or the desktop has none (`hasSystemTray` says so, when set).
    void show(const std::function<bool()>& hasSystemTray);
    // Apply button `tabIndex` shows `caption` now.
    void setCaption(int tabIndex, const QString& caption);
    // The window comes to the front, restored.
    void bringBack();

private:
    Window Shown;
    AdapterStates& States;
    ApplyRun& Run;
    ApplyView& View;
    SetChooser& Sets;
    QPointer<Tray> Icon;
};

} // namespace korvo
