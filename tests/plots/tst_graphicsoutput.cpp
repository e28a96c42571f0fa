#include "ComboMouse.h"
#include "DialogScript.h"
#include "ProgramFolder.h"
#include "WindowLayout.h"

#include "core/logic/CallShell.h"
#include "core/RunSaveOpen.h"
#include "core/Runner.h"
#include "core/frmMain.h"
#include "core/Help_Stuff.h"
#include "core/logic/Editglob.h"
#include "core/logic/InputFileStore.h"
#include "plots/frmGraphicsOutput.h"
#include "plots/frmIO_Plots.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Plots;

namespace {

frmGraphicsOutput *chooser() { return Forms::instance<frmGraphicsOutput>(); }
frmIO_Plots *plotWindow() { return Forms::instance<frmIO_Plots>(); }

template <class T = QWidget> T *control(const QString &name)
{
    T *c = chooser()->findChild<T *>(name);
    if (!c)
        QTest::qFail(qPrintable(QStringLiteral("no control ") + name), __FILE__, __LINE__);
    return c;
}

bool shown(const QString &name) { return !control(name)->isHidden(); }

QStringList entries(const QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

QStringList listEntries()
{
    QStringList out;
    for (int i = 0; i < chooser()->List1()->count(); ++i)
        out << chooser()->List1()->item(i)->text();
    return out;
}

// Performs one step of a user's choice, as "what:value":
//   type:1-3, mode:1-4, unit:1-2, end:1-2, class:1-3 (ticks), outlet (ticks),
//   storm:/alt:/sub:/reach: picks that entry and leaves the combo;
//   pick:sub:EAST (and so on) picks it with the arrow keys and stays.
void step(const QString &s)
{
    const QString what = s.section(QLatin1Char(':'), 0, 0);
    const QString value = s.section(QLatin1Char(':'), 1);
    static const QHash<QString, QString> radios{{QStringLiteral("type"), QStringLiteral("opt1_")},
                                                {QStringLiteral("mode"), QStringLiteral("Opt2_")},
                                                {QStringLiteral("unit"), QStringLiteral("Opt3_")},
                                                {QStringLiteral("end"), QStringLiteral("Opt6_")}};
    static const QHash<QString, int> combos{{QStringLiteral("storm"), 3},
                                            {QStringLiteral("alt"), 4},
                                            {QStringLiteral("sub"), 5},
                                            {QStringLiteral("reach"), 6}};
    if (radios.contains(what)) {
        control<QRadioButton>(radios[what] + value)->click();
    } else if (what == QLatin1String("class")) {
        control<QCheckBox>(QStringLiteral("Chk4_") + value)->click();
    } else if (what == QLatin1String("outlet")) {
        control<QCheckBox>(QStringLiteral("Chk7"))->click();
    } else if (what == QLatin1String("pick")) {
        QComboBox *combo = chooser()->Cmbinp(combos.value(value.section(QLatin1Char(':'), 0, 0)));
        const QString entry = value.section(QLatin1Char(':'), 1);
        QVERIFY2(combo && combo->findText(entry, Qt::MatchExactly) >= 0, qPrintable(s));
        combo->setFocus(Qt::TabFocusReason);
        while (combo->currentText() != entry && combo->currentIndex() < combo->count() - 1)
            QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), entry);
    } else if (combos.contains(what)) {
        const int index = combos[what];
        QComboBox *combo = chooser()->Cmbinp(index);
        const int at = combo->findText(value, Qt::MatchExactly);
        QVERIFY2(at >= 0, qPrintable(s));
        combo->setCurrentIndex(at);
        chooser()->Cmbinp_LostFocus(index);
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown step ") + s));
    }
}

void steps(const QStringList &list)
{
    for (const QString &s : list)
        step(s);
}

QStringList legends()
{
    QStringList out;
    const LegendState &l = plotWindow()->legend();
    for (int i = 1; i <= MaxSeries; ++i)
        if (l.textVisible[std::size_t(i)])
            out << l.text[std::size_t(i)];
    return out;
}

} // namespace

class TestGraphicsOutput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void opening();
    void typeShowsItsControls_data();
    void typeShowsItsControls();
    void displayButton_data();
    void displayButton();
    void multipleList();
    void tabMovesAmongCombos();
    void locationPickedWithTheMouse();
    void locationSeries();
    void displaysEveryMode_data();
    void displaysEveryMode();
    void secondDisplaySetsUpAfresh();
    void noData_data();
    void noData();
    void plotFollowsItsPrintedPage_data();
    void plotFollowsItsPrintedPage();
    void plotsMenuOpensChooser();

private:
    std::unique_ptr<ProgramFolder> folder_;
    QString out_;
};

// One run of the stand-in engine on the demo input serves every test.
void TestGraphicsOutput::initTestCase()
{
    folder_ = std::make_unique<ProgramFolder>(true);
    folder_->installTools();
    const QString input = folder_->file(QStringLiteral("Demo.inp"));
    QVERIFY(InputFileStore::Split(input, Editglob::TmpFile).opened);
    Editglob::SetFileName(input);
    Editglob::SetUnitSystem(true, true);
    QCOMPARE(Run_Save_Open::RunProgram(QStringLiteral("qv31.fil"), QStringLiteral("qv31.exe")),
             CallShell::WaitResult::Finished);
    out_ = Editglob::OutFileName;
    QVERIFY(QFile::exists(out_));
}

void TestGraphicsOutput::init()
{
    Editglob::SetFileName(folder_->file(QStringLiteral("Demo.inp")));
    Globsubs::ShowForm(QStringLiteral("frmGraphicsOutput"));
}

void TestGraphicsOutput::cleanup()
{
    chooser()->unload();
    plotWindow()->unload();
}

void TestGraphicsOutput::cleanupTestCase() { folder_.reset(); }

void TestGraphicsOutput::opening()
{
    QCOMPARE(chooser()->windowTitle(), QStringLiteral("Graphics Output   Current File - ") + Editglob::FileName);
    // Wide enough for the whole caption beside the title bar's icon and buttons.
    QFont bold = QApplication::font();
    bold.setBold(true);
    const int bar = chooser()->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    QVERIFY2(chooser()->width() >= QFontMetrics(bold).horizontalAdvance(chooser()->windowTitle()) + 4 * bar,
             qPrintable(QString::number(chooser()->width())));
    for (const char *name : {"lblHeader", "Frame1_1", "lblInput_1", "cmdCancel"})
        QVERIFY2(shown(QString::fromLatin1(name)), name);
    for (const char *name : {"Frame1_2", "Frame1_3", "Frame1_4", "Frame1_6", "Cmbinp_3", "Cmbinp_4", "Cmbinp_5",
                             "Cmbinp_6", "Chk7", "List1", "ListLabel", "lblInput_0", "txtHelp", "CmdPlot"})
        QVERIFY2(!shown(QString::fromLatin1(name)), name);
    QVERIFY(control<QRadioButton>(QStringLiteral("Opt2_1"))->isChecked());
    for (int i = 1; i <= 3; ++i)
        QVERIFY(!control<QRadioButton>(QStringLiteral("opt1_%1").arg(i))->isChecked());

    QCOMPARE(entries(chooser()->Cmbinp(3)), (QStringList{"100YR", "10YR", "2YR"}));
    QCOMPARE(entries(chooser()->Cmbinp(4)), (QStringList{"", "DEVELOPED", QString(10, QLatin1Char(' '))}));
    QCOMPARE(entries(chooser()->Cmbinp(5)), (QStringList{"NORTH", "SOUTH", "EAST"}));
    QCOMPARE(entries(chooser()->Cmbinp(6)), (QStringList{"REACH1", "REACH2"}));
    for (int i = 3; i <= 6; ++i)
        QCOMPARE(chooser()->Cmbinp(i)->currentIndex(), -1);

    // The heading and the field labels show their help, also after another
    // window has loaded since.
    Help_Stuff::FormHelpKey = QStringLiteral("SA");
    QTest::mouseClick(control(QStringLiteral("lblHeader")), Qt::LeftButton);
    QCOMPARE(Help_Stuff::FormHelpKey, QStringLiteral("GP"));
    QVERIFY(shown(QStringLiteral("txtHelp")));
    QVERIFY(control<QPlainTextEdit>(QStringLiteral("txtHelp"))->toPlainText().contains(QLatin1String("Plots from the printed-page output")));
    QTest::mouseClick(control(QStringLiteral("lblInput_1")), Qt::LeftButton);
    QVERIFY(control<QPlainTextEdit>(QStringLiteral("txtHelp"))->toPlainText().contains(QLatin1String("Hydrograph plots flows against time")));
}

void TestGraphicsOutput::typeShowsItsControls_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QStringList>("hidden");
    QTest::newRow("hydrograph") << 1
                                << QStringList{"lblInput_2", "Frame1_2", "Cmbinp_3", "Cmbinp_4", "Cmbinp_5", "Cmbinp_6",
                                               "Chk7", "lblInput_7"}
                                << QStringList{"Frame1_3", "Frame1_4", "Frame1_6", "FrameLabel_3", "List1"};
    QTest::newRow("peak flow") << 2
                               << QStringList{"lblInput_3", "lblInput_4", "Cmbinp_3", "Cmbinp_4", "Frame1_3",
                                              "FrameLabel_3", "Frame1_4", "FrameLabel_4"}
                               << QStringList{"lblInput_2", "Frame1_2", "Cmbinp_5", "Cmbinp_6", "Frame1_6", "Chk7",
                                              "lblInput_7"};
    QTest::newRow("time analysis") << 3 << QStringList{"Cmbinp_3", "Cmbinp_4", "Cmbinp_5", "Cmbinp_6", "Chk7"}
                                   << QStringList{"lblInput_2", "Frame1_2", "Frame1_3", "Frame1_4", "Frame1_6"};
}

void TestGraphicsOutput::typeShowsItsControls()
{
    QFETCH(int, type);
    QFETCH(QStringList, visible);
    QFETCH(QStringList, hidden);
    // From another type first, so that the one chosen also hides.
    step(QStringLiteral("type:%1").arg(type == 2 ? 1 : 2));
    step(QStringLiteral("type:%1").arg(type));
    for (const QString &name : visible)
        QVERIFY2(shown(name), qPrintable(name));
    for (const QString &name : hidden)
        QVERIFY2(!shown(name), qPrintable(name));
    // What shows is laid out clear of the rest.
    chooser()->centralWidget()->layout()->activate();
    const QStringList overlapping = WindowLayout::OverlappingControls(chooser());
    QVERIFY2(overlapping.isEmpty(), qPrintable(overlapping.join(QStringLiteral(", "))));
}

void TestGraphicsOutput::displayButton_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<bool>("display");
    QTest::newRow("type only") << QStringList{"type:1"} << false;
    QTest::newRow("hydrograph, storm, no location") << QStringList{"type:1", "storm:100YR"} << false;
    QTest::newRow("hydrograph at the outlet") << QStringList{"type:1", "storm:100YR", "outlet"} << true;
    QTest::newRow("outlet, no storm") << QStringList{"type:1", "outlet"} << false;
    QTest::newRow("reach without an end") << QStringList{"type:1", "storm:10YR", "reach:REACH1"} << false;
    QTest::newRow("reach end chosen") << QStringList{"type:1", "storm:10YR", "reach:REACH1", "end:2"} << true;
    QTest::newRow("end before the reach is cleared")
        << QStringList{"type:1", "storm:10YR", "reach:REACH1", "end:2", "reach:REACH2"} << false;
    QTest::newRow("sub-area") << QStringList{"type:1", "sub:EAST", "storm:2YR"} << true;
    // Choosing is enough; the focus need not leave the list.
    QTest::newRow("sub-area chosen, list not left") << QStringList{"type:1", "storm:2YR", "pick:sub:EAST"} << true;
    QTest::newRow("sub-area chosen after a reach without an end")
        << QStringList{"type:1", "storm:2YR", "reach:REACH1", "pick:sub:SOUTH"} << true;
    QTest::newRow("peak flow without a class") << QStringList{"type:2", "storm:10YR", "unit:1"} << false;
    QTest::newRow("peak flow without a unit") << QStringList{"type:2", "storm:10YR", "class:2"} << false;
    QTest::newRow("peak flow") << QStringList{"type:2", "storm:10YR", "class:2", "unit:2"} << true;
    QTest::newRow("time analysis at a sub-area") << QStringList{"type:3", "storm:10YR", "sub:NORTH"} << true;
    QTest::newRow("time analysis clears an earlier sub-area")
        << QStringList{"type:1", "storm:10YR", "sub:NORTH", "type:3"} << false;
}

void TestGraphicsOutput::displayButton()
{
    QFETCH(QStringList, choices);
    QFETCH(bool, display);
    steps(choices);
    QCOMPARE(shown(QStringLiteral("CmdPlot")), display);
}

void TestGraphicsOutput::multipleList()
{
    DialogScript script;
    steps({"type:1", "mode:2", "storm:100YR", "storm:10YR", "storm:100YR"});
    QVERIFY(shown(QStringLiteral("List1")));
    QCOMPARE(control<QLabel>(QStringLiteral("lblInput_0"))->text(), QStringLiteral("Multiple Storms"));
    QCOMPARE(listEntries(), (QStringList{"100YR", "10YR"}));
    // Switching the mode empties the list.
    step(QStringLiteral("mode:4"));
    QCOMPARE(listEntries(), QStringList{});
    QCOMPARE(control<QLabel>(QStringLiteral("lblInput_0"))->text(), QStringLiteral("Multiple Locations"));

    bool ok = true;
    for (int i = 1; i <= 10; ++i)
        chooser()->UpdateMultipleList(1, QStringLiteral("L%1").arg(i), ok);
    QVERIFY(ok);
    script.answer(Dialogs::Answer::OK);
    step(QStringLiteral("outlet")); // an eleventh entry
    QCOMPARE(script.messages(), QStringList{"Maximum Multiple Selections exceeded - current selection ignored"});
    QCOMPARE(script.asked().last().title, QStringLiteral("Multiple Selections Exceeded"));
    QVERIFY(!control<QCheckBox>(QStringLiteral("Chk7"))->isChecked());
    QCOMPARE(listEntries().size(), 10);

    // Deleting by click asks first; No keeps the entry.
    script.answer(Dialogs::Answer::No).answer(Dialogs::Answer::Yes);
    chooser()->List1_Click(0);
    QCOMPARE(listEntries().size(), 10);
    chooser()->List1_Click(0);
    QCOMPARE(listEntries().first(), QStringLiteral("L2"));
    QCOMPARE(script.asked().last().text, QStringLiteral("Delete Current selected item ?"));
    QCOMPARE(script.asked().last().title, QStringLiteral("Graphics Output"));
    step(QStringLiteral("outlet"));
    QCOMPARE(listEntries().last(), QStringLiteral("Outlet"));
    // Deleting the outlet's entry clears its box.
    script.answer(Dialogs::Answer::Yes);
    chooser()->List1_Click(9);
    QVERIFY(!control<QCheckBox>(QStringLiteral("Chk7"))->isChecked());
    QVERIFY(!script.unexpected());
}

// Tab in a combo takes its choice over and moves on: storm, alternate,
// sub-area, reach and back; with peak flows from the alternate to the storm.
void TestGraphicsOutput::tabMovesAmongCombos()
{
    QApplication::setActiveWindow(chooser());
    steps({"type:1", "mode:2"});
    QComboBox *storm = chooser()->Cmbinp(3);
    storm->setCurrentIndex(1);
    storm->setFocus();
    QTest::keyClick(storm, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), chooser()->Cmbinp(4));
    QCOMPARE(listEntries(), QStringList{"10YR"});
    chooser()->Cmbinp(6)->setFocus();
    QTest::keyClick(chooser()->Cmbinp(6), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), storm);
    step(QStringLiteral("type:2"));
    chooser()->Cmbinp(4)->setFocus();
    QTest::keyClick(chooser()->Cmbinp(4), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), storm);
}

// Opening a combo's drop-down list with the mouse is not leaving the combo:
// the sub-area shown before joins no list, the one picked there joins it as
// the focus goes on.
void TestGraphicsOutput::locationPickedWithTheMouse()
{
    QApplication::setActiveWindow(chooser());
    QVERIFY(QTest::qWaitForWindowActive(chooser()));
    steps({"type:1", "storm:100YR", "mode:4", "pick:sub:EAST"});
    QVERIFY(ComboMouse::Pick(chooser()->Cmbinp(5), 1));
    QCOMPARE(listEntries(), QStringList{});
    chooser()->Cmbinp(6)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(listEntries(), QStringList{"SOUTH"});
}

// Three locations in one plot: the sub-area without a qualifier, a reach end
// and the outlet.
void TestGraphicsOutput::locationSeries()
{
    steps({"type:1", "storm:100YR", "mode:4", "sub:NORTH", "reach:REACH1", "end:2", "outlet"});
    QCOMPARE(listEntries(), (QStringList{"NORTH", "REACH1 - Downstream", "Outlet"}));
    QVERIFY(shown(QStringLiteral("CmdPlot")));
    control<QPushButton>(QStringLiteral("CmdPlot"))->click();
    const OutputRequest &rq = chooser()->lastRequest();
    QCOMPARE(int(rq.series.size()), 3);
    const QStringList fields{rq.series[0].location + "/" + rq.series[0].qualifier,
                             rq.series[1].location + "/" + rq.series[1].qualifier,
                             rq.series[2].location + "/" + rq.series[2].qualifier};
    QCOMPARE(fields, (QStringList{"NORTH/", "REACH1/Downstream", "Outlet/"}));
    QVERIFY(plotWindow()->isVisible());
    QVERIFY(!plotWindow()->isModal());
    QCOMPARE(plotWindow()->setup().title, QStringLiteral("Hydrograph (Storm - 100YR)"));
    QCOMPARE(legends(), (QStringList{"NORTH", "REACH1 - Downstream", "Outlet"}));
    for (int s = 1; s <= 3; ++s)
        QCOMPARE(plotWindow()->setup().count[std::size_t(s)], 241);
    // The chooser stays open for further plots.
    QVERIFY(chooser()->isVisible());
}

void TestGraphicsOutput::displaysEveryMode_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("legend");
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("one hydrograph") << QStringList{"type:1", "storm:10YR", "alt:DEVELOPED", "reach:REACH2", "end:1"}
                                    << "Hydrograph (Storm - 10YR Alternate - DEVELOPED)" << QStringList{"REACH2 - Upstream"}
                                    << QList<int>{241};
    QTest::newRow("by storm") << QStringList{"type:1", "mode:2", "storm:100YR", "storm:10YR", "storm:2YR", "outlet"}
                              << "Hydrograph (@ Outlet)" << QStringList{"100YR", "10YR", "2YR"} << QList<int>{241, 241, 241};
    QTest::newRow("by alternate") << QStringList{"type:1", "storm:10YR", "mode:3", "alt:", "alt:DEVELOPED", "sub:EAST"}
                                  << "Hydrograph (Storm - 10YR @ Sub-Area - EAST)" << QStringList{"", "DEVELOPED"}
                                  << QList<int>{241, 241};
    QTest::newRow("peak flow") << QStringList{"type:2", "storm:100YR", "unit:1", "class:1", "class:2", "class:3"}
                               << "Peak Flow" << QStringList{"Subarea", "Reach", "Outlet"} << QList<int>{3, 4, 1};
    QTest::newRow("peak flow per area, alternate")
        << QStringList{"type:2", "storm:2YR", "alt:DEVELOPED", "unit:2", "class:3"} << "Peak Flow" << QStringList{"Outlet"}
        << QList<int>{1};
    QTest::newRow("time analysis") << QStringList{"type:3", "storm:100YR", "reach:REACH1", "end:2"}
                                   << "Time Analysis (Storm - 100YR)"
                                   << QStringList{"REACH1 - Downstream", "50% of Peak (", "75% of Peak (",
                                                  "90% of Peak (", "95% of Peak (", "1 Stage (", "2 Stage (", "3 Stage (",
                                                  "4 Stage ("}
                                   << QList<int>{241};
}

void TestGraphicsOutput::displaysEveryMode()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, title);
    QFETCH(QStringList, legend);
    QFETCH(QList<int>, counts);
    steps(choices);
    QVERIFY(shown(QStringLiteral("CmdPlot")));
    control<QPushButton>(QStringLiteral("CmdPlot"))->click();
    QVERIFY(plotWindow()->isVisible());
    const PlotSetup &setup = plotWindow()->setup();
    QCOMPARE(setup.title, title);
    QCOMPARE(setup.seriesCount, int(counts.size()));
    for (int s = 1; s <= setup.seriesCount; ++s)
        QCOMPARE(setup.count[std::size_t(s)], counts[s - 1]);
    const QStringList shownLegend = legends();
    QCOMPARE(shownLegend.size(), legend.size());
    for (int i = 0; i < legend.size(); ++i)
        QVERIFY2(legend[i].isEmpty() ? shownLegend[i].isEmpty() : shownLegend[i].startsWith(legend[i]),
                 qPrintable(shownLegend.join(QLatin1Char('|'))));
    QVERIFY(setup.dataYMax > 0);
    QCOMPARE(plotWindow()->findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("Demo.out"));
}

void TestGraphicsOutput::secondDisplaySetsUpAfresh()
{
    steps({"type:1", "mode:2", "storm:100YR", "storm:10YR", "outlet"});
    control<QPushButton>(QStringLiteral("CmdPlot"))->click();
    QCOMPARE(legends().size(), 2);
    plotWindow()->ZoomIn();
    QVERIFY(plotWindow()->zoomMode());

    steps({"mode:1", "storm:2YR", "sub:SOUTH"});
    control<QPushButton>(QStringLiteral("CmdPlot"))->click();
    QCOMPARE(plotWindow()->setup().title, QStringLiteral("Hydrograph (Storm - 2YR)"));
    QCOMPARE(legends(), QStringList{"SOUTH"});
    QVERIFY(!plotWindow()->zoomMode());
    QCOMPARE(plotWindow()->setup().seriesCount, 1);
}

void TestGraphicsOutput::noData_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("inputFile"); // empty: the demo's, whose printed page exists
    QTest::newRow("empty multiple list") << QStringList{"type:1", "mode:2", "outlet"} << QString();
    QTest::newRow("no such file") << QStringList{"type:1", "storm:10YR", "outlet"} << QStringLiteral("Gone.inp");
    QTest::newRow("unreadable file") << QStringList{"type:1", "storm:10YR", "outlet"} << QStringLiteral("Folder.inp");
}

void TestGraphicsOutput::noData()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, inputFile);
    steps(choices);
    if (!inputFile.isEmpty()) {
        Editglob::SetFileName(folder_->file(inputFile));
        if (inputFile == QLatin1String("Folder.inp"))
            QVERIFY(QDir().mkpath(Editglob::OutFileName));
    }
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    chooser()->CmdPlot_Click();
    QCOMPARE(script.messages(), QStringList{QStringLiteral("No data for requested plot found")});
    QCOMPARE(script.asked().first().title, QStringLiteral("Graphics Output"));
    QVERIFY(!plotWindow()->isLoaded());
    // The chooser keeps its choices.
    QCOMPARE(chooser()->Cmbinp(3)->currentIndex() >= 0, !inputFile.isEmpty());
}

void TestGraphicsOutput::plotFollowsItsPrintedPage_data()
{
    QTest::addColumn<QString>("action");
    // The second input: the demo with its first storm's line changed, and a
    // marker in its description.
    QTest::addColumn<QByteArray>("storm");
    QTest::addColumn<QByteArray>("marker");
    QTest::addColumn<QString>("expected"); // redrawn, closed or kept
    const QByteArray smaller = "100YR     GAGE1     0.        3.0 ";
    const QByteArray renamed = "500YR     GAGE1     0.        6.2 ";
    QTest::newRow("run ends") << "run" << smaller << QByteArray() << "redrawn";
    QTest::newRow("run ends, plot opened during it") << "plot during run" << smaller << QByteArray("STANDIN:SLOW")
                                                     << "redrawn";
    QTest::newRow("run ends with errors") << "run" << smaller << QByteArray("STANDIN:ERRORS") << "redrawn";
    QTest::newRow("run ends without the plotted storm") << "run" << renamed << QByteArray() << "closed";
    QTest::newRow("save removes the outputs") << "save" << smaller << QByteArray() << "closed";
    QTest::newRow("run of another file") << "run another file" << smaller << QByteArray() << "kept";
    QTest::newRow("rainfall plot shown since") << "rainfall plot, run" << renamed << QByteArray() << "kept";
}

// A plot of the printed page shows what the file holds after every run and
// save: left as it was, it would pass for the new results under the same name.
void TestGraphicsOutput::plotFollowsItsPrintedPage()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, storm);
    QFETCH(QByteArray, marker);
    QFETCH(QString, expected);
    const QByteArray demo = ProgramFolder::readBytes(folder_->file(QStringLiteral("Demo.inp")));
    const QString input = folder_->file(QStringLiteral("Plotted.inp"));
    ProgramFolder::writeBytes(input, demo);
    Editglob::SetFileName(input);
    Editglob::DisplayTitle = QStringLiteral(" ");
    QCOMPARE(Run_Save_Open::RunProgram(QStringLiteral("qv31.fil"), QStringLiteral("qv31.exe")),
             CallShell::WaitResult::Finished);

    steps({"type:1", "storm:100YR", "outlet"});
    auto display = [] {
        control<QPushButton>(QStringLiteral("CmdPlot"))->click();
        return plotWindow()->isLoaded() ? plotWindow()->setup().Y.at(1) : std::vector<double>{};
    };
    const std::vector<double> firstRun = display();
    QVERIFY(!firstRun.empty());
    if (action == QLatin1String("plot during run"))
        plotWindow()->unload();
    if (action.startsWith(QLatin1String("rainfall plot")))
        plotWindow()->ShowPlot(RainfallRequest(1, QStringLiteral("GAGE1"), QStringLiteral("1"), {"0", "0.5", "1"}),
                               false);
    const QString titleBefore = plotWindow()->setup().title;

    QByteArray second = demo;
    QVERIFY(second.contains("100YR     GAGE1     0.        6.2 "));
    second.replace("100YR     GAGE1     0.        6.2 ", storm);
    if (!marker.isEmpty())
        second.replace("Demo watershed:", "Demo watershed " + marker + ":");
    if (action == QLatin1String("save")) {
        DialogScript script;
        script.answer(Dialogs::Answer::OK);
        QVERIFY(Run_Save_Open::SaveInputFile());
        QVERIFY(!QFile::exists(Editglob::OutFileName));
    } else {
        const QString runInput = action == QLatin1String("run another file") ? folder_->file(QStringLiteral("Other.inp"))
                                                                              : input;
        ProgramFolder::writeBytes(runInput, second);
        Editglob::SetFileName(runInput);
        std::vector<double> plottedDuringRun;
        QObject waitScope;
        if (action == QLatin1String("plot during run"))
            QTimer::singleShot(0, &waitScope, [&] { plottedDuringRun = display(); });
        QCOMPARE(Run_Save_Open::RunProgram(QStringLiteral("qv31.fil"), QStringLiteral("qv31.exe")),
                 CallShell::WaitResult::Finished);
        Editglob::SetFileName(input);
        if (action == QLatin1String("plot during run"))
            QCOMPARE(plottedDuringRun, firstRun); // the last run's output, still there
    }

    QCOMPARE(plotWindow()->isLoaded(), expected != QLatin1String("closed"));
    if (expected == QLatin1String("kept")) {
        QCOMPARE(plotWindow()->setup().title, titleBefore);
        if (action == QLatin1String("run another file"))
            QCOMPARE(plotWindow()->setup().Y.at(1), firstRun);
    } else if (expected == QLatin1String("redrawn")) {
        const std::vector<double> redrawn = plotWindow()->setup().Y.at(1);
        QVERIFY(redrawn != firstRun);
        QCOMPARE(plotWindow()->findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("Plotted.out"));
        // As "Display" now draws it from the same file.
        QCOMPARE(display(), redrawn);
    }
}

void TestGraphicsOutput::plotsMenuOpensChooser()
{
    chooser()->unload();
    Editglob::DataChanged = false;
    frmMain::instance()->Form_Activate();
    QAction *plots = frmMain::instance()->findChild<QAction *>(QStringLiteral("mnuPlots"));
    QVERIFY(plots && plots->isVisible());
    plots->trigger();
    QVERIFY(chooser()->isLoaded());
    QVERIFY(chooser()->isVisible());
}

QTEST_MAIN(TestGraphicsOutput)
#include "tst_graphicsoutput.moc"
