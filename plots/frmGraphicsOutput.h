#pragma once
// The graphics-output chooser: picks a plot of the last model run's printed
// page (hydrographs of one or several storms, alternates or locations, the
// peak flows of one storm against drainage area, or the time analysis of one
// location), has the printed-page reader complete it and shows it in the plot
// window. It stays open for further plots.
#include "core/QvForm.h"
#include "plots/logic/OutputReader.h"

#include <QPointer>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class frmGraphicsOutput : public QvForm
{
    Q_OBJECT
public:
    frmGraphicsOutput();

    // The handlers, callable as the window's own events are.
    void opt1_Click(int Index);
    void Opt2_Click(int Index);
    void Cmbinp_LostFocus(int Index);
    // A user's choice from a combo's list (by mouse or key).
    void Cmbinp_Click(int Index);
    void Cmbinp_KeyPress(int Index, int &KeyAscii);
    void Cmbinp_DblClick(int Index);
    void Chk7_Click();
    void Opt6_Click(int Index);
    void List1_Click(int row);
    void CmdPlot_Click();
    void cmdCancel_Click();

    void UpdateDisplayButton();
    // Mode -1 removes the entry equal to Text; mode 1 adds Text. OK comes
    // back false only when an addition was refused.
    void UpdateMultipleList(int Mode, const QString &Text, bool &OK);

    // The request the last "Display" built and the reader completed.
    const Plots::OutputRequest &lastRequest() const { return request_; }

    // Controls of the loaded window.
    QComboBox *Cmbinp(int index) const;
    QListWidget *List1() const;

protected:
    void buildControls(QWidget *central) override;
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // 0 when no graphic type is chosen, else 1 Hydrograph, 2 Peak Flow, 3 Time Analysis.
    int graphicType() const;
    // 1 None, 2 Storm, 3 Alternate, 4 Location.
    int multipleMode() const;
    bool chosen(int combo) const;
    QString comboText(int combo) const;
    void unchoose(int combo);
    // A chosen sub-area or reach becomes the location, in place of the others.
    void takeLocation(int combo);
    void setOutlet(bool ticked);
    void showReachEnds(bool shown);
    Plots::OutputRequest buildRequest() const;
    void fillLocation(Plots::OutputSeries &s) const;

    Plots::OutputRequest request_;
    // Set while Tab or Enter moves the focus: the combo left is already taken over.
    bool movingByKey_ = false;

    QPointer<QLabel> lblHeader_;
    QPointer<QListWidget> list1_;
    QPointer<QLabel> listLabel_;
    QPointer<QPlainTextEdit> txtHelp_;
    QPointer<QPushButton> cmdPlot_;
    QPointer<QCheckBox> chk7_;
    QPointer<QButtonGroup> typeGroup_, modeGroup_, unitGroup_, endGroup_;
    QPointer<QGroupBox> frameMode_, frameUnits_, frameClasses_, frameEnds_;
};
