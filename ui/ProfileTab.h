// One page of the Settings page's tab control SSTab2: a profile's seven address
// boxes, its adapter list and its name box; on the DHCP tab no name box, but the
// "DNS via DHCP" and "WINS via DHCP" boxes that lock the server boxes.
// Its controls are made when the page is first needed (build()); until then the
// tab holds their values itself and runs the same reactions on them.
#pragma once

#include "core/Profile.h"
#include "platform/AdapterState.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace korvo {

inline constexpr int TabCount = 7;
inline constexpr int DhcpTab = 6;

class ProfileTab : public QWidget {
    Q_OBJECT

public:
    // Tab `index` (0..5 the profiles, 6 the DHCP tab) in its design state, its controls not made yet.
    explicit ProfileTab(int index, QWidget* parent = nullptr);

    // Makes the controls from the values held so far; later calls do nothing.
    void build();
    bool built() const { return Adapters != nullptr; }

    bool isDhcp() const { return Index == DhcpTab; }
    QString caption() const; // "Profile 1" .. "DHCP"

    // The boxes as typed, the name and TabAdapterCaption.
    Profile profile() const;
    // Boxes and name, each running its reaction; the adapter comes back through RestoreSavedAdapter.
    void setProfile(const Profile& profile);

    // The adapter last selected in the list; empty until the list has had a selection.
    const QString& TabAdapterCaption() const { return AdapterCaption; }
    // The list's selected entry; empty when nothing is selected.
    QString chosenAdapter() const;
    // Puts `caption` at `position` of the list, replacing what a restore put there before.
    void listAdapter(int position, const QString& caption);
    // Puts the service's adapters at `position`, before the entries a restore added.
    void insertAdapters(int position, const QStringList& captions);
    // Lists `caption` at `position` and selects it, as the user's selection would.
    void RestoreSavedAdapter(int position, const QString& caption);

    // Each entry's tooltip, by its caption (a restored entry shares its caption's tip).
    void setAdapterTips(const std::function<QString(const QString& caption)>& tipFor);

    // What an adapter has now, by its caption; nullopt when that is not known. The adapter list's
    // context menu takes the boxes from it.
    using StateOf = std::function<std::optional<platform::IPv4State>(const QString& caption)>;
    void setAdapterStates(StateOf stateOf) { AdapterStateOf = std::move(stateOf); }

    // A profile command empties the server boxes that hold only blanks.
    void clearBlankServers();

    // DHCP tab: the via-DHCP boxes (std::nullopt leaves one as it is) and the typed
    // servers they remember, as the settings file stores them.
    struct ViaDhcp {
        std::optional<bool> DNS, WINS;
    };
    ViaDhcp viaDhcp() const;
    void setViaDhcp(const ViaDhcp& via);
    void Check2_Click(); // "DNS via DHCP"
    void Check3_Click(); // "WINS via DHCP"

    // The tab's controls in keyboard order (none before build()).
    QList<QWidget*> keyboardOrder() const;

signals:
    void nameChanged(const QString& name); // Text19..Text24
    void adapterChosen();                  // List1..List7
    void addressEdited();                  // any of the seven address boxes

private:
    // The boxes by role: the seven addresses in the order of Profile, then the name.
    enum Role { IP, Mask, Gate, DNS1, DNS2, WINS1, WINS2, NameRole, RoleCount };
    // What a screen reader calls a control of this tab: "Profile 2, IP Address".
    QString spokenName(const QString& heading) const;
    QString text(int role) const;
    void setText(int role, const QString& text);
    void setLocked(int role, bool locked); // disabled and read-only
    bool viaDNS() const;
    bool viaWINS() const;
    void select(int row);
    void List_Click();
    void AdapterMenu(QListWidgetItem* entry, const QPoint& globalPos);
    // The boxes as `now` has them, so that the tab's apply leaves the adapter as it is: on a profile
    // tab its address, mask, gateway and DNS servers; on the DHCP tab whether the DNS servers come by
    // DHCP, else which. WINS and the name stay.
    void takeSettings(const platform::IPv4State& now);

    int Index;
    // Made by build(); none of them before.
    std::array<QLineEdit*, RoleCount> Boxes{}; // no name box on the DHCP tab
    QListWidget* Adapters = nullptr;
    QCheckBox *Check2 = nullptr, *Check3 = nullptr; // DHCP tab only
    // What the controls hold until build() makes them.
    std::array<QString, RoleCount> Texts;
    std::array<bool, RoleCount> Locked{};
    QStringList Entries, Tips;
    int Selected = -1;
    bool ViaDNS = true, ViaWINS = true;

    QString AdapterCaption;
    StateOf AdapterStateOf;
    // The DHCP tab's typed servers while their boxes show "DHCP".
    QString RememberedPrimaryDNS, RememberedSecondaryDNS, RememberedPrimaryWINS, RememberedSecondaryWINS;
};

} // namespace korvo
