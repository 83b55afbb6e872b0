// The tray icon and its menu: the seven apply buttons by their captions, checked where their
// profile is in effect, then "Show Korvo" and "Exit". The window decides what each one does. The
// icon's tooltip tells each adapter's address and the profiles in effect on it.
#pragma once

#include "ui/ProfileTab.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace korvo {

enum class MenuDrawer;

// One adapter as the tooltip tells it.
struct TrayAdapter {
    QString Caption;
    QStringList Addresses; // "192.0.2.20/24", in the service's order
    bool Dhcp = false;
    QStringList InEffect; // the captions of the profiles in effect on it
};

class Tray : public QObject {
    Q_OBJECT

public:
    // Shows the icon at once; the menu starts with the buttons' captions and marks.
    Tray(const std::array<QString, TabCount>& captions, const std::array<bool, TabCount>& inEffect,
         QObject* parent);
    ~Tray() override;
    // Whether the desktop has a tray to show the icon in.
    static bool available();

    // `caption` as typed; the menu shows it so, '&' and '_' included.
    void setCaption(int tabIndex, const QString& caption);
    // What the adapters have now, for the tooltip.
    void showAdapters(const std::vector<TrayAdapter>& adapters);
    static QString tooltipFor(const std::vector<TrayAdapter>& adapters);
    void setInEffect(int tabIndex, bool active);
    // A warning in the desktop's notification, beside the icon.
    void warn(const QString& text);
    const QString& lastWarning() const { return LastWarning; }
    // While an apply runs the seven entries are greyed: a click would go nowhere.
    void setBusy(bool busy);
    // The profile sets in a submenu, `current` checked.
    void setSets(const QStringList& names, const QString& current);

signals:
    void applyChosen(int tabIndex);      // one of the seven entries
    void showChosen();                   // "Show Korvo", or a click on the icon
    void exitChosen();                   // "Exit"
    void setChosen(const QString& name); // a set in the sets' submenu

private:
    MenuDrawer drawer() const;

    QMenu* Menu = nullptr;
    QSystemTrayIcon* Icon = nullptr;
    std::array<QAction*, TabCount> Actions{};
    QMenu* SetsMenu = nullptr;
    QString LastWarning;
};

} // namespace korvo
