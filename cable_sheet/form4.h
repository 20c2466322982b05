#pragma once

#include "platform/controls.h"
#include "platform/form.h"

// The cable window: the drawing of the evaluation board's connector cable,
// which it prints as an image of itself.
class Form4 : public platform::Form {
    Q_OBJECT

public:
    Form4();

    void Command1_Click();
    void Command2_Click();

    // Controls, in tab order; the picture takes no focus.
    platform::CommandButton* Command1;
    platform::CommandButton* Command2;
    platform::PictureBox* Image1;
};
