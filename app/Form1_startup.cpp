#include "app/Form1.h"

#include "terms/Form3.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace korvo {

// Each step that fails is passed over silently; only the settings file's
// corrupt-file message can appear during start-up.
void Form1::Form_Load() {
    try {
        EnumerateAdapters();
    } catch (...) {
    }

    LoadOutcome outcome = LoadOutcome::Rejected;
    try {
        outcome = LoadSettings();
    } catch (...) {
    }
    if (outcome == LoadOutcome::Missing) {
        try {
            OpenTermsWindow();
        } catch (...) {
        }
    }

    for (int t = 0; t < DhcpTab; ++t)
        tab(t).Apply->setText(tab(t).Name->text());
}

void Form1::Start() {
    Form_Load();
    // The terms window keeps the main window hidden until the user accepts.
    if (!Terms || !Terms->isVisible()) {
        show();
        // Showing posts update and polish requests to every control, and the
        // buttons' polish asks for a new layout, which climbs one control per
        // round up to the tab controls. Handled after the first paint, they
        // would paint the whole window a second time; handled now, they merge
        // into the first.
        for (int round = 0; round < 8; ++round)
            for (const QEvent::Type type :
                 {QEvent::PolishRequest, QEvent::LayoutRequest, QEvent::UpdateLater})
                QCoreApplication::sendPostedEvents(nullptr, type);
    }
}

} // namespace korvo
