#include "ui/StartUp.h"

#include "core/AdapterChoices.h"
#include "core/ProfileBook.h"
#include "core/SettingsLines.h"
#include "platform/NetConfigService.h"
#include "ui/AdapterStates.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <exception>
#include <utility>

namespace korvo {

StartUp::StartUp(const Environment& env, ProfileBook& book, AdapterChoices& choices, AdapterStates& states,
                 QWidget& window)
    : Env(env), Book(book), Choices(choices), States(states), Window(window) {
    // An adapter plugged in later joins every list after those listed before it; none moves.
    connect(&States, &AdapterStates::listed, this, [this](const QStringList& captions) {
        if (pending()) return; // the start-up listing will have it
        for (const QString& caption : captions)
            Choices.add(caption);
    });
}

StartUp::~StartUp() {
    if (PendingCommand) QGuiApplication::restoreOverrideCursor();
}

void StartUp::showInOnePaint() {
    Window.show();
    // Showing posts update and polish requests to every control, and the buttons' polish asks for a
    // new layout, which climbs one control per round up to the tab controls. Handled after the first
    // paint, they would paint the whole window a second time; handled now, they merge into the first.
    for (int round = 0; round < 8; ++round)
        for (const QEvent::Type type : {QEvent::PolishRequest, QEvent::LayoutRequest, QEvent::UpdateLater})
            QCoreApplication::sendPostedEvents(nullptr, type);
}

void StartUp::firstPaint() {
    if (!ListAfterFirstPaint) return;
    ListAfterFirstPaint = false;
    ListingAsked = true; // buttons wait from now on
    QMetaObject::invokeMethod(this, &StartUp::EnumerateAdapters, Qt::QueuedConnection);
}

bool StartUp::load() {
    if (!ListAfterFirstPaint) {
        try {
            EnumerateAdapters();
        } catch (...) {
        }
    }
    LoadOutcome outcome = LoadOutcome::Rejected;
    try {
        outcome = LoadSettings();
    } catch (...) {
    }
    // A file that says the terms were not accepted (or says nothing readable about them) asks as
    // a first start does, so the window and the command line agree; its values stay loaded.
    return outcome == LoadOutcome::Missing || (outcome == LoadOutcome::Applied && !Book.termsAccepted());
}

bool StartUp::holdPress(int tabIndex) {
    if (!pending()) return false;
    if (!PendingCommand) {
        PendingCommand = tabIndex;
        // The press is taken; a service slow to answer must not look like a dead button.
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    }
    return true;
}

void StartUp::EnumerateAdapters() {
    ListAfterFirstPaint = false;
    ListingAsked = true;
    try {
        if (Env.connector) {
            const QPointer<StartUp> self(this);
            Env.connector->listAdapters([self](std::vector<std::unique_ptr<platform::Adapter>> adapters) {
                if (self) self->AdaptersListed(std::move(adapters));
            });
            return;
        }
    } catch (const std::exception&) {
        if (!ListingAsked) return; // answered before the failure
    }
    AdaptersListed({});
}

// No adapters also when the service could not be asked: no lists, no message.
void StartUp::AdaptersListed(std::vector<std::unique_ptr<platform::Adapter>> adapters) {
    ListingAsked = false;
    QStringList captions;
    std::vector<AdapterStates::AdapterNow> now;
    for (const std::unique_ptr<platform::Adapter>& adapter : adapters) {
        const QString caption = QString::fromStdString(adapter->caption());
        captions << caption;
        if (const std::optional<platform::IPv4State> state = adapter->ipv4State())
            now.push_back({caption, *state, QString::fromStdString(adapter->hardwareAddress())});
    }
    Choices.list(captions);
    States.setPresent(captions);
    States.show(std::move(now));
    if (PendingCommand) {
        const int pressed = *PendingCommand;
        PendingCommand.reset();
        QGuiApplication::restoreOverrideCursor();
        emit pressReplayed(pressed);
    }
}

void StartUp::openAnother() {
    // An adapter the new set leaves unnamed is none.
    for (int slot = 0; slot < SlotCount; ++slot)
        Choices.forget(slot);
    Book.load(firstStartSettings());
    LoadSettings();
    States.ShowProfilesInEffect();
}

StartUp::LoadOutcome StartUp::LoadSettings() {
    switch (Book.read(PathOf ? PathOf() : Env.settingsFile)) {
    case ProfileBook::ReadOutcome::Missing:
        return LoadOutcome::Missing;
    case ProfileBook::ReadOutcome::Rejected:
        Env.exclamation(&Window, tr("Woops"), tr("Error while reading the ini file, it may be corrupt."));
        return LoadOutcome::Rejected;
    case ProfileBook::ReadOutcome::Read:
        break;
    }
    // The lists show each saved adapter after the enumerated ones, selected; also when the service
    // could not be asked: pressing the tab's button then reports why it failed.
    for (int slot = 0; slot < SlotCount; ++slot)
        if (const QString& caption = Book.profile(slot).AdapterCaption; !caption.isEmpty())
            Choices.restore(slot, caption);
    return LoadOutcome::Applied;
}

} // namespace korvo
