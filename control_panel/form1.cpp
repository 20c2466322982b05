#include "control_panel/form1.h"

#include "assets/maker_info.h"
#include "assets/pictures.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/geometry.h"
#include "platform/handler.h"

using platform::Place;
using platform::RGB;
using platform::WindowFont;

namespace {

constexpr platform::OleColor kLightGreen = RGB(128, 255, 128);
constexpr platform::OleColor kLightCyan = RGB(128, 255, 255);
constexpr platform::OleColor kPink = RGB(255, 128, 255);
constexpr platform::OleColor kBlue = RGB(0, 0, 255);

QFont Bold() { return WindowFont(8.25, true); }
QFont EntryFont() { return WindowFont(9.75, true); }

}  // namespace

form1::form1()
{
    setWindowTitle(QStringLiteral("QRVN5800 Programming v1.0"));
    setWindowIcon(assets::AppIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(platform::Px(9615), platform::Px(6510));
    setFont(platform::DefaultFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, platform::ToQColor(platform::kMenuBackground));
    setPalette(p);
    setAutoFillBackground(true);
    SetStartCentered(true);

    CreateControls();
    ConnectHandlers();
}

void form1::CreateControls()
{
    using platform::CommandButton;
    using platform::ComboBox;
    using platform::Label;
    using platform::TextBox;

    // Created in the stacking order the layout needs: the history list lies
    // under the frequency entry, so only its arrow shows.
    Image1 = new platform::PictureBox(this);
    Place(Image1, 240, 240, 5310, 1485);
    Image1->SetPicture(assets::RenderSvg(QStringLiteral(":/logo.svg"),
                                         {{QStringLiteral("MAKER_NAME"), QString::fromUtf8(maker::kName)},
                                          {QStringLiteral("WEB_ADDRESS"), QString::fromUtf8(maker::kWebAddressShort)}}));
    Image1->setToolTip(QString::fromUtf8(maker::kWebAddress));
    Image1->setCursor(assets::LinkCursor());

    Label3 = new Label(QString::fromUtf8(maker::kMailAddress), this);
    Place(Label3, 240, 1800, 1815, 255);
    Label3->setFont(WindowFont(8.25, false, true));
    Label3->SetForeColor(kBlue);
    Label3->setCursor(assets::LinkCursor());

    Label1 = new Label(QString::fromUtf8(maker::kPhoneFax), this);
    Place(Label1, 2400, 1800, 3135, 255);

    Label9 = new Label(QStringLiteral("COM PORT"), this);
    Place(Label9, 6480, 360, 2655, 255);
    Label9->setFont(Bold());
    Label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Combo1 = new ComboBox(ComboBox::Style::ListOnly, this);
    Place(Combo1, 7320, 600, 855, 315);
    Combo1->addItems({"1", "2", "3", "4"});
    Combo1->setCurrentIndex(-1);
    Combo1->setToolTip(QStringLiteral("Settings: 9600,N,8,1,no flow control"));

    Command3 = new CommandButton(QStringLiteral("Eval Cable Information"), this);
    Place(Command3, 7080, 1200, 1215, 615);
    Command3->setFont(Bold());
    Command3->SetVisible(false);

    Label8 = new Label(QStringLiteral("SELECT COMMAND:"), this);
    Place(Label8, 960, 2400, 1935, 255);
    Label8->setFont(Bold());

    Combo3 = new ComboBox(ComboBox::Style::ListOnly, this);
    Place(Combo3, 3600, 2400, 2175, 315);
    Combo3->addItems({"C", "c", "D", "d", "K", "k", "M", "m", "R"});
    Combo3->setCurrentIndex(-1);
    Combo3->SetBackColor(kLightCyan);

    Label6 = new Label(QStringLiteral("----->"), this);
    Place(Label6, 5760, 2400, 855, 255);
    Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Label5 = new Label(QStringLiteral("CHANNEL 0 (MHZ):"), this);
    Place(Label5, 6600, 2160, 1935, 255);
    Label5->setFont(Bold());
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Text2 = new TextBox(this);
    Place(Text2, 6600, 2400, 1935, 360);
    Text2->SetText(QStringLiteral(" "));
    Text2->setToolTip(QStringLiteral("LOWEST FREQUENCY OF PLL"));
    Text2->SetBackColor(kLightGreen);
    Text2->setFont(EntryFont());

    Label2 = new Label(QStringLiteral("ENTER FREQUENCY (MHZ):"), this);
    Place(Label2, 960, 3240, 2655, 255);
    Label2->setFont(Bold());
    Label2->SetForeColor(platform::kButtonText);

    Combo2 = new ComboBox(ComboBox::Style::Editable, this);
    Place(Combo2, 3600, 3240, 2190, 315);
    Combo2->SetText(QStringLiteral("Combo2"));

    Text1 = new TextBox(this);
    Place(Text1, 3600, 3240, 1935, 345);
    Text1->SetText(QStringLiteral(" "));
    Text1->SetBackColor(kLightGreen);
    Text1->setFont(EntryFont());

    Command1 = new CommandButton(QStringLiteral(" SET FREQUENCY"), this);
    Place(Command1, 6000, 3120, 2055, 615);
    Command1->setFont(Bold());

    Label4 = new Label(QStringLiteral("ENTER STEP SIZE (HZ):"), this);
    Place(Label4, 960, 4200, 2295, 255);
    Label4->setFont(Bold());

    Text3 = new TextBox(this);
    Place(Text3, 3600, 4200, 1935, 360);
    Text3->SetText(QStringLiteral(" "));
    Text3->SetBackColor(kLightGreen);
    Text3->setFont(EntryFont());

    Command5 = new CommandButton(QStringLiteral(" -"), this);
    Place(Command5, 6000, 4080, 735, 615);
    Command5->setFont(WindowFont(24, true));
    Command5->setToolTip(QStringLiteral("DECREMENTS FREQUENCY BY STEP SIZE AND SENDS TO PLL"));

    Command4 = new CommandButton(QStringLiteral(" +"), this);
    Place(Command4, 6960, 4080, 735, 615);
    Command4->setFont(WindowFont(18));
    Command4->setToolTip(QStringLiteral("INCREMENTS FREQUENCY BY STEP SIZE AND SENDS TO PLL"));

    Command7 = new CommandButton(QStringLiteral("SWAP"), this);
    Place(Command7, 7920, 4080, 735, 615);
    Command7->setFont(Bold());
    Command7->setToolTip(QStringLiteral("SWAP ACTIVE/STANDBY FREQUENCY"));

    Command6 = new CommandButton(QStringLiteral("SWEEP"), this);
    Place(Command6, 1080, 5400, 2055, 615);
    Command6->setFont(Bold());
    Command6->setToolTip(QStringLiteral("FREQUENCY SWEEP MODE"));

    Label7 = new Label(QStringLiteral("COMMAND"), this);
    Place(Label7, 4440, 5400, 1095, 255);
    Label7->setFont(Bold());
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Text4 = new TextBox(this);
    Place(Text4, 3480, 5640, 2895, 285);
    Text4->SetText(QStringLiteral(" "));
    Text4->setToolTip(QStringLiteral("in hexadecimal format (with carriage return (0x0D) termination)"));
    Text4->SetBackColor(kPink);
    Text4->setFont(Bold());

    Command2 = new CommandButton(QStringLiteral("EXIT"), this);
    Place(Command2, 6720, 5400, 1935, 615);
    Command2->setFont(Bold());

    // Tab order: frequency, step, the buttons, then the lists and channel 0.
    const QList<QWidget*> tabOrder{Text1, Text3, Command1, Command2, Command4, Command5, Command6, Text4,
                                   Combo1, Combo2, Command3, Combo3, Command7, Text2};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    Text1->setFocus(Qt::OtherFocusReason);
}

void form1::ConnectHandlers()
{
    using platform::Bind;
    Bind(Combo3, &platform::ComboBox::Click, this, &form1::Combo3_Click);
    Bind(Combo2, &platform::ComboBox::Click, this, &form1::Combo2_Click);
    Bind(Command2, &platform::CommandButton::Click, this, &form1::Command2_Click);
    Bind(Command7, &platform::CommandButton::Click, this, &form1::Command7_Click);
    Bind(Command1, &platform::CommandButton::Click, this, &form1::Command1_Click);
    Bind(Command4, &platform::CommandButton::Click, this, &form1::Command4_Click);
    Bind(Command5, &platform::CommandButton::Click, this, &form1::Command5_Click);
    Bind(Command3, &platform::CommandButton::Click, this, &form1::Command3_Click);
    Bind(Image1, &platform::PictureBox::Click, this, &form1::Image1_Click);
    Bind(Label3, &platform::Label::Click, this, &form1::Label3_Click);
    Bind(Command6, &platform::CommandButton::Click, this, &form1::Command6_Click);
}
