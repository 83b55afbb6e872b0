#include "platform/nm/NetworkManager.h"

#include "platform/nm/NmAdapter.h"
#include "platform/nm/NmSentences.h"
#include "platform/nm/NmSettings.h"
#include "platform/nm/NmState.h"
#include "platform/nm/NmUnfinished.h"

#include <QAtomicInt>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <ctime>
#include <functional>
#include <optional>
#include <tuple>
#include <utility>

namespace korvo::platform {

namespace {

using namespace nmbus;

// Upon rollback NetworkManager also deletes profiles made after the checkpoint: Korvo makes one for an
// adapter that had none.
constexpr uint CheckpointDeleteNewConnections = 0x2;
// NMRollbackResult.
constexpr uint RollbackOk = 0;

class NmCheckpoint : public Checkpoint {
public:
    NmCheckpoint(std::shared_ptr<Bus> bus, QString path, QHash<QString, QString> interfaces)
        : bus_(std::move(bus)), path_(std::move(path)), interfaces_(std::move(interfaces)) {}

    void keep() override {
        const auto reply = bus_->change(ManagerPath, ManagerIface, QStringLiteral("CheckpointDestroy"),
                                        {QVariant::fromValue(QDBusObjectPath(path_))}, {CheckpointRollback});
        if (failed(reply)) {
            throw ServiceError(exists() ? refusal(QStringLiteral("CheckpointDestroy"), reply)
                                        : said(QT_TRANSLATE_NOOP(
                                              "korvo::NetworkManager",
                                              "its time was up: NetworkManager had already rolled it back")));
        }
    }

    void rollBack() override {
        const auto reply = bus_->change(ManagerPath, ManagerIface, QStringLiteral("CheckpointRollback"),
                                        {QVariant::fromValue(QDBusObjectPath(path_))}, {CheckpointRollback});
        if (failed(reply)) {
            // Gone: its own timeout has rolled it back a moment ago.
            if (!exists()) return;
            throw ServiceError(refusal(QStringLiteral("CheckpointRollback"), reply));
        }
        QStringList notRestored;
        const auto results = fromVariant<QMap<QString, uint>>(reply.arguments().value(0));
        for (auto it = results.cbegin(); it != results.cend(); ++it) {
            if (it.value() != RollbackOk) notRestored << interfaces_.value(it.key(), it.key());
        }
        if (!notRestored.isEmpty()) {
            throw ServiceError(
                QCoreApplication::translate("korvo::NetworkManager", "NetworkManager could not restore %1")
                    .arg(notRestored.join(QStringLiteral(", ")))
                    .toStdString());
        }
    }

private:
    bool exists() {
        try {
            const auto reply = bus_->read(ManagerPath, PropertiesIface, QStringLiteral("Get"),
                                          {ManagerIface, QStringLiteral("Checkpoints")});
            const auto all = fromVariant<QList<QDBusObjectPath>>(propertyValue(reply));
            return std::any_of(all.cbegin(), all.cend(),
                               [this](const QDBusObjectPath& p) { return p.path() == path_; });
        } catch (const ServiceError&) {
            return true; // unknown: the refusal stands
        }
    }

    static std::string refusal(const QString& method, const QDBusMessage& reply) {
        const QString why =
            permissionDenied(reply.errorName())
                ? QCoreApplication::translate("korvo::NetworkManager",
                                              "NetworkManager refused %1: permission denied")
                      .arg(method)
                : QCoreApplication::translate("korvo::NetworkManager", "NetworkManager refused %1")
                      .arg(method);
        return QStringLiteral("%1 (%2: %3)").arg(why, reply.errorName(), reply.errorMessage()).toStdString();
    }

    std::shared_ptr<Bus> bus_;
    QString path_;
    QHash<QString, QString> interfaces_; // device path -> interface name
};

const QStringList ManagerProperties = {QStringLiteral("Version"), QStringLiteral("Devices")};
const QStringList DeviceProperties = {QStringLiteral("Interface"), QStringLiteral("DeviceType"),
                                      QStringLiteral("Real"),      QStringLiteral("Managed"),
                                      QStringLiteral("Ip4Config"), QStringLiteral("Dhcp4Config"),
                                      QStringLiteral("HwAddress")};
const QString IP4ConfigIface = QStringLiteral("org.freedesktop.NetworkManager.IP4Config");
const QStringList IP4ConfigProperties = {QStringLiteral("AddressData"), QStringLiteral("Gateway"),
                                         QStringLiteral("NameserverData")};
const QString DHCP4ConfigIface = QStringLiteral("org.freedesktop.NetworkManager.DHCP4Config");
const QStringList DHCP4ConfigProperties = {QStringLiteral("Options")};

// The properties named in `wanted` of an a{sv} dictionary; the others'
// values are stepped over without being decoded.
QVariantMap properties(const QDBusArgument& dictionary, const QStringList& wanted) {
    QVariantMap values;
    dictionary.beginMap();
    while (!dictionary.atEnd()) {
        QString name;
        dictionary.beginMapEntry();
        dictionary >> name;
        if (wanted.contains(name)) {
            QDBusVariant value;
            dictionary >> value;
            values.insert(name, value.variant());
        } else {
            dictionary.beginStructure(); // enters the variant; leaving it unread skips it
            dictionary.endStructure();
        }
        dictionary.endMapEntry();
    }
    dictionary.endMap();
    return values;
}

// A device the user can put IPv4 settings on.
bool listable(const QVariantMap& device) {
    const auto name = device.value(QStringLiteral("Interface")).toString();
    return device.value(QStringLiteral("Real")).toBool() &&
           device.value(QStringLiteral("Managed")).toBool() &&
           configurable(device.value(QStringLiteral("DeviceType")).toUInt()) && !name.isEmpty() &&
           name != QLatin1String("lo");
}

QString objectPath(const QVariant& value) {
    return fromVariant<QDBusObjectPath>(value).path();
}

// The listable devices in the manager's order, from the manager's, the devices' and the IPv4
// configurations' properties by object path.
std::vector<std::unique_ptr<Adapter>> listedAdapters(const std::shared_ptr<Bus>& bus,
                                                     const QHash<QString, QVariantMap>& objects) {
    const auto manager = objects.value(ManagerPath);
    const auto dns = nm::dnsPropertyFor(manager.value(QStringLiteral("Version")).toString());
    std::vector<std::unique_ptr<Adapter>> items;
    for (const auto& path : fromVariant<QList<QDBusObjectPath>>(manager.value(QStringLiteral("Devices")))) {
        const auto device = objects.value(path.path());
        if (!listable(device)) continue;
        const QString lease = objectPath(device.value(QStringLiteral("Dhcp4Config")));
        const bool dhcp = !lease.isEmpty() && lease != NoObject;
        IPv4State state =
            nm::ipv4StateFrom(objects.value(objectPath(device.value(QStringLiteral("Ip4Config")))), dhcp);
        if (dhcp) state.leaseDnsServers = nm::leaseDnsServers(objects.value(lease));
        items.push_back(makeAdapter(bus, path.path(), device.value(QStringLiteral("Interface")).toString(),
                                    device.value(QStringLiteral("DeviceType")).toUInt(), dns,
                                    std::move(state), device.value(QStringLiteral("HwAddress")).toString()));
    }
    return items;
}

// The one way the adapters are listed, asking only for what decides it: the manager's properties,
// then every device's, then the IPv4 configurations of the devices listed, each batch sent at once.
// GetManagedObjects would bring every object NetworkManager has (1.7 MB for 129 devices). The window
// lists without waiting (the answers come on its event loop); an apply, on a thread of its own, waits.
class Listing : public QObject {
public:
    using Done = std::function<void(std::vector<std::unique_ptr<Adapter>>)>;

    // Without waiting: `done` gets the adapters, or none when NetworkManager could not be asked.
    Listing(std::shared_ptr<Bus> bus, Done done, QObject* parent)
        : QObject(parent), bus_(std::move(bus)), done_(std::move(done)) {}

    // Waiting: the adapters, and the interface names of the devices NetworkManager leaves alone. Throws
    // what Bus::read() throws when NetworkManager could not be asked.
    static std::vector<std::unique_ptr<Adapter>> now(const std::shared_ptr<Bus>& bus,
                                                     QSet<QString>& unmanaged) {
        std::vector<std::unique_ptr<Adapter>> found;
        Listing listing(
            bus, [&found](std::vector<std::unique_ptr<Adapter>> adapters) { found = std::move(adapters); });
        listing.start();
        if (listing.error_)
            bus->readPosted(QStringLiteral("GetAll"), *listing.error_, listing.sent_.elapsed());
        if (!listing.objects_.contains(ManagerPath))
            throw ServiceError(said(
                QT_TRANSLATE_NOOP("korvo::NetworkManager", "NetworkManager published no manager object")));
        unmanaged.clear();
        for (const QString& path : listing.devices()) {
            const auto device = listing.objects_.value(path);
            if (device.value(QStringLiteral("Real")).toBool() &&
                !device.value(QStringLiteral("Managed")).toBool())
                unmanaged.insert(device.value(QStringLiteral("Interface")).toString());
        }
        return found;
    }

    void start() {
        ask({{ManagerPath, &ManagerIface, &ManagerProperties}}, [this] {
            if (!objects_.contains(ManagerPath)) return finish({});
            const QStringList devices = this->devices();
            QList<Wanted> ofDevices;
            for (const QString& device : devices)
                ofDevices.append({device, &DeviceIface, &DeviceProperties});
            ask(ofDevices, [this, devices] {
                // The IPv4 configurations and the leases together: neither needs the other.
                QList<Wanted> wanted;
                for (const QString& device : devices) {
                    if (!listable(objects_.value(device))) continue;
                    for (const auto& [property, iface, names] :
                         {std::tuple(QStringLiteral("Ip4Config"), &IP4ConfigIface, &IP4ConfigProperties),
                          std::tuple(QStringLiteral("Dhcp4Config"), &DHCP4ConfigIface,
                                     &DHCP4ConfigProperties)}) {
                        const QString object = objectPath(objects_.value(device).value(property));
                        if (!object.isEmpty() && object != NoObject) wanted.append({object, iface, names});
                    }
                }
                ask(wanted, [this] { finish(listedAdapters(bus_, objects_)); });
            });
        });
    }

private:
    // The waiting listing's: lives on its caller's stack.
    Listing(std::shared_ptr<Bus> bus, Done done)
        : bus_(std::move(bus)), done_(std::move(done)), waits_(true) {}

    QStringList devices() const {
        QStringList paths;
        for (const auto& path : fromVariant<QList<QDBusObjectPath>>(
                 objects_.value(ManagerPath).value(QStringLiteral("Devices"))))
            paths << path.path();
        return paths;
    }

    // An object and the properties of one of its interfaces.
    struct Wanted {
        QString path;
        const QString* iface;
        const QStringList* names;
    };

    // GetAll on every one wanted at once; `next` runs when all have answered. An object that went
    // meanwhile is left out; NetworkManager not answering ends the listing.
    void ask(const QList<Wanted>& wanted, const std::function<void()>& next) {
        waiting_ = wanted.size();
        if (waiting_ == 0) return next();
        std::vector<std::pair<Wanted, QDBusPendingCall>> calls;
        sent_.start();
        for (const Wanted& one : wanted)
            calls.emplace_back(one, bus_->post(one.path, PropertiesIface, QStringLiteral("GetAll"),
                                               {*one.iface}, bus_->timeoutMs()));
        for (auto& [one, call] : calls) {
            if (waits_) {
                call.waitForFinished();
                if (!take(one, call.reply())) return;
                continue;
            }
            auto* watcher = new QDBusPendingCallWatcher(call, this);
            QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this,
                             [this, watcher, one = one, next] {
                                 watcher->deleteLater();
                                 if (!done_ || !take(one, watcher->reply())) return;
                                 if (--waiting_ == 0) next();
                             });
        }
        if (waits_) next();
    }

    // False when the reply ended the listing.
    bool take(const Wanted& one, const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ErrorMessage) {
            objects_.insert(one.path,
                            properties(reply.arguments().value(0).value<QDBusArgument>(), *one.names));
            return true;
        }
        if (busFault(reply.errorName()) == BusFault::Gone) return true;
        error_ = reply;
        finish({});
        return false;
    }

    void finish(std::vector<std::unique_ptr<Adapter>> adapters) {
        const Done done = std::exchange(done_, nullptr);
        if (!waits_) deleteLater();
        done(std::move(adapters));
    }

    std::shared_ptr<Bus> bus_;
    Done done_;
    bool waits_ = false;
    QHash<QString, QVariantMap> objects_;
    qsizetype waiting_ = 0;
    std::optional<QDBusMessage> error_; // the reply that ended the listing
    QElapsedTimer sent_;                // since the last batch was sent
};

class NmService : public Service {
public:
    explicit NmService(std::shared_ptr<Bus> bus) : bus_(std::move(bus)) {}

    std::vector<std::unique_ptr<Adapter>> adapters() override { return Listing::now(bus_, unmanaged_); }

    std::string whyNotListed(const std::string& caption) const override {
        return unmanaged_.contains(QString::fromStdString(caption))
                   ? said(QT_TRANSLATE_NOOP("korvo::NetworkManager", "is not managed by NetworkManager"))
                   : std::string();
    }

    std::unique_ptr<Checkpoint> checkpoint(const std::vector<const Adapter*>& adapters,
                                           std::chrono::seconds timeout) override {
        QList<QDBusObjectPath> devices;
        QHash<QString, QString> interfaces;
        for (const Adapter* adapter : adapters) {
            const QString device = adapter ? devicePathOf(*adapter) : QString();
            if (device.isEmpty())
                throw ServiceError(said(QT_TRANSLATE_NOOP("korvo::NetworkManager",
                                                          "the adapter is not one of NetworkManager's")));
            devices << QDBusObjectPath(device);
            interfaces.insert(device, QString::fromStdString(adapter->caption()));
        }
        // An empty list would mean every device.
        if (devices.isEmpty())
            throw ServiceError(
                said(QT_TRANSLATE_NOOP("korvo::NetworkManager", "a checkpoint needs at least one adapter")));
        const auto reply = bus_->change(ManagerPath, ManagerIface, QStringLiteral("CheckpointCreate"),
                                        {QVariant::fromValue(devices), static_cast<uint>(timeout.count()),
                                         CheckpointDeleteNewConnections},
                                        {CheckpointRollback});
        if (failed(reply)) {
            throw ServiceError(
                QCoreApplication::translate("korvo::NetworkManager",
                                            "NetworkManager refused CheckpointCreate%1 (%2: %3)")
                    .arg(permissionDenied(reply.errorName())
                             ? QCoreApplication::translate(
                                   "korvo::NetworkManager",
                                   ": permission denied; a checkpoint needs root or "
                                   "NetworkManager's polkit permission "
                                   "org.freedesktop.NetworkManager.checkpoint-rollback, "
                                   "which Korvo's example polkit rule grants")
                             : QString(),
                         reply.errorName(), reply.errorMessage())
                    .toStdString());
        }
        return std::make_unique<NmCheckpoint>(
            bus_, fromVariant<QDBusObjectPath>(reply.arguments().value(0)).path(), std::move(interfaces));
    }

    std::optional<PendingRollback> pendingRollback(const Adapter& adapter) override {
        const QString device = devicePathOf(adapter);
        if (device.isEmpty()) return std::nullopt;
        const auto checkpoints = fromVariant<QList<QDBusObjectPath>>(
            propertyValue(bus_->read(ManagerPath, PropertiesIface, QStringLiteral("Get"),
                                     {ManagerIface, QStringLiteral("Checkpoints")})));
        for (const QDBusObjectPath& checkpoint : checkpoints) {
            const QDBusMessage reply =
                bus_->call(checkpoint.path(), PropertiesIface, QStringLiteral("GetAll"),
                           {QStringLiteral("org.freedesktop.NetworkManager.Checkpoint")});
            if (reply.type() == QDBusMessage::ErrorMessage) continue; // kept or rolled back meanwhile
            const QVariantMap values = properties(
                reply.arguments().value(0).value<QDBusArgument>(),
                {QStringLiteral("Devices"), QStringLiteral("Created"), QStringLiteral("RollbackTimeout")});
            const auto devices = fromVariant<QList<QDBusObjectPath>>(values.value(QStringLiteral("Devices")));
            if (!devices.contains(QDBusObjectPath(device))) continue;
            PendingRollback pending{checkpoint.path().toStdString(), std::nullopt};
            // Created is on CLOCK_BOOTTIME, in milliseconds; a timeout of 0 never runs out.
            const qint64 timeout = values.value(QStringLiteral("RollbackTimeout")).toUInt();
            timespec now{};
            if (timeout > 0 && ::clock_gettime(CLOCK_BOOTTIME, &now) == 0) {
                const qint64 left = values.value(QStringLiteral("Created")).toLongLong() + timeout * 1000 -
                                    (qint64{now.tv_sec} * 1000 + now.tv_nsec / 1000000);
                pending.in = std::chrono::seconds(std::max<qint64>(0, (left + 999) / 1000));
            }
            return pending;
        }
        return std::nullopt;
    }

private:
    std::shared_ptr<Bus> bus_;
    QSet<QString> unmanaged_; // interface names of the devices NetworkManager leaves alone
};

// NetworkManager's property changes, heard on a bus connection of the watch's own.
class NmChangeWatch : public ChangeWatch {
public:
    NmChangeWatch(const QString& connection, const std::function<void()>& changed)
        : connection_(connection), watch_(std::make_unique<nm::StateWatch>(QDBusConnection(connection))) {
        QObject::connect(watch_.get(), &nm::StateWatch::changed, watch_.get(), changed);
    }
    ~NmChangeWatch() override {
        watch_.reset();
        QDBusConnection::disconnectFromBus(connection_);
    }
    NmChangeWatch(const NmChangeWatch&) = delete;
    NmChangeWatch& operator=(const NmChangeWatch&) = delete;

    bool watching() const { return watch_->watching(); }

private:
    QString connection_;
    std::unique_ptr<nm::StateWatch> watch_;
};

class NmConnector : public ServiceConnector {
public:
    NmConnector(std::optional<std::string> address, std::chrono::milliseconds timeout,
                std::chrono::milliseconds changeTimeout = {})
        : address_(std::move(address)), timeout_(timeout), changeTimeout_(changeTimeout) {}

    std::string putBackUnfinished(std::chrono::milliseconds wait) override {
        return nmbus::putBackUnfinished(wait);
    }

    // NetworkManager's own access rules decide what a caller may change, so
    // both purposes connect alike.
    std::unique_ptr<Service> connect(Purpose) override {
        registerTypes();
        const QString name = newConnectionName();
        const QDBusConnection connection = open(name);
        if (!connection.isConnected()) {
            const auto why = connection.lastError().message().toStdString();
            QDBusConnection::disconnectFromBus(name);
            throw ServiceError(
                QCoreApplication::translate("korvo::NetworkManager", "cannot connect to the system bus: %1")
                    .arg(QString::fromStdString(why))
                    .toStdString());
        }
        return std::make_unique<NmService>(std::make_shared<Bus>(name, timeout_, changeTimeout_));
    }

    // The answer is decoded when it arrives, on the thread that asked; the adapters share its
    // connection as a connect()'s do.
    void listAdapters(std::function<void(std::vector<std::unique_ptr<Adapter>>)> done) override {
        registerTypes();
        const QString name = newConnectionName();
        if (!open(name).isConnected()) {
            QDBusConnection::disconnectFromBus(name);
            done({});
            return;
        }
        (new Listing(std::make_shared<Bus>(name, timeout_, changeTimeout_), std::move(done), pending_.get()))
            ->start();
    }

    std::unique_ptr<ChangeWatch> watchChanges(std::function<void()> changed) override {
        const QString name = newConnectionName();
        if (!open(name).isConnected()) {
            QDBusConnection::disconnectFromBus(name);
            return nullptr;
        }
        auto watch = std::make_unique<NmChangeWatch>(name, changed);
        if (!watch->watching()) return nullptr;
        return watch;
    }

private:
    static QString newConnectionName() {
        static QAtomicInt counter;
        return QStringLiteral("korvo-nm-%1").arg(counter.fetchAndAddRelaxed(1));
    }

    QDBusConnection open(const QString& name) const {
        return address_ ? QDBusConnection::connectToBus(QString::fromStdString(*address_), name)
                        : QDBusConnection::connectToBus(QDBusConnection::SystemBus, name);
    }

    std::optional<std::string> address_;
    std::chrono::milliseconds timeout_;
    std::chrono::milliseconds changeTimeout_;
    // Parent of the listings still awaited: they go with the connector, unanswered.
    std::unique_ptr<QObject> pending_ = std::make_unique<QObject>();
};

} // namespace

std::string describeBusError(const std::string& errorName, const std::string& errorMessage,
                             const std::string& method) {
    switch (busFault(QString::fromStdString(errorName))) {
    case BusFault::NotRunning:
        return said(QT_TRANSLATE_NOOP("korvo::NetworkManager", "NetworkManager is not running."));
    case BusFault::NoAnswer:
        return said(wait::NoAnswer);
    case BusFault::PermissionRefused:
        return said(QT_TRANSLATE_NOOP("korvo::NetworkManager", "NetworkManager refused permission.")) + ' ' +
               missingPermissionAdvice();
    case BusFault::Disconnected:
        return said(QT_TRANSLATE_NOOP("korvo::NetworkManager", "The connection to the system bus was lost."));
    case BusFault::Gone:
        return said(QT_TRANSLATE_NOOP("korvo::NetworkManager",
                                      "The network device or its profile no longer exists."));
    case BusFault::Other:
        break;
    }
    const std::string what = errorMessage.empty() ? errorName : errorMessage;
    return QCoreApplication::translate("korvo::NetworkManager", "NetworkManager refused %1: %2")
        .arg(QString::fromStdString(method), QString::fromStdString(what))
        .toStdString();
}

std::unique_ptr<ServiceConnector> makeNetworkManagerConnector(const std::string& busAddress,
                                                              std::chrono::milliseconds callTimeout) {
    return std::make_unique<NmConnector>(busAddress, callTimeout);
}

std::unique_ptr<ServiceConnector> makeSystemConnector() {
    // Start-up asks for the adapters once its window is drawn; asked earlier, NetworkManager's
    // answer would compete with drawing it.
    return std::make_unique<NmConnector>(std::nullopt, NetworkManagerCallTimeout,
                                         NetworkManagerAuthorizationTimeout);
}

} // namespace korvo::platform
