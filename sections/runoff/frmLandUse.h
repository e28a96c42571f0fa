#pragma once
// The land-use window: the areas of each sub-area by land use and hydrologic
// soil group, typed into a grid of the local land uses and the standard ones,
// with the accumulated area and the weighted curve number shown as they are
// typed. It opens modal over the sub-area window on copies of the records and
// hands back, on "Return to Sub-Area", the records whose land rows it changed;
// its close box hands back nothing.
#include "core/QvForm.h"
#include "sections/common/SubAreaDetail.h"
#include "sections/runoff/logic/LandUseGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

class FlexGrid;

class frmLandUse : public QvForm, public SubAreaDetailWindow
{
    Q_OBJECT
public:
    frmLandUse();

    void OpenOn(QWidget *owner, const SubAreaDetailRequest &request) override;

    // Colours of the cells that take no area: the standard rows' names and
    // curve numbers and every area cell without a curve number (the cursor
    // never stands there), and the local rows' names and curve numbers (a
    // press there leads to the neighbouring area cell).
    static constexpr int StandardGrey = 0xC8D0D4;
    static constexpr int LocalGrey = 0xDBCDBF;

    FlexGrid *grid() const { return grid_; }
    QComboBox *Cmbinp() const { return combo_; }
    const QList<LandUseGrid::GridRow> &rows() const { return rows_; }
    // The sub-area shown (index in the records handed over; -1 none).
    int ShownSubArea() const { return shown_; }
    const QList<SubAreaRecord> &records() const { return records_; }

    // The handlers, callable as the window's own events are.
    void Cmbinp_Click();
    void KeyPress(int &KeyAscii);
    void EnterCell();
    void mnuDelInsItem_Click(int Index);
    void cmdDelCur_Click();
    void cmdFinished_Click();
    void CmdPopup_Click();

protected:
    void buildControls(QWidget *central) override;
    void Form_Load() override;
    void Form_Unload() override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowSubAreaLandUse(int k);
    void StoreSubAreaLandUse();
    void ClearGrid();
    void UpdateTotals();
    void HighlightCell();
    void MoveCursor(int row, int col);
    void SetArea(int row, int col, const QString &text);
    void EditArea(int row, int col, const QString &text);
    void ShowKept();
    bool Blocked(int row, int col) const;
    void MouseDown(int row, int col);
    void SetDeleteVisible();
    // An area that fails its check is never handed back: the user is told
    // and taken to its cell. False when every area passes.
    bool refuseInvalidArea();

    SubAreaDetailRequest request_;
    QList<SubAreaRecord> records_;
    SubAreaListPlaces places_; // the identifier list's entries by place
    QList<LandUseGrid::GridRow> rows_;
    LandUseGrid::RowIndex rowIndex_;
    LandUseGrid::Areas areas_;
    LandUseGrid::Parcels parcels_;
    QList<LandRow> unseen_;
    QList<bool> edited_; // by record: its land rows were changed here
    int shown_ = -1;
    int gridRow_ = 1;
    int gridCol_ = 1;
    int selectedRow_ = -999;
    int selectedCol_ = -999;
    bool cellBusy_ = false;
    // Keys have been typed into the current cell since it became current:
    // the next one adds to its text instead of starting it afresh.
    bool typing_ = false;

    QPointer<FlexGrid> grid_;
    QPointer<QComboBox> combo_;
    QPointer<QLineEdit> twin_;
    QPointer<QLineEdit> drainage_;
    QPointer<QLabel> area_;
    QPointer<QLabel> weighted_;
    QPointer<QLabel> kept_;
    QPointer<QLabel> header_;
    QPointer<QLabel> alternate_;
    QPointer<QLabel> alternateId_;
    QPointer<QPushButton> delete_;
    QPointer<QPushButton> soils_;
    QPointer<QPlainTextEdit> help_;
    QPointer<QMenu> popup_;
    QHash<QObject *, int> labelHelp_; // identity only
};
