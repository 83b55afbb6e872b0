// What each listed adapter has now, and what the main window shows of it: the marks of the
// profiles in effect on the apply buttons, their tooltips, and the adapter entries' tooltips.
// The service's change watch keeps it current; without one an apply asks again.
#pragma once

#include "platform/AdapterState.h"
#include "ui/ProfileTab.h"
#include "ui/Tray.h"

#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QPushButton;

namespace korvo {

namespace platform {
class Adapter;
class ChangeWatch;
class ServiceConnector;
} // namespace platform

class AdapterStates : public QObject {
    Q_OBJECT

public:
    // The apply buttons' tooltip when their profile is in effect nowhere.
    static QString applyTip();

    // The marks are the book's profiles, shown on `buttons`; the tips go to the tabs' lists.
    AdapterStates(std::shared_ptr<platform::ServiceConnector> connector, const ProfileBook& book,
                  const std::array<ProfileTab*, TabCount>& tabs,
                  const std::array<QPushButton*, TabCount>& buttons);
    ~AdapterStates() override;

    struct AdapterNow {
        QString Caption;
        platform::IPv4State State;
        QString HardwareAddress{};
    };
    // What a listing found, in the service's order; shows the marks and tooltips.
    void show(std::vector<AdapterNow> now);
    // The marks and the lists' tooltips from the states known so far.
    void show();
    // The marks alone: a profile's boxes or adapter changed, the states did not.
    void ShowProfilesInEffect();

    // Asks the service what the adapters have now, without waiting; the entries of the lists stay.
    void refresh();
    // Has the service tell of changes, asked on the event loop's next turn so that the caller
    // (the first paint) does not wait for it; later calls do nothing.
    void watchSoon();
    // Whether the service tells of changes itself (after watch()).
    bool watching() const { return Watch != nullptr; }
    // What the adapter of `caption` has now, as the marks read it; nullopt when the last answer did
    // not tell of it.
    std::optional<platform::IPv4State> stateOf(const QString& caption) const;
    // The hardware address of the adapter of `caption` as last listed; empty when not known.
    QString hardwareAddressOf(const QString& caption) const;
    // Whether tab 0..6's profile is in effect on its adapter, as last shown.
    bool isInEffect(int tabIndex) const { return InEffect[static_cast<std::size_t>(tabIndex)]; }
    // Whether the last answer told of any adapter's state.
    bool known() const { return !Now.empty(); }

    // The adapters a listing found, all of them, whatever their state: the lists' entries of others
    // are shown absent. An empty listing says nothing: the service may not have answered.
    void setPresent(const QStringList& captions);
    bool isAbsent(const QString& caption) const;
    static QString absentTip(const QString& caption);
    // Each adapter with a known state, its addresses and the profiles in effect on it, as last shown.
    std::vector<TrayAdapter> glance() const;

signals:
    // Tab 0..6's profile is in effect on an adapter, or not; sent on every showing.
    void inEffect(int tabIndex, bool active);
    // A listing after the first found these adapters (the lists may lack some of them).
    void listed(const QStringList& captions);
    // glance() may have changed.
    void shown();

private:
    void Listed(std::vector<std::unique_ptr<platform::Adapter>> adapters);

    std::shared_ptr<platform::ServiceConnector> Connector;
    const ProfileBook& Book;
    std::array<ProfileTab*, TabCount> Tabs;
    std::array<bool, TabCount> InEffect{};
    std::array<QPushButton*, TabCount> Buttons;
    std::vector<AdapterNow> Now;
    QStringList Present;
    std::vector<std::vector<int>> InEffectOn; // by Now's index: the tabs whose profile is in effect
    std::unique_ptr<platform::ChangeWatch> Watch;
    bool WatchAsked = false;
    bool Refreshing = false;   // a listing is awaited
    bool RefreshAgain = false; // and another change was heard meanwhile
};

} // namespace korvo
