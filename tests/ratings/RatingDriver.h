#pragma once
// Drives the rating and hydrograph windows: their identifier combos, the rows
// of a rating grid and the answers their questions need.
#include "../setup/EntryDriver.h"

#include <QComboBox>
#include <QFile>
#include <QStyle>
#include <QTableWidget>

namespace RatingDriver {

using namespace EntryDriver;

inline QByteArray ratingGolden(const QString &name)
{
    QFile f(QStringLiteral(QV_TEST_DATA "/ratings/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qWarning("missing golden file %s", qPrintable(name));
    return f.readAll();
}

inline QComboBox *combo(QWidget *form, int n = 1)
{
    return control<QComboBox>(form, QStringLiteral("Cmbinp_") + QString::number(n));
}

// Types `text` in place of the combo's text and leaves it with Enter.
inline void chooseId(QWidget *form, const QString &text, int n = 1)
{
    combo(form, n)->setFocus(Qt::MouseFocusReason);
    combo(form, n)->clearEditText();
    QTest::keyClicks(combo(form, n), text);
    QTest::keyClick(combo(form, n), Qt::Key_Return);
}

// Opens window `name` on working file `slot` holding `stored` and, given an
// identifier, chooses it.
inline QWidget *openOnId(const ProgramFolder &folder, const QString &name, int slot, const QByteArray &stored,
                         const QString &id)
{
    QWidget *form = openOnFile(folder, name, slot, stored);
    if (!id.isEmpty())
        chooseId(form, id);
    return form;
}

// Types `text` in place of box n's text and presses Enter.
inline void enterBox(QWidget *form, int n, const QString &text)
{
    retype(form, n, text);
    QTest::keyClick(box(form, n), Qt::Key_Return);
}

// The texts of grid row `row` (of a rating grid with a title row).
inline QStringList gridRow(QWidget *form, int row)
{
    QStringList out;
    QTableWidget *t = grid(form);
    for (int c = 0; c < t->columnCount(); ++c) {
        const QTableWidgetItem *item = t->item(row, c);
        out << (item ? item->text() : QString());
    }
    return out;
}

inline void clickRow(QWidget *form, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTableWidget *t = grid(form);
    const QRect rect = t->visualRect(t->model()->index(row, 0));
    QTest::mouseClick(t->viewport(), button, Qt::NoModifier, rect.center());
}

inline bool shown(QWidget *form, const char *name) { return !button(form, name)->isHidden(); }

inline QStringList listed(QComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

// Titles of the rating grid that its cells cut: a cell keeps a margin on
// either side of its text and elides what is wider.
inline QStringList cutGridTitles(QWidget *form)
{
    QTableWidget *t = grid(form);
    const int margin = t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1;
    QStringList out;
    for (int c = 0; c < t->columnCount(); ++c) {
        const QString title = t->item(0, c)->text();
        if (t->fontMetrics().horizontalAdvance(title) > t->visualRect(t->model()->index(0, c)).width() - 2 * margin)
            out << title;
    }
    return out;
}

} // namespace RatingDriver
