#include "core/ControlArray.h"

#include "core/Colors.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

ControlArray ControlArray::find(QWidget *parent, const QString &name)
{
    ControlArray array;
    if (!parent)
        return array;
    const QRegularExpression pattern(QStringLiteral("^%1_(\\d+)$").arg(QRegularExpression::escape(name)));
    for (QWidget *child : parent->findChildren<QWidget *>()) {
        const QRegularExpressionMatch m = pattern.match(child->objectName());
        if (m.hasMatch())
            array.set(m.captured(1).toInt(), child);
    }
    return array;
}

namespace Globsubs {

QString ControlText(const QWidget *control)
{
    if (auto edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto plain = qobject_cast<const QPlainTextEdit *>(control))
        return plain->toPlainText();
    return QString();
}

bool SetControlText(QWidget *control, const QString &text)
{
    if (auto edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(text);
        return true;
    }
    if (auto combo = qobject_cast<QComboBox *>(control)) {
        if (combo->isEditable()) {
            combo->setEditText(text);
            return true;
        }
        // Two entries may read alike: the one shown already stays chosen.
        if (combo->currentIndex() >= 0 && combo->currentText() == text)
            return true;
        const int index = combo->findText(text, Qt::MatchExactly);
        if (index < 0)
            return false;
        combo->setCurrentIndex(index);
        return true;
    }
    if (auto label = qobject_cast<QLabel *>(control)) {
        label->setText(text);
        return true;
    }
    if (auto plain = qobject_cast<QPlainTextEdit *>(control)) {
        plain->setPlainText(text);
        return true;
    }
    return false;
}

int BackColor(const QWidget *control)
{
    return control ? Colors::ToBgr(control->palette().color(QPalette::Base)) : Colors::White;
}

void SetBackColor(QWidget *control, int bgr)
{
    if (!control)
        return;
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, Colors::FromBgr(bgr));
    control->setPalette(palette);
    // A combo box paints its edit field from its own line edit.
    if (auto combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
        combo->lineEdit()->setPalette(palette);
}

void CopyTextAndColor(const ControlArray &src, const ControlArray &dst, int index)
{
    QWidget *from = src.at(index);
    QWidget *to = dst.at(index);
    if (!from || !to)
        return;
    SetBackColor(to, BackColor(from));
    SetControlText(to, ControlText(from));
}

} // namespace Globsubs
