#include "app/Form1.h"

#include "netconfig/Form4.h"
#include "terms/Form3.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace korvo {

namespace {

constexpr int ClientWidth = 745;
constexpr int ClientHeight = 399;

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* heading(QWidget* parent, const QString& text, int x, int y, int w) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, w, 16);
    return label;
}

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

    Label26 = named(new QLabel(QStringLiteral("Help (F1)"), this), "Label26");
    Label26->setGeometry(6, 0, 80, 24);
    Picture10 = named(new QWidget(this), "Picture10");
    Picture10->setGeometry(ClientWidth - 46, 0, 21, 25);
    Picture9 = named(new QWidget(this), "Picture9");
    Picture9->setGeometry(ClientWidth - 23, 0, 21, 25);

    SSTab1 = named(new QTabWidget(this), "SSTab1");
    SSTab1->setGeometry(0, 24, ClientWidth, ClientHeight - 24);
    auto* mainPage = new QWidget;
    auto* settingsPage = new QWidget;
    SSTab1->addTab(mainPage, QStringLiteral("Main"));
    SSTab1->addTab(settingsPage, QStringLiteral("Settings"));

    Picture1 = named(new QWidget(mainPage), "Picture1");
    Picture1->setGeometry(0, 0, ClientWidth, ClientHeight - 50);
    QPushButton** applyButtons[] = {&Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &Command8};
    const char* applyNames[] = {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command8"};
    for (int i = 0; i < TabCount; ++i) {
        auto* button = named(new QPushButton(i == DhcpTab ? QStringLiteral("DHCP") : QStringLiteral("Change"),
                                             mainPage),
                             applyNames[i]);
        button->setGeometry(16, 16 + 48 * i, 233, 25);
        button->setToolTip(QStringLiteral("Click this button to use these settings"));
        *applyButtons[i] = button;
    }

    Picture2 = named(new QWidget(settingsPage), "Picture2");
    Picture2->setGeometry(0, 0, ClientWidth, ClientHeight - 50);
    Picture11 = named(new QWidget(settingsPage), "Picture11");
    Picture11->setGeometry(0, 0, ClientWidth, 241);
    SSTab2 = named(new QTabWidget(settingsPage), "SSTab2");
    SSTab2->setGeometry(8, 8, 729, 225);
    Command7 = named(new QPushButton(QStringLiteral("Save Settings"), settingsPage), "Command7");
    Command7->setGeometry(8, 240, 89, 33);
    Label27 = named(new QLabel(QStringLiteral("Revision 2.0.0.2"), settingsPage), "Label27");
    Label27->setGeometry(440, 300, 100, 16);

    // Tab roles -> control names, in the order Text boxes of one tab are listed.
    struct Names {
        QLineEdit** fields[7];
        const char* fieldNames[7];
        QListWidget** list;
        const char* listName;
        QLineEdit** name;
        const char* nameName;
        QWidget** picture;
        const char* pictureName;
    };
    const Names names[TabCount] = {
        {{&Text1, &Text2, &Text3, &Text27, &Text28, &Text29, &Text51},
         {"Text1", "Text2", "Text3", "Text27", "Text28", "Text29", "Text51"}, &List1, "List1", &Text19, "Text19",
         &Picture3, "Picture3"},
        {{&Text4, &Text5, &Text6, &Text30, &Text31, &Text32, &Text52},
         {"Text4", "Text5", "Text6", "Text30", "Text31", "Text32", "Text52"}, &List2, "List2", &Text20, "Text20",
         &Picture4, "Picture4"},
        {{&Text7, &Text8, &Text9, &Text33, &Text34, &Text35, &Text53},
         {"Text7", "Text8", "Text9", "Text33", "Text34", "Text35", "Text53"}, &List3, "List3", &Text21, "Text21",
         &Picture5, "Picture5"},
        {{&Text10, &Text11, &Text12, &Text36, &Text37, &Text38, &Text54},
         {"Text10", "Text11", "Text12", "Text36", "Text37", "Text38", "Text54"}, &List4, "List4", &Text22,
         "Text22", &Picture6, "Picture6"},
        {{&Text13, &Text14, &Text15, &Text39, &Text40, &Text41, &Text55},
         {"Text13", "Text14", "Text15", "Text39", "Text40", "Text41", "Text55"}, &List5, "List5", &Text23,
         "Text23", &Picture7, "Picture7"},
        {{&Text16, &Text17, &Text18, &Text42, &Text43, &Text44, &Text56},
         {"Text16", "Text17", "Text18", "Text42", "Text43", "Text44", "Text56"}, &List6, "List6", &Text24,
         "Text24", &Picture8, "Picture8"},
        {{&Text45, &Text46, &Text47, &Text48, &Text49, &Text50, &Text57},
         {"Text45", "Text46", "Text47", "Text48", "Text49", "Text50", "Text57"}, &List7, "List7", nullptr, nullptr,
         &Picture12, "Picture12"},
    };
    const QString captions[TabCount] = {QStringLiteral("Profile 1"), QStringLiteral("Profile 2"),
                                        QStringLiteral("Profile 3"), QStringLiteral("Profile 4"),
                                        QStringLiteral("Profile 5"), QStringLiteral("Profile 6"),
                                        QStringLiteral("DHCP")};
    const QString headings[7] = {QStringLiteral("IP Address"),    QStringLiteral("Subnet Mask"),
                                 QStringLiteral("Gateway"),       QStringLiteral("DNS-Primary"),
                                 QStringLiteral("DNS-Secondary"), QStringLiteral("WINS-Primary"),
                                 QStringLiteral("WINS-Secondary")};
    const int fieldX[7] = {8, 104, 200, 296, 392, 504, 600};

    for (int t = 0; t < TabCount; ++t) {
        const Names& n = names[t];
        auto* page = new QWidget;
        SSTab2->addTab(page, captions[t]);
        *n.picture = named(new QWidget(page), n.pictureName);
        (*n.picture)->setGeometry(0, 0, 729, 200);
        ProfileTab& tab = Tabs[static_cast<std::size_t>(t)];
        QLineEdit** roles[7] = {&tab.IPAddress,    &tab.SubnetMask,  &tab.Gateway,      &tab.PrimaryDNS,
                                &tab.SecondaryDNS, &tab.PrimaryWINS, &tab.SecondaryWINS};
        for (int f = 0; f < 7; ++f) {
            heading(page, headings[f], fieldX[f], 8, 95);
            auto* edit = named(new QLineEdit(page), n.fieldNames[f]);
            edit->setGeometry(fieldX[f], 26, 89, 21);
            *n.fields[f] = edit;
            *roles[f] = edit;
        }
        heading(page, QStringLiteral("Select a Network Interface"), 144, 60, 200);
        tab.Adapters = *n.list = named(new QListWidget(page), n.listName);
        tab.Adapters->setGeometry(144, 78, 385, 56);
        tab.Adapters->setSelectionMode(QAbstractItemView::SingleSelection);
        if (n.name) {
            heading(page, QStringLiteral("Button Name"), 8, 140, 137);
            tab.Name = *n.name = named(new QLineEdit(page), n.nameName);
            tab.Name->setGeometry(8, 158, 137, 21);
            tab.Name->setMaxLength(23);
        }
    }
    for (int t = 0; t < TabCount; ++t)
        Tabs[static_cast<std::size_t>(t)].Apply = *applyButtons[t];

    auto* dhcpPage = SSTab2->widget(DhcpTab);
    Check2 = named(new QCheckBox(dhcpPage), "Check2");
    Check2->setGeometry(8, 80, 17, 17);
    Label5 = named(new QLabel(QStringLiteral("DNS via DHCP"), dhcpPage), "Label5");
    Label5->setGeometry(28, 80, 100, 17);
    Check3 = named(new QCheckBox(dhcpPage), "Check3");
    Check3->setGeometry(8, 100, 17, 17);
    Label6 = named(new QLabel(QStringLiteral("WINS via DHCP"), dhcpPage), "Label6");
    Label6->setGeometry(28, 100, 100, 17);

    Check1 = named(new QCheckBox(QStringLiteral("EULA accepted"), SSTab2->widget(0)), "Check1");
    Check1->setFocusPolicy(Qt::NoFocus);
    Check1->setVisible(false);

    auto* bottomParent = this;
    Command9 = named(new QPushButton(QStringLiteral("Minimise"), bottomParent), "Command9");
    Command9->setGeometry(ClientWidth - 2 * 89 - 16, ClientHeight - 33 - 8, 89, 33);
    Command10 = named(new QPushButton(QStringLiteral("Exit"), bottomParent), "Command10");
    Command10->setGeometry(ClientWidth - 89 - 8, ClientHeight - 33 - 8, 89, 33);

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
    for (QLineEdit* box : {Text45, Text46, Text47, Text48, Text49, Text50}) {
        box->setEnabled(false);
        box->setReadOnly(true);
    }
    for (QLineEdit* box : {Text45, Text46, Text47})
        box->setFocusPolicy(Qt::NoFocus);
    Check2->setChecked(true);
    Check3->setChecked(true);
}

} // namespace korvo
