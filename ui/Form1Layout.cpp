// Form1's controls where the design puts them, and the keyboard's way through them.
#include "ui/Form1.h"

#include "core/Version.h"
#include "ui/AdapterStates.h"
#include "ui/Artwork.h"
#include "ui/SetChooser.h"
#include "ui/StartUp.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace korvo {

namespace {

constexpr int ClientWidth = 745;
constexpr int ClientHeight = 399;
constexpr int BannerHeight = 24;
constexpr int ButtonRowTop = ClientHeight - 8 - 33;

const char* const ApplyButtonNames[TabCount] = {"Command1", "Command2", "Command3", "Command4",
                                                "Command5", "Command6", "Command8"};

using art::place;

} // namespace

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
    Sets = place(new SetChooser(Env, {[this] { return MayLeaveSet(); }, [this] { Starting->openAnother(); }},
                                settingsPage),
                 "SetChooser", 105, pageButtonRowTop, 290, 33);

    for (int t = 0; t < TabCount; ++t) {
        auto* page = new ProfileTab(t, Book, Choices);
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
    SSTab2->setStyleSheet(ProfileTab::pageStyle());
    for (ProfileTab* t : Tabs)
        t->build();
    Sets->build();
    setKeyboardOrder();
}

} // namespace korvo
