#pragma once

#include "platform/form.h"
#include "platform/mscomm.h"

// The hidden window that holds the program's one serial control. It is never
// shown; it exists from the first use of the port to the end of the run.
class Serial1 : public platform::Form {
    Q_OBJECT
public:
    Serial1();
    platform::MSComm MSComm1;
};
