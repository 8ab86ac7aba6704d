#include "app/form1.h"

namespace vantrelle {

void Form1::connectSetsHandlers() {}
void Form1::PushButton1_Click() {}
void Form1::PushButton4_Click() {}
void Form1::PushButton5_Click() {}
void Form1::Combo1_Click(int) {}
void Form1::Combo2_Click(int) {}
void Form1::PushButton9_Click() {}
void Form1::PushButton10_Click() {}

} // namespace vantrelle
