#pragma once

#include "cable_sheet/form4.h"
#include "platform/handler.h"
#include "tests/support/pseudo_terminal.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

// A freshly opened cable window, with error messages recorded instead of
// shown.
class CableWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = &platform::Ref<Form4>();
        form->Show();
        guard = form;
    }
    void TearDown() override
    {
        if (guard && !guard->IsUnloaded())
            guard->Unload();
        platform::DestroyPendingNow();
    }

    static void Press(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center()); }

    test::MessageRecorder recorder;
    Form4* form = nullptr;
    QPointer<Form4> guard;
};
