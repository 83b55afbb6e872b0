// The main window's start-up order: the settings file read into the book (or the terms asked for),
// the adapters listed once the first frame is out, and an apply button pressed before they are
// listed pressed again once they are.
#pragma once

#include "ui/Environment.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace korvo {

namespace platform {
class Adapter;
} // namespace platform

class AdapterChoices;
class AdapterStates;
class ProfileBook;

class StartUp : public QObject {
    Q_OBJECT

public:
    StartUp(const Environment& env, ProfileBook& book, AdapterChoices& choices, AdapterStates& states,
            QWidget& window);
    ~StartUp() override;

    // The adapters are asked for once the window is drawn, not by load().
    void listAfterFirstPaint() { ListAfterFirstPaint = true; }
    // Shows the window, its first paint taking every pending polish and layout.
    void showInOnePaint();
    // The window has painted: the adapters are asked for behind the frame, if they wait for it.
    void firstPaint();
    // Lists the adapters (unless they wait for the first paint) and reads the settings file. Each
    // step that fails is passed over silently; only the corrupt-file message can appear. True when
    // the terms are to be asked: no file, or one that says they were not accepted.
    bool load();

    // Asks the service for its adapters and lists them when it answers, before any saved adapter
    // restored meanwhile.
    void EnumerateAdapters();
    // The adapters are not listed yet; a button pressed meanwhile applies once they are.
    bool pending() const { return ListAfterFirstPaint || ListingAsked; }
    // True when apply button `tabIndex`'s press waits for the listing (the first such press only).
    bool holdPress(int tabIndex);

    enum class LoadOutcome { Missing, Rejected, Applied };
    LoadOutcome LoadSettings();
    // Another profile set is shown, as loading shows it; nothing of the one before stays behind.
    void openAnother();
    // The settings file read: the profile set shown, where there are sets.
    void readFrom(std::function<QString()> path) { PathOf = std::move(path); }

signals:
    // The press held back while the adapters were listed.
    void pressReplayed(int tabIndex);

private:
    void AdaptersListed(std::vector<std::unique_ptr<platform::Adapter>> adapters);

    const Environment& Env;
    ProfileBook& Book;
    AdapterChoices& Choices;
    AdapterStates& States;
    QWidget& Window;
    bool ListAfterFirstPaint = false;
    bool ListingAsked = false;
    std::optional<int> PendingCommand;
    std::function<QString()> PathOf;
};

} // namespace korvo
