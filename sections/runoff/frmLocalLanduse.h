#pragma once
// The local land-use editor: the user's own land uses with their curve numbers
// for the soil groups A to D, one shown at a time, chosen or created by the
// identifier typed or picked into `Cmbinp_1`. It edits the local land-use file
// in memory and rewrites it on Accept; the input file is not touched.
#include "sections/common/RecordForm.h"
#include "sections/runoff/logic/LocalLandUseData.h"

#include <QPointer>

#include <array>

class frmLocalLanduse : public RecordForm
{
    Q_OBJECT
public:
    frmLocalLanduse();

    void cmdFinished_Click() override;
    void cmdDelCur_Click() { deleteChosenRecord(); }

protected:
    void buildFields(QGridLayout *grid) override;
    void readRecords(const QStringList &) override {}
    void finishLoad() override;
    ColorRule checkField(int index) override;
    // A curve number that passes is shown plain white, as the boxes are when shown.
    int passColor(int) const override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override { return {}; }
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showRecord(int k) override;
    void storeRecord(int k) override;
    void clearFields() override;
    int findRecord(const QString &id) const override;
    bool acceptsIdentifier(const QString &id) const override;
    QString takenText(int index, const QString &typed) const override;
    int createRecord(const QString &id) override;
    QString recordNoun() const override { return QStringLiteral("Local Land Use"); }
    std::optional<InvalidValue> firstInvalidValue() override;
    void txtinp_LostFocus(int Index) override;

private:
    class CurveNumberValidator;

    // Shows a curve number in box `index` (2 to 5) whole.
    void showCurveNumber(int index, const QString &text);
    // The curve numbers of groups A to D as the boxes show them.
    std::array<QString, 4> shownCurveNumbers() const;
    LocalLandUseData::LocalLandUse record(int k) const;
    // A land use with a name and a curve number of 30 or more is written.
    static bool isWritten(const LocalLandUseData::LocalLandUse &r);
    // Curve number `group` fails its check and is not as the file held it.
    bool refused(const LocalLandUseData::LocalLandUse &r, int group) const;

    // The checks of what is typed into boxes 2 to 5.
    std::array<QPointer<CurveNumberValidator>, 4> cnValidators_;

    // The land uses as the file held them when the window opened.
    QList<LocalLandUseData::LocalLandUse> asRead_;

    // The name refused last, as typed.
    mutable QString refused_;
};
