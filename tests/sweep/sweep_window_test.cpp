#include "sweep_fixture.h"

#include "platform/colors.h"


TEST_F(SweepTest, TheWindowHasItsCaptionControlsAndTabOrder)
{
    Open();
    EXPECT_EQ(sweep->windowTitle(), QStringLiteral("Frequency Sweep"));
    EXPECT_EQ(sweep->size(), QSize(356, 248));

    struct Control {
        QWidget* widget;
        QString caption;
        QRect pixels;
    };
    const Control controls[] = {
        {sweep->Label2, "START FREQUENCY (MHZ):", {32, 32, 185, 17}},
        {sweep->Text1, "", {216, 32, 113, 19}},
        {sweep->Label3, " STOP FREQUENCY (MHZ):", {32, 80, 193, 17}},
        {sweep->Text2, "", {216, 80, 113, 19}},
        {sweep->Label4, "STEP SIZE (KHZ):", {32, 136, 153, 17}},
        {sweep->Text3, "", {216, 136, 113, 19}},
        {sweep->Command1, " SWEEP", {40, 192, 113, 41}},
        {sweep->Command2, "QUIT SWEEP", {200, 192, 113, 41}},
    };
    const QColor lightGreen = platform::ToQColor(platform::RGB(128, 255, 128));
    for (const Control& c : controls) {
        SCOPED_TRACE(c.widget->metaObject()->className() + (" " + c.caption.toStdString()));
        EXPECT_EQ(c.widget->geometry(), c.pixels);
        EXPECT_TRUE(c.widget->font().bold());
        EXPECT_EQ(c.widget->font().pixelSize(), 11);
        if (auto* label = qobject_cast<QLabel*>(c.widget)) {
            EXPECT_EQ(label->text(), c.caption);
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << "caption cut off";
        } else if (auto* button = qobject_cast<QPushButton*>(c.widget)) {
            EXPECT_EQ(button->text(), c.caption);
            EXPECT_FALSE(button->autoDefault()) << "Enter presses no button by itself";
        } else {
            EXPECT_EQ(c.widget->palette().color(QPalette::Base), lightGreen);
        }
    }

    // The Tab key's path through the window, labels skipped.
    QList<QWidget*> tabStops;
    for (QWidget* w = sweep->Text1; tabStops.size() < 5; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            tabStops << w;
    EXPECT_EQ(tabStops, (QList<QWidget*>{sweep->Text1, sweep->Text2, sweep->Text3, sweep->Command1, sweep->Command2}));
    EXPECT_EQ(sweep->focusWidget(), sweep->Text1);
}

TEST_F(SweepTest, LoadTakesTheMainWindowsEntriesAndOpensItsPort)
{
    struct Case {
        const char* mainStep;   // Hz
        const char* sweepStep;  // kHz
    };
    const Case cases[] = {
        {"1000000", "1000"}, {"1500", "1"}, {"999", "0"}, {"0.5", "0"}, {"-1500", "-2"}, {"-0", "0"},
        {"5000000000000000000000", "5000000000000000000"},   // every digit, never an exponent
        {"abc", ""}, {"", ""}, {"1e6", ""},                   // no number: nothing to offer
    };
    test::PseudoTerminal three(3);
    Pick(form->Combo1, QStringLiteral("3"));
    form->Text1->SetText(QStringLiteral(" 2400.1x"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mainStep);
        form->Text3->SetText(QString::fromLatin1(c.mainStep));
        Open();
        EXPECT_EQ(sweep->Text1->Text(), QStringLiteral(" 2400.1x")) << "copied as it is, unchecked";
        EXPECT_EQ(sweep->Text2->Text(), QString());
        EXPECT_EQ(sweep->Text3->Text(), QString::fromLatin1(c.sweepStep));
        EXPECT_TRUE(Module1::MSComm1().PortOpen());
        EXPECT_EQ(Module1::MSComm1().CommPort(), 3);
        sweep->Command2->click();
        platform::DestroyPendingNow();
    }
    EXPECT_TRUE(recorder.messages.isEmpty());
}

TEST_F(SweepTest, APortThatCannotBeOpenedIsReportedOnceAndNoSweepPretendsToSend)
{
    test::PortMapping missing(2, "/dev/qrvn5800-unplugged");
    Pick(form->Combo1, QStringLiteral("2"));
    Open();
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages[0].contains(QStringLiteral("COM2")));
    EXPECT_TRUE(recorder.messages[0].contains(QStringLiteral("/dev/qrvn5800-unplugged")));
    EXPECT_EQ(sweep->Text3->Text(), QStringLiteral("1000")) << "the window loads all the same";

    Sweep("1000", "1000.2", "100");
    ASSERT_EQ(recorder.messages.size(), 2);
    EXPECT_TRUE(recorder.messages[1].contains(QStringLiteral("COM2")));
    EXPECT_TRUE(recorder.messages[1].contains(QStringLiteral("not open"))) << recorder.messages[1].toStdString();
    EXPECT_TRUE(sweep->Command1->Enabled());
    EXPECT_EQ(pumps, 0) << "no pause was waited for";
}

TEST_F(SweepTest, ADeviceThatGoesAwayStopsTheSweepWithOneMessage)
{
    Open();
    onPump = [&] {
        if (far && line.size() >= 10)
            far.reset();   // the adapter is pulled after the first command
    };
    Sweep("1000", "1000.5", "100");
    EXPECT_EQ(line, Commands({1000000}));
    EXPECT_LT(now - 1000, 0.3) << "the sweep stops at the failure, not at its last step";
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages[0].contains(QStringLiteral("went away"))) << recorder.messages[0].toStdString();
    EXPECT_FALSE(Module1::MSComm1().PortOpen());
    EXPECT_TRUE(sweep->Command1->Enabled());
    EXPECT_FALSE(sweep->IsUnloaded());

    // The window still answers: another " SWEEP" says the port is closed.
    sweep->Command1->click();
    ASSERT_EQ(recorder.messages.size(), 2);
    EXPECT_TRUE(recorder.messages[1].contains(QStringLiteral("not open")));
    sweep->Command2->click();
    EXPECT_TRUE(sweep->IsUnloaded());
}
