#include "core/Rollback.h"

#include "core/ResultTexts.h"
#include "core/ServiceConnection.h"
#include "platform/IPv4Address.h"
#include "platform/NetConfigService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QThread>
#include <algorithm>
#include <optional>

namespace korvo {

namespace {

// "255.255.255.0" for 24; a prefix out of range is taken as the nearest one.
std::string maskOf(int prefix) {
    return platform::IPv4Address::maskOf(std::clamp(prefix, 0, 32))->toString();
}

// What an apply would send to get `state` back; the first refused setting's reason, or empty.
QString reapply(platform::Adapter& adapter, const platform::IPv4State& state) {
    platform::IPv4Settings settings;
    if (!state.dhcp) {
        settings.staticAddresses.emplace();
        for (const std::string& a : state.addresses) {
            const auto [address, prefix] = platform::IPv4Address::splitPrefix(a);
            settings.staticAddresses->push_back({std::string(address), maskOf(prefix.value_or(0))});
        }
        if (!state.gateway.empty()) settings.gateways = {state.gateway};
        settings.dnsServers = state.dnsServers;
    }
    // On DHCP, whether the servers came from the lease or were typed is not reported; the lease's are taken.
    const platform::ChangeResult result = adapter.apply(settings);
    const QString name = QString::fromStdString(adapter.caption());
    const std::pair<const platform::SettingResult*, const char*> made[] = {
        {&result.address,
         state.dhcp ? QT_TRANSLATE_NOOP("Rollback", "DHCP") : QT_TRANSLATE_NOOP("Rollback", "the address")},
        {&result.gateways, QT_TRANSLATE_NOOP("Rollback", "the gateway")},
        {&result.dns, QT_TRANSLATE_NOOP("Rollback", "the DNS servers")},
        {&result.whole, QT_TRANSLATE_NOOP("Rollback", "the change")}};
    for (const auto& [setting, what] : made) {
        if (setting->status == platform::SettingResult::Status::ServiceFailed)
            throw platform::ServiceError(setting->reason);
        if (setting->status != platform::SettingResult::Status::NotMade &&
            !platform::succeeded(setting->code))
            return QCoreApplication::translate("Rollback", "%1: %2 was refused (%3)")
                .arg(name, QCoreApplication::translate("Rollback", what), describeServiceCode(setting->code));
    }
    return {};
}

} // namespace

Rollback::Rollback(std::shared_ptr<platform::ServiceConnector> connector, const QString& caption,
                   std::chrono::seconds timeout)
    : Connector(std::move(connector)) {
    const std::unique_ptr<platform::Service> service =
        connectService(Connector.get(), platform::Purpose::Change);
    const auto adapters = service->adapters();
    const std::vector<platform::Adapter*> named = adaptersNamed(adapters, caption.toStdString());
    guard(*service, {named.begin(), named.end()}, timeout);
}

Rollback::Rollback(std::shared_ptr<platform::ServiceConnector> connector, platform::Service& service,
                   const std::vector<const platform::Adapter*>& adapters, std::chrono::seconds timeout)
    : Connector(std::move(connector)) {
    guard(service, adapters, timeout);
}

void Rollback::guard(platform::Service& service, const std::vector<const platform::Adapter*>& guarded,
                     std::chrono::seconds timeout) {
    if (guarded.empty()) return;
    std::vector<std::optional<platform::IPv4State>> states;
    for (const platform::Adapter* adapter : guarded)
        states.push_back(adapter->ipv4State());
    Native = service.checkpoint(guarded, timeout);
    for (std::size_t i = 0; i < guarded.size(); ++i) {
        // Without the service's own checkpoint the record is the only way back.
        if (!Native && (!states[i] || (!states[i]->dhcp && states[i]->addresses.empty())))
            throw platform::ServiceError(
                QCoreApplication::translate(
                    "Rollback", "the service does not say what %1 has now, so it could not be put back")
                    .arg(QString::fromStdString(guarded[i]->caption()))
                    .toStdString());
        Before.emplace_back(guarded[i]->caption(), states[i].value_or(platform::IPv4State{}));
    }
}

Rollback::~Rollback() = default;

void Rollback::keep() {
    if (Done) return;
    if (Native) Native->keep();
    Done = true; // a checkpoint that could not be kept can still be rolled back
}

void Rollback::rollBack() {
    if (Done) return;
    Done = true;
    if (Native) {
        Native->rollBack();
        return;
    }
    const std::unique_ptr<platform::Service> service =
        connectService(Connector.get(), platform::Purpose::Change);
    const auto adapters = service->adapters();
    // Adapters that share a caption are put back in the order they were recorded.
    std::vector<bool> restored(Before.size(), false);
    QStringList failures;
    for (const auto& adapter : adapters) {
        if (!adapter) continue;
        for (std::size_t i = 0; i < Before.size(); ++i) {
            if (restored[i] || Before[i].first != adapter->caption()) continue;
            restored[i] = true;
            if (const QString why = reapply(*adapter, Before[i].second); !why.isEmpty()) failures << why;
            break;
        }
    }
    for (std::size_t i = 0; i < Before.size(); ++i)
        if (!restored[i])
            failures << QCoreApplication::translate("Rollback", "%1 is gone")
                            .arg(QString::fromStdString(Before[i].first));
    if (!failures.isEmpty()) throw platform::ServiceError(failures.join(QStringLiteral("; ")).toStdString());
}

std::optional<platform::IPv4State> RestoreReading::stateOf(const std::string& caption) const {
    const auto it =
        std::find_if(now.begin(), now.end(), [&caption](const auto& n) { return n.first == caption; });
    return it == now.end() ? std::nullopt : it->second;
}

RestoreReading readUntilRestored(const Rollback& undo, platform::ServiceConnector* connector,
                                 std::chrono::milliseconds wait, std::chrono::milliseconds step) {
    QElapsedTimer waited;
    waited.start();
    RestoreReading reading;
    do {
        reading.now.clear();
        try {
            for (const auto& adapter : connectService(connector, platform::Purpose::List)->adapters())
                if (adapter) reading.now.emplace_back(adapter->caption(), adapter->ipv4State());
        } catch (const std::exception&) {
        }
        reading.restored =
            std::all_of(undo.before().begin(), undo.before().end(), [&reading](const auto& before) {
                return std::any_of(reading.now.begin(), reading.now.end(), [&before](const auto& n) {
                    return n.first == before.first && n.second == before.second;
                });
            });
        if (!reading.restored) QThread::msleep(static_cast<unsigned long>(step.count()));
    } while (!reading.restored && waited.elapsed() < wait.count());
    return reading;
}

ApplyOutcome restoredOutcome(Rollback& undo, const ApplyOutcome& applied,
                             const std::shared_ptr<platform::ServiceConnector>& connector,
                             std::chrono::milliseconds wait) {
    ApplyOutcome outcome;
    outcome.Values = applied.Values;
    outcome.InEffect = shownValues(applied.Values);
    try {
        undo.rollBack();
    } catch (const std::exception& e) {
        outcome.Unconfirmed = true;
        outcome.Reasons.push_back({ReasonKind::NotPutBack, {QString::fromStdString(e.what())}});
        return outcome;
    }
    const RestoreReading reading =
        readUntilRestored(undo, connector.get(), wait, std::chrono::milliseconds(100));
    const bool same = reading.restored;

    outcome.State = same ? ApplyState::NotApplied : ApplyState::ServiceError;
    outcome.Unconfirmed = !same;
    outcome.Reasons.push_back({ReasonKind::PutBack, {applied.Values.Gateway}});
    for (const auto& [caption, state] : undo.before()) {
        Reason r{same ? ReasonKind::Restored : ReasonKind::NotRestored, {QString::fromStdString(caption)}};
        r.Had = state;
        if (!same) r.Has = reading.stateOf(caption);
        outcome.Reasons.push_back(std::move(r));
    }
    return outcome;
}

} // namespace korvo
