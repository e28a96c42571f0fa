#include "core/ListRef.h"

#include <QComboBox>
#include <QListWidget>

int ListRef::ListCount() const
{
    if (combo_)
        return combo_->count();
    if (widget_)
        return widget_->count();
    return plain_ ? int(plain_->items.size()) : 0;
}

QString ListRef::List(int index) const
{
    if (index < 0 || index >= ListCount())
        return QString();
    if (combo_)
        return combo_->itemText(index);
    if (widget_)
        return widget_->item(index)->text();
    return plain_->items.at(index);
}

QString ListRef::Text() const
{
    if (combo_)
        return combo_->currentText();
    if (widget_) {
        const QListWidgetItem *current = widget_->currentItem();
        return current ? current->text() : QString();
    }
    return plain_ ? plain_->text : QString();
}

void ListRef::AddItem(const QString &item) const
{
    if (combo_) {
        // An editable combo keeps its edit text; adding to an empty one would
        // otherwise select the new entry.
        const QString edit = combo_->currentText();
        const bool keepEdit = combo_->isEditable();
        combo_->addItem(item);
        if (keepEdit && combo_->currentText() != edit)
            combo_->setEditText(edit);
    } else if (widget_) {
        widget_->addItem(item);
    } else if (plain_) {
        plain_->items.append(item);
    }
}

void ListRef::RemoveItem(int index) const
{
    if (index < 0 || index >= ListCount())
        return;
    if (combo_) {
        const QString edit = combo_->currentText();
        const bool keepEdit = combo_->isEditable();
        combo_->removeItem(index);
        if (keepEdit && combo_->currentText() != edit)
            combo_->setEditText(edit);
    } else if (widget_) {
        delete widget_->takeItem(index);
    } else {
        plain_->items.removeAt(index);
    }
}
