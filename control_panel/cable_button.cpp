#include "cable_sheet/form4.h"
#include "control_panel/form1.h"

// Both windows keep taking input: the cable window has no owner and is not
// modal.
void form1::Command3_Click() { platform::Ref<Form4>().Show(); }
