#include "platform/shell.h"
#include "tests/support/pseudo_terminal.h"
#include "tests/support/recording_opener.h"

#include <QElapsedTimer>
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
