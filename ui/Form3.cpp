#include "ui/Form3.h"

#include "ui/Artwork.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace korvo {

namespace {

constexpr int ClientWidth = 667;
constexpr int ClientHeight = 300;

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* sentence(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = named(new QLabel(text, parent), name);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

// Top-level without an owner: it has a taskbar entry while the main window is hidden.
Form3::Form3() : QWidget(nullptr) {
    setObjectName(QStringLiteral("Form3"));
    art::setAccessibleRole(this, QAccessible::Dialog);
    setWindowTitle(tr("Korvo EULA"));
    resize(ClientWidth, ClientHeight);
    // The same light page and ink as the main window's pages.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, art::PageTop);
    colours.setColor(QPalette::WindowText, art::Ink);
    setPalette(colours);
    setAutoFillBackground(true);

    Text1 = named(new QTextEdit(this), "Text1");
    Text1->setGeometry(48, 24, 521, 105);
    Text1->setAcceptRichText(false);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setTabChangesFocus(true);
    Text1->setPlainText(agreementText());
    // A little air between the paragraphs; the text itself stays as it is.
    QTextCursor cursor(Text1->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat spaced;
    spaced.setBottomMargin(6);
    cursor.mergeBlockFormat(spaced);
    Text1->moveCursor(QTextCursor::Start);
    Text1->document()->setModified(false);

    Label3 = sentence(this, "Label3",
                      tr("I have read, understood and fully accept all of the terms and conditions in "
                         "this End User Licence Agreement."),
                      QRect(96, 176, 537, 25));
    Label4 = sentence(this, "Label4", tr("I do not wish to use this utility and would like to exit now."),
                      QRect(96, 200, 497, 17));
    // The accept sentence takes two lines in a label 25 pixels high. Both sentences in one size: 11
    // pixels, or smaller where one would not fit whole (a longer language, another font).
    QFont small = Label3->font();
    for (int pixels = 11; pixels >= 8; --pixels) {
        small.setPixelSize(pixels);
        Label3->setFont(small);
        Label4->setFont(small);
        if (Label3->heightForWidth(Label3->width()) <= Label3->height() &&
            Label4->heightForWidth(Label4->width()) <= Label4->height())
            break;
    }
    Label3->installEventFilter(this);
    Label4->installEventFilter(this);

    Command1 = named(new PictureButton(PictureButton::Face::Primary, tr("Continue"), this), "Command1");
    Command1->setGeometry(272, 248, 89, 33);
    Check1 = named(new QCheckBox(this), "Check1");
    Check1->setGeometry(72, 168, 17, 25);
    Check2 = named(new QCheckBox(this), "Check2");
    Check2->setGeometry(72, 200, 17, 17);
    Check1->setAccessibleName(Label3->text());
    Check2->setAccessibleName(Label4->text());

    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Check1);
    setTabOrder(Check1, Check2);
    Text1->setFocus();

    // toggled, not clicked: a change made by the program runs the same reaction.
    connect(Check1, &QCheckBox::toggled, this, &Form3::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &Form3::Check2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
}

void Form3::Check1_Click() {
    if (Check1->isChecked()) Check2->setChecked(false);
}

void Form3::Check2_Click() {
    if (Check2->isChecked()) Check1->setChecked(false);
}

void Form3::Label3_Click() {
    Check1->setChecked(true);
    Check2->setChecked(false);
}

void Form3::Label4_Click() {
    Check2->setChecked(true);
    Check1->setChecked(false);
}

void Form3::Command1_Click() {
    if (Check2->isChecked()) {
        emit declined();
        return;
    }
    if (Check1->isChecked()) {
        emit accepted();
        hide();
    }
}

void Form3::closeEvent(QCloseEvent* event) {
    event->ignore(); // the process ends instead
    emit declined();
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Label3)
            Label3_Click();
        else if (watched == Label4)
            Label4_Click();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korvo
