#pragma once

#include "control_panel/form1.h"
#include "device_link/module1.h"
#include "platform/handler.h"
#include "tests/support/pseudo_terminal.h"

#include <QPointer>
#include <gtest/gtest.h>

// A freshly started main window, with error messages recorded instead of
// shown. Each test gets a new window.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = &platform::Ref<form1>();
        guard = form;
    }
    void TearDown() override
    {
        if (guard && !guard->IsUnloaded())
            guard->Unload();
        platform::DestroyPendingNow();
        EXPECT_FALSE(Module1::MSComm1().PortOpen()) << "a command left the port open";
    }

    // Picks a letter as the user does, raising the list's click event.
    void Pick(platform::ComboBox* list, const QString& item)
    {
        const int index = list->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(index, 0) << item.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    test::MessageRecorder recorder;
    form1* form = nullptr;
    QPointer<form1> guard{form};
};
