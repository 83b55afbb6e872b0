#include "ui/TermsGate.h"

#include "core/ProfileBook.h"
#include "ui/Form3.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <utility>

namespace korvo {

TermsGate::TermsGate(ProfileBook& book, QWidget& window, std::function<void()> terminate)
    : Book(book), Window(window), Terminate(std::move(terminate)) {}

TermsGate::~TermsGate() {
    delete Terms;
}

void TermsGate::OpenTermsWindow() {
    if (!Terms) {
        Terms = new Form3;
        connect(Terms, &Form3::accepted, this, &TermsGate::TermsAccepted);
        connect(Terms, &Form3::declined, this, &TermsGate::TermsDeclined);
    }
    Window.hide();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        Terms->move(screen->availableGeometry().center() - Terms->rect().center());
    Terms->show();
}

void TermsGate::TermsAccepted() {
    Book.setTermsAccepted(true);
    emit accepted();
    Window.setEnabled(true);
    Window.show();
    Window.raise();
    Window.activateWindow();
    Window.setFocus();
    emit released();
}

void TermsGate::TermsDeclined() {
    Book.setTermsAccepted(false);
    Terminate();
}

} // namespace korvo
