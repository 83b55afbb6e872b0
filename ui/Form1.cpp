#include "ui/Form1.h"

#include "core/Applier.h"
#include "core/ProfileSets.h"
#include "core/ResultTexts.h"
#include "core/Rollback.h"
#include "core/SettingsFile.h"
#include "core/SettingsLocation.h"
#include "core/TerminalReport.h"
#include "core/Version.h"
#include "platform/NetConfigService.h"
#include "ui/AdapterStates.h"
#include "ui/Artwork.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/HelpPage.h"
#include "ui/MainWindow.h"
#include "ui/SetChooser.h"
#include "ui/Tray.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <exception>
#include <utility>

namespace korvo {

namespace {

constexpr int ClientWidth = 745;
constexpr int ClientHeight = 399;
constexpr int BannerHeight = 24;
constexpr int ButtonRowTop = ClientHeight - 8 - 33;

const char* const ApplyButtonNames[TabCount] = {"Command1", "Command2", "Command3", "Command4",
                                                "Command5", "Command6", "Command8"};

using art::place;

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

Form1::Form1(Environment environment, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Env(std::move(environment)) {
    setObjectName(QStringLiteral("Form1"));
    art::setAccessibleRole(this, QAccessible::Window);
    buildLayout();
    States = std::make_unique<AdapterStates>(Env.connector, Book, Tabs, ApplyButtons);
    // An adapter plugged in later joins every list after those listed before it; none moves.
    connect(States.get(), &AdapterStates::listed, this, [this](const QStringList& captions) {
        if (AdaptersPending()) return; // the start-up listing will have it
        for (const QString& caption : captions)
            if (!KnownAdapters.contains(caption)) {
                for (ProfileTab* t : Tabs)
                    t->addAdapter(ListedAdapterCount, caption);
                ++ListedAdapterCount;
                KnownAdapters << caption;
            }
    });
    connectReactions();
}

Form1::~Form1() {
    if (PendingCommand) QGuiApplication::restoreOverrideCursor();
    // An apply still under way finishes first: it holds the service's connection, and its
    // outcome has nowhere to go once the windows are gone.
    if (ServiceThread) {
        ServiceThread->quit();
        ServiceThread->wait();
    }
    // Both are top-level windows without an owner; they go with the main window.
    delete Terms;
    delete Applying;
}

Form3* Form1::TermsWindow() const {
    return Terms;
}
Form4* Form1::ApplyingWindow() const {
    return Applying;
}

void Form1::buildLayout() {
    setWindowTitle(tr("Korvo  Version %1").arg(QStringLiteral(KORVO_VERSION_MAJOR_MINOR)));
    setFixedSize(ClientWidth, ClientHeight);

    // Top strip: banner, help hint, glyphs.
    place(new PicturePanel(PicturePanel::Kind::Banner, this), nullptr, 0, 0, ClientWidth, BannerHeight);
    Label26 = place(new QLabel(tr("Help (F1)"), this), "Label26", 10, 0, 90, BannerHeight);
    art::setTextColor(Label26, art::OnHeader);
    Picture10 = place(new PicturePanel(PicturePanel::Kind::MinimiseGlyph, this), "Picture10",
                      ClientWidth - 50, 0, 22, BannerHeight);
    Picture9 = place(new PicturePanel(PicturePanel::Kind::CloseGlyph, this), "Picture9", ClientWidth - 26, 0,
                     22, BannerHeight);
    // They do what the buttons "Minimise" and "Exit" do, and a screen reader calls them so.
    Picture10->setAccessibleName(tr("Minimise"));
    Picture9->setAccessibleName(tr("Exit"));

    SSTab1 = place(new PictureTabWidget(PictureTabWidget::Look::Header, this), "SSTab1", 0, BannerHeight,
                   ClientWidth, ClientHeight - BannerHeight);
    SSTab1->setAccessibleName(tr("Pages"));
    auto* mainPage = new QWidget;
    auto* settingsPage = new QWidget;
    SSTab1->addTab(mainPage, tr("Main"));
    SSTab1->addTab(settingsPage, tr("Settings"));
    // A page is what the page tabs leave of the tab control.
    const int pageHeight = ClientHeight - BannerHeight - SSTab1->tabBar()->sizeHint().height();
    // The bottom button row belongs to the window, so its top in page coordinates:
    const int pageButtonRowTop = ButtonRowTop - (ClientHeight - pageHeight);

    // "Main" page.
    Picture1 = art::fillWith(mainPage, place(new PicturePanel(PicturePanel::Kind::MainPage, mainPage),
                                             "Picture1", 0, 0, ClientWidth, pageHeight));
    for (int t = 0; t < TabCount; ++t) {
        auto* button = place(
            new PictureButton(PictureButton::Face::Apply, t == DhcpTab ? tr("DHCP") : tr("Change"), mainPage),
            ApplyButtonNames[t], 16, 16 + 48 * t, 233, 25);
        button->setToolTip(AdapterStates::applyTip());
        button->setProperty("active", false);
        ApplyButtons[static_cast<std::size_t>(t)] = button;
    }

    // "Settings" page.
    Picture2 =
        art::fillWith(settingsPage, place(new PicturePanel(PicturePanel::Kind::SettingsPage, settingsPage),
                                          "Picture2", 0, 0, ClientWidth, pageHeight));
    Picture11 =
        place(new PicturePanel(PicturePanel::Kind::Band, settingsPage), "Picture11", 0, 0, ClientWidth, 241);
    SSTab2 =
        place(new PictureTabWidget(PictureTabWidget::Look::Card, settingsPage), "SSTab2", 8, 8, 729, 225);
    SSTab2->setAccessibleName(tr("Profiles"));
    Command7 = place(new PictureButton(PictureButton::Face::Primary, tr("Save Settings"), settingsPage),
                     "Command7", 8, pageButtonRowTop, 89, 33);
    Label27 = place(new QLabel(tr("Revision %1").arg(QStringLiteral(KORVO_VERSION)), settingsPage), "Label27",
                    400, pageButtonRowTop, 140, 33);
    Label27->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    art::setTextColor(Label27, art::Slate);
    Sets = place(new SetChooser(Env, {[this] { return MayLeaveSet(); }, [this] { OpenSet(); }}, settingsPage),
                 "SetChooser", 105, pageButtonRowTop, 290, 33);

    for (int t = 0; t < TabCount; ++t) {
        auto* page = new ProfileTab(t, Book);
        SSTab2->addTab(page, page->caption());
        Tabs[static_cast<std::size_t>(t)] = page;
    }

    // Shows the book's terms flag; nobody sees or reaches it.
    Check1 = new QCheckBox(tr("EULA accepted"), tab(0));
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFocusPolicy(Qt::NoFocus);
    Check1->setVisible(false);

    // Bottom button row, above whichever page is shown.
    Command9 = place(new PictureButton(PictureButton::Face::Neutral, tr("Minimise"), this), "Command9",
                     ClientWidth - 8 - 89 - 8 - 89, ButtonRowTop, 89, 33);
    Command10 = place(new PictureButton(PictureButton::Face::Neutral, tr("Exit"), this), "Command10",
                      ClientWidth - 8 - 89, ButtonRowTop, 89, 33);

    setKeyboardOrder();
    SSTab1->setCurrentIndex(0);
    SSTab2->setCurrentIndex(0);
}

// One chain through both pages; Qt skips what is hidden or disabled.
void Form1::setKeyboardOrder() {
    QList<QWidget*> order = {SSTab1, SSTab2};
    for (QPushButton* button : ApplyButtons)
        order << button;
    order << Command9 << Command10;
    for (int t = 0; t < TabCount; ++t)
        order << tab(t)->keyboardOrder();
    order << Command7 << Sets->keyboardOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// The first paint shows the Main page only; the profile tabs' controls are made when the
// Settings page is first shown.
void Form1::BuildSettingsPage() {
    if (tab(0)->built()) return;
    // Only the profile tabs hold text boxes and lists; a style sheet higher up would
    // route every control of the window through the style sheet machinery.
    SSTab2->setStyleSheet(QString::fromLatin1(PageStyle));
    for (ProfileTab* t : Tabs)
        t->build();
    Sets->build();
    setKeyboardOrder();
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
}

// ---- start-up ----

// Each step that fails is passed over silently; only the settings file's
// corrupt-file message can appear during start-up.
void Form1::Form_Load() {
    if (!ListAfterFirstPaint) {
        try {
            EnumerateAdapters();
        } catch (...) {
        }
    }

    LoadOutcome outcome = LoadOutcome::Rejected;
    try {
        outcome = LoadSettings();
    } catch (...) {
    }
    // A file that says the terms were not accepted (or says nothing readable about them) asks as
    // a first start does, so the window and the command line agree; its values stay loaded.
    if (outcome == LoadOutcome::Missing || (outcome == LoadOutcome::Applied && !Book.termsAccepted())) {
        try {
            OpenTermsWindow();
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
    ListAfterFirstPaint = true;
    Form_Load();
    // The terms window keeps the main window hidden until the user accepts: nothing to draw first.
    if (Terms && Terms->isVisible()) EnumerateAdapters();
    if (!Terms || !Terms->isVisible()) {
        show();
        // Showing posts update and polish requests to every control, and the
        // buttons' polish asks for a new layout, which climbs one control per
        // round up to the tab controls. Handled after the first paint, they
        // would paint the whole window a second time; handled now, they merge
        // into the first.
        for (int round = 0; round < 8; ++round)
            for (const QEvent::Type type :
                 {QEvent::PolishRequest, QEvent::LayoutRequest, QEvent::UpdateLater})
                QCoreApplication::sendPostedEvents(nullptr, type);
        ShowTray();
    }
}

// ---- adapter lists ----

void Form1::EnumerateAdapters() {
    ListAfterFirstPaint = false;
    ListingAsked = true;
    try {
        if (Env.connector) {
            const QPointer<Form1> self(this);
            Env.connector->listAdapters([self](std::vector<std::unique_ptr<platform::Adapter>> adapters) {
                if (self) self->AdaptersListed(std::move(adapters));
            });
            return;
        }
    } catch (const std::exception&) {
        if (!ListingAsked) return; // answered before the failure
    }
    AdaptersListed({});
}

// No adapters also when the service could not be asked: no lists, no message.
void Form1::AdaptersListed(std::vector<std::unique_ptr<platform::Adapter>> adapters) {
    ListingAsked = false;
    QStringList captions;
    std::vector<AdapterStates::AdapterNow> now;
    for (const std::unique_ptr<platform::Adapter>& adapter : adapters) {
        const QString caption = QString::fromStdString(adapter->caption());
        captions << caption;
        if (const std::optional<platform::IPv4State> state = adapter->ipv4State())
            now.push_back({caption, *state, QString::fromStdString(adapter->hardwareAddress())});
    }
    // Saved adapters restored meanwhile stay after the listed ones, as if listed first.
    for (ProfileTab* t : Tabs)
        t->insertAdapters(0, captions);
    ListedAdapterCount = static_cast<int>(captions.size());
    KnownAdapters = captions;
    States->setPresent(captions);
    States->show(std::move(now));
    if (PendingCommand) {
        const int pressed = *PendingCommand;
        PendingCommand.reset();
        QGuiApplication::restoreOverrideCursor();
        ApplyButton_Click(pressed);
    }
}

// Also when the service could not be asked: pressing the tab's button then reports why it failed.
void Form1::RestoreSavedAdapter(int tabIndex, const QString& caption) {
    tab(tabIndex)->RestoreSavedAdapter(ListedAdapterCount, caption);
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

void Form1::OpenSet() {
    // Nothing of the set shown stays behind: an adapter the new set leaves unnamed is none.
    for (ProfileTab* t : Tabs)
        t->ForgetAdapter(ListedAdapterCount);
    Book.load(firstStartSettings());
    LoadSettings();
    States->ShowProfilesInEffect();
}

Form1::LoadOutcome Form1::LoadSettings() {
    switch (Book.read(SettingsPath())) {
    case ProfileBook::ReadOutcome::Missing:
        return LoadOutcome::Missing;
    case ProfileBook::ReadOutcome::Rejected:
        Env.exclamation(this, tr("Woops"), tr("Error while reading the ini file, it may be corrupt."));
        return LoadOutcome::Rejected;
    case ProfileBook::ReadOutcome::Read:
        break;
    }
    // The lists show each saved adapter after the enumerated ones, selected.
    for (int t = 0; t < TabCount; ++t)
        if (const QString& caption = Book.profile(t).AdapterCaption; !caption.isEmpty())
            RestoreSavedAdapter(t, caption);
    return LoadOutcome::Applied;
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

// ---- terms ----

void Form1::OpenTermsWindow() {
    if (!Terms) {
        Terms = new Form3;
        connect(Terms, &Form3::accepted, this, &Form1::TermsAccepted);
        connect(Terms, &Form3::declined, this, &Form1::TermsDeclined);
    }
    // The terms window holds the main window back until the user accepts.
    hide();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        Terms->move(screen->availableGeometry().center() - Terms->rect().center());
    Terms->show();
}

void Form1::TermsAccepted() {
    Book.setTermsAccepted(true);
    Command7_Click(); // the save, exactly as the user's click runs it
    setEnabled(true);
    show();
    raise();
    activateWindow();
    setFocus();
    ShowTray();
}

void Form1::TermsDeclined() {
    Book.setTermsAccepted(false);
    Env.terminate();
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

// Ending at once mid-apply left NetworkManager's saved profile new and the adapter's settings old, with
// nothing said: the service's answer is waited for, within bounds, and told.
void Form1::EndProgram(const QString& by, bool terminate) {
    if (Ending) return; // the first request is being served
    if (ApplyRunning) {
        const auto tell = [this](const QString& text) {
            if (Env.tell)
                Env.tell(text);
            else
                std::fprintf(stderr, "%s\n", qPrintable(text));
        };
        Ending = true;
        const int seconds = (EndWaitMs + 999) / 1000;
        const int atMost = (EndWaitMs + PutBackWaitMs + 999) / 1000;
        tell(tr("Korvo: asked to end (%1) while a change to the network is under way; waiting for the "
                "network service's answer (at most %2 s) before ending.")
                 .arg(by)
                 .arg(atMost));
        QEventLoop wait;
        EndWait = &wait;
        QTimer::singleShot(EndWaitMs, &wait, &QEventLoop::quit);
        wait.exec();
        EndWait = nullptr;
        if (ApplyRunning) {
            // Put back on a thread of its own: the service may keep it waiting too.
            std::string putBack;
            if (Env.connector) {
                QEventLoop back;
                std::unique_ptr<QThread> worker(
                    QThread::create([&putBack, connector = Env.connector, ms = PutBackWaitMs] {
                        putBack = connector->putBackUnfinished(std::chrono::milliseconds(ms));
                    }));
                connect(worker.get(), &QThread::finished, &back, &QEventLoop::quit);
                worker->start();
                back.exec();
                worker->wait();
            }
            tell(tr("Korvo: the network service did not answer within %1 s; ending without its answer.")
                     .arg(seconds) +
                 u' ' +
                 (putBack.empty() ? tr("The change may be only partly made: the adapter's saved settings and "
                                       "those in effect can differ until a profile is applied again.")
                                  : QString::fromStdString(putBack)));
        } else
            tell(tr("Korvo: the apply under way has finished; ending now. The outcome:") + u'\n' + EndReport);
        Ending = false;
    }
    // An apply still unanswered holds its thread, which the window would wait for as it goes: end here.
    if (terminate || ApplyRunning) Env.terminate();
}

void Form1::ShowHelp() {
    const QString title = tr("Korvo Help");
    QString path = QDir(Env.programFolder).filePath(QStringLiteral("KorvoHelp.chm"));
    if (!QFileInfo::exists(path)) path = ownHelpPage(Env.programFolder);
    if (path.isEmpty()) {
        Env.exclamation(this, title,
                        tr("The help file \"KorvoHelp.chm\" was not found in %1.")
                            .arg(QDir::toNativeSeparators(Env.programFolder)));
        return;
    }
    if (!Env.openDocument(path))
        Env.exclamation(this, title,
                        tr("No program on this computer could open the help file %1.")
                            .arg(QDir::toNativeSeparators(path)));
}

void Form1::closeEvent(QCloseEvent* event) {
    if (ApplyRunning) {
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
    // The adapters are asked for once the first frame is out, behind it in the event queue.
    if (event->type() == QEvent::Paint && ListAfterFirstPaint) {
        ListAfterFirstPaint = false;
        ListingAsked = true; // buttons wait from now on
        QMetaObject::invokeMethod(this, &Form1::EnumerateAdapters, Qt::QueuedConnection);
    }
    // Changes made behind Korvo's back move the marks. Asked once the first frame is out, so
    // that start-up does not wait for it: the first update request can come before the window
    // is exposed, the first paint cannot.
    if (event->type() == QEvent::Paint) States->watchSoon();
    return handled;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SSTab2->tabBar() && event->type() == QEvent::FocusIn) SSTab2_GotFocus();
    return QWidget::eventFilter(watched, event);
}

// ---- applying ----

void Form1::ApplyButton_Click(int tabIndex) {
    if (AdaptersPending()) {
        if (!PendingCommand) {
            PendingCommand = tabIndex;
            // The press is taken; a service slow to answer must not look like a dead button.
            QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        }
        return;
    }
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
    ApplyStartedBy = ApplyButtons[static_cast<std::size_t>(tabIndex)];
    Book.pressed(tabIndex + 1);
    startApplying(pressed.Typed, pressed.Mode);
}

void Form1::Command8_Click() {
    ProfileCommand(DhcpTab);
}

void Form1::startApplying(const Profile& profile, ApplyMode mode) {
    if (!Applying) {
        Applying = new Form4(nullptr);
        connect(Applying, &Form4::dismissed, this, [this] {
            setEnabled(true);
            activateWindow();
            // The keyboard goes on where it was: on the button that started the apply.
            if (ApplyStartedBy)
                ApplyStartedBy->setFocus();
            else
                setFocus();
        });
        connect(Applying, &Form4::keepChosen, this, [this] { Undo(true); });
        connect(Applying, &Form4::keepTimedOut, this, [this] { Undo(false); });
        // Deletion waits for the event loop; until then the closed window must not be reused.
        connect(Applying, &Form4::unloaded, this, [this] { Applying = nullptr; });
        // A window of its own, with its own taskbar entry. Wayland alone places a window without a
        // parent where it likes, behind the one just clicked among them: there it is made the main
        // window's transient, which elsewhere would make it an owned window (on Windows, one without a
        // taskbar entry, minimised with the main window).
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            Applying->winId();
            if (QWindow* own = Applying->windowHandle(); own && windowHandle())
                own->setTransientParent(windowHandle());
        }
    }
    Applying->ShowPrepared();
    Applying->show();
    setEnabled(false);
    Applying->setEnabled(false);
    SetInterface(profile, mode);
}

void Form1::SetInterface(const Profile& profile, ApplyMode mode) {
    if (!Applying) {
        startApplying(profile, mode); // creates the window and comes back here
        return;
    }
    if (ApplyRunning) return; // both windows are disabled until the apply under way is shown
    ApplyRunning = true;
    if (TrayIcon) TrayIcon->setBusy(true);
    Applying->ShowWorking();
    // The service may keep a call waiting for long (NetworkManager hung, a password prompt nobody
    // answers): the apply runs on a thread of its own, and the windows go on painting meanwhile.
    // The thread is started by the first apply, so that start-up does not pay for it.
    if (!ServiceThread) {
        ServiceThread = std::make_unique<QThread>();
        ServiceThread->setObjectName(QStringLiteral("Korvo service"));
        ServiceWorker = new QObject;
        ServiceWorker->moveToThread(ServiceThread.get());
        connect(ServiceThread.get(), &QThread::finished, ServiceWorker, &QObject::deleteLater);
        ServiceThread->start();
    }
    const int number = ++ApplyNumber;
    QMetaObject::invokeMethod(
        ServiceWorker,
        [this, connector = Env.connector, profile, mode, number] {
            ApplyChecks checks;
            checks.undoWithin = std::chrono::seconds(KeepSeconds);
            // The report shows as soon as the change is made; the gateway's answer follows it.
            checks.made = [this, number](const ApplyOutcome& made) {
                QMetaObject::invokeMethod(
                    this, [this, made, number] { ShowApplied(made, number); }, Qt::QueuedConnection);
            };
            const ApplyOutcome outcome = Applier(connector).SetInterface(profile, mode, checks);
            // The window waits for this thread before it goes, so it is there to be told.
            QMetaObject::invokeMethod(
                this, [this, outcome, number] { ShowApplied(outcome, number); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void Form1::ShowApplied(ApplyOutcome outcome, int number) {
    const bool current = number == ApplyNumber;
    const bool first = current && ApplyRunning;
    if (first) {
        ApplyRunning = false;
        if (TrayIcon) TrayIcon->setBusy(false);
        if (EndWait) {
            EndReport = plainReport(outcome).trimmed();
            EndWait->quit();
        }
    }
    if (outcome.Undo && !(current && Applying)) {
        // Another apply is under way (it will change the adapter again), or the window is gone.
        QMetaObject::invokeMethod(
            ServiceWorker,
            [undo = outcome.Undo] {
                try {
                    undo->keep();
                } catch (const std::exception&) {
                    // It may yet roll back by itself; the apply under way reports what the adapter has.
                }
            },
            Qt::QueuedConnection);
        outcome.Undo.reset();
    }
    if (current && Applying && (first || Applying->isVisible() || outcome.Undo)) {
        if (outcome.PendingRollback) {
            const std::optional<std::chrono::seconds>& in = outcome.PendingRollback->in;
            const Reason pending{ReasonKind::PendingRollback,
                                 {outcome.Values.AdapterCaption,
                                  QString::fromStdString(outcome.PendingRollback->name),
                                  in ? QString::number(in->count()) : QString()}};
            outcome.Reasons.push_back(pending);
            if (TrayIcon && first) TrayIcon->warn(reasonText(pending));
        }
        if (!Applying->isVisible()) {
            // Dismissed before the gateway's answer came: the question needs the window again.
            Applying->show();
            setEnabled(false);
        }
        // The way back stays with this window alone, and goes to the service thread to be used.
        const bool offer = outcome.Undo != nullptr;
        if (offer) Undoable = std::make_shared<ApplyOutcome>(outcome);
        outcome.Undo.reset();
        Applying->ShowOutcome(outcome);
        if (offer) Applying->OfferKeep(KeepSeconds);
    }
    // A watching service tells of the apply's own changes as they land; one that reports no
    // states is not asked again for nothing.
    if (!States->watching() && States->known()) States->refresh();
}

void Form1::Undo(bool keep) {
    const std::shared_ptr<ApplyOutcome> undoable = std::exchange(Undoable, nullptr);
    if (!undoable || !undoable->Undo) return;
    QMetaObject::invokeMethod(
        ServiceWorker,
        [this, keep, undoable, connector = Env.connector] {
            Rollback& undo = *undoable->Undo;
            ApplyOutcome shown = *undoable;
            shown.Undo.reset();
            if (keep) {
                try {
                    undo.keep();
                    shown.Reasons.push_back({ReasonKind::Kept});
                } catch (const std::exception& e) {
                    shown.Reasons.push_back({ReasonKind::NotKept, {QString::fromStdString(e.what())}});
                }
            } else {
                shown = restoredOutcome(undo, *undoable, connector);
            }
            QMetaObject::invokeMethod(
                this,
                [this, shown] {
                    if (Applying) Applying->ShowOutcome(shown);
                    if (!States->watching() && States->known()) States->refresh();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
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
    if (TrayIcon) {
        TrayIcon->setCaption(tabIndex, caption);
        TrayIcon->showAdapters(States->glance());
    }
}

void Form1::ShowTray() {
    if (TrayIcon) return;
    if (!(Env.hasSystemTray ? Env.hasSystemTray() : Tray::available())) return;

    std::array<QString, TabCount> captions;
    std::array<bool, TabCount> inEffect{};
    for (int t = 0; t < TabCount; ++t) {
        captions[static_cast<std::size_t>(t)] = ButtonCaption(t);
        inEffect[static_cast<std::size_t>(t)] = States->isInEffect(t);
    }
    TrayIcon = new Tray(captions, inEffect, this);
    connect(TrayIcon, &Tray::applyChosen, this, [this](int tabIndex) {
        // An outcome still waiting for "Ok" (the window perhaps minimised) comes to the front instead:
        // the click is not lost without a sign. While an apply runs the entries are greyed.
        if (!ApplyRunning && Applying && Applying->isVisible()) {
            ShowFromTray();
            Applying->raise();
            Applying->activateWindow();
            return;
        }
        // What the button does; a disabled window takes no press.
        if (isEnabled()) ApplyButton_Click(tabIndex);
        States->ShowProfilesInEffect();
    });
    connect(TrayIcon, &Tray::showChosen, this, &Form1::ShowFromTray);
    connect(TrayIcon, &Tray::exitChosen, this, [this] { EndProgram(tr("the tray's Exit")); });
    TrayIcon->setSets(Sets->names(), Sets->currentName());
    connect(Sets, &SetChooser::listed, TrayIcon, &Tray::setSets);
    connect(TrayIcon, &Tray::setChosen, Sets, &SetChooser::choose);
    TrayIcon->setBusy(ApplyRunning);
    connect(States.get(), &AdapterStates::inEffect, TrayIcon, &Tray::setInEffect);
    TrayIcon->showAdapters(States->glance());
    connect(States.get(), &AdapterStates::shown, TrayIcon,
            [this] { TrayIcon->showAdapters(States->glance()); });
}

void Form1::ShowFromTray() {
    // Wayland lets a program neither raise its window nor restore or even know it minimised: a
    // window mapped anew comes to the front.
    if (!isActiveWindow() && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) hide();
    showNormal();
    raise();
    activateWindow();
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
