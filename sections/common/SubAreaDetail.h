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

// A detail window's identifier list by place. Entry 0 is the empty one; each
// other entry stands for its own record, also where two records share an
// identifier.
class SubAreaListPlaces
{
public:
    // Starts the list afresh for `records` records, none listed yet.
    void reset(int records)
    {
        recordOf_ = {-1};
        entryOf_ = QList<int>(records, -1);
    }
    // Lists record `k` (from 0) as the next entry.
    void add(int k)
    {
        entryOf_[k] = int(recordOf_.size());
        recordOf_ << k;
    }
    void clear()
    {
        recordOf_.clear();
        entryOf_.clear();
    }
    // The record (from 0) of entry `entry`; -1 for the empty entry or none.
    int record(int entry) const { return recordOf_.value(entry, -1); }
    // The entry of record `k`; -1 when it is not listed.
    int entry(int k) const { return entryOf_.value(k, -1); }

private:
    QList<int> recordOf_;
    QList<int> entryOf_;
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
