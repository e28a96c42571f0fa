#include "core/AlignedCells.h"

AlignedCells::AlignedCells(AlignOf alignOf, QObject *parent)
    : QStyledItemDelegate(parent)
    , alignOf_(alignOf)
{
}

void AlignedCells::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = alignOf_(index.column());
}
