// The main window's start-up, its layout by command letter, the history pick
// and the way out.
#include "control_panel/form1.h"

#include "platform/colors.h"

void form1::Form_Load()
{
    Show();
    Text2->SetVisible(false);
    Label5->SetVisible(false);
    Combo1->SetText(QStringLiteral("1"));
    Combo3->SetText(QStringLiteral("D"));
    Text1->SetText(QString::number(1000));
    Text3->SetText(QStringLiteral("1000000"));
}

void form1::Combo3_Click()
{
    const bool reference = Combo3->Text() == QLatin1String("R");
    Command4->SetEnabled(!reference);
    Command5->SetEnabled(!reference);
    Label2->SetCaption(reference ? QStringLiteral("ENTER REFERENCE (MHZ):") : QStringLiteral("ENTER FREQUENCY (MHZ):"));
    Label2->SetForeColor(reference ? platform::RGB(255, 0, 0) : platform::kButtonText);
    Text3->SetVisible(!reference);
    Label4->SetVisible(!reference);

    const QString letter = Combo3->Text();
    const bool channel0 = letter == QLatin1String("c") || letter == QLatin1String("C");
    Text2->SetVisible(channel0);
    Label5->SetVisible(channel0);
    Label6->SetVisible(channel0);
}

void form1::Combo2_Click() { Text1->SetText(Combo2->Text()); }

void form1::Command2_Click() { Unload(); }
