#include "ComboMouse.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

namespace ComboMouse {

bool Pick(QComboBox *combo, int entry)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.subControls = QStyle::SC_All;
    const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
    QTest::mouseClick(combo, Qt::LeftButton, {}, arrow.center());
    QAbstractItemView *view = combo->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }))
        return false;
    const QRect item = view->visualRect(combo->model()->index(entry, 0));
    // The list takes no release close to the press that opened it: the
    // pointer travels through the list first.
    QWidget *viewport = view->viewport();
    QTest::mouseMove(viewport, QPoint(viewport->width() - 2, viewport->height() - 2));
    QTest::mouseMove(viewport, item.center());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, item.center());
    return QTest::qWaitFor([view] { return !view->isVisible(); }) && combo->currentIndex() == entry;
}

} // namespace ComboMouse
