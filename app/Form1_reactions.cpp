#include "app/Artwork.h"
#include "app/Form1.h"

#include "app/AdapterList.h"
#include "app/HelpPage.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace korvo {

namespace {

const QString Dhcp = QStringLiteral("DHCP");

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
    if (remembered == Dhcp)
        remembered.clear();
}

} // namespace

void Form1::connectReactions() {
    for (int t = 0; t < TabCount; ++t) {
        const ProfileTab& tab = Tabs[static_cast<std::size_t>(t)];
        if (tab.Name)
            connect(tab.Name, &QLineEdit::textChanged, this, [this, t] { NameBox_Change(t); });
        // Selection, not the current row: focus alone makes a row current.
        connect(tab.Adapters, &QListWidget::itemSelectionChanged, this, [this, t] { List_Click(t); });
    }
    connect(Check2, &QCheckBox::stateChanged, this, &Form1::Check2_Click);
    connect(Check3, &QCheckBox::stateChanged, this, &Form1::Check3_Click);
    SSTab2->tabBar()->installEventFilter(this);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(static_cast<PicturePanel*>(Picture10), &PicturePanel::clicked, this, &Form1::Picture10_Click);
    connect(static_cast<PicturePanel*>(Picture9), &PicturePanel::clicked, this, &Form1::Picture9_Click);
}

void Form1::NameBox_Change(int tabIndex) {
    const ProfileTab& t = tab(tabIndex);
    t.Apply->setText(t.Name->text());
}

void Form1::List_Click(int tabIndex) {
    TabAdapterCaption[static_cast<std::size_t>(tabIndex)] = selectedEntry(tab(tabIndex).Adapters);
}

void Form1::Check2_Click() {
    if (Check2->checkState() == Qt::Checked) {
        lock(Text48);
        lock(Text49);
        RememberedPrimaryDNS = Text48->text();
        RememberedSecondaryDNS = Text49->text();
        Text48->setText(Dhcp);
        Text49->setText(Dhcp);
    } else {
        unlock(Text48);
        unlock(Text49);
        forgetMarker(RememberedPrimaryDNS);
        forgetMarker(RememberedSecondaryDNS);
        Text48->setText(RememberedPrimaryDNS);
        Text49->setText(RememberedSecondaryDNS);
    }
}

void Form1::Check3_Click() {
    if (Check3->checkState() == Qt::Checked) {
        lock(Text50);
        RememberedPrimaryWINS = Text50->text();
        Text50->setText(Dhcp);
        lock(Text57);
        RememberedSecondaryWINS = Text57->text();
        Text57->setText(Dhcp);
    } else {
        unlock(Text50);
        forgetMarker(RememberedPrimaryWINS);
        Text50->setText(RememberedPrimaryWINS);
        unlock(Text57);
        forgetMarker(RememberedSecondaryWINS);
        Text57->setText(RememberedSecondaryWINS);
    }
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

void Form1::Command9_Click() { showMinimized(); }
void Form1::Picture10_Click() { showMinimized(); }

void Form1::Command10_Click() {
    Env.terminate();
}

void Form1::Picture9_Click() {
    Env.terminate();
}

void Form1::ShowHelp() {
    const QString title = QStringLiteral("Korvo Help");
    QString path = QDir(Env.programFolder).filePath(QStringLiteral("KorvoHelp.chm"));
    if (!QFileInfo::exists(path)) path = ownHelpPage(Env.programFolder);
    if (path.isEmpty()) {
        Env.exclamation(this, title,
                        QStringLiteral("The help file \"KorvoHelp.chm\" was not found in %1.")
                            .arg(QDir::toNativeSeparators(Env.programFolder)));
        return;
    }
    if (!Env.openDocument(path))
        Env.exclamation(this, title,
                        QStringLiteral("No program on this computer could open the help file %1.")
                            .arg(QDir::toNativeSeparators(path)));
}

void Form1::closeEvent(QCloseEvent* event) {
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

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SSTab2->tabBar() && event->type() == QEvent::FocusIn)
        SSTab2_GotFocus();
    return QWidget::eventFilter(watched, event);
}

} // namespace korvo
