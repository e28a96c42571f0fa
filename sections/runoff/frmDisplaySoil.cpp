#include "sections/runoff/frmDisplaySoil.h"

#include "core/AlignedCells.h"
#include "core/Colors.h"
#include "core/FlexGrid.h"
#include "core/logic/Editglob.h"
#include "core/logic/TextFile.h"
#include "sections/runoff/logic/LocalSoilData.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

QV_REGISTER_FORM(frmDisplaySoil)

namespace {
constexpr int None = -999;
// Twips to pixels at the usual 15 twips a pixel.
constexpr int Twips(int twips) { return twips / 15; }
} // namespace

frmDisplaySoil::frmDisplaySoil() { setWindowTitle(QStringLiteral("Display Local Soil/HSG")); }

void frmDisplaySoil::buildControls(QWidget *central)
{
    auto *layout = new QGridLayout(central);
    auto *table = new QTableWidget(2, 2, central);
    table->setObjectName(QStringLiteral("MSFlexGrid1"));
    table->setItemDelegate(new AlignedCells(
        [](int c) { return Qt::AlignVCenter | (c == 1 ? Qt::AlignHCenter : Qt::AlignLeft); }, table));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_ = new FlexGrid(table);
    grid_->setFixedRows(1);
    grid_->setTextMatrix(0, 0, QStringLiteral("Soil Identifier "));
    grid_->setTextMatrix(0, 1, QStringLiteral("HSG "));
    table->setColumnWidth(0, Twips(2000));
    table->setColumnWidth(1, Twips(900));
    table->setMinimumWidth(Twips(2000) + Twips(900) + 40);
    table->setMinimumHeight(300);
    layout->addWidget(table, 0, 0, 1, 2);

    auto *label = new QLabel(QStringLiteral("Find in Soil List"), central);
    label->setObjectName(QStringLiteral("lblInput_1"));
    find_ = new QLineEdit(central);
    find_->setObjectName(QStringLiteral("txtinp_1"));
    layout->addWidget(label, 1, 0);
    layout->addWidget(find_, 1, 1);
    connect(find_, &QLineEdit::textChanged, this, &frmDisplaySoil::txtinp_Change);

    auto *close = new QPushButton(QStringLiteral("  Close   "), central);
    close->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(close, 2, 0, 1, 2);
    connect(close, &QPushButton::clicked, this, &frmDisplaySoil::cmdCancel_Click);
}

void frmDisplaySoil::Form_Load()
{
    selectedRow_ = None;
    gridRow_ = None;
    soilCount_ = 0;
    // Row 1 stays empty, as the list has always shown it; the soils follow.
    for (const LocalSoilData::LocalSoil &soil : LocalSoilData::Read(Editglob::LocalSoilFile)) {
        grid_->AddItem(soil.Id + QLatin1Char('\t') + soil.Groups);
        ++soilCount_;
    }
}

void frmDisplaySoil::txtinp_Change()
{
    // Blanks count only for the comparison, so "Salt flat" can be typed.
    const QString key = TextFile::trimBlanks(find_->text());
    const qsizetype n = key.size();
    if (n == 0)
        return;
    gridRow_ = None;
    for (int r = 1; r < grid_->Rows(); ++r) {
        if (grid_->TextMatrix(r, 0).left(n).compare(key, Qt::CaseInsensitive) == 0) {
            gridRow_ = r;
            break;
        }
    }
    if (gridRow_ == None)
        return;
    grid_->setTopRow(gridRow_);
    if (selectedRow_ > 0)
        for (int c = 0; c < 2; ++c)
            grid_->setCellColor(selectedRow_, c, Colors::White);
    selectedRow_ = gridRow_;
    for (int c = 0; c < 2; ++c)
        grid_->setCellColor(selectedRow_, c, Colors::Green);
}
