#include "core/ResultTexts.h"

#include "platform/NetConfigService.h"

#include <QCoreApplication>
#include <QStringList>

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

QString rollbackText(const char* source) {
    return QCoreApplication::translate("Rollback", source);
}

// The sentences the main window says of a change it keeps or that another rollback covers.
QString windowText(const char* source) {
    return QCoreApplication::translate("korvo::Form1", source);
}

// "The gateway was": what a refusal or a missing setting is about, as its sentence starts.
QString subjectText(ReasonSubject subject) {
    switch (subject) {
    case ReasonSubject::Address:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "The address was"));
    case ReasonSubject::Dhcp:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "DHCP was"));
    case ReasonSubject::Gateway:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "The gateway was"));
    case ReasonSubject::WinsServers:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "The WINS servers were"));
    case ReasonSubject::DnsServers:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "The DNS servers were"));
    case ReasonSubject::Change:
        break;
    }
    return text(QT_TRANSLATE_NOOP("ResultTexts", "The change was"));
}

// "The address was refused (code 91: access denied).", then the service's own word on it on a line of
// its own; a refused permission without one says how to get it.
QStringList refusalLines(ReasonSubject subject, int code, const QString& detail) {
    QStringList lines{QCoreApplication::translate("ResultTexts", "%1 refused (%2).")
                          .arg(subjectText(subject), describeServiceCode(code))};
    if (!detail.isEmpty())
        lines << detail;
    else if (code == platform::code::AccessDenied)
        lines << missingRightsAdvice();
    return lines;
}

// Every reason but a refusal is one sentence.
QString reasonSentence(const Reason& r) {
    using K = ReasonKind;
    const auto value = [&r](qsizetype i) { return r.Values.value(i); };
    const QString none = text(QT_TRANSLATE_NOOP("ResultTexts", "none"));
    switch (r.Kind) {
    case K::Invalid:
        return validationMessage(r.Field);
    case K::Refused:
        return refusalLines(r.Subject, r.Code, value(0)).join(CR);
    case K::NotOnThisPlatform:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "%1 not set: this platform has none."))
            .arg(subjectText(r.Subject));
    case K::RestartNeeded:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "Restart the computer to complete the change."));
    case K::CableNotConnected:
        return text(QT_TRANSLATE_NOOP("ResultTexts",
                                      "The adapter's cable is not connected: the values are saved and take "
                                      "effect when the cable is connected."));
    case K::ServiceFailedPartWay:
        return text(QT_TRANSLATE_NOOP("ResultTexts",
                                      "The network configuration service failed before the rest was set: %1"))
            .arg(value(0));
    case K::ServiceFailed:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "The network configuration service failed: %1"))
            .arg(value(0));
    case K::SavedNotInEffect:
        return value(0);
    case K::AdapterNotListed:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "The network interface -%1- %2."))
            .arg(value(0),
                 value(1).isEmpty() ? text(QT_TRANSLATE_NOOP("ResultTexts", "was not found")) : value(1));
    case K::AddressInUse:
        return text(QT_TRANSLATE_NOOP("ResultTexts",
                                      "%1 is in use already: the host %2 answered for it on -%3-. "
                                      "Nothing was changed."))
            .arg(value(0), value(1), value(2));
    case K::Differs:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "%1: %2 asked, %3 in effect."))
            .arg(fieldNames().value(r.Field).trimmed(), value(0).isEmpty() ? none : value(0),
                 value(1).isEmpty() ? none : value(1));
    case K::NotReadBack:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "The adapter could not be read back: %1")).arg(value(0));
    case K::AddressNotChecked:
        return text(QT_TRANSLATE_NOOP("ResultTexts",
                                      "Whether %1 was free on the network was not checked: %2."))
            .arg(value(0), value(1));
    case K::GatewayAnswers:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "The gateway %1 answers.")).arg(value(0));
    case K::GatewayDoesNotAnswer:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "The gateway %1 does not answer.")).arg(value(0));
    case K::UndoNotGivenUp:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "The way back prepared before the change could not be "
                                                     "given up, so it may undo the change: %1"))
            .arg(value(0));
    case K::PendingRollback:
        if (!value(2).isEmpty())
            return windowText(
                       QT_TRANSLATE_NOOP("korvo::Form1",
                                         "A pending rollback covers %1: it will undo this change in %2 "
                                         "seconds, when %3 expires, unless that is kept first."))
                .arg(value(0))
                .arg(value(2))
                .arg(value(1));
        return windowText(QT_TRANSLATE_NOOP("korvo::Form1",
                                            "A pending rollback covers %1: it will undo this change if %2 is "
                                            "rolled back."))
            .arg(value(0), value(1));
    case K::Kept:
        return windowText(QT_TRANSLATE_NOOP("korvo::Form1", "These settings are kept."));
    case K::NotKept:
        return windowText(QT_TRANSLATE_NOOP("korvo::Form1", "These settings could not be kept: %1"))
            .arg(value(0));
    case K::NotPutBack:
        return rollbackText(QT_TRANSLATE_NOOP("Rollback", "The previous settings could not be put back: %1"))
            .arg(value(0));
    case K::PutBack:
        return rollbackText(QT_TRANSLATE_NOOP("Rollback",
                                              "The gateway %1 did not answer after the change, so "
                                              "the previous settings were put back."))
            .arg(value(0));
    case K::Restored:
        return rollbackText(QT_TRANSLATE_NOOP("Rollback", "Restored %1: %2"))
            .arg(value(0), r.Had ? stateSummary(*r.Had) : QString());
    case K::NotRestored:
        return rollbackText(QT_TRANSLATE_NOOP("Rollback", "%1 was not restored: it had %2 and has %3"))
            .arg(value(0), r.Had ? stateSummary(*r.Had) : QString(),
                 r.Has ? stateSummary(*r.Has)
                       : rollbackText(QT_TRANSLATE_NOOP("Rollback", "nothing Korvo can read")));
    case K::InvalidMoreAddress:
        return QCoreApplication::translate("AddressValidation",
                                           "A valid further address is required, such as 192.0.2.21/24: %1")
            .arg(value(0));
    case K::MoreAddresses:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "More addresses: %1")).arg(value(0));
    case K::MoreAddressesDiffer:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "More addresses: %1 asked, %2 in effect."))
            .arg(value(0), value(1).isEmpty() ? none : value(1));
    case K::FoundByHardwareAddress:
        return text(QT_TRANSLATE_NOOP("ResultTexts",
                                      "-%1-, now named -%2-, was found by its hardware address %3."))
            .arg(value(0), value(1), value(2));
    }
    return {};
}

} // namespace

QString shownCaption(const ApplyOutcome& o) {
    return o.NowNamed.isEmpty() ? o.Values.AdapterCaption
                                : text(QT_TRANSLATE_NOOP("ResultTexts", "%1, now named %2"))
                                      .arg(o.Values.AdapterCaption, o.NowNamed);
}

QString leadLine(const ApplyOutcome& o) {
    switch (o.State) {
    case ApplyState::Applied:
        return text(Applied);
    case ApplyState::Refused:
        return text(o.Saved ? Saved : o.Differs ? Differs : PartlyApplied);
    case ApplyState::Invalid:
        return text(Invalid);
    case ApplyState::NotApplied:
        return text(NotChanged);
    case ApplyState::ServiceError:
        break;
    }
    return text(o.Unconfirmed ? Unconfirmed : Failed);
}

QStringList reasonLines(const Reason& reason) {
    if (reason.Kind == ReasonKind::Refused)
        return refusalLines(reason.Subject, reason.Code, reason.Values.value(0));
    return {reasonSentence(reason)};
}

QString reasonText(const Reason& reason) {
    return reasonLines(reason).join(CR);
}

QStringList reasonTexts(const std::vector<Reason>& reasons) {
    QStringList texts;
    for (const Reason& r : reasons)
        texts << reasonText(r);
    return texts;
}

QString shownText(const ShownValue& value) {
    switch (value.Mark) {
    case ValueMark::Value:
        break;
    case ValueMark::Refused:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "Refused"));
    case ValueMark::NotSet:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "Not set"));
    case ValueMark::Ignored:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "Ignored"));
    case ValueMark::None:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "none"));
    }
    return value.Value;
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

QString heading(const ApplyOutcome& o) {
    switch (o.State) {
    case ApplyState::Applied:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "Configuration Applied"));
    case ApplyState::Invalid:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "Configuration Error!"));
    case ApplyState::NotApplied:
        return text(QT_TRANSLATE_NOOP("ResultTexts", "Configuration Not Applied"));
    case ApplyState::Refused:
    case ApplyState::ServiceError:
        break;
    }
    return text(QT_TRANSLATE_NOOP("ResultTexts", "Error Applying Configuration"));
}

QString resultText(const ApplyOutcome& o) {
    const QStringList reasons = reasonTexts(o.Reasons);
    if (o.State == ApplyState::ServiceError || o.State == ApplyState::NotApplied) {
        // Three empty lines and the sentence; a reason follows after an empty line.
        QString shown = CR + CR + CR + leadLine(o);
        if (!reasons.isEmpty()) shown += CR + CR + reasons.join(CR);
        return shown;
    }
    QString shown = leadLine(o) + CR + CR + QStringLiteral("-") + shownCaption(o) + QStringLiteral("-") + CR +
                    CR + fieldNames().join(CR) + CR;
    if (o.State == ApplyState::Applied) {
        shown += QStringLiteral(" ");
        for (const QString& note : reasons)
            shown += CR + note;
        return shown;
    }
    // Laid out as the validation report: the names beside the values, then what went wrong.
    shown += CR;
    for (const QString& line : reasons)
        shown += line + CR;
    return shown;
}

QString resultValues(const ApplyOutcome& o) {
    if (o.State == ApplyState::ServiceError || o.State == ApplyState::NotApplied) return {};
    QString shown = CR;
    for (const ShownValue& v : o.InEffect)
        shown += shownText(v) + CR;
    return shown;
}

QString missingRightsAdvice() {
#ifdef _WIN32
    return QCoreApplication::translate("ResultTexts", "Changing the network needs administrator rights.");
#else
    return QCoreApplication::translate("ResultTexts",
                                       "Changing the network needs more rights than this account has.");
#endif
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

QString stateSummary(const platform::IPv4State& state) {
    QStringList parts;
    QStringList addresses;
    for (const std::string& a : state.addresses)
        addresses << QString::fromStdString(a);
    parts << (addresses.isEmpty() ? rollbackText(QT_TRANSLATE_NOOP("Rollback", "no address"))
                                  : addresses.join(u' '));
    if (!state.gateway.empty())
        parts << rollbackText(QT_TRANSLATE_NOOP("Rollback", "gateway %1"))
                     .arg(QString::fromStdString(state.gateway));
    QStringList dns;
    for (const std::string& d : state.dnsServers)
        dns << QString::fromStdString(d);
    if (!dns.isEmpty()) parts << QStringLiteral("DNS ") + dns.join(u' ');
    // The kind in the words of the adapter tooltips (their translations list the three kinds).
    parts << QCoreApplication::translate("AdapterStates", platform::configurationKind(state));
    return parts.join(QStringLiteral(", "));
}

} // namespace korvo
