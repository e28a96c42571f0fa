#pragma once
// The local soil list: every soil of the local soil file with its hydrologic
// soil groups, read only, with a find box that highlights the first soil
// whose identifier starts with the typed text.
#include "core/QvForm.h"

#include <QPointer>

class FlexGrid;
class QLineEdit;

class frmDisplaySoil : public QvForm
{
    Q_OBJECT
public:
    frmDisplaySoil();

    FlexGrid *grid() const { return grid_; }
    // Row found by the last search and the highlighted row (-999: none).
    int FoundRow() const { return gridRow_; }
    int SelectedRow() const { return selectedRow_; }
    int SoilCount() const { return soilCount_; }

    void txtinp_Change();
    void cmdCancel_Click() { unload(); }

protected:
    void buildControls(QWidget *central) override;
    void Form_Load() override;

private:
    QPointer<FlexGrid> grid_;
    QPointer<QLineEdit> find_;
    int gridRow_ = -999;
    int selectedRow_ = -999;
    int soilCount_ = 0;
};
