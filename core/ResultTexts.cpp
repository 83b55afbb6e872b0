#include "core/ResultTexts.h"

#include "platform/NetConfigService.h"

namespace korvo {

namespace {

const QString CR = QStringLiteral("\r");

// The names line up with the values of composeResultValues beside them.
QString fieldNames() {
    return QStringLiteral("IP Address") + CR + QStringLiteral("Subnet Mask") + CR +
           QStringLiteral("Gateway   ") + CR + QStringLiteral("Primary DNS ") + CR +
           QStringLiteral("Secondary DNS") + CR + QStringLiteral("Primary WINS ") + CR +
           QStringLiteral("Secondary WINS");
}

} // namespace

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString composeResultValues(const Profile& p) {
    return CR + p.IPAddress + CR + p.SubnetMask + CR + p.Gateway + CR + p.PrimaryDNS + CR + p.SecondaryDNS +
           CR + p.PrimaryWINS + CR + p.SecondaryWINS + CR;
}

QString composeSuccessText(const QString& adapterCaption) {
    return QStringLiteral("The IP configuration for the following interface has been changed ") + CR + CR +
           QStringLiteral("-") + adapterCaption + QStringLiteral("-") + CR + CR + fieldNames() + CR +
           QStringLiteral(" ");
}

QString composeValidationText(const QString& adapterCaption, const QString& validationMessages) {
    return QStringLiteral("Please Check these details and fix the problem") + CR + CR + QStringLiteral("-") +
           adapterCaption + QStringLiteral("-") + CR + CR + fieldNames() + CR + CR + validationMessages;
}

QString composePartialFailureText(const QString& refusals) {
    return CR + CR + CR +
           QStringLiteral(
               "The adapter's address was changed, but the network service refused some settings.") +
           CR + CR + refusals;
}

QString describeServiceCode(int code) {
    const char* meaning = nullptr;
    switch (code) {
    case platform::code::NotSupported:
        meaning = "not supported on this platform";
        break;
    case platform::code::UnknownFailure:
        meaning = "the service failed";
        break;
    case platform::code::InvalidSubnetMask:
        meaning = "invalid subnet mask";
        break;
    case platform::code::InvalidIPAddress:
        meaning = "invalid IP address";
        break;
    case platform::code::InvalidGateway:
        meaning = "invalid gateway";
        break;
    case platform::code::AccessDenied:
        meaning = "access denied";
        break;
    default:
        break;
    }
    QString text = QStringLiteral("code %1").arg(code);
    if (meaning) text += QStringLiteral(": ") + QLatin1String(meaning);
    return text;
}

QString composeFailureText(const QString& reason) {
    QString text =
        CR + CR + CR + QStringLiteral("There has been an error and the IP settings could not be changed.");
    if (!reason.isEmpty()) text += CR + CR + reason;
    return text;
}

} // namespace korvo
