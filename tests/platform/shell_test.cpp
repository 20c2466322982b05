#include "platform/shell.h"
#include "tests/support/pseudo_terminal.h"
#include "tests/support/recording_opener.h"

#include <QElapsedTimer>
#include <optional>
#include <gtest/gtest.h>

TEST(Shell, ReturnsWithoutWaitingForTheDesktopHandler)
{
    test::RecordingOpener slowBrowser(2);
    test::MessageRecorder recorder;
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(platform::ShellExecuteA(nullptr, "open", "https://www.example.com/", "0", "0", 0));
    EXPECT_LT(clock.elapsed(), 1000) << "the window would freeze while the browser starts";
    // The values that the desktop's handler has no use for stay out of its
    // command line.
    EXPECT_EQ(slowBrowser.WaitForCalls(1, 10000), QStringList{QStringLiteral("1\thttps://www.example.com/")});
    EXPECT_EQ(recorder.messages, QStringList{});
}

TEST(Shell, WhatCannotBeOpenedIsReportedAndNothingRuns)
{
    struct Case {
        const char* what;
        const char* operation;
        const char* file;
        bool handlerOnPath;
        const char* message;
    };
    const Case cases[] = {
        {"no handler on PATH", "open", "mailto:sales@example.com", false, "xdg-open"},
        {"empty target", "open", "", true, "nothing to open"},
        {"absent target", "open", nullptr, true, "nothing to open"},
        {"other operation", "print", "https://www.example.com/", true, "\"print\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::MessageRecorder recorder;
        test::RecordingOpener opener;
        std::optional<test::EmptyPath> noHandler;
        if (!c.handlerOnPath)
            noHandler.emplace();
        EXPECT_FALSE(platform::ShellExecuteA(nullptr, c.operation, c.file, "0", "0", 0));
        ASSERT_EQ(recorder.messages.size(), 1);
        EXPECT_TRUE(recorder.messages[0].contains(QString::fromUtf8(c.message))) << recorder.messages[0].toStdString();
        noHandler.reset();
        EXPECT_EQ(opener.SettledCalls(100), QStringList{});
    }
}
