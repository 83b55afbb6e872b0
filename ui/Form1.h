// The main window: the "Main" page's apply buttons and the "Settings" page's profile tabs, laid
// out and wired to the book, the start-up, the terms gate and the apply run they show.
#pragma once

#include "core/AdapterChoices.h"
#include "core/ProfileBook.h"
#include "ui/Environment.h"
#include "ui/ProfileTab.h"

#include <QString>
#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace korvo {

namespace testing {
struct Form1Probe;
} // namespace testing

class AdapterStates;
class ApplyRun;
class ApplyView;
class Form3;
class StartUp;
class TermsGate;
class SetChooser;
class TrayLink;

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(Environment environment, QWidget* parent = nullptr);
    ~Form1() override;

    // Runs the start-up sequence, then shows the window unless the terms window holds it back.
    void Start();
    // The start-up sequence: adapters, settings file (or the terms window), button captions.
    void Form_Load();

    // Validates and applies `profile` off the window thread, showing the applying window throughout;
    // the outcome is shown once the service has answered.
    void SetInterface(const Profile& profile, ApplyMode mode);
    // Ends the program: at once, or while an apply is under way, once the service has answered it or
    // EndWaitMs have passed, telling what it did; `terminate` false leaves the ending to the caller
    // unless the apply is still unanswered.
    void EndProgram(const QString& by, bool terminate = true);
    // The terms window while start-up holds the main window back for it (korvo --accept-terms).
    Form3* TermsWindow() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The tests and benchmarks drive the steps of start-up and saving one by one.
    friend struct testing::Form1Probe;

    void Command7_Click(); // "Save Settings"

    // Makes the Settings page's controls now rather than when the page is first shown; the
    // tests' control lookup calls it by name.
    Q_INVOKABLE void BuildSettingsPage();
    void buildLayout();
    void connectReactions();
    void setKeyboardOrder();
    ProfileTab* tab(int index) const { return Tabs[static_cast<std::size_t>(index)]; }

    // ---- own reactions ----
    void NameBox_Change(int tabIndex); // Text19..Text24
    void SSTab2_GotFocus();
    void Command9_Click();
    void Picture10_Click();
    void Command10_Click();
    void Picture9_Click();
    void ShowHelp();

    QString SettingsPath() const;
    // Another profile set may be opened: asked first when what is shown is not saved.
    bool MayLeaveSet();

    // ---- applying ----
    void ApplyButton_Click(int tabIndex);
    void ProfileCommand(int tabIndex); // Command1..Command6
    void Command8_Click();             // DHCP

    // ---- at a glance ----
    void ShowButtonCaption(int tabIndex, const QString& caption);
    // What apply button 0..6 says: the profile's name, "DHCP" on the DHCP tab.
    QString ButtonCaption(int tabIndex) const;

    Environment Env;
    // The values the tabs show and edit, the terms flag and the file as read, and the adapters each
    // tab lists: made before the tabs.
    ProfileBook Book;
    AdapterChoices Choices{Book};

    // ---- controls (objectName == control name) ----
    QTabWidget *SSTab1 = nullptr, *SSTab2 = nullptr;
    std::array<ProfileTab*, TabCount> Tabs{};
    std::array<QPushButton*, TabCount> ApplyButtons{}; // Command1..Command6, Command8
    QCheckBox* Check1 = nullptr;                       // the book's terms flag, hidden
    QPushButton *Command7 = nullptr, *Command9 = nullptr, *Command10 = nullptr;
    QLabel *Label26 = nullptr, *Label27 = nullptr;
    QWidget *Picture1 = nullptr, *Picture2 = nullptr, *Picture9 = nullptr, *Picture10 = nullptr,
            *Picture11 = nullptr;

    // ---- the flows: made with the controls they drive, gone before them ----
    // The adapters' states and the marks they drive.
    std::unique_ptr<AdapterStates> States;
    std::unique_ptr<StartUp> Starting;
    std::unique_ptr<TermsGate> Terms;
    // The applying window goes first, then the run waits for an apply still under way.
    std::unique_ptr<ApplyRun> Run;
    std::unique_ptr<ApplyView> View;
    std::unique_ptr<TrayLink> TrayFace;
    SetChooser* Sets = nullptr; // the profile set shown, on the Settings page
};

} // namespace korvo
