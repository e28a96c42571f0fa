#pragma once
// RatingForm: the record window of a rating table (structures, cross
// sections). A record has header fields in boxes and a table of rows, each an
// elevation and its values, shown in the grid `MSFlexGrid1` in increasing
// elevation order and edited through the row boxes: typing an elevation
// selects the row of that elevation or inserts one in its place, the boxes
// after it fill that row's cells, and Tab or Enter past the last box moves to
// the next row. A right click on a row deletes it after a question.
//
// The window derived from it builds its header fields (buildHeaderFields),
// shows and stores them (showHeader, storeHeader) and names the grid, the
// captions and the questions in its RatingSetup. The frame does the rest:
// row boxes, grid, "Display Data", delete, Accept with its checks, and the
// working file through RatingFormats.
#include "core/ControlArray.h"
#include "core/FlexGrid.h"
#include "sections/common/RecordForm.h"
#include "sections/ratings/logic/RatingChecks.h"

#include <QPointer>
#include <QPushButton>

class RatingForm : public RecordForm
{
    Q_OBJECT
public:
    struct RatingSetup
    {
        RatingChecks::Section section = RatingChecks::Section::Structure;
        int firstRowBox = 3;         // the elevation box; grid column c shows in box firstRowBox + c
        int lastBox = 5;
        QStringList gridTitles;
        int titleRowTwips = 0;       // height of the title row; 0 the grid's own
        QString recordNoun;          // "Structure", names a record in messages
        QString deleteCaption;       // cmdDelCur
        QString rowQuestion;         // asked before a rating row is deleted
        QString comment0, comment1;  // lblComment_0 and lblComment_1
        int plotKind = 0;
    };

    RatingForm(const Setup &setup, const RecordSetup &records, const RatingSetup &rating);

    FlexGrid *grid() const { return grid_; }
    QPushButton *plotButton() const { return cmdPlot_; }

    // The handlers, callable as the windows' own events are.
    void cmdFinished_Click() override;
    void cmdDelCur_Click();
    void CmdPlot_Click();
    void MSFlexGrid1_MouseDown(int row);
    void MSFlexGrid1_MouseUp(Qt::MouseButton button);

protected:
    // The window's labels, boxes and combos (identifier, header fields,
    // lblComment_0, row boxes) from layout row 0 on; returns the next free row.
    virtual int buildBoxes(QGridLayout *layout) = 0;
    virtual void fillIdentifierList() = 0;
    virtual void showHeader(int k) = 0;
    virtual void storeHeader(int k) = 0;

    const RatingSetup &ratingSetup() const { return rating_; }
    // Adds a box with its label and, unless `withUnit` is false, its unit
    // caption `lblInUnit_<index>` at layout row `row`.
    void addBoxRow(QGridLayout *layout, int row, int index, const QString &caption, const QString &unit,
                   bool withUnit = true);

    void buildControls(QWidget *central) override;
    void buildFields(QGridLayout *layout) override;
    void setDefaults() override;
    void readRecords(const QStringList &lines) override;
    void finishLoad() override;
    ColorRule checkField(int index) override;
    int passColor(int index) const override;
    int nextBox(int n) const override;
    QStringList buildRecords() const override;
    void txtinp_KeyPress(int &Index, int &KeyAscii) override;
    void txtinp_LostFocus(int Index) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    void showRecord(int k) override;
    void storeRecord(int k) override;
    void clearFields() override;
    void removeRecord(int k) override;
    QString recordNoun() const override { return rating_.recordNoun; }
    std::optional<InvalidValue> firstInvalidValue() override;
    void showInvalidValue(const InvalidValue &value) override;

private:
    RatingFormats::Items items() const;
    QStringList writtenLines(const RatingFormats::Items &items) const;
    // The rows of record k that the grid shows: those with an elevation.
    QList<QStringList> shownRows(int k) const;
    void fillGrid(int k);
    // Row boxes: an elevation places its row, a value goes into its cell.
    void placeRow();
    void checkRowValue(int index);
    void wrapToNextRow();
    void scrollToRow();
    // "Display Data" is shown while the chosen record has rows enough to plot.
    void updatePlotButton();

    RatingSetup rating_;
    QPointer<FlexGrid> grid_;
    QPointer<QPushButton> cmdPlot_;
    ControlArray boxes_;
    bool deleted_ = false; // a record was deleted since the window opened
};
