// The terms acceptance window shown on the first start.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QTextEdit;
class QPushButton;

namespace korvo {

class Form1;

// The agreement shown in Form3's Text1: paragraphs separated by CR LF.
QString agreementText();

class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(Form1* mainWindow);

    // Loading the window hides the main window until the terms are accepted.
    void Form_Load();

    QTextEdit* Text1 = nullptr;
    QLabel *Label3 = nullptr, *Label4 = nullptr;
    QPushButton* Command1 = nullptr;
    QCheckBox *Check1 = nullptr, *Check2 = nullptr;

    void Check1_Click();
    void Check2_Click();
    void Label3_Click();
    void Label4_Click();
    void Command1_Click(); // "Continue"

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void accept();

    Form1* Main;
};

} // namespace korvo
