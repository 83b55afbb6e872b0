#include "ui/ProfileTab.h"

#include "core/ProfileInEffect.h"
#include "ui/AdapterList.h"
#include "ui/AdapterPresence.h"
#include "ui/Artwork.h"
#include "ui/MoreAddressesBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPersistentModelIndex>
#include <QScopedValueRollback>

namespace korvo {

namespace {

struct TabControlNames {
    const char* fields[7]; // IP, mask, gateway, DNS 1 and 2, WINS 1 and 2
    const char* list;
    const char* name; // none on the DHCP tab
    const char* picture;
};

// clang-format off
const TabControlNames TabControls[TabCount] = {
    {{"Text1",  "Text2",  "Text3",  "Text27", "Text28", "Text29", "Text51"}, "List1", "Text19", "Picture3"},
    {{"Text4",  "Text5",  "Text6",  "Text30", "Text31", "Text32", "Text52"}, "List2", "Text20", "Picture4"},
    {{"Text7",  "Text8",  "Text9",  "Text33", "Text34", "Text35", "Text53"}, "List3", "Text21", "Picture5"},
    {{"Text10", "Text11", "Text12", "Text36", "Text37", "Text38", "Text54"}, "List4", "Text22", "Picture6"},
    {{"Text13", "Text14", "Text15", "Text39", "Text40", "Text41", "Text55"}, "List5", "Text23", "Picture7"},
    {{"Text16", "Text17", "Text18", "Text42", "Text43", "Text44", "Text56"}, "List6", "Text24", "Picture8"},
    {{"Text45", "Text46", "Text47", "Text48", "Text49", "Text50", "Text57"}, "List7", nullptr,  "Picture12"},
};
// clang-format on

const char* const FieldHeadings[7] = {QT_TRANSLATE_NOOP("korvo::ProfileTab", "IP Address"),
                                      QT_TRANSLATE_NOOP("korvo::ProfileTab", "Subnet Mask"),
                                      QT_TRANSLATE_NOOP("korvo::ProfileTab", "Gateway"),
                                      QT_TRANSLATE_NOOP("korvo::ProfileTab", "DNS-Primary"),
                                      QT_TRANSLATE_NOOP("korvo::ProfileTab", "DNS-Secondary"),
                                      QT_TRANSLATE_NOOP("korvo::ProfileTab", "WINS-Primary"),
                                      QT_TRANSLATE_NOOP("korvo::ProfileTab", "WINS-Secondary")};
// Consecutive fields start 96 apart, with a wider step between DNS and WINS.
constexpr int FieldX[7] = {8, 104, 200, 296, 392, 504, 600};

QLabel* heading(QWidget* parent, const QString& text, int x, int y, int w) {
    auto* label = art::place(new QLabel(text, parent), nullptr, x, y, w, 16);
    QFont font = art::scaled(label->font(), 0.9);
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    art::setTextColor(label, art::Slate);
    return label;
}

void lock(QLineEdit* box) {
    box->setEnabled(false);
    box->setReadOnly(true);
}

void unlock(QLineEdit* box) {
    box->setEnabled(true);
    box->setReadOnly(false);
}

// The platform's grey third state counts as cleared.
bool ticked(const QCheckBox* box) {
    return box->checkState() == Qt::Checked;
}

} // namespace

QString ProfileTab::pageStyle() {
    // Boxes and lists on the pages; the painted faces do the rest.
    return QStringLiteral(R"(
QLineEdit {
    background: white; color: #1b2740; border: 1px solid #c4d0e3; border-radius: 4px;
    padding: 1px 2px; selection-background-color: #2a67d6; selection-color: white;
}
QLineEdit:hover { border-color: #9fb3d3; }
QLineEdit:focus { border-color: #2a67d6; }
QLineEdit:disabled { background: #edf0f5; color: #7f8a9e; border-color: #d5dbe5; }
QListWidget {
    background: white; color: #1b2740; border: 1px solid #c4d0e3; border-radius: 4px; outline: 0;
    padding: 1px;
}
QListWidget:focus { border-color: #2a67d6; }
QListWidget::item:hover { background: #e8f0fd; }
QListWidget::item:selected { background: #2a67d6; color: white; }
)");
}

ProfileTab::ProfileTab(int index, ProfileBook& book, AdapterChoices& choices, QWidget* parent)
    : QWidget(parent), Index(index), Book(book), Choices(choices) {}

void ProfileTab::build() {
    if (built()) return;
    const TabControlNames& names = TabControls[Index];
    art::fillWith(this,
                  art::place(new PicturePanel(PicturePanel::Kind::TabPage, this), names.picture, 0, 0, 0, 0));

    // A full dotted quad has to fit the 89-pixel address boxes.
    const QFont addressFont = art::scaled(font(), 0.9);
    for (int f = IP; f < NameRole; ++f) {
        // A heading may use the room up to the next one.
        heading(this, tr(FieldHeadings[f]), FieldX[f], 8, f + 1 < NameRole ? FieldX[f + 1] - FieldX[f] : 120);
        auto* edit = art::place(new QLineEdit(this), names.fields[f], FieldX[f], 26, 89, 22);
        edit->setFont(addressFont);
        edit->setAccessibleName(spokenName(tr(FieldHeadings[f])));
        Boxes[static_cast<std::size_t>(f)] = edit;
    }
    heading(this, tr("Select a Network Interface"), 144, 60, 240);
    auto* adapters = art::place(new AdapterList(this), names.list, 144, 78, 385, 56);
    adapters->menuFor = [this](QListWidgetItem* entry, const QPoint& at) { AdapterMenu(entry, at); };
    adapters->setAccessibleName(spokenName(tr("Select a Network Interface")));
    Adapters = adapters;

    heading(this, MoreAddressesBox::heading(), 160, 140, 369);
    More = art::place(new MoreAddressesBox(Index, Book, spokenName(MoreAddressesBox::heading()), this),
                      nullptr, 160, 158, 369, 22);
    More->setFont(addressFont);
    if (!isDhcp()) {
        heading(this, tr("Button Name"), 8, 140, 137);
        // The name boxes' stored 23 is their help topic, not a length limit:
        // a limit would cut a longer name read from the settings file.
        Boxes[NameRole] = art::place(new QLineEdit(this), names.name, 8, 158, 137, 22);
        Boxes[NameRole]->setAccessibleName(spokenName(tr("Button Name")));
    } else {
        Check2 = art::place(new QCheckBox(this), "Check2", 8, 82, 18, 18);
        auto* Label5 = art::place(new QLabel(tr("DNS via DHCP"), this), "Label5", 30, 82, 104, 18);
        Check3 = art::place(new QCheckBox(this), "Check3", 8, 106, 18, 18);
        auto* Label6 = art::place(new QLabel(tr("WINS via DHCP"), this), "Label6", 30, 106, 104, 18);
        for (QLabel* label : {Label5, Label6})
            art::setTextColor(label, art::Ink);
        // The boxes are bare squares: the labels beside them say what they are.
        Check2->setAccessibleName(Label5->text());
        Check3->setAccessibleName(Label6->text());
        for (const int role : {IP, Mask, Gate})
            Boxes[static_cast<std::size_t>(role)]->setFocusPolicy(Qt::NoFocus);
    }

    // The models' values, without reactions: those ran when the values were set.
    for (std::size_t role = 0; role < Boxes.size(); ++role)
        if (QLineEdit* box = Boxes[role]) {
            box->setText(text(static_cast<int>(role)));
            if (Book.locked(Index, static_cast<ProfileField>(role))) lock(box);
        }
    Adapters->addItems(Choices.captions(Index));
    const QStringList& tips = Choices.tips(Index);
    for (int row = 0; row < tips.size(); ++row) {
        if (!tips[row].isEmpty()) Adapters->item(row)->setToolTip(tips[row]);
        showPresence(Adapters->item(row), Choices.absent(Index, row));
    }
    if (Choices.selected(Index) >= 0) Adapters->setCurrentItem(Adapters->item(Choices.selected(Index)));
    if (isDhcp()) {
        Check2->setChecked(Book.dnsViaDhcp());
        Check3->setChecked(Book.winsViaDhcp());
    }

    // From now on the controls follow the models.
    connect(&Book, &ProfileBook::changed, this, &ProfileTab::Changed);
    if (isDhcp()) connect(&Book, &ProfileBook::viaDhcpSet, this, &ProfileTab::ViaDhcpSet);
    connect(&Choices, &AdapterChoices::inserted, this, &ProfileTab::AdaptersInserted);
    connect(&Choices, &AdapterChoices::captionChanged, this, &ProfileTab::AdapterRenamed);
    connect(&Choices, &AdapterChoices::tipChanged, this, &ProfileTab::AdapterTipChanged);
    connect(&Choices, &AdapterChoices::selectedChanged, this, &ProfileTab::AdapterSelected);
    connect(&Choices, &AdapterChoices::removedFrom, this, &ProfileTab::AdaptersRemoved);

    for (int role = IP; role < RoleCount; ++role)
        if (QLineEdit* box = Boxes[static_cast<std::size_t>(role)])
            connect(box, &QLineEdit::textChanged, this, [this, role](const QString& typed) {
                Book.set(Index, static_cast<ProfileField>(role), typed);
            });
    // Selection, not the current row: focus alone makes a row current.
    connect(Adapters, &QListWidget::itemSelectionChanged, this, &ProfileTab::List_Click);
    if (isDhcp()) {
        connect(Check2, &QCheckBox::stateChanged, this, &ProfileTab::Check2_Click);
        connect(Check3, &QCheckBox::stateChanged, this, &ProfileTab::Check3_Click);
    }

    // Controls made inside a page already shown stay hidden until shown themselves.
    if (isVisible())
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!(child->isHidden() && child->testAttribute(Qt::WA_WState_ExplicitShowHide))) child->show();
}

QString ProfileTab::caption() const {
    return isDhcp() ? tr("DHCP") : tr("Profile %1").arg(Index + 1);
}

// The headings stand over the boxes of every tab alike; a screen reader also needs the tab.
QString ProfileTab::spokenName(const QString& heading) const {
    return tr("%1, %2", "tab caption, heading of a box").arg(caption(), heading);
}

QString ProfileTab::text(int role) const {
    return fieldOf(Book.profile(Index), static_cast<ProfileField>(role));
}

void ProfileTab::setText(int role, const QString& text) {
    Book.set(Index, static_cast<ProfileField>(role), text);
}

void ProfileTab::Changed(int slot, ProfileField field) {
    if (slot != Index || field == ProfileField::AdapterCaption) return;
    QLineEdit* box = Boxes[static_cast<std::size_t>(field)];
    if (box && box->text() != text(static_cast<int>(field))) box->setText(text(static_cast<int>(field)));
}

void ProfileTab::showLocked(int role) {
    QLineEdit* box = Boxes[static_cast<std::size_t>(role)];
    if (Book.locked(Index, static_cast<ProfileField>(role)))
        lock(box);
    else
        unlock(box);
}

// While the list follows the choices, what it reports of its selection is no choice of the user's:
// mid-insertion it can name an entry that was not chosen.
void ProfileTab::AdaptersInserted(int slot, int row, const QStringList& captions) {
    if (slot != Index) return;
    const QScopedValueRollback following(Following, true);
    Adapters->insertItems(row, captions);
    AdapterSelected(slot, Choices.selected(Index));
}

void ProfileTab::AdapterRenamed(int slot, int row) {
    if (slot != Index) return;
    const QScopedValueRollback following(Following, true);
    Adapters->item(row)->setText(Choices.captions(Index)[row]);
}

void ProfileTab::AdapterTipChanged(int slot, int row) {
    if (slot != Index) return;
    Adapters->item(row)->setToolTip(Choices.tips(Index)[row]);
    showPresence(Adapters->item(row), Choices.absent(Index, row));
}

void ProfileTab::AdaptersRemoved(int slot, int row) {
    if (slot != Index) return;
    const QScopedValueRollback following(Following, true);
    Adapters->setCurrentRow(-1);
    Adapters->clearSelection();
    while (Adapters->count() > row)
        delete Adapters->takeItem(row);
}

void ProfileTab::AdapterSelected(int slot, int row) {
    if (slot != Index || row < 0) return;
    const QScopedValueRollback following(Following, true);
    QListWidgetItem* entry = Adapters->item(row);
    if (!entry->isSelected()) Adapters->setCurrentItem(entry);
}

// Selection, not the current row: an unselected entry is no choice, and the list never empties.
void ProfileTab::List_Click() {
    if (Following) return;
    const QList<QListWidgetItem*> chosen = Adapters->selectedItems();
    if (!chosen.isEmpty()) Choices.select(Index, Adapters->row(chosen.first()));
}

// Opened without waiting (popup, not exec): the states are those AdapterStates already holds.
void ProfileTab::AdapterMenu(QListWidgetItem* entry, const QPoint& globalPos) {
    const QString caption = entry->text();
    const std::optional<platform::IPv4State> now =
        AdapterStateOf ? AdapterStateOf(caption) : std::optional<platform::IPv4State>();
    auto* menu = new QMenu(Adapters);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* take = menu->addAction(tr("Use this adapter's current settings"));
    QString whyNot;
    if (!now)
        whyNot = tr("Korvo does not know this adapter's current settings: it is not listed now, or the "
                    "network service has not answered.");
    else if (!isDhcp() && now->addresses.empty())
        whyNot = tr("This adapter has no IPv4 address now.");
    if (!whyNot.isEmpty()) {
        take->setEnabled(false);
        take->setToolTip(whyNot);
        take->setStatusTip(whyNot);
        menu->setToolTipsVisible(true);
    }
    // Entries are never removed, but the list may change while the menu is open.
    const QPersistentModelIndex row = Adapters->model()->index(Adapters->row(entry), 0);
    connect(take, &QAction::triggered, this, [this, row, caption] {
        QListWidgetItem* chosen = row.isValid() ? Adapters->item(row.row()) : nullptr;
        const std::optional<platform::IPv4State> state =
            AdapterStateOf ? AdapterStateOf(caption) : std::optional<platform::IPv4State>();
        if (!chosen || chosen->text() != caption || !state) return;
        Adapters->setCurrentItem(chosen);
        takeSettings(*state);
    });
    menu->popup(globalPos);
}

void ProfileTab::takeSettings(const platform::IPv4State& now) {
    const Profile from = profileFrom(now);
    if (isDhcp()) {
        // Address, mask and gateway read "DHCP" for good. An adapter on DHCP gets its DNS servers by
        // DHCP too unless its servers are not the lease's (fixed in its profile); one without servers
        // gets them from DHCP rather than an empty typed box, which an apply would refuse.
        const bool leaseServers = !now.leaseDnsServers || now.dnsServers == *now.leaseDnsServers;
        const bool dnsViaDhcp = (now.dhcp && leaseServers) || from.PrimaryDNS.isEmpty();
        Book.setDnsViaDhcp(dnsViaDhcp);
        if (dnsViaDhcp) return;
    } else {
        setText(IP, from.IPAddress);
        setText(Mask, from.SubnetMask);
        setText(Gate, from.Gateway);
        Book.setMoreAddresses(Index, from.MoreAddresses);
    }
    setText(DNS1, from.PrimaryDNS);
    setText(DNS2, from.SecondaryDNS);
}

// Ticking or clearing a box sets the book's flag; the book then shows "DHCP" in the servers or
// brings back what they held.
void ProfileTab::Check2_Click() {
    Book.setDnsViaDhcp(ticked(Check2));
}

void ProfileTab::Check3_Click() {
    Book.setWinsViaDhcp(ticked(Check3));
}

void ProfileTab::ViaDhcpSet(bool dns, bool wins) {
    if (dns) {
        Check2->setChecked(Book.dnsViaDhcp());
        showLocked(DNS1);
        showLocked(DNS2);
    }
    if (wins) {
        Check3->setChecked(Book.winsViaDhcp());
        showLocked(WINS1);
        showLocked(WINS2);
    }
}

QList<QWidget*> ProfileTab::keyboardOrder() const {
    if (!built()) return {};
    const auto box = [this](int role) -> QWidget* { return Boxes[static_cast<std::size_t>(role)]; };
    if (isDhcp()) return {Check2, Check3, box(DNS1), box(DNS2), box(WINS1), box(WINS2), Adapters, More};
    return {box(IP),    box(Mask),  box(Gate), box(DNS1),     box(DNS2),
            box(WINS1), box(WINS2), Adapters,  box(NameRole), More};
}

} // namespace korvo
