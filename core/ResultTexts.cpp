#include "core/ResultTexts.h"

#include "platform/NetConfigService.h"
#include "platform/PermissionAdvice.h"

#include <QStringList>
#include <array>

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

QString describeRefusal(const QString& what, int code, const QString& detail) {
    QString text = QStringLiteral("%1 refused (%2).").arg(what, describeServiceCode(code));
    if (code == platform::code::AccessDenied)
        text +=
            CR + (detail.isEmpty() ? QString::fromStdString(platform::missingPermissionAdvice()) : detail);
    else if (!detail.isEmpty())
        text += CR + detail;
    return text;
}

AppliedReport composeSavedReport(const Profile& p, const QString& why) {
    AppliedReport report;
    report.refused = true;
    report.values = composeResultValues(p);
    report.text =
        QStringLiteral("The new settings were saved for the adapter, but they are not in effect yet: "
                       "they take effect the next time it is connected.") +
        CR + CR + QStringLiteral("-") + p.AdapterCaption + QStringLiteral("-") + CR + CR + fieldNames() + CR +
        CR;
    if (!why.isEmpty()) report.text += why + CR;
    return report;
}

AppliedReport composeAppliedReport(const Profile& p, const platform::ChangeResult& result) {
    using Field = QString Profile::*;
    using Status = platform::SettingResult::Status;
    struct Setting {
        const platform::SettingResult& result;
        const char* subject; // "The gateway was"
        std::array<Field, 2> fields;
    };
    const Setting settings[] = {
        {result.gateways, "The gateway was", {&Profile::Gateway, nullptr}},
        {result.wins, "The WINS servers were", {&Profile::PrimaryWINS, &Profile::SecondaryWINS}},
        {result.dns, "The DNS servers were", {&Profile::PrimaryDNS, &Profile::SecondaryDNS}},
    };
    Profile shown = p;
    QStringList refusals;
    QStringList notes;
    QString failure; // why the service stopped answering part-way
    for (const Setting& s : settings) {
        QString mark;
        switch (s.result.status) {
        case Status::NotMade:
            // Not asked for (no gateway on DHCP), unless the service failed before it.
            if (failure.isEmpty()) continue;
            mark = QStringLiteral("Not set");
            break;
        case Status::ServiceFailed:
            if (failure.isEmpty()) failure = QString::fromStdString(s.result.reason);
            mark = QStringLiteral("Not set");
            break;
        case Status::NotOnThisPlatform:
            notes << QLatin1String(s.subject) + QStringLiteral(" not set: this platform has none.");
            mark = QStringLiteral("Not set");
            break;
        case Status::Refused:
        case Status::SavedNotInEffect:
            refusals << describeRefusal(QLatin1String(s.subject), s.result.code,
                                        QString::fromStdString(s.result.reason));
            mark = QStringLiteral("Refused");
            break;
        case Status::Applied:
        case Status::RestartPending:
        case Status::WhenConnected:
            continue;
        }
        for (Field f : s.fields)
            // A secondary DNS server that was never sent keeps saying so.
            if (f && shown.*f != QLatin1String("Ignored")) shown.*f = mark;
    }
    for (const platform::SettingResult* made :
         {&result.address, &result.gateways, &result.wins, &result.dns, &result.whole}) {
        if (made->status == Status::RestartPending) {
            notes << QStringLiteral("Restart the computer to complete the change.");
            break;
        }
    }
    if (result.whole.status == Status::WhenConnected)
        notes << QStringLiteral("The adapter's cable is not connected: the values are saved and take effect "
                                "when the cable is connected.");

    if (!failure.isEmpty())
        refusals << QStringLiteral("The network configuration service failed before the rest was set: %1")
                        .arg(failure);

    AppliedReport report;
    report.refused = !refusals.isEmpty();
    report.values = composeResultValues(shown);
    if (!report.refused) {
        report.text = composeSuccessText(p.AdapterCaption);
        for (const QString& note : notes)
            report.text += CR + note;
        return report;
    }
    // Laid out as the validation report: the names beside the values, then what went wrong.
    report.text =
        QStringLiteral("The adapter's address was changed, but the network service refused some settings.") +
        CR + CR + QStringLiteral("-") + p.AdapterCaption + QStringLiteral("-") + CR + CR + fieldNames() + CR +
        CR;
    for (const QString& line : refusals + notes)
        report.text += line + CR;
    return report;
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
