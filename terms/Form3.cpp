#include "terms/Form3.h"

#include "app/Form1.h"

namespace korvo {

Form3::Form3(Form1* mainWindow) : QWidget(nullptr), Main(mainWindow) { setObjectName(QStringLiteral("Form3")); }

void Form1::OpenTermsWindow() {}

} // namespace korvo
