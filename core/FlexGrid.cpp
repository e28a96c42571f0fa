#include "core/FlexGrid.h"

#include "core/Colors.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>

#include <functional>

namespace {
const QColor FixedRowColour(0xC0, 0xC0, 0xC0);
// Title cells are disabled items: without a colour of their own their text
// takes the disabled grey and vanishes into the grey row.
const QColor FixedRowText(Qt::black);

// The table's top header while its fixed rows are frozen: exactly as high as
// those rows, which a view laid over it shows.
class FixedRowsHeader : public QHeaderView
{
public:
    FixedRowsHeader(QWidget *parent, std::function<int()> height)
        : QHeaderView(Qt::Horizontal, parent), height_(std::move(height))
    {
    }
    QSize sizeHint() const override { return QSize(QHeaderView::sizeHint().width(), height_()); }

private:
    std::function<int()> height_;
};
} // namespace

// Sees a focus change before the widget that loses the focus does: when a
// click moves the focus into a grid, the grid notes what it shows before that
// widget's focus-out handling runs.
class FlexGrid::FocusWatch : public QObject
{
public:
    explicit FocusWatch(QObject *parent) : QObject(parent) {}

    static void install()
    {
        static QPointer<FocusWatch> watch;
        if (watch || !qApp)
            return;
        watch = new FocusWatch(qApp);
        qApp->installEventFilter(watch);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The style hears of a focus-out too, after the widget has handled it.
        if (event->type() != QEvent::FocusOut || !watched->isWidgetType()
            || static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
            return false;
        // The widget taking the focus has it already when the one leaving hears of it.
        if (auto *table = qobject_cast<QTableWidget *>(QApplication::focusWidget()))
            if (auto *grid = table->findChild<FlexGrid *>(QString(), Qt::FindDirectChildrenOnly))
                grid->noteViewSeen();
        return false;
    }
};

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
    FocusWatch::install();
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
    if (fixedRows_ > 0 && !fixedView_)
        freezeFixedRows();
    updateFrozen();
}

void FlexGrid::freezeFixedRows()
{
    QHeaderView *before = table_->horizontalHeader();
    auto *header = new FixedRowsHeader(table_, [this] { return fixedHeight(); });
    header->setObjectName(QStringLiteral("FixedRowsHeader"));
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(before->minimumSectionSize());
    header->setDefaultSectionSize(before->defaultSectionSize());
    QList<int> widths;
    for (int c = 0; c < Cols(); ++c)
        widths << table_->columnWidth(c);
    header->hide();
    table_->setHorizontalHeader(header);
    for (int c = 0; c < widths.size(); ++c)
        table_->setColumnWidth(c, widths[c]);

    fixedView_ = new QTableView(header);
    fixedView_->setObjectName(QStringLiteral("FixedRowsView"));
    fixedView_->setModel(table_->model());
    fixedView_->setFocusPolicy(Qt::NoFocus);
    fixedView_->setFrameShape(QFrame::NoFrame);
    fixedView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fixedView_->setSelectionMode(QAbstractItemView::NoSelection);
    fixedView_->setWordWrap(false);
    fixedView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixedView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixedView_->horizontalHeader()->hide();
    fixedView_->verticalHeader()->hide();
    fixedPort_ = fixedView_->viewport();
    fixedPort_->installEventFilter(this);
    header->installEventFilter(this);

    QAbstractItemModel *model = table_->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &FlexGrid::updateFrozen);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &FlexGrid::updateFrozen);
    connect(model, &QAbstractItemModel::modelReset, this, &FlexGrid::updateFrozen);
    connect(model, &QAbstractItemModel::columnsInserted, this, &FlexGrid::placeFixedView);
    connect(header, &QHeaderView::sectionResized, this, &FlexGrid::placeFixedView);
    connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::placeFixedView);
    connect(table_->verticalHeader(), &QHeaderView::sectionResized, this, [this](int row) {
        if (frozen_ && row < fixedRows_) {
            placeFixedView();
            table_->doItemsLayout(); // the header takes the rows' new height
        }
    });
    // The view never scrolls back onto the fixed rows, which the header shows.
    connect(table_->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int min, int) {
        if (frozen_ && min < fixedRows_)
            table_->verticalScrollBar()->setMinimum(fixedRows_);
    });
}

int FlexGrid::fixedHeight() const
{
    int height = 0;
    for (int r = 0; r < std::min(fixedRows_, Rows()); ++r)
        height += table_->rowHeight(r);
    return height;
}

// Not while the table is being destroyed: its model's last signals find its
// scroll bars gone.
bool FlexGrid::tableAlive() const { return qobject_cast<QTableWidget *>(tableObject_) != nullptr; }

void FlexGrid::updateFrozen()
{
    if (!fixedView_ || !tableAlive())
        return;
    const bool frozen = fixedRows_ > 0 && Rows() > fixedRows_;
    if (frozen == frozen_)
        return;
    frozen_ = frozen;
    QScrollBar *bar = table_->verticalScrollBar();
    if (frozen_) {
        bar->setMinimum(fixedRows_);
        placeFixedView();
    } else {
        bar->setMinimum(0);
    }
    table_->horizontalHeader()->setVisible(frozen_);
    table_->doItemsLayout();
}

void FlexGrid::placeFixedView()
{
    if (!frozen_ || !tableAlive())
        return;
    QHeaderView *header = table_->horizontalHeader();
    for (int c = 0; c < Cols(); ++c) {
        fixedView_->setColumnWidth(c, table_->columnWidth(c));
        fixedView_->setColumnHidden(c, table_->isColumnHidden(c));
    }
    for (int r = 0; r < std::min(fixedRows_, Rows()); ++r)
        fixedView_->setRowHeight(r, table_->rowHeight(r));
    if (fixedView_->itemDelegate() != table_->itemDelegate())
        fixedView_->setItemDelegate(table_->itemDelegate());
    fixedView_->setShowGrid(table_->showGrid());
    fixedView_->setGridStyle(table_->gridStyle());
    // The header clips the view, which moves left as the table scrolls sideways.
    const int offset = header->offset();
    fixedView_->setGeometry(-offset, 0, std::max(header->length(), header->width() + offset), fixedHeight());
}

// The fixed rows answer the mouse as they did inside the table: the row and
// column under it are theirs, and the window's own filters on the table's
// viewport see the event, which goes no further (the table would find its
// rows scrolled away behind the fixed ones there).
bool FlexGrid::forwardFromFixedView(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        QWidget *port = table_->viewport();
        const QPointF global = static_cast<QWidget *>(fixedPort_)->mapToGlobal(mouse->position());
        if (mouse->type() == QEvent::MouseButtonPress || mouse->type() == QEvent::MouseButtonDblClick)
            showViewSeen(port->mapFromGlobal(global).toPoint());
        if (mouse->type() == QEvent::MouseMove || mouse->type() == QEvent::MouseButtonPress)
            noteMouse(fixedView_, mouse);
        QMouseEvent moved(mouse->type(), port->mapFromGlobal(global), global, mouse->button(), mouse->buttons(),
                          mouse->modifiers(), mouse->pointingDevice());
        QScopedValueRollback<const QEvent *> forwarding(forwarded_, &moved);
        QCoreApplication::sendEvent(port, &moved);
        return true;
    }
    case QEvent::Wheel:
        QCoreApplication::sendEvent(table_->viewport(), event);
        return true;
    default:
        return false;
    }
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
    if (row < 0 || row >= Rows())
        return;
    QScrollBar *bar = table_->verticalScrollBar();
    // Rows added just now count in the scroll range only once laid out.
    if (row > bar->maximum())
        table_->doItemsLayout();
    bar->setValue(row);
}

void FlexGrid::setRowsShown(int rows)
{
    int height = 2 * table_->frameWidth() + rows * table_->verticalHeader()->defaultSectionSize();
    for (int r = 0; r < std::min(fixedRows_, Rows()); ++r)
        height += table_->rowHeight(r);
    if (table_->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        height += table_->horizontalScrollBar()->sizeHint().height();
    table_->setMinimumHeight(height);
}

void FlexGrid::noteViewSeen()
{
    if (!tableAlive())
        return;
    SeenView view;
    view.vertical = table_->verticalScrollBar()->value();
    view.horizontal = table_->horizontalScrollBar()->value();
    const int height = table_->viewport()->height();
    for (int r = std::max(table_->rowAt(0), 0); r < Rows(); ++r) {
        const int top = table_->rowViewportPosition(r);
        if (top >= height)
            break;
        view.rows.append({QPersistentModelIndex(table_->model()->index(r, 0)), top, table_->rowHeight(r)});
    }
    seen_ = view;
    // Only the press of the click that moved the focus may use it.
    const quint64 count = ++seenCount_;
    QMetaObject::invokeMethod(
        this,
        [this, count] {
            if (count == seenCount_)
                seen_.reset();
        },
        Qt::QueuedConnection);
}

void FlexGrid::showViewSeen(QPoint pressed)
{
    if (!seen_ || !tableAlive())
        return;
    const SeenView view = *seen_;
    seen_.reset();
    // Rows that the focus-out added or removed count in the scroll range.
    table_->doItemsLayout();
    int top = view.vertical;
    if (!view.rows.isEmpty() && view.rows.first().index.isValid())
        top = view.rows.first().index.row();
    for (int i = 0; i < view.rows.size(); ++i) {
        const SeenRow &row = view.rows[i];
        if (pressed.y() >= row.top && pressed.y() < row.top + row.height) {
            // The row pointed at may have moved: it goes back under the pointer.
            if (row.index.isValid())
                top = row.index.row() - i;
            break;
        }
    }
    table_->verticalScrollBar()->setValue(top);
    table_->horizontalScrollBar()->setValue(view.horizontal);
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

void FlexGrid::noteMouse(const QTableView *view, const QMouseEvent *mouse)
{
    if (mouse->type() == QEvent::MouseButtonPress)
        mouseButton_ = mouse->button();
    const QPoint pos = mouse->position().toPoint();
    const int row = view->rowAt(pos.y());
    const int col = view->columnAt(pos.x());
    if (row >= 0)
        mouseRow_ = row;
    if (col >= 0)
        mouseCol_ = col;
}

bool FlexGrid::eventFilter(QObject *watched, QEvent *event)
{
    // While the table is being destroyed it is no longer a table (its view
    // parts are gone): its last events are not the window's business.
    if (!tableAlive())
        return false;
    if (fixedView_ && watched == fixedPort_)
        return forwardFromFixedView(event);
    if (fixedView_ && watched == table_->horizontalHeader() && event->type() == QEvent::Resize) {
        placeFixedView();
        return false;
    }
    if (watched == viewport_) {
        if (event == forwarded_)
            return true;
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            showViewSeen(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress)
            noteMouse(table_, static_cast<QMouseEvent *>(event));
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
