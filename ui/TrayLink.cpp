#include "ui/TrayLink.h"

#include "core/ApplyRun.h"
#include "ui/AdapterStates.h"
#include "ui/ApplyView.h"
#include "ui/Form4.h"
#include "ui/SetChooser.h"
#include "ui/Tray.h"

#include <QGuiApplication>
#include <QWidget>

namespace korvo {

TrayLink::TrayLink(Window window, AdapterStates& states, ApplyRun& run, ApplyView& view, SetChooser& sets)
    : Shown(std::move(window)), States(states), Run(run), View(view), Sets(sets) {}

TrayLink::~TrayLink() = default;

void TrayLink::show(const std::function<bool()>& hasSystemTray) {
    if (Icon) return;
    if (!(hasSystemTray ? hasSystemTray() : Tray::available())) return;

    std::array<QString, TabCount> captions;
    std::array<bool, TabCount> inEffect{};
    for (int t = 0; t < TabCount; ++t) {
        captions[static_cast<std::size_t>(t)] = Shown.caption(t);
        inEffect[static_cast<std::size_t>(t)] = States.isInEffect(t);
    }
    // The window's child, where its tests and its ending find it.
    Icon = new Tray(captions, inEffect, Shown.widget);
    connect(Icon, &Tray::applyChosen, this, [this](int tabIndex) {
        // An outcome still waiting for "Ok" (the window perhaps minimised) comes to the front instead:
        // the click is not lost without a sign. While an apply runs the entries are greyed.
        if (View.waitingForOk()) {
            bringBack();
            View.window()->raise();
            View.window()->activateWindow();
            return;
        }
        // What the button does; a disabled window takes no press.
        if (Shown.widget->isEnabled()) Shown.press(tabIndex);
        States.ShowProfilesInEffect();
    });
    connect(Icon, &Tray::showChosen, this, &TrayLink::bringBack);
    connect(Icon, &Tray::exitChosen, this, [this] { Shown.end(); });
    Icon->setBusy(Run.running());
    connect(&Run, &ApplyRun::runningChanged, Icon, &Tray::setBusy);
    connect(&View, &ApplyView::warned, Icon, &Tray::warn);
    connect(&States, &AdapterStates::inEffect, Icon, &Tray::setInEffect);
    Icon->setSets(Sets.names(), Sets.currentName());
    connect(&Sets, &SetChooser::listed, Icon, &Tray::setSets);
    connect(Icon, &Tray::setChosen, &Sets, &SetChooser::choose);
    Icon->showAdapters(States.glance());
    connect(&States, &AdapterStates::shown, this, [this] {
        if (Icon) Icon->showAdapters(States.glance());
    });
}

void TrayLink::setCaption(int tabIndex, const QString& caption) {
    if (!Icon) return;
    Icon->setCaption(tabIndex, caption);
    Icon->showAdapters(States.glance());
}

void TrayLink::bringBack() {
    QWidget& w = *Shown.widget;
    // Wayland lets a program neither raise its window nor restore or even know it minimised: a
    // window mapped anew comes to the front.
    if (!w.isActiveWindow() && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) w.hide();
    w.showNormal();
    w.raise();
    w.activateWindow();
}

} // namespace korvo
