#include "app/form1.h"

namespace vantrelle {

void Form1::connectDocListHandlers() {}
void Form1::PushButton3_Click() {}
void Form1::PushButton6_Click() {}
void Form1::PushButton2_Click() {}

} // namespace vantrelle
