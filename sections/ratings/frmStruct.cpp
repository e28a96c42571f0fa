#include "sections/ratings/frmStruct.h"

#include "core/Colors.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Editglob.h"
#include "core/logic/TextFile.h"
#include "plots/logic/PlotModel.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

QV_REGISTER_FORM(frmStruct)

namespace {
const QStringList Captions{QString(), QStringLiteral("Structure Identifier:"),
                           QStringLiteral("Structure Starting Elevation:"), QStringLiteral("Structure Elevation:"),
                           QStringLiteral("Structure Discharge:"), QStringLiteral("Structure Storage:")};
} // namespace

frmStruct::frmStruct()
    : RatingForm({QStringLiteral("Structure Rating"), QStringLiteral("Structure Rating:"), QStringLiteral("SR"),
                  Editglob::SecStruct, QStringLiteral("Accept Changes  (Close)"),
                  QStringLiteral("    No Changes     (Close)")},
                 {1, RatingFormats::FieldWidth, RatingFormats::Struct::HeaderFields,
                  RatingFormats::Struct::PointFields, QStringLiteral("Delete Current Structure Data ?"),
                  QStringLiteral("Structure Rating"), true},
                 {RatingChecks::Section::Structure, 3, 5,
                  {QStringLiteral("Elevation"), QStringLiteral("Discharge"), QStringLiteral("Storage")}, 0,
                  QStringLiteral("Structure"), QStringLiteral("Delete Structure"),
                  QStringLiteral("Delete Structure Rating Row ?"),
                  QStringLiteral("Repeat the following for each structure rating point for the Structure Identifier"),
                  QStringLiteral("Click row in grid to edit previously entered data.  RIGHT click to delete row."),
                  Plots::KindStructure})
{
}

int frmStruct::buildBoxes(QGridLayout *layout)
{
    layout->addWidget(addFieldLabel(1, Captions[1]), 0, 0);
    QComboBox *id = addCombo(1);
    id->lineEdit()->setMaxLength(RatingFormats::FieldWidth);
    layout->addWidget(id, 0, 1);
    addBoxRow(layout, 1, 2, Captions[2], Editglob::LengthUnit);
    auto *comment0 = new QLabel(ratingSetup().comment0, layout->parentWidget());
    comment0->setObjectName(QStringLiteral("lblComment_0"));
    // One line: the layout sizes the window without a wrapped label's extra
    // lines, which then push the grid under its buttons.
    layout->addWidget(comment0, 2, 0, 1, 3);
    addBoxRow(layout, 3, 3, Captions[3], Editglob::LengthUnit);
    addBoxRow(layout, 4, 4, Captions[4], Editglob::FlowUnit);
    addBoxRow(layout, 5, 5, Captions[5], Editglob::VolumeUnit);
    return 6;
}

void frmStruct::fillIdentifierList() { Globsubs::FillStructureList(Cmbinp(1)); }

void frmStruct::showHeader(int k)
{
    setBoxText(2, TextFile::trimBlanks(data_.Work.ItemHeader.value(2, k)));
    SetBackColor(txtinp(2), Colors::White);
}

void frmStruct::storeHeader(int k)
{
    data_.Work.ItemHeader(1, k) = txtinp(1)->text();
    data_.Work.ItemHeader(2, k) = txtinp(2)->text();
}

