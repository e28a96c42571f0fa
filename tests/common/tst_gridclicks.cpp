// A click on a grid acts on the cell that was under the pointer when the
// button went down, in every window with a grid, also when the focus-out of
// the box that loses the focus places and scrolls the grid; and every grid
// shows the rows its window gives it.
#include "../ratings/RatingDriver.h"
#include "../setup/ValueGridDriver.h"
#include "DialogScript.h"

#include "core/FlexGrid.h"
#include "core/logic/Editglob.h"
#include "sections/common/SubAreaDetail.h"
#include "sections/runoff/frmLandUse.h"
#include "sections/runoff/logic/LandUseGrid.h"
#include "sections/runoff/logic/StandardLandUse.h"

#include <QComboBox>
#include <QScrollBar>
#include <QWheelEvent>
#include <functional>

using namespace RatingDriver;
using namespace Editglob;

namespace {

using Cell = QPair<int, int>; // row, column

// A window with a grid, opened on a record with many rows.
struct GridWindow
{
    std::function<QWidget *(const ProgramFolder &)> open;
    int rowsShown = 0;   // data rows the window gives its grid; 0 when it gives none
    Cell current;        // made current first, far from `clicked`
    Cell clicked;
    QString clickedKey;  // when set, the row clicked is the one whose first cell holds it
    // Puts the focus where its focus-out places or scrolls the grid (the
    // phase counts the clicks made, for a window that switches records).
    std::function<void(QWidget *, int phase)> focusAway;
    // What the window shows of the row or cell it edits.
    std::function<QString(QWidget *)> shown;
    QString clickedShown;
    // A right click asks whether to delete its row, answered Yes.
    bool asks = false;
    // Deletes what a right click chose after the answer; empty when the grid
    // changes no data.
    std::function<void(QWidget *)> deleteChosen;
    std::function<QStringList(QWidget *)> values;
    QStringList valuesAfterDelete;
};

FlexGrid *flexGrid(QWidget *form) { return grid(form)->findChild<FlexGrid *>(); }

QByteArray withHeader(const QByteArray &header, const QList<QByteArray> &lines)
{
    QByteArray bytes = header + "\r\n";
    for (const QByteArray &l : lines)
        bytes += l + "\r\n";
    return bytes;
}

QList<QByteArray> valueLines(const QStringList &values)
{
    QList<QByteArray> lines;
    for (int k = 0; k < values.size(); k += 5) {
        QList<QByteArray> fields;
        for (int i = k; i < std::min(k + 5, int(values.size())); ++i)
            fields << values[i].toLatin1();
        lines << tenColumns(20, fields);
    }
    return lines;
}

QStringList numbers(int from, int to, const std::function<QString(int)> &text)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << text(i);
    return out;
}

QStringList without(QStringList list, const QString &value)
{
    list.removeOne(value);
    return list;
}

QString boxes(QWidget *form, int first, int second)
{
    return box(form, first)->text() + QLatin1Char('/') + box(form, second)->text();
}

QStringList keyColumn(QWidget *form)
{
    QStringList keys;
    QTableWidget *t = grid(form);
    for (int r = 1; r < t->rowCount(); ++r)
        if (const QTableWidgetItem *item = t->item(r, 0); item && !item->text().trimmed().isEmpty())
            keys << item->text().trimmed();
    return keys;
}

QString currentCellText(QWidget *form)
{
    const FlexGrid *g = flexGrid(form);
    return QStringLiteral("%1,%2 %3").arg(g->Row()).arg(g->Col()).arg(g->Text());
}

QStringList cellsInUse(QWidget *form)
{
    QStringList out;
    QTableWidget *t = grid(form);
    for (int k = 0; k < t->rowCount() * 5; ++k)
        if (const QString text = cell(form, k); !text.trimmed().isEmpty())
            out << text;
    return out;
}

// "Delete Point" of the popup that the right click opened.
void deletePoint(QWidget *form)
{
    QAction *item = menuItem(form, 2);
    QVERIFY(item);
    QTRY_VERIFY(qobject_cast<QMenu *>(item->parent())->isVisible());
    item->trigger();
}

void focusBox(QWidget *form, const QString &name)
{
    form->findChild<QWidget *>(name)->setFocus(Qt::MouseFocusReason);
}

// A rating window on one record of 45 rows, elevation i at row i. With
// `typed`, a new elevation is typed into the elevation box before each click
// (one for the left, one for the right): its focus-out inserts a row above
// the one clicked.
GridWindow rating(const QString &name, int slot, const QByteArray &header, const QByteArray &recordLine,
                  const std::function<QByteArray(int)> &point, int elevationBox, const QStringList &typed = {})
{
    GridWindow w;
    w.open = [=](const ProgramFolder &folder) {
        QList<QByteArray> lines{recordLine};
        for (int i = 1; i <= 45; ++i)
            lines << point(i);
        return openOnId(folder, name, slot, withHeader(header, lines), QStringLiteral("S9"));
    };
    w.rowsShown = 9; // a row placed by its elevation is scrolled to the ninth shown
    w.current = {44, 0};
    w.clicked = {30, 1};
    w.clickedKey = QStringLiteral("30.");
    // A click on a row puts the focus into the elevation box.
    w.focusAway = [=](QWidget *form, int phase) {
        focusBox(form, QStringLiteral("txtinp_%1").arg(elevationBox));
        if (phase < typed.size())
            retype(form, elevationBox, typed[phase]);
    };
    w.shown = [=](QWidget *form) { return boxes(form, elevationBox, elevationBox + 1); };
    w.clickedShown = QStringLiteral("30./300.");
    w.asks = true;
    w.deleteChosen = [](QWidget *) {}; // the answer deletes the row
    w.values = keyColumn;
    QStringList after = without(numbers(1, 45, [](int i) { return QString::number(i) + '.'; }), "30.");
    for (const QString &key : typed)
        after.insert(int(key.toDouble()), key);
    w.valuesAfterDelete = after;
    return w;
}

// A value-series window on 150 values, five to a row.
GridWindow series(const std::function<QWidget *(const ProgramFolder &, const QStringList &)> &open,
                  const QStringList &values, int rowsShown, const QString &focusName)
{
    GridWindow w;
    w.open = [=](const ProgramFolder &folder) { return open(folder, values); };
    w.rowsShown = rowsShown;
    w.current = {28, 2};
    w.clicked = {12, 3};
    w.focusAway = [=](QWidget *form, int) {
        if (!focusName.isEmpty())
            focusBox(form, focusName);
    };
    w.shown = currentCellText;
    w.clickedShown = QStringLiteral("12,3 ") + values[12 * 5 + 3];
    w.deleteChosen = deletePoint;
    w.values = cellsInUse;
    w.valuesAfterDelete = without(values, values[12 * 5 + 3]);
    return w;
}

const QByteArray StructHeader = QByteArray("STRUCTURE RATING:").leftJustified(40);
const QByteArray XsectHeader = QByteArray("STREAM CROSS SECTION:").leftJustified(40);

GridWindow structureWindow(const QStringList &typed = {})
{
    return rating(QStringLiteral("frmStruct"), SecStruct, StructHeader, tenColumns(10, {"S9", "1."}),
                  [](int i) {
                      const QByteArray n = QByteArray::number(i);
                      return tenColumns(20, {n + '.', QByteArray::number(10 * i) + '.', n + '.'});
                  },
                  3, typed);
}

GridWindow crossSectionWindow()
{
    return rating(QStringLiteral("frmXsect"), SecXsect, XsectHeader,
                  tenColumns(10, {"S9", "1.", "", "1.", "C1.", "0."}),
                  [](int i) {
                      const QByteArray n = QByteArray::number(i);
                      return tenColumns(20, {n + '.', QByteArray::number(10 * i) + '.', n + '.', n + '.', "0.01"});
                  },
                  6);
}

GridWindow stormWindow()
{
    GridWindow w;
    w.open = [](const ProgramFolder &folder) -> QWidget * {
        QList<QByteArray> lines;
        for (int i = 1; i <= 45; ++i)
            lines << tenColumns(10, {"S" + QByteArray::number(i), "G", "", "1.", "Type II", "2", ""});
        return openOnFile(folder, QStringLiteral("frmStorm"), SecStorm,
                          withHeader(QByteArray("STORM ANALYSIS:").leftJustified(40), lines));
    };
    w.rowsShown = 10;
    w.current = {40, 0};
    w.clicked = {30, 2};
    // The rain gage box looks the record up again when it is left.
    w.focusAway = [](QWidget *form, int) { focusBox(form, QStringLiteral("Cmbinp_2")); };
    w.shown = [](QWidget *form) { return boxes(form, 1, 4); };
    w.clickedShown = QStringLiteral("S30/1.");
    w.asks = true;
    w.deleteChosen = [](QWidget *) {}; // the answer deletes the row
    w.values = keyColumn;
    w.valuesAfterDelete = without(numbers(1, 45, [](int i) { return QStringLiteral("S%1").arg(i); }), "S30");
    return w;
}

GridWindow unitHydrographWindow()
{
    return series(
        [](const ProgramFolder &folder, const QStringList &values) {
            return openOnFile(folder, QStringLiteral("frmDimHyd"), SecUnitHyd,
                              withHeader(QByteArray("DIMENSIONLESS UNIT HYDROGRAPH:").leftJustified(40),
                                         valueLines(values)));
        },
        // The window has no box: the focus stays in the grid.
        numbers(0, 149, [](int k) { return QString::number(k / 1000.0); }), 10, QString());
}

GridWindow rainfallWindow()
{
    return series(
        [](const ProgramFolder &folder, const QStringList &values) {
            QWidget *form = openOnFile(folder, QStringLiteral("frmRainDist"), SecRainDist,
                                       withHeader(QByteArray("RAINFALL DISTRIBUTION:").leftJustified(50),
                                                  QList<QByteArray>{tenColumns(10, {"R1", "", "0.25"})}
                                                      + valueLines(values)));
            chooseId(form, QStringLiteral("R1"));
            return form;
        },
        numbers(0, 149, [](int k) { return QString::number(k / 100.0); }), 12, QStringLiteral("Cmbinp_1"));
}

GridWindow inputHydrographWindow()
{
    return series(
        [](const ProgramFolder &folder, const QStringList &values) {
            return openOnId(folder, QStringLiteral("frmInpHyd"), SecInpHyd,
                            withHeader(QByteArray("INPUT HYDROGRAPH:").leftJustified(40),
                                       QList<QByteArray>{tenColumns(10, {"H1", "R1", "", "0.", "1."})}
                                           + valueLines(values)),
                            QStringLiteral("H1"));
        },
        numbers(0, 149, [](int k) { return QString::number(k); }), 10, QStringLiteral("Cmbinp_1"));
}

// Two sub-areas with areas on group B of standard rows 30 and 60: 1 and 2 for
// S1, 3 and 4 for S2. The list is set to the sub-area not shown, which its
// focus-out then shows, the cursor going to the first row.
GridWindow landUseWindow()
{
    GridWindow w;
    w.open = [](const ProgramFolder &) -> QWidget * {
        const QList<LandUseGrid::GridRow> rows = LandUseGrid::BuildRows({});
        auto record = [&](const QString &id, const QString &at60, const QString &at30) {
            SubAreaRecord r;
            r.Field[1] = id;
            r.Land = {{rows[29].Name, QStringLiteral("B"), at30}, {rows[59].Name, QStringLiteral("B"), at60}};
            return r;
        };
        SubAreaDetailRequest request;
        request.SubAreas = {record(QStringLiteral("S1"), QStringLiteral("1"), QStringLiteral("2")),
                            record(QStringLiteral("S2"), QStringLiteral("3"), QStringLiteral("4"))};
        request.Current = 0;
        request.OnReturn = [](const QList<ReturnedSubArea> &) {};
        auto *form = qobject_cast<frmLandUse *>(Forms::get(QStringLiteral("frmLandUse")));
        form->OpenOn(nullptr, request);
        QApplication::setActiveWindow(form);
        if (!QTest::qWaitForWindowActive(form))
            qWarning("land-use window not active");
        return form;
    };
    w.current = {60, 3};
    w.clicked = {30, 3};
    w.focusAway = [](QWidget *form, int phase) {
        QComboBox *list = combo(form, 1);
        list->setFocus(Qt::MouseFocusReason);
        list->setCurrentIndex(list->findText(phase == 0 ? QStringLiteral("S2") : QStringLiteral("S1")));
    };
    w.shown = currentCellText;
    w.clickedShown = QStringLiteral("30,3 4");
    // The popup's one item, "Delete Value".
    w.deleteChosen = [](QWidget *form) {
        auto *popup = form->findChild<QMenu *>(QStringLiteral("mnupopup"));
        QTRY_VERIFY(popup->isVisible());
        qobject_cast<frmLandUse *>(form)->mnuDelInsItem_Click(2);
        popup->hide();
    };
    w.values = [](QWidget *form) {
        const FlexGrid *g = flexGrid(form);
        return QStringList{g->TextMatrix(30, 3), g->TextMatrix(60, 3)};
    };
    w.valuesAfterDelete = {QString(), QStringLiteral("1")};
    return w;
}

// Sixty soils from row 2 on; the find box moves the grid only as typed.
GridWindow soilWindow()
{
    GridWindow w;
    w.open = [](const ProgramFolder &) -> QWidget * {
        QByteArray bytes;
        for (int i = 1; i <= 60; ++i)
            bytes += "\"Soil " + QByteArray::number(i) + "\",\"B\"\r\n";
        ProgramFolder::writeBytes(LocalSoilFile, bytes + "\"\"\r\n");
        Globsubs::ShowForm(QStringLiteral("frmDisplaySoil"));
        QWidget *form = Forms::get(QStringLiteral("frmDisplaySoil"));
        QApplication::setActiveWindow(form);
        if (!QTest::qWaitForWindowActive(form))
            qWarning("soil window not active");
        return form;
    };
    w.current = {50, 0};
    w.clicked = {20, 0};
    w.focusAway = [](QWidget *form, int) { focusBox(form, QStringLiteral("txtinp_1")); };
    w.shown = currentCellText;
    w.clickedShown = QStringLiteral("20,0 Soil 19");
    return w;
}

enum class Scroll { Wheel, Bar };

bool inView(QTableWidget *t, Cell at)
{
    return t->viewport()->rect().contains(t->visualRect(t->model()->index(at.first, at.second)));
}

// Scrolls the grid up until cell `at` is in view, a notch of the wheel or a page
// of the scroll bar at a time, the focus staying where it is.
void scrollUpTo(QTableWidget *t, Cell at, Scroll how)
{
    for (int step = 0; step < 40 && !inView(t, at); ++step) {
        if (how == Scroll::Wheel) {
            const QPointF middle = t->viewport()->rect().center();
            QWheelEvent wheel(middle, t->viewport()->mapToGlobal(middle), QPoint(), QPoint(0, 120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(t->viewport(), &wheel);
        } else {
            t->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
        }
    }
}

void pressOn(QTableWidget *t, Cell at, Qt::MouseButton button)
{
    QVERIFY2(inView(t, at), "the cell is not in view");
    const QRect rect = t->visualRect(t->model()->index(at.first, at.second));
    QTest::mouseClick(t->viewport(), button, Qt::NoModifier, rect.center());
}

} // namespace

Q_DECLARE_METATYPE(GridWindow)
Q_DECLARE_METATYPE(Scroll)

class TestGridClicks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Standard_Land_Use::LoadStandardLandUse(); }
    void cleanup();
    void clickActsOnRowUnderPointer_data();
    void clickActsOnRowUnderPointer();
};

void TestGridClicks::cleanup()
{
    for (QvForm *form : Forms::created())
        if (form->isLoaded())
            form->unload();
}

void TestGridClicks::clickActsOnRowUnderPointer_data()
{
    QTest::addColumn<GridWindow>("window");
    QTest::addColumn<Scroll>("scroll");
    const QList<QPair<const char *, GridWindow>> windows{
        {"structure rating", structureWindow()},
        {"structure rating, a new elevation above the row clicked", structureWindow({"25.5", "24.5"})},
        {"stream cross section", crossSectionWindow()},
        {"storm analysis", stormWindow()},           {"unit hydrograph", unitHydrographWindow()},
        {"rainfall distribution", rainfallWindow()}, {"input hydrograph", inputHydrographWindow()},
        {"land use", landUseWindow()},               {"soil display", soilWindow()}};
    for (const auto &[name, window] : windows) {
        QTest::addRow("%s, wheel", name) << window << Scroll::Wheel;
        QTest::addRow("%s, scroll bar", name) << window << Scroll::Bar;
    }
}

// The row made current and the row clicked lie more than nine rows apart:
// the focus-out scrolls the grid back to the current row before the press
// reaches it.
void TestGridClicks::clickActsOnRowUnderPointer()
{
    QFETCH(GridWindow, window);
    QFETCH(Scroll, scroll);
    ProgramFolder folder;
    DialogScript dialogs;
    QWidget *form = window.open(folder);
    QVERIFY(form);
    QTableWidget *t = grid(form);
    QVERIFY(QTest::qWaitForWindowExposed(form));

    // The cell clicked: where the grid shows its key when the button goes down.
    auto clicked = [&] {
        if (!window.clickedKey.isEmpty())
            for (int r = 0; r < t->rowCount(); ++r)
                if (t->item(r, 0) && t->item(r, 0)->text() == window.clickedKey)
                    return Cell{r, window.clicked.second};
        return window.clicked;
    };
    auto chooseFar = [&](int phase) {
        QCoreApplication::processEvents(); // the rows laid in are laid out, as the user sees them
        t->scrollTo(t->model()->index(window.current.first, window.current.second));
        pressOn(t, window.current, Qt::LeftButton);
        window.focusAway(form, phase);
        QVERIFY(!inView(t, clicked()));
        scrollUpTo(t, clicked(), scroll);
    };
    chooseFar(0);
    QVERIFY(window.current.first - window.clicked.first > 9);
    pressOn(t, clicked(), Qt::LeftButton);
    QCOMPARE(window.shown(form), window.clickedShown);
    if (window.rowsShown > 0) {
        const int fixed = flexGrid(form)->FixedRows();
        QVERIFY2(t->viewport()->height() >= window.rowsShown * t->rowHeight(fixed), "the grid shows too few rows");
    }

    if (!window.deleteChosen)
        return;
    chooseFar(1);
    if (window.asks)
        dialogs.answer(Dialogs::Answer::Yes);
    pressOn(t, clicked(), Qt::RightButton);
    window.deleteChosen(form);
    QCOMPARE(window.values(form), window.valuesAfterDelete);
    QCOMPARE(dialogs.pending(), 0);
    QVERIFY(!dialogs.unexpected());
}

QTEST_MAIN(TestGridClicks)
#include "tst_gridclicks.moc"
