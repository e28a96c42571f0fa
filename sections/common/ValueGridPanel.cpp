#include "sections/common/ValueGridPanel.h"

#include "core/AlignedCells.h"
#include "core/Colors.h"
#include "core/logic/Editglob.h"
#include "core/logic/SeriesCheck.h"
#include "core/FlexGrid.h"
#include "core/GridStuff.h"
#include "core/QvForm.h"
#include "core/logic/TextFile.h"
#include "sections/setup/logic/UnitSystem.h"
#include "plots/logic/PlotModel.h"
#include "plots/frmIO_Plots.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {
constexpr int GridColumns = 5;
constexpr int ColumnTwips = 850;
} // namespace

void ValueGridPanel::build(QGridLayout *layout, QWidget *parent, QObject *context, const Layout &settings,
                           const Handlers &handlers)
{
    const int row = settings.firstRow;
    table = new QTableWidget(parent);
    table->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid = new FlexGrid(table);
    grid->setCols(GridColumns);
    grid->setRows(settings.startRows);
    const int width = ColumnTwips / Plots::TwipsPerPixel;
    for (int c = 0; c < GridColumns; ++c)
        table->setColumnWidth(c, width);
    table->setMinimumWidth(width * GridColumns + 24);
    // The current cell is kept among the rows shown.
    grid->setRowsShown(settings.startRows);
    // The values stand centred in their cells.
    table->setItemDelegate(new AlignedCells([](int) -> Qt::Alignment { return Qt::AlignCenter; }, table));
    table->viewport()->installEventFilter(context);
    layout->addWidget(table, row, 0, 1, settings.columnSpan);

    auto *label4 = new QLabel(settings.hint, parent);
    label4->setObjectName(QStringLiteral("Label4"));
    label4->setWordWrap(true);
    layout->addWidget(label4, row + 1, 0, 1, settings.columnSpan);
    auto *dispBox = new QLabel(QStringLiteral("Entered Data:"), parent);
    dispBox->setObjectName(QStringLiteral("lblDispBox"));
    layout->addWidget(dispBox, row + 2, 0);

    cmdPlot = new QPushButton(QStringLiteral("Display Data"), parent);
    cmdPlot->setObjectName(QStringLiteral("CmdPlot"));
    cmdPlot->setEnabled(false);
    layout->addWidget(cmdPlot, row + 3, 0);
    cmdDelete = new QPushButton(settings.deleteCaption, parent);
    cmdDelete->setObjectName(settings.deleteName);
    layout->addWidget(cmdDelete, row + 3, 1);
    QObject::connect(cmdPlot, &QPushButton::clicked, context, [f = handlers.plot] { f(); });
    QObject::connect(cmdDelete, &QPushButton::clicked, context, [f = handlers.remove] { f(); });

    popup = new QMenu(QStringLiteral("Insert/Delete"), parent);
    popup->setObjectName(QStringLiteral("mnupopup"));
    popup->addSeparator()->setObjectName(settings.separatorName);
    const QStringList items{QStringLiteral("Insert Point"), QStringLiteral("Delete Point")};
    for (int i = 1; i <= 2; ++i) {
        QAction *action = popup->addAction(items[i - 1]);
        action->setObjectName(QStringLiteral("mnuDelInsItem_") + QString::number(i));
        QObject::connect(action, &QAction::triggered, context, [f = handlers.menuItem, i] { f(i); });
    }

    QObject::connect(grid, &FlexGrid::KeyPress, context, [f = handlers.keyPress](int &keyAscii) { f(keyAscii); });
    QObject::connect(grid, &FlexGrid::RowColChange, context, [f = handlers.enterCell] { f(); });
    QObject::connect(grid, &FlexGrid::MouseDown, context, [f = handlers.mouseDown](int r, int c) { f(r, c); });
}

void ValueGridPanel::notePress(const QObject *watched, const QEvent *event)
{
    if (table && watched == table->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        const auto *mouse = static_cast<const QMouseEvent *>(event);
        pressedButton_ = mouse->button();
        pressedAt_ = mouse->position().toPoint();
    }
}

void ValueGridPanel::popupOnRightClick()
{
    if (pressedButton_ == Qt::RightButton && !TextFile::isBlank(grid->Text()))
        popup->popup(table->viewport()->mapToGlobal(pressedAt_));
}

void ValueGridPanel::blank()
{
    for (int r = 0; r < grid->Rows(); ++r)
        for (int c = 0; c < grid->Cols(); ++c) {
            grid->setTextMatrix(r, c, QString());
            grid->setCellColor(r, c, Colors::White);
        }
}

void ValueGridPanel::clear(GridState &s)
{
    s.GridBusy = true;
    blank();
    s.SelectedRow = GridState::None;
    s.SelectedCol = GridState::None;
    s.CellCount = 0;
    s.GridRow = 0;
    s.GridCol = 1;
    grid->setCurrentCell(s.GridRow, s.GridCol);
    s.Typing = false;
    s.GridBusy = false;
}

void ValueGridPanel::fill(GridState &s, const QStringList &values)
{
    s.GridBusy = true;
    s.CellCount = 0;
    for (const QString &value : values) {
        const int k = s.CellCount++;
        if (k / GridColumns >= grid->Rows())
            grid->AddItem(QString());
        grid->setTextMatrix(k / GridColumns, k % GridColumns, value);
    }
    if (s.CellCount > 0 && (s.CellCount - 1) / GridColumns == grid->Rows() - 1)
        grid->AddItem(QString());
    s.GridBusy = false;
}

int ValueGridPanel::cellsInUse(const GridState &s) const
{
    int n = std::max(s.CellCount, 0);
    if (!grid)
        return n;
    // A value typed into the empty cell after the series is entered, even
    // before Enter has confirmed it.
    const int row = grid->Row();
    const int col = grid->Col();
    if (row >= 0 && col >= 0) {
        const int k = row * grid->Cols() + col;
        if (k >= n && !TextFile::isBlank(grid->TextMatrix(row, col)))
            n = k + 1;
    }
    return n;
}

QStringList ValueGridPanel::cells(const GridState &s) const
{
    QStringList result;
    if (!grid)
        return result;
    const int n = cellsInUse(s);
    const int cols = std::max(grid->Cols(), 1);
    for (int k = 0; k < n; ++k)
        result << grid->TextMatrix(k / cols, k % cols);
    return result;
}

void ValueGridPanel::keyEdit(GridState &s, int &KeyAscii)
{
    Grid_Stuff::GridKeyEdit(KeyAscii, *grid, s, s.GridRow, s.GridCol, s.CellCount, s.Typing, 0, 0);
    if (s.GridRow == grid->Rows() - 1 && s.GridCol == grid->Cols() - 1)
        grid->AddItem(QString());
}

void ValueGridPanel::moveTo(GridState &s, int row, int col)
{
    s.GridRow = row;
    s.GridCol = col;
    Grid_Stuff::MoveToGridCell(*grid, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
}

int ValueGridPanel::firstInvalidCell(const GridState &s, const QStringList &values)
{
    return SeriesCheck::FirstFault(values, SeriesCheck::Rule{double(s.GridMaxValue), s.GridAscending}, 1);
}

QString ValueGridPanel::cellName(const QString &field, int cell) const
{
    const int cols = std::max(grid->Cols(), 1);
    return QStringLiteral("%1, row %2, column %3").arg(field).arg(cell / cols + 1).arg(cell % cols + 1);
}

void ValueGridPanel::showInvalidCell(GridState &s, int cell)
{
    const int cols = std::max(grid->Cols(), 1);
    table->setFocus(Qt::OtherFocusReason);
    moveTo(s, cell / cols, cell % cols);
    grid->setCellColor(cell / cols, cell % cols, Colors::Red);
}

void ValueGridPanel::dropHighlight(GridState &s)
{
    s.GridBusy = true;
    if (s.SelectedRow != GridState::None && s.SelectedCol != GridState::None
        && grid->CellColor(s.SelectedRow, s.SelectedCol) == Colors::Green)
        grid->setCellColor(s.SelectedRow, s.SelectedCol, Colors::White);
    s.SelectedRow = GridState::None;
    s.SelectedCol = GridState::None;
    s.GridBusy = false;
}

void ValueGridPanel::enterCurrentCell(GridState &s) { moveTo(s, grid->Row(), grid->Col()); }

void ValueGridPanel::insertOrDelete(GridState &s, int Index, bool recordShown)
{
    if (recordShown && Index == 1)
        Grid_Stuff::InsertGridValue(*grid, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
    else if (recordShown && Index == 2)
        Grid_Stuff::DeleteGridValue(*grid, s, s.GridRow, s.GridCol, s.CellCount, s.FieldOK, s.Typing);
    popup->hide();
}

bool ValueGridPanel::pressCell(GridState &s, int row, int col, bool recordShown)
{
    moveTo(s, row, col);
    if (s.CellCount <= 0 || !recordShown)
        return false;
    popupOnRightClick();
    return true;
}

void SeriesPlot::Show(Plots::PlotRequest request)
{
    request.FlowUnit = Editglob::FlowUnit;
    request.LengthUnit = Editglob::LengthUnit;
    request.SmallAreaUnit = Editglob::SmallAreaUnit;
    request.VolumeUnit = Editglob::VolumeUnit;
    request.OutFlowUnit = Editglob::OutFlowUnit;
    request.OutAreaUnit = Editglob::OutAreaUnit;
    Forms::instance<frmIO_Plots>()->ShowPlot(request, true);
}
