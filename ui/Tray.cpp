#include "ui/Tray.h"

#include "ui/Artwork.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace korvo {

Tray::Tray(const std::array<QString, TabCount>& captions, const std::array<bool, TabCount>& inEffect,
           QObject* parent)
    : QObject(parent), Menu(new QMenu) {
    for (int t = 0; t < TabCount; ++t) {
        QAction* action = Menu->addAction(captions[static_cast<std::size_t>(t)]);
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

void Tray::setCaption(int tabIndex, const QString& caption) {
    Actions[static_cast<std::size_t>(tabIndex)]->setText(caption);
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
