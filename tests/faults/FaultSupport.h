// Shared by the fault tests and their helper executables: a settings file that
// gives Profile 1 a complete static configuration for one adapter, and the
// processes of a test bed that the tests stop, freeze and kill.
#pragma once

#include "core/SettingsFile.h"
#include "core/SettingsLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <array>
#include <string>
#include <sys/types.h>

namespace korvo::testing {

// Addresses from the documentation ranges only: the test bed is private, but
// nothing here should ever look like a real network.
inline StoredSettings profileOneFor(const QString& adapter) {
    StoredSettings s;
    Profile& p = s.Profiles[0];
    p.IPAddress = QStringLiteral("192.0.2.10");
    p.SubnetMask = QStringLiteral("255.255.255.0");
    p.Gateway = QStringLiteral("192.0.2.1");
    p.PrimaryDNS = QStringLiteral("192.0.2.53");
    p.Name = QStringLiteral("Fault");
    p.AdapterCaption = adapter;
    s.TermsAccepted = true;
    return s;
}

// Writes Korvo.ini into `folder`; an empty text on success.
inline QString writeProfileOneSettings(const QString& folder, const QString& adapter) {
    return writeSettingsFile(QDir(folder).filePath(QStringLiteral("Korvo.ini")),
                             settingsLines(profileOneFor(adapter)));
}

// The test bed keeps its state next to its bus socket ("unix:path=DIR/bus").
inline QString testBedDir(const std::string& busAddress) {
    const QString address = QString::fromStdString(busAddress);
    const QString prefix = QStringLiteral("unix:path=");
    if (!address.startsWith(prefix)) return {};
    return QFileInfo(address.mid(prefix.size())).absolutePath();
}

inline pid_t networkManagerPid(const std::string& busAddress) {
    QFile file(testBedDir(busAddress) + QStringLiteral("/nm.pid"));
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return static_cast<pid_t>(file.readAll().trimmed().toLongLong());
}

// The crash test's saves: every stored text of the six profiles names the
// generation that wrote it, and the lengths vary, so a file that mixes two
// saves or stops part-way cannot pass for either.
inline QString generationValue(qint64 generation, int profile, int field) {
    return QStringLiteral("%1-%2-%3").arg(generation).arg(profile).arg(field) +
           QString(static_cast<qsizetype>(generation % 13), u'x');
}

inline std::array<QString Profile::*, 8> generationFields() {
    return {&Profile::IPAddress,    &Profile::SubnetMask,  &Profile::Gateway,       &Profile::PrimaryDNS,
            &Profile::SecondaryDNS, &Profile::PrimaryWINS, &Profile::SecondaryWINS, &Profile::Name};
}

// The generation every profile value of `s` agrees on, or -1 when they disagree.
inline qint64 generationOf(const StoredSettings& s) {
    bool ok = false;
    const qint64 g = s.Profiles[0].IPAddress.section(u'-', 0, 0).toLongLong(&ok);
    if (!ok) return -1;
    const auto fields = generationFields();
    for (int t = 0; t < StoredProfileCount; ++t)
        for (int f = 0; f < static_cast<int>(fields.size()); ++f)
            if (s.Profiles[static_cast<std::size_t>(t)].*fields[static_cast<std::size_t>(f)] !=
                generationValue(g, t, f))
                return -1;
    return g;
}

inline StoredSettings generationSettings(qint64 generation) {
    StoredSettings s;
    const auto fields = generationFields();
    for (int t = 0; t < StoredProfileCount; ++t)
        for (int f = 0; f < static_cast<int>(fields.size()); ++f)
            s.Profiles[static_cast<std::size_t>(t)].*fields[static_cast<std::size_t>(f)] =
                generationValue(generation, t, f);
    return s;
}

} // namespace korvo::testing
