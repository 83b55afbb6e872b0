#include "tests/support/TestEnvironment.h"

#include <QListWidget>

namespace korvo::testing {

QStringList listTexts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

Environment TestEnvironment::make() {
    Environment env;
    env.programFolder = folder.path();
    env.settingsFile = folder.filePath(QStringLiteral("Korvo.ini"));
    env.connector = service;
    env.terminate = [this] { ++terminations; };
    env.tell = [this](const QString& text) { told << text; };
    env.exclamation = [this](QWidget*, const QString& title, const QString& text) {
        messages << title + QLatin1Char('|') + text;
    };
    env.question = [this](QWidget*, const QString& title, const QString& text) {
        messages << title + QLatin1Char('|') + text;
        return answerYes;
    };
    env.openDocument = [this](const QString& path) {
        openedDocuments << path;
        return documentOpens;
    };
    return env;
}

} // namespace korvo::testing
