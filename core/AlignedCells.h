#pragma once
// Item delegate that aligns a grid's cells column by column.
#include <QStyledItemDelegate>

class AlignedCells : public QStyledItemDelegate
{
public:
    using AlignOf = Qt::Alignment (*)(int column);

    AlignedCells(AlignOf alignOf, QObject *parent);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    AlignOf alignOf_;
};
