#include "sections/runoff/frmLocalSoil.h"

#include "core/Colors.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/TextFile.h"
#include "sections/common/logic/RecordList.h"
#include "sections/runoff/logic/LocalItems.h"
#include "sections/runoff/logic/LocalSoilData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

QV_REGISTER_FORM(frmLocalSoil)

namespace {
const QString Title = QStringLiteral("Local Soil / HSG");
const QString Letters[4] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
} // namespace

frmLocalSoil::frmLocalSoil()
    : RecordForm({Title, QString(), QString(), 0, QStringLiteral("Accept Changes (Close)"),
                  QStringLiteral("    No Changes   (Close)")},
                 {1, 25, 5, 1, QStringLiteral("Delete Current Local Soil Data ?"), QString()})
{
}

QCheckBox *frmLocalSoil::Check1(int index) const
{
    return findChild<QCheckBox *>(QStringLiteral("Check1_") + QString::number(index));
}

void frmLocalSoil::buildFields(QGridLayout *layout)
{
    QWidget *parent = layout->parentWidget();
    layout->addWidget(addFieldLabel(1, QStringLiteral("Local Soil Identifier"), -1), 0, 0);
    layout->addWidget(addCombo(1), 0, 1, 1, 4);
    auto *caption = new QLabel(QStringLiteral("Hydrologic Soil Groups (HSG)"), parent);
    caption->setObjectName(QStringLiteral("lblStatic_1"));
    layout->addWidget(caption, 1, 0, 1, 5);
    for (int i = 2; i <= 5; ++i) {
        auto *letter = new QLabel(Letters[i - 2], parent);
        letter->setObjectName(QStringLiteral("lblStatic_") + QString::number(i));
        auto *box = new QCheckBox(parent);
        box->setObjectName(QStringLiteral("Check1_") + QString::number(i));
        layout->addWidget(letter, 2, i - 1);
        layout->addWidget(box, 3, i - 1);
    }
    auto *note = new QLabel(QStringLiteral("Check all HSGs that apply to the Local Soil Identifier"), parent);
    note->setObjectName(QStringLiteral("lblStatic_6"));
    layout->addWidget(note, 4, 0, 1, 5);
    layout->addWidget(addDeleteButton(QStringLiteral("Delete Soil")), 5, 0, 1, 5);
}

void frmLocalSoil::finishLoad()
{
    setWindowTitle(Title);
    refused_.clear();
    if (QWidget *header = findChild<QWidget *>(QStringLiteral("lblHeader")))
        header->setVisible(false);
    QComboBox *combo = Cmbinp(1);
    for (const LocalSoilData::LocalSoil &soil : LocalSoilData::Read(Editglob::LocalSoilFile)) {
        const std::array<bool, 4> flags = LocalSoilData::GroupFlags(soil.Groups);
        QStringList fields{TextFile::trimBlanks(soil.Id)};
        for (int g = 0; g < 4; ++g)
            fields << (flags[g] ? Letters[g] : QString());
        RecordList::Add(data_.Work, fields);
        Globsubs::AddUniqueItem(combo, soil.Id);
    }
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

QString frmLocalSoil::takenText(int, const QString &typed) const { return typed; }

int frmLocalSoil::findRecord(const QString &id) const
{
    return RecordList::Find(data_.Work, id, 1, Qt::CaseSensitive, RecordList::Pick::Last);
}

bool frmLocalSoil::acceptsIdentifier(const QString &id) const
{
    if (TextFile::isBlank(id))
        return false;
    // A soil the file holds is shown and kept as it reads; a name added here
    // must go between quotes.
    if (findRecord(id) > 0 || LocalItems::CanQuoteItem(id)) {
        refused_.clear();
        return true;
    }
    if (id == refused_)
        return false;
    refused_ = id;
    Dialogs::message(QStringLiteral("The Local Soil Identifier \"") + TextFile::trimBlanks(id)
                         + QStringLiteral("\" holds a double quote or a character the local soil file cannot hold. "
                                          "Please type another identifier."),
                     Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, Title);
    return false;
}

EntryForm::ColorRule frmLocalSoil::checkField(int index)
{
    if (index == 1 && !TextFile::isBlank(txtinp(1)->text()) && selectedRecord() == 0)
        FieldOK = false;
    return ColorRule::Apply;
}

void frmLocalSoil::showRecord(int k)
{
    setBoxText(1, data_.Work.ItemHeader(1, k));
    SetBackColor(txtinp(1), Colors::White);
    for (int i = 2; i <= 5; ++i)
        Check1(i)->setChecked(!data_.Work.ItemHeader(i, k).isEmpty());
}

void frmLocalSoil::storeRecord(int k)
{
    for (int i = 2; i <= 5; ++i)
        data_.Work.ItemHeader(i, k) = Check1(i)->isChecked() ? Letters[i - 2] : QString();
}

void frmLocalSoil::clearFields()
{
    for (int i = 2; i <= 5; ++i)
        Check1(i)->setChecked(false);
}

void frmLocalSoil::cmdFinished_Click()
{
    storeShownRecord();
    QList<LocalSoilData::LocalSoil> soils;
    const WorkTables &w = data_.Work;
    for (int k = 1; k <= w.ItemCount; ++k) {
        std::array<bool, 4> flags{};
        bool any = false;
        for (int g = 0; g < 4; ++g)
            any = (flags[g] = !TextFile::isBlank(w.ItemHeader(g + 2, k))) || any;
        if (any && !TextFile::isBlank(w.ItemHeader(1, k)))
            soils << LocalSoilData::LocalSoil{w.ItemHeader(1, k), LocalSoilData::GroupText(flags)};
    }
    QString error;
    if (!LocalSoilData::Write(Editglob::LocalSoilFile, soils, &error)) {
        Dialogs::message(QStringLiteral("The local soil file ") + Editglob::LocalSoilFile
                             + QStringLiteral(" could not be written: ") + error
                             + QStringLiteral("\nYour changes are still in this window."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Critical, Title);
        return;
    }
    unload();
}

bool frmLocalSoil::eventFilter(QObject *watched, QEvent *event)
{
    // The window has no context help.
    if (event->type() == QEvent::MouseButtonPress && watched->objectName() == QLatin1String("lblHeader"))
        return true;
    return RecordForm::eventFilter(watched, event);
}
