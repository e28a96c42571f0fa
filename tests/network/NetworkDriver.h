#pragma once
// Drives the reach and sub-area windows: their combos, record lines placed
// by column, and working files built from them.
#include "tests/setup/EntryDriver.h"

#include <QComboBox>
#include <QLabel>
#include <initializer_list>
#include <utility>

namespace NetworkDriver {

using namespace EntryDriver;

// A record line with texts placed at 1-based columns, blank-filled to `width`.
inline QByteArray at(std::initializer_list<std::pair<int, QByteArray>> fields, int width = 0)
{
    QByteArray line;
    for (const auto &[column, text] : fields) {
        if (line.size() < column - 1)
            line += QByteArray(column - 1 - line.size(), ' ');
        line += text;
    }
    return line.leftJustified(width, ' ');
}

// Lines ended by CR LF.
inline QByteArray file(std::initializer_list<QByteArray> lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// A sub-area's land row line.
inline QByteArray landLine(const QByteArray &name, const QByteArray &soil, const QByteArray &area)
{
    return at({{21, "LAND AREA"}, {31, name}, {66, soil}, {71, area}}, 80);
}

// Unloads the windows a test left open and goes back to the base data of an
// unchanged file.
inline void closeWindows(std::initializer_list<const char *> names)
{
    for (const char *name : names)
        if (QvForm *form = Forms::get(QString::fromLatin1(name)); form && form->isLoaded())
            form->unload();
    Editglob::Program.CurrentAlternate = 0;
    Editglob::Program.DataChanged = false;
}

inline QComboBox *combo(QWidget *form, int n)
{
    return control<QComboBox>(form, QStringLiteral("Cmbinp_") + QString::number(n));
}

inline QStringList listed(QWidget *form, int n)
{
    QStringList out;
    for (int i = 0; i < combo(form, n)->count(); ++i)
        out << combo(form, n)->itemText(i);
    return out;
}

// Types `text` into combo n in place of its text and leaves it with Enter.
inline void choose(QWidget *form, int n, const QString &text)
{
    QComboBox *c = combo(form, n);
    c->setFocus(Qt::MouseFocusReason);
    c->clearEditText();
    QTest::keyClicks(c, text);
    QTest::keyClick(c, Qt::Key_Return);
}

// Types `text` into combo n and leaves it by clicking box `other`.
inline void chooseAndClick(QWidget *form, int n, const QString &text, int other)
{
    QComboBox *c = combo(form, n);
    c->setFocus(Qt::MouseFocusReason);
    c->clearEditText();
    QTest::keyClicks(c, text);
    box(form, other)->setFocus(Qt::MouseFocusReason);
}

// Replaces the text of box n and leaves it by putting the focus into `other`.
inline void enterBox(QWidget *form, int n, const QString &text, QWidget *other)
{
    retype(form, n, text);
    other->setFocus(Qt::MouseFocusReason);
}

inline int comboColor(QWidget *form, int n) { return EntryForm::BackColor(combo(form, n)); }

inline QWidget *widget(QWidget *form, const QString &name) { return control<QWidget>(form, name); }

// Visible as far as the window is concerned (the window itself may be hidden).
inline bool shown(QWidget *form, const QString &name)
{
    QWidget *w = widget(form, name);
    return w && !w->isHidden();
}

// Makes a window opened otherwise than through open() the active one.
inline void activate(QWidget *form)
{
    QApplication::setActiveWindow(form);
    if (!QTest::qWaitForWindowActive(form))
        qWarning("window %s not active", qPrintable(form->objectName()));
}

inline void clickOption(QWidget *form, int n) { click(opt(form, QStringLiteral("opt1"), n)); }

// The Sub-Area section's header, and the main line of sub-area `id` draining to `reach`.
inline QByteArray subAreaHeader() { return QByteArray("SUB-AREA:").leftJustified(40); }
inline QByteArray subAreaMain(const QByteArray &id, const QByteArray &reach) { return at({{11, id}, {21, reach}}, 75); }

// The Sub-Area working file of `folder` made of two sub-areas sharing the
// identifier SA1, draining to R1 and then R2, each main line followed by its
// detail lines; its lines but the closing one.
inline QByteArrayList writeNamesakes(const ProgramFolder &folder, const QByteArrayList &firstDetails = {},
                                     const QByteArrayList &secondDetails = {})
{
    const QByteArrayList lines = QByteArrayList{subAreaHeader(), subAreaMain("SA1", "R1")} + firstDetails
                                 + QByteArrayList{subAreaMain("SA1", "R2")} + secondDetails;
    ProgramFolder::writeBytes(folder.tmp(Editglob::SecSubArea), lines.join("\r\n") + "\r\n\r\n");
    return lines;
}

// The sub-area window opened on `id`, and the detail window (land use or time
// of concentration) its button `button` opened, made active.
struct DetailOpened
{
    QWidget *subArea = nullptr;
    QvForm *detail = nullptr;
};

inline DetailOpened openDetail(const QString &id, const char *button, const char *detailName)
{
    DetailOpened o;
    o.subArea = open(QStringLiteral("frmSubArea"));
    choose(o.subArea, 1, id);
    click(NetworkDriver::button(o.subArea, button));
    o.detail = Forms::get(QLatin1String(detailName));
    if (o.detail && o.detail->isLoaded())
        activate(o.detail);
    return o;
}

} // namespace NetworkDriver
