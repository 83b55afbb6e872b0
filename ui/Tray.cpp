#include "ui/Tray.h"

#include "ui/Artwork.h"
#include "ui/MenuText.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace korvo {

Tray::Tray(const std::array<QString, TabCount>& captions, const std::array<bool, TabCount>& inEffect,
           QObject* parent)
    : QObject(parent), Menu(new QMenu) {
    for (int t = 0; t < TabCount; ++t) {
        QAction* action = Menu->addAction(QString());
        action->setCheckable(true);
        action->setChecked(inEffect[static_cast<std::size_t>(t)]);
        connect(action, &QAction::triggered, this, [this, t] { emit applyChosen(t); });
        Actions[static_cast<std::size_t>(t)] = action;
    }
    Menu->addSeparator();
    connect(Menu->addAction(tr("Show Korvo")), &QAction::triggered, this, &Tray::showChosen);
    connect(Menu->addAction(tr("Exit")), &QAction::triggered, this, &Tray::exitChosen);

    Icon = new QSystemTrayIcon(art::markIcon(), this);
    Icon->setObjectName(QStringLiteral("TrayIcon"));
    Icon->setToolTip(tr("Korvo"));
    Icon->setContextMenu(Menu);
    // Named once the icon knows who draws its menu.
    for (int t = 0; t < TabCount; ++t)
        setCaption(t, captions[static_cast<std::size_t>(t)]);
    connect(Icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) emit showChosen();
    });
    Icon->show();
}

bool Tray::available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

Tray::~Tray() {
    // The menu is a top-level popup that the icon does not own.
    delete Menu;
}

// A desktop with a StatusNotifier host gets the menu from Qt over D-Bus and draws it itself;
// otherwise (Windows, macOS, an X11 tray without one) Qt draws it.
MenuDrawer Tray::drawer() const {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (Menu->platformMenu()) return MenuDrawer::DBusMenu;
#endif
    return MenuDrawer::Qt;
}

void Tray::setCaption(int tabIndex, const QString& caption) {
    Actions[static_cast<std::size_t>(tabIndex)]->setText(menuText(caption, drawer()));
}

void Tray::showAdapters(const std::vector<TrayAdapter>& adapters) {
    const QString tip = tooltipFor(adapters);
    if (Icon->toolTip() != tip) Icon->setToolTip(tip);
}

QString Tray::tooltipFor(const std::vector<TrayAdapter>& adapters) {
    QStringList lines{tr("Korvo")};
    for (const TrayAdapter& adapter : adapters) {
        QString where =
            adapter.Addresses.isEmpty() ? tr("no address") : adapter.Addresses.join(QLatin1String(", "));
        if (adapter.Dhcp) where = tr("%1 by DHCP", "addresses").arg(where);
        lines << (adapter.InEffect.isEmpty()
                      ? tr("%1: %2, no profile in effect", "adapter, addresses").arg(adapter.Caption, where)
                      : tr("%1: %2, in effect: %3", "adapter, addresses, profiles")
                            .arg(adapter.Caption, where, adapter.InEffect.join(QLatin1String(" / "))));
    }
    return lines.join(QLatin1Char('\n'));
}

void Tray::setInEffect(int tabIndex, bool active) {
    Actions[static_cast<std::size_t>(tabIndex)]->setChecked(active);
}

void Tray::warn(const QString& text) {
    LastWarning = text;
    Icon->showMessage(tr("Korvo"), text, QSystemTrayIcon::Warning);
}

void Tray::setBusy(bool busy) {
    for (QAction* action : Actions)
        action->setEnabled(!busy);
    if (SetsMenu) SetsMenu->setEnabled(!busy);
}

void Tray::setSets(const QStringList& names, const QString& current) {
    // Only where there is a choice: one set is the design's menu.
    if (names.size() < 2) {
        delete SetsMenu;
        SetsMenu = nullptr;
        return;
    }
    if (!SetsMenu) {
        SetsMenu = new QMenu(tr("Profile set"), Menu);
        Menu->insertMenu(Menu->actions().value(TabCount + 1), SetsMenu);
        SetsMenu->setEnabled(Actions[0]->isEnabled());
    }
    SetsMenu->clear();
    for (const QString& name : names) {
        // '&' would mark an access key instead of showing.
        QAction* action = SetsMenu->addAction(QString(name).replace(u'&', QLatin1String("&&")));
        action->setCheckable(true);
        action->setChecked(name == current);
        // Queued: the choice rebuilds this menu, which the action's own signal must not see.
        connect(
            action, &QAction::triggered, this, [this, name] { emit setChosen(name); }, Qt::QueuedConnection);
    }
}

} // namespace korvo
