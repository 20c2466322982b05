#include "platform/printer.h"

#include "platform/message_box.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace platform {

namespace {

PrintFileNamer& FileNamer()
{
    static PrintFileNamer namer;
    return namer;
}

void ReportPrintFailure(const QString& printer, const QString& why)
{
    ShowErrorMessage(QStringLiteral("The window could not be printed on %1: %2").arg(printer, why));
}

}  // namespace

void Printer::SetOrientation(short value)
{
    if (value != kPortrait && value != kLandscape)
        throw std::invalid_argument("The printer orientation " + std::to_string(value) +
                                    " is invalid: 1 is portrait, 2 landscape.");
    orientation_ = value;
}

bool Printer::PrintForm(QWidget* window)
{
    // Taken before the job starts, so the page shows the window as the user
    // saw it when pressing the button.
    const QPixmap image = window->grab();

    QPrinter printer(QPrinter::HighResolution);
    QString name;
    if (FileNamer()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(FileNamer()());
        name = printer.outputFileName();
    } else {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            ShowErrorMessage(QStringLiteral("The window could not be printed: no default printer is set up.\n"
                                            "Set one up in the system's printer settings, then print again."));
            return false;
        }
        printer.setPrinterName(info.printerName());
        name = QStringLiteral("the printer %1").arg(info.printerName());
    }
    printer.setDocName(window->windowTitle());
    printer.setPageOrientation(orientation_ == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);

    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer)) {
        ReportPrintFailure(name, QStringLiteral("the printer could not be opened."));
        return false;
    }
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.x() + (page.width() - size.width()) / 2, page.y(), size.width(), size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, image);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        ReportPrintFailure(name, QStringLiteral("the printer reported an error."));
        return false;
    }
    return true;
}

Printer& DefaultPrinter()
{
    static Printer printer;
    return printer;
}

void SetPrintToFile(PrintFileNamer namer) { FileNamer() = std::move(namer); }

}  // namespace platform
