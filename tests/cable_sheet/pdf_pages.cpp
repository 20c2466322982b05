#include "tests/cable_sheet/pdf_pages.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace test {

namespace {

QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

PdfFacts ReadPdf(const QString& path)
{
    PdfFacts facts;
    facts.raw = Run(QStringLiteral("pdfinfo"), {path});
    const auto pages = QRegularExpression(QStringLiteral(R"(^Pages:\s+(\d+))"), QRegularExpression::MultilineOption)
                           .match(facts.raw);
    const auto size = QRegularExpression(QStringLiteral(R"(^Page size:\s+([\d.]+) x ([\d.]+))"),
                                         QRegularExpression::MultilineOption)
                          .match(facts.raw);
    const auto rot = QRegularExpression(QStringLiteral(R"(^Page rot:\s+(\d+))"), QRegularExpression::MultilineOption)
                         .match(facts.raw);
    if (!pages.hasMatch() || !size.hasMatch())
        return facts;
    facts.pages = pages.captured(1).toInt();
    facts.pageSize = {size.captured(1).toDouble(), size.captured(2).toDouble()};
    if (rot.hasMatch() && rot.captured(1).toInt() % 180 == 90)
        facts.pageSize.transpose();
    return facts;
}

QImage RenderFirstPage(const QString& path, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    Run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"), QString::number(dpi), path, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QRect InkBounds(const QImage& page)
{
    QRect bounds;
    for (int y = 0; y < page.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x)
            if (qGray(line[x]) < 240)
                bounds |= QRect(x, y, 1, 1);
    }
    return bounds;
}

}  // namespace test
