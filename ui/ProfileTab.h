// One page of the Settings page's tab control SSTab2: a profile's seven address
// boxes, its adapter list and its name box; on the DHCP tab no name box, but the
// "DNS via DHCP" and "WINS via DHCP" boxes that lock the server boxes.
#pragma once

#include "core/Profile.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace korvo {

inline constexpr int TabCount = 7;
inline constexpr int DhcpTab = 6;

class ProfileTab : public QWidget {
    Q_OBJECT

public:
    // Tab `index` (0..5 the profiles, 6 the DHCP tab) with its controls in their design state.
    explicit ProfileTab(int index, QWidget* parent = nullptr);

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
    // Lists `caption` at `position` and selects it, as the user's selection would.
    void RestoreSavedAdapter(int position, const QString& caption);

    // Each entry's tooltip, by its caption (a restored entry shares its caption's tip).
    void setAdapterTips(const std::function<QString(const QString& caption)>& tipFor);

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

    // The tab's controls in keyboard order.
    QList<QWidget*> keyboardOrder() const;

signals:
    void nameChanged(const QString& name); // Text19..Text24
    void adapterChosen();                  // List1..List7
    void addressEdited();                  // any of the seven address boxes

private:
    void List_Click();
    QList<QLineEdit*> servers() const; // primary DNS, secondary DNS, primary WINS, secondary WINS

    int Index;
    QLineEdit *IPAddress = nullptr, *SubnetMask = nullptr, *Gateway = nullptr, *PrimaryDNS = nullptr,
              *SecondaryDNS = nullptr, *PrimaryWINS = nullptr, *SecondaryWINS = nullptr;
    QListWidget* Adapters = nullptr;
    QLineEdit* Name = nullptr;                      // none on the DHCP tab
    QCheckBox *Check2 = nullptr, *Check3 = nullptr; // DHCP tab only
    QString AdapterCaption;
    // The DHCP tab's typed servers while their boxes show "DHCP".
    QString RememberedPrimaryDNS, RememberedSecondaryDNS, RememberedPrimaryWINS, RememberedSecondaryWINS;
};

} // namespace korvo
