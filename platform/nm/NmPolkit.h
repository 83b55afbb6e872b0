// polkit's D-Bus names and the two structures Korvo exchanges with it, for asking polkit before
// NetworkManager does (see Bus::authorize).
#pragma once

#include <QDBusArgument>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

// polkit's Subject, (sa{sv}), and its AuthorizationResult, (bba{ss}).
struct PolkitSubject {
    QString kind;
    QVariantMap details;
};
struct PolkitResult {
    bool authorized = false;
    bool challenge = false;
    QMap<QString, QString> details;
};
Q_DECLARE_METATYPE(PolkitSubject)
Q_DECLARE_METATYPE(PolkitResult)

inline QDBusArgument& operator<<(QDBusArgument& argument, const PolkitSubject& subject) {
    argument.beginStructure();
    argument << subject.kind << subject.details;
    argument.endStructure();
    return argument;
}
inline const QDBusArgument& operator>>(const QDBusArgument& argument, PolkitSubject& subject) {
    argument.beginStructure();
    argument >> subject.kind >> subject.details;
    argument.endStructure();
    return argument;
}
inline QDBusArgument& operator<<(QDBusArgument& argument, const PolkitResult& result) {
    argument.beginStructure();
    argument << result.authorized << result.challenge << result.details;
    argument.endStructure();
    return argument;
}
inline const QDBusArgument& operator>>(const QDBusArgument& argument, PolkitResult& result) {
    argument.beginStructure();
    argument >> result.authorized >> result.challenge >> result.details;
    argument.endStructure();
    return argument;
}

namespace korvo::platform::nmbus {

inline const QString PolkitName = QStringLiteral("org.freedesktop.PolicyKit1");
inline const QString PolkitPath = QStringLiteral("/org/freedesktop/PolicyKit1/Authority");
inline const QString PolkitIface = QStringLiteral("org.freedesktop.PolicyKit1.Authority");
inline constexpr uint PolkitAllowUserInteraction = 0x1;

} // namespace korvo::platform::nmbus
