// The main window. It owns all of Korvo's state; its implementation is split by
// concern: app/ (layout, start-up, own reactions), settings/ (save and load),
// netconfig/ (adapter lists, profile commands, SetInterface).
#pragma once

#include "app/Form1Environment.h"
#include "netconfig/PendingConfiguration.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace korvo {

class Form3;
class Form4;

// The controls of one tab of SSTab2 by role (tabs 0..5 the profiles, 6 the DHCP tab).
struct ProfileTab {
    QLineEdit* IPAddress = nullptr;
    QLineEdit* SubnetMask = nullptr;
    QLineEdit* Gateway = nullptr;
    QLineEdit* PrimaryDNS = nullptr;
    QLineEdit* SecondaryDNS = nullptr;
    QLineEdit* PrimaryWINS = nullptr;
    QLineEdit* SecondaryWINS = nullptr;
    QListWidget* Adapters = nullptr;
    QLineEdit* Name = nullptr; // none on the DHCP tab
    QPushButton* Apply = nullptr;
};

inline constexpr int TabCount = 7;
inline constexpr int DhcpTab = 6;

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(Form1Environment environment, QWidget* parent = nullptr);
    ~Form1() override;

    // Runs the start-up sequence, then shows the window unless the terms window holds it back.
    void Start();

    const ProfileTab& tab(int index) const { return Tabs[static_cast<std::size_t>(index)]; }
    const Form1Environment& environment() const { return Env; }

    // ---- controls (objectName == member name) ----
    QTabWidget* SSTab1 = nullptr;
    QTabWidget* SSTab2 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr,
              *Text6 = nullptr, *Text7 = nullptr, *Text8 = nullptr, *Text9 = nullptr, *Text10 = nullptr,
              *Text11 = nullptr, *Text12 = nullptr, *Text13 = nullptr, *Text14 = nullptr, *Text15 = nullptr,
              *Text16 = nullptr, *Text17 = nullptr, *Text18 = nullptr, *Text19 = nullptr, *Text20 = nullptr,
              *Text21 = nullptr, *Text22 = nullptr, *Text23 = nullptr, *Text24 = nullptr, *Text27 = nullptr,
              *Text28 = nullptr, *Text29 = nullptr, *Text30 = nullptr, *Text31 = nullptr, *Text32 = nullptr,
              *Text33 = nullptr, *Text34 = nullptr, *Text35 = nullptr, *Text36 = nullptr, *Text37 = nullptr,
              *Text38 = nullptr, *Text39 = nullptr, *Text40 = nullptr, *Text41 = nullptr, *Text42 = nullptr,
              *Text43 = nullptr, *Text44 = nullptr, *Text45 = nullptr, *Text46 = nullptr, *Text47 = nullptr,
              *Text48 = nullptr, *Text49 = nullptr, *Text50 = nullptr, *Text51 = nullptr, *Text52 = nullptr,
              *Text53 = nullptr, *Text54 = nullptr, *Text55 = nullptr, *Text56 = nullptr, *Text57 = nullptr;
    QListWidget *List1 = nullptr, *List2 = nullptr, *List3 = nullptr, *List4 = nullptr, *List5 = nullptr,
                *List6 = nullptr, *List7 = nullptr;
    QCheckBox *Check1 = nullptr, *Check2 = nullptr, *Check3 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                *Command5 = nullptr, *Command6 = nullptr, *Command7 = nullptr, *Command8 = nullptr,
                *Command9 = nullptr, *Command10 = nullptr;
    QLabel *Label5 = nullptr, *Label6 = nullptr, *Label26 = nullptr, *Label27 = nullptr;
    QWidget *Picture1 = nullptr, *Picture2 = nullptr, *Picture3 = nullptr, *Picture4 = nullptr,
            *Picture5 = nullptr, *Picture6 = nullptr, *Picture7 = nullptr, *Picture8 = nullptr,
            *Picture9 = nullptr, *Picture10 = nullptr, *Picture11 = nullptr, *Picture12 = nullptr;

    // ---- state ----
    QString ComputerName;
    int ListedAdapterCount = 0;
    std::array<QString, TabCount> TabAdapterCaption;
    QString RememberedPrimaryDNS, RememberedSecondaryDNS, RememberedPrimaryWINS, RememberedSecondaryWINS;
    PendingConfiguration Pending; // PendingConfiguration
    QString ValidationMessages;
    QString ResultText, ResultValues;
    int EnableResult = 0;

    // ---- start-up (app/Form1_startup.cpp) ----
    void Form_Load();

    // ---- own reactions (app/Form1_reactions.cpp) ----
    void NameBox_Change(int tabIndex); // Text19..Text24
    void List_Click(int tabIndex);     // List1..List7
    void Check2_Click();
    void Check3_Click();
    void SSTab2_GotFocus();
    void Command9_Click();
    void Picture10_Click();
    void Command10_Click();
    void Picture9_Click();
    void ShowHelp();

    // ---- adapter lists (netconfig/Form1_adapters.cpp) ----
    void EnumerateAdapters();
    void RestoreSavedAdapter(QListWidget* list, const QString& caption);

    // ---- settings file (settings/Form1_settings.cpp) ----
    enum class LoadOutcome { Missing, Rejected, Applied };
    QString SettingsPath() const;
    LoadOutcome LoadSettings();
    void Command7_Click(); // "Save Settings"

    // ---- terms (terms/) ----
    void OpenTermsWindow();
    Form3* TermsWindow() const;

    // ---- applying (netconfig/Form1_apply.cpp) ----
    void ProfileCommand(int tabIndex); // Command1..Command6
    void Command8_Click();             // DHCP
    void SetInterface();
    Form4* ApplyingWindow() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();    // app/Form1.cpp
    void connectReactions(); // app/Form1_reactions.cpp
    void connectApplyCommands(); // netconfig/Form1_apply.cpp
    bool takeTab(int tabIndex);
    void startApplying();        // netconfig/Form1_apply.cpp: shows Form4, disables both windows, SetInterface

    Form1Environment Env;
    std::array<ProfileTab, TabCount> Tabs{};
    QPointer<Form3> Terms;
    QPointer<Form4> Applying;
    QPointer<QPushButton> ApplyStartedBy; // gets the focus back when Form4 is dismissed
};

} // namespace korvo
