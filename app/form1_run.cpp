#include "app/form1.h"

namespace vantrelle {

void Form1::PushButton7_Click() {}
void Form1::PushButton8_Click() {}
void Form1::RecordSampleFiles() {}
void Form1::AddSampleFiles() {}

} // namespace vantrelle
