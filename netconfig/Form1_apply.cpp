#include "app/Form1.h"

#include "app/AdapterList.h"

#include "netconfig/AddressValidation.h"
#include "netconfig/Form4.h"
#include "netconfig/ResultTexts.h"
#include "platform/NetConfigService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <array>
#include <exception>

namespace korvo {

namespace {

std::string text(const QString& s) {
    return s.toStdString();
}

struct ServerField {
    QLineEdit* box;
    QString PendingConfiguration::*field;
    int PendingConfiguration::*omitted;
};

// Primary DNS, secondary DNS, primary WINS, secondary WINS: the order every command works in.
std::array<ServerField, 4> serverFields(const ProfileTab& t) {
    return {
        {{t.PrimaryDNS, &PendingConfiguration::PrimaryDNS, &PendingConfiguration::PrimaryDNSOmitted},
         {t.SecondaryDNS, &PendingConfiguration::SecondaryDNS, &PendingConfiguration::SecondaryDNSOmitted},
         {t.PrimaryWINS, &PendingConfiguration::PrimaryWINS, &PendingConfiguration::PrimaryWINSOmitted},
         {t.SecondaryWINS, &PendingConfiguration::SecondaryWINS,
          &PendingConfiguration::SecondaryWINSOmitted}}};
}

// Paints the working state now: the service calls below block the window thread.
void paintNow(Form4* window) {
    // A window just shown is not exposed until the window system says so; wait for
    // that without taking any user input (both windows are disabled meanwhile).
    QElapsedTimer waited;
    waited.start();
    while (window->windowHandle() && !window->windowHandle()->isExposed() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    window->repaint();
}

} // namespace

void Form1::connectApplyCommands() {
    for (int t = 0; t < DhcpTab; ++t)
        connect(Tabs[static_cast<std::size_t>(t)].Apply, &QPushButton::clicked, this,
                [this, t] { ProfileCommand(t); });
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
}

void Form1::ProfileCommand(int tabIndex) {
    Pending.DHCPMode = 0;
    if (!takeTab(tabIndex)) return;
    const auto servers = serverFields(tab(tabIndex));
    for (const ServerField& s : servers)
        Pending.*s.field = trimBlanks(s.box->text());
    for (const ServerField& s : servers) {
        const bool empty = (Pending.*s.field).isEmpty();
        if (empty) s.box->setText(QString());
        Pending.*s.omitted = empty ? 1 : 0;
    }
    startApplying();
}

void Form1::Command8_Click() {
    if (!takeTab(DhcpTab)) return;
    Pending.DHCPMode = 1;
    const auto servers = serverFields(tab(DhcpTab));
    for (const ServerField& s : servers) {
        // The literal is the instruction to take this server from DHCP; " DHCP" or "dhcp" is not.
        Pending.*s.omitted = s.box->text() == QLatin1String("DHCP") ? 1 : 0;
        Pending.*s.field = trimBlanks(s.box->text());
    }
    for (const ServerField& s : servers) {
        if (!(Pending.*s.field).isEmpty()) continue;
        s.box->setText(QString());
        // An empty primary DNS stays tested, and so reported.
        if (&s != &servers.front()) Pending.*s.omitted = 1;
    }
    startApplying();
}

// What every command does first: the tab's adapter, the check that one is chosen, and the
// address, mask and gateway boxes as typed.
bool Form1::takeTab(int tabIndex) {
    const ProfileTab& t = tab(tabIndex);
    Pending.AdapterCaption = TabAdapterCaption[static_cast<std::size_t>(tabIndex)];
    if (selectedEntry(t.Adapters).isEmpty()) {
        Env.exclamation(this, QStringLiteral("Whoops"), QStringLiteral("Please select an Interface first!!"));
        return false;
    }
    ApplyStartedBy = t.Apply;
    Pending.IPAddress = t.IPAddress->text();
    Pending.SubnetMask = t.SubnetMask->text();
    Pending.Gateway = t.Gateway->text();
    return true;
}

void Form1::startApplying() {
    if (!Applying) {
        Applying = new Form4(nullptr);
        connect(Applying, &Form4::dismissed, this, [this] {
            setEnabled(true);
            activateWindow();
            // The keyboard goes on where it was: on the button that started the apply.
            if (ApplyStartedBy)
                ApplyStartedBy->setFocus();
            else
                setFocus();
        });
        // Deletion waits for the event loop; until then the closed window must not be reused.
        connect(Applying, &Form4::unloaded, this, [this] { Applying = nullptr; });
        // Top-level without an owner, so it is not deleted with the main window by itself.
        Form4* window = Applying;
        connect(this, &QObject::destroyed, window, [window] { delete window; });
    }
    Applying->ShowPrepared();
    Applying->show();
    setEnabled(false);
    Applying->setEnabled(false);
    SetInterface();
}

void Form1::SetInterface() {
    if (!Applying) {
        startApplying(); // creates the window and comes back here
        return;
    }
    Form4* window = Applying;
    window->ShowWorking();
    paintNow(window);

    ValidationMessages.clear();
    const ValidationOutcome validation = validateAddresses(Pending);
    ValidationMessages = validation.Messages;
    if (!validation.valid()) {
        ResultValues = composeResultValues(Pending);
        ResultText = composeValidationText(Pending.AdapterCaption, ValidationMessages);
        window->ShowInvalid(ResultText, ResultValues);
        ValidationMessages.clear();
        return;
    }

    auto serviceError = [&](const QString& reason) {
        ResultText = composeFailureText(reason);
        window->ShowServiceError(ResultText);
    };

    ComputerName = QStringLiteral(".");
    bool matched = false;
    try {
        if (!Env.connector)
            throw platform::ServiceError("no network configuration service is available on this system");
        const std::unique_ptr<platform::Service> service = Env.connector->connect(
            "winmgmts:{impersonationLevel=impersonate}!\\\\" + text(ComputerName) + "\\root\\cimv2");
        if (!service) throw platform::ServiceError("the service gave no connection");
        const auto items = service->execQuery(platform::AdapterQuery, platform::QueryFlagReturnImmediately |
                                                                          platform::QueryFlagForwardOnly);

        const std::vector<std::string> IPAddresses{text(Pending.IPAddress)};
        const std::vector<std::string> SubnetMasks{text(Pending.SubnetMask)};
        const std::vector<std::string> Gateways{text(Pending.Gateway)};
        const std::vector<int> GatewayMetrics{1};
        std::vector<std::string> DNSServers{text(Pending.PrimaryDNS)};
        if (Pending.PrimaryDNSOmitted != 1 && Pending.SecondaryDNSOmitted != 1)
            DNSServers.push_back(text(Pending.SecondaryDNS));
        // A secondary server without a primary is not sent, and the summary says so.
        if (Pending.PrimaryDNSOmitted == 1 && Pending.SecondaryDNSOmitted != 1)
            Pending.SecondaryDNS = QStringLiteral("Ignored");

        const std::string caption = text(Pending.AdapterCaption);
        for (const auto& item : items) {
            if (!item || item->caption() != caption) continue;
            matched = true;
            int gatewayResult = platform::code::Success;
            if (Pending.DHCPMode == 0) {
                EnableResult = item->enableStatic(IPAddresses, SubnetMasks);
                gatewayResult = item->setGateways(Gateways, GatewayMetrics);
            } else {
                EnableResult = item->enableDHCP();
            }
            if (!platform::succeeded(EnableResult)) {
                serviceError(describeRefusal(Pending.DHCPMode == 0 ? QStringLiteral("The address was")
                                                                   : QStringLiteral("DHCP was"),
                                             EnableResult));
                continue;
            }
            const int winsResult =
                Pending.PrimaryWINSOmitted != 1
                    ? item->setWINSServer(text(Pending.PrimaryWINS), text(Pending.SecondaryWINS))
                    : item->setWINSServer("", "");
            const int dnsResult = Pending.PrimaryDNSOmitted != 1
                                      ? item->setDNSServerSearchOrder(DNSServers)
                                      : item->setDNSServerSearchOrder(std::nullopt);
            const AppliedReport report =
                composeAppliedReport(Pending, {EnableResult, gatewayResult, winsResult, dnsResult});
            ResultValues = report.values;
            ResultText = report.text;
            if (report.refused)
                window->ShowRefused(ResultText, ResultValues);
            else
                window->ShowApplied(ResultText, ResultValues);
        }
    } catch (const std::exception& e) {
        serviceError(QStringLiteral("The network configuration service failed: %1")
                         .arg(QString::fromStdString(e.what())));
        return;
    }
    if (!matched)
        serviceError(QStringLiteral("The network interface -%1- was not found.").arg(Pending.AdapterCaption));
}

} // namespace korvo
