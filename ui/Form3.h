// The terms acceptance window shown on the first start.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QTextEdit;
class QPushButton;

namespace korvo {

// The agreement shown in Form3's Text1: paragraphs separated by CR LF.
QString agreementText();

// Knows nothing of the main window: whoever opens it acts on its answer.
class Form3 : public QWidget {
    Q_OBJECT
public:
    Form3();

signals:
    // "Continue" with the accept box ticked; the window has hidden itself.
    void accepted();
    // "Continue" with the decline box ticked, or the close box: the program ends.
    void declined();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Check1_Click();
    void Check2_Click();
    void Label3_Click();
    void Label4_Click();
    void Command1_Click(); // "Continue"

    QTextEdit* Text1 = nullptr;
    QLabel *Label3 = nullptr, *Label4 = nullptr;
    QPushButton* Command1 = nullptr;
    QCheckBox *Check1 = nullptr, *Check2 = nullptr;
};

} // namespace korvo
