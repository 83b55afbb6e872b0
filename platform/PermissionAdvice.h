// What to tell the user when the service refused a change for lack of rights.
#pragma once

#include <string>

namespace korvo::platform {

// One sentence: the permission that is missing and how to get it. `permission` names the one the
// service refused, where it said; saving a profile's settings is what every change needs.
inline std::string missingPermissionAdvice(const std::string& permission = {}) {
#ifdef _WIN32
    (void)permission;
    return "Changing the network needs administrator rights.";
#else
    return "Changing the network needs root or NetworkManager's polkit permission " +
           (permission.empty() ? std::string("org.freedesktop.NetworkManager.settings.modify.system")
                               : permission) +
           "; an administrator can grant it with a polkit rule, for example by copying "
           "/usr/share/korvo/polkit/50-korvo.rules to /etc/polkit-1/rules.d/ and adding you to the group "
           "it names.";
#endif
}

} // namespace korvo::platform
