#include "core/logic/ListRef.h"

namespace {

const ListRef::Ops PlainOps{
    [](const void *list) { return int(static_cast<const TextList *>(list)->items.size()); },
    [](const void *list, int index) { return static_cast<const TextList *>(list)->items.at(index); },
    [](const void *list) { return static_cast<const TextList *>(list)->text; },
    [](void *list, const QString &item) { static_cast<TextList *>(list)->items.append(item); },
    [](void *list, int index) { static_cast<TextList *>(list)->items.removeAt(index); },
};

} // namespace

ListRef::ListRef(TextList &plain) : ListRef(&plain, PlainOps) {}

int ListRef::ListCount() const { return ops_ ? ops_->count(list_) : 0; }

QString ListRef::List(int index) const
{
    if (index < 0 || index >= ListCount())
        return QString();
    return ops_->item(list_, index);
}

QString ListRef::Text() const { return ops_ ? ops_->text(list_) : QString(); }

void ListRef::AddItem(const QString &item) const
{
    if (ops_)
        ops_->add(list_, item);
}

void ListRef::RemoveItem(int index) const
{
    if (index >= 0 && index < ListCount())
        ops_->remove(list_, index);
}
