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
    const auto absent = [this](const QString& caption) { return isAbsent(caption); };
    for (ProfileTab* t : Tabs)
        t->setAdapterTips(
            [this, &tips](const QString& caption) {
                return isAbsent(caption) ? absentTip(caption) : tips.value(caption);
            },
            absent);
}

void AdapterStates::setPresent(const QStringList& captions) {
    if (!captions.isEmpty()) Present = captions;
}

bool AdapterStates::isAbsent(const QString& caption) const {
    return !Present.isEmpty() && !Present.contains(caption);
}

QString AdapterStates::absentTip(const QString& caption) {
    return tr("%1: not there now\nUnplugged, switched off or renamed.\nProfiles that use it keep it.")
        .arg(caption);
}

std::vector<TrayAdapter> AdapterStates::glance() const {
    std::vector<TrayAdapter> out;
    for (std::size_t i = 0; i < Now.size(); ++i) {
        TrayAdapter adapter{Now[i].Caption, {}, Now[i].State.dhcp, {}};
        for (const std::string& address : Now[i].State.addresses)
            adapter.Addresses << QString::fromStdString(address);
        // Named as now, though marked when last shown.
        if (i < InEffectOn.size())
            for (const int t : InEffectOn[i]) {
                const QString& name = Book.profile(t).Name;
                adapter.InEffect << (t == DhcpTab || name.isEmpty()
                                         ? Tabs[static_cast<std::size_t>(t)]->caption()
                                         : name);
            }
        out.push_back(std::move(adapter));
    }
    return out;
}

void AdapterStates::ShowProfilesInEffect() {
    InEffectOn.assign(Now.size(), {});
    for (int t = 0; t < TabCount; ++t) {
        const ButtonProfile button = Book.button(t + 1);
        const Profile& typed = button.Typed;
        const QString named =
            t == DhcpTab || typed.Name.isEmpty() ? Tabs[static_cast<std::size_t>(t)]->caption() : typed.Name;
        QString where;
        if (!typed.AdapterCaption.isEmpty())
            for (std::size_t i = 0; i < Now.size(); ++i)
                if (Now[i].Caption == typed.AdapterCaption &&
                    profileInEffect(typed, button.Mode, Now[i].State)) {
                    if (where.isEmpty()) where = Now[i].Caption;
                    InEffectOn[i].push_back(t);
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
    emit shown();
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
    QStringList captions;
    for (const std::unique_ptr<platform::Adapter>& adapter : adapters) {
        captions << QString::fromStdString(adapter->caption());
        if (const std::optional<platform::IPv4State> state = adapter->ipv4State())
            now.push_back({captions.last(), *state, QString::fromStdString(adapter->hardwareAddress())});
    }
    setPresent(captions);
    // The lists gain what was plugged in before the entries are marked.
    if (!captions.isEmpty()) emit listed(captions);
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
