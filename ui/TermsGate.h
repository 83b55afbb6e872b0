// The terms window in front of the main window: while it asks, the main window stays hidden;
// accepting sets the book's flag, has the settings saved and shows the main window; declining
// ends the program.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace korvo {

class Form3;
class ProfileBook;

class TermsGate : public QObject {
    Q_OBJECT

public:
    TermsGate(ProfileBook& book, QWidget& window, std::function<void()> terminate);
    // The terms window is a top-level window without an owner; it goes with the main window.
    ~TermsGate() override;

    // The terms window once opened.
    Form3* window() const { return Terms; }
    // Hides the main window and shows the terms window centred on the screen.
    void OpenTermsWindow();

signals:
    // The terms were accepted, the flag is set: the settings are saved next.
    void accepted();
    // And the main window is shown again.
    void released();

private:
    void TermsAccepted();
    void TermsDeclined();

    ProfileBook& Book;
    QWidget& Window;
    std::function<void()> Terminate;
    QPointer<Form3> Terms;
};

} // namespace korvo
