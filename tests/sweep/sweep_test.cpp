#include "sweep_fixture.h"

#include "platform/colors.h"

#include <QTest>
#include <QTimer>
#include <QWindow>
#include <vector>

TEST_F(SweepTest, OneCommandPerStepFromStartUpToStop)
{
    const struct {
        const char *start, *stop, *step;
        std::string expected;
    } cases[] = {
        {"1000", "1000.5", "100", Commands({1000000, 1000100, 1000200, 1000300, 1000400, 1000500})},
        {"1000", "1000.45", "100", Commands({1000000, 1000100, 1000200, 1000300, 1000400})},
        {"1000", "1000", "1000", Commands({1000000})},
        {"1000", "1000.0095", "2.9", Commands({1000000, 1000002, 1000004, 1000006, 1000008})},
        {"999.999", "1000", "1", Commands({999999, 1000000})},   // numbers, not texts, compared
        {"1.001", "1.001", "1", Commands({1000})},               // 1.001 * 1000 lies below 1001
        {"4294967.295", "4294967.295", "5", Commands({4294967295})},
        {"0.0005", " 0 ", "1", Commands({0})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " .. " + c.stop + " by " + c.step);
        line.clear();
        Open();
        EXPECT_EQ(test::Hex(Sweep(c.start, c.stop, c.step)), test::Hex(c.expected));
        EXPECT_TRUE(sweep->Command1->Enabled());
        EXPECT_TRUE(Module1::MSComm1().PortOpen()) << "the port stays open until the window closes";
        sweep->Command2->click();
        platform::DestroyPendingNow();
    }
    EXPECT_TRUE(recorder.messages.isEmpty());
    EXPECT_EQ(test::Hex(Commands({1000000})), "4B 30 30 30 46 34 32 34 30 0D");
    EXPECT_EQ(form->Text4->Text(), QStringLiteral(" ")) << "a sweep writes nothing into the main window";
    EXPECT_EQ(form->Combo2->ListCount(), 0);
}

TEST_F(SweepTest, EveryCommandIsFollowedByItsPauseAndTheEntriesAreFixedAtTheStart)
{
    Open();
    std::vector<double> arrivals;
    bool disabledThroughout = true;
    onPump = [&] {
        disabledThroughout = disabledThroughout && !sweep->Command1->Enabled();
        if (line.size() > arrivals.size() * 10) {
            arrivals.push_back(now);
            sweep->Text2->SetText(QStringLiteral("2000"));   // typed during the sweep
            sweep->Text3->SetText(QStringLiteral("1"));
        }
    };
    EXPECT_EQ(Sweep("1000", "1000.3", "100"), Commands({1000000, 1000100, 1000200, 1000300}));
    EXPECT_TRUE(disabledThroughout);
    ASSERT_EQ(arrivals.size(), 4u);
    for (std::size_t i = 1; i < arrivals.size(); ++i)
        EXPECT_NEAR(arrivals[i] - arrivals[i - 1], 0.1, 0.03) << "between commands " << i << " and " << i + 1;
    EXPECT_GE(now - arrivals.back(), 0.085) << "the last command has its pause too";
    EXPECT_TRUE(sweep->Command1->Enabled());
}

TEST_F(SweepTest, ClosingTheWindowDuringAPauseEndsTheSweepAndReturnsToTheMainWindow)
{
    using Close = std::function<void(Form2*)>;
    const std::pair<const char*, Close> waysOut[] = {
        {"QUIT SWEEP", [](Form2* w) { w->Command2->click(); }},
        {"close box", [](Form2* w) { w->close(); }},
    };
    for (const auto& [name, closeWindow] : waysOut) {
        SCOPED_TRACE(name);
        line.clear();
        discards.clear();
        int pumpsAfterClose = 0;
        double closedAt = 0;
        bool enabledAfter = true;
        bool modal = false;
        const QWindow* owner = nullptr;
        // The click on "SWEEP" leaves the main window active, as a user's does.
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        QObject scope;   // the timer goes with this pass, fired or not
        QTimer::singleShot(0, &scope, [&, closeWindow = closeWindow] {
            sweep = &platform::Ref<Form2>();   // the one "SWEEP" opened
            modal = sweep->isVisible() && sweep->windowModality() == Qt::ApplicationModal;
            owner = sweep->windowHandle() ? sweep->windowHandle()->transientParent() : nullptr;
            onPump = [&] {
                if (sweep->IsUnloaded()) {
                    ++pumpsAfterClose;
                } else if (line.size() >= 20) {
                    closedAt = now;
                    closeWindow(sweep);
                }
            };
            Sweep("1000", "1001", "100");
            enabledAfter = sweep->Command1->Enabled();
        });
        form->Command6->click();
        onPump = nullptr;
        EXPECT_TRUE(modal);
        EXPECT_EQ(owner, form->windowHandle()) << "a desktop keeps it above the main window only as its child";
        EXPECT_EQ(line + far->ReadAll(150), Commands({1000000, 1000100})) << "nothing follows the close";
        EXPECT_GT(pumpsAfterClose, 0) << "the pause runs to its end";
        EXPECT_LT(now - closedAt, 0.15) << "and no other pause follows it";
        EXPECT_FALSE(enabledAfter) << "no control of the closed window is touched";
        EXPECT_EQ(discards, std::vector<bool>{true}) << "what had not left is dropped before the close";
        EXPECT_FALSE(Module1::MSComm1().PortOpen());
        platform::DestroyPendingNow();
        EXPECT_TRUE(sweep.isNull()) << "the window is gone";
    }
    EXPECT_TRUE(recorder.messages.isEmpty());
    EXPECT_EQ(form->Text1->Text(), QStringLiteral("1000"));
    EXPECT_EQ(form->Text3->Text(), QStringLiteral("1000000"));

    // The main window's next command takes the port again.
    form->Command1->click();
    EXPECT_EQ(test::Hex(far->ReadAll()), "44 00 CA 9A 3B 0D");
}

TEST_F(SweepTest, ClosingTheWindowWhileEarlierOutputDrainsSendsNothingMore)
{
    Open();
    int pending = 0, readings = 0, armedAt = -1;
    platform::MSComm::SetQueueReader([&](int) {
        ++readings;
        return pending > 0 ? pending-- : 0;
    });
    onPump = [&] {
        if (armedAt < 0 && line.size() == 10) {
            pending = 1000;   // the next command finds the buffer still full
            armedAt = readings;
        } else if (armedAt >= 0 && readings > armedAt && !sweep->IsUnloaded()) {
            sweep->Command2->click();   // during the wait before the 2nd command
        }
    };
    EXPECT_EQ(Sweep("1000", "1001", "100"), Commands({1000000}));
    platform::MSComm::SetQueueReader({});   // it reads this frame's counts
    EXPECT_GT(pending, 0) << "the window closed while bytes were still pending";
    EXPECT_EQ(discards, std::vector<bool>{true}) << "and they were dropped before the close";
    EXPECT_TRUE(recorder.messages.isEmpty()) << recorder.messages.join('|').toStdString();
    EXPECT_FALSE(Module1::MSComm1().PortOpen());
    platform::DestroyPendingNow();
    EXPECT_TRUE(sweep.isNull());
}

TEST_F(SweepTest, AFailedCheckSaysWhatIsWrongMovesTheFocusAndSendsNothing)
{
    const std::string tooLarge = "1" + std::string(309, '0');   // past the largest double
    const struct {
        const char *start, *stop, *step, *message;
        int entry;   // 1, 2 or 3: Text1, Text2, Text3
    } cases[] = {
        {"1000", "", "1000", "PLEASE ENTER VALID STOP FREQUENCY", 2},
        {"1000", "1001", "0.5", "PLEASE ENTER VALID STEP SIZE", 3},
        {"1000", "1001", "", "PLEASE ENTER VALID STEP SIZE", 3},
        {"1000", "1001", "ten", "PLEASE ENTER VALID STEP SIZE", 3},
        {"1000", "1001", "-3", "PLEASE ENTER VALID STEP SIZE", 3},
        {"x", "", "", "PLEASE ENTER VALID STEP SIZE", 3},   // only the first failing check
        {"x", "1001", "1", "PLEASE ENTER VALID START FREQUENCY", 1},
        {"-0.0001", "1001", "1", "PLEASE ENTER VALID START FREQUENCY", 1},
        {"4294967.296", "4294967.296", "1", "START FREQUENCY OUT COMMAND RANGE ", 1},
        {tooLarge.c_str(), "1001", "1", "START FREQUENCY OUT COMMAND RANGE ", 1},
        {"1000", "1e3", "1", "PLEASE ENTER VALID STOP FREQUENCY", 2},
        {"1000", "-0.0001", "1", "PLEASE ENTER VALID STOP FREQUENCY", 2},
        {"1000", "4294967.296", "1", "STOP FREQUENCY OUT OF RANGE ", 2},
        {"1000", tooLarge.c_str(), "1", "STOP FREQUENCY OUT OF RANGE ", 2},
        {"1000", "999.9999", "1", "STOP FREQUENCY LESS THAN START FREQUENCY", 2},
    };
    Open();
    const platform::TextBox* entries[] = {nullptr, sweep->Text1, sweep->Text2, sweep->Text3};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " / " + c.stop + " / " + c.step);
        recorder.messages.clear();
        sweep->Command2->setFocus();
        Sweep(c.start, c.stop, c.step);
        EXPECT_EQ(recorder.messages, QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(sweep->focusWidget(), entries[c.entry]);
        EXPECT_EQ(sweep->Text1->Text(), QString::fromLatin1(c.start));
        EXPECT_EQ(sweep->Text2->Text(), QString::fromLatin1(c.stop));
        EXPECT_EQ(sweep->Text3->Text(), QString::fromLatin1(c.step));
        EXPECT_TRUE(sweep->Command1->Enabled());
        EXPECT_TRUE(Module1::MSComm1().PortOpen());
    }
    EXPECT_EQ(line, "") << "nothing is sent after a failed check";
}


TEST_F(SweepTest, TheWindowHasItsCaptionControlsAndTabOrder)
{
    Open();
    EXPECT_EQ(sweep->windowTitle(), QStringLiteral("Frequency Sweep"));
    EXPECT_EQ(sweep->size(), QSize(356, 248));

    const struct {
        QWidget* widget;
        QString caption;
        QRect pixels;
    } controls[] = {
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
    for (const auto& c : controls) {
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
    const struct {
        const char *mainStep, *sweepStep;   // Hz, kHz
    } cases[] = {
        {"1000000", "1000"}, {"1500", "1"}, {"999", "0"}, {"0.5", "0"}, {"-1500", "-2"}, {"-0", "0"},
        {"5000000000000000000000", "5000000000000000000"},   // every digit, never an exponent
        {"abc", ""}, {"", ""}, {"1e6", ""},                   // no number: nothing to offer
    };
    test::PseudoTerminal three(3);
    Pick(form->Combo1, QStringLiteral("3"));
    form->Text1->SetText(QStringLiteral(" 2400.1x"));
    for (const auto& c : cases) {
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

TEST_F(SweepTest, APortStillHeldByAMainWindowCommandIsNeitherWrittenNorClosedByTheSweep)
{
    // "SWEEP" pressed while a main-window command waits for the line on port 1.
    Module1::OpenPort(1);
    Open();
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages[0].contains(QStringLiteral("busy"))) << recorder.messages[0].toStdString();

    Sweep("1000", "1000.2", "100");
    EXPECT_EQ(line, "");
    ASSERT_EQ(recorder.messages.size(), 2);
    EXPECT_TRUE(recorder.messages[1].contains(QStringLiteral("not open"))) << recorder.messages[1].toStdString();

    sweep->Command2->click();
    EXPECT_TRUE(Module1::MSComm1().PortOpen()) << "the waiting command still owns the port";
    Module1::SendCommand("S\r");
    EXPECT_EQ(far->ReadAll(20), "S\r");
    Module1::ClosePort();
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
    // The sweep has given up its port, so sending again would lead nowhere.
    for (const char* part : {"went away", "The sweep has stopped; nothing", "close this window and open it again"})
        EXPECT_TRUE(recorder.messages[0].contains(QLatin1String(part))) << recorder.messages[0].toStdString();
    EXPECT_FALSE(recorder.messages[0].contains(QLatin1String("send the command again")));
    EXPECT_EQ(discards, std::vector<bool>{true}) << "the rest of the failed command is dropped before the close";
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
