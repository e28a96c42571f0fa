#pragma once
// Control arrays of an entry window (the boxes `txtinp_1`, `txtinp_2`, ... and
// the combo boxes `Cmbinp_N`): controls of one kind told apart by an index, and
// the text and back colour of a control as the routines set them.
//
// Back colours are &HBBGGRR numbers (core/Colors.h) kept in the control's
// palette (QPalette::Base), so the colour a routine sets is the one it reads.
#include <QMap>
#include <QPointer>
#include <QString>
#include <QWidget>

class ControlArray
{
public:
    ControlArray() = default;
    // The children of `parent` named `name_N` (N a whole number).
    static ControlArray find(QWidget *parent, const QString &name);

    void set(int index, QWidget *control) { controls_[index] = control; }
    // The control with that index; nullptr when the array lacks it.
    QWidget *at(int index) const { return controls_.value(index); }
    bool contains(int index) const { return at(index) != nullptr; }
    QList<int> indexes() const { return controls_.keys(); }

private:
    QMap<int, QPointer<QWidget>> controls_;
};

namespace Globsubs {

// Text of a line edit, a combo box (its edit or current text) or a label.
QString ControlText(const QWidget *control);
// False when the control cannot take the text (a drop-down list without such
// an entry, or a control without text).
bool SetControlText(QWidget *control, const QString &text);

int BackColor(const QWidget *control);
void SetBackColor(QWidget *control, int bgr);

// `dst(index)` takes the back colour and then the text of `src(index)`; an
// index that either array lacks, or a text the target cannot take, changes
// nothing further.
void CopyTextAndColor(const ControlArray &src, const ControlArray &dst, int index);

} // namespace Globsubs
