#include "app/Form1.h"

#include <QDir>

namespace korvo {

QString Form1::SettingsPath() const { return Env.programFolder + QDir::separator() + QStringLiteral("Korvo.ini"); }
Form1::LoadOutcome Form1::LoadSettings() { return LoadOutcome::Rejected; }
void Form1::Command7_Click() {}

} // namespace korvo
