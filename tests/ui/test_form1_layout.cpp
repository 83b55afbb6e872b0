// The main window as it stands before any settings are loaded: texts, states,
// keyboard order and the help key; and every window readable in every language.
#include "core/Applier.h"
#include "core/ResultTexts.h"
#include "tests/support/TestEnvironment.h"
#include "ui/Artwork.h"
#include "ui/Form1.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/Translations.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace korvo;
using namespace korvo::testing;

namespace {

// The control that owns the focus: a tab control's tab strip counts as the control.
QString focusOwner() {
    static const QRegularExpression control(
        QStringLiteral("^(SSTab|Command|Text|List|Check|MoreAddresses)\\d+$|^Set(List|Actions)$"));
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (control.match(w->objectName()).hasMatch()) return w->objectName();
    return QStringLiteral("(none)");
}

// What a user cannot read in `window` as it is shown now: every visible label, button and tab caption
// whose text needs more room than its control has, or whose control its parent cuts off. Wrapped labels
// must show every line; painted buttons must show their caption at their own font (no ellipsis).
QStringList clipped(const QWidget& window) {
    QStringList found;
    const auto complain = [&found](const QWidget* w, const QString& text, QSize need, QSize has) {
        found << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                     .arg(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                    : w->objectName(),
                          text)
                     .arg(need.width())
                     .arg(need.height())
                     .arg(has.width())
                     .arg(has.height());
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (w->parentWidget() && !w->parentWidget()->rect().contains(w->geometry()))
            complain(w, QStringLiteral("(cut off by its parent)"),
                     QSize(w->geometry().right() + 1, w->geometry().bottom() + 1), w->parentWidget()->size());
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
            const QSize need = label->wordWrap()
                                   ? QSize(label->width(), label->heightForWidth(label->width()))
                                   : label->sizeHint();
            if (need.width() > label->width() || need.height() > label->height())
                complain(label, label->text(), need, label->size());
        } else if (const auto* button = qobject_cast<const PictureButton*>(w)) {
            if (button->shownCaption().text != button->text())
                complain(button, button->text(),
                         QSize(QFontMetrics(button->font()).horizontalAdvance(button->text()), 0),
                         button->size());
        } else if (const auto* box = qobject_cast<const QAbstractButton*>(w); box && !box->text().isEmpty()) {
            if (box->sizeHint().width() > box->width() || box->sizeHint().height() > box->height())
                complain(box, box->text(), box->sizeHint(), box->size());
        } else if (const auto* bar = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < bar->count(); ++i) {
                // The painted face leaves a margin of 2 each side (10 left of the first page tab).
                const QRect face = bar->tabRect(i).adjusted(i == 0 ? 10 : 2, 0, -2, 0);
                const QSize need(QFontMetrics(bar->font()).horizontalAdvance(bar->tabText(i)) + 8,
                                 QFontMetrics(bar->font()).height());
                if (need.width() > face.width() || need.height() > face.height() ||
                    !bar->rect().contains(face))
                    complain(bar, bar->tabText(i), need, face.size());
            }
        }
    }
    // Each value stands beside its name: level with it (the values start one line above the first
    // name), and the names column ends before the values column begins.
    if (const auto* names = window.findChild<QLabel*>(QStringLiteral("Label3"));
        names && window.objectName() == QLatin1String("Form4")) {
        const auto* values = window.findChild<QLabel*>(QStringLiteral("Label4"));
        int widest = 0;
        for (const QString& name : fieldNames())
            widest = std::max(widest, QFontMetrics(names->font()).horizontalAdvance(name));
        const int line = QFontMetrics(names->font()).lineSpacing();
        if (!values->text().isEmpty() && values->y() + line != names->y() + 4 * line)
            complain(values, QStringLiteral("(values not level with their names)"),
                     QSize(0, names->y() + 3 * line), QSize(0, values->y()));
        if (!values->text().isEmpty() && names->x() + widest >= values->x())
            complain(values, QStringLiteral("(values overlap their names)"), QSize(names->x() + widest, 0),
                     QSize(values->x(), 0));
    }
    return found;
}

} // namespace

class TestForm1Layout : public QObject {
    Q_OBJECT
private slots:
    void window() {
        testing::TestEnvironment env;
        Form1 form(env.make());
        QCOMPARE(form.windowTitle(), QStringLiteral("Korvo  Version 2.0"));
        QCOMPARE(form.size(), QSize(745, 399));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::Tool)); // keeps its taskbar entry

        QCOMPARE(control<QTabWidget>(form, "SSTab1")->currentIndex(), 0);
        QCOMPARE(control<QTabWidget>(form, "SSTab1")->tabText(0), QStringLiteral("Main"));
        QCOMPARE(control<QTabWidget>(form, "SSTab1")->tabText(1), QStringLiteral("Settings"));
        const QStringList tabs = {"Profile 1", "Profile 2", "Profile 3", "Profile 4",
                                  "Profile 5", "Profile 6", "DHCP"};
        QCOMPARE(control<QTabWidget>(form, "SSTab2")->count(), tabs.size());
        for (int i = 0; i < tabs.size(); ++i) {
            QCOMPARE(control<QTabWidget>(form, "SSTab2")->tabText(i), tabs[i]);
            QVERIFY(control<QTabWidget>(form, "SSTab2")->isTabEnabled(i));
        }
        QCOMPARE(control<QTabWidget>(form, "SSTab2")->currentIndex(), 0);

        for (int t = 0; t < TabCount; ++t) {
            QCOMPARE(tabControls(form, t).Apply->text(),
                     t == DhcpTab ? QStringLiteral("DHCP") : QStringLiteral("Change"));
            QCOMPARE(tabControls(form, t).Apply->toolTip(),
                     QStringLiteral("Click this button to use these settings"));
            QCOMPARE(tabControls(form, t).Adapters->count(), 0);
            QCOMPARE(tabControls(form, t).Adapters->selectionMode(), QAbstractItemView::SingleSelection);
            if (t != DhcpTab)
                QCOMPARE(tabControls(form, t).Name->maxLength(), 32767); // a long loaded name stays whole
        }
        QCOMPARE(control<QPushButton>(form, "Command7")->text(), QStringLiteral("Save Settings"));
        QCOMPARE(control<QPushButton>(form, "Command9")->text(), QStringLiteral("Minimise"));
        QCOMPARE(control<QPushButton>(form, "Command10")->text(), QStringLiteral("Exit"));
        QVERIFY(!control<QCheckBox>(form, "Check1")->isChecked());
        QVERIFY(!control<QCheckBox>(form, "Check1")->isVisibleTo(&form));
        QCOMPARE(control<QCheckBox>(form, "Check1")->focusPolicy(), Qt::NoFocus);
        QVERIFY(control<QCheckBox>(form, "Check2")->isChecked() &&
                control<QCheckBox>(form, "Check3")->isChecked());
    }

    // Text, enabled, read-only of every address, name and DHCP box before loading.
    void initialBoxes() {
        struct Box {
            int number;
            const char* text;
            bool locked = false; // disabled and read-only
        };
        QList<Box> boxes = {{1, "192.168.1.10"}, {2, "255.255.255.0"}, {3, "192.168.1.1"},
                            {27, "192.168.1.1"}, {19, "Network 1"},    {57, "DHCP"}};
        for (int n : {28, 29, 51, 4, 5, 6, 30, 31, 32, 52, 18, 44, 56})
            boxes.append({n, ""});
        for (int n = 20; n <= 24; ++n)
            boxes.append({n, "-"});
        for (int n = 45; n <= 50; ++n)
            boxes.append({n, "DHCP", true});
        testing::TestEnvironment env;
        Form1 form(env.make());
        for (const Box& b : boxes) {
            const QByteArray name = "Text" + QByteArray::number(b.number);
            auto* box = control<QLineEdit>(form, name.constData());
            QCOMPARE(box->text(), QString::fromUtf8(b.text));
            QVERIFY2(box->isEnabled() != b.locked && box->isReadOnly() == b.locked, name.constData());
        }
    }

    void keyboardOrder_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("profileTab");
        QTest::addColumn<bool>("clearDhcpBoxes");
        QTest::addColumn<QStringList>("stops");
        const QStringList bottom = {"Command9", "Command10"};
        QTest::newRow("Main") << 0 << 0 << false
                              << (QStringList{"SSTab1", "Command1", "Command2", "Command3", "Command4",
                                              "Command5", "Command6", "Command8"} +
                                  bottom + QStringList{"SSTab1"});
        QTest::newRow("Profile 1") << 1 << 0 << false
                                   << (QStringList{"SSTab1", "SSTab2"} + bottom +
                                       QStringList{"Text1", "Text2", "Text3", "Text27", "Text28", "Text29",
                                                   "Text51", "List1", "Text19", "MoreAddresses1", "Command7",
                                                   "SetList", "SetActions", "SSTab1"});
        QTest::newRow("Profile 4") << 1 << 3 << false
                                   << (QStringList{"SSTab1", "SSTab2"} + bottom +
                                       QStringList{"Text10", "Text11", "Text12", "Text36", "Text37", "Text38",
                                                   "Text54", "List4", "Text22", "MoreAddresses4", "Command7",
                                                   "SetList", "SetActions", "SSTab1"});
        QTest::newRow("DHCP at start")
            << 1 << 6 << false
            << (QStringList{"SSTab1", "SSTab2"} + bottom +
                QStringList{"Check2", "Check3", "Text57", "List7", "MoreAddresses7", "Command7", "SetList",
                            "SetActions", "SSTab1"});
        QTest::newRow("DHCP, both cleared")
            << 1 << 6 << true
            << (QStringList{"SSTab1", "SSTab2"} + bottom +
                QStringList{"Check2", "Check3", "Text48", "Text49", "Text50", "Text57", "List7",
                            "MoreAddresses7", "Command7", "SetList", "SetActions", "SSTab1"});
    }
    void keyboardOrder() {
        QFETCH(int, page);
        QFETCH(int, profileTab);
        QFETCH(bool, clearDhcpBoxes);
        QFETCH(QStringList, stops);
        testing::TestEnvironment env;
        Form1 form(env.make());
        control<QTabWidget>(form, "SSTab1")->setCurrentIndex(page);
        control<QTabWidget>(form, "SSTab2")->setCurrentIndex(profileTab);
        if (clearDhcpBoxes) {
            control<QCheckBox>(form, "Check2")->setChecked(false);
            control<QCheckBox>(form, "Check3")->setChecked(false);
        }
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        control<QTabWidget>(form, "SSTab1")->setFocus(Qt::TabFocusReason);

        QStringList visited = {focusOwner()};
        for (qsizetype i = 1; i < stops.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focusOwner();
        }
        QCOMPARE(visited, stops);
    }

    void helpKey_data() {
        QTest::addColumn<QString>("present"); // files in the program folder
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("messageContains");
        QTest::newRow("opens") << "KorvoHelp.chm help/index.html" << true << "KorvoHelp.chm" << QString();
        QTest::newRow("own page") << "help/index.html" << true << "help/index.html" << QString();
        QTest::newRow("file missing") << "" << true << ""
                                      << "KorvoHelp.chm";
        QTest::newRow("no viewer") << "KorvoHelp.chm" << false << "KorvoHelp.chm"
                                   << "KorvoHelp.chm";
    }
    void helpKey() {
        QFETCH(QString, present);
        QFETCH(bool, opens);
        QFETCH(QString, opened);
        QFETCH(QString, messageContains);
        testing::TestEnvironment env;
        env.documentOpens = opens;
        const QDir folder(env.folder.path());
        for (const QString& name : present.split(u' ', Qt::SkipEmptyParts)) {
            QVERIFY(folder.mkpath(QFileInfo(name).path()));
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        Form1 form(env.make());
        control<QTabWidget>(form, "SSTab1")->setCurrentIndex(1);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        control<QLineEdit>(form, "Text19")->setFocus();
        QTest::keyClick(control<QLineEdit>(form, "Text19"), Qt::Key_F1); // a box with the focus passes F1 on

        QCOMPARE(env.openedDocuments,
                 opened.isEmpty() ? QStringList() : QStringList{folder.filePath(opened)});
        if (messageContains.isEmpty()) {
            QVERIFY(env.messages.isEmpty());
        } else {
            QCOMPARE(env.messages.size(), 1);
            QVERIFY2(env.messages.first().contains(messageContains), qPrintable(env.messages.first()));
        }
    }

    // Every caption, sentence and applying-window line is whole in each language, at 100 % and (the
    // test run again with QT_SCALE_FACTOR=2) at 200 %. English is the texts' own language ("C").
    void readableInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const char* language : {"C", "de", "fr", "es"})
            for (const char* window : {"Form1", "Form3", "Form4 working", "Form4 applied", "Form4 invalid",
                                       "Form4 service error", "Form4 refused"})
                QTest::addRow("%s %s", language, window) << QString::fromLatin1(language) << window;
    }
    void readableInEveryLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, window);
        Translations translations;
        const QString installed = translations.install({language});
        QCOMPARE(installed.isEmpty(), language == QLatin1String("C"));
        QStringList unreadable;
        const auto look = [&unreadable](const QWidget& w, const QString& where) {
            for (const QString& problem : clipped(w))
                unreadable << where + QStringLiteral(": ") + problem;
        };
        testing::TestEnvironment env;
        if (window == QLatin1String("Form1")) {
            Form1 form(env.make());
            form.show();
            look(form, QStringLiteral("Main"));
            control<QTabWidget>(form, "SSTab1")->setCurrentIndex(1);
            for (int t = 0; t < TabCount; ++t) {
                control<QTabWidget>(form, "SSTab2")->setCurrentIndex(t);
                look(form, control<QTabWidget>(form, "SSTab2")->tabText(t));
            }
        } else if (window == QLatin1String("Form3")) {
            Form3 terms;
            terms.show();
            look(terms, QStringLiteral("terms"));
        } else {
            // The longest reports: every address invalid; a refused setting with its reason.
            env.service->adapters.push_back({"Wired connection 1",
                                             {{"EnableStatic", window.endsWith("error") ? 70 : 0},
                                              {"SetGateways", window.endsWith("refused") ? 91 : 0}},
                                             {}});
            const QStringList boxes =
                window.endsWith("invalid")
                    ? QStringList{"x", "x", "x", "x", "x", "x", "x"}
                    : QStringList{"192.0.2.10", "255.255.255.0", "192.0.2.1", "198.51.100.1",
                                  "",           "203.0.113.5",   ""};
            Profile typed{boxes[0], boxes[1], boxes[2],
                          boxes[3], boxes[4], boxes[5],
                          boxes[6], {},       QStringLiteral("Wired connection 1")};
            Form4 applying;
            applying.show();
            applying.ShowPrepared();
            applying.ShowWorking();
            if (!window.endsWith("working"))
                applying.ShowOutcome(Applier(env.make().connector).SetInterface(typed, ApplyMode::Static));
            QCOMPARE(applying.windowTitle().isEmpty(), false);
            look(applying, window);
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(u'\n')));
    }
};

QTEST_MAIN(TestForm1Layout)
#include "test_form1_layout.moc"
