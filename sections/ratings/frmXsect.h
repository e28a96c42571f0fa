#pragma once
// Stream cross section window: the cross sections of the Stream Cross Section
// section, one shown at a time, chosen by its identifier in `Cmbinp_1`; its
// bankfull and low ground elevations, stream (`Cmbinp_4`) and station in the
// boxes 2 to 5, and its rating rows (elevation, discharge, end area, top
// width, friction slope) in the grid, edited through `txtinp_6` to `txtinp_10`.
#include "sections/ratings/RatingForm.h"

class frmXsect : public RatingForm
{
    Q_OBJECT
public:
    frmXsect();

protected:
    int buildBoxes(QGridLayout *layout) override;
    void fillIdentifierList() override;
    void showHeader(int k) override;
    void storeHeader(int k) override;
    ColorRule checkField(int index) override;
    void comboTaken(int index, const QString &text) override;
    void Cmbinp_GotFocus(int Index) override;
};
