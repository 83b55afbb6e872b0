#include "platform/nm/NmAdapter.h"

#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QThread>
#include <QUuid>

#include <optional>
#include <utility>
#include <variant>

namespace korvo::platform::nmbus {

namespace {

class NmAdapter : public Adapter {
public:
    NmAdapter(std::shared_ptr<Bus> bus, QString devicePath, QString interfaceName, uint deviceType,
              nm::DnsProperty dns, IPv4State state)
        : bus_(std::move(bus)), device_(std::move(devicePath)), interface_(std::move(interfaceName)),
          type_(deviceType), dns_(dns), state_(std::move(state)) {}

    std::string caption() const override { return interface_.toStdString(); }
    std::optional<IPv4State> ipv4State() const override { return state_; }
    const QString& devicePath() const { return device_; }

    int enableStatic(const std::vector<std::string>& ipAddresses,
                     const std::vector<std::string>& subnetMasks) override {
        return edit(nm::EnableStatic{ipAddresses, subnetMasks});
    }
    int setGateways(const std::vector<std::string>& gateways, const std::vector<int>& metrics) override {
        return edit(nm::SetGateways{gateways, metrics});
    }
    int enableDHCP() override { return edit(nm::EnableDHCP{}); }
    int setWINSServer(const std::string& primary, const std::string& secondary) override {
        // NetworkManager has no WINS setting for these devices: clearing is all there is to do.
        return primary.empty() && secondary.empty() ? code::Success : code::NotOnThisPlatform;
    }
    int setDNSServerSearchOrder(const std::optional<std::vector<std::string>>& servers) override {
        return edit(nm::SetDNSServerSearchOrder{servers});
    }
    int commit() override {
        failure_.clear();
        if (!pending_) {
            return code::Success;
        }
        const Pending p = std::move(*pending_);
        pending_.reset();
        try {
            return carryOut(p);
        } catch (const PermissionRefusal& e) {
            return refusedFor(e);
        }
    }
    std::string failureDetail() const override { return failure_; }

private:
    struct DeviceState {
        uint state = 0;
        QString active;
        QList<QDBusObjectPath> available;
    };

    DeviceState deviceState() {
        const auto props = fromVariant<QVariantMap>(
            bus_->read(device_, PropertiesIface, QStringLiteral("GetAll"), {DeviceIface})
                .arguments()
                .value(0));
        return {props.value(QStringLiteral("State")).toUInt(),
                fromVariant<QDBusObjectPath>(props.value(QStringLiteral("ActiveConnection"))).path(),
                fromVariant<QList<QDBusObjectPath>>(props.value(QStringLiteral("AvailableConnections")))};
    }

    // The profile to edit: the active one, else one the device could use.
    QString profileFor(const DeviceState& device) {
        if (!device.active.isEmpty() && device.active != NoObject) {
            const auto reply = bus_->read(device.active, PropertiesIface, QStringLiteral("Get"),
                                          {ActiveIface, QStringLiteral("Connection")});
            const auto path = fromVariant<QDBusObjectPath>(propertyValue(reply)).path();
            if (!path.isEmpty() && path != NoObject) {
                return path;
            }
        }
        return device.available.isEmpty() ? QString() : device.available.front().path();
    }

    // An activation request returns before the device leaves its old state; the
    // next method must find it activating the new request, or it would activate
    // once more instead of reapplying.
    int awaitActivation(const QString& activeConnection) {
        QElapsedTimer timer;
        timer.start();
        do {
            const auto device = deviceState();
            if (device.active == activeConnection && device.state >= StatePrepare) {
                return device.state <= StateActivated ? code::Success : code::UnknownFailure;
            }
            QThread::msleep(2);
        } while (timer.elapsed() < bus_->timeoutMs());
        return code::UnknownFailure;
    }

    // What this adapter's methods asked for since the last commit, on top of the profile as it was.
    struct Pending {
        QString profile; // empty: the device has none, one is made at commit
        ConnectionSettings settings;
        ConnectionSettings original; // the profile as it was read: what a refused change is undone to
        bool canActivate = true;
        bool activating = true;
        bool enables = false;
        bool changed = false;
        bool reactivate = false;
    };

    int stage(const nm::Operation& operation) {
        if (!pending_) {
            Pending p;
            const DeviceState device = deviceState();
            p.canActivate = device.state >= StateDisconnected;
            p.activating = device.state >= StatePrepare && device.state <= StateActivated;
            p.profile = profileFor(device);
            p.settings =
                p.profile.isEmpty()
                    ? nm::newEthernetProfile(interface_, QUuid::createUuid().toString(QUuid::WithoutBraces))
                    : settingsFrom(bus_->read(p.profile, ConnectionIface, QStringLiteral("GetSettings")));
            p.original = p.settings;
            pending_ = std::move(p);
        }
        const auto edit = nm::transform(pending_->settings, operation, dns_);
        if (edit.code != code::Success) {
            return edit.code;
        }
        pending_->settings = edit.settings;
        pending_->changed = pending_->changed || edit.changed;
        pending_->reactivate = pending_->reactivate || edit.reactivate;
        pending_->enables = pending_->enables || std::holds_alternative<nm::EnableStatic>(operation) ||
                            std::holds_alternative<nm::EnableDHCP>(operation);
        return code::Success;
    }

    int activate(const QString& profile) {
        const auto reply = bus_->change(ManagerPath, ManagerIface, QStringLiteral("ActivateConnection"),
                                        {QVariant::fromValue(QDBusObjectPath(profile)),
                                         QVariant::fromValue(QDBusObjectPath(device_)),
                                         QVariant::fromValue(QDBusObjectPath(NoObject))},
                                        {NetworkControl});
        if (failed(reply)) {
            return refused(QStringLiteral("ActivateConnection"), reply, {NetworkControl});
        }
        activationStarted_ = true;
        return awaitActivation(fromVariant<QDBusObjectPath>(reply.arguments().value(0)).path());
    }

    // The code for NetworkManager's refusal, its reason kept for failureDetail(): for a permission,
    // which one and how to get it.
    int refused(const QString& method, const QDBusMessage& reply, const QStringList& permissions) {
        if (permissionDenied(reply.errorName())) {
            return refusedFor(
                PermissionRefusal(Bus::reason(method, reply), refusedPermission(reply, permissions)));
        }
        failure_ = Bus::reason(method, reply);
        return codeForRefusal(reply);
    }
    int refusedFor(const PermissionRefusal& refusal) {
        failure_ = missingPermissionAdvice(refusal.permission.toStdString());
        return code::AccessDenied;
    }

    int create(const Pending& p) {
        if (!p.changed && !p.enables) {
            return code::Success;
        }
        if (!canCreateProfile(type_)) {
            return code::UnknownFailure;
        }
        const QVariant settings = QVariant::fromValue(p.settings);
        if (!p.canActivate) {
            const auto reply = bus_->change(SettingsPath, SettingsIface, QStringLiteral("AddConnection"),
                                            {settings}, {ModifySystem});
            return failed(reply) ? refused(QStringLiteral("AddConnection"), reply, {ModifySystem})
                                 : code::Success;
        }
        // Adding and activating in one call: a profile added alone would
        // autoconnect at once, and activating it then would do it twice.
        const QStringList permissions{ModifySystem, NetworkControl};
        const auto reply = bus_->change(ManagerPath, ManagerIface, QStringLiteral("AddAndActivateConnection"),
                                        {settings, QVariant::fromValue(QDBusObjectPath(device_)),
                                         QVariant::fromValue(QDBusObjectPath(NoObject))},
                                        permissions);
        if (failed(reply)) {
            return refused(QStringLiteral("AddAndActivateConnection"), reply, permissions);
        }
        return awaitActivation(fromVariant<QDBusObjectPath>(reply.arguments().value(1)).path());
    }

    int save(const QString& profile, const ConnectionSettings& settings) {
        const auto reply =
            bus_->change(profile, ConnectionIface, QStringLiteral("Update2"),
                         {QVariant::fromValue(settings), Update2ToDisk, QVariantMap{}}, {ModifySystem});
        return failed(reply) ? refused(QStringLiteral("Update2"), reply, {ModifySystem}) : code::Success;
    }

    // One save and one reapply for the whole apply: each costs NetworkManager more than the edit. Once
    // saved, a change that cannot be put into effect is undone where NetworkManager refused it, so that
    // nothing changed; where it cannot be undone it is reported as saved.
    int carryOut(const Pending& p) {
        if (p.profile.isEmpty()) {
            return create(p);
        }
        if (p.changed) {
            if (const int saved = save(p.profile, p.settings); saved != code::Success) {
                return saved;
            }
        }
        activationStarted_ = false;
        int live = code::UnknownFailure;
        try {
            live = putIntoEffect(p);
        } catch (const PermissionRefusal& e) {
            live = refusedFor(e);
        } catch (const PromptWithdrawn& e) {
            // NetworkManager was never asked to put it into effect.
            if (!p.changed || undo(p)) throw;
            failure_ = e.what();
            return code::SavedNotInEffect;
        } catch (const ServiceError& e) {
            if (!p.changed) throw;
            failure_ = e.what();
            return code::SavedNotInEffect;
        }
        if (succeeded(live) || !p.changed) {
            return live;
        }
        // Activated and failed: the device is no longer as it was, so the old settings are no undo.
        if (activationStarted_) {
            failure_ = "NetworkManager could not activate the adapter with them.";
            return code::SavedNotInEffect;
        }
        const std::string refusal = failure_;
        if (undo(p)) {
            failure_ = refusal;
            return live;
        }
        failure_ = "Putting them into effect was refused: " + refusal;
        return code::SavedNotInEffect;
    }

    // The profile saved back as it was read; false when NetworkManager did not take it.
    bool undo(const Pending& p) {
        try {
            return save(p.profile, p.original) == code::Success;
        } catch (const ServiceError&) {
            return false;
        }
    }

    int putIntoEffect(const Pending& p) {
        if (p.activating) {
            if (!p.changed) {
                return code::Success;
            }
            if (!p.reactivate) {
                // Reapply changes the addresses in place, without taking the link down.
                const auto reply = bus_->change(
                    device_, DeviceIface, QStringLiteral("Reapply"),
                    {QVariant::fromValue(ConnectionSettings{}), qulonglong{0}, uint{0}}, {NetworkControl});
                if (!failed(reply)) {
                    return code::Success;
                }
                if (!reply.errorName().endsWith(QLatin1String(".IncompatibleConnection"))) {
                    return refused(QStringLiteral("Reapply"), reply, {NetworkControl});
                }
            }
            return activate(p.profile);
        }
        if (p.canActivate && (p.changed || p.enables)) {
            return activate(p.profile);
        }
        return code::Success;
    }

    int edit(const nm::Operation& operation) {
        try {
            return stage(operation);
        } catch (const PermissionRefusal&) {
            pending_.reset();
            return code::AccessDenied;
        } catch (...) {
            pending_.reset();
            throw;
        }
    }

    std::optional<Pending> pending_;
    std::string failure_;
    bool activationStarted_ = false;

    std::shared_ptr<Bus> bus_;
    QString device_;
    QString interface_;
    uint type_;
    nm::DnsProperty dns_;
    IPv4State state_;
};

} // namespace

std::unique_ptr<Adapter> makeAdapter(std::shared_ptr<Bus> bus, QString devicePath, QString interfaceName,
                                     uint deviceType, nm::DnsProperty dns, IPv4State state) {
    return std::make_unique<NmAdapter>(std::move(bus), std::move(devicePath), std::move(interfaceName),
                                       deviceType, dns, std::move(state));
}

QString devicePathOf(const Adapter& adapter) {
    const auto* nm = dynamic_cast<const NmAdapter*>(&adapter);
    return nm ? nm->devicePath() : QString();
}

} // namespace korvo::platform::nmbus
