#include "ui/Form4.h"

#include "core/ResultTexts.h"
#include "ui/Artwork.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace korvo {

namespace {

constexpr int DesignWidth = 200;
constexpr int DesignHeight = 178;
constexpr int ClientWidth = 358;
constexpr int ClientHeight = 264;
constexpr QRect Picture3Design(0, 0, 353, 257);
constexpr QRect Label3Design(8, 8, 345, 185);
constexpr QRect Label4Design(144, 48, 201, 145);
constexpr QRect Command1Design(136, 216, 81, 33);
constexpr int Label1Width = 169;
constexpr int Label2Width = 201;
// Label4's first line stands level with this line of Label3; its own first line is empty.
constexpr int ValuesLevel = 3;

// QLabel breaks lines only at \n; the texts keep their lone CRs.
QString forDisplay(const QString& text) {
    QString shown = text;
    shown.replace(u'\r', u'\n');
    return shown;
}

QLabel* label(QWidget* parent, const char* name, const QRect& geometry, const QString& text = QString()) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

// Pale strokes: the picture lies behind the outcome text and must not drown it.
QPixmap drawPicture(const QColor& colour, bool tick) {
    QPixmap picture(DesignWidth, DesignHeight);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour, 26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    if (tick) {
        QPainterPath path;
        path.moveTo(30, 95);
        path.lineTo(80, 145);
        path.lineTo(172, 32);
        p.drawPath(path);
    } else {
        p.drawLine(40, 30, 160, 148);
        p.drawLine(160, 30, 40, 148);
    }
    return picture;
}

QIcon applyingIcon() {
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 110, 200));
    p.setPen(Qt::NoPen);
    p.drawEllipse(1, 1, 30, 30);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(9, 12, 23, 12);
    p.drawLine(19, 8, 23, 12);
    p.drawLine(9, 20, 23, 20);
    p.drawLine(9, 20, 13, 24);
    return QIcon(icon);
}

// The outcome for a screen reader: each value beside its name ("IP Address: 192.0.2.10"), which it
// would otherwise read as all the names and then all the values; no empty lines, and no heading,
// which is the window's title.
QString spokenOutcome(const ApplyOutcome& outcome) {
    QStringList lines{leadLine(outcome)};
    if (outcome.State != ApplyState::ServiceError && outcome.State != ApplyState::NotApplied) {
        lines << u'-' + shownCaption(outcome) + u'-';
        const QStringList names = fieldNames();
        for (std::size_t i = 0; i < outcome.InEffect.size(); ++i)
            lines << names[static_cast<qsizetype>(i)].trimmed() + QStringLiteral(": ") +
                         shownText(outcome.InEffect[i]);
    }
    for (const Reason& reason : outcome.Reasons)
        lines += reasonLines(reason);
    for (QString& line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    return lines.join(u'\n');
}

// A working text wider than its label widens the label instead of being cut.
void fitWidth(QLabel* label, int designWidth) {
    label->resize(std::max(designWidth, label->sizeHint().width()), label->height());
}

} // namespace

PictureBox::PictureBox(QWidget* parent, bool scaled) : QWidget(parent), Scaled(scaled) {}

void PictureBox::setPicture(const QPixmap& picture) {
    Picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (Picture.isNull()) return;
    QPainter p(this);
    if (Scaled) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), Picture);
    } else {
        // Behind the result texts: faint enough that every line stays readable.
        p.setOpacity(0.3);
        p.drawPixmap(0, 0, Picture);
    }
}

QPixmap Form4::tickPicture() {
    static const QPixmap picture = drawPicture(QColor(120, 200, 120), true);
    return picture;
}

QPixmap Form4::crossPicture() {
    static const QPixmap picture = drawPicture(QColor(230, 120, 120), false);
    return picture;
}

Form4::Form4(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Applying Configuration"));
    setWindowIcon(applyingIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    resize(ClientWidth, ClientHeight);

    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);
    // The main window's light page and ink. The window is disabled while it works;
    // its texts must stay readable, not greyed.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, art::PageTop);
    palette.setColor(QPalette::WindowText, art::Ink);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
    setPalette(palette);
    setAutoFillBackground(true);

    Picture3 = new PictureBox(this, false);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setGeometry(Picture3Design);
    Label3 = label(Picture3, "Label3", Label3Design);
    // A screen reader meets the window as a dialog and the outcome as an alert, spoken when it
    // appears: Qt's AT-SPI bridge passes on an alert's "showing", not the QAccessible::Alert event.
    art::setAccessibleRole(this, QAccessible::Dialog);
    art::setAccessibleRole(Label3, QAccessible::AlertMessage);
    Label4 = label(Picture3, "Label4", Label4Design);
    Label2 = label(Picture3, "Label2", QRect(80, 64, 201, 25), tr("Please wait a moment..."));
    QFont big = font;
    big.setPointSize(12);
    big.setBold(true);
    Label2->setFont(big);
    Label1 = label(Picture3, "Label1", QRect(88, 128, 169, 25), tr("This configuration is being applied."));

    Picture1 = new PictureBox(this, true);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(0, 160, 81, 97);
    Picture1->setPicture(tickPicture());
    Picture1->hide();
    Picture2 = new PictureBox(this, true);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(80, 168, 129, 89);
    Picture2->setPicture(crossPicture());
    Picture2->hide();

    Command1 = new PictureButton(PictureButton::Face::Primary, tr("Ok"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Command1Design);
    Command1->raise();
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);

    Label5 = label(this, "Label5", QRect());
    Label5->setWordWrap(true);
    Label5->hide();
    Command2 = new PictureButton(PictureButton::Face::Primary, tr("Keep these settings"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->hide();
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    KeepTimer = new QTimer(this);
    KeepTimer->setObjectName(QStringLiteral("KeepTimer"));
    KeepTimer->setInterval(1000);
    connect(KeepTimer, &QTimer::timeout, this, &Form4::KeepTimer_Timeout);
}

void Form4::ShowPrepared() {
    Label3->clear();
    Label4->clear();
    Command1->hide();
    setAccessibleDescription(QString());
}

void Form4::ShowWorking() {
    // A long report of an earlier apply grew the window; this one starts from the design again.
    placeControls(0, 0);
    Picture3->setPicture(QPixmap());
    setWindowTitle(tr("Applying Configuration"));
    Label2->setText(tr("Please wait a moment..."));
    fitWidth(Label2, Label2Width);
    Label2->show();
    Label1->setText(tr("This configuration is being applied."));
    fitWidth(Label1, Label1Width);
    Label1->show();
    // Empty until the outcome: it appears with it, which is what a screen reader announces.
    Label3->hide();
    setAccessibleDescription(Label2->text() + u'\n' + Label1->text());
}

void Form4::ShowOutcome(const ApplyOutcome& outcome) {
    endKeepOffer();
    Shown = outcome;
    const QString values = resultValues(outcome);
    const QString caption = heading(outcome);
    const QString text = resultText(outcome);
    Label2->hide();
    Label1->hide();
    switch (outcome.State) {
    case ApplyState::Applied:
        Label2->clear();
        Label1->clear();
        showOutcome(caption, text, &values, Picture1->picture());
        break;
    case ApplyState::Invalid:
    case ApplyState::Refused:
        // Refused: the address is applied but the service refused other settings: the values and the
        // refusals.
        showOutcome(caption, text, &values, Picture2->picture());
        break;
    case ApplyState::ServiceError:
    case ApplyState::NotApplied:
        Label4->clear();
        Label4->hide();
        showOutcome(caption, text, nullptr, Picture2->picture());
        break;
    }
}

void Form4::placeControls(int extraWidth, int extraHeight) {
    Picture3->setGeometry(Picture3Design.adjusted(0, 0, extraWidth, extraHeight));
    Label3->setGeometry(Label3Design);
    Label4->setGeometry(Label4Design);
    Command1->setGeometry(Command1Design.translated(extraWidth / 2, extraHeight));
    resize(ClientWidth + extraWidth, ClientHeight + extraHeight);
}

void Form4::showOutcome(const QString& caption, const QString& resultText, const QString* resultValues,
                        const QPixmap& picture) {
    setWindowTitle(caption);
    placeControls(0, 0);
    Label3->setText(forDisplay(resultText));
    // Labels never wrap the name and value lines: a wrapped line would move every name below it away
    // from its value. Without values beside it, a long reason may wrap.
    Label3->setWordWrap(!resultValues);
    QSize text = resultValues ? Label3->sizeHint()
                              : QSize(Label3Design.width(), Label3->heightForWidth(Label3Design.width()));
    QRect used = Label3->geometry();
    used.setSize(text.expandedTo(Label3Design.size()));
    Label3->setGeometry(used);
    if (resultValues) {
        // The values start one line above the first name and stand level with the names.
        Label4->setText(forDisplay(*resultValues));
        const QRect values(
            QPoint(Label4->x(), Label3->y() + ValuesLevel * QFontMetrics(Label3->font()).lineSpacing()),
            Label4->sizeHint().expandedTo(Label4Design.size()));
        Label4->setGeometry(values);
        Label4->show();
        used |= values;
    }
    // Set before it shows: the announcement reads it.
    const QString spoken = spokenOutcome(Shown);
    Label3->setAccessibleName(spoken);
    setAccessibleDescription(spoken);
    QAccessibleEvent titleChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&titleChanged);
    Label3->show();
    // Every line must be readable: a longer text grows the window, and the button moves with it.
    const QRect design = Label3Design | Label4Design;
    const int extraWidth = std::max(0, used.right() - design.right());
    const int extraHeight = std::max(0, used.bottom() - design.bottom());
    const QRect label3 = Label3->geometry();
    const QRect label4 = Label4->geometry();
    placeControls(extraWidth, extraHeight);
    Label3->setGeometry(label3);
    Label4->setGeometry(label4);
    Picture3->setPicture(picture);
    setEnabled(true);
    Command1->show();
    // The keyboard can dismiss the outcome at once.
    Command1->setFocus();
}

void Form4::OfferKeep(int seconds) {
    KeepSecondsLeft = seconds;
    Command1->hide();
    // Under the outcome, across the window; the window grows by what it needs.
    const int top = Command1->y();
    Label5->setGeometry(8, top, width() - 16, 0);
    showCountdown();
    Label5->show();
    const int buttonWidth = std::max(Command1Design.width(), Command2->sizeHint().width());
    Command2->setGeometry((width() - buttonWidth) / 2, Label5->geometry().bottom() + 9, buttonWidth,
                          Command1Design.height());
    resize(width(), Command2->geometry().bottom() + 1 + (ClientHeight - Command1Design.bottom() - 1));
    Picture3->resize(Picture3->width(), height() - (ClientHeight - Picture3Design.height()));
    Command2->show();
    Command2->raise();
    Command2->setFocus();
    KeepTimer->start();
}

bool Form4::offeringKeep() const {
    return KeepTimer->isActive();
}

void Form4::showCountdown() {
    Label5->setText(tr("The gateway answered before the change and does not answer now. Unless you keep "
                       "these settings, the previous ones come back in %1 s.")
                        .arg(KeepSecondsLeft));
    Label5->resize(Label5->width(), Label5->heightForWidth(Label5->width()));
    Label5->setAccessibleName(Label5->text());
}

void Form4::KeepTimer_Timeout() {
    if (--KeepSecondsLeft > 0) {
        showCountdown();
        return;
    }
    endKeepOffer();
    setEnabled(false); // until the previous settings are back and said
    emit keepTimedOut();
}

void Form4::Command2_Click() {
    if (!offeringKeep()) return;
    endKeepOffer();
    setEnabled(false);
    emit keepChosen();
}

void Form4::endKeepOffer() {
    KeepTimer->stop();
    Label5->hide();
    Command2->hide();
}

void Form4::Command1_Click() {
    hide();
    emit dismissed();
}

// Once "Ok" is shown, Return, Enter and Escape dismiss the outcome wherever the focus is, as they
// close a message box. During the countdown only the keep button's own keys answer: leaving the
// window is no answer.
void Form4::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) && isEnabled() &&
        !Command1->isHidden() && !offeringKeep()) {
        event->accept();
        if (!event->isAutoRepeat()) Command1_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form4::closeEvent(QCloseEvent* event) {
    // A disabled window takes no clicks, its close box included; nor does it go while it asks
    // whether to keep the settings: the answer, or its time, decides.
    if (!isEnabled() || offeringKeep()) {
        event->ignore();
        return;
    }
    emit dismissed();
    emit unloaded();
    event->accept();
}

} // namespace korvo
