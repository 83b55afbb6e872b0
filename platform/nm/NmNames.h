// NetworkManager's D-Bus names and the values of its enumerations that the backend reads. Only
// platform/nm uses it.
#pragma once

#include <QString>

namespace korvo::platform::nmbus {

inline const QString NmBusName = QStringLiteral("org.freedesktop.NetworkManager");
inline const QString ManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
inline const QString ManagerIface = QStringLiteral("org.freedesktop.NetworkManager");
inline const QString DeviceIface = QStringLiteral("org.freedesktop.NetworkManager.Device");
inline const QString ActiveIface = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
inline const QString SettingsPath = QStringLiteral("/org/freedesktop/NetworkManager/Settings");
inline const QString SettingsIface = QStringLiteral("org.freedesktop.NetworkManager.Settings");
inline const QString ConnectionIface = QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
inline const QString PropertiesIface = QStringLiteral("org.freedesktop.DBus.Properties");
inline const QString NoObject = QStringLiteral("/");

// The polkit permissions NetworkManager checks: saving a profile, putting one into effect (reapply,
// activate), and checkpoints.
inline const QString ModifySystem = QStringLiteral("org.freedesktop.NetworkManager.settings.modify.system");
inline const QString NetworkControl = QStringLiteral("org.freedesktop.NetworkManager.network-control");
inline const QString CheckpointRollback =
    QStringLiteral("org.freedesktop.NetworkManager.checkpoint-rollback");

// NMDeviceType values of devices a user puts IPv4 settings on.
enum DeviceType : uint {
    Ethernet = 1,
    Wifi = 2,
    Bond = 10,
    Vlan = 11,
    Bridge = 13,
    Team = 15,
    Veth = 20,
};
inline bool configurable(uint type) {
    switch (type) {
    case Ethernet:
    case Wifi:
    case Bond:
    case Vlan:
    case Bridge:
    case Team:
    case Veth:
        return true;
    default:
        return false;
    }
}
// Only these can get a profile from nothing; the others need settings Korvo does not have (an SSID, a
// parent).
inline bool canCreateProfile(uint type) {
    return type == Ethernet || type == Veth;
}

// NMDeviceState ranges.
inline constexpr uint StateUnavailable = 20;
inline constexpr uint StateDisconnected = 30;
inline constexpr uint StatePrepare = 40;
inline constexpr uint StateActivated = 100;

// NMDeviceInterfaceFlags: the device has a link (its cable is plugged in).
inline constexpr uint InterfaceFlagCarrier = 0x10000;

inline constexpr uint Update2ToDisk = 0x1;

} // namespace korvo::platform::nmbus
