// The widget lists behind ListRef (core/logic/ListRef.h): combo boxes and
// list boxes.
#include "core/logic/ListRef.h"

#include <QComboBox>
#include <QListWidget>

namespace {

QComboBox *combo(void *list) { return static_cast<QComboBox *>(list); }
const QComboBox *combo(const void *list) { return static_cast<const QComboBox *>(list); }
QListWidget *listBox(void *list) { return static_cast<QListWidget *>(list); }
const QListWidget *listBox(const void *list) { return static_cast<const QListWidget *>(list); }

// An editable combo keeps its edit text through a change of its entries;
// adding to an empty one would otherwise select the new entry.
template <class Change> void keepingEditText(QComboBox *box, Change change)
{
    const QString edit = box->currentText();
    change();
    if (box->isEditable() && box->currentText() != edit)
        box->setEditText(edit);
}

const ListRef::Ops ComboOps{
    [](const void *list) { return combo(list)->count(); },
    [](const void *list, int index) { return combo(list)->itemText(index); },
    [](const void *list) { return combo(list)->currentText(); },
    [](void *list, const QString &item) { keepingEditText(combo(list), [&] { combo(list)->addItem(item); }); },
    [](void *list, int index) { keepingEditText(combo(list), [&] { combo(list)->removeItem(index); }); },
};

const ListRef::Ops ListBoxOps{
    [](const void *list) { return listBox(list)->count(); },
    [](const void *list, int index) { return listBox(list)->item(index)->text(); },
    [](const void *list) {
        const QListWidgetItem *current = listBox(list)->currentItem();
        return current ? current->text() : QString();
    },
    [](void *list, const QString &item) { listBox(list)->addItem(item); },
    [](void *list, int index) { delete listBox(list)->takeItem(index); },
};

} // namespace

ListRef::ListRef(QComboBox *combo) : ListRef(combo, ComboOps) {}

ListRef::ListRef(QListWidget *list) : ListRef(list, ListBoxOps) {}
