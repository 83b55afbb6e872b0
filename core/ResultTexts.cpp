#include "core/ResultTexts.h"

#include "platform/NetConfigService.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

namespace korvo {

namespace {

const QString CR = QStringLiteral("\r");

// Read where they are used: the language is chosen once the application object exists.
const char* const Applied =
    QT_TRANSLATE_NOOP("ResultTexts", "The IP configuration for the following interface has been changed ");
const char* const PartlyApplied = QT_TRANSLATE_NOOP(
    "ResultTexts", "The adapter's address was changed, but the network service refused some settings.");
const char* const Saved = QT_TRANSLATE_NOOP(
    "ResultTexts", "The new settings were saved for the adapter, but they are not in effect "
                   "yet: they take effect the next time it is connected.");
const char* const Differs = QT_TRANSLATE_NOOP(
    "ResultTexts", "The adapter does not have all the settings asked for: the values shown are in effect.");
const char* const Invalid =
    QT_TRANSLATE_NOOP("ResultTexts", "Please Check these details and fix the problem");
const char* const Failed =
    QT_TRANSLATE_NOOP("ResultTexts", "There has been an error and the IP settings could not be changed.");
const char* const NotChanged = QT_TRANSLATE_NOOP("ResultTexts", "The IP settings were not changed.");
const char* const Unconfirmed = QT_TRANSLATE_NOOP(
    "ResultTexts", "There has been an error, and it is not known whether the IP settings were changed.");

QString text(const char* source) {
    return QCoreApplication::translate("ResultTexts", source);
}

} // namespace

QString leadLine(const ApplyOutcome& o) {
    switch (o.state) {
    case ApplyOutcome::State::Applied:
        return text(Applied);
    case ApplyOutcome::State::Refused:
        return text(o.Saved ? Saved : o.Differs ? Differs : PartlyApplied);
    case ApplyOutcome::State::Invalid:
        return text(Invalid);
    case ApplyOutcome::State::NotApplied:
        return text(NotChanged);
    case ApplyOutcome::State::ServiceError:
        break;
    }
    return text(o.Unconfirmed ? Unconfirmed : Failed);
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

QStringList fieldNames() {
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("ResultTexts", "IP Address"),    QT_TRANSLATE_NOOP("ResultTexts", "Subnet Mask"),
        QT_TRANSLATE_NOOP("ResultTexts", "Gateway   "),    QT_TRANSLATE_NOOP("ResultTexts", "Primary DNS "),
        QT_TRANSLATE_NOOP("ResultTexts", "Secondary DNS"), QT_TRANSLATE_NOOP("ResultTexts", "Primary WINS "),
        QT_TRANSLATE_NOOP("ResultTexts", "Secondary WINS")};
    QStringList shown;
    for (const char* name : names)
        shown << text(name);
    return shown;
}

QString ApplyOutcome::Heading() const {
    switch (state) {
    case State::Applied:
        return QCoreApplication::translate("ResultTexts", "Configuration Applied");
    case State::Invalid:
        return QCoreApplication::translate("ResultTexts", "Configuration Error!");
    case State::NotApplied:
        return QCoreApplication::translate("ResultTexts", "Configuration Not Applied");
    case State::Refused:
    case State::ServiceError:
        break;
    }
    return QCoreApplication::translate("ResultTexts", "Error Applying Configuration");
}

QString ApplyOutcome::ResultText() const {
    if (state == State::ServiceError || state == State::NotApplied) {
        // Three empty lines and the sentence; a reason follows after an empty line.
        QString text = CR + CR + CR + leadLine(*this);
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
    if (state == State::ServiceError || state == State::NotApplied) return {};
    const Profile& p = InEffect;
    return CR + p.IPAddress + CR + p.SubnetMask + CR + p.Gateway + CR + p.PrimaryDNS + CR + p.SecondaryDNS +
           CR + p.PrimaryWINS + CR + p.SecondaryWINS + CR;
}

QString missingRightsAdvice() {
#ifdef _WIN32
    return QCoreApplication::translate("ResultTexts", "Changing the network needs administrator rights.");
#else
    return QCoreApplication::translate("ResultTexts",
                                       "Changing the network needs more rights than this account has.");
#endif
}

QString describeRefusal(const QString& what, int code, const QString& detail) {
    QString text =
        QCoreApplication::translate("ResultTexts", "%1 refused (%2).").arg(what, describeServiceCode(code));
    if (code == platform::code::AccessDenied)
        text += CR + (detail.isEmpty() ? missingRightsAdvice() : detail);
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
        {result.gateways, QT_TRANSLATE_NOOP("ResultTexts", "The gateway was"), {&Profile::Gateway, nullptr}},
        {result.wins,
         QT_TRANSLATE_NOOP("ResultTexts", "The WINS servers were"),
         {&Profile::PrimaryWINS, &Profile::SecondaryWINS}},
        {result.dns,
         QT_TRANSLATE_NOOP("ResultTexts", "The DNS servers were"),
         {&Profile::PrimaryDNS, &Profile::SecondaryDNS}},
    };
    const QString notSet = text(QT_TRANSLATE_NOOP("ResultTexts", "Not set"));
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
            mark = notSet;
            break;
        case Status::ServiceFailed:
            if (failure.isEmpty()) failure = QString::fromStdString(s.result.reason);
            mark = notSet;
            break;
        case Status::NotOnThisPlatform:
            notes << QCoreApplication::translate("ResultTexts", "%1 not set: this platform has none.")
                         .arg(text(s.subject));
            mark = notSet;
            break;
        case Status::Refused:
        case Status::SavedNotInEffect:
            refusals << describeRefusal(text(s.subject), s.result.code,
                                        QString::fromStdString(s.result.reason));
            mark = text(QT_TRANSLATE_NOOP("ResultTexts", "Refused"));
            break;
        case Status::Applied:
        case Status::RestartPending:
        case Status::WhenConnected:
            continue;
        }
        for (Field f : s.fields)
            // A secondary DNS server that was never sent keeps saying so.
            if (f && shown.*f != ignoredServer()) shown.*f = mark;
    }
    for (const platform::SettingResult* made :
         {&result.address, &result.gateways, &result.wins, &result.dns, &result.whole}) {
        if (made->status == Status::RestartPending) {
            notes << text(QT_TRANSLATE_NOOP("ResultTexts", "Restart the computer to complete the change."));
            break;
        }
    }
    if (result.whole.status == Status::WhenConnected)
        notes << text(QT_TRANSLATE_NOOP("ResultTexts",
                                        "The adapter's cable is not connected: the values are saved and take "
                                        "effect when the cable is connected."));

    if (!failure.isEmpty())
        refusals << QCoreApplication::translate(
                        "ResultTexts", "The network configuration service failed before the rest was set: %1")
                        .arg(failure);

    return {refusals.isEmpty() ? ApplyOutcome::State::Applied : ApplyOutcome::State::Refused, false, p, shown,
            refusals + notes};
}

QString ignoredServer() {
    return text(QT_TRANSLATE_NOOP("ResultTexts", "Ignored"));
}

QString describeServiceCode(int code) {
    const char* meaning = nullptr; // read through the translation below
    switch (code) {
    case platform::code::NotSupported:
        meaning = QT_TRANSLATE_NOOP("ResultTexts", "not supported on this platform");
        break;
    case platform::code::UnknownFailure:
        meaning = QT_TRANSLATE_NOOP("ResultTexts", "the service failed");
        break;
    case platform::code::InvalidSubnetMask:
        meaning = QT_TRANSLATE_NOOP("ResultTexts", "invalid subnet mask");
        break;
    case platform::code::InvalidIPAddress:
        meaning = QT_TRANSLATE_NOOP("ResultTexts", "invalid IP address");
        break;
    case platform::code::InvalidGateway:
        meaning = QT_TRANSLATE_NOOP("ResultTexts", "invalid gateway");
        break;
    case platform::code::AccessDenied:
        meaning = QT_TRANSLATE_NOOP("ResultTexts", "access denied");
        break;
    case platform::code::NotOnThisPlatform:
        meaning = QT_TRANSLATE_NOOP("ResultTexts", "not available on this platform");
        break;
    default:
        break;
    }
    const QString number = QCoreApplication::translate("ResultTexts", "code %1").arg(code);
    return meaning ? number + QStringLiteral(": ") + text(meaning) : number;
}

} // namespace korvo
