#include "form1_fixture.h"

#include "assets/maker_info.h"
#include "cable_sheet/form4.h"
#include "platform/colors.h"

#include <QAbstractItemView>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>

namespace {

bool Shown(const QWidget* w) { return !w->isHidden(); }

// What the command letter decides: the reference letter relabels the entry in
// red and drops the step, the channel-0 letters show their entry.
void ExpectLayout(const form1* form, bool reference, bool channel0)
{
    EXPECT_EQ(form->Label2->Caption(),
              reference ? QStringLiteral("ENTER REFERENCE (MHZ):") : QStringLiteral("ENTER FREQUENCY (MHZ):"));
    EXPECT_EQ(form->Label2->ForeColor(), reference ? platform::RGB(255, 0, 0) : platform::kButtonText);
    EXPECT_EQ(form->Label2->palette().color(QPalette::WindowText),
              reference ? QColor(Qt::red) : platform::ToQColor(platform::kButtonText));
    for (const platform::CommandButton* step : {form->Command4, form->Command5})
        EXPECT_EQ(step->Enabled(), !reference);
    for (const QWidget* w : {static_cast<QWidget*>(form->Text3), static_cast<QWidget*>(form->Label4)})
        EXPECT_EQ(Shown(w), !reference);
    for (const QWidget* w : {static_cast<QWidget*>(form->Text2), static_cast<QWidget*>(form->Label5),
                             static_cast<QWidget*>(form->Label6)})
        EXPECT_EQ(Shown(w), channel0);
    EXPECT_TRUE(form->Command7->Enabled()) << "nothing disables the swap";
}

}  // namespace

TEST_F(MainWindowTest, StartsCentredWithItsStartUpValuesAndNoPortOpen)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("QRVN5800 Programming v1.0"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->size(), QSize(641, 434));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "fixed size";
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offset = form->frameGeometry().center() - screen.center();
    EXPECT_LE(std::abs(offset.x()), 1);
    EXPECT_LE(std::abs(offset.y()), 1);

    ExpectLayout(form, false, false);
    EXPECT_FALSE(Shown(form->Command3));
    EXPECT_EQ(form->focusWidget(), form->Text1);
    EXPECT_FALSE(Module1::MSComm1().PortOpen());
}

// Every control's caption or text, tooltip and list items as the started
// window shows them: the load step has filled the entries and picked port "1"
// and letter "D". The maker's particulars are this build's own.
TEST_F(MainWindowTest, EveryControlShowsItsTextsTooltipAndItems)
{
    const QString none;
    const struct {
        const char* name;
        QWidget* control;
        QString text, tooltip;
        QStringList items;
    } controls[] = {
        {"Label2", form->Label2, "ENTER FREQUENCY (MHZ):", none, {}},
        {"Label4", form->Label4, "ENTER STEP SIZE (HZ):", none, {}},
        {"Text1", form->Text1, "1000", none, {}},
        {"Text3", form->Text3, "1000000", none, {}},
        {"Command1", form->Command1, " SET FREQUENCY", none, {}},
        {"Command2", form->Command2, "EXIT", none, {}},
        {"Command4", form->Command4, " +", "INCREMENTS FREQUENCY BY STEP SIZE AND SENDS TO PLL", {}},
        {"Command5", form->Command5, " -", "DECREMENTS FREQUENCY BY STEP SIZE AND SENDS TO PLL", {}},
        {"Label9", form->Label9, "COM PORT", none, {}},
        {"Command6", form->Command6, "SWEEP", "FREQUENCY SWEEP MODE", {}},
        {"Text4", form->Text4, " ", "in hexadecimal format (with carriage return (0x0D) termination)", {}},
        {"Label7", form->Label7, "COMMAND", none, {}},
        {"Combo1", form->Combo1, "1", "Settings: 9600,N,8,1,no flow control", {"1", "2", "3", "4"}},
        {"Combo2", form->Combo2, "Combo2", none, {}},
        {"Command3", form->Command3, "Eval Cable Information", none, {}},
        {"Label1", form->Label1, maker::kPhoneFax, none, {}},
        {"Label3", form->Label3, maker::kMailAddress, none, {}},
        {"Label8", form->Label8, "SELECT COMMAND:", none, {}},
        {"Combo3", form->Combo3, "D", none, {"C", "c", "D", "d", "K", "k", "M", "m", "R"}},
        {"Command7", form->Command7, "SWAP", "SWAP ACTIVE/STANDBY FREQUENCY", {}},
        {"Label5", form->Label5, "CHANNEL 0 (MHZ):", none, {}},
        {"Text2", form->Text2, " ", "LOWEST FREQUENCY OF PLL", {}},
        {"Label6", form->Label6, "----->", none, {}},
        {"Image1", form->Image1, none, maker::kWebAddress, {}},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        QString text;
        QStringList items;
        if (auto* label = qobject_cast<QLabel*>(c.control))
            text = label->text();
        else if (auto* button = qobject_cast<QPushButton*>(c.control))
            text = button->text();
        else if (auto* entry = qobject_cast<platform::TextBox*>(c.control))
            text = entry->Text();
        else if (auto* list = qobject_cast<platform::ComboBox*>(c.control)) {
            text = list->Text();
            for (int i = 0; i < list->ListCount(); ++i)
                items << list->List(i);
        }
        EXPECT_EQ(text.toStdString(), c.text.toStdString());
        EXPECT_EQ(c.control->toolTip().toStdString(), c.tooltip.toStdString());
        EXPECT_EQ(items.join(' ').toStdString(), c.items.join(' ').toStdString());
    }
}

TEST_F(MainWindowTest, ControlsStandWhereTheLayoutPutsThem)
{
    struct Place {
        QWidget* control;
        QRect pixels;
    };
    const Place places[] = {
        {form->Image1, {16, 16, 354, 99}},   {form->Label3, {16, 120, 121, 17}},
        {form->Label1, {160, 120, 209, 17}}, {form->Label9, {432, 24, 177, 17}},
        {form->Combo1, {488, 40, 57, 21}},   {form->Command3, {472, 80, 81, 41}},
        {form->Label8, {64, 160, 129, 17}},  {form->Combo3, {240, 160, 145, 21}},
        {form->Label6, {384, 160, 57, 17}},  {form->Label5, {440, 144, 129, 17}},
        {form->Text2, {440, 160, 129, 24}},  {form->Label2, {64, 216, 177, 17}},
        {form->Text1, {240, 216, 129, 23}},  {form->Combo2, {240, 216, 146, 21}},
        {form->Command1, {400, 208, 137, 41}}, {form->Label4, {64, 280, 153, 17}},
        {form->Text3, {240, 280, 129, 24}},  {form->Command5, {400, 272, 49, 41}},
        {form->Command4, {464, 272, 49, 41}}, {form->Command7, {528, 272, 49, 41}},
        {form->Command6, {72, 360, 137, 41}}, {form->Label7, {296, 360, 73, 17}},
        {form->Text4, {232, 376, 193, 19}},  {form->Command2, {448, 360, 129, 41}},
    };
    for (const Place& p : places)
        EXPECT_EQ(p.control->geometry(), p.pixels) << p.control->metaObject()->className();

    // Only the arrow of the history list shows beside the frequency entry.
    const QList<QObject*> order = form->children();
    EXPECT_GT(order.indexOf(form->Text1), order.indexOf(form->Combo2)) << "the entry lies on top";

    // No caption is cut off in the font that stands in for the layout's.
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << label->text().toStdString();
        }
    }
    for (QPushButton* button : form->findChildren<QPushButton*>()) {
        if (!button->isHidden()) {
            EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width())
                << button->text().toStdString();
        }
    }
}

TEST_F(MainWindowTest, EachCommandLetterLaysTheWindowOutAndKeepsEveryText)
{
    form->Text2->SetText(QStringLiteral("950"));
    form->Text3->SetText(QStringLiteral("2500"));
    const struct {
        const char* letter;
        bool reference, channel0;
    } layouts[] = {{"C", false, true},  {"c", false, true},  {"D", false, false}, {"d", false, false},
                   {"K", false, false}, {"k", false, false}, {"M", false, false}, {"m", false, false},
                   {"R", true, false}};
    for (const auto& l : layouts) {
        // From each other layout and from itself, so no earlier pick carries over.
        for (const char* from : {"R", "c", "D", l.letter}) {
            SCOPED_TRACE(std::string(from) + " then " + l.letter);
            Pick(form->Combo3, QString::fromLatin1(from));
            Pick(form->Combo3, QString::fromLatin1(l.letter));
            ExpectLayout(form, l.reference, l.channel0);
        }
    }
    EXPECT_EQ(form->Text2->Text(), QStringLiteral("950"));
    EXPECT_EQ(form->Text3->Text(), QStringLiteral("2500"));
    EXPECT_EQ(form->Text1->Text(), QStringLiteral("1000"));
    EXPECT_EQ(form->Text4->Text(), QStringLiteral(" "));
}

// Only a pick from the open list copies an item; typing an item's text into
// the list's edit field and leaving it copies nothing.
TEST_F(MainWindowTest, HistoryPickCopiesExactlyIntoTheFrequencyEntryAndSendsNothing)
{
    test::PseudoTerminal far(1);
    platform::ComboBox* history = form->Combo2;
    history->AddItem(QStringLiteral("1000"));
    history->AddItem(QStringLiteral("2400.1"));
    form->show();
    form->activateWindow();
    form->Text1->SetText(QStringLiteral("55"));

    history->setFocus();
    history->lineEdit()->clear();
    QTest::keyClicks(history->lineEdit(), QStringLiteral("2400.1"));
    QTest::keyClick(history->lineEdit(), Qt::Key_Return);
    form->Text3->setFocus();
    EXPECT_EQ(form->Text1->Text(), QStringLiteral("55")) << "typing is no pick";

    QAbstractItemView* list = history->view();
    history->showPopup();
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(form->Text1->Text(), QStringLiteral("1000")) << "picked with the keyboard";

    history->showPopup();
    const QRect second = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center(), 300);
    EXPECT_EQ(form->Text1->Text(), QStringLiteral("2400.1")) << "picked with the mouse";

    EXPECT_EQ(history->ListCount(), 2);
    EXPECT_EQ(form->Text4->Text(), QStringLiteral(" "));
    EXPECT_EQ(far.ReadAll(20), "");
}

TEST_F(MainWindowTest, ExitAndTheCloseBoxEndTheRun)
{
    QSignalSpy ended(form, &platform::Form::Unloaded);
    form->Command2->click();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_TRUE(form->IsUnloaded());
    platform::DestroyPendingNow();

    form1& again = platform::Ref<form1>();
    guard = &again;
    QSignalSpy endedAgain(&again, &platform::Form::Unloaded);
    again.close();
    EXPECT_EQ(endedAgain.count(), 1);
}

TEST_F(MainWindowTest, TabVisitsTheEntriesAndButtonsInTheirOrderWithTheirLook)
{
    const QList<QWidget*> order{form->Text1,    form->Text3,    form->Command1, form->Command2, form->Command4,
                                form->Command5, form->Command6, form->Text4,    form->Combo1,   form->Combo2,
                                form->Combo3,   form->Command7};
    QStringList visited;
    QWidget* w = form->Text1;
    for (qsizetype i = 0; i < order.size(); ++i, w = w->nextInFocusChain()) {
        while (w->focusProxy() || !w->isVisibleTo(form) || !(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        EXPECT_EQ(w, order[i]) << "stop " << i;
    }

    struct Look {
        QWidget* control;
        int pixelSize;
        bool bold;
    };
    const Look looks[] = {{form->Text1, 13, true},    {form->Text2, 13, true},    {form->Text3, 13, true},
                          {form->Text4, 11, true},    {form->Command4, 24, false}, {form->Command5, 32, true},
                          {form->Command1, 11, true}, {form->Label1, 11, false},  {form->Combo3, 11, false}};
    for (const Look& l : looks) {
        EXPECT_EQ(l.control->font().pixelSize(), l.pixelSize) << l.control->metaObject()->className();
        EXPECT_EQ(l.control->font().bold(), l.bold) << l.control->metaObject()->className();
    }
    EXPECT_EQ(form->Text1->palette().color(QPalette::Base), QColor(128, 255, 128));
    EXPECT_EQ(form->Combo3->palette().color(QPalette::Base), QColor(128, 255, 255));
    EXPECT_EQ(form->Text4->palette().color(QPalette::Base), QColor(255, 128, 255));
    EXPECT_TRUE(form->Label3->font().underline());
}

TEST_F(MainWindowTest, TypingALetterInTheCommandListPicksThatLetterInItsOwnCase)
{
    struct Case {
        const char* from;
        const char* typed;
        const char* picked;
    };
    // Upper and lower case are different board commands.
    const Case cases[] = {{"D", "k", "k"}, {"D", "K", "K"}, {"R", "c", "c"}, {"c", "C", "C"},
                          {"D", "m", "m"}, {"d", "d", "d"}, {"D", "x", "D"}};
    for (const Case& c : cases) {
        Pick(form->Combo3, QString::fromLatin1(c.from));
        QTest::keyClicks(form->Combo3, QString::fromLatin1(c.typed));
        EXPECT_EQ(form->Combo3->Text(), QString::fromLatin1(c.picked)) << c.from << " then " << c.typed;
        // The pick lays the window out as a pick with the mouse does.
        EXPECT_EQ(!form->Text2->isHidden(), form->Combo3->Text().compare(QLatin1String("c"), Qt::CaseInsensitive) == 0)
            << c.picked;
    }
}

// Also run on a screen scaled by 2, as a HiDPI laptop's: each picture is
// drawn in the screen's own pixels at its own size in the window's units,
// and shown as drawn. A 1x picture enlarged would blur beside the labels.
TEST_F(MainWindowTest, PicturesAreDrawnInTheScreensOwnPixels)
{
    Form4& cable = platform::Ref<Form4>();
    cable.Show();
    const struct {
        platform::PictureBox* box;
        QSizeF size;
    } pictures[] = {{form->Image1, {350, 95}}, {cable.Image1, {800, 573}}};
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.size.width());
        const QPixmap drawn = p.box->pixmap();
        const qreal ratio = p.box->devicePixelRatioF();
        EXPECT_EQ(drawn.devicePixelRatio(), ratio);
        EXPECT_EQ(drawn.deviceIndependentSize(), p.size);
        // Inside the border of 2 units.
        const QImage shown = p.box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(shown.copy(QRect(QPoint(2, 2) * ratio, drawn.size())) ==
                    drawn.toImage().convertToFormat(QImage::Format_RGB32))
            << "shown as drawn";
    }
    cable.Unload();
}
