#include "platform/fonts.h"

#include <QStringList>

#include <cmath>

namespace platform {

namespace {
const char* const kLayoutFamily = "MS Sans Serif";
}

QFont WindowFont(double points, bool bold, bool underline)
{
    QFont f(kLayoutFamily);
    f.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

void InstallFontSubstitutes()
{
    QFont::insertSubstitutions(QString::fromLatin1(kLayoutFamily),
                               QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

}  // namespace platform
