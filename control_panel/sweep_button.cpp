// The main window's "SWEEP": the sweep window, modal, loaded afresh each time.
#include "control_panel/form1.h"

#include "sweep/form2.h"

void form1::Command6_Click() { platform::Ref<Form2>().ShowModal(); }
