#include "app/Form1.h"

namespace korvo {

void Form1::EnumerateAdapters() {}
void Form1::RestoreSavedAdapter(QListWidget*, const QString&) {}

} // namespace korvo
