#pragma once

#include "platform/runtime.h"
#include "sweep/form2.h"
#include "tests/control_panel/form1_fixture.h"

#include <QCoreApplication>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

// The main window with its start-up values, port 1 on a pseudo terminal, and
// a clock that moves 10 ms at each reading, so a sweep's pauses cost no real
// time. Every pump of events reads what has reached the line so far.
class SweepTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        platform::SetClock([this] {
            now += 0.01;
            return float(now);
        });
        platform::SetEventPump([this] {
            ++pumps;
            if (far)
                line += far->ReadAll(0);
            QCoreApplication::processEvents();
            if (onPump)
                onPump();
        });
        platform::MSComm::SetDiscardObserver([this](int) { discards.push_back(Module1::MSComm1().PortOpen()); });
    }

    void TearDown() override
    {
        onPump = nullptr;
        if (sweep && !sweep->IsUnloaded())
            sweep->Command2->click();
        platform::SetClock({});
        platform::SetEventPump({});
        platform::MSComm::SetQueueReader({});
        platform::MSComm::SetDiscardObserver({});
        MainWindowTest::TearDown();
    }

    // Opens the sweep window as the main window's "SWEEP" does, but modeless,
    // so that the test goes on while it is open.
    Form2& Open()
    {
        sweep = &platform::Ref<Form2>();
        sweep->Show();
        return *sweep;
    }

    // Types the three entries and presses " SWEEP"; returns when the sweep has
    // ended, with everything the line received.
    std::string Sweep(const char* start, const char* stop, const char* step)
    {
        sweep->Text1->SetText(QString::fromLatin1(start));
        sweep->Text2->SetText(QString::fromLatin1(stop));
        sweep->Text3->SetText(QString::fromLatin1(step));
        sweep->Command1->click();
        line += far ? far->ReadAll(20) : std::string();
        return line;
    }

    // The bytes the board must receive for these frequencies in kHz.
    static std::string Commands(std::initializer_list<unsigned long> kHz)
    {
        std::string bytes;
        char text[16];
        for (unsigned long f : kHz) {
            std::snprintf(text, sizeof text, "K%08lX\r", f);
            bytes += text;
        }
        return bytes;
    }

    std::unique_ptr<test::PseudoTerminal> far = std::make_unique<test::PseudoTerminal>(1);
    QPointer<Form2> sweep;
    double now = 1000;
    int pumps = 0;
    std::string line;
    std::function<void()> onPump;
    std::vector<bool> discards;   // whether the port was open at each
};
