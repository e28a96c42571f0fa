#pragma once
// Drives an entry window through its controls, as a user would.
#include "ProgramFolder.h"

#include "core/Colors.h"
#include "core/logic/Editglob.h"
#include "core/QvForm.h"
#include "plots/frmIO_Plots.h"
#include "sections/common/EntryForm.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace EntryDriver {

inline QByteArray crlf(QByteArray text)
{
    text.replace("\n", "\r\n");
    return text;
}

// A record line: `lead` blanks, then each field left-justified in ten columns.
inline QByteArray tenColumns(int lead, const QList<QByteArray> &fields)
{
    QByteArray line(lead, ' ');
    for (const QByteArray &f : fields)
        line += f.leftJustified(10);
    return line;
}

inline QByteArray golden(const QString &name)
{
    QFile f(QStringLiteral(QV_TEST_DATA "/setup/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qWarning("missing golden file %s", qPrintable(name));
    return f.readAll();
}

// Opens the window as the main window's section list does and makes it active.
inline EntryForm *open(const QString &name)
{
    Globsubs::ShowForm(name);
    auto *form = qobject_cast<EntryForm *>(Forms::get(name));
    if (form) {
        QApplication::setActiveWindow(form);
        if (!QTest::qWaitForWindowActive(form))
            qWarning("window %s not active", qPrintable(name));
    }
    return form;
}

template <class W = QWidget> W *control(QWidget *form, const QString &name)
{
    return form->findChild<W *>(name);
}

inline QLineEdit *box(QWidget *form, int n)
{
    return control<QLineEdit>(form, QStringLiteral("txtinp_") + QString::number(n));
}

inline QRadioButton *opt(QWidget *form, const QString &array, int n)
{
    return control<QRadioButton>(form, array + QLatin1Char('_') + QString::number(n));
}

inline QLabel *label(QWidget *form, const QString &name) { return control<QLabel>(form, name); }

inline QPushButton *button(QWidget *form, const char *name)
{
    return control<QPushButton>(form, QString::fromLatin1(name));
}

// The window's grid, `MSFlexGrid1`.
inline QTableWidget *grid(QWidget *form) { return control<QTableWidget>(form, QStringLiteral("MSFlexGrid1")); }

// Puts the focus into box n and types `text` there.
inline void type(QWidget *form, int n, const QString &text)
{
    QLineEdit *b = box(form, n);
    b->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(b, text);
}

// Replaces the text of box n by typing.
inline void retype(QWidget *form, int n, const QString &text)
{
    QLineEdit *b = box(form, n);
    b->setFocus(Qt::MouseFocusReason);
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    QTest::keyClicks(b, text);
}

inline void tab(QWidget *form, int n) { QTest::keyClick(box(form, n), Qt::Key_Tab); }
inline void enter(QWidget *form, int n) { QTest::keyClick(box(form, n), Qt::Key_Return); }

inline void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, 4)); }

inline void accept(QWidget *form) { click(control<QPushButton>(form, QStringLiteral("cmdFinished"))); }
inline void cancel(QWidget *form) { click(control<QPushButton>(form, QStringLiteral("cmdCancel"))); }

// Opens window `name` on working file `slot` holding `stored`.
inline EntryForm *openOnFile(const ProgramFolder &folder, const QString &name, int slot, const QByteArray &stored)
{
    ProgramFolder::writeBytes(folder.tmp(slot), stored);
    return open(name);
}

// Opens window `name` on working file `slot` holding `stored`, accepts at once
// and returns what the window wrote back.
inline QByteArray acceptAsLoaded(const ProgramFolder &folder, const QString &name, int slot, const QByteArray &stored)
{
    accept(openOnFile(folder, name, slot, stored));
    return ProgramFolder::readBytes(folder.tmp(slot));
}

inline int color(QWidget *form, int n) { return EntryForm::BackColor(box(form, n)); }

// Shows `other` and makes it the active window, so that keys then reach
// `form` while it is not the active one (Qt moves the focus of such a window
// without focus events). False when the switch did not happen.
inline bool activateOther(QWidget &other, const QWidget *form)
{
    other.show();
    QApplication::setActiveWindow(&other);
    return QTest::qWaitForWindowActive(&other) && !form->isActiveWindow();
}

inline QWidget *focused() { return QApplication::focusWidget(); }

// Types `text` into box n and leaves it with Tab: the box must turn
// `expectedColor` and the focus go to box `next`.
inline void typeAndLeave(QWidget *form, int n, const QString &text, int expectedColor, int next)
{
    type(form, n, text);
    tab(form, n);
    QCOMPARE(color(form, n), expectedColor);
    QCOMPARE(focused(), box(form, next));
}

// The windows live for the whole program; a test program frees them at its end.
inline void deleteWindows() { qDeleteAll(Forms::created()); }

inline frmIO_Plots *plot() { return Forms::instance<frmIO_Plots>(); }

// A plot opened by one test must not carry over into the next.
inline void closePlot()
{
    if (plot()->isLoaded())
        plot()->unload();
}

} // namespace EntryDriver
