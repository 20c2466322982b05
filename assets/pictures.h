#pragma once

#include <QCursor>
#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace assets {

// The application icon, 32x32 and 16x16.
QIcon AppIcon();

// The pointing hand shown over the maker links.
QCursor LinkCursor();

// Renders an SVG picture of the resources at its own size, in the pixels of
// the sharpest screen, after replacing each {{KEY}} token with its text.
QPixmap RenderSvg(const QString& resource, const QHash<QString, QString>& tokens = {});

}  // namespace assets
