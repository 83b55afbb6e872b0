// What to tell the user when the service refused a change for lack of rights.
#pragma once

namespace korvo::platform {

// One sentence: the permission that is missing and how to get it; empty where the program itself
// asks for the rights it needs (Windows: the manifest requests administrator rights).
inline const char* missingPermissionAdvice() {
#ifdef _WIN32
    return "";
#else
    return "You lack NetworkManager's permission org.freedesktop.NetworkManager.settings.modify.system; "
           "an administrator can grant it with a polkit rule, for example by copying "
           "/usr/share/korvo/polkit/50-korvo.rules to /etc/polkit-1/rules.d/ and adding you to the group "
           "it names.";
#endif
}

} // namespace korvo::platform
