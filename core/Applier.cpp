#include "core/Applier.h"

#include "core/AddressValidation.h"
#include "core/ResultTexts.h"
#include "platform/NetConfigService.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <exception>

namespace korvo {

namespace {

std::string text(const QString& s) {
    return s.toStdString();
}

// Primary DNS, secondary DNS, primary WINS, secondary WINS: the order every command works in.
struct ServerField {
    QString Profile::*text;
    bool OmittedServers::*omitted;
};
constexpr std::array<ServerField, 4> ServerFields{
    {{&Profile::PrimaryDNS, &OmittedServers::PrimaryDNS},
     {&Profile::SecondaryDNS, &OmittedServers::SecondaryDNS},
     {&Profile::PrimaryWINS, &OmittedServers::PrimaryWINS},
     {&Profile::SecondaryWINS, &OmittedServers::SecondaryWINS}}};

ApplyOutcome failure(const QString& reason, const Profile& values) {
    ApplyOutcome outcome;
    outcome.Values = values;
    if (!reason.isEmpty()) outcome.Reasons << reason;
    return outcome;
}

} // namespace

OmittedServers takeServers(Profile& p, ApplyMode mode) {
    OmittedServers omitted;
    for (const ServerField& s : ServerFields) {
        // On the DHCP tab the literal is the instruction to take this server from DHCP;
        // " DHCP" or "dhcp" is not.
        const bool fromDhcp = mode == ApplyMode::Dhcp && p.*s.text == QLatin1String("DHCP");
        p.*s.text = trimBlanks(p.*s.text);
        // An empty primary DNS on the DHCP tab stays tested, and so reported.
        const bool emptyLeftOut = mode == ApplyMode::Static || s.text != &Profile::PrimaryDNS;
        omitted.*s.omitted = fromDhcp || ((p.*s.text).isEmpty() && emptyLeftOut);
    }
    return omitted;
}

Applier::Applier(std::shared_ptr<platform::ServiceConnector> connector) : Connector(std::move(connector)) {}

ApplyOutcome Applier::SetInterface(const Profile& typed, ApplyMode mode) const {
    Profile p = typed;
    const OmittedServers omitted = takeServers(p, mode);

    const ValidationOutcome validation = validateAddresses(p, mode, omitted);
    if (!validation.valid())
        return {ApplyOutcome::State::Invalid, false, p, p, validationLines(validation.Messages)};

    ApplyOutcome outcome;
    bool matched = false;
    std::string notListed; // why the service left the adapter out, when it knows
    try {
        if (!Connector)
            throw platform::ServiceError(
                QCoreApplication::translate("ResultTexts",
                                            "no network configuration service is available on this system")
                    .toStdString());
        const std::unique_ptr<platform::Service> service = Connector->connect(platform::Purpose::Change);
        if (!service)
            throw platform::ServiceError(
                QCoreApplication::translate("ResultTexts", "the service gave no connection").toStdString());
        const auto adapters = service->adapters();

        platform::IPv4Settings settings;
        if (mode == ApplyMode::Static) {
            settings.staticAddresses = {{text(p.IPAddress), text(p.SubnetMask)}};
            settings.gateways = {text(p.Gateway)};
        }
        if (!omitted.PrimaryDNS) {
            settings.dnsServers = {text(p.PrimaryDNS)};
            if (!omitted.SecondaryDNS) settings.dnsServers->push_back(text(p.SecondaryDNS));
        }
        settings.winsServers = !omitted.PrimaryWINS ? std::pair(text(p.PrimaryWINS), text(p.SecondaryWINS))
                                                    : std::pair(std::string(), std::string());
        // A secondary server without a primary is not sent, and the summary says so.
        if (omitted.PrimaryDNS && !omitted.SecondaryDNS) p.SecondaryDNS = ignoredServer();

        const std::string caption = text(p.AdapterCaption);
        // Every adapter of that caption is changed; the last one's outcome is shown.
        for (const auto& adapter : adapters) {
            if (!adapter || adapter->caption() != caption) continue;
            matched = true;
            const platform::ChangeResult result = adapter->apply(settings);
            if (!platform::succeeded(result.address.code)) {
                outcome = failure(
                    describeRefusal(mode == ApplyMode::Static
                                        ? QCoreApplication::translate("ResultTexts", "The address was")
                                        : QCoreApplication::translate("ResultTexts", "DHCP was"),
                                    result.address.code, QString::fromStdString(result.address.reason)),
                    p);
                continue;
            }
            const platform::SettingResult& whole = result.whole;
            const QString detail = QString::fromStdString(whole.reason);
            if (whole.status == platform::SettingResult::Status::SavedNotInEffect) {
                outcome = {ApplyOutcome::State::Refused, true, p, p, {}};
                if (!detail.isEmpty()) outcome.Reasons << detail;
                continue;
            }
            if (whole.status == platform::SettingResult::Status::Refused) {
                outcome =
                    failure(describeRefusal(QCoreApplication::translate("ResultTexts", "The change was"),
                                            whole.code, detail),
                            p);
                continue;
            }
            // The address is in place by now: a refused server is reported beside the values in effect.
            outcome = inEffect(p, result);
        }
        if (!matched) notListed = service->whyNotListed(caption);
    } catch (const std::exception& e) {
        ApplyOutcome failed =
            failure(QCoreApplication::translate("ResultTexts", "The network configuration service failed: %1")
                        .arg(QString::fromStdString(e.what())),
                    p);
        failed.Unconfirmed = dynamic_cast<const platform::UnconfirmedChange*>(&e) != nullptr;
        return failed;
    }
    if (!matched)
        return failure(QCoreApplication::translate("ResultTexts", "The network interface -%1- %2.")
                           .arg(p.AdapterCaption, notListed.empty() ? QCoreApplication::translate(
                                                                          "ResultTexts", "was not found")
                                                                    : QString::fromStdString(notListed)),
                       p);
    return outcome;
}

} // namespace korvo
