#include "sections/runoff/frmLocalLanduse.h"

#include "core/Colors.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/TextFile.h"
#include "sections/common/logic/RecordList.h"
#include "sections/runoff/logic/LocalLandUseData.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include <algorithm>

QV_REGISTER_FORM(frmLocalLanduse)

using LocalLandUseData::LocalLandUse;

namespace {
const QString Title = QStringLiteral("Local Land Use");
constexpr int CnWidth = 5;

// True when erasing characters alone makes `text` from `from`.
bool ErasedFrom(const QString &text, const QString &from)
{
    qsizetype i = 0;
    for (QChar c : from)
        if (i < text.size() && text.at(i) == c)
            ++i;
    return i == text.size();
}
} // namespace

// What is typed into a curve-number box keeps the width of a curve number;
// a longer one the file holds is shown whole, and a text longer than the
// width is one that erasing alone makes from it.
class frmLocalLanduse::CurveNumberValidator : public QValidator
{
public:
    using QValidator::QValidator;
    void setShown(const QString &text) { shown_ = text; }
    State validate(QString &input, int &) const override
    {
        return input.size() <= CnWidth || ErasedFrom(input, shown_) ? Acceptable : Invalid;
    }

private:
    QString shown_;
};

frmLocalLanduse::frmLocalLanduse()
    : RecordForm({Title, QStringLiteral("Local Land Use Definitions:"), QStringLiteral("LL"), 0,
                  QStringLiteral("Accept Changes  (Close)"), QStringLiteral("      No Changes   (Close)")},
                 {1, LocalLandUseData::MaxNameLength, 5, 1, QStringLiteral("Delete Current Local Land Use Data ?"),
                  Title})
{
}

void frmLocalLanduse::buildFields(QGridLayout *layout)
{
    layout->addWidget(addFieldLabel(1, QStringLiteral("Curve Number Identifier")), 0, 0);
    QComboBox *combo = addCombo(1);
    combo->setMinimumContentsLength(LocalLandUseData::MaxNameLength);
    layout->addWidget(combo, 0, 1);
    for (int i = 2; i <= 5; ++i) {
        const QString letter(QLatin1Char(char('A' + i - 2)));
        layout->addWidget(addFieldLabel(i, QStringLiteral("Curve Number \"") + letter + QLatin1Char('"')), i - 1, 0);
        QLineEdit *box = addBox(i, CnWidth);
        cnValidators_[std::size_t(i - 2)] = new CurveNumberValidator(box);
        box->setValidator(cnValidators_[std::size_t(i - 2)]);
        layout->addWidget(box, i - 1, 1);
    }
    layout->addWidget(addDeleteButton(QStringLiteral("Delete Curve Number Identifier")), 5, 0, 1, 2);
}

void frmLocalLanduse::finishLoad()
{
    refused_.clear();
    // The caption names the file edited here, not the input file.
    setWindowTitle(Title + QStringLiteral("   Current File - ") + Editglob::LocalLandUseFile);
    QComboBox *combo = Cmbinp(1);
    asRead_ = LocalLandUseData::Read(Editglob::LocalLandUseFile);
    for (const LocalLandUse &r : std::as_const(asRead_)) {
        RecordList::Add(data_.Work, {r.Name, r.CN[0], r.CN[1], r.CN[2], r.CN[3]});
        combo->addItem(r.Name);
    }
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

QString frmLocalLanduse::takenText(int, const QString &typed) const { return typed; }

int frmLocalLanduse::findRecord(const QString &id) const
{
    // Two land uses may differ only in case: the letters must match.
    return RecordList::Find(data_.Work, id, 1, Qt::CaseSensitive, RecordList::Pick::Last);
}

bool frmLocalLanduse::acceptsIdentifier(const QString &id) const
{
    const QString name = TextFile::trimBlanks(id);
    if (name.isEmpty())
        return false;
    QString problem;
    // A land use the file holds is shown and kept as it reads; these rules
    // are for a name added here.
    if (findRecord(id) == 0) {
        if (name.size() > LocalLandUseData::MaxNameLength)
            problem = QStringLiteral("is longer than %1 characters, the room a land-use name has in a LAND AREA line")
                          .arg(LocalLandUseData::MaxNameLength);
        else if (!LocalLandUseData::CanAdd(LocalLandUse{id, {}}))
            problem = QStringLiteral("holds a double quote or a character the local land-use file cannot hold");
    }
    if (problem.isEmpty()) {
        refused_.clear();
        return true;
    }
    // Left again unchanged, the name is still refused, without a second message.
    if (id == refused_)
        return false;
    refused_ = id;
    Dialogs::message(QStringLiteral("The Curve Number Identifier \"") + name + QStringLiteral("\" ") + problem
                         + QStringLiteral(". Please type another name."),
                     Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, Title);
    return false;
}

EntryForm::ColorRule frmLocalLanduse::checkField(int index)
{
    if (selectedRecord() == 0) {
        FieldOK = false;
        return ColorRule::Apply;
    }
    if (index == 1)
        return ColorRule::Apply;
    // An empty box means the land use does not occur on that soil group.
    FieldOK = !refused({data_.Work.ItemHeader(1, selectedRecord()), shownCurveNumbers()}, index - 2);
    return ColorRule::Apply;
}

int frmLocalLanduse::passColor(int) const { return Colors::White; }

int frmLocalLanduse::nextBox(int n) const { return n > 5 ? 1 : n; }

void frmLocalLanduse::showRecord(int k)
{
    const QStringList fields = RecordList::Fields(data_.Work, k);
    setBoxText(1, fields.value(0));
    SetBackColor(txtinp(1), Colors::White);
    for (int i = 2; i <= 5; ++i) {
        showCurveNumber(i, fields.value(i - 1));
        SetBackColor(txtinp(i), Colors::White);
    }
    // A land use left with a failed curve number shows it again.
    const LocalLandUse shown = record(k);
    for (int g = 0; g < 4; ++g)
        if (refused(shown, g))
            SetBackColor(txtinp(g + 2), Colors::Red);
}

void frmLocalLanduse::showCurveNumber(int index, const QString &text)
{
    QLineEdit *box = txtinp(index);
    cnValidators_[std::size_t(index - 2)]->setShown(text);
    box->setMaxLength(std::max<int>(CnWidth, int(text.size())));
    box->setText(text);
}

std::array<QString, 4> frmLocalLanduse::shownCurveNumbers() const
{
    return {txtinp(2)->text(), txtinp(3)->text(), txtinp(4)->text(), txtinp(5)->text()};
}

LocalLandUse frmLocalLanduse::record(int k) const
{
    const WorkTables &w = data_.Work;
    return {w.ItemHeader(1, k), {w.ItemHeader(2, k), w.ItemHeader(3, k), w.ItemHeader(4, k), w.ItemHeader(5, k)}};
}

bool frmLocalLanduse::isWritten(const LocalLandUse &r)
{
    bool used = false;
    for (const QString &cn : r.CN)
        used = used || Globsubs::LeadingNumber(cn) >= 30;
    return used && !TextFile::isBlank(r.Name);
}

bool frmLocalLanduse::refused(const LocalLandUse &r, int group) const
{
    if (LocalLandUseData::CurveNumberPasses(r.CN, group))
        return false;
    // As the file holds it (merged from an input file, say), it is kept. The
    // order rule binds a pair: a value kept as read still fails it when the
    // curve number before it changed.
    const std::size_t g = std::size_t(group);
    bool valueAsRead = false;
    for (const LocalLandUse &read : asRead_) {
        if (read.Name != r.Name || read.CN[g] != r.CN[g])
            continue;
        if (g == 0 || read.CN[g - 1] == r.CN[g - 1])
            return false;
        valueAsRead = true;
    }
    return !valueAsRead || !LocalLandUseData::CurveNumberInOrder(r.CN, group);
}

void frmLocalLanduse::storeRecord(int k)
{
    // The record keeps the identifier it was made with.
    RecordList::SetFields(data_.Work, k,
                          {data_.Work.ItemHeader(1, k), txtinp(2)->text(), txtinp(3)->text(), txtinp(4)->text(),
                           txtinp(5)->text()});
}

int frmLocalLanduse::createRecord(const QString &id)
{
    // Names are matched trimmed everywhere; blanks around one would only
    // shift it in the Local Land Use section.
    const int k = RecordList::Add(data_.Work, {TextFile::trimBlanks(id)});
    clearFields();
    return k;
}

void frmLocalLanduse::txtinp_LostFocus(int Index)
{
    // A box left by Tab or Enter was checked already.
    if (!movingByKey())
        ValidateField(Index);
}

void frmLocalLanduse::clearFields()
{
    for (int i = 2; i <= 5; ++i) {
        showCurveNumber(i, QString());
        SetBackColor(txtinp(i), Colors::White);
    }
}

std::optional<InvalidValue> frmLocalLanduse::firstInvalidValue()
{
    storeShownRecord();
    for (int k = 1; k <= data_.Work.ItemCount; ++k) {
        const LocalLandUse r = record(k);
        if (!isWritten(r))
            continue;
        for (int g = 0; g < 4; ++g)
            if (refused(r, g))
                return invalidValue(k, -1, g + 2, r.CN[std::size_t(g)]);
    }
    return std::nullopt;
}

void frmLocalLanduse::cmdFinished_Click()
{
    if (refuseInvalid())
        return;
    QList<LocalLandUse> records;
    for (int k = 1; k <= data_.Work.ItemCount; ++k)
        if (const LocalLandUse r = record(k); isWritten(r))
            records << r;
    QString error;
    if (!LocalLandUseData::Write(Editglob::LocalLandUseFile, records, &error)) {
        Dialogs::message(QStringLiteral("The local land-use file ") + Editglob::LocalLandUseFile
                             + QStringLiteral(" could not be written: ") + error
                             + QStringLiteral("\nYour changes are still in this window."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Critical, Title);
        return;
    }
    unload();
}

bool frmLocalLanduse::eventFilter(QObject *watched, QEvent *event)
{
    // The heading of this window has no help of its own.
    if (event->type() == QEvent::MouseButtonPress && watched->objectName() == QLatin1String("lblHeader"))
        return true;
    return RecordForm::eventFilter(watched, event);
}
