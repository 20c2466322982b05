#include "form1_fixture.h"

#include "assets/pictures.h"
#include "cable_sheet/form4.h"
#include "tests/support/recording_opener.h"

#include <QApplication>
#include <QTest>
#include <algorithm>

namespace {

void ClickOn(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

// A call of the handler with exactly one argument.
QString OpenerCall(const QString& target) { return QStringLiteral("1\t") + target; }

QList<Form4*> CableWindows()
{
    QList<Form4*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<Form4*>(w); f && !f->IsUnloaded())
            found << f;
    return found;
}

QStringList Sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

}  // namespace

TEST_F(MainWindowTest, OnlyTheLinksHandTheirAddressToTheDesktopHandlerOncePerClickInEveryState)
{
    // Any attempt to open a port would fail loudly on this device.
    test::PortMapping noPort1(1, "/nonexistent/qrvn-port"), noPort4(4, "/nonexistent/qrvn-port");
    struct State {
        const char* letter;
        const char* port;
        const char* frequency;
        const char* step;
    };
    const State states[] = {{"D", "1", "1000", "1000000"}, {"R", "4", "", ""}, {"c", "1", "abc", " "}};
    const QString web = form->Image1->toolTip();
    const QString mail = QStringLiteral("mailto:") + form->Label3->Caption();

    for (const State& s : states) {
        SCOPED_TRACE(s.letter);
        Pick(form->Combo3, QString::fromLatin1(s.letter));
        Pick(form->Combo1, QString::fromLatin1(s.port));
        form->Text1->SetText(QString::fromLatin1(s.frequency));
        form->Text3->SetText(QString::fromLatin1(s.step));

        test::RecordingOpener opener;
        for (platform::Label* label : form->findChildren<platform::Label*>())
            if (label != form->Label3 && label != form->Image1 && label->isVisible())
                ClickOn(label);   // no link
        ClickOn(form->Image1);
        ClickOn(form->Image1);
        ClickOn(form->Label3);
        opener.WaitForCalls(3);
        // Detached runs may finish in any order.
        EXPECT_EQ(Sorted(opener.SettledCalls()), Sorted({OpenerCall(web), OpenerCall(web), OpenerCall(mail)}));
    }
    EXPECT_EQ(recorder.messages, QStringList{});
    EXPECT_FALSE(Module1::MSComm1().PortOpen());
}

TEST_F(MainWindowTest, MissingDesktopHandlerIsReportedAndTheWindowGoesOn)
{
    {
        test::EmptyPath noOpener;
        ClickOn(form->Image1);
        ClickOn(form->Label3);
    }
    ASSERT_EQ(recorder.messages.size(), 2);
    EXPECT_TRUE(recorder.messages[0].contains(form->Image1->toolTip())) << recorder.messages[0].toStdString();
    EXPECT_TRUE(recorder.messages[1].contains(QStringLiteral("mailto:") + form->Label3->Caption()));
    for (const QString& m : recorder.messages)
        EXPECT_TRUE(m.contains(QStringLiteral("xdg-open"))) << m.toStdString();

    EXPECT_FALSE(form->IsUnloaded());
    test::RecordingOpener opener;
    ClickOn(form->Label3);
    EXPECT_EQ(opener.WaitForCalls(1).size(), 1) << "the link works again once a handler is there";
}

TEST_F(MainWindowTest, OnlyTheLinksCarryTheLinkCursor)
{
    const QCursor link = assets::LinkCursor();
    EXPECT_EQ(link.hotSpot(), QPoint(11, 1));
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const bool isLink = w == form->Image1 || w == form->Label3;
        SCOPED_TRACE(w->metaObject()->className());
        if (!isLink) {
            EXPECT_NE(w->cursor().shape(), Qt::BitmapCursor) << "a control other than the links has a picture cursor";
            continue;
        }
        EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(w->cursor().hotSpot(), link.hotSpot());
        EXPECT_EQ(w->cursor().pixmap().toImage(), link.pixmap().toImage());
    }
    EXPECT_NE(form->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(MainWindowTest, CableButtonOpensOneCableWindowBesideTheMainWindow)
{
    form->Command3->click();
    QPointer<Form4> cable = CableWindows().value(0);
    ASSERT_TRUE(cable) << "the cable window did not open";
    EXPECT_TRUE(cable->isVisible());
    EXPECT_EQ(cable->parentWidget(), nullptr) << "no owner window";
    EXPECT_EQ(cable->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(form->isEnabled());

    form->Command3->click();
    EXPECT_EQ(CableWindows(), QList<Form4*>{cable.data()}) << "a second press reaches the open window";

    cable->Unload();
    platform::DestroyPendingNow();
    EXPECT_FALSE(cable);
    EXPECT_FALSE(form->IsUnloaded()) << "closing the cable window leaves the main window";
}
