#include "ui/ApplyView.h"

#include "core/ApplyRun.h"
#include "core/ResultTexts.h"
#include "ui/Form4.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

namespace korvo {

ApplyView::ApplyView(QWidget& window, ApplyRun& run) : QObject(&window), Window(window), Run(run) {
    connect(&Run, &ApplyRun::outcome, this, &ApplyView::shown);
    connect(&Run, &ApplyRun::wayBackSettled, this, [this](const ApplyOutcome& shown) {
        if (Applying) Applying->ShowOutcome(shown);
    });
}

ApplyView::~ApplyView() {
    delete Applying;
}

Form4* ApplyView::window() const {
    return Applying;
}

bool ApplyView::waitingForOk() const {
    return !Run.running() && Applying && Applying->isVisible();
}

void ApplyView::prepare(QPushButton* startedBy) {
    if (startedBy) StartedBy = startedBy;
    if (!Applying) {
        Applying = new Form4(nullptr);
        Run.setOffering(true);
        connect(Applying, &Form4::dismissed, this, [this] {
            Window.setEnabled(true);
            Window.activateWindow();
            // The keyboard goes on where it was: on the button that started the apply.
            if (StartedBy)
                StartedBy->setFocus();
            else
                Window.setFocus();
        });
        connect(Applying, &Form4::keepChosen, this, [this] { Run.settleWayBack(true); });
        connect(Applying, &Form4::keepTimedOut, this, [this] { Run.settleWayBack(false); });
        // Deletion waits for the event loop; until then the closed window must not be reused.
        connect(Applying, &Form4::unloaded, this, [this] {
            Applying = nullptr;
            Run.setOffering(false);
        });
        // A window of its own, with its own taskbar entry. Wayland alone places a window without a
        // parent where it likes, behind the one just clicked among them: there it is made the main
        // window's transient, which elsewhere would make it an owned window (on Windows, one without a
        // taskbar entry, minimised with the main window).
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            Applying->winId();
            if (QWindow* own = Applying->windowHandle(); own && Window.windowHandle())
                own->setTransientParent(Window.windowHandle());
        }
    }
    Applying->ShowPrepared();
    Applying->show();
    Window.setEnabled(false);
    Applying->setEnabled(false);
}

void ApplyView::showWorking() {
    Applying->ShowWorking();
}

void ApplyView::shown(const ApplyOutcome& outcome, bool first, bool offersKeep) {
    if (!Applying || !(first || Applying->isVisible() || offersKeep)) return;
    ApplyOutcome told = outcome;
    if (told.PendingRollback) {
        const std::optional<std::chrono::seconds>& in = told.PendingRollback->in;
        const Reason pending{ReasonKind::PendingRollback,
                             {told.Values.AdapterCaption, QString::fromStdString(told.PendingRollback->name),
                              in ? QString::number(in->count()) : QString()}};
        told.Reasons.push_back(pending);
        if (first) emit warned(reasonText(pending));
    }
    if (!Applying->isVisible()) {
        // Dismissed before the gateway's answer came: the question needs the window again.
        Applying->show();
        Window.setEnabled(false);
    }
    Applying->ShowOutcome(told);
    if (offersKeep) Applying->OfferKeep(ApplyRun::KeepSeconds);
}

} // namespace korvo
