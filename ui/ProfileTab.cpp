#include "ui/ProfileTab.h"

#include "ui/AdapterList.h"
#include "ui/Artwork.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

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

const char* const FieldHeadings[7] = {"IP Address",    "Subnet Mask",  "Gateway",       "DNS-Primary",
                                      "DNS-Secondary", "WINS-Primary", "WINS-Secondary"};
// Consecutive fields start 96 apart, with a wider step between DNS and WINS.
constexpr int FieldX[7] = {8, 104, 200, 296, 392, 504, 600};

const QString Dhcp = QStringLiteral("DHCP");

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

// A remembered "DHCP" is the marker, not an address: it must not come back as one.
void forgetMarker(QString& remembered) {
    if (remembered == Dhcp) remembered.clear();
}

// The platform's grey third state counts as cleared.
bool ticked(const QCheckBox* box) {
    return box->checkState() == Qt::Checked;
}

} // namespace

ProfileTab::ProfileTab(int index, QWidget* parent) : QWidget(parent), Index(index) {
    const TabControlNames& names = TabControls[index];
    art::fillWith(this,
                  art::place(new PicturePanel(PicturePanel::Kind::TabPage, this), names.picture, 0, 0, 0, 0));

    // A full dotted quad has to fit the 89-pixel address boxes.
    const QFont addressFont = art::scaled(font(), 0.9);
    QLineEdit** roles[7] = {&IPAddress,    &SubnetMask,  &Gateway,      &PrimaryDNS,
                            &SecondaryDNS, &PrimaryWINS, &SecondaryWINS};
    for (int f = 0; f < 7; ++f) {
        heading(this, QString::fromLatin1(FieldHeadings[f]), FieldX[f], 8, f == 6 ? 120 : 96);
        auto* edit = art::place(new QLineEdit(this), names.fields[f], FieldX[f], 26, 89, 22);
        edit->setFont(addressFont);
        connect(edit, &QLineEdit::textChanged, this, &ProfileTab::addressEdited);
        *roles[f] = edit;
    }
    heading(this, QStringLiteral("Select a Network Interface"), 144, 60, 240);
    Adapters = art::place(new AdapterList(this), names.list, 144, 78, 385, 56);
    // Selection, not the current row: focus alone makes a row current.
    connect(Adapters, &QListWidget::itemSelectionChanged, this, &ProfileTab::List_Click);

    if (!isDhcp()) {
        heading(this, QStringLiteral("Button Name"), 8, 140, 137);
        // The name boxes' stored 23 is their help topic, not a length limit:
        // a limit would cut a longer name read from the settings file.
        Name = art::place(new QLineEdit(this), names.name, 8, 158, 137, 22);
        connect(Name, &QLineEdit::textChanged, this, &ProfileTab::nameChanged);
        return;
    }

    Check2 = art::place(new QCheckBox(this), "Check2", 8, 82, 18, 18);
    auto* Label5 = art::place(new QLabel(QStringLiteral("DNS via DHCP"), this), "Label5", 30, 82, 104, 18);
    Check3 = art::place(new QCheckBox(this), "Check3", 8, 106, 18, 18);
    auto* Label6 = art::place(new QLabel(QStringLiteral("WINS via DHCP"), this), "Label6", 30, 106, 104, 18);
    for (QLabel* label : {Label5, Label6})
        art::setTextColor(label, art::Ink);

    for (QLineEdit* box :
         {IPAddress, SubnetMask, Gateway, PrimaryDNS, SecondaryDNS, PrimaryWINS, SecondaryWINS})
        box->setText(Dhcp);
    // The secondary WINS box alone starts editable although Check3 is ticked; only
    // Check3's own reaction or a loaded file locks it.
    for (QLineEdit* box : {IPAddress, SubnetMask, Gateway, PrimaryDNS, SecondaryDNS, PrimaryWINS})
        lock(box);
    for (QLineEdit* box : {IPAddress, SubnetMask, Gateway})
        box->setFocusPolicy(Qt::NoFocus);
    Check2->setChecked(true);
    Check3->setChecked(true);
    connect(Check2, &QCheckBox::stateChanged, this, &ProfileTab::Check2_Click);
    connect(Check3, &QCheckBox::stateChanged, this, &ProfileTab::Check3_Click);
}

QString ProfileTab::caption() const {
    return isDhcp() ? QStringLiteral("DHCP") : QStringLiteral("Profile %1").arg(Index + 1);
}

Profile ProfileTab::profile() const {
    return {IPAddress->text(),    SubnetMask->text(),  Gateway->text(),       PrimaryDNS->text(),
            SecondaryDNS->text(), PrimaryWINS->text(), SecondaryWINS->text(), Name ? Name->text() : QString(),
            AdapterCaption};
}

void ProfileTab::setProfile(const Profile& p) {
    if (isDhcp()) {
        // Address, mask and gateway always read "DHCP"; the servers' typed values
        // are remembered for when their via-DHCP box is cleared.
        PrimaryDNS->setText(p.PrimaryDNS);
        RememberedPrimaryDNS = p.PrimaryDNS;
        SecondaryDNS->setText(p.SecondaryDNS);
        RememberedSecondaryDNS = p.SecondaryDNS;
        PrimaryWINS->setText(p.PrimaryWINS);
        RememberedPrimaryWINS = p.PrimaryWINS;
        SecondaryWINS->setText(p.SecondaryWINS);
        RememberedSecondaryWINS = p.SecondaryWINS;
        return;
    }
    IPAddress->setText(p.IPAddress);
    SubnetMask->setText(p.SubnetMask);
    Gateway->setText(p.Gateway);
    PrimaryDNS->setText(p.PrimaryDNS);
    SecondaryDNS->setText(p.SecondaryDNS);
    PrimaryWINS->setText(p.PrimaryWINS);
    SecondaryWINS->setText(p.SecondaryWINS);
    Name->setText(p.Name);
}

QString ProfileTab::chosenAdapter() const {
    return selectedEntry(Adapters);
}

void ProfileTab::listAdapter(int position, const QString& caption) {
    if (Adapters->count() > position)
        Adapters->item(position)->setText(caption);
    else
        Adapters->insertItem(position, caption);
}

void ProfileTab::RestoreSavedAdapter(int position, const QString& caption) {
    // A second restore into the same list replaces the entry the first one added.
    listAdapter(position, caption);
    QListWidgetItem* entry = Adapters->item(position);
    if (entry->isSelected()) {
        // Already the selection, so no notification comes; its text changed all the same.
        List_Click();
        return;
    }
    Adapters->setCurrentItem(entry);
}

void ProfileTab::setAdapterTips(const std::function<QString(const QString&)>& tipFor) {
    for (int row = 0; row < Adapters->count(); ++row) {
        QListWidgetItem* entry = Adapters->item(row);
        const QString tip = tipFor(entry->text());
        if (entry->toolTip() != tip) entry->setToolTip(tip);
    }
}

void ProfileTab::List_Click() {
    AdapterCaption = selectedEntry(Adapters);
    emit adapterChosen();
}

QList<QLineEdit*> ProfileTab::servers() const {
    return {PrimaryDNS, SecondaryDNS, PrimaryWINS, SecondaryWINS};
}

void ProfileTab::clearBlankServers() {
    for (QLineEdit* box : servers())
        if (!box->text().isEmpty() && box->text().count(u' ') == box->text().size()) box->setText(QString());
}

ProfileTab::ViaDhcp ProfileTab::viaDhcp() const {
    if (!isDhcp()) return {};
    return {ticked(Check2), ticked(Check3)};
}

void ProfileTab::setViaDhcp(const ViaDhcp& via) {
    if (via.DNS) Check2->setChecked(*via.DNS);
    if (via.DNS == true) {
        lock(PrimaryDNS);
        lock(SecondaryDNS);
    }
    if (via.WINS) Check3->setChecked(*via.WINS);
    if (via.WINS == true) {
        lock(PrimaryWINS);
        lock(SecondaryWINS);
    }
}

void ProfileTab::Check2_Click() {
    if (ticked(Check2)) {
        lock(PrimaryDNS);
        lock(SecondaryDNS);
        RememberedPrimaryDNS = PrimaryDNS->text();
        RememberedSecondaryDNS = SecondaryDNS->text();
        PrimaryDNS->setText(Dhcp);
        SecondaryDNS->setText(Dhcp);
    } else {
        unlock(PrimaryDNS);
        unlock(SecondaryDNS);
        forgetMarker(RememberedPrimaryDNS);
        forgetMarker(RememberedSecondaryDNS);
        PrimaryDNS->setText(RememberedPrimaryDNS);
        SecondaryDNS->setText(RememberedSecondaryDNS);
    }
}

void ProfileTab::Check3_Click() {
    if (ticked(Check3)) {
        lock(PrimaryWINS);
        RememberedPrimaryWINS = PrimaryWINS->text();
        PrimaryWINS->setText(Dhcp);
        lock(SecondaryWINS);
        RememberedSecondaryWINS = SecondaryWINS->text();
        SecondaryWINS->setText(Dhcp);
    } else {
        unlock(PrimaryWINS);
        forgetMarker(RememberedPrimaryWINS);
        PrimaryWINS->setText(RememberedPrimaryWINS);
        unlock(SecondaryWINS);
        forgetMarker(RememberedSecondaryWINS);
        SecondaryWINS->setText(RememberedSecondaryWINS);
    }
}

QList<QWidget*> ProfileTab::keyboardOrder() const {
    if (isDhcp()) return {Check2, Check3, PrimaryDNS, SecondaryDNS, PrimaryWINS, SecondaryWINS, Adapters};
    return {IPAddress,   SubnetMask,    Gateway,  PrimaryDNS, SecondaryDNS,
            PrimaryWINS, SecondaryWINS, Adapters, Name};
}

} // namespace korvo
