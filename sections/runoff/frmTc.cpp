#include "sections/runoff/frmTc.h"

#include "core/Colors.h"
#include "core/Help_Stuff.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/Fields.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/TextFile.h"
#include "sections/runoff/logic/TravelTime.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <utility>

QV_REGISTER_FORM(frmTc)

namespace {

const QString Title = QStringLiteral("Time of Concentration");
constexpr int IdWidth = 10;
constexpr int FieldWidth = 10;
// Codes by their list entry: entry 0 is the blank entry.
const QString SheetCodes = QStringLiteral(" ABCDEFGHIJ");
const QString ShallowCodes = QStringLiteral(" PU");

// The list entry of a stored code: its position in `codes`, minus 1; the
// blank entry for a blank code; -1 (no entry) for a character not there.
int EntryOfCode(const QString &code, const QString &codes)
{
    const QChar letter = SurfaceCodeOf(code);
    return letter.isNull() ? 0 : int(codes.indexOf(letter));
}

} // namespace

frmTc::frmTc()
    : EntryForm({Title, QStringLiteral("Time of Concentration"), QStringLiteral("AR"), 0,
                 QStringLiteral("Return to Sub-Area"), QString()})
{
}

QComboBox *frmTc::Cmbinp(int index) const { return qobject_cast<QComboBox *>(combos_.at(index)); }

QString frmTc::headerHelpKey() const { return QStringLiteral("ART"); }

void frmTc::OpenOn(QWidget *owner, const SubAreaDetailRequest &request)
{
    if (isLoaded()) {
        // Already open: brought to the front, not loaded again.
        Globsubs::BringToFront(this);
        return;
    }
    request_ = request;
    setWindowModality(Qt::ApplicationModal);
    Globsubs::ShowForm(this);
    // Stands above the owner. Set once the window is shown: set before, the
    // window manager at times maps it without telling its frame.
    if (owner) {
        if (QWindow *handle = windowHandle())
            handle->setTransientParent(owner->window()->windowHandle());
    }
}

void frmTc::hideEvent(QHideEvent *event)
{
    EntryForm::hideEvent(event);
    // Modality may change only while hidden: changed while shown, the window
    // would stay on the modal list after it closed.
    if (!event->spontaneous() && !isVisible()) {
        if (QWindow *handle = windowHandle())
            handle->setTransientParent(nullptr);
        setWindowModality(Qt::NonModal);
    }
}

void frmTc::Form_Unload()
{
    // The copies and the hand-back belong to one opening: a later opening
    // without a request must not return into an earlier sub-area window.
    request_ = SubAreaDetailRequest();
    work_.clear();
    places_.clear();
    TcRow_ = 0;
    namedRow_ = 0;
    focus_.reset();
}

void frmTc::buildControls(QWidget *central)
{
    comboIndex_.clear();
    focus_.reset();
    EntryForm::buildControls(central);
    // The window hands back or discards: there is no "No Changes" button.
    delete central->findChild<QPushButton *>(QStringLiteral("cmdCancel"));
    boxes_ = ControlArray::find(central, QStringLiteral("txtinp"));
    combos_ = ControlArray::find(central, QStringLiteral("Cmbinp"));
}

void frmTc::buildFields(QGridLayout *layout)
{
    using namespace Editglob;
    QWidget *parent = layout->parentWidget();
    auto makeCombo = [&](int index) {
        QLineEdit *twin = addHiddenBox(index);
        twin->setMaxLength(32767);
        auto *combo = new QComboBox(parent);
        combo->setObjectName(QStringLiteral("Cmbinp_") + QString::number(index));
        combo->setEditable(false);
        Globsubs::SetBackColor(combo, Colors::White);
        combo->installEventFilter(this);
        comboIndex_.insert(combo, index);
        // A surface chosen shows at once the n and travel time that will be
        // handed back; a sub-area is taken as its list is left.
        if (index != 1)
            connect(combo, &QComboBox::activated, this, [this, index] {
                int i = index;
                ValidateField(i);
            });
        layout->addWidget(twin, 0, 9);
        return combo;
    };
    auto resultBox = [&](int index) {
        QLineEdit *box = addBox(index, 32767);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    };

    // Identifier, alternate, rainfall.
    layout->addWidget(addFieldLabel(1, QStringLiteral("Sub-Area Identifier")), 0, 0);
    QComboBox *ids = makeCombo(1);
    ids->setMinimumContentsLength(IdWidth);
    layout->addWidget(ids, 0, 1, 1, 2);
    cmdDelCur_ = new QPushButton(QStringLiteral("Delete Tc Details"), parent);
    cmdDelCur_->setObjectName(QStringLiteral("cmdDelCur"));
    connect(cmdDelCur_, &QPushButton::clicked, this, &frmTc::cmdDelCur_Click);
    layout->addWidget(cmdDelCur_, 0, 3, 1, 2);
    auto *altCaption = new QLabel(QStringLiteral("Alternate"), parent);
    altCaption->setObjectName(QStringLiteral("lblStatic_1"));
    auto *altId = new QLabel(parent);
    altId->setObjectName(QStringLiteral("lblStatic_2"));
    altCaption->setVisible(false);
    altId->setVisible(false);
    layout->addWidget(altCaption, 0, 5);
    layout->addWidget(altId, 0, 6);

    layout->addWidget(addFieldLabel(0, QStringLiteral("2-Yr Rainfall"), -1), 1, 0);
    QLineEdit *rain = resultBox(0);
    layout->addWidget(rain, 1, 1);
    QLineEdit *rainUnit = resultBox(30);
    rainUnit->setText(QStringLiteral("in"));
    rainUnit->setFrame(false);
    layout->addWidget(rainUnit, 1, 2);
    QLabel *note = addFieldLabel(2, QStringLiteral("2-Yr Rainfall for Sheet Flow is entered w/ Storm Analysis data"), -1);
    layout->addWidget(note, 1, 3, 1, 6);

    // Segment grid: a row per segment, a column per quantity.
    const int head = 2;
    layout->addWidget(addFieldLabel(12, QStringLiteral("Length")), head, 1);
    layout->addWidget(addFieldLabel(13, QStringLiteral("Slope")), head, 2);
    layout->addWidget(addFieldLabel(14, QStringLiteral("Manning n")), head, 3);
    layout->addWidget(addFieldLabel(15, QStringLiteral("Flow Surface")), head, 4);
    layout->addWidget(addFieldLabel(22, QStringLiteral("End Area")), head, 5);
    layout->addWidget(addFieldLabel(23, QStringLiteral("Wetted Perimeter")), head, 6);
    layout->addWidget(addFieldLabel(24, QStringLiteral("Velocity")), head, 7);
    layout->addWidget(addFieldLabel(28, QStringLiteral("Travel Time"), -1), head, 8);
    const QString units = QStringLiteral("lblInUnit");
    layout->addWidget(addUnitLabel(units, 12, LengthUnit), head + 1, 1);
    layout->addWidget(addUnitLabel(units, 13, QStringLiteral("len/len")), head + 1, 2);
    layout->addWidget(addUnitLabel(units, 22, SmallAreaUnit), head + 1, 5);
    layout->addWidget(addUnitLabel(units, 23, LengthUnit), head + 1, 6);
    layout->addWidget(addUnitLabel(units, 24, VelocityUnit), head + 1, 7);
    layout->addWidget(addUnitLabel(units, 28, QStringLiteral("hr")), head + 1, 8);

    const QStringList segments{QStringLiteral("Sheet"), QStringLiteral("Shallow Concentrated"),
                               QStringLiteral("Channel")};
    for (int s = 0; s < 3; ++s) {
        auto *label = new QLabel(segments[s], parent);
        label->setObjectName(QStringLiteral("lblSegment_") + QString::number(s + 1));
        layout->addWidget(label, head + 2 + s, 0);
    }
    const int sheet = head + 2, shallow = head + 3, channel = head + 4;
    layout->addWidget(addBox(12, FieldWidth), sheet, 1);
    layout->addWidget(addBox(13, FieldWidth), sheet, 2);
    layout->addWidget(addBox(14, FieldWidth), sheet, 3);
    QComboBox *sheetSurface = makeCombo(15);
    sheetSurface->addItem(QStringLiteral(" "));
    sheetSurface->addItems(TravelTime::SheetSurfaceTexts());
    layout->addWidget(sheetSurface, sheet, 4);
    layout->addWidget(resultBox(26), sheet, 8);

    layout->addWidget(addBox(16, FieldWidth), shallow, 1);
    layout->addWidget(addBox(17, FieldWidth), shallow, 2);
    QComboBox *shallowSurface = makeCombo(18);
    shallowSurface->addItem(QStringLiteral(" "));
    shallowSurface->addItems(TravelTime::ShallowSurfaceTexts());
    layout->addWidget(shallowSurface, shallow, 4);
    layout->addWidget(resultBox(25), shallow, 7);
    layout->addWidget(resultBox(27), shallow, 8);

    layout->addWidget(addBox(19, FieldWidth), channel, 1);
    layout->addWidget(addBox(20, FieldWidth), channel, 2);
    layout->addWidget(addBox(21, FieldWidth), channel, 3);
    layout->addWidget(addBox(22, FieldWidth), channel, 5);
    layout->addWidget(addBox(23, FieldWidth), channel, 6);
    layout->addWidget(addBox(24, FieldWidth), channel, 7);
    layout->addWidget(resultBox(28), channel, 8);

    layout->addWidget(addFieldLabel(29, QStringLiteral("Time of Concentration"), -1), channel + 1, 5, 1, 3,
                      Qt::AlignRight);
    layout->addWidget(resultBox(29), channel + 1, 8);

    // Tab order for the mouse and Shift+Tab; Tab and Enter follow NextField.
    QList<QWidget *> order{ids, cmdDelCur_};
    for (int i : {12, 13})
        order << txtinp(i);
    order << sheetSurface << txtinp(14) << txtinp(16) << txtinp(17) << shallowSurface;
    for (int i = 19; i <= 24; ++i)
        order << txtinp(i);
    for (int k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void frmTc::Form_Load()
{
    setWindowTitle(Title + QStringLiteral("   Current File - ") + Editglob::FileName);
    Help_Stuff::FormHelpKey = QStringLiteral("AR");
    Help_Stuff::CurrentHelpId = Help_Stuff::NoHelp;
    if (request_.Alternate > 0) {
        findChild<QLabel *>(QStringLiteral("lblStatic_1"))->setVisible(true);
        QLabel *altId = findChild<QLabel *>(QStringLiteral("lblStatic_2"));
        altId->setText(request_.AlternateId);
        altId->setVisible(true);
    }
    TcRow_ = 0;
    namedRow_ = 0;
    focus_.reset();

    // The window's own copy of every sub-area's segments; the identifier list
    // offers those without a Tc of their own, and those with segments to edit
    // even when a file written elsewhere gave them a Tc as well.
    QComboBox *ids = Cmbinp(1);
    QStringList listed{QString()};
    places_.reset(int(request_.SubAreas.size()));
    work_.clear();
    work_.reserve(request_.SubAreas.size());
    for (const SubAreaRecord &record : std::as_const(request_.SubAreas)) {
        WorkColumn column;
        column[1] = record.Field[1];
        if (TextFile::isBlank(record.Field[6]) || record.HasFlowSegments()) {
            places_.add(int(work_.size()));
            listed << record.Field[1];
        }
        for (int f = 12; f <= 24; ++f)
            column[std::size_t(f)] = record.Field[std::size_t(f)];
        // A stored code stands for its list entry.
        for (auto [f, codes] : {std::pair{15, SheetCodes}, std::pair{18, ShallowCodes}}) {
            QString &code = column[std::size_t(f)];
            if (const int entry = EntryOfCode(code, codes); entry >= 0)
                code = Cmbinp(f)->itemText(entry);
        }
        work_.append(column);
    }
    ids->addItems(listed);
    ids->setCurrentIndex(-1);

    if (txtHelp())
        Help_Stuff::ClearHelp(txtHelp());
    ShowRainfallField();
    if (request_.Current >= 0 && request_.Current < work_.size()) {
        const int k = request_.Current + 1;
        ShowSubAreaTc(k);
        txtinp(1)->setText(work_[k - 1][1]);
        namedRow_ = k;
        // Not listed when it has a Tc of its own and no segments: then nothing is selected.
        ids->setCurrentIndex(places_.entry(k - 1));
    }
    showDeleteButton();
    ids->setFocus(Qt::OtherFocusReason);
}

void frmTc::showDeleteButton()
{
    if (cmdDelCur_)
        cmdDelCur_->setVisible(!TextFile::isBlank(Cmbinp(1)->currentText()));
}

void frmTc::ShowSubAreaTc(int k)
{
    if (k <= 0 || k > work_.size())
        return;
    const WorkColumn &column = work_[k - 1];
    for (int f = 12; f <= 24; ++f)
        txtinp(f)->setText(column[std::size_t(f)]);

    // The 2-year rainfall of the sub-area's rain gage.
    using namespace Editglob;
    QString rain;
    const QString gage = TextFile::trimBlanks(request_.SubAreas.at(k - 1).Field[3]).toUpper();
    const int count = std::min<int>(RainGageCount, int(std::min(RainGageIds.size(), RainGageTwoYear.size())) - 1);
    for (int g = 1; g <= count; ++g) {
        if (TextFile::trimBlanks(RainGageIds[g]).toUpper() == gage) {
            rain = TravelTime::SingleText(RainGageTwoYear[g]);
            break;
        }
    }
    txtinp(0)->setText(rain);
    ShowRainfallField();

    Cmbinp(15)->setCurrentIndex(EntryOfCode(column[15], SheetCodes));
    Cmbinp(18)->setCurrentIndex(EntryOfCode(column[18], ShallowCodes));
    for (int index : {12, 16, 19})
        ComputeTravelTime(index);
}

void frmTc::ShowRainfallField()
{
    const bool shown = Globsubs::LeadingNumber(txtinp(0)->text()) > 0;
    findChild<QLabel *>(QStringLiteral("lblInput_0"))->setVisible(shown);
    txtinp(0)->setVisible(shown);
    txtinp(30)->setVisible(shown);
    findChild<QLabel *>(QStringLiteral("lblInput_2"))->setVisible(!shown);
}

void frmTc::StoreSubAreaTc()
{
    if (TcRow_ <= 0 || TcRow_ > work_.size())
        return;
    WorkColumn &column = work_[TcRow_ - 1];
    for (int f = 12; f <= 24; ++f)
        column[std::size_t(f)] = txtinp(f)->text();
}

void frmTc::ComputeTravelTime(int Index)
{
    TravelTime::TcFields fields;
    fields[0] = txtinp(0)->text();
    for (int f = 12; f <= 29; ++f)
        fields[std::size_t(f)] = txtinp(f)->text();
    TravelTime::ComputeTravelTime(Index, fields);
    for (int f = 24; f <= 29; ++f)
        if (txtinp(f)->text() != fields[std::size_t(f)])
            txtinp(f)->setText(fields[std::size_t(f)]);
}

void frmTc::checkBox(int Index)
{
    const QString text = txtinp(Index)->text();
    if (Index == 1) {
        const QString id = TextFile::trimBlanks(text).left(IdWidth);
        txtinp(1)->setText(id);
        FieldOK = std::any_of(request_.SubAreas.cbegin(), request_.SubAreas.cend(),
                              [&](const SubAreaRecord &r) { return TextFile::trimBlanks(r.Field[1]) == id; });
        return;
    }
    // A surface is kept as the code its list entry starts with.
    if (Index == 15 || Index == 18) {
        const QChar code = SurfaceCodeOf(text);
        txtinp(Index)->setText(code.isNull() ? QString() : QString(code));
    }
    FieldOK = TravelTime::FieldPasses(Index, text, Editglob::EnglishUnits) && TcRow_ > 0;
}

bool frmTc::takeSurfaceChoice(int Index)
{
    QComboBox *list = Cmbinp(Index);
    QLineEdit *twin = txtinp(Index);
    if (!list || !twin || list->currentIndex() == EntryOfCode(twin->text(), Index == 15 ? SheetCodes : ShallowCodes))
        return false;
    twin->setText(list->currentText());
    return true;
}

void frmTc::ValidateField(int &Index)
{
    // A surface list left on the entry of its field's code changes neither
    // the code, one the list lacks included, nor the n.
    const bool chosen = (Index == 15 || Index == 18) && takeSurfaceChoice(Index);
    QLineEdit *box = txtinp(Index);
    if (!box)
        return;
    if (TextFile::isBlank(box->text())) {
        // A blank is not checked, but a field emptied or a blank surface
        // chosen changes its segment, whose results, none if it is now
        // incomplete, are shown at once. A blank passed through changes none.
        if (Index >= 12 && (chosen || box->isModified())) {
            box->setModified(false);
            ComputeTravelTime(Index);
        }
        return;
    }
    FieldOK = true;
    checkBox(Index);
    if (FieldOK) {
        SetBackColor(box, Colors::Cyan);
        if (Index == 14 && box->isModified()) {
            // Only a typed n replaces the surface: an n passed through keeps
            // the code a file may hold beside it. Taken, it counts as typed no
            // longer.
            txtinp(15)->clear();
            Cmbinp(15)->setCurrentIndex(0);
            box->setModified(false);
        } else if (chosen && Index == 15 && TravelTime::SheetSurfaceRow(box->text()) > 0) {
            txtinp(14)->clear();
        }
        showInList(Index);
        if (Index >= 12)
            ComputeTravelTime(Index);
    } else {
        SetBackColor(box, Colors::Red);
        showInList(Index);
        --Index;
    }
}

void frmTc::NextField(int &Index, int &KeyAscii)
{
    if (KeyAscii != 9 && KeyAscii != 13)
        return;
    ValidateField(Index);
    ++Index;
    if (Index > 24 || Index == 2)
        Index = 12;
    // A code in field 15 stands for the n: the slope leads to the surface,
    // and an n present leads past it.
    if (Index == 14 && !txtinp(15)->text().isEmpty())
        Index = 15;
    else if (Index == 15 && !txtinp(14)->text().isEmpty())
        Index = 16;
    moveFocusByKey([this, Index] {
        if (!isCombo(Index))
            focusBox(Index);
        else if (QComboBox *combo = Cmbinp(Index))
            combo->setFocus(Qt::TabFocusReason);
    });
    KeyAscii = 0;
}

void frmTc::txtinp_KeyPress(int &Index, int &KeyAscii) { NextField(Index, KeyAscii); }

void frmTc::txtinp_LostFocus(int Index) { ValidateField(Index); }

void frmTc::showInList(int Index)
{
    if (Index == 1)
        Globsubs::SetBackColor(Cmbinp(1), BackColor(txtinp(1)));
    else if (isCombo(Index))
        Globsubs::CopyTextAndColor(boxes_, combos_, Index);
}

void frmTc::Cmbinp_GotFocus(int Index)
{
    showInList(Index);
    if (Index == 1)
        Cmbinp(1)->setCurrentIndex(namedRow_ > 0 ? places_.entry(namedRow_ - 1) : 0);
}

void frmTc::Cmbinp_KeyPress(int &Index, int &KeyAscii)
{
    // The sub-area chosen is what the check and the move read; a surface is
    // taken by the check.
    if (Index == 1)
        txtinp(1)->setText(Cmbinp(1)->currentText());
    NextField(Index, KeyAscii);
}

void frmTc::Cmbinp_LostFocus(int Index)
{
    QComboBox *combo = Cmbinp(Index);
    QLineEdit *twin = txtinp(Index);
    if (!combo || !twin)
        return;
    if (Index == 1)
        twin->setText(combo->currentText());
    ValidateField(Index);
    if (Index == 1) {
        // The entry chosen names its sub-area by its place, also where two
        // share an identifier.
        const int row = places_.record(combo->currentIndex()) + 1;
        namedRow_ = row;
        // Leaving the list on the sub-area already shown keeps the entries
        // on screen; another sub-area first takes them into the table.
        if (row != TcRow_) {
            StoreSubAreaTc();
            TcRow_ = row;
            if (TcRow_ > 0)
                ShowSubAreaTc(TcRow_);
        }
        Globsubs::SetBackColor(combo, BackColor(twin));
    }
    showDeleteButton();
}

void frmTc::cmdDelCur_Click()
{
    if (TcRow_ <= 0 || TcRow_ > work_.size())
        return;
    StoreSubAreaTc();
    const Dialogs::Answer answer = Dialogs::message(QStringLiteral("Delete Current Sub-Area Tc Data ?"),
                                                    Dialogs::Buttons::YesNo, Dialogs::Icon::Question, Title);
    if (answer != Dialogs::Answer::Yes)
        return;
    WorkColumn &column = work_[TcRow_ - 1];
    for (int f = 12; f <= 24; ++f)
        column[std::size_t(f)].clear();
    for (int f = 12; f <= 29; ++f)
        txtinp(f)->clear();
    for (int i : {1, 15, 18})
        Cmbinp(i)->setCurrentIndex(0);
}

QString frmTc::segmentFieldName(int field) const
{
    // The box stands in the row of its segment and the column of its quantity.
    const int segment = field <= 15 ? 1 : field <= 18 ? 2 : 3;
    int column = field;
    if (field == 16 || field == 19)
        column = 12;
    else if (field == 17 || field == 20)
        column = 13;
    else if (field == 21)
        column = 14;
    else if (field == 18)
        column = 15;
    const auto *row = findChild<QLabel *>(QStringLiteral("lblSegment_") + QString::number(segment));
    return (row ? row->text() + QLatin1Char(' ') : QString()) + fieldName(column);
}

std::optional<InvalidValue> frmTc::firstInvalidValue()
{
    StoreSubAreaTc();
    for (int k = 1; k <= work_.size(); ++k) {
        // Only the sub-areas the list offers can be shown to be corrected.
        if (places_.entry(k - 1) < 0)
            continue;
        for (int f = 12; f <= 24; ++f) {
            const QString &text = work_[k - 1][std::size_t(f)];
            if (!TextFile::isBlank(text) && !TravelTime::FieldPasses(f, text, Editglob::EnglishUnits))
                return InvalidValue{k, -1, f, text,
                                    QStringLiteral("Sub-Area ") + TextFile::trimBlanks(work_[k - 1][1]),
                                    segmentFieldName(f)};
        }
    }
    return std::nullopt;
}

void frmTc::showInvalidValue(const InvalidValue &value)
{
    if (value.record != TcRow_) {
        Cmbinp(1)->setCurrentIndex(places_.entry(value.record - 1));
        Cmbinp_LostFocus(1);
    }
    SetBackColor(txtinp(value.field), Colors::Red);
    if (isCombo(value.field)) {
        Globsubs::CopyTextAndColor(boxes_, combos_, value.field);
        Cmbinp(value.field)->setFocus(Qt::OtherFocusReason);
    } else {
        focusBox(value.field);
    }
}

void frmTc::cmdFinished_Click()
{
    // Handed back, the segments reach the working file with the sub-area
    // window's Accept.
    if (refuseInvalidValue())
        return;
    QList<ReturnedSubArea> changed;
    for (int k = 0; k < work_.size() && k < request_.SubAreas.size(); ++k) {
        SubAreaRecord record = request_.SubAreas.at(k);
        bool differs = false;
        for (int f = 12; f <= 24; ++f) {
            QString value = work_[k][std::size_t(f)];
            QString &stored = record.Field[std::size_t(f)];
            if (f == 15 || f == 18) {
                // The same code, in either case and wherever its field held it, is
                // no change.
                if (SurfaceCodeOf(value) == SurfaceCodeOf(stored))
                    continue;
                value = value.left(1);
            }
            // A blank entry for a blank field is no change.
            if (value == stored || (TextFile::isBlank(value) && TextFile::isBlank(stored)))
                continue;
            stored = value;
            differs = true;
        }
        if (differs)
            changed.append({k, record});
    }
    const auto onReturn = request_.OnReturn;
    unload();
    if (onReturn)
        onReturn(changed);
}

bool frmTc::eventFilter(QObject *watched, QEvent *event)
{
    if (!isLoaded() || !comboIndex_.contains(watched))
        return EntryForm::eventFilter(watched, event);
    const int index = comboIndex_.value(watched);
    QComboBox *combo = Cmbinp(index);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (int keyAscii = TabOrEnterAscii(static_cast<QKeyEvent *>(event))) {
            // A key typed in the list means the user is in it, also when the
            // window got no focus events to tell.
            focus_.enter(index);
            int i = index;
            Cmbinp_KeyPress(i, keyAscii);
            return true;
        }
        if (TabDirection(static_cast<QKeyEvent *>(event)) < 0) {
            focus_.enter(index);
            tabAlongLayout(-1);
            return true;
        }
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // The list that holds the focus when the window opens gets it too.
        switch (focus_.see(index, combo, event)) {
        case ComboFocus::Change::Arrived:
            Cmbinp_GotFocus(index);
            break;
        case ComboFocus::Change::Left:
            Cmbinp_LostFocus(index);
            break;
        case ComboFocus::Change::None:
            break;
        }
        break;
    default:
        break;
    }
    return EntryForm::eventFilter(watched, event);
}
