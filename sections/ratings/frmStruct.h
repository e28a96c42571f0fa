#pragma once
// Structure rating window: the structures of the Structure Rating section,
// one shown at a time, chosen by its identifier in `Cmbinp_1`; its starting
// elevation in `txtinp_2` and its rating rows (elevation, discharge, storage)
// in the grid, edited through `txtinp_3` to `txtinp_5`.
#include "sections/ratings/RatingForm.h"

class frmStruct : public RatingForm
{
    Q_OBJECT
public:
    frmStruct();

protected:
    int buildBoxes(QGridLayout *layout) override;
    void fillIdentifierList() override;
    void showHeader(int k) override;
    void storeHeader(int k) override;
};
