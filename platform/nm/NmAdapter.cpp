#include "platform/nm/NmAdapter.h"

#include "platform/nm/LinkProbe.h"
#include "platform/nm/NmSentences.h"
#include "platform/nm/NmState.h"
#include "platform/nm/NmUnfinished.h"

#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QSet>
#include <QThread>
#include <QUuid>

#include <optional>
#include <utility>
#include <variant>

namespace korvo::platform::nmbus {

namespace {

// NetworkManager's highest connection.autoconnect-priority.
constexpr int MaxAutoconnectPriority = 999;

// Names the UUIDs of the profiles Korvo makes for devices that have none.
const QUuid FirstProfileNamespace(QStringLiteral("0a988770-37aa-4150-94ae-8bafa7db476b"));

class NmAdapter : public Adapter {
public:
    NmAdapter(std::shared_ptr<Bus> bus, QString devicePath, QString interfaceName, uint deviceType,
              nm::DnsProperty dns, IPv4State state, QString hardwareAddress)
        : bus_(std::move(bus)), device_(std::move(devicePath)), interface_(std::move(interfaceName)),
          type_(deviceType), dns_(dns), state_(std::move(state)), hardware_(std::move(hardwareAddress)) {}

    std::string caption() const override { return interface_.toStdString(); }
    std::string hardwareAddress() const override { return hardware_.toStdString(); }
    std::optional<IPv4State> ipv4State() const override { return state_; }
    std::optional<IPv4State> readBack() override { return liveState(deviceState()); }
    const QString& devicePath() const { return device_; }

    // The edits gathered on a copy of the device's profile, then saved once and made live once.
    ChangeResult apply(const IPv4Settings& settings) override {
        failure_.clear();
        ChangeResult result;
        std::optional<Pending> pending;
        try {
            pending = fresh(firstProfileUuid());
            pending->asked = &settings;
            if (settings.staticAddresses) {
                nm::EnableStatic op;
                for (const auto& a : *settings.staticAddresses) {
                    op.addresses.push_back(a.address);
                    op.masks.push_back(a.mask);
                }
                result.address = resultOf(gather(*pending, op, dns_));
            } else {
                nm::EnableDHCP op;
                for (const auto& a : settings.besideLease) {
                    op.addresses.push_back(a.address);
                    op.masks.push_back(a.mask);
                }
                result.address = resultOf(gather(*pending, op, dns_));
            }
        } catch (const PermissionRefusal&) {
            // Reading the profile needs a permission too.
            result.address = resultOf(code::AccessDenied);
        }
        if (!succeeded(result.address.code)) return result;
        if (settings.staticAddresses && settings.gateways)
            result.gateways =
                resultOf(gather(*pending,
                                nm::SetGateways{*settings.gateways,
                                                std::vector<int>(settings.gateways->size(), GatewayMetric)},
                                dns_));
        if (settings.winsServers)
            // NetworkManager has no WINS setting for these devices: clearing is all there is to do.
            result.wins = resultOf(settings.winsServers->first.empty() && settings.winsServers->second.empty()
                                       ? code::Success
                                       : code::NotOnThisPlatform);
        if (settings.setsDns)
            result.dns = resultOf(gather(*pending, nm::SetDNSServerSearchOrder{settings.dnsServers}, dns_));
        int whole = code::UnknownFailure;
        try {
            whole = carryOut(*pending);
        } catch (const PermissionRefusal& e) {
            whole = refusedFor(e);
        }
        result.whole = resultOf(whole, succeeded(whole) ? std::string() : failure_);
        return result;
    }

    LinkAnswer holderOf(const std::string& address, std::chrono::milliseconds wait) override {
        // Without a link no host can answer, and none is asked.
        bool unplugged = false;
        try {
            unplugged = withoutCarrier(deviceState());
        } catch (const ServiceError&) {
            // The link itself can still be asked; the change will meet the service's trouble.
        }
        if (unplugged)
            return {LinkAnswer::Kind::NotChecked,
                    {},
                    said(QT_TRANSLATE_NOOP("korvo::NetworkManager", "the adapter's cable is not connected"))};
        return link::holderOf(interface_, address, wait);
    }

    LinkAnswer reach(const std::string& host, std::chrono::milliseconds wait) override {
        return link::reach(interface_, host, wait);
    }

private:
    struct DeviceState {
        uint state = 0;
        uint flags = 0;
        QString active;
        QString hardwareAddress;
        QList<QDBusObjectPath> available;
        QString config; // IP4Config
        QString lease;  // DHCP4Config
    };

    DeviceState deviceState() {
        const auto props = fromVariant<QVariantMap>(
            bus_->read(device_, PropertiesIface, QStringLiteral("GetAll"), {DeviceIface})
                .arguments()
                .value(0));
        return {props.value(QStringLiteral("State")).toUInt(),
                props.value(QStringLiteral("InterfaceFlags")).toUInt(),
                fromVariant<QDBusObjectPath>(props.value(QStringLiteral("ActiveConnection"))).path(),
                props.value(QStringLiteral("HwAddress")).toString(),
                fromVariant<QList<QDBusObjectPath>>(props.value(QStringLiteral("AvailableConnections"))),
                fromVariant<QDBusObjectPath>(props.value(QStringLiteral("Ip4Config"))).path(),
                fromVariant<QDBusObjectPath>(props.value(QStringLiteral("Dhcp4Config"))).path()};
    }

    // The device's IPv4 configuration as it is live, which another program may have changed under its
    // profile.
    IPv4State liveState(const DeviceState& device) {
        const auto object = [this](const QString& path, const QString& iface) {
            return path.isEmpty() || path == NoObject
                       ? QVariantMap()
                       : fromVariant<QVariantMap>(
                             bus_->read(path, PropertiesIface, QStringLiteral("GetAll"), {iface})
                                 .arguments()
                                 .value(0));
        };
        const bool dhcp = !device.lease.isEmpty() && device.lease != NoObject;
        IPv4State state = nm::ipv4StateFrom(
            object(device.config, QStringLiteral("org.freedesktop.NetworkManager.IP4Config")), dhcp);
        if (dhcp)
            state.leaseDnsServers = nm::leaseDnsServers(
                object(device.lease, QStringLiteral("org.freedesktop.NetworkManager.DHCP4Config")));
        return state;
    }

    // Unavailable for want of a link: what is saved now takes effect when the cable is plugged in.
    bool withoutCarrier(const DeviceState& device) const {
        return device.state == StateUnavailable && !(device.flags & InterfaceFlagCarrier) && type_ != Wifi;
    }

    // The profile an active connection runs; empty when it has gone meanwhile.
    QString profileOf(const QString& activeConnection) {
        if (activeConnection.isEmpty() || activeConnection == NoObject) return {};
        const auto reply = bus_->call(activeConnection, PropertiesIface, QStringLiteral("Get"),
                                      {ActiveIface, QStringLiteral("Connection")});
        const QString path =
            failed(reply) ? QString() : fromVariant<QDBusObjectPath>(propertyValue(reply)).path();
        return path == NoObject ? QString() : path;
    }

    // Whether NetworkManager would put the profile on this device: of the device's kind, and naming
    // its interface and hardware address where it names them (a generic profile names neither). One
    // bound to another hardware address (the adapter was swapped or re-plugged) does not fit.
    // Other kinds of device (Wi-Fi, bonds, bridges...) only by their interface name.
    bool fits(const ConnectionSettings& settings, const QString& hardwareAddress) const {
        const auto connection = settings.value(QStringLiteral("connection"));
        const QString name = connection.value(QStringLiteral("interface-name")).toString();
        if (type_ != Ethernet && type_ != Veth) return name == interface_;
        if (connection.value(QStringLiteral("type")).toString() != QLatin1String("802-3-ethernet"))
            return false;
        if (!name.isEmpty() && name != interface_) return false;
        const QByteArray mac = settings.value(QStringLiteral("802-3-ethernet"))
                                   .value(QStringLiteral("mac-address"))
                                   .toByteArray();
        return mac.isEmpty() ||
               QString::fromLatin1(mac.toHex(':')).compare(hardwareAddress, Qt::CaseInsensitive) == 0;
    }

    // How NetworkManager ranks the profiles it may bring up on a device by itself: those that connect
    // by themselves, then the higher autoconnect-priority, then the one used last.
    struct Rank {
        bool autoconnect = true;
        int priority = 0;
        qulonglong timestamp = 0;
        auto operator<=>(const Rank&) const = default;
    };
    static Rank rankOf(const ConnectionSettings& settings) {
        const auto connection = settings.value(QStringLiteral("connection"));
        return {connection.value(QStringLiteral("autoconnect"), true).toBool(),
                connection.value(QStringLiteral("autoconnect-priority"), 0).toInt(),
                connection.value(QStringLiteral("timestamp")).toULongLong()};
    }

    // The profile to edit: the active one; else the one NetworkManager would activate on the device,
    // of those it can use now or that fit it (without a cable it can use none, yet what fits is what
    // it takes when plugged in). Empty: the device has none. `rivals`: the highest autoconnect-priority
    // of the other profiles that would connect by themselves, nullopt when there are none.
    QString profileFor(const DeviceState& device, std::optional<int>& rivals) {
        const QString active = profileOf(device.active);
        QSet<QString> available;
        for (const auto& path : device.available)
            available.insert(path.path());
        const auto saved = fromVariant<QList<QDBusObjectPath>>(
            bus_->read(SettingsPath, SettingsIface, QStringLiteral("ListConnections")).arguments().value(0));
        QString best = active;
        std::optional<Rank> bestRank;
        std::vector<std::pair<QString, Rank>> candidates;
        for (const auto& path : saved) {
            const QDBusMessage reply =
                bus_->call(path.path(), ConnectionIface, QStringLiteral("GetSettings"));
            if (failed(reply)) continue; // deleted meanwhile, or not this caller's to see
            const auto settings = settingsFrom(reply);
            if (path.path() != active && !available.contains(path.path()) &&
                !fits(settings, device.hardwareAddress))
                continue;
            const Rank rank = rankOf(settings);
            candidates.emplace_back(path.path(), rank);
            if (active.isEmpty() && (!bestRank || rank > *bestRank)) {
                best = path.path();
                bestRank = rank;
            }
        }
        rivals.reset();
        for (const auto& [path, rank] : candidates)
            if (path != best && rank.autoconnect && (!rivals || rank.priority > *rivals))
                rivals = rank.priority;
        return best;
    }

    // An activation request returns before the device leaves its old state; the
    // next method must find it activating the new request, or it would activate
    // once more instead of reapplying. `added`: the profile this request made, which no
    // activation older than it can run.
    int awaitActivation(const QString& activeConnection, const QString& added = {}) {
        QElapsedTimer timer;
        timer.start();
        do {
            const auto device = deviceState();
            if (device.active == activeConnection && device.state >= StatePrepare) {
                return device.state <= StateActivated ? code::Success : code::UnknownFailure;
            }
            // Another apply activated the new profile anew meanwhile: it carries this one's values too.
            if (!added.isEmpty() && device.state >= StatePrepare && device.state <= StateActivated &&
                device.active != activeConnection && profileOf(device.active) == added) {
                return code::Success;
            }
            QThread::msleep(2);
        } while (timer.elapsed() < bus_->timeoutMs());
        return code::UnknownFailure;
    }

    // What an apply asks for, on top of the profile as it was.
    struct Pending {
        QString profile; // empty: the device has none, one is made when the change is carried out
        ConnectionSettings settings;
        std::vector<nm::Operation> operations; // those accepted, to be made again on another profile
        ConnectionSettings original; // the profile as it was read: what a refused change is undone to
        bool canActivate = true;
        bool activating = true;
        bool activated = false;
        bool withoutCarrier = false;
        bool enables = false;
        bool changed = false;
        bool reactivate = false;
        const IPv4Settings* asked = nullptr;
    };

    // The device's profile as it is now, or a new one with `uuid` when it has none.
    Pending fresh(const QString& uuid) {
        Pending p;
        const DeviceState device = deviceState();
        p.canActivate = device.state >= StateDisconnected;
        p.activating = device.state >= StatePrepare && device.state <= StateActivated;
        p.activated = device.state == StateActivated;
        p.withoutCarrier = withoutCarrier(device);
        std::optional<int> rivals;
        p.profile = profileFor(device, rivals);
        p.settings =
            p.profile.isEmpty()
                ? nm::newEthernetProfile(interface_, uuid)
                : settingsFrom(bus_->read(p.profile, ConnectionIface, QStringLiteral("GetSettings")));
        p.original = p.settings;
        // The active profile keeps the device at the next connect too: above every other that would
        // connect by itself.
        auto& connection = p.settings[QStringLiteral("connection")];
        const int priority = connection.value(QStringLiteral("autoconnect-priority"), 0).toInt();
        if (!p.profile.isEmpty() && rivals && *rivals >= priority && *rivals < MaxAutoconnectPriority) {
            connection[QStringLiteral("autoconnect-priority")] = *rivals + 1;
            p.changed = true;
        }
        return p;
    }

    // The same for every apply to this device: when two race to give it its first profile,
    // NetworkManager refuses the second UUID, and that apply edits the profile the first one made.
    QString firstProfileUuid() const {
        return QUuid::createUuidV5(FirstProfileNamespace, interface_).toString(QUuid::WithoutBraces);
    }

    static int gather(Pending& p, const nm::Operation& operation, nm::DnsProperty dns) {
        const auto edit = nm::transform(p.settings, operation, dns);
        if (edit.code != code::Success) {
            return edit.code;
        }
        p.settings = edit.settings;
        p.operations.push_back(operation);
        p.changed = p.changed || edit.changed;
        p.reactivate = p.reactivate || edit.reactivate;
        p.enables = p.enables || std::holds_alternative<nm::EnableStatic>(operation) ||
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

    // Whether a profile of the UUID `p` would add exists by now.
    bool added(const Pending& p) {
        const QString uuid =
            p.settings.value(QStringLiteral("connection")).value(QStringLiteral("uuid")).toString();
        return !failed(
            bus_->call(SettingsPath, SettingsIface, QStringLiteral("GetConnectionByUuid"), {uuid}));
    }

    // The code for NetworkManager's refusal, its reason kept for the result: for a permission,
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
        failure_ = missingPermissionAdvice(refusal.permission);
        return code::AccessDenied;
    }

    // nullopt: another apply gave the device its profile meanwhile.
    std::optional<int> create(const Pending& p) {
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
            if (failed(reply)) {
                return added(p)
                           ? std::nullopt
                           : std::optional(refused(QStringLiteral("AddConnection"), reply, {ModifySystem}));
            }
            return p.withoutCarrier ? code::SuccessWhenConnected : code::Success;
        }
        // Adding and activating in one call: a profile added alone would
        // autoconnect at once, and activating it then would do it twice.
        const QStringList permissions{ModifySystem, NetworkControl};
        const auto reply = bus_->change(ManagerPath, ManagerIface, QStringLiteral("AddAndActivateConnection"),
                                        {settings, QVariant::fromValue(QDBusObjectPath(device_)),
                                         QVariant::fromValue(QDBusObjectPath(NoObject))},
                                        permissions);
        if (failed(reply)) {
            return added(p) ? std::nullopt
                            : std::optional(
                                  refused(QStringLiteral("AddAndActivateConnection"), reply, permissions));
        }
        const QString profile = fromVariant<QDBusObjectPath>(reply.arguments().value(0)).path();
        const int activated =
            awaitActivation(fromVariant<QDBusObjectPath>(reply.arguments().value(1)).path(), profile);
        if (!succeeded(activated)) {
            // Reported as not applied, so it must not stay behind to autoconnect later. NetworkManager
            // let this caller add it, so it lets it delete it; one that stopped answering throws, and
            // the report says the service failed.
            (void)bus_->change(profile, ConnectionIface, QStringLiteral("Delete"), {}, {ModifySystem});
        }
        return activated;
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
            if (const auto created = create(p)) {
                return *created;
            }
            // Made by the apply that won the race: this one edits it as if it had been there before.
            Pending again = fresh(QUuid::createUuid().toString(QUuid::WithoutBraces));
            again.asked = p.asked;
            for (const auto& operation : p.operations) {
                if (const int c = gather(again, operation, dns_); c != code::Success) {
                    return c;
                }
            }
            if (again.profile.isEmpty()) {
                // Gone again, or bound to another device: a profile of its own, under a fresh UUID.
                return create(again).value_or(code::UnknownFailure);
            }
            return carryOut(again);
        }
        // From the save until this apply answers, a Korvo that must end can put the profile back.
        const auto note = p.changed ? std::make_unique<UnfinishedNote>(UnfinishedSave{
                                          bus_, p.profile, p.original, device_, interface_, p.activating})
                                    : nullptr;
        if (p.changed) {
            if (const int saved = save(p.profile, p.settings); saved != code::Success) {
                return saved;
            }
            note->saved();
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
            failure_ = said(QT_TRANSLATE_NOOP("korvo::NetworkManager",
                                              "NetworkManager could not activate the adapter with them."));
            return code::SavedNotInEffect;
        }
        const std::string refusal = failure_;
        if (undo(p)) {
            failure_ = refusal;
            return live;
        }
        failure_ =
            QCoreApplication::translate("korvo::NetworkManager", "Putting them into effect was refused: %1")
                .arg(QString::fromStdString(refusal))
                .toStdString();
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
            // The profile already holds the values; the device too, unless another program changed
            // it since: then the profile is made live again. One still activating gets it anyway.
            if (!p.changed && (!p.activated || !p.asked || holds(liveState(deviceState()), *p.asked))) {
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
                // Not active: still activating (another apply's activation, for one).
                if (!reply.errorName().endsWith(QLatin1String(".IncompatibleConnection")) &&
                    !reply.errorName().endsWith(QLatin1String(".NotActive"))) {
                    return refused(QStringLiteral("Reapply"), reply, {NetworkControl});
                }
            }
            return activate(p.profile);
        }
        if (p.canActivate && (p.changed || p.enables)) {
            return activate(p.profile);
        }
        if (!p.withoutCarrier) return code::Success;
        // A profile that does not connect by itself is not brought up by the cable either.
        if (!p.settings.value(QStringLiteral("connection"))
                 .value(QStringLiteral("autoconnect"), true)
                 .toBool()) {
            failure_ = said(QT_TRANSLATE_NOOP(
                "korvo::NetworkManager", "The adapter's cable is not connected, and its profile does not "
                                         "connect by itself: connect it once the cable is plugged in."));
            return code::SavedNotInEffect;
        }
        return code::SuccessWhenConnected;
    }

    std::string failure_;
    bool activationStarted_ = false;

    std::shared_ptr<Bus> bus_;
    QString device_;
    QString interface_;
    uint type_;
    nm::DnsProperty dns_;
    IPv4State state_;
    QString hardware_;
};

} // namespace

std::unique_ptr<Adapter> makeAdapter(std::shared_ptr<Bus> bus, QString devicePath, QString interfaceName,
                                     uint deviceType, nm::DnsProperty dns, IPv4State state,
                                     QString hardwareAddress) {
    return std::make_unique<NmAdapter>(std::move(bus), std::move(devicePath), std::move(interfaceName),
                                       deviceType, dns, std::move(state), std::move(hardwareAddress));
}

QString devicePathOf(const Adapter& adapter) {
    const auto* nm = dynamic_cast<const NmAdapter*>(&adapter);
    return nm ? nm->devicePath() : QString();
}

} // namespace korvo::platform::nmbus
