// What to tell the user when the service refused a change for lack of rights.
#pragma once

namespace korvo::platform {

// One sentence: the permission that is missing and how to get it.
inline const char* missingPermissionAdvice() {
#ifdef _WIN32
    return "Changing the network needs administrator rights.";
#else
    return "Changing the network needs root or NetworkManager's polkit permission "
           "org.freedesktop.NetworkManager.settings.modify.system; an administrator can grant it with a "
           "polkit "
           "rule, for example by copying /usr/share/korvo/polkit/50-korvo.rules to /etc/polkit-1/rules.d/ "
           "and "
           "adding you to the group it names.";
#endif
}

} // namespace korvo::platform
