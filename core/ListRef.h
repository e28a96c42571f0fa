#pragma once
// A list or combo box as the list routines see it: entries numbered from 0,
// the current text, adding and removing entries.
//
// A ListRef is a small non-owning handle; it converts from a QComboBox*, a
// QListWidget* or a TextList (a plain list used where no widget exists, such
// as tests and the fuzz target), so callers write
//     Globsubs::FillLocationList(Cmbinp_2, true);
// The widget classes are only declared here: code that fills lists needs
// QtCore alone.
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
    ListRef(QComboBox *combo) : combo_(combo) {}
    ListRef(QListWidget *list) : widget_(list) {}
    ListRef(TextList &plain) : plain_(&plain) {}

    int ListCount() const;
    // Entry `index` (0 to ListCount() - 1); empty outside.
    QString List(int index) const;
    // The edit text of a combo box, the selected entry of a list box.
    QString Text() const;
    void AddItem(const QString &item) const;
    void RemoveItem(int index) const;

private:
    QComboBox *combo_ = nullptr;
    QListWidget *widget_ = nullptr;
    TextList *plain_ = nullptr;
};
