#include "sections/network/frmReaches.h"

#include "core/Colors.h"
#include "core/ControlArray.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Editglob.h"
#include "core/logic/TextFile.h"
#include "sections/network/logic/NetworkChecks.h"
#include "sections/network/logic/NetworkFields.h"
#include "sections/network/logic/NetworkLines.h"
#include "sections/network/logic/NetworkTables.h"
#include "sections/network/logic/ReachFormat.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

QV_REGISTER_FORM(frmReaches)

namespace {
const QString Title = QStringLiteral("Stream Reach");
constexpr int CodeGroups = 6; // code fields 8 to 13
constexpr int LastEntry = 18; // fields 19 and 20 are carried, never entered

bool isOutlet(const QString &id) { return NetworkFields::SameIdentifier(id, QStringLiteral("OUTLET")); }
} // namespace

frmReaches::frmReaches()
    : NetworkForm({Title, QStringLiteral("Stream Reach:"), QStringLiteral("RC"), Editglob::SecReach,
                  QStringLiteral("Accept Changes   (Close)"), QStringLiteral("     No Changes   (Close)")},
                 {1, NetworkFields::IdentifierWidth, NetworkTables::ReachFields, 1,
                  QStringLiteral("Delete Current Reach ?"), Title, true})
{
}

// ---- Building ----

void frmReaches::buildFields(QGridLayout *layout)
{
    QWidget *parent = centralWidget();
    addAlternateLabels(layout, 0);
    int row = 1;
    const auto combo = [&](int n, const char *caption) {
        layout->addWidget(addFieldLabel(n, QString::fromLatin1(caption)), row, 0);
        layout->addWidget(addCombo(n), row, 1);
        ++row;
    };
    const auto box = [&](int n, const char *caption, const QString &unit = QString()) {
        layout->addWidget(addFieldLabel(n, QString::fromLatin1(caption)), row, 0);
        layout->addWidget(addBox(n, NetworkLines::FieldWidth), row, 1);
        layout->addWidget(addUnitLabel(QStringLiteral("lblInUnit"), n, unit), row, 2);
        ++row;
    };
    combo(1, "Stream Reach Identifier");
    combo(2, "Stream Receiving      Reach Identifier");
    combo(3, "Reach Cross Section      Identifier");
    combo(4, "Reach Structure Identifier");
    box(5, "Reach Channel Length");
    box(6, "Reach Valley Length");
    box(7, "Constant Base Flow");
    layout->addWidget(addLine(0), row++, 0, 1, 3);
    combo(14, "Split Flow Reach Identifier");
    combo(15, "Split Flow Cross Section Identifier");
    box(16, "Starting Split Flow");
    box(17, "Ending Split Flow");
    box(18, "Split Flow Drainage Area");
    for (int n : {19, 20}) {
        box(n, n == 19 ? "Reach Hydraulic Conductivity" : "Storage Available in Alluvium");
        txtinp(n)->setVisible(false);
        txtinp(n)->setFocusPolicy(Qt::NoFocus);
        txtinp(n)->setMaxLength(32767);
        layout->itemAtPosition(row - 1, 0)->widget()->setVisible(false);
        unitLabel(QStringLiteral("lblInUnit"), n)->setVisible(false);
    }
    layout->addWidget(addLine(1), row++, 0, 1, 3);

    static const char *const codes[CodeGroups] = {
        "Reach Peak Output Code",      "Reach Hydrograph Output Code", "Reach Peak Summary Output Code",
        "Reach Time Analysis Code",    "Reach Hydrograph File Code",   "Reach Flood Economics File Code"};
    for (int g = 0; g < CodeGroups; ++g) {
        QLabel *label = addFieldLabel(8 + g, QString::fromLatin1(codes[g]));
        QGroupBox *frame = addCodeGroup(g, 14);
        layout->addWidget(label, row, 0);
        layout->addWidget(frame, row, 1, 1, 2);
        addHiddenBox(8 + g);
        if (g == 2) { // the peak summary code is carried, never chosen here
            label->setVisible(false);
            frame->setVisible(false);
        }
        ++row;
    }

    auto *del = new QPushButton(QStringLiteral("    Delete             Reach"), parent);
    del->setObjectName(QStringLiteral("cmdDelCur"));
    connect(del, &QPushButton::clicked, this, &frmReaches::cmdDelCur_Click);
    layout->addWidget(del, row, 0);

    setTabOrder(Cmbinp(1), Cmbinp(2));
    setTabOrder(Cmbinp(2), Cmbinp(3));
    setTabOrder(Cmbinp(3), Cmbinp(4));
    setTabOrder(Cmbinp(4), txtinp(5));
    setTabOrder(txtinp(5), txtinp(6));
    setTabOrder(txtinp(6), txtinp(7));
    setTabOrder(txtinp(7), Cmbinp(14));
    setTabOrder(Cmbinp(14), Cmbinp(15));
    setTabOrder(Cmbinp(15), txtinp(16));
    setTabOrder(txtinp(16), txtinp(17));
    setTabOrder(txtinp(17), txtinp(18));
}

// ---- Loading ----

bool frmReaches::OpenOnAlternate(const ReachAlternateRequest &request)
{
    return openOnAlternate(request, request_);
}

int frmReaches::EditedAlternate() const { return loadedAlternate(); }

void frmReaches::setDefaults()
{
    // The request that opened the window chooses its data; any other opening
    // edits the base data.
    if (!takeMode())
        request_ = {};
}

void frmReaches::readRecords(const QStringList &lines)
{
    if (!isAlternate())
        NetworkTables::AppendReaches(data_.Work, ReachFormat::ParseReaches(lines));
}

void frmReaches::finishLoad()
{
    using namespace Editglob;
    for (int n : {5, 6})
        unitLabel(QStringLiteral("lblInUnit"), n)->setText(LengthUnit);
    unitLabel(QStringLiteral("lblInUnit"), 7)->setText(DischargePerAreaUnit);
    for (int n : {16, 17})
        unitLabel(QStringLiteral("lblInUnit"), n)->setText(FlowUnit);
    unitLabel(QStringLiteral("lblInUnit"), 19)->setText(ConductivityUnit);
    unitLabel(QStringLiteral("lblInUnit"), 20)->setText(AlluviumStorageUnit);

    fillCombos({1}, [](const ListRef &list) { Globsubs::FillLocationList(list, true); });
    fillCombos({2, 14}, [](const ListRef &list) { Globsubs::FillLocationList(list, false); });
    fillCombos({3, 15}, [](const ListRef &list) { Globsubs::FillXsectList(list); });
    fillCombos({4}, [](const ListRef &list) { Globsubs::FillStructureList(list); });
    for (int n : {1, 2, 3, 4, 14, 15}) {
        Cmbinp(n)->setCurrentIndex(-1);
        Cmbinp(n)->setEditText(QString());
    }
    blankCodes(CodeGroups);

    showAlternateLabels();
    if (isAlternate()) {
        NetworkTables::AppendReaches(data_.Work, request_.Records);
        showHandedOverRecord(request_.Current);
    }
    asRead_ = NetworkTables::Reaches(data_.Work);
}

void frmReaches::Form_Unload()
{
    // The records handed over belong to the alternate window, not to a later opening.
    request_ = {};
    asRead_.clear();
}

// ---- Records ----

void frmReaches::showRecord(int k)
{
    const WorkTables &w = data_.Work;
    for (int n : {2, 3, 4, 5, 6, 7, 14, 15, 16, 17, 18, 19, 20}) {
        setBoxText(n, w.ItemHeader.value(n, k));
        if (n <= 18)
            SetBackColor(txtinp(n), Colors::White);
        if (QComboBox *combo = Cmbinp(n)) {
            combo->setEditText(txtinp(n)->text());
            Globsubs::SetBackColor(combo, Colors::White);
        }
    }
    for (int g = 0; g < CodeGroups; ++g)
        showCode(g, w.ItemHeader.value(8 + g, k));
}

void frmReaches::storeRecord(int k)
{
    WorkTables &w = data_.Work;
    for (int n : {2, 3, 4, 5, 6, 7, 14, 15, 16, 17, 18, 19, 20})
        w.ItemHeader(n, k) = txtinp(n)->text();
    for (int g = 0; g < CodeGroups; ++g) {
        const int option = selectedCode(g);
        if (option > 0)
            w.ItemHeader(8 + g, k) = NetworkFields::OptionCode(option);
    }
}

void frmReaches::clearFields()
{
    for (int n = 2; n <= 20; ++n)
        if (txtinp(n))
            setBoxText(n, QString());
    for (int n : {2, 3, 4, 14, 15})
        Cmbinp(n)->setEditText(QString());
    blankCodes(CodeGroups);
}

bool frmReaches::acceptsIdentifier(const QString &id) const
{
    // OUTLET is the watershed outlet, unless a file names a reach so.
    return NetworkFields::IsIdentifier(id) && (!isOutlet(id) || findRecord(id) > 0);
}

void frmReaches::comboTaken(int index, const QString &text)
{
    if (TextFile::isBlank(text))
        return;
    // Receiving and split reaches share one list, as do the two cross sections.
    if (index == 2 || index == 14) {
        Globsubs::AddUniqueItem(Cmbinp(2), text);
        Globsubs::AddUniqueItem(Cmbinp(14), text);
    } else if (index == 3 || index == 15) {
        Globsubs::AddUniqueItem(Cmbinp(3), text);
        Globsubs::AddUniqueItem(Cmbinp(15), text);
    } else {
        Globsubs::AddUniqueItem(Cmbinp(index), text);
    }
}

// ---- Checks and keys ----

void frmReaches::ValidateField(int &Index)
{
    if (Index == 1 && selectedRecord() <= 0) {
        // No reach chosen: the text named none (blank, or the outlet).
        setBoxText(1, QString());
        Cmbinp(1)->setEditText(QString());
    }
    RecordForm::ValidateField(Index);
}

EntryForm::ColorRule frmReaches::checkField(int index)
{
    if (index == 1)
        return ColorRule::Apply;
    FieldOK = NetworkChecks::ReachFieldPasses(
        index, [this](int f) { return txtinp(f) ? txtinp(f)->text() : QString(); }, isAlternate());
    // Nothing but the identifier can be entered before a reach is chosen.
    if (!TextFile::isBlank(txtinp(index)->text()) && selectedRecord() <= 0)
        FieldOK = false;
    return ColorRule::Apply;
}

int frmReaches::passColor(int) const { return Colors::White; }

int frmReaches::nextBox(int n) const
{
    if (n > LastEntry)
        return 1;
    if (n >= 8 && n <= 13)
        return 14;
    return n;
}

void frmReaches::txtinp_KeyPress(int &Index, int &KeyAscii)
{
    // The box moves on first; leaving it checks it.
    if (Index > LastEntry || (KeyAscii != 9 && KeyAscii != 13))
        return;
    NextField(Index);
    KeyAscii = 0;
}

void frmReaches::txtinp_LostFocus(int Index)
{
    if (Index <= LastEntry && !isComboField(Index))
        ValidateField(Index);
}

// ---- Buttons ----

void frmReaches::cmdDelCur_Click()
{
    if (selectedRecord() <= 0) {
        Cmbinp(1)->setFocus(Qt::OtherFocusReason);
        return;
    }
    deleteChosenRecord();
}

std::optional<InvalidValue> frmReaches::firstInvalidValue()
{
    storeShownRecord();
    auto fault = NetworkChecks::FirstReachFault(NetworkTables::Reaches(data_.Work), asRead_, isAlternate());
    if (fault)
        fault = invalidValue(fault->record, -1, fault->field, fault->text);
    return fault;
}

QStringList frmReaches::buildRecords() const { return ReachFormat::ReachSectionLines(NetworkTables::Reaches(data_.Work)); }

void frmReaches::cmdFinished_Click()
{
    if (!isLoaded())
        return;
    storeShownRecord();
    if (!isAlternate()) {
        RecordForm::cmdFinished_Click();
        return;
    }
    // Handed back, the records reach ~Alter.tmp with the alternate window's
    // Accept: a value that failed its check must not travel with them.
    if (refuseInvalid())
        return;
    const ReachAlternateRequest request = request_;
    const QList<ReachRecord> records = NetworkTables::Reaches(data_.Work);
    Editglob::DataChanged = true;
    unload();
    if (request.OnAccept)
        request.OnAccept(records);
}
