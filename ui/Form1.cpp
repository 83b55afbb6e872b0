#include "ui/Form1.h"

#include "core/ApplyRun.h"
#include "core/ProfileSets.h"
#include "ui/AdapterStates.h"
#include "ui/ApplyView.h"
#include "ui/Artwork.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/HelpPage.h"
#include "ui/MainWindow.h"
#include "ui/SetChooser.h"
#include "ui/StartUp.h"
#include "ui/TermsGate.h"
#include "ui/TrayLink.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <cstdio>
#include <utility>

namespace korvo {

Form1::Form1(Environment environment, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Env(std::move(environment)) {
    setObjectName(QStringLiteral("Form1"));
    art::setAccessibleRole(this, QAccessible::Window);
    buildLayout();
    States = std::make_unique<AdapterStates>(Env.connector, Book, Tabs, ApplyButtons);
    Starting = std::make_unique<StartUp>(Env, Book, Choices, *States, *this);
    Terms = std::make_unique<TermsGate>(Book, *this, Env.terminate);
    Run = std::make_unique<ApplyRun>(Env.connector);
    View = std::make_unique<ApplyView>(*this, *Run);
    Starting->readFrom([this] { return SettingsPath(); });
    TrayFace = std::make_unique<TrayLink>(TrayLink::Window{this, [this](int t) { ApplyButton_Click(t); },
                                                           [this](int t) { return ButtonCaption(t); },
                                                           [this] { EndProgram(tr("the tray's Exit")); }},
                                          *States, *Run, *View, *Sets);
    connectReactions();
}

Form1::~Form1() = default;

Form3* Form1::TermsWindow() const {
    return Terms->window();
}

void Form1::connectReactions() {
    connect(&Book, &ProfileBook::changed, this, [this](int slot, ProfileField field) {
        if (field == ProfileField::Name)
            NameBox_Change(slot);
        else
            States->ShowProfilesInEffect();
    });
    connect(&Book, &ProfileBook::extrasChanged, States.get(), [this] { States->ShowProfilesInEffect(); });
    connect(&Book, &ProfileBook::termsChanged, Check1, &QCheckBox::setChecked);
    connect(Check1, &QCheckBox::toggled, &Book, &ProfileBook::setTermsAccepted);
    for (int t = 0; t < TabCount; ++t)
        connect(ApplyButtons[static_cast<std::size_t>(t)], &QPushButton::clicked, this,
                [this, t] { ApplyButton_Click(t); });
    SSTab2->tabBar()->installEventFilter(this);
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 1) BuildSettingsPage();
    });
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(static_cast<PicturePanel*>(Picture10), &PicturePanel::clicked, this, &Form1::Picture10_Click);
    connect(static_cast<PicturePanel*>(Picture9), &PicturePanel::clicked, this, &Form1::Picture9_Click);

    connect(Starting.get(), &StartUp::pressReplayed, this, &Form1::ApplyButton_Click);
    connect(Terms.get(), &TermsGate::accepted, this, &Form1::Command7_Click); // saved as the click saves
    connect(Terms.get(), &TermsGate::released, this, [this] { TrayFace->show(Env.hasSystemTray); });
    // A watching service tells of an apply's own changes as they land; one that reports no
    // states is not asked again for nothing.
    connect(Run.get(), &ApplyRun::adaptersTouched, this, [this] {
        if (!States->watching() && States->known()) States->refresh();
    });
}

// ---- start-up ----

void Form1::Form_Load() {
    if (Starting->load()) {
        try {
            Terms->OpenTermsWindow();
        } catch (...) {
        }
    }
    for (int t = 0; t < DhcpTab; ++t)
        ShowButtonCaption(t, ButtonCaption(t));
    States->show();
}

void Form1::Start() {
    // The window is drawn first and filled in when the service answers: the time to the first
    // frame does not grow with the number of adapters.
    Starting->listAfterFirstPaint();
    Form_Load();
    // The terms window keeps the main window hidden until the user accepts: nothing to draw first.
    if (TermsWindow() && TermsWindow()->isVisible()) {
        Starting->EnumerateAdapters();
        return;
    }
    Starting->showInOnePaint();
    TrayFace->show(Env.hasSystemTray);
}

// ---- settings file ----

QString Form1::SettingsPath() const {
    return Sets ? Sets->currentFile() : Env.settingsFile;
}

bool Form1::MayLeaveSet() {
    if (!hasUnsavedChanges(Book)) return true;
    if (!(Env.question && Env.question(this, tr("Korvo"),
                                       tr("The profile set \"%1\" has changes that are not saved. Save them "
                                          "first?\n\nNo keeps them in the window and does nothing else.")
                                           .arg(Sets->currentName()))))
        return false;
    Command7_Click();
    return !hasUnsavedChanges(Book); // not saved: the changed-on-disk question said No, or the save failed
}

void Form1::Command7_Click() {
    const QString path = SettingsPath();
    if (Book.changedOnDisk(path) &&
        !(Env.question &&
          Env.question(this, tr("Korvo"),
                       tr("%1 was changed by another program since Korvo read it. Overwrite it?")
                           .arg(QFileInfo(path).fileName()))))
        return;
    Book.recordHardwareAddresses(
        [this](const QString& caption) { return States->hardwareAddressOf(caption); });
    if (const QString failure = Book.save(path); !failure.isEmpty())
        Env.exclamation(
            this, tr("Korvo"),
            tr("The settings could not be saved to \"%1\": %2").arg(QDir::toNativeSeparators(path), failure));
}

// ---- own reactions ----

void Form1::NameBox_Change(int tabIndex) {
    ShowButtonCaption(tabIndex, ButtonCaption(tabIndex));
}

void Form1::SSTab2_GotFocus() {
    QTabBar* captions = SSTab2->tabBar();
    for (int i = 0; i < captions->count(); ++i)
        captions->setTabTextColor(i, QColor(15, 0, 0));
    // The third display setting of the original tab control has no counterpart here.
    QFont font = captions->font();
    font.setBold(false);
    captions->setFont(font);
}

void Form1::Command9_Click() {
    showMinimized();
}
void Form1::Picture10_Click() {
    showMinimized();
}
void Form1::Command10_Click() {
    EndProgram(tr("Exit"));
}
void Form1::Picture9_Click() {
    EndProgram(tr("Exit"));
}

void Form1::EndProgram(const QString& by, bool terminate) {
    if (Run->ending()) return; // the first request is being served
    Run->waitBeforeEnding(by, [this](const QString& text) {
        if (Env.tell)
            Env.tell(text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    // An apply still unanswered holds its thread, which the window would wait for as it goes: end here.
    if (terminate || Run->running()) Env.terminate();
}

void Form1::ShowHelp() {
    showHelp(Env, this);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (Run->running()) {
        event->ignore();
        EndProgram(tr("the window's close box"));
        return;
    }
    // A disabled window takes no input, its close box included: an apply is running or its
    // result is still shown.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    Env.terminate();
    event->ignore();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // Keys that the focused control leaves alone arrive here, so F1 works everywhere.
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelp();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool Form1::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // The adapters are asked for once the first frame is out, behind it in the event queue. Changes
    // made behind Korvo's back move the marks, watched from then on too, so that start-up does not
    // wait for it: the first update request can come before the window is exposed, the first paint
    // cannot.
    if (event->type() == QEvent::Paint) {
        Starting->firstPaint();
        States->watchSoon();
    }
    return handled;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SSTab2->tabBar() && event->type() == QEvent::FocusIn) SSTab2_GotFocus();
    return QWidget::eventFilter(watched, event);
}

// ---- applying ----

void Form1::ApplyButton_Click(int tabIndex) {
    if (Starting->holdPress(tabIndex)) return;
    if (tabIndex == DhcpTab)
        Command8_Click();
    else
        ProfileCommand(tabIndex);
}

void Form1::ProfileCommand(int tabIndex) {
    const ButtonProfile pressed = Book.button(tabIndex + 1);
    if (pressed.Typed.AdapterCaption.isEmpty()) {
        Env.exclamation(this, tr("Whoops"), tr("Please select an Interface first!!"));
        return;
    }
    Book.pressed(tabIndex + 1);
    View->prepare(ApplyButtons[static_cast<std::size_t>(tabIndex)]);
    SetInterface(pressed.Typed, pressed.Mode);
}

void Form1::Command8_Click() {
    ProfileCommand(DhcpTab);
}

// The service may keep a call waiting for long: the apply runs on a thread of its own, and the
// windows go on painting meanwhile.
void Form1::SetInterface(const Profile& profile, ApplyMode mode) {
    if (!View->window()) View->prepare(nullptr);
    // Both windows are disabled until the apply under way is shown.
    if (Run->start(profile, mode)) View->showWorking();
}

// ---- at a glance ----

QString Form1::ButtonCaption(int tabIndex) const {
    return tabIndex == DhcpTab ? tr("DHCP") : Book.profile(tabIndex).Name;
}

void Form1::ShowButtonCaption(int tabIndex, const QString& caption) {
    QPushButton* button = ApplyButtons[static_cast<std::size_t>(tabIndex)];
    button->setText(caption);
    // Said as shown, "&" included; a button without a caption still says which profile it applies.
    button->setAccessibleName(caption.isEmpty() ? tab(tabIndex)->caption() : caption);
    if (TrayFace) TrayFace->setCaption(tabIndex, caption);
}

void endMainWindow(QWidget& window, const QString& by) {
    static_cast<Form1&>(window).EndProgram(by);
}

void settleMainWindow(QWidget& window, const QString& by) {
    static_cast<Form1&>(window).EndProgram(by, false);
}

std::unique_ptr<QWidget> startMainWindow(Environment environment) {
    auto window = std::make_unique<Form1>(std::move(environment));
    window->Start();
    return window;
}

} // namespace korvo
