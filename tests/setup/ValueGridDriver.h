#pragma once
// Drives the value grid of a series window (five values to a row), its
// Insert/Delete popup and the plot it opens.
#include "EntryDriver.h"

#include <QAction>
#include <QMenu>

namespace EntryDriver {

inline QString cell(QWidget *form, int k)
{
    const QTableWidgetItem *item = grid(form)->item(k / 5, k % 5);
    return item ? item->text() : QString();
}

// The texts of the first n cells.
inline QStringList cells(QWidget *form, int n)
{
    QStringList out;
    for (int k = 0; k < n; ++k)
        out << cell(form, k);
    return out;
}

inline int cellColor(QWidget *form, int k)
{
    const QTableWidgetItem *item = grid(form)->item(k / 5, k % 5);
    if (!item || item->background().style() == Qt::NoBrush)
        return Colors::White;
    return Colors::ToBgr(item->background().color());
}

// Types each value into the grid and confirms it with Enter.
inline void enterValues(QWidget *form, const QStringList &list)
{
    for (const QString &v : list) {
        QTest::keyClicks(grid(form), v);
        QTest::keyClick(grid(form), Qt::Key_Return);
    }
}

inline void clickCell(QWidget *form, int k, Qt::MouseButton button = Qt::LeftButton)
{
    QTableWidget *t = grid(form);
    const QRect rect = t->visualRect(t->model()->index(k / 5, k % 5));
    QTest::mouseClick(t->viewport(), button, Qt::NoModifier, rect.center());
}

inline QMenu *popup(QWidget *form) { return control<QMenu>(form, QStringLiteral("mnupopup")); }

inline QAction *menuItem(QWidget *form, int i)
{
    return control<QAction>(form, QStringLiteral("mnuDelInsItem_%1").arg(i));
}

} // namespace EntryDriver
