#include "ui/AdapterStates.h"

#include "core/ProfileInEffect.h"
#include "platform/NetConfigService.h"

#include <QHash>
#include <QPushButton>
#include <exception>

namespace korvo {

const char* const AdapterStates::ApplyTip = "Click this button to use these settings";

AdapterStates::AdapterStates(std::shared_ptr<platform::ServiceConnector> connector,
                             const std::array<ProfileTab*, TabCount>& tabs,
                             const std::array<QPushButton*, TabCount>& buttons)
    : Connector(std::move(connector)), Tabs(tabs), Buttons(buttons) {}

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
            tips.insert(adapter.Caption, describeState(adapter.Caption, adapter.State));
    for (ProfileTab* t : Tabs)
        t->setAdapterTips([&tips](const QString& caption) { return tips.value(caption); });
}

void AdapterStates::ShowProfilesInEffect() {
    for (int t = 0; t < TabCount; ++t) {
        const Profile typed = Tabs[static_cast<std::size_t>(t)]->profile();
        QString where;
        if (!typed.AdapterCaption.isEmpty())
            for (const AdapterNow& adapter : Now)
                if (adapter.Caption == typed.AdapterCaption &&
                    profileInEffect(typed, t == DhcpTab ? ApplyMode::Dhcp : ApplyMode::Static,
                                    adapter.State)) {
                    where = adapter.Caption;
                    break;
                }
        QPushButton* button = Buttons[static_cast<std::size_t>(t)];
        const bool active = !where.isEmpty();
        if (button->property("active").toBool() != active) {
            button->setProperty("active", active);
            button->update();
        }
        const QString tip =
            active ? QStringLiteral("%1\nIn effect on %2").arg(QString::fromLatin1(ApplyTip), where)
                   : QString::fromLatin1(ApplyTip);
        if (button->toolTip() != tip) button->setToolTip(tip);
        emit inEffect(t, active);
    }
}

void AdapterStates::refresh() {
    if (!Connector) return;
    std::vector<AdapterNow> now;
    try {
        const std::unique_ptr<platform::Service> service = Connector->connect(platform::Purpose::List);
        if (service)
            for (const std::unique_ptr<platform::Adapter>& adapter : service->adapters())
                if (const std::optional<platform::IPv4State> state = adapter->ipv4State())
                    now.push_back({QString::fromStdString(adapter->caption()), *state});
    } catch (const std::exception&) {
        // Unknown is not in effect: the marks go.
    }
    show(std::move(now));
}

void AdapterStates::watchSoon() {
    if (WatchAsked || !Connector) return;
    WatchAsked = true;
    QMetaObject::invokeMethod(
        this, [this] { Watch = Connector->watchChanges([this] { refresh(); }); }, Qt::QueuedConnection);
}

} // namespace korvo
