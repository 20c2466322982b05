#include "form4_fixture.h"

#include <QFile>
#include <QMap>
#include <QXmlStreamReader>
#include <algorithm>
#include <vector>

namespace {

struct Place {
    QWidget* control;
    QRect pixels;
};

std::vector<Place> StoredPlaces(Form4* f)
{
    return {{f->Image1, {0, 0, 804, 577}}, {f->Command1, {184, 584, 145, 49}}, {f->Command2, {480, 584, 129, 49}}};
}

void ExpectAsStored(Form4* f)
{
    EXPECT_EQ(f->size(), QSize(804, 639));
    for (const Place& p : StoredPlaces(f))
        EXPECT_EQ(p.control->geometry(), p.pixels) << p.control->metaObject()->className();
}

}  // namespace

TEST_F(CableWindowTest, OpensAsStoredAndResizingMovesNothing)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Evaluation Board Connector Cable"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->windowIcon().isNull());
    ExpectAsStored(form);

    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_NE(form->minimumSize(), form->maximumSize()) << "the border is sizable";

    EXPECT_EQ(form->Command1->text(), QStringLiteral("Print"));
    EXPECT_EQ(form->Command2->text(), QStringLiteral("Close"));
    EXPECT_EQ(form->Command1->nextInFocusChain(), form->Command2) << "Print, then Close, in tab order";
    EXPECT_EQ(form->Image1->focusPolicy(), Qt::NoFocus);

    // Resizing moves and scales nothing.
    for (const QSize size : {QSize(400, 300), QSize(1200, 900)}) {
        form->resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(form->size(), size);
        for (const Place& p : StoredPlaces(form))
            EXPECT_EQ(p.control->geometry(), p.pixels) << size.width();
        EXPECT_EQ(form->Image1->pixmap().size(), QSize(800, 573));
    }
}

TEST_F(CableWindowTest, DrawingSitsUnscaledInsideATwoPixelBorder)
{
    const QImage drawing = form->Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(drawing.size(), QSize(800, 573));

    const QImage shown = form->Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(804, 577));
    EXPECT_EQ(shown.copy(2, 2, 800, 573), drawing);
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(803, 576), QPoint(802, 575), QPoint(400, 0), QPoint(0, 300)})
        EXPECT_EQ(qGray(shown.pixel(p)), 0) << p.x() << "," << p.y();

    // A black-on-white drawing, not an empty frame.
    int ink = 0;
    for (int y = 0; y < drawing.height(); ++y)
        for (int x = 0; x < drawing.width(); ++x)
            ink += qGray(drawing.pixel(x, y)) < 128;
    EXPECT_GT(ink, 10000);
    EXPECT_EQ(qGray(drawing.pixel(200, 200)), 255) << "the paper is white";
}

TEST_F(CableWindowTest, CloseAndTheCloseBoxDestroyItAndTheNextOpeningIsAsStored)
{
    const std::pair<const char*, std::function<void(Form4*)>> ways[] = {
        {"Close", [](Form4* f) { Press(f->Command2); }},
        {"close box", [](Form4* f) { f->close(); }},
    };
    for (const auto& [name, close] : ways) {
        SCOPED_TRACE(name);
        QPointer<Form4> open = &platform::Ref<Form4>();
        open->Show();
        open->resize(500, 400);
        close(open);
        EXPECT_FALSE(open->isVisible());
        platform::DestroyPendingNow();
        EXPECT_TRUE(open.isNull()) << "destroyed";

        Form4& next = platform::Ref<Form4>();
        EXPECT_FALSE(next.isVisible()) << "created hidden until shown";
        next.Show();
        ExpectAsStored(&next);
        guard = &next;
    }
    EXPECT_EQ(recorder.messages, QStringList{});
}

// The pin assignments of the drawing's table, row by row and column by
// column: what an engineer wires the cable from. "" is an empty cell, so a
// value drawn in a neighbouring column shows up as out of place.
TEST(CableDrawing, TableGivesEachFixturePinItsSignalsAndPins)
{
    //  DB25, first package, second package, DB15, power, PC
    const std::vector<QStringList> rows = {
        {"1", "Vtune (output) **", "", "", "", ""},
        {"2", "GND", "GND", "", "", "25"},
        {"3", "Vcc (digital)", "Vcc (digital)", "1", "1, 2", "15 (+5 V)"},
        {"4", "Vcc (converter)", "Vcc (Vtune)", "2", "3, 4", ""},
        {"5", "SCK (clock)", "SCK (clock)", "3", "", "2"},
        {"6", "MOSI (data)", "MOSI (data)", "4", "", "3"},
        {"7", "MISO (error flag)", "D2 * / MISO (error flag)", "5", "", "13"},
        {"8", "SS (LE)", "D3 * / SS (LE)", "6", "", "4"},
        {"9", "Reset", "Reset", "7", "", ""},
        {"10", "Lock detect", "Lock detect", "8", "5, 6", "12"},
        {"11", "", "", "", "", ""},
        {"12", "", "", "", "", ""},
        {"13", "VCO on/off", "", "", "", ""},
        {"14", "", "", "", "", ""},
        {"15", "GND", "GND", "", "7", ""},
        {"16", "Vcc (VCO)", "Vcc (VCO)", "9", "9, 10", ""},
        {"17", "GND", "GND", "10", "8", ""},
        {"18", "D0 *", "D0 *", "11", "", "5"},
        {"19", "D1 *", "D1 *", "12", "", "6"},
        {"20", "D2 *", "", "13", "", "7"},
        {"21", "D3 *", "", "14", "", "8"},
        {"22", "GND", "GND", "15", "", "19"},
        {"23", "D4 *", "", "", "", ""},
    };

    QFile file(QStringLiteral(":/cable_drawing.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // The table's frame and its vertical rules, as drawn, decide the column a
    // text stands in: the one its x falls into.
    std::vector<double> rules;
    struct Text {
        double x, y;
        QString text;
    };
    std::vector<Text> texts;
    QXmlStreamReader svg(&file);
    int depthInTable = 0;
    while (!svg.atEnd()) {
        svg.readNext();
        if (svg.isStartElement() && svg.attributes().value(QStringLiteral("id")) == QStringLiteral("signals"))
            depthInTable = 1;
        else if (depthInTable > 0 && svg.isStartElement())
            ++depthInTable;
        else if (depthInTable > 0 && svg.isEndElement())
            --depthInTable;
        if (depthInTable == 0 || !svg.isStartElement())
            continue;
        const auto number = [&](const char* name) { return svg.attributes().value(QLatin1String(name)).toDouble(); };
        if (svg.name() == QStringLiteral("rect")) {
            rules.push_back(number("x"));
            rules.push_back(number("x") + number("width"));
        } else if (svg.name() == QStringLiteral("line") && number("x1") == number("x2")) {
            rules.push_back(number("x1"));
        } else if (svg.name() == QStringLiteral("text")) {
            texts.push_back({number("x"), number("y"), svg.readElementText()});
            --depthInTable;
        }
    }
    std::sort(rules.begin(), rules.end());
    ASSERT_EQ(rules.size(), 7u) << "a frame around six columns";

    // Every text of the table in its cell, by baseline.
    QMap<double, QStringList> lines;
    for (const Text& t : texts) {
        const auto column = std::upper_bound(rules.begin(), rules.end(), t.x) - rules.begin() - 1;
        ASSERT_TRUE(column >= 0 && column < 6) << t.text.toStdString() << " lies outside the table";
        QStringList& cells = lines[t.y];
        cells.resize(6);
        cells[column] += (cells[column].isEmpty() ? "" : " + ") + t.text;
    }
    std::vector<QStringList> body;
    for (const QStringList& cells : lines) {
        bool ok = false;
        cells[0].toInt(&ok);
        if (ok)   // a numbered row, not a header or a note
            body.push_back(cells);
    }
    ASSERT_EQ(body.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(body[i].join(" | ").toStdString(), rows[i].join(" | ").toStdString()) << "fixture pin " << i + 1;
}
