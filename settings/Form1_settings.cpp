#include "app/Form1.h"

#include "app/AdapterList.h"

#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

namespace korvo {

namespace {

// The platform's grey third state counts as cleared.
bool ticked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }

void setState(QCheckBox* box, const std::optional<bool>& state) {
    if (state)
        box->setChecked(*state);
}

void lock(QLineEdit* box) {
    box->setEnabled(false);
    box->setReadOnly(true);
}

StoredSettings fromWindow(const Form1& form) {
    StoredSettings s;
    for (int t = 0; t < StoredProfileCount; ++t) {
        const ProfileTab& tab = form.tab(t);
        s.Profiles[static_cast<std::size_t>(t)] = {
            tab.IPAddress->text(),   tab.SubnetMask->text(),    tab.Gateway->text(),
            tab.PrimaryDNS->text(),  tab.SecondaryDNS->text(),  tab.PrimaryWINS->text(),
            tab.SecondaryWINS->text(), tab.Name->text(),        selectedEntry(tab.Adapters)};
    }
    s.TermsAccepted = ticked(form.Check1);
    s.DhcpPrimaryDNS = form.Text48->text();
    s.DhcpSecondaryDNS = form.Text49->text();
    s.DhcpPrimaryWINS = form.Text50->text();
    s.DhcpSecondaryWINS = form.Text57->text();
    s.DNSViaDHCP = ticked(form.Check2);
    s.WINSViaDHCP = ticked(form.Check3);
    s.DhcpAdapterCaption = selectedEntry(form.List7);
    return s;
}

} // namespace

QString Form1::SettingsPath() const {
    if (!Env.settingsFile.isEmpty()) return Env.settingsFile;
    return Env.programFolder + QDir::separator() + QStringLiteral("Korvo.ini");
}

Form1::LoadOutcome Form1::LoadSettings() {
    const SettingsFileRead read = readSettingsFile(SettingsPath());
    if (read.outcome == SettingsFileRead::Outcome::Missing)
        return LoadOutcome::Missing;
    if (read.outcome == SettingsFileRead::Outcome::Rejected) {
        Env.exclamation(this, QStringLiteral("Woops"),
                        QStringLiteral("Error while reading the ini file, it may be corrupt."));
        return LoadOutcome::Rejected;
    }

    // The order matters: boxes and lists run their reactions as they are set, and
    // the check boxes' reactions use the remembered values stored just before.
    const StoredSettings s = storedSettings(read.lines);
    for (int t = 0; t < StoredProfileCount; ++t) {
        const ProfileTab& tab = Tabs[static_cast<std::size_t>(t)];
        const StoredProfile& p = s.Profiles[static_cast<std::size_t>(t)];
        tab.IPAddress->setText(p.IPAddress);
        tab.SubnetMask->setText(p.SubnetMask);
        tab.Gateway->setText(p.Gateway);
        tab.PrimaryDNS->setText(p.PrimaryDNS);
        tab.SecondaryDNS->setText(p.SecondaryDNS);
        tab.PrimaryWINS->setText(p.PrimaryWINS);
        tab.SecondaryWINS->setText(p.SecondaryWINS);
        tab.Name->setText(p.Name);
        if (!p.AdapterCaption.isEmpty())
            RestoreSavedAdapter(tab.Adapters, p.AdapterCaption);
        if (t == 1)
            setState(Check1, s.TermsAccepted);
    }

    Text48->setText(s.DhcpPrimaryDNS);
    RememberedPrimaryDNS = s.DhcpPrimaryDNS;
    Text49->setText(s.DhcpSecondaryDNS);
    RememberedSecondaryDNS = s.DhcpSecondaryDNS;
    Text50->setText(s.DhcpPrimaryWINS);
    RememberedPrimaryWINS = s.DhcpPrimaryWINS;
    Text57->setText(s.DhcpSecondaryWINS);
    RememberedSecondaryWINS = s.DhcpSecondaryWINS;

    setState(Check2, s.DNSViaDHCP);
    if (s.DNSViaDHCP == true) {
        lock(Text48);
        lock(Text49);
    }
    setState(Check3, s.WINSViaDHCP);
    if (s.WINSViaDHCP == true) {
        lock(Text50);
        lock(Text57);
    }

    // The restore operation takes non-empty captions only.
    if (s.UseRepeatedAdapter && !s.RepeatedAdapterCaption.isEmpty())
        RestoreSavedAdapter(List1, s.RepeatedAdapterCaption);
    if (!s.DhcpAdapterCaption.isEmpty())
        RestoreSavedAdapter(List7, s.DhcpAdapterCaption);
    return LoadOutcome::Applied;
}

void Form1::Command7_Click() {
    const QString path = SettingsPath();
    // The user's configuration folder may not have a Korvo folder yet: the first save makes it.
    const QString failure = makeSettingsFolder(path)
                                ? writeSettingsFile(path, settingsLines(fromWindow(*this)))
                                : QStringLiteral("its folder could not be created");
    if (!failure.isEmpty())
        Env.exclamation(this, QStringLiteral("Korvo"),
                        QStringLiteral("The settings could not be saved to \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), failure));
}

} // namespace korvo
