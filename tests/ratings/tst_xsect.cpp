// The stream cross section window: the working file as the import leaves it,
// the stream identifier, the checks of the rating row, and Accept.
#include "DialogScript.h"
#include "RatingDriver.h"
#include "WindowLayout.h"

#include "sections/ratings/frmXsect.h"

#include <QDir>
#include <QScrollBar>

using namespace RatingDriver;
using namespace Editglob;

namespace {
const QString Name = QStringLiteral("frmXsect");
const QByteArray Header = QByteArray("STREAM CROSS SECTION:").leftJustified(40) + "\r\n";

QByteArray row(const QList<QByteArray> &values) { return tenColumns(20, values) + "\r\n"; }

frmXsect *window(QWidget *form) { return qobject_cast<frmXsect *>(form); }

QWidget *openOn(const ProgramFolder &folder, const QByteArray &stored, const QString &id = QString())
{
    return openOnId(folder, Name, SecXsect, stored, id);
}
} // namespace

class TestXsect : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void cleanup() { closePlot(); }
    void importedRecordsAreShownAndKept();
    void showsItsTextsWhole();
    void titlesStayWhileRowsScroll();
    void entersAndWritesCrossSection();
    void rowChecks_data();
    void rowChecks();
    void streamList();
    void streamListKeepsFirstFormAndOrder();
    void displayData();
    void acceptRefusesInvalidValue();
    void unwritableFileKeepsWindowOpen();
};

void TestXsect::importedRecordsAreShownAndKept()
{
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = openOn(folder, ratingGolden("xsect_imported.tmp"));
    QVERIFY(window(form));
    // The header line the import left is no cross section.
    QCOMPARE(listed(combo(form)), (QStringList{"X1", "X2", "RAS1", "RAS2"}));
    chooseId(form, "RAS1");
    QCOMPARE(box(form, 2)->text(), QString("5."));
    QCOMPARE(combo(form, 4)->currentText(), QString("RIVER."));
    QCOMPARE(gridRow(form, 2), (QStringList{"6.", "300.", "120.", "80.", "0.002"}));
    QVERIFY(shown(form, "CmdPlot"));
    accept(form);
    QVERIFY(DataChanged);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecXsect)), ratingGolden("xsect_merged.tmp"));
}

// The grid's titles show whole, and no control lies over another (the
// buttons under the grid least of all).
void TestXsect::showsItsTextsWhole()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, ratingGolden("xsect_written.tmp"), "X1");
    QVERIFY(shown(form, "CmdPlot"));
    QCOMPARE(cutGridTitles(form), QStringList());
    const QStringList overlapping = WindowLayout::OverlappingControls(form);
    QVERIFY2(overlapping.isEmpty(), qPrintable(overlapping.join(QStringLiteral(", "))));
}

// A long cross section scrolled to its end: the title row, taller than the
// others, stays at the top of the grid as it was, above the last rows.
void TestXsect::titlesStayWhileRowsScroll()
{
    ProgramFolder folder;
    QByteArray stored = Header + "          X1        10.5                100.      S1        250.      \r\n";
    for (int k = 0; k < 40; ++k) {
        const QByteArray n = QByteArray::number(k);
        stored += row({"1" + n.rightJustified(2, '0') + ".", n + "0.", n + "1.", n + "2.", "0.01"});
    }
    QWidget *form = openOn(folder, stored + "\r\n", "X1");
    QTableWidget *t = grid(form);
    QCOMPARE(gridRow(form, 40).first(), QStringLiteral("139."));
    const QRect titles(t->frameWidth(), t->frameWidth(), t->viewport()->width(), t->rowHeight(0));
    QScrollBar *bar = t->verticalScrollBar();
    bar->setValue(bar->minimum());
    const QImage unscrolled = t->grab(titles).toImage();
    bar->setValue(bar->maximum());
    QVERIFY(bar->value() > 30);
    QCOMPARE(t->grab(titles).toImage(), unscrolled);
    QCOMPARE(t->rowAt(t->viewport()->mapFrom(t, QPoint(4, titles.bottom() + 3)).y()), bar->value());
    QCOMPARE(cutGridTitles(form), QStringList());
}

void TestXsect::entersAndWritesCrossSection()
{
    ProgramFolder folder;
    QWidget *form = open(Name);
    QCOMPARE(grid(form)->rowHeight(0), 30);
    chooseId(form, "X1");
    enterBox(form, 2, "10.5");
    enterBox(form, 3, "100");
    QCOMPARE(focused(), combo(form, 4));
    QTest::keyClicks(combo(form, 4), "S1");
    QTest::keyClick(combo(form, 4), Qt::Key_Return);
    QCOMPARE(focused(), box(form, 5));
    for (const char *value : {"250", "100", "0", "0", "0", "0.01", "102", "50", "40", "30", "0.02"})
        QTest::keyClicks(focused(), value), QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(focused(), box(form, 6));
    chooseId(form, "X2");
    combo(form, 4)->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(combo(form, 4), "STREAMLONGER12");
    QTest::keyClick(combo(form, 4), Qt::Key_Return);
    accept(form);
    // The stream keeps its letters, cut to its ten columns.
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecXsect)),
             Header + "          X1        10.5                100.      S1        250.      \r\n"
                 + row({"100.", "0.", "0.", "0.", "0.01"}) + row({"102.", "50.", "40.", "30.", "0.02"})
                 + "          X2                                      STREAMLONG          \r\n\r\n");
}

void TestXsect::rowChecks_data()
{
    QTest::addColumn<int>("row"); // the grid row typed into
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("color");
    QTest::newRow("friction slope 0") << 1 << 10 << "0" << Colors::Red;
    QTest::newRow("friction slope below the row above") << 2 << 10 << "0.001" << Colors::White;
    QTest::newRow("blank top width on the first row") << 1 << 9 << "" << Colors::White;
    QTest::newRow("blank top width on the second row") << 2 << 9 << "" << Colors::Red;
    QTest::newRow("end area not above the row above") << 2 << 8 << "0" << Colors::Red;
    QTest::newRow("station below 0") << 0 << 5 << "-1" << Colors::Red;
}

void TestXsect::rowChecks()
{
    QFETCH(int, row);
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(int, color);
    ProgramFolder folder;
    QWidget *form = openOn(folder, ratingGolden("xsect_written.tmp"), "X1");
    if (row > 0)
        clickRow(form, row);
    enterBox(form, field, value);
    QCOMPARE(EntryDriver::color(form, field), color);
}

void TestXsect::streamList()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, ratingGolden("xsect_imported.tmp"));
    // Before a cross section is chosen the stream files nothing.
    combo(form, 4)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(listed(combo(form, 4)), (QStringList{"S1", "RIVER."}));
    QTest::keyClicks(combo(form, 4), "S9");
    QTest::keyClick(combo(form, 4), Qt::Key_Return);
    QCOMPARE(focused(), box(form, 5));
    QCOMPARE(EntryForm::BackColor(combo(form, 4)), Colors::White);
    QCOMPARE(EntryDriver::color(form, 4), Colors::White);
    chooseId(form, "X2");
    QCOMPARE(window(form)->records().ItemHeader.value(4, 2), QString());
    QCOMPARE(combo(form, 4)->currentText(), QString());
}

// Each stream once, as first met, in cross-section order; what the list held
// before stays first, and the stream of the box comes last.
void TestXsect::streamListKeepsFirstFormAndOrder()
{
    ProgramFolder folder;
    QByteArray stored = Header;
    const QList<QByteArray> streams{"S1", "s1", "RIVER", "", "Creek", "river"};
    for (int i = 0; i < streams.size(); ++i)
        stored += tenColumns(10, {"X" + QByteArray::number(i + 1), "10.", "", "5.", streams[i], "100."}) + "\r\n";
    QWidget *form = openOn(folder, stored + "\r\n");
    combo(form, 4)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(listed(combo(form, 4)), (QStringList{"S1", "RIVER", "Creek"}));
    chooseId(form, " other ", 4); // no cross section chosen: only the box takes it
    combo(form, 4)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(listed(combo(form, 4)), (QStringList{"S1", "RIVER", "Creek", "other"}));
    chooseId(form, "X1");
    chooseId(form, "zed", 4);
    combo(form, 4)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(listed(combo(form, 4)), (QStringList{"S1", "RIVER", "Creek", "other", "zed"}));
}

void TestXsect::displayData()
{
    ProgramFolder folder;
    QWidget *form = openOn(folder, ratingGolden("xsect_written.tmp"), "X1");
    click(button(form, "CmdPlot"));
    QVERIFY(plot()->isVisible());
    QCOMPARE(window(form)->Tag, QString("1"));
    const Plots::PlotRequest &request = plot()->request();
    QCOMPARE(request.PlotKind, int(Plots::KindCrossSection));
    QCOMPARE(request.PlotSeriesCount, 3);
    QCOMPARE(request.PlotX.at(1), (std::vector<double>{0, 100, 102}));
    QCOMPARE(request.PlotY.at(2), (std::vector<double>{0, 0, 40}));
    plot()->unload();
    // Deleting a row leaves one: nothing left to plot.
    DialogScript script;
    script.answer(Dialogs::Answer::Yes);
    clickRow(form, 1, Qt::RightButton);
    QCOMPARE(script.messages(), QStringList{"Delete Cross Section Rating Row ?"});
    QVERIFY(!shown(form, "CmdPlot"));
}

void TestXsect::acceptRefusesInvalidValue()
{
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = openOn(folder, ratingGolden("xsect_written.tmp"), "X2");
    enterBox(form, 3, "12a");
    chooseId(form, "X1");
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(script.messages(),
             QStringList{"Cross Section X2 - Low Ground Elevation: \"12a\" is not a valid value."});
    QVERIFY(form->isVisible());
    QVERIFY(!DataChanged);
    QCOMPARE(combo(form)->currentText(), QString("X2"));
    QCOMPARE(focused(), box(form, 3));
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecXsect)), ratingGolden("xsect_written.tmp"));
}

void TestXsect::unwritableFileKeepsWindowOpen()
{
    ProgramFolder folder;
    DataChanged = false;
    QWidget *form = open(Name);
    chooseId(form, "X1");
    QVERIFY(QDir().mkpath(folder.tmp(SecXsect)));
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(script.asked().size(), 1);
    QVERIFY(script.messages().first().startsWith("The working file " + folder.tmp(SecXsect) + " could not be written: "));
    QVERIFY(form->isVisible());
    QVERIFY(!DataChanged);
}

QTEST_MAIN(TestXsect)
#include "tst_xsect.moc"
