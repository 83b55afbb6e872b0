// The applying window: shows that a configuration is being applied, then its outcome.
#pragma once

#include "core/ApplyOutcome.h"

#include <QPixmap>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace korvo {

// A picture box: draws its picture at the top-left corner, or scaled into the box.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent, bool scaled);
    const QPixmap& picture() const { return Picture; }
    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap Picture;
    bool Scaled;
};

class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    // The states an apply goes through: prepared by the command, working, then the outcome.
    void ShowPrepared();
    void ShowWorking();
    void ShowOutcome(const ApplyOutcome& outcome);
    // The outcome shown last.
    const ApplyOutcome& outcome() const { return Shown; }
    // Under the outcome shown, a change that cut the adapter off from its gateway: "Keep these
    // settings" with a countdown of `seconds` in place of "Ok"; the window stays until one of the two
    // signals below has been sent and another outcome is shown.
    void OfferKeep(int seconds);
    bool offeringKeep() const;

    // The project's own pictures, 200 x 178.
    static QPixmap tickPicture();
    static QPixmap crossPicture();

signals:
    // "Ok" or the close box: the main window takes over again.
    void dismissed();
    // The close box: the window goes away for good; the next apply makes a new one.
    void unloaded();
    // "Keep these settings" pressed in time.
    void keepChosen();
    // The countdown ran out: the previous settings are due back.
    void keepTimedOut();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void KeepTimer_Timeout();
    void showCountdown();
    void endKeepOffer();
    // The design's places, with the panel, the window and the button moved by what a long text needs.
    void placeControls(int extraWidth, int extraHeight);
    void showOutcome(const QString& caption, const QString& resultText, const QString* resultValues,
                     const QPixmap& picture);

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr; // "Keep these settings"
    QLabel* Label5 = nullptr;        // the countdown
    QTimer* KeepTimer = nullptr;
    int KeepSecondsLeft = 0;
    PictureBox* Picture3 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    PictureBox *Picture1 = nullptr, *Picture2 = nullptr;
    ApplyOutcome Shown;
};

} // namespace korvo
