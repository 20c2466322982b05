#include "platform/form.h"
#include "platform/handler.h"
#include "platform/runtime.h"
#include "tests/support/pseudo_terminal.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class Probe : public platform::Form {
public:
    void Form_Load() override { ++loads; }
    int loads = 0;
};

}  // namespace

TEST(Forms, FirstUseCreatesOneHiddenInstanceAndLaterUsesReachIt)
{
    Probe& first = platform::Ref<Probe>();
    EXPECT_EQ(first.loads, 1);
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(&platform::Ref<Probe>(), &first);
    EXPECT_EQ(first.loads, 1);

    first.Unload();
    platform::DestroyPendingNow();
    Probe& second = platform::Ref<Probe>();
    EXPECT_EQ(second.loads, 1) << "a use after unload creates the window afresh";
    second.Unload();
    platform::DestroyPendingNow();
}

TEST(Forms, UnloadFromAHandlerThatPumpsEventsKeepsTheWindowUntilTheHandlerReturns)
{
    auto* form = new Probe;
    QPointer<Probe> watch(form);
    const auto unloaded = form->UnloadedFlag();

    platform::RunHandler([&] {
        // Another handler closes the window while this one waits.
        QTimer::singleShot(0, form, [form] { platform::RunHandler([form] { form->Unload(); }); });
        for (int i = 0; i < 5; ++i)
            platform::DoEvents();
        EXPECT_TRUE(*unloaded);
        EXPECT_FALSE(watch.isNull()) << "destroyed under a running handler";
    });
    platform::DestroyPendingNow();
    EXPECT_TRUE(watch.isNull());
}

TEST(Forms, CloseBoxUnloadsAndNoExceptionEscapesAHandler)
{
    auto* form = new Probe;
    form->Show();
    form->close();
    EXPECT_TRUE(form->IsUnloaded());
    platform::DestroyPendingNow();

    test::MessageRecorder recorder;
    platform::RunHandler([] { throw std::runtime_error("the port went away"); });
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_EQ(recorder.messages[0], QStringLiteral("the port went away"));
    EXPECT_EQ(platform::HandlerDepth(), 0);
}
