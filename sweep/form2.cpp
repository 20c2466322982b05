// The sweep window's controls and their handlers.
#include "sweep/form2.h"

#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/geometry.h"
#include "platform/handler.h"

using platform::Place;

Form2::Form2()
{
    setWindowTitle(QStringLiteral("Frequency Sweep"));
    resize(platform::Px(5340), platform::Px(3720));
    CreateControls();
    ConnectHandlers();
}

void Form2::CreateControls()
{
    using platform::CommandButton;
    using platform::Label;
    using platform::TextBox;
    const QFont font = platform::WindowFont(8.25, true);
    constexpr platform::OleColor kLightGreen = platform::RGB(128, 255, 128);

    auto label = [&](const QString& caption, int left, int top, int width, int height) {
        auto* l = new Label(caption, this);
        Place(l, left, top, width, height);
        l->setFont(font);
        return l;
    };
    auto entry = [&](int top) {
        auto* t = new TextBox(this);
        Place(t, 3240, top, 1695, 285);
        t->setFont(font);
        t->SetBackColor(kLightGreen);
        return t;
    };
    auto button = [&](const QString& caption, int left) {
        auto* b = new CommandButton(caption, this);
        Place(b, left, 2880, 1695, 615);
        b->setFont(font);
        return b;
    };

    Label2 = label(QStringLiteral("START FREQUENCY (MHZ):"), 480, 480, 2775, 255);
    Text1 = entry(480);
    Label3 = label(QStringLiteral(" STOP FREQUENCY (MHZ):"), 480, 1200, 2895, 255);
    Text2 = entry(1200);
    Label4 = label(QStringLiteral("STEP SIZE (KHZ):"), 480, 2040, 2295, 255);
    Text3 = entry(2040);
    Command1 = button(QStringLiteral(" SWEEP"), 600);
    Command2 = button(QStringLiteral("QUIT SWEEP"), 3000);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Command1);
    setTabOrder(Command1, Command2);
    Text1->setFocus(Qt::OtherFocusReason);
}

void Form2::ConnectHandlers()
{
    using platform::Bind;
    Bind(Command1, &platform::CommandButton::Click, this, &Form2::Command1_Click);
    Bind(Command2, &platform::CommandButton::Click, this, &Form2::Command2_Click);
}
