#include "platform/handler.h"

#include "platform/message_box.h"

#include <QCoreApplication>
#include <QPointer>
#include <vector>

namespace platform {

namespace {

int g_depth = 0;

std::vector<QPointer<QObject>>& Pending()
{
    static std::vector<QPointer<QObject>> pending;
    return pending;
}

void ReleasePending()
{
    std::vector<QPointer<QObject>> pending;
    pending.swap(Pending());
    for (const auto& p : pending)
        if (p)
            p->deleteLater();
}

}  // namespace

HandlerScope::HandlerScope() { ++g_depth; }

HandlerScope::~HandlerScope()
{
    if (--g_depth == 0)
        ReleasePending();
}

int HandlerDepth() { return g_depth; }

void DestroyWhenIdle(QObject* object)
{
    Pending().emplace_back(object);
    if (g_depth == 0)
        ReleasePending();
}

void DestroyPendingNow()
{
    ReleasePending();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ReportUnexpected(const std::exception& e)
{
    try {
        ShowErrorMessage(QString::fromLocal8Bit(e.what()));
    } catch (...) {
    }
}

void ReportUnexpected()
{
    try {
        ShowErrorMessage(QStringLiteral("An unexpected error occurred."));
    } catch (...) {
    }
}

}  // namespace platform
