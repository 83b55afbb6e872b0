// How the backend sorts the bus's and NetworkManager's error replies, and the errors it throws for
// them beyond ServiceError.
#pragma once

#include "platform/NetConfigService.h"

#include <QDBusMessage>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <string>

namespace korvo::platform::nmbus {

enum class BusFault { NotRunning, NoAnswer, PermissionRefused, Disconnected, Gone, Other };

inline BusFault busFault(const QString& errorName) {
    const QString last = errorName.section(u'.', -1);
    const bool bus = errorName.startsWith(QLatin1String("org.freedesktop.DBus.Error."));
    if (bus && (last == QLatin1String("ServiceUnknown") || last == QLatin1String("NameHasNoOwner")))
        return BusFault::NotRunning;
    if (bus && (last == QLatin1String("NoReply") || last == QLatin1String("Timeout") ||
                last == QLatin1String("TimedOut")))
        return BusFault::NoAnswer;
    // The bus policy's no, NetworkManager's own, and polkit's.
    if (last == QLatin1String("AccessDenied") || last == QLatin1String("PermissionDenied") ||
        last == QLatin1String("NotAuthorized") || last == QLatin1String("InteractiveAuthorizationRequired"))
        return BusFault::PermissionRefused;
    if (bus && (last == QLatin1String("Disconnected") || last == QLatin1String("NoServer")))
        return BusFault::Disconnected;
    if (bus && (last == QLatin1String("UnknownObject") || last == QLatin1String("UnknownMethod")))
        return BusFault::Gone;
    return BusFault::Other;
}

inline bool permissionDenied(const QString& errorName) {
    return busFault(errorName) == BusFault::PermissionRefused;
}

// A read NetworkManager refused for lack of rights: a method reports it as
// code 91, the adapter query as the error it is. `permission`: the polkit
// permission refused, where known.
class PermissionRefusal : public ServiceError {
public:
    explicit PermissionRefusal(const std::string& why, QString refused = {})
        : ServiceError(why), permission(std::move(refused)) {}
    QString permission;
};

// The permission NetworkManager names in its refusal, else the first one the call needs.
inline QString refusedPermission(const QDBusMessage& reply, const QStringList& needed) {
    static const QRegularExpression named(QStringLiteral("org\\.freedesktop\\.NetworkManager\\.[A-Za-z.-]+"));
    const auto match = named.match(reply.errorMessage());
    return match.hasMatch() ? match.captured() : needed.value(0);
}

// A password prompt nobody answered in time, withdrawn: NetworkManager was not asked.
class PromptWithdrawn : public ServiceError {
public:
    using ServiceError::ServiceError;
};

inline int codeForRefusal(const QDBusMessage& reply) {
    return permissionDenied(reply.errorName()) ? code::AccessDenied : code::UnknownFailure;
}

inline bool failed(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ErrorMessage;
}

} // namespace korvo::platform::nmbus
