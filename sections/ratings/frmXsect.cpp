#include "sections/ratings/frmXsect.h"

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

QV_REGISTER_FORM(frmXsect)

namespace {
const QStringList Captions{QString(),
                           QStringLiteral("Cross Section Identifier"),
                           QStringLiteral("Bankfull Elevation"),
                           QStringLiteral("Low Ground Elevation"),
                           QStringLiteral("Stream Identifier"),
                           QStringLiteral("Stream Station"),
                           QStringLiteral("Cross Section Elevation"),
                           QStringLiteral("Cross Section Discharge"),
                           QStringLiteral("Cross Section End Area"),
                           QStringLiteral("Cross Section Top Width"),
                           QStringLiteral("Cross Section Friction Slope")};
constexpr int StreamBox = RatingFormats::Xsect::StreamField;
} // namespace

frmXsect::frmXsect()
    : RatingForm({QStringLiteral("Stream Cross Section"), QStringLiteral("Stream Cross Section:"),
                  QStringLiteral("XS"), Editglob::SecXsect, QStringLiteral("Accept Changes  (Close)"),
                  QStringLiteral("    No Changes  (Close)")},
                 {1, RatingFormats::FieldWidth, RatingFormats::Xsect::HeaderFields,
                  RatingFormats::Xsect::PointFields, QStringLiteral("Delete Current Cross Section ?"),
                  QStringLiteral("Stream Cross Section"), true},
                 {RatingChecks::Section::CrossSection, 6, 10,
                  {QStringLiteral("Elevation"), QStringLiteral("Discharge"), QStringLiteral("End Area"),
                   QStringLiteral("Top Width"), QStringLiteral("Friction Slope")},
                  450, QStringLiteral("Cross Section"), QStringLiteral("      Delete       Cross Section"),
                  QStringLiteral("Delete Cross Section Rating Row ?"),
                  QStringLiteral("Repeat following variables for each cross section rating point in the Cross "
                                 "Section Identifier"),
                  QStringLiteral("Click row in grid to edit previously entered data. RIGHT click to delete row."),
                  Plots::KindCrossSection})
{
}

int frmXsect::buildBoxes(QGridLayout *layout)
{
    layout->addWidget(addFieldLabel(1, Captions[1]), 0, 0);
    for (int i : {1, StreamBox})
        addCombo(i)->lineEdit()->setMaxLength(RatingFormats::FieldWidth);
    layout->addWidget(Cmbinp(1), 0, 1);
    addBoxRow(layout, 1, 2, Captions[2], Editglob::LengthUnit);
    addBoxRow(layout, 2, 3, Captions[3], Editglob::LengthUnit);
    layout->addWidget(addFieldLabel(StreamBox, Captions[StreamBox]), 3, 0);
    layout->addWidget(Cmbinp(StreamBox), 3, 1);
    addBoxRow(layout, 4, 5, Captions[5], Editglob::LengthUnit);
    auto *comment0 = new QLabel(ratingSetup().comment0, layout->parentWidget());
    comment0->setObjectName(QStringLiteral("lblComment_0"));
    // One line: the layout sizes the window without a wrapped label's extra
    // lines, which then push the grid under its buttons.
    layout->addWidget(comment0, 5, 0, 1, 3);
    addBoxRow(layout, 6, 6, Captions[6], Editglob::LengthUnit);
    addBoxRow(layout, 7, 7, Captions[7], Editglob::FlowUnit);
    addBoxRow(layout, 8, 8, Captions[8], Editglob::SmallAreaUnit);
    addBoxRow(layout, 9, 9, Captions[9], Editglob::LengthUnit);
    addBoxRow(layout, 10, 10, Captions[10], QString(), false);
    return 11;
}

void frmXsect::fillIdentifierList() { Globsubs::FillXsectList(Cmbinp(1)); }

void frmXsect::showHeader(int k)
{
    const WorkTables &w = data_.Work;
    for (int i = 2; i <= 5; ++i) {
        setBoxText(i, TextFile::trimBlanks(w.ItemHeader.value(i, k)));
        SetBackColor(txtinp(i), Colors::White);
    }
    Cmbinp(StreamBox)->setEditText(TextFile::trimBlanks(w.ItemHeader.value(StreamBox, k)));
    Globsubs::SetBackColor(Cmbinp(StreamBox), Colors::White);
}

void frmXsect::storeHeader(int k)
{
    for (int i = 1; i <= 5; ++i)
        data_.Work.ItemHeader(i, k) = txtinp(i)->text();
}

EntryForm::ColorRule frmXsect::checkField(int index)
{
    // The stream is only filed: leaving its list checks and colours nothing,
    // whether or not a cross section is chosen.
    if (index == StreamBox)
        return ColorRule::Keep;
    return RatingForm::checkField(index);
}

void frmXsect::comboTaken(int index, const QString &text)
{
    // The stream list is offered when the combo is entered; leaving it files
    // the stream of the cross section shown.
    if (index != StreamBox)
        return;
    const int k = data_.Work.CurrentItem;
    if (data_.Work.HasItem(k))
        data_.Work.ItemHeader(StreamBox, k) = text;
}

void frmXsect::Cmbinp_GotFocus(int Index)
{
    if (Index == StreamBox && data_.Work.ItemCount > 0) {
        Globsubs::UniqueAdder streams(Cmbinp(StreamBox));
        for (int k = 1; k <= data_.Work.ItemCount; ++k) {
            const QString stream = data_.Work.ItemHeader.value(StreamBox, k);
            if (!TextFile::isBlank(stream))
                streams.add(stream);
        }
        if (!TextFile::isBlank(txtinp(StreamBox)->text()))
            streams.add(txtinp(StreamBox)->text());
    }
    RecordForm::Cmbinp_GotFocus(Index);
}
