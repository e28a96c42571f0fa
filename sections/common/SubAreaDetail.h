#pragma once
// How the sub-area window hands its records to a detail window (land use,
// time of concentration) and takes them back. The detail window works on
// copies; on Return it hands back the records it changed, each with its place
// in the list it was given (never matched by identifier: two sub-areas may
// share one, or differ only in case), and the sub-area window takes from them
// only the part the detail window owns (the land rows, or fields 12 to 24).
// Nothing is written before the sub-area window's own Accept.
#include "sections/common/logic/SubAreaRecord.h"

#include <QList>
#include <QString>
#include <functional>

class QWidget;

// A record handed back: its place in SubAreaDetailRequest::SubAreas and the
// record with the detail window's changes.
struct ReturnedSubArea
{
    int Index = -1;
    SubAreaRecord Record;
};

struct SubAreaDetailRequest
{
    QList<SubAreaRecord> SubAreas; // copies of every record of the data edited
    int Current = -1;              // index in SubAreas of the shown sub-area; -1 none
    int Alternate = 0;             // 0: base data; else the alternate's number
    QString AlternateId;           // the alternate's identifier when Alternate > 0
    std::function<void(const QList<ReturnedSubArea> &changed)> OnReturn;
};

// Implemented by the detail windows beside their window base. The window opens
// modal over `owner` on the request.
class SubAreaDetailWindow
{
public:
    virtual ~SubAreaDetailWindow() = default;
    virtual void OpenOn(QWidget *owner, const SubAreaDetailRequest &request) = 0;
};
