// The backend's own sentences for the user, in the user's language (translations/*.ts, context
// "korvo::NetworkManager"); NetworkManager's and the bus's words stay as they are.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

namespace korvo::platform::nmbus {

// An English sentence of the backend's, translated.
inline std::string said(const char* english) {
    return QCoreApplication::translate("korvo::NetworkManager", english).toStdString();
}

// What to do when NetworkManager refused a change for lack of rights: the permission refused (where it
// said; saving a profile's settings is what every change needs) and how to get it.
inline std::string missingPermissionAdvice(const QString& permission = {}) {
    return QCoreApplication::translate("korvo::NetworkManager",
                                       "Changing the network needs root or NetworkManager's polkit "
                                       "permission %1; an administrator can "
                                       "grant it with a polkit rule, for example by copying "
                                       "/usr/share/korvo/polkit/50-korvo.rules to "
                                       "/etc/polkit-1/rules.d/ and adding you to the group it names.")
        .arg(permission.isEmpty() ? QStringLiteral("org.freedesktop.NetworkManager.settings.modify.system")
                                  : permission)
        .toStdString();
}

// What a call was left waiting for when Korvo stopped waiting (English; said() translates).
namespace wait {
inline const char* const NoAnswer =
    QT_TRANSLATE_NOOP("korvo::NetworkManager", "NetworkManager did not answer in time.");
inline const char* const WentAway = QT_TRANSLATE_NOOP(
    "korvo::NetworkManager", "NetworkManager went away before it answered: it stopped or crashed.");
inline const char* const Authorization = QT_TRANSLATE_NOOP(
    "korvo::NetworkManager",
    "NetworkManager was still waiting for authorization (a password prompt, for one) when Korvo stopped "
    "waiting; answering a prompt that is still open would make the change after all.");
inline const char* const PasswordPrompt = QT_TRANSLATE_NOOP(
    "korvo::NetworkManager", "Nobody answered the password prompt in time; Korvo has withdrawn it.");
} // namespace wait

} // namespace korvo::platform::nmbus
