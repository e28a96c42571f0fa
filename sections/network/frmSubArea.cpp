#include "sections/network/frmSubArea.h"

#include "core/Colors.h"
#include "core/ControlArray.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Editglob.h"
#include "core/logic/TextFile.h"
#include "sections/common/SubAreaDetail.h"
#include "sections/common/logic/RecordList.h"
#include "sections/network/logic/NetworkChecks.h"
#include "sections/network/logic/NetworkFields.h"
#include "sections/network/logic/NetworkLines.h"
#include "sections/network/logic/NetworkTables.h"
#include "sections/network/logic/SubAreaFormat.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>

QV_REGISTER_FORM(frmSubArea)

namespace {
const QString Title = QStringLiteral("Sub-Area");
constexpr int CodeGroups = 5; // code fields 7 to 11
const QString DetailWindows[2] = {QStringLiteral("frmLandUse"), QStringLiteral("frmTc")};
} // namespace

frmSubArea::frmSubArea()
    : NetworkForm({Title, QStringLiteral("Sub-Area:"), QStringLiteral("AR"), Editglob::SecSubArea,
                   QStringLiteral("Accept Changes  (Close)"), QStringLiteral("  No Changes  (Close)")},
                  {1, NetworkFields::IdentifierWidth, NetworkTables::SubAreaFields, NetworkTables::LandFields,
                   QStringLiteral("Delete Current Sub-Area ?"), Title, true})
{
}

// ---- Building ----

void frmSubArea::buildFields(QGridLayout *layout)
{
    QWidget *parent = centralWidget();
    addAlternateLabels(layout, 0);
    int row = 1;
    // A label keeps the height of its text, also beside a taller option group:
    // its yellow is what can be clicked for help.
    const Qt::Alignment labelPlace = Qt::AlignLeft | Qt::AlignVCenter;
    for (int n = 1; n <= 6; ++n, ++row) {
        layout->addWidget(addFieldLabel(n, NetworkChecks::SubAreaCaption(n)), row, 0, labelPlace);
        if (n <= 3) {
            layout->addWidget(addCombo(n), row, 1);
        } else {
            layout->addWidget(addBox(n, NetworkLines::FieldWidth), row, 1);
            if (n != 5)
                layout->addWidget(addUnitLabel(QStringLiteral("lblInUnit"), n, n == 6 ? QStringLiteral("hr") : QString()),
                                  row, 2);
        }
    }
    static const char *const codes[CodeGroups] = {"Sub-Area Peak Output Code", "Sub-Area Hydrograph Output Code",
                                                  "Sub-Area Peak Summary Output Code", "Sub-Area Time Analysis Code",
                                                  "Sub-Area Hydrograph File Code"};
    for (int g = 0; g < CodeGroups; ++g, ++row) {
        layout->addWidget(addFieldLabel(7 + g, QString::fromLatin1(codes[g])), row, 0, labelPlace);
        layout->addWidget(addCodeGroup(g, 1), row, 1, 1, 2);
        addHiddenBox(7 + g);
    }
    // The boxes the details replace and the detail buttons come and go with
    // the sub-area shown: their places stay, so that nothing under them moves
    // while the user aims at it.
    QList<QWidget *> comingAndGoing;
    for (int n = 4; n <= 6; ++n)
        comingAndGoing << txtinp(n) << parent->findChild<QWidget *>(QStringLiteral("lblInput_") + QString::number(n))
                       << unitLabel(QStringLiteral("lblInUnit"), n);
    static const char *const details[2] = {"Land Use Details", "Tc Details"};
    for (int i = 0; i < 2; ++i) {
        auto *button = new QPushButton(QString::fromLatin1(details[i]), parent);
        button->setObjectName(QStringLiteral("cmdSub_") + QString::number(i));
        button->setVisible(false);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdSub_Click(i); });
        layout->addWidget(button, row, i);
        comingAndGoing << button;
    }
    ++row;
    auto *del = new QPushButton(QStringLiteral("Delete Sub-Area"), parent);
    del->setObjectName(QStringLiteral("cmdDelCur"));
    connect(del, &QPushButton::clicked, this, &frmSubArea::cmdDelCur_Click);
    layout->addWidget(del, row, 0);

    for (QWidget *w : std::as_const(comingAndGoing)) {
        if (!w)
            continue;
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    // A taller window puts its spare height below the fields, not into a label.
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), row + 1, 0, 1, 3);

    setTabOrder(Cmbinp(1), Cmbinp(2));
    setTabOrder(Cmbinp(2), Cmbinp(3));
    setTabOrder(Cmbinp(3), txtinp(4));
    setTabOrder(txtinp(4), txtinp(5));
    setTabOrder(txtinp(5), txtinp(6));
}

// ---- Loading ----

bool frmSubArea::OpenOnAlternate(const SubAreaAlternateRequest &request) { return openOnAlternate(request, request_); }

int frmSubArea::EditedAlternate() const { return loadedAlternate(); }

void frmSubArea::setDefaults()
{
    ++loadCount_;
    // The request that opened the window chooses its data; any other opening
    // edits the base data.
    if (!takeMode())
        request_ = {};
}

void frmSubArea::readRecords(const QStringList &lines)
{
    if (!isAlternate())
        SubAreaFormat::ForEachSubArea(lines, [this](SubAreaRecord &&s) { NetworkTables::AppendSubArea(data_.Work, std::move(s)); });
}

void frmSubArea::finishLoad()
{
    unitLabel(QStringLiteral("lblInUnit"), 4)->setText(Editglob::AreaUnit);
    fillCombos({1}, [](const ListRef &list) { Globsubs::FillSubAreaList(list); });
    fillCombos({2}, [](const ListRef &list) { Globsubs::FillLocationList(list, false); });
    fillCombos({3}, [](const ListRef &list) { Globsubs::FillRainGageList(list); });
    for (int n = 1; n <= 3; ++n) {
        Cmbinp(n)->setCurrentIndex(-1);
        Cmbinp(n)->setEditText(QString());
    }
    blankCodes(CodeGroups);

    showAlternateLabels();
    if (isAlternate()) {
        NetworkTables::AppendSubAreas(data_.Work, request_.Records);
        showHandedOverRecord(request_.Current);
    }
}

void frmSubArea::Form_Unload()
{
    // The records handed over belong to the alternate window, not to a later opening.
    request_ = {};
}

// ---- Records ----

void frmSubArea::showRecord(int k)
{
    // The identifier stays as the user typed it, as the record was chosen by it.
    const WorkTables &w = data_.Work;
    for (int n = 2; n <= 6; ++n) {
        setBoxText(n, w.ItemHeader.value(n, k));
        SetBackColor(txtinp(n), Colors::White);
        if (QComboBox *combo = Cmbinp(n)) {
            combo->setEditText(txtinp(n)->text());
            Globsubs::SetBackColor(combo, Colors::White);
        }
    }
    for (int g = 0; g < CodeGroups; ++g)
        showCode(g, w.ItemHeader.value(7 + g, k));
    SetDetailState();
}

void frmSubArea::storeRecord(int k)
{
    WorkTables &w = data_.Work;
    for (int n = 2; n <= 6; ++n)
        w.ItemHeader(n, k) = txtinp(n)->text();
    for (int g = 0; g < CodeGroups; ++g) {
        const int option = selectedCode(g);
        if (option > 0)
            w.ItemHeader(7 + g, k) = NetworkFields::OptionCode(option);
    }
}

void frmSubArea::clearFields()
{
    for (int n = 2; n <= 6; ++n) {
        setBoxText(n, QString());
        SetBackColor(txtinp(n), Colors::White);
        if (QComboBox *combo = Cmbinp(n)) {
            combo->setEditText(QString());
            Globsubs::SetBackColor(combo, Colors::White);
        }
    }
    blankCodes(CodeGroups);
}

int frmSubArea::createRecord(const QString &id)
{
    const int k = RecordList::Add(data_.Work, {id});
    clearFields();
    // The detail state follows the new sub-area, not the one shown before.
    setSelectedRecord(k);
    SetDetailState();
    return k;
}

void frmSubArea::identifierTaken(const QString &text)
{
    // Also an identifier that is chosen, not created: an alternate's record
    // need not be named in any working file yet. A blank one names nothing.
    if (!TextFile::isBlank(text))
        Globsubs::AddUniqueItem(Cmbinp(1), text);
}

void frmSubArea::comboTaken(int index, const QString &text) { Globsubs::AddUniqueItem(Cmbinp(index), text); }

// ---- Detail state and windows ----

void frmSubArea::SetDetailState()
{
    const int k = selectedRecord();
    if (!data_.Work.HasItem(k))
        return;
    const auto label = [this](int n) { return findChild<QLabel *>(QStringLiteral("lblInput_") + QString::number(n)); };
    const auto unit = [this](int n) { return unitLabel(QStringLiteral("lblInUnit"), n); };
    auto *landButton = findChild<QPushButton *>(QStringLiteral("cmdSub_0"));
    auto *tcButton = findChild<QPushButton *>(QStringLiteral("cmdSub_1"));

    // A box that the details replace is hidden only while it is empty: a
    // file written elsewhere may hold both, and the value must stay in
    // sight, to be kept or cleared.
    const bool landRows = NetworkTables::HasLandRows(data_.Work, k);
    const bool areaShown = !landRows || !boxText(4).isEmpty();
    const bool cnShown = !landRows || !boxText(5).isEmpty();
    for (QWidget *w : {static_cast<QWidget *>(txtinp(4)), static_cast<QWidget *>(label(4)),
                       static_cast<QWidget *>(unit(4))})
        w->setVisible(areaShown);
    for (QWidget *w : {static_cast<QWidget *>(txtinp(5)), static_cast<QWidget *>(label(5))})
        w->setVisible(cnShown);
    landButton->setVisible(landRows || (boxText(4).isEmpty() && boxText(5).isEmpty()));

    const bool segments = NetworkTables::SubArea(data_.Work, k).HasFlowSegments();
    const bool tcShown = !segments || !boxText(6).isEmpty();
    for (QWidget *c : {static_cast<QWidget *>(txtinp(6)), static_cast<QWidget *>(label(6)),
                       static_cast<QWidget *>(unit(6))})
        c->setVisible(tcShown);
    tcButton->setVisible(segments || boxText(6).isEmpty());
}

void frmSubArea::cmdSub_Click(int Index)
{
    if (!isLoaded() || Index < 0 || Index > 1)
        return;
    storeShownRecord();
    QvForm *window = Forms::get(DetailWindows[Index]);
    auto *detail = dynamic_cast<SubAreaDetailWindow *>(window);
    if (!detail) {
        Globsubs::ShowForm(window);
        return;
    }
    SubAreaDetailRequest request;
    request.SubAreas = NetworkTables::SubAreas(data_.Work);
    request.Current = data_.Work.HasItem(selectedRecord()) ? selectedRecord() - 1 : -1;
    request.Alternate = loadedAlternate();
    request.AlternateId = isAlternate() ? request_.AlternateId : QString();
    request.OnReturn = [guard = QPointer<frmSubArea>(this), load = loadCount_, Index](const QList<ReturnedSubArea> &changed) {
        if (guard && guard->isLoaded() && guard->loadCount_ == load)
            guard->takeDetail(Index, changed);
    };
    detail->OpenOn(this, request);
}

void frmSubArea::takeDetail(int Index, const QList<ReturnedSubArea> &changed)
{
    // The boxes may hold what was typed while the detail window was open.
    storeShownRecord();
    WorkTables &w = data_.Work;
    // The detail windows are modal: the records stand where they stood when
    // they were handed over.
    for (const auto &[place, record] : changed) {
        const int k = place + 1;
        if (!w.HasItem(k))
            continue;
        if (Index == 0) {
            NetworkTables::SetLandRows(w, k, record.Land);
        } else {
            for (int f = 12; f <= 24; ++f)
                w.ItemHeader(f, k) = record.Field[size_t(f)];
        }
    }
    if (w.HasItem(w.CurrentItem))
        showRecord(w.CurrentItem);
}

// ---- Checks and keys ----

EntryForm::ColorRule frmSubArea::checkField(int index)
{
    FieldOK = NetworkChecks::SubAreaFieldPasses(index, txtinp(index)->text());
    // Nothing but the identifier can be entered before a sub-area is chosen.
    if (index > 1 && selectedRecord() <= 0)
        FieldOK = false;
    return ColorRule::Apply;
}

void frmSubArea::ValidateField(int &Index)
{
    FieldOK = true;
    QLineEdit *box = txtinp(Index);
    if (box && !TextFile::isBlank(box->text())) {
        checkField(Index);
        if (!FieldOK) {
            SetBackColor(box, Colors::Red);
            if (QComboBox *combo = Cmbinp(Index)) {
                combo->setEditText(box->text());
                Globsubs::SetBackColor(combo, Colors::Red);
            }
            --Index;
        } else if (data_.Work.HasItem(selectedRecord())) {
            // A value that passes is posted to the sub-area at once; the
            // identifier stays as the sub-area was created.
            if (Index > 1)
                data_.Work.ItemHeader(Index, selectedRecord()) = box->text();
            SetBackColor(box, Colors::Cyan);
        }
    }
    if (Index > 3)
        SetDetailState();
}

int frmSubArea::nextBox(int n) const
{
    if (n >= 4 && n <= 6) {
        for (int i = n; i <= 6; ++i)
            if (!txtinp(i)->isHidden())
                return i;
        return 1;
    }
    return n >= 1 && n <= 3 ? n : 1;
}

void frmSubArea::txtinp_LostFocus(int Index)
{
    if (!movingByKey() && !isComboField(Index))
        ValidateField(Index);
}

// ---- Buttons ----

void frmSubArea::cmdDelCur_Click()
{
    if (selectedRecord() <= 0) {
        Cmbinp(1)->setFocus(Qt::OtherFocusReason);
        return;
    }
    deleteChosenRecord();
}

std::optional<InvalidValue> frmSubArea::firstInvalidValue()
{
    storeShownRecord();
    auto fault = NetworkChecks::FirstSubAreaFault(NetworkTables::SubAreas(data_.Work));
    if (fault)
        fault = invalidValue(fault->record, -1, fault->field, fault->text);
    return fault;
}

QStringList frmSubArea::buildRecords() const
{
    return SubAreaFormat::SubAreaSectionLines(NetworkTables::SubAreas(data_.Work));
}

void frmSubArea::cmdFinished_Click()
{
    if (!isLoaded())
        return;
    storeShownRecord();
    if (!isAlternate()) {
        NetworkForm::cmdFinished_Click();
        return;
    }
    // Handed back, the records reach ~Alter.tmp with the alternate window's
    // Accept: a value that failed its check must not travel with them.
    if (refuseInvalid())
        return;
    const SubAreaAlternateRequest request = request_;
    const QList<SubAreaRecord> records = NetworkTables::SubAreas(data_.Work);
    unload();
    if (request.OnAccept)
        request.OnAccept(records);
}
