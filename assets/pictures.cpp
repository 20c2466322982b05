#include "assets/pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace assets {

namespace {
// The fingertip of the pointing hand.
constexpr int kLinkHotX = 11;
constexpr int kLinkHotY = 1;
}  // namespace

QIcon AppIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap(QStringLiteral(":/app_icon_32.xpm")));
    icon.addPixmap(QPixmap(QStringLiteral(":/app_icon_16.xpm")));
    return icon;
}

QCursor LinkCursor()
{
    return QCursor(QPixmap(QStringLiteral(":/link_cursor.xpm")), kLinkHotX, kLinkHotY);
}

QPixmap RenderSvg(const QString& resource, const QHash<QString, QString>& tokens)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString svg = QString::fromUtf8(file.readAll());
    for (auto it = tokens.cbegin(); it != tokens.cend(); ++it)
        svg.replace(QStringLiteral("{{") + it.key() + QStringLiteral("}}"), it.value().toHtmlEscaped());

    QSvgRenderer renderer(svg.toUtf8());
    if (!renderer.isValid())
        return {};
    // Drawn in the screen's own pixels, so that a scaled desktop shows the
    // lettering as sharp as the labels beside it rather than a 1x picture
    // enlarged. Its size in the window's units stays the picture's own.
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap picture(renderer.defaultSize() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), renderer.defaultSize()));
    return picture;
}

}  // namespace assets
