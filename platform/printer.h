#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// The default printer, as the windows' handlers use it: an orientation that
// stays set from one job to the next, and the printing of a window's image.
class Printer {
public:
    static constexpr short kPortrait = 1;
    static constexpr short kLandscape = 2;

    short Orientation() const { return orientation_; }
    // 1 portrait, 2 landscape; any other value is refused with an exception.
    void SetOrientation(short value);

    // Prints an image of the window's client area as one job, scaled to fit
    // the page with its proportions kept. A missing default printer or a
    // printer error is reported in the "Error" box; the result tells whether
    // the job was made.
    bool PrintForm(QWidget* window);

private:
    short orientation_ = kPortrait;
};

// The one printer object of the program.
Printer& DefaultPrinter();

// Seam for tests: each job goes, as PDF, to the file the function names
// instead of to the default printer; an empty function restores the printer.
using PrintFileNamer = std::function<QString()>;
void SetPrintToFile(PrintFileNamer namer);

}  // namespace platform
