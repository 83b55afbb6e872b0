#include "netconfig/Form4.h"

namespace korvo {

Form4::Form4(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("Form4")); }

} // namespace korvo
