// One page of the Settings page's tab control SSTab2: a profile's seven address
// boxes, its adapter list and its name box; on the DHCP tab no name box, but the
// "DNS via DHCP" and "WINS via DHCP" boxes that lock the server boxes.
// The values are the profile book's slot and the adapter choices' list: the controls, made when
// the page is first needed (build()), show and edit them; until then only the models hold them.
#pragma once

#include "core/AdapterChoices.h"
#include "core/ProfileBook.h"
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

inline constexpr int TabCount = SlotCount;
inline constexpr int DhcpTab = DhcpSlot;

class ProfileTab : public QWidget {
    Q_OBJECT

public:
    // Tab `index` (0..5 the profiles, 6 the DHCP tab) of `book`'s slot `index` and its adapter list in
    // `choices`, its controls not made yet.
    ProfileTab(int index, ProfileBook& book, AdapterChoices& choices, QWidget* parent = nullptr);

    // Makes the controls from the book's values; later calls do nothing.
    void build();
    bool built() const { return Adapters != nullptr; }

    // The style of the tabs' boxes and lists: set on the tab control alone, since a style sheet
    // higher up would route every control of the window through the style sheet machinery.
    static QString pageStyle();

    bool isDhcp() const { return Index == DhcpTab; }
    QString caption() const; // "Profile 1" .. "DHCP"

    // The adapter last selected in the list (the book keeps it); empty until the list has had a selection.
    const QString& TabAdapterCaption() const { return Book.profile(Index).AdapterCaption; }
    // Lists `caption` after the listed adapters and selects it, as the user's selection would.
    void RestoreSavedAdapter(const QString& caption) { Choices.restore(Index, caption); }

    // Each entry's tooltip, by its caption (a restored entry shares its caption's tip); entries of
    // adapters `absent` now are greyed.
    void setAdapterTips(const std::function<QString(const QString& caption)>& tipFor,
                        const std::function<bool(const QString& caption)>& absent = {}) {
        Choices.setTips(Index, tipFor, absent);
    }

    // What an adapter has now, by its caption; nullopt when that is not known. The adapter list's
    // context menu takes the boxes from it.
    using StateOf = std::function<std::optional<platform::IPv4State>(const QString& caption)>;
    void setAdapterStates(StateOf stateOf) { AdapterStateOf = std::move(stateOf); }

    // DHCP tab: "DNS via DHCP" and "WINS via DHCP" set in the book, their boxes locked or not.
    void Check2_Click();
    void Check3_Click();

    // The tab's controls in keyboard order (none before build()).
    QList<QWidget*> keyboardOrder() const;

private:
    // The boxes by role: the seven addresses in the order of Profile, then the name.
    enum Role { IP, Mask, Gate, DNS1, DNS2, WINS1, WINS2, NameRole, RoleCount };
    // What a screen reader calls a control of this tab: "Profile 2, IP Address".
    QString spokenName(const QString& heading) const;
    QString text(int role) const;
    void setText(int role, const QString& text);
    // Disabled and read-only as the book says.
    void showLocked(int role);
    // The book changed a value: its box shows it.
    void Changed(int slot, ProfileField field);
    // The book's via-DHCP flags were set: the check boxes show them and lock their servers.
    void ViaDhcpSet(bool dns, bool wins);
    // The adapter choices changed: the list shows it.
    void AdaptersInserted(int slot, int row, const QStringList& captions);
    void AdapterRenamed(int slot, int row);
    void AdapterTipChanged(int slot, int row);
    void AdapterSelected(int slot, int row);
    void AdaptersRemoved(int slot, int row);
    void List_Click();
    void AdapterMenu(QListWidgetItem* entry, const QPoint& globalPos);
    // The boxes as `now` has them, so that the tab's apply leaves the adapter as it is: on a profile
    // tab its address, mask, gateway and DNS servers; on the DHCP tab whether the DNS servers come by
    // DHCP, else which. WINS and the name stay.
    void takeSettings(const platform::IPv4State& now);

    int Index;
    ProfileBook& Book;
    AdapterChoices& Choices;
    // Made by build(); none of them before.
    std::array<QLineEdit*, RoleCount> Boxes{}; // no name box on the DHCP tab
    QListWidget* Adapters = nullptr;
    QLineEdit* More = nullptr;                      // the further addresses
    QCheckBox *Check2 = nullptr, *Check3 = nullptr; // DHCP tab only
    bool Following = false;                         // the list is being made to show the choices
    StateOf AdapterStateOf;
};

} // namespace korvo
