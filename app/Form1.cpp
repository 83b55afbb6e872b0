#include "app/Form1.h"

#include "app/AdapterList.h"
#include "app/Artwork.h"
#include "netconfig/Form4.h"
#include "terms/Form3.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace korvo {

namespace {

constexpr int ClientWidth = 745;
constexpr int ClientHeight = 399;
constexpr int BannerHeight = 24;
constexpr int ButtonRowTop = ClientHeight - 8 - 33;

// A control of the window: the member that holds it and its control name.
template <typename W>
struct Control {
    W* Form1::*member;
    const char* name;
};
#define KORVO_CONTROL(control) {&Form1::control, #control}

// One tab of SSTab2 and the apply button that belongs to it.
struct TabControlNames {
    const char* caption;
    Control<QLineEdit> fields[7]; // IP, mask, gateway, DNS 1 and 2, WINS 1 and 2
    Control<QListWidget> list;
    Control<QLineEdit> name; // none on the DHCP tab
    Control<QWidget> picture;
    Control<QPushButton> apply;
};

const TabControlNames TabControls[TabCount] = {
    {"Profile 1",
     {KORVO_CONTROL(Text1), KORVO_CONTROL(Text2), KORVO_CONTROL(Text3), KORVO_CONTROL(Text27),
      KORVO_CONTROL(Text28), KORVO_CONTROL(Text29), KORVO_CONTROL(Text51)},
     KORVO_CONTROL(List1), KORVO_CONTROL(Text19), KORVO_CONTROL(Picture3), KORVO_CONTROL(Command1)},
    {"Profile 2",
     {KORVO_CONTROL(Text4), KORVO_CONTROL(Text5), KORVO_CONTROL(Text6), KORVO_CONTROL(Text30),
      KORVO_CONTROL(Text31), KORVO_CONTROL(Text32), KORVO_CONTROL(Text52)},
     KORVO_CONTROL(List2), KORVO_CONTROL(Text20), KORVO_CONTROL(Picture4), KORVO_CONTROL(Command2)},
    {"Profile 3",
     {KORVO_CONTROL(Text7), KORVO_CONTROL(Text8), KORVO_CONTROL(Text9), KORVO_CONTROL(Text33),
      KORVO_CONTROL(Text34), KORVO_CONTROL(Text35), KORVO_CONTROL(Text53)},
     KORVO_CONTROL(List3), KORVO_CONTROL(Text21), KORVO_CONTROL(Picture5), KORVO_CONTROL(Command3)},
    {"Profile 4",
     {KORVO_CONTROL(Text10), KORVO_CONTROL(Text11), KORVO_CONTROL(Text12), KORVO_CONTROL(Text36),
      KORVO_CONTROL(Text37), KORVO_CONTROL(Text38), KORVO_CONTROL(Text54)},
     KORVO_CONTROL(List4), KORVO_CONTROL(Text22), KORVO_CONTROL(Picture6), KORVO_CONTROL(Command4)},
    {"Profile 5",
     {KORVO_CONTROL(Text13), KORVO_CONTROL(Text14), KORVO_CONTROL(Text15), KORVO_CONTROL(Text39),
      KORVO_CONTROL(Text40), KORVO_CONTROL(Text41), KORVO_CONTROL(Text55)},
     KORVO_CONTROL(List5), KORVO_CONTROL(Text23), KORVO_CONTROL(Picture7), KORVO_CONTROL(Command5)},
    {"Profile 6",
     {KORVO_CONTROL(Text16), KORVO_CONTROL(Text17), KORVO_CONTROL(Text18), KORVO_CONTROL(Text42),
      KORVO_CONTROL(Text43), KORVO_CONTROL(Text44), KORVO_CONTROL(Text56)},
     KORVO_CONTROL(List6), KORVO_CONTROL(Text24), KORVO_CONTROL(Picture8), KORVO_CONTROL(Command6)},
    {"DHCP",
     {KORVO_CONTROL(Text45), KORVO_CONTROL(Text46), KORVO_CONTROL(Text47), KORVO_CONTROL(Text48),
      KORVO_CONTROL(Text49), KORVO_CONTROL(Text50), KORVO_CONTROL(Text57)},
     KORVO_CONTROL(List7), {nullptr, nullptr}, KORVO_CONTROL(Picture12), KORVO_CONTROL(Command8)},
};

const char* const FieldHeadings[7] = {"IP Address",    "Subnet Mask",  "Gateway",       "DNS-Primary",
                                      "DNS-Secondary", "WINS-Primary", "WINS-Secondary"};
// Consecutive fields start 96 apart, with a wider step between DNS and WINS.
constexpr int FieldX[7] = {8, 104, 200, 296, 392, 504, 600};

template <typename W>
W* place(W* widget, const char* name, int x, int y, int w, int h) {
    if (name)
        widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}

// A page's background picture covers the whole page, whatever size the tab control gives it.
QWidget* fillWith(QWidget* page, QWidget* picture) {
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    return picture;
}

QFont scaled(QFont font, qreal factor) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * factor)));
    return font;
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

QLabel* heading(QWidget* parent, const QString& text, int x, int y, int w) {
    auto* label = place(new QLabel(text, parent), nullptr, x, y, w, 16);
    QFont font = scaled(label->font(), 0.9);
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    setTextColor(label, art::Slate);
    return label;
}

// Boxes and lists on the pages; the painted faces do the rest.
const char* const PageStyle = R"(
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
)";

} // namespace

Form1::Form1(Form1Environment environment, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Env(std::move(environment)) {
    setObjectName(QStringLiteral("Form1"));
    buildLayout();
    connectReactions();
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connectApplyCommands();
}

Form1::~Form1() = default;

Form3* Form1::TermsWindow() const { return Terms; }
Form4* Form1::ApplyingWindow() const { return Applying; }

void Form1::buildLayout() {
    setWindowTitle(QStringLiteral("Korvo  Version 2.0"));
    setFixedSize(ClientWidth, ClientHeight);

    // Top strip: banner, help hint, glyphs.
    place(new PicturePanel(PicturePanel::Kind::Banner, this), nullptr, 0, 0, ClientWidth, BannerHeight);
    Label26 = place(new QLabel(QStringLiteral("Help (F1)"), this), "Label26", 10, 0, 90, BannerHeight);
    setTextColor(Label26, art::OnHeader);
    Picture10 = place(new PicturePanel(PicturePanel::Kind::MinimiseGlyph, this), "Picture10", ClientWidth - 50, 0,
                      22, BannerHeight);
    Picture9 = place(new PicturePanel(PicturePanel::Kind::CloseGlyph, this), "Picture9", ClientWidth - 26, 0, 22,
                     BannerHeight);

    auto* pages = place(new PictureTabWidget(PictureTabWidget::Look::Header, this), "SSTab1", 0, BannerHeight,
                        ClientWidth, ClientHeight - BannerHeight);
    SSTab1 = pages;
    auto* mainPage = new QWidget;
    auto* settingsPage = new QWidget;
    SSTab1->addTab(mainPage, QStringLiteral("Main"));
    SSTab1->addTab(settingsPage, QStringLiteral("Settings"));
    // A page is what the page tabs leave of the tab control.
    const int pageHeight = ClientHeight - BannerHeight - SSTab1->tabBar()->sizeHint().height();
    // The bottom button row belongs to the window, so its top in page coordinates:
    const int pageButtonRowTop = ButtonRowTop - (ClientHeight - pageHeight);

    // "Main" page.
    Picture1 = fillWith(mainPage, place(new PicturePanel(PicturePanel::Kind::MainPage, mainPage), "Picture1", 0, 0,
                                        ClientWidth, pageHeight));
    for (int t = 0; t < TabCount; ++t) {
        const Control<QPushButton>& apply = TabControls[t].apply;
        auto* button = place(new PictureButton(PictureButton::Face::Apply,
                                               t == DhcpTab ? QStringLiteral("DHCP") : QStringLiteral("Change"),
                                               mainPage),
                             apply.name, 16, 16 + 48 * t, 233, 25);
        button->setToolTip(QStringLiteral("Click this button to use these settings"));
        this->*apply.member = button;
    }

    // "Settings" page.
    Picture2 = fillWith(settingsPage, place(new PicturePanel(PicturePanel::Kind::SettingsPage, settingsPage),
                                            "Picture2", 0, 0, ClientWidth, pageHeight));
    Picture11 =
        place(new PicturePanel(PicturePanel::Kind::Band, settingsPage), "Picture11", 0, 0, ClientWidth, 241);
    SSTab2 = place(new PictureTabWidget(PictureTabWidget::Look::Card, settingsPage), "SSTab2", 8, 8, 729, 225);
    // Only the profile tabs hold text boxes and lists; a style sheet higher up would
    // route every control of the window through the style sheet machinery.
    SSTab2->setStyleSheet(QString::fromLatin1(PageStyle));
    Command7 = place(new PictureButton(PictureButton::Face::Primary, QStringLiteral("Save Settings"), settingsPage),
                     "Command7", 8, pageButtonRowTop, 89, 33);
    Label27 = place(new QLabel(QStringLiteral("Revision 2.0.0.2"), settingsPage), "Label27", 400,
                    pageButtonRowTop, 140, 33);
    Label27->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColor(Label27, art::Slate);

    // A full dotted quad has to fit the 89-pixel address boxes.
    const QFont addressFont = scaled(font(), 0.9);
    for (int t = 0; t < TabCount; ++t) {
        const TabControlNames& names = TabControls[t];
        auto* page = new QWidget;
        SSTab2->addTab(page, QString::fromLatin1(names.caption));
        this->*names.picture.member =
            fillWith(page, place(new PicturePanel(PicturePanel::Kind::TabPage, page), names.picture.name, 0, 0, 0, 0));

        ProfileTab& tab = Tabs[static_cast<std::size_t>(t)];
        QLineEdit** roles[7] = {&tab.IPAddress,    &tab.SubnetMask,  &tab.Gateway,      &tab.PrimaryDNS,
                                &tab.SecondaryDNS, &tab.PrimaryWINS, &tab.SecondaryWINS};
        for (int f = 0; f < 7; ++f) {
            heading(page, QString::fromLatin1(FieldHeadings[f]), FieldX[f], 8, f == 6 ? 120 : 96);
            auto* edit = place(new QLineEdit(page), names.fields[f].name, FieldX[f], 26, 89, 22);
            edit->setFont(addressFont);
            this->*names.fields[f].member = edit;
            *roles[f] = edit;
        }
        heading(page, QStringLiteral("Select a Network Interface"), 144, 60, 240);
        tab.Adapters = this->*names.list.member =
            place(new AdapterList(page), names.list.name, 144, 78, 385, 56);
        if (names.name.member) {
            heading(page, QStringLiteral("Button Name"), 8, 140, 137);
            // The name boxes' stored 23 is their help topic, not a length limit:
            // a limit would cut a longer name read from the settings file.
            tab.Name = this->*names.name.member = place(new QLineEdit(page), names.name.name, 8, 158, 137, 22);
        }
        tab.Apply = this->*names.apply.member;
    }

    auto* dhcpPage = SSTab2->widget(DhcpTab);
    Check2 = place(new QCheckBox(dhcpPage), "Check2", 8, 82, 18, 18);
    Label5 = place(new QLabel(QStringLiteral("DNS via DHCP"), dhcpPage), "Label5", 30, 82, 104, 18);
    Check3 = place(new QCheckBox(dhcpPage), "Check3", 8, 106, 18, 18);
    Label6 = place(new QLabel(QStringLiteral("WINS via DHCP"), dhcpPage), "Label6", 30, 106, 104, 18);
    for (QLabel* label : {Label5, Label6})
        setTextColor(label, art::Ink);

    // Holds TermsAccepted; nobody sees or reaches it.
    Check1 = new QCheckBox(QStringLiteral("EULA accepted"), SSTab2->widget(0));
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFocusPolicy(Qt::NoFocus);
    Check1->setVisible(false);

    // Bottom button row, above whichever page is shown.
    Command9 = place(new PictureButton(PictureButton::Face::Neutral, QStringLiteral("Minimise"), this), "Command9",
                     ClientWidth - 8 - 89 - 8 - 89, ButtonRowTop, 89, 33);
    Command10 = place(new PictureButton(PictureButton::Face::Neutral, QStringLiteral("Exit"), this), "Command10",
                      ClientWidth - 8 - 89, ButtonRowTop, 89, 33);

    // Initial contents.
    Text1->setText(QStringLiteral("192.168.1.10"));
    Text2->setText(QStringLiteral("255.255.255.0"));
    Text3->setText(QStringLiteral("192.168.1.1"));
    Text27->setText(QStringLiteral("192.168.1.1"));
    Text19->setText(QStringLiteral("Network 1"));
    for (QLineEdit* box : {Text20, Text21, Text22, Text23, Text24})
        box->setText(QStringLiteral("-"));
    for (QLineEdit* box : {Text45, Text46, Text47, Text48, Text49, Text50, Text57})
        box->setText(QStringLiteral("DHCP"));
    // Text57 alone starts editable although Check3 is ticked; only Check3's own
    // reaction or a loaded file locks it.
    for (QLineEdit* box : {Text45, Text46, Text47, Text48, Text49, Text50}) {
        box->setEnabled(false);
        box->setReadOnly(true);
    }
    for (QLineEdit* box : {Text45, Text46, Text47})
        box->setFocusPolicy(Qt::NoFocus);
    Check2->setChecked(true);
    Check3->setChecked(true);

    // Keyboard order: one chain through both pages; Qt skips what is hidden or disabled.
    QList<QWidget*> order = {SSTab1,   SSTab2,   Command1, Command2, Command3, Command4,
                             Command5, Command6, Command8, Command9, Command10};
    for (int t = 0; t < DhcpTab; ++t) {
        const ProfileTab& tab = Tabs[static_cast<std::size_t>(t)];
        order << tab.IPAddress << tab.SubnetMask << tab.Gateway << tab.PrimaryDNS << tab.SecondaryDNS
              << tab.PrimaryWINS << tab.SecondaryWINS << tab.Adapters << tab.Name;
    }
    order << Check2 << Check3 << Text48 << Text49 << Text50 << Text57 << List7 << Command7;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    SSTab1->setCurrentIndex(0);
    SSTab2->setCurrentIndex(0);
}

} // namespace korvo
