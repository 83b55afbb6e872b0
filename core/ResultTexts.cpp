#include "core/ResultTexts.h"

#include "platform/NetConfigService.h"
#include "platform/PermissionAdvice.h"

#include <QStringList>
#include <array>

namespace korvo {

namespace {

const QString CR = QStringLiteral("\r");

const QString Applied = QStringLiteral("The IP configuration for the following interface has been changed ");
const QString PartlyApplied =
    QStringLiteral("The adapter's address was changed, but the network service refused some settings.");
const QString Saved =
    QStringLiteral("The new settings were saved for the adapter, but they are not in effect "
                   "yet: they take effect the next time it is connected.");
const QString Invalid = QStringLiteral("Please Check these details and fix the problem");
const QString Failed = QStringLiteral("There has been an error and the IP settings could not be changed.");

} // namespace

QString leadLine(const ApplyOutcome& o) {
    switch (o.state) {
    case ApplyOutcome::State::Applied:
        return Applied;
    case ApplyOutcome::State::Refused:
        return o.Saved ? Saved : PartlyApplied;
    case ApplyOutcome::State::Invalid:
        return Invalid;
    case ApplyOutcome::State::ServiceError:
        break;
    }
    return Failed;
}

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

QStringList validationLines(const QString& validationMessages) {
    QStringList lines = validationMessages.split(u'\r');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

const QStringList& fieldNames() {
    static const QStringList names{QStringLiteral("IP Address"),    QStringLiteral("Subnet Mask"),
                                   QStringLiteral("Gateway   "),    QStringLiteral("Primary DNS "),
                                   QStringLiteral("Secondary DNS"), QStringLiteral("Primary WINS "),
                                   QStringLiteral("Secondary WINS")};
    return names;
}

QString ApplyOutcome::Heading() const {
    switch (state) {
    case State::Applied:
        return QStringLiteral("Configuration Applied");
    case State::Invalid:
        return QStringLiteral("Configuration Error!");
    case State::Refused:
    case State::ServiceError:
        break;
    }
    return QStringLiteral("Error Applying Configuration");
}

QString ApplyOutcome::ResultText() const {
    if (state == State::ServiceError) {
        // Three empty lines and the sentence; a reason follows after an empty line.
        QString text = CR + CR + CR + Failed;
        if (!Reasons.isEmpty()) text += CR + CR + Reasons.join(CR);
        return text;
    }
    QString text = leadLine(*this) + CR + CR + QStringLiteral("-") + Values.AdapterCaption +
                   QStringLiteral("-") + CR + CR + fieldNames().join(CR) + CR;
    if (state == State::Applied) {
        text += QStringLiteral(" ");
        for (const QString& note : Reasons)
            text += CR + note;
        return text;
    }
    // Laid out as the validation report: the names beside the values, then what went wrong.
    text += CR;
    for (const QString& line : Reasons)
        text += line + CR;
    return text;
}

QString ApplyOutcome::ResultValues() const {
    if (state == State::ServiceError) return {};
    const Profile& p = InEffect;
    return CR + p.IPAddress + CR + p.SubnetMask + CR + p.Gateway + CR + p.PrimaryDNS + CR + p.SecondaryDNS +
           CR + p.PrimaryWINS + CR + p.SecondaryWINS + CR;
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

ApplyOutcome inEffect(const Profile& p, const platform::ChangeResult& result) {
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

    return {refusals.isEmpty() ? ApplyOutcome::State::Applied : ApplyOutcome::State::Refused, false, p, shown,
            refusals + notes};
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

} // namespace korvo
