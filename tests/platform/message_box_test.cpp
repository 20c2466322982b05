#include "platform/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

// The production path: a real box, closed by a timer as a user would.
TEST(ErrorMessage, RealBoxHasTheTitleTheTextAnOkButtonAndNoIcon)
{
    QString title, text;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QObject scope;   // a box that never ran leaves no timer behind
    QTimer::singleShot(50, &scope, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = int(box->buttons().size());
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    platform::ShowErrorMessage(QStringLiteral("PLEASE ENTER VALID FREQUENCY "));
    EXPECT_EQ(title, QStringLiteral("Error"));
    EXPECT_EQ(text, QStringLiteral("PLEASE ENTER VALID FREQUENCY "));
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}
