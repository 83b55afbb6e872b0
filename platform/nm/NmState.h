// The live IPv4 state of NetworkManager's devices, and word when it changes.
#pragma once

#include "platform/AdapterState.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QTimer>

#include <map>
#include <string>

namespace korvo::platform::nm {

// Every device's state by interface name, from one answer to GetManagedObjects on
// /org/freedesktop: the devices and their IP4Config objects are all in it.
std::map<std::string, IPv4State> ipv4States(const QDBusMessage& managedObjects);

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

} // namespace korvo::platform::nm
