#include "core/Help_Stuff.h"
#include "core/logic/Editglob.h"
#include "core/logic/HelpList.h"

#include <QPlainTextEdit>

namespace Help_Stuff {

void ShowHelp(int HelpId, QWidget *Controls, QPlainTextEdit *HelpBox, const QString &FormKey)
{
    Q_UNUSED(Controls);
    if (CurrentHelpId >= 0)
        ClearHelp(HelpBox);
    if (HelpId >= 0 && HelpId != CurrentHelpId)
        ShowHelpText(HelpBox, CurrentHelpId, HelpId, FormKey);
    else
        CurrentHelpId = NoHelp;
}

void ClearHelp(QPlainTextEdit *HelpBox)
{
    if (!HelpBox)
        return;
    HelpBox->clear();
    HelpBox->setVisible(false);
}

void ShowHelpText(QPlainTextEdit *HelpBox, int &CurrentHelpId, int HelpId, const QString &FormKey)
{
    CurrentHelpId = HelpId;
    if (!HelpBox)
        return;
    const QString text = HelpList::ComposeFromFile(Editglob::HelpListFile,
                                                   HelpList::EntryKey(FormKey, HelpId),
                                                   Editglob::EnglishUnits);
    // The box breaks lines at LF alone.
    HelpBox->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    HelpBox->setVisible(true);
}

} // namespace Help_Stuff
