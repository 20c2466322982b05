#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

namespace {

MessageSink& Sink()
{
    static MessageSink sink;
    return sink;
}

void ShowRealBox(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

}  // namespace

void ShowErrorMessage(const QString& text)
{
    if (Sink())
        Sink()(text);
    else
        ShowRealBox(text);
}

void SetMessageSink(MessageSink sink) { Sink() = std::move(sink); }

}  // namespace platform
