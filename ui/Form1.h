// The main window: the "Main" page's apply buttons, the "Settings" page's
// profile tabs, and the start-up, settings and apply flows that join them.
#pragma once

#include "core/ProfileBook.h"
#include "ui/Environment.h"
#include "ui/ProfileTab.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QEventLoop;
class QLabel;
class QPushButton;
class QTabWidget;
class QThread;

namespace korvo {

namespace platform {
class Adapter;
} // namespace platform
namespace testing {
struct Form1Probe;
} // namespace testing

struct ApplyOutcome;
class AdapterStates;
class Form3;
class Form4;
class SetChooser;
class Tray;

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

    // Asks the service for its adapters and lists them into all seven lists when it answers, before
    // any saved adapter restored meanwhile; start-up does it once.
    void EnumerateAdapters();
    // Start-up has not listed the adapters yet; a button pressed meanwhile applies once it has.
    bool AdaptersPending() const { return ListAfterFirstPaint || ListingAsked; }
    enum class LoadOutcome { Missing, Rejected, Applied };
    LoadOutcome LoadSettings();
    void Command7_Click(); // "Save Settings"
    Form4* ApplyingWindow() const;

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
    void TermsAccepted();
    void TermsDeclined();

    void AdaptersListed(std::vector<std::unique_ptr<platform::Adapter>> adapters);
    // Lists a saved adapter after the enumerated ones and selects it (tab 0..6), also when
    // the service could not be asked: the caption is kept, shown and saved back.
    void RestoreSavedAdapter(int tabIndex, const QString& caption);

    QString SettingsPath() const;
    // Another profile set: asked first when what is shown is not saved, then shown as loading shows it.
    bool MayLeaveSet();
    void OpenSet();
    void OpenTermsWindow();

    // ---- applying ----
    void ApplyButton_Click(int tabIndex);
    void ProfileCommand(int tabIndex); // Command1..Command6
    void Command8_Click();             // DHCP
    void startApplying(const Profile& profile, ApplyMode mode);
    // `number` counts the applies: an outcome shows only while its apply is the last one. It comes
    // twice when the gateway is asked: as soon as the change is made, and with the gateway's answer.
    void ShowApplied(ApplyOutcome outcome, int number);
    // The way back of a change that cut the adapter off: kept, or taken (on the service thread).
    void Undo(bool keep);

    // ---- at a glance ----
    void ShowTray();
    void ShowFromTray();
    void ShowButtonCaption(int tabIndex, const QString& caption);
    // What apply button 0..6 says: the profile's name, "DHCP" on the DHCP tab.
    QString ButtonCaption(int tabIndex) const;

    Environment Env;
    // The values the tabs show and edit, the terms flag and the file as read: made before the tabs.
    ProfileBook Book;

    // ---- controls (objectName == control name) ----
    QTabWidget *SSTab1 = nullptr, *SSTab2 = nullptr;
    std::array<ProfileTab*, TabCount> Tabs{};
    std::array<QPushButton*, TabCount> ApplyButtons{}; // Command1..Command6, Command8
    QCheckBox* Check1 = nullptr;                       // the book's terms flag, hidden
    QPushButton *Command7 = nullptr, *Command9 = nullptr, *Command10 = nullptr;
    QLabel *Label26 = nullptr, *Label27 = nullptr;
    QWidget *Picture1 = nullptr, *Picture2 = nullptr, *Picture9 = nullptr, *Picture10 = nullptr,
            *Picture11 = nullptr;

    // ---- state ----
    int ListedAdapterCount = 0;
    QStringList KnownAdapters;         // every adapter listed so far, in the lists before any restored one
    bool ListAfterFirstPaint = false;  // the window asks for the adapters once it is drawn
    bool ListingAsked = false;         // and until the service answers:
    std::optional<int> PendingCommand; // the first apply button pressed meanwhile
    QPointer<Form3> Terms;
    QPointer<Form4> Applying;
    QPointer<QPushButton> ApplyStartedBy; // gets the focus back when Form4 is dismissed
    // The service's calls of an apply run on ServiceThread, in ServiceWorker's event loop.
    std::unique_ptr<QThread> ServiceThread;
    QObject* ServiceWorker = nullptr;
    bool ApplyRunning = false; // an apply is under way
    int ApplyNumber = 0;       // the applies started so far; the last one owns the applying window
    // How long the applying window offers to keep a change that cut the adapter off from its gateway.
    static constexpr int KeepSeconds = 20;
    std::shared_ptr<ApplyOutcome> Undoable; // the outcome whose way back the applying window offers
    // Ending waits this long for an apply under way, then this long for what it saved to be put back;
    // the tests shorten them.
    int EndWaitMs = 12000;
    int PutBackWaitMs = 3000;
    bool Ending = false;           // an ending waits for the apply
    QEventLoop* EndWait = nullptr; // which the outcome ends
    QString EndReport;             // the outcome, as the terminal reads it
    // The adapters' states and the marks they drive; made with the buttons they mark.
    std::unique_ptr<AdapterStates> States;
    Tray* TrayIcon = nullptr;   // made once the window shows, when the desktop has a tray
    SetChooser* Sets = nullptr; // the profile set shown, on the Settings page
};

} // namespace korvo
