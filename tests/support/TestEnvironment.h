// A Environment for tests: a temporary program folder, a recording
// service, and termination and message boxes that are recorded, not acted on.
#pragma once

#include "tests/support/Controls.h"
#include "tests/support/RecordingService.h"
#include "ui/Environment.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class QListWidget;

namespace korvo::testing {

QStringList listTexts(const QListWidget* list); // every row's text, in order

struct TestEnvironment {
    QTemporaryDir folder;
    std::shared_ptr<RecordingService> service = std::make_shared<RecordingService>();
    int terminations = 0;
    QStringList messages; // "title|text", questions too
    QStringList told;     // what an ending said on the terminal
    bool answerYes = false;
    QStringList openedDocuments;
    bool documentOpens = true;

    Environment make();
};

} // namespace korvo::testing
