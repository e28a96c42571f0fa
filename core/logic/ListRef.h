#pragma once
// A list or combo box as the list routines see it: entries numbered from 0,
// the current text, adding and removing entries.
//
// A ListRef is a small non-owning handle; it converts from a QComboBox*, a
// QListWidget* or a TextList (a plain list used where no widget exists, such
// as tests and the fuzz target), so callers write
//     Globsubs::FillLocationList(Cmbinp_2, true);
// The widget classes are only declared here, and their two constructors are
// built with the windows (core/ListRef.cpp): code that fills lists needs
// QtCore alone. A null widget is an empty list that takes nothing.
#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;

// A list without a widget: the entries and the current text.
struct TextList
{
    QStringList items;
    QString text;
};

class ListRef
{
public:
    // What one kind of list does with the list it is handed.
    struct Ops
    {
        int (*count)(const void *list);
        QString (*item)(const void *list, int index);
        QString (*text)(const void *list);
        void (*add)(void *list, const QString &item);
        void (*remove)(void *list, int index);
    };

    ListRef(QComboBox *combo);
    ListRef(QListWidget *list);
    ListRef(TextList &plain);
    ListRef(void *list, const Ops &ops) : list_(list), ops_(list ? &ops : nullptr) {}

    int ListCount() const;
    // Entry `index` (0 to ListCount() - 1); empty outside.
    QString List(int index) const;
    // The edit text of a combo box, the selected entry of a list box.
    QString Text() const;
    void AddItem(const QString &item) const;
    void RemoveItem(int index) const;

private:
    void *list_ = nullptr;
    const Ops *ops_ = nullptr;
};
