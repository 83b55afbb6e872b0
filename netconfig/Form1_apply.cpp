#include "app/Form1.h"

namespace korvo {

void Form1::ProfileCommand(int) {}
void Form1::Command8_Click() {}
void Form1::SetInterface() {}

} // namespace korvo
