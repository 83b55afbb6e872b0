#include "app/FontWarmup.h"
#include "app/Form1.h"
#include "terms/Form3.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QPushButton>
#include <cstdio>

namespace {

// --accept-terms: what a user's first start does, without anyone at the window (unattended setups).
// Messages go to the standard error output: a modal box would wait for a click that never comes.
int acceptTermsUnattended(korvo::Form1Environment env) {
    bool complained = false;
    env.exclamation = [&complained](QWidget*, const QString& title, const QString& text) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        complained = true;
    };
    korvo::Form1 form(std::move(env));
    form.Start();
    if (korvo::Form3* terms = form.TermsWindow(); terms && terms->isVisible()) {
        terms->Check1->setChecked(true);
        terms->Command1->click();
    }
    if (complained || !QFileInfo::exists(form.SettingsPath())) return 1;
    std::printf("%s\n", qPrintable(form.SettingsPath()));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const korvo::FontWarmup fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvo"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.0.2"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Switches a network adapter's IPv4 configuration between "
                                                    "stored profiles."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QStringLiteral("Read and save the settings in FILE instead of Korvo.ini "
                       "in the usual place."),
        QStringLiteral("FILE"));
    const QCommandLineOption acceptTerms(QStringLiteral("accept-terms"),
                                         QStringLiteral("Accept the terms of use and save the settings file "
                                                        "without showing a window, print its path and end."));
    parser.addOption(settings);
    parser.addOption(acceptTerms);
    parser.process(app);

    auto env = korvo::Form1Environment::system(parser.value(settings));
    if (parser.isSet(acceptTerms)) return acceptTermsUnattended(std::move(env));

    korvo::Form1 form(std::move(env));
    form.Start();
    return QApplication::exec();
}
