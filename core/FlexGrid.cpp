#include "core/FlexGrid.h"

#include "core/Colors.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>

namespace {
const QColor FixedRowColour(0xC0, 0xC0, 0xC0);
// Title cells are disabled items: without a colour of their own their text
// takes the disabled grey and vanishes into the grey row.
const QColor FixedRowText(Qt::black);
}

FlexGrid::FlexGrid(QTableWidget *table)
    : QObject(table), table_(table), tableObject_(table), viewport_(table->viewport())
{
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The routines colour the current cell themselves; a selection would hide it.
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setTabKeyNavigation(false);
    table_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    table_->setWordWrap(false);
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->installEventFilter(this);
    viewport_->installEventFilter(this);
    table_->viewport()->setMouseTracking(true);
    connect(table_, &QTableWidget::currentCellChanged, this,
            [this](int row, int col, int previousRow, int previousCol) {
                if (row != previousRow || col != previousCol)
                    emit RowColChange();
            });
    connect(table_, &QTableWidget::cellPressed, this, [this](int row, int col) { emit MouseDown(row, col); });
}

int FlexGrid::Rows() const { return table_->rowCount(); }

void FlexGrid::setRows(int rows)
{
    const int before = table_->rowCount();
    table_->setRowCount(std::max(rows, 0));
    for (int r = before; r < std::min(rows, fixedRows_); ++r)
        paintFixedRow(r);
}

int FlexGrid::Cols() const { return table_->columnCount(); }

void FlexGrid::setCols(int cols)
{
    table_->setColumnCount(std::max(cols, 0));
    for (int r = 0; r < std::min(fixedRows_, Rows()); ++r)
        paintFixedRow(r);
}

void FlexGrid::setFixedRows(int rows)
{
    fixedRows_ = std::max(rows, 0);
    for (int r = 0; r < std::min(fixedRows_, Rows()); ++r)
        paintFixedRow(r);
}

void FlexGrid::paintFixedRow(int row)
{
    for (int c = 0; c < Cols(); ++c) {
        QTableWidgetItem *item = makeCell(row, c);
        if (item) {
            item->setBackground(FixedRowColour);
            item->setForeground(FixedRowText);
        }
    }
}

int FlexGrid::Row() const { return table_->currentRow(); }

void FlexGrid::setRow(int row) { setCurrentCell(row, std::max(Col(), 0)); }

int FlexGrid::Col() const { return table_->currentColumn(); }

void FlexGrid::setCol(int col) { setCurrentCell(std::max(Row(), 0), col); }

void FlexGrid::setCurrentCell(int row, int col)
{
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
        return;
    table_->setCurrentCell(row, col, QItemSelectionModel::NoUpdate);
}

QString FlexGrid::Text() const { return TextMatrix(Row(), Col()); }

void FlexGrid::setText(const QString &text) { setTextMatrix(Row(), Col(), text); }

int FlexGrid::CellBackColor() const { return CellColor(Row(), Col()); }

void FlexGrid::setCellBackColor(int bgr) { setCellColor(Row(), Col(), bgr); }

QTableWidgetItem *FlexGrid::cell(int row, int col) const
{
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
        return nullptr;
    return table_->item(row, col);
}

QTableWidgetItem *FlexGrid::makeCell(int row, int col)
{
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
        return nullptr;
    QTableWidgetItem *item = table_->item(row, col);
    if (!item) {
        item = new QTableWidgetItem;
        if (row < fixedRows_) {
            item->setFlags(Qt::NoItemFlags);
            item->setBackground(FixedRowColour);
            item->setForeground(FixedRowText);
        }
        table_->setItem(row, col, item);
    }
    return item;
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    const QTableWidgetItem *item = cell(row, col);
    return item ? item->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString &text)
{
    QTableWidgetItem *item = cell(row, col);
    if (!item) {
        if (text.isEmpty())
            return;
        item = makeCell(row, col);
        if (!item)
            return;
    }
    if (item->text() != text)
        item->setText(text);
}

int FlexGrid::CellColor(int row, int col) const
{
    const QTableWidgetItem *item = cell(row, col);
    if (!item || item->background().style() == Qt::NoBrush)
        return Colors::White;
    return Colors::ToBgr(item->background().color());
}

void FlexGrid::setCellColor(int row, int col, int bgr)
{
    QTableWidgetItem *item = cell(row, col);
    if (!item) {
        // A cell without an item paints white already.
        if (bgr == Colors::White)
            return;
        item = makeCell(row, col);
        if (!item)
            return;
    }
    if (bgr == Colors::White && row >= fixedRows_) {
        if (item->background().style() != Qt::NoBrush)
            item->setBackground(QBrush());
        return;
    }
    item->setBackground(Colors::FromBgr(bgr));
}

int FlexGrid::TopRow() const { return table_->verticalScrollBar()->value(); }

void FlexGrid::setTopRow(int row)
{
    if (row >= 0 && row < Rows())
        table_->verticalScrollBar()->setValue(row);
}

void FlexGrid::AddItem(const QString &item, int index)
{
    if (index < 0 || index > Rows())
        index = Rows();
    table_->insertRow(index);
    const QStringList texts = item.split(QLatin1Char('\t'));
    for (int c = 0; c < texts.size() && c < Cols(); ++c)
        setTextMatrix(index, c, texts.at(c));
}

void FlexGrid::RemoveItem(int index)
{
    if (index >= 0 && index < Rows())
        table_->removeRow(index);
}

bool FlexGrid::eventFilter(QObject *watched, QEvent *event)
{
    // While the table is being destroyed it is no longer a table (its view
    // parts are gone): its last events are not the window's business.
    if (!qobject_cast<QTableWidget *>(tableObject_))
        return false;
    if (watched == viewport_) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress) {
            const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
            const int row = table_->rowAt(pos.y());
            const int col = table_->columnAt(pos.x());
            if (row >= 0)
                mouseRow_ = row;
            if (col >= 0)
                mouseCol_ = col;
        }
        return false;
    }
    if (watched != tableObject_)
        return false;
    if (event->type() == QEvent::FocusOut) {
        emit LostFocus();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    int ascii = -1;
    switch (key->key()) {
    case Qt::Key_Tab:
        ascii = 9;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ascii = 13;
        break;
    case Qt::Key_Backspace:
        ascii = 8;
        break;
    case Qt::Key_Escape:
        ascii = 27;
        break;
    default:
        if (!key->text().isEmpty()) {
            const char16_t c = key->text().at(0).unicode();
            if (c >= 32 && c < 256 && c != 127)
                ascii = int(c);
        }
        break;
    }
    if (ascii < 0)
        return false;
    const bool escape = ascii == 27;
    emit KeyPress(ascii);
    // Characters never reach the table, whose keyboard search would move the
    // current cell; Escape goes on to the window.
    return !escape;
}
