#include "form4_fixture.h"

#include "platform/printer.h"
#include "tests/cable_sheet/pdf_pages.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <pwd.h>
#include <unistd.h>

namespace {

// Sends every print job to a new PDF file of its own.
class PdfJobs {
public:
    PdfJobs()
    {
        platform::SetPrintToFile([this] { return dir.filePath(QStringLiteral("job-%1.pdf").arg(++count)); });
    }
    ~PdfJobs() { platform::SetPrintToFile({}); }
    QStringList Files() const
    {
        QStringList files;
        for (const QString& name : QDir(dir.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name))
            files << dir.filePath(name);
        return files;
    }

    QTemporaryDir dir;
    int count = 0;
};

// How far the page's picture is from the window's image: the mean difference
// per colour channel, 0 to 255, compared small so that how a printer draws
// thin lines does not count.
double MeanDifference(const QImage& page, const QRect& where, const QImage& window)
{
    const QSize small = window.size().scaled(160, 160, Qt::KeepAspectRatio);
    const auto shrink = [&](const QImage& image) {
        return image.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    };
    const QImage a = shrink(page.copy(where));
    const QImage b = shrink(window);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// Where the paper itself lies in portrait, as on a real printer, a
// landscape job comes out turned a quarter turn on it.
enum class Paper { Landscape, PortraitTurned };

void ExpectOneLandscapePageShowing(const QString& pdf, const QImage& window, Paper paper)
{
    SCOPED_TRACE(pdf.toStdString());
    const test::PdfFacts facts = test::ReadPdf(pdf);
    ASSERT_EQ(facts.pages, 1) << facts.raw.toStdString();
    const bool landscapePaper = facts.pageSize.width() > facts.pageSize.height();
    EXPECT_EQ(landscapePaper, paper == Paper::Landscape) << facts.raw.toStdString();

    QImage page = test::RenderFirstPage(pdf, 50);
    ASSERT_FALSE(page.isNull());
    if (!landscapePaper) {
        // The side the printer turns it to is its own choice.
        const QImage left = page.transformed(QTransform().rotate(90));
        const QImage right = page.transformed(QTransform().rotate(-90));
        const QRect l = test::InkBounds(left), r = test::InkBounds(right);
        page = !l.isEmpty() && (r.isEmpty() || MeanDifference(left, l, window) < MeanDifference(right, r, window))
                   ? left
                   : right;
    }
    const QRect ink = test::InkBounds(page);
    ASSERT_FALSE(ink.isEmpty()) << "blank page";
    // The window's image, its proportions kept, as large as the page allows.
    EXPECT_NEAR(double(ink.width()) / ink.height(), double(window.width()) / window.height(), 0.03);
    EXPECT_GT(ink.height(), page.height() * 0.8);
    EXPECT_LT(MeanDifference(page, ink, window), 12.0);
}

}  // namespace

TEST_F(CableWindowTest, EachPressPrintsOneLandscapeJobOfTheWindow)
{
    PdfJobs jobs;
    const QImage window = form->grab().toImage();
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE(press);
        // Another program's setting is put back each time by the press.
        platform::DefaultPrinter().SetOrientation(platform::Printer::kPortrait);
        Press(form->Command1);
        EXPECT_EQ(platform::DefaultPrinter().Orientation(), platform::Printer::kLandscape);
        const QStringList files = jobs.Files();
        ASSERT_EQ(files.size(), press) << "one job per press";
        ExpectOneLandscapePageShowing(files.back(), window, Paper::Landscape);
    }
    EXPECT_TRUE(form->isVisible()) << "the window stays open";
    EXPECT_EQ(recorder.messages, QStringList{});
}

TEST_F(CableWindowTest, PrinterThatCannotBeOpenedIsReportedAndTheWindowGoesOn)
{
    platform::SetPrintToFile([] { return QStringLiteral("/nonexistent/qrvn/job.pdf"); });
    Press(form->Command1);
    platform::SetPrintToFile({});
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages[0].contains(QStringLiteral("could not be printed"))) << recorder.messages[0].toStdString();
    EXPECT_TRUE(form->isVisible());

    PdfJobs jobs;
    Press(form->Command1);
    EXPECT_EQ(jobs.Files().size(), 1) << "the next press prints";
}

// Run by the test below in a process of its own whose CUPS client sees no
// server, so that no default printer exists.
TEST_F(CableWindowTest, DISABLED_NoDefaultPrinterChild)
{
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull()) << "a default printer is still visible";
    Press(form->Command1);
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages[0].contains(QStringLiteral("no default printer"))) << recorder.messages[0].toStdString();
    EXPECT_TRUE(form->isVisible());
}

TEST(CablePrinting, NoDefaultPrinterIsReported)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
    env.remove(QStringLiteral("PRINTER"));
    env.remove(QStringLiteral("LPDEST"));
    env.insert(QStringLiteral("HOME"), QDir::tempPath());  // no lpoptions of the user's
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=CableWindowTest.DISABLED_NoDefaultPrinterChild")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString out = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("[  PASSED  ] 1 test"))) << out.toStdString();
}

namespace {

// The directories where cups-pdf puts its files, from its configuration.
QStringList CupsPdfOutputDirs()
{
    QString out = QStringLiteral("${HOME}/PDF");
    QString anonymous = QStringLiteral("/var/spool/cups-pdf/ANONYMOUS");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromUtf8(conf.readAll()).split(QLatin1Char('\n'))) {
            const QStringList words = line.simplified().split(QLatin1Char(' '));
            if (words.size() == 2 && words[0] == QLatin1String("Out"))
                out = words[1];
            if (words.size() == 2 && words[0] == QLatin1String("AnonDirName"))
                anonymous = words[1];
        }
    const passwd* user = ::getpwuid(::getuid());
    const QString home = user ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
    out.replace(QStringLiteral("${HOME}"), home);
    return {out, anonymous};
}

QMap<QString, QDateTime> PdfFilesIn(const QStringList& dirs)
{
    QMap<QString, QDateTime> files;
    for (const QString& d : dirs)
        for (const QFileInfo& f : QDir(d).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
            files[f.absoluteFilePath()] = f.lastModified();
    return files;
}

QString RunTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

// The whole way to a real default printer: CUPS with a printer that writes
// PDF files (set up by the CI script), so that no paper is used.
TEST_F(CableWindowTest, PrintsOnTheRealDefaultPrinter)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        GTEST_SKIP() << "SKIPPED: no default printer. Run .ci/setup-pdf-printer (as root) to set up a CUPS "
                        "PDF printer as the default, then run this test again.";
    const QString device = RunTool(QStringLiteral("lpstat"), {QStringLiteral("-v"), printer.printerName()});
    if (!device.contains(QStringLiteral("cups-pdf:")))
        GTEST_SKIP() << "SKIPPED: the default printer " << printer.printerName().toStdString()
                     << " is not a cups-pdf printer, and this test prints no real paper.";

    const QStringList dirs = CupsPdfOutputDirs();
    const QMap<QString, QDateTime> before = PdfFilesIn(dirs);
    const QImage window = form->grab().toImage();
    Press(form->Command1);
    ASSERT_EQ(recorder.messages, QStringList{});

    QString made;
    QElapsedTimer clock;
    clock.start();
    while (made.isEmpty() && clock.elapsed() < 60000) {
        const QMap<QString, QDateTime> now = PdfFilesIn(dirs);
        for (auto it = now.cbegin(); it != now.cend(); ++it)
            if (!before.contains(it.key()) || before[it.key()] != it.value())
                made = it.key();
        if (made.isEmpty())
            QThread::msleep(200);
    }
    ASSERT_FALSE(made.isEmpty()) << "no PDF appeared in " << dirs.join(QStringLiteral(", ")).toStdString()
                                 << "\njobs: " << RunTool(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")}).toStdString();
    // cups-pdf writes the file as the job runs: wait until it is whole.
    test::PdfFacts facts;
    while ((facts = test::ReadPdf(made)).pages < 0 && clock.elapsed() < 60000)
        QThread::msleep(200);
    ExpectOneLandscapePageShowing(made, window, Paper::PortraitTurned);
    QFile::remove(made);
}
