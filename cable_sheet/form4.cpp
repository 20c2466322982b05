#include "cable_sheet/form4.h"

#include "assets/maker_info.h"
#include "assets/pictures.h"
#include "platform/fonts.h"
#include "platform/geometry.h"
#include "platform/handler.h"
#include "platform/printer.h"

using platform::Place;

Form4::Form4()
{
    setWindowTitle(QStringLiteral("Evaluation Board Connector Cable"));
    setWindowIcon(assets::AppIcon());
    // Sizable, but without maximise: the drawing is made for one size, and
    // the controls keep their places whatever size the user drags it to.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(platform::Px(12060), platform::Px(9585));
    setFont(platform::DefaultFont());

    Image1 = new platform::PictureBox(this);
    Place(Image1, 0, 0, 12060, 8655);
    Image1->SetPicture(assets::RenderSvg(QStringLiteral(":/cable_drawing.svg"),
                                         {{QStringLiteral("MAKER_NAME"), QString::fromUtf8(maker::kName)}}));

    Command1 = new platform::CommandButton(QStringLiteral("Print"), this);
    Place(Command1, 2760, 8760, 2175, 735);
    Command1->setFont(platform::WindowFont(8.25, true));

    Command2 = new platform::CommandButton(QStringLiteral("Close"), this);
    Place(Command2, 7200, 8760, 1935, 735);
    Command2->setFont(platform::WindowFont(8.25, true));

    setTabOrder(Command1, Command2);

    platform::Bind(Command1, &platform::CommandButton::Click, this, &Form4::Command1_Click);
    platform::Bind(Command2, &platform::CommandButton::Click, this, &Form4::Command2_Click);
}

void Form4::Command1_Click()
{
    platform::DefaultPrinter().SetOrientation(platform::Printer::kLandscape);
    platform::DefaultPrinter().PrintForm(this);
}

void Form4::Command2_Click() { Unload(); }
