#include "platform/nm/NmUnfinished.h"

#include "platform/nm/NmSentences.h"

#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDeadlineTimer>

#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace korvo::platform::nmbus {

namespace {

std::mutex Guard;
std::map<std::uint64_t, UnfinishedSave> Noted;
std::uint64_t NextId = 0;

QString translated(const char* english) {
    return QCoreApplication::translate("korvo::NetworkManager", english);
}

} // namespace

UnfinishedNote::UnfinishedNote(UnfinishedSave save) : saved_(save.saved) {
    const std::lock_guard hold(Guard);
    id_ = NextId++;
    Noted.emplace(id_, std::move(save));
}

UnfinishedNote::~UnfinishedNote() {
    const std::lock_guard hold(Guard);
    Noted.erase(id_);
}

std::string putBackUnfinished(std::chrono::milliseconds wait) {
    std::vector<UnfinishedSave> saves;
    {
        const std::lock_guard hold(Guard);
        for (const auto& [id, save] : Noted)
            saves.push_back(save);
    }
    const QDeadlineTimer deadline(wait);
    QStringList said;
    for (const UnfinishedSave& save : saves) {
        // Both sent at once, behind the apply's own calls: NetworkManager takes them in that order.
        QDBusPendingCall saved =
            save.bus->post(save.profile, ConnectionIface, QStringLiteral("Update2"),
                           {QVariant::fromValue(save.original), Update2ToDisk, QVariantMap{}},
                           int(deadline.remainingTime()));
        std::optional<QDBusPendingCall> live;
        if (save.reapply)
            live = save.bus->post(save.device, DeviceIface, QStringLiteral("Reapply"),
                                  {QVariant::fromValue(ConnectionSettings{}), qulonglong{0}, uint{0}},
                                  int(deadline.remainingTime()));
        saved.waitForFinished();
        if (live) live->waitForFinished();
        const QDBusMessage refusal = saved.isError()           ? saved.reply()
                                     : live && live->isError() ? live->reply()
                                                               : QDBusMessage();
        if (refusal.type() != QDBusMessage::ErrorMessage)
            said << translated(
                        QT_TRANSLATE_NOOP("korvo::NetworkManager",
                                          "%1's saved profile was put back as it was before the apply."))
                        .arg(save.interfaceName);
        else if (Bus::unanswered(refusal) && save.saved->load())
            said << translated(
                        QT_TRANSLATE_NOOP(
                            "korvo::NetworkManager",
                            "NetworkManager saved the new settings in %1's profile but has not put them into "
                            "effect, nor answered Korvo's request to put the profile back: until it does, %1 "
                            "keeps "
                            "its previous settings while its profile holds the new ones, which its next "
                            "connection "
                            "brings. Applying a profile again sets both."))
                        .arg(save.interfaceName);
        else if (Bus::unanswered(refusal))
            said << translated(QT_TRANSLATE_NOOP("korvo::NetworkManager",
                                                 "NetworkManager has not answered the saving of %1's new "
                                                 "settings: Korvo has asked it to "
                                                 "keep the profile as it was, and could not see that done."))
                        .arg(save.interfaceName);
        else
            said << translated(QT_TRANSLATE_NOOP("korvo::NetworkManager",
                                                 "%1's saved profile could not be put back: %2"))
                        .arg(save.interfaceName,
                             QString::fromStdString(Bus::reason(saved.isError() ? QStringLiteral("Update2")
                                                                                : QStringLiteral("Reapply"),
                                                                refusal)));
    }
    return said.join(u' ').toStdString();
}

} // namespace korvo::platform::nmbus
