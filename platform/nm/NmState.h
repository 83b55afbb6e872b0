// The live IPv4 state of NetworkManager's devices, and word when it changes.
#pragma once

#include "platform/AdapterState.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

namespace korvo::nm {

using platform::IPv4State;

// The IP4Config object's properties (AddressData, Gateway, NameserverData) as a state; `dhcp`
// when the device has a DHCP4Config object.
IPv4State ipv4StateFrom(const QVariantMap& ip4Config, bool dhcp);

// The DNS servers a DHCP4Config object's Options say the lease offers.
std::optional<std::vector<std::string>> leaseDnsServers(const QVariantMap& dhcp4Config);

// Emits changed() once for a burst of NetworkManager's property changes (an apply
// changes several objects within milliseconds), whoever made them.
class StateWatch : public QObject {
    Q_OBJECT
public:
    // `connection` must stay connected while the watch lives.
    explicit StateWatch(QDBusConnection connection, QObject* parent = nullptr);
    ~StateWatch() override;
    StateWatch(const StateWatch&) = delete;
    StateWatch& operator=(const StateWatch&) = delete;

    bool watching() const { return watching_; } // false: the bus refused the subscription

signals:
    void changed();

private slots:
    void propertiesChanged(const QDBusMessage& message);

private:
    QDBusConnection connection_;
    QTimer settle_;
    bool watching_ = false;
};

} // namespace korvo::nm
