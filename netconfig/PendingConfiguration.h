#pragma once

#include <QString>

namespace korvo {

// What a profile command hands to SetInterface; validation rewrites the address texts in place.
struct PendingConfiguration {
    QString AdapterCaption;
    QString IPAddress;
    QString SubnetMask;
    QString Gateway;
    QString PrimaryDNS;
    QString SecondaryDNS;
    QString PrimaryWINS;
    QString SecondaryWINS;
    int DHCPMode = 0;
    int PrimaryDNSOmitted = 0;
    int SecondaryDNSOmitted = 0;
    int PrimaryWINSOmitted = 0;
    int SecondaryWINSOmitted = 0;
};

} // namespace korvo
