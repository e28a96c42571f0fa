#include "sections/setup/frmVerification.h"

#include "core/logic/Editglob.h"
#include "sections/setup/logic/VerificationFormat.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>

QV_REGISTER_FORM(frmVerification)

namespace {

using VerificationFormat::BoxCount;

QString Caption(int box)
{
    static const char *const captions[BoxCount] = {
        "Alternates Read",
        "Dimensionless Unit  Hydrograph Read",
        "Duration Increment Read",
        "Global Output Read",
        "Input Hydrographs Read",
        "Rainfall Distributions Read",
        "Runoff Curve Numbers Read",
        "Stream Cross Sections Read",
        "Stream Reaches Read",
        "Storm Analysis Read",
        "Structure Ratings Read",
        "Sub-Areas Read",
        "Time Analysis Read",
        "Quorvale Run Identifier Read",
        "Verification  Read",
        nullptr, nullptr, nullptr, nullptr, nullptr,
        "Storms and Rain Gage Combinations",
        "Sub-Area Tc Computations",
        "Sub-Area CN Computations",
        "Unique Sub-Area List",
        "Unique Reach List",
        "Cross Section Rating Table",
        "Array Indexes / Reference Identifiers",
        "Rainfall Distributions Used",
        "Reservoir Emptying Time",
        nullptr,
        "Upstream Reach Components",
        "Number of Hydrographs",
        "Watershed  Analysis Steps",
        "Non-circular Reach Flow Path",
        "Alternate Update",
        "Hydrograph Generation",
        "Hydrograph Channel Routing",
        "Hydrograph Structure Routing",
        "Hydrograph Addition",
        "Hydrograph Flow Splitting",
        "Flow Duration Computations",
    };
    const char *text = captions[box - 1];
    return text ? QString::fromLatin1(text) : QString();
}

} // namespace

frmVerification::frmVerification()
    : EntryForm({QStringLiteral("Verification"), QStringLiteral("Verification:"), QStringLiteral("VE"),
                 Editglob::SecVerif, QStringLiteral("Accept Changes  (Close)"),
                 QStringLiteral("     No Changes   (Close)")})
{
}

QCheckBox *frmVerification::Check1(int index) const
{
    const QWidget *central = centralWidget();
    return central ? central->findChild<QCheckBox *>(QStringLiteral("Check1_") + QString::number(index)) : nullptr;
}

void frmVerification::buildFields(QGridLayout *layout)
{
    QWidget *parent = layout->parentWidget();
    // Three columns of box and label, each headed "Yes".
    const QList<QList<int>> columns{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
                                    {13, 14, 15, 21, 22, 23, 24, 25, 26, 27, 28},
                                    {29, 0, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41}};
    for (int col = 0; col < columns.size(); ++col) {
        auto *yes = new QLabel(QStringLiteral("Yes"), parent);
        yes->setObjectName(QStringLiteral("lblYes_") + QString::number(col + 1));
        layout->addWidget(yes, 0, 2 * col);
        int row = 1;
        for (int box : columns[col]) {
            if (box == 0) {
                auto *line = new QFrame(parent);
                line->setObjectName(QStringLiteral("Line1"));
                line->setFrameShape(QFrame::HLine);
                layout->addWidget(line, row++, 2 * col, 1, 2);
                continue;
            }
            auto *check = new QCheckBox(parent);
            check->setObjectName(QStringLiteral("Check1_") + QString::number(box));
            layout->addWidget(check, row, 2 * col);
            layout->addWidget(addFieldLabel(box, Caption(box)), row, 2 * col + 1);
            ++row;
        }
    }
    for (int box : {16, 17, 18, 19, 20, 30}) {
        auto *check = new QCheckBox(parent);
        check->setObjectName(QStringLiteral("Check1_") + QString::number(box));
        check->setVisible(false);
        check->setFocusPolicy(Qt::NoFocus);
    }
}

void frmVerification::readRecords(const QStringList &lines)
{
    const VerificationFormat::VerificationData data = VerificationFormat::ParseVerification(lines);
    for (int n = 1; n <= BoxCount; ++n)
        if (QCheckBox *check = Check1(n))
            check->setChecked(data.box(n));
}

EntryForm::ColorRule frmVerification::checkField(int) { return ColorRule::Keep; }

int frmVerification::nextBox(int n) const { return n; }

QStringList frmVerification::buildRecords() const
{
    VerificationFormat::VerificationData data;
    for (int n = 1; n <= BoxCount; ++n)
        if (const QCheckBox *check = Check1(n))
            data.setBox(n, check->isChecked());
    return VerificationFormat::VerificationLines(data);
}
