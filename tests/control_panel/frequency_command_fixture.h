#pragma once

#include "form1_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QList>
#include <QStringList>
#include <cstring>

// The main window with port 1 standing ready as a pseudo terminal, and every
// error message recorded together with what the window looked like while the
// message was up.
class FrequencyCommandTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        platform::SetMessageSink([this](const QString& text) {
            shown.append({text, Module1::MSComm1().PortOpen(), form->focusWidget()});
        });
    }

    // Types the entries and picks the letter, as the user does. A text with
    // a line break is pasted into the emptied entry, as it comes from a
    // terminal or a spreadsheet.
    void Enter(const char* letter, const char* frequency, const char* channel0 = " ", const char* step = "1000000")
    {
        Pick(form->Combo3, QString::fromLatin1(letter));
        const auto put = [](platform::TextBox* entry, const char* text) {
            if (!std::strpbrk(text, "\r\n"))
                return entry->SetText(QString::fromLatin1(text));
            entry->clear();
            QGuiApplication::clipboard()->setText(QString::fromLatin1(text));
            entry->paste();
        };
        put(form->Text1, frequency);
        put(form->Text2, channel0);
        put(form->Text3, step);
    }

    // Clicks the button with the focus elsewhere, so that a test can tell
    // whether a refusal has moved it.
    void Click(platform::CommandButton* button)
    {
        shown.clear();
        form->Command2->setFocus();
        button->click();
    }

    QStringList Messages() const
    {
        QStringList texts;
        for (const Shown& s : shown)
            texts << s.text;
        return texts;
    }

    // A refused click: its one message shown while the port was still open
    // and before the focus moved, then the focus in the entry at fault, and
    // nothing on the line, on display or in the history.
    void ExpectRefused(const char* message, QWidget* entry, const QString& displayBefore, int historyBefore)
    {
        ASSERT_EQ(Messages(), QStringList{QString::fromLatin1(message)});
        EXPECT_TRUE(shown[0].portOpen) << "the port closes only after the message";
        EXPECT_EQ(shown[0].focus, form->Command2) << "the focus moves only after the message";
        EXPECT_EQ(form->focusWidget(), entry);
        EXPECT_FALSE(Module1::MSComm1().PortOpen());
        EXPECT_EQ(line.ReadAll(30), "");
        EXPECT_EQ(form->Text4->Text(), displayBefore);
        EXPECT_EQ(form->Combo2->ListCount(), historyBefore);
    }

    struct Shown {
        QString text;
        bool portOpen;
        QWidget* focus;
    };
    QList<Shown> shown;
    test::PseudoTerminal line{1};
};
