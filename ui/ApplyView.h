// An apply run as the user sees it: the applying window (Form4) for each apply, with its outcome and
// the question whether to keep a change that cut the adapter off, the main window held disabled
// meanwhile and the keyboard given back to the button that started it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QPushButton;
class QWidget;

namespace korvo {

struct ApplyOutcome;
class ApplyRun;
class Form4;

class ApplyView : public QObject {
    Q_OBJECT

public:
    ApplyView(QWidget& window, ApplyRun& run);
    // The applying window is a top-level window without an owner; it goes with the main window.
    ~ApplyView() override;

    // The applying window, made by the first apply and until it is closed.
    Form4* window() const;
    // An outcome shown and waiting for "Ok" (the window perhaps minimised).
    bool waitingForOk() const;
    // Shows the applying window prepared and holds the main window back; `startedBy` (unless null)
    // gets the keyboard back when it is dismissed.
    void prepare(QPushButton* startedBy);
    void showWorking();

signals:
    // A pending rollback will undo the change just made: said where the desktop tells it.
    void warned(const QString& warning);

private:
    void shown(const ApplyOutcome& outcome, bool first, bool offersKeep);

    QWidget& Window;
    ApplyRun& Run;
    QPointer<Form4> Applying;
    QPointer<QPushButton> StartedBy;
};

} // namespace korvo
