#include "cable_sheet/form4.h"
#include "control_panel/form1.h"
#include "platform/handler.h"
#include "platform/message_box.h"
#include "sweep/form2.h"
#include "tests/support/pseudo_terminal.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// WCAG's contrast ratio of two colours, from 1 (none) to 21.
double Contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every text of a window against the background it is drawn on: an entry's
// and a list's own base, a button's face, a label's window.
void ExpectEveryTextReads(QWidget* window)
{
    SCOPED_TRACE(window->windowTitle().toStdString());
    const auto expect = [](const QWidget* w, QPalette::ColorRole text, QPalette::ColorRole back) {
        const double ratio = Contrast(w->palette().color(text), w->palette().color(back));
        EXPECT_GE(ratio, 3.0) << w->metaObject()->className() << " \"" << w->objectName().toStdString() << "\" "
                              << w->palette().color(text).name().toStdString() << " on "
                              << w->palette().color(back).name().toStdString();
    };
    int texts = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
            expect(w, QPalette::WindowText, QPalette::Window);
        else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w))
            expect(w, QPalette::Text, QPalette::Base);
        else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w))
            expect(w, QPalette::ButtonText, QPalette::Button);
        else
            continue;
        ++texts;
    }
    EXPECT_GT(texts, 1);
}

// The desktop's palette for the life of the object, then the one before.
class DesktopScheme {
public:
    explicit DesktopScheme(const QPalette& scheme) { QApplication::setPalette(scheme); }
    ~DesktopScheme() { QApplication::setPalette(before_); }

private:
    QPalette before_ = QApplication::palette();
};

}  // namespace

// The entries' and lists' fixed light backgrounds need dark text, whatever
// colour scheme the desktop has.
TEST(ColourScheme, EveryTextOfEveryWindowReadsAgainstItsOwnBackground)
{
    test::PseudoTerminal far(1);   // the sweep window opens port 1
    // Given a dark window colour, Qt works out light texts on dark bases.
    const QColor dark(0x35, 0x35, 0x35);
    const std::pair<const char*, QPalette> schemes[] = {{"default", QApplication::palette()}, {"dark", {dark, dark}}};
    for (const auto& [name, scheme] : schemes) {
        SCOPED_TRACE(name);
        DesktopScheme desktop(scheme);
        {
            test::MessageRecorder recorder;
            form1& main = platform::Ref<form1>();
            Form2& sweep = platform::Ref<Form2>();
            Form4& cable = platform::Ref<Form4>();
            const std::initializer_list<QWidget*> windows = {&sweep, &cable, &main};
            for (QWidget* window : windows)
                ExpectEveryTextReads(window);
            // The close boxes, so that the sweep window gives its port back.
            for (QWidget* window : windows)
                window->close();
            platform::DestroyPendingNow();
            EXPECT_EQ(recorder.messages.join(" | ").toStdString(), "");
        }

        // The real error box, closed by a timer.
        QObject scope;
        bool looked = false;
        QTimer::singleShot(50, &scope, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            ExpectEveryTextReads(box);
            looked = true;
            box->button(QMessageBox::Ok)->click();
        });
        platform::ShowErrorMessage(QStringLiteral("PLEASE ENTER VALID FREQUENCY "));
        EXPECT_TRUE(looked);
    }
}
