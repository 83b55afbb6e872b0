#include "ui/AdapterStates.h"

#include "core/ProfileInEffect.h"
#include "platform/NetConfigService.h"

#include <QHash>
#include <QPointer>
#include <QPushButton>
#include <exception>
#include <utility>

namespace korvo {

QString AdapterStates::applyTip() {
    return tr("Click this button to use these settings");
}

AdapterStates::AdapterStates(std::shared_ptr<platform::ServiceConnector> connector, const ProfileBook& book,
                             const std::array<ProfileTab*, TabCount>& tabs,
                             const std::array<QPushButton*, TabCount>& buttons)
    : Connector(std::move(connector)), Book(book), Tabs(tabs), Buttons(buttons) {
    const QPointer<AdapterStates> self(this);
    for (ProfileTab* t : Tabs)
        t->setAdapterStates([self](const QString& caption) {
            return self ? self->stateOf(caption) : std::optional<platform::IPv4State>();
        });
}

AdapterStates::~AdapterStates() = default;

void AdapterStates::show(std::vector<AdapterNow> now) {
    Now = std::move(now);
    show();
}

// The marks and the lists' tooltips: start-up, once the lists are complete, and each answer after.
void AdapterStates::show() {
    ShowProfilesInEffect();
    QHash<QString, QString> tips;
    for (const AdapterNow& adapter : Now)
        if (!tips.contains(adapter.Caption))
            tips.insert(adapter.Caption, stateTooltip(adapter.Caption, adapter.State));
    for (ProfileTab* t : Tabs)
        t->setAdapterTips([&tips](const QString& caption) { return tips.value(caption); });
}

void AdapterStates::ShowProfilesInEffect() {
    for (int t = 0; t < TabCount; ++t) {
        const ButtonProfile button = Book.button(t + 1);
        const Profile& typed = button.Typed;
        QString where;
        if (!typed.AdapterCaption.isEmpty())
            for (const AdapterNow& adapter : Now)
                if (adapter.Caption == typed.AdapterCaption &&
                    profileInEffect(typed, button.Mode, adapter.State)) {
                    where = adapter.Caption;
                    break;
                }
        QPushButton* shown = Buttons[static_cast<std::size_t>(t)];
        const bool active = !where.isEmpty();
        // The button's face paints the mark from its "active" property.
        if (std::exchange(InEffect[static_cast<std::size_t>(t)], active) != active) {
            shown->setProperty("active", active);
            shown->update();
        }
        const QString tip = active ? tr("%1\nIn effect on %2").arg(applyTip(), where) : applyTip();
        if (shown->toolTip() != tip) shown->setToolTip(tip);
        // What a screen reader says after the caption: what pressing does, and the mark.
        const QString caption = Tabs[static_cast<std::size_t>(t)]->caption();
        const QString description =
            typed.AdapterCaption.isEmpty()
                ? tr("Applies %1; no adapter is chosen for it.").arg(caption)
                : (active ? tr("Applies %1 to %2. In effect now.") : tr("Applies %1 to %2."))
                      .arg(caption, typed.AdapterCaption);
        if (shown->accessibleDescription() != description) shown->setAccessibleDescription(description);
        emit inEffect(t, active);
    }
}

std::optional<platform::IPv4State> AdapterStates::stateOf(const QString& caption) const {
    for (const AdapterNow& adapter : Now)
        if (adapter.Caption == caption) return adapter.State;
    return std::nullopt;
}

// Asked without waiting (NetworkManager answers through the event loop), so a hung service does not
// freeze the window; changes heard meanwhile ask once more when the answer is in.
void AdapterStates::refresh() {
    if (!Connector) return;
    if (Refreshing) {
        RefreshAgain = true;
        return;
    }
    Refreshing = true;
    const QPointer<AdapterStates> self(this);
    try {
        Connector->listAdapters([self](std::vector<std::unique_ptr<platform::Adapter>> adapters) {
            if (self) self->Listed(std::move(adapters));
        });
    } catch (const std::exception&) {
        // Unknown is not in effect: the marks go.
        if (self && Refreshing) Listed({});
    }
}

void AdapterStates::Listed(std::vector<std::unique_ptr<platform::Adapter>> adapters) {
    Refreshing = false;
    std::vector<AdapterNow> now;
    for (const std::unique_ptr<platform::Adapter>& adapter : adapters)
        if (const std::optional<platform::IPv4State> state = adapter->ipv4State())
            now.push_back({QString::fromStdString(adapter->caption()), *state,
                           QString::fromStdString(adapter->hardwareAddress())});
    show(std::move(now));
    if (std::exchange(RefreshAgain, false)) refresh();
}

QString AdapterStates::hardwareAddressOf(const QString& caption) const {
    for (const AdapterNow& a : Now)
        if (a.Caption == caption) return a.HardwareAddress;
    return {};
}

void AdapterStates::watchSoon() {
    if (WatchAsked || !Connector) return;
    WatchAsked = true;
    QMetaObject::invokeMethod(
        this, [this] { Watch = Connector->watchChanges([this] { refresh(); }); }, Qt::QueuedConnection);
}

} // namespace korvo
