#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

namespace test {

// What poppler's tools make of a PDF file: the page count and the first
// page's size in points as it shows (its rotation applied), or a page count
// of -1 when the file cannot be read.
struct PdfFacts {
    int pages = -1;
    QSizeF pageSize;
    QString raw;
};
PdfFacts ReadPdf(const QString& path);

// The first page rendered at `dpi`.
QImage RenderFirstPage(const QString& path, int dpi);

// The smallest rectangle holding every pixel that is not near white.
QRect InkBounds(const QImage& page);

}  // namespace test
