#pragma once
// How the alternate window opens the reach and sub-area windows on one
// alternate's records and takes them back. The record window works on copies
// of the records it is given; at its Accept it hands every record back
// through OnAccept (the alternate window stores them as that alternate's
// records and refreshes its lists). Cancel hands nothing back. The record
// window keeps the alternate it was opened on until it closes, whatever
// `CurrentAlternate` becomes meanwhile.
//
//     AlternateRecordRequest<ReachRecord> request;
//     request.Alternate = a;
//     request.AlternateId = header.id;
//     request.Records = reachesOf(a);
//     request.Current = clickedIndex;          // -1: start on no record
//     request.OnAccept = [guard = QPointer(this), a](const QList<ReachRecord> &records) {
//         if (guard) guard->storeReaches(a, records);
//     };
//     if (auto *w = dynamic_cast<AlternateRecordWindow<ReachRecord> *>(Forms::get("frmReaches")))
//         w->OpenOnAlternate(request);
#include "sections/common/logic/SubAreaRecord.h"
#include "sections/network/logic/ReachRecord.h"

#include <QList>
#include <QString>
#include <functional>

template <class Record> struct AlternateRecordRequest
{
    int Alternate = 0;           // the alternate's number, above 0
    QString AlternateId;         // shown beside "Alternate"
    QList<Record> Records;       // copies of every record of this kind of the alternate
    int Current = -1;            // index in Records of the record to show; -1 none (a new one)
    std::function<void(const QList<Record> &records)> OnAccept;
};

template <class Record> class AlternateRecordWindow
{
public:
    virtual ~AlternateRecordWindow() = default;
    // Loads the window on the request and shows it. When the window is open
    // already on the same alternate it is only brought forward, keeping what
    // it shows; when it is open on other data (the base data or another
    // alternate) nothing changes and false is returned, so that no edit of
    // the other data is dropped.
    virtual bool OpenOnAlternate(const AlternateRecordRequest<Record> &request) = 0;
    // The alternate the open window edits; 0 for the base data or when closed.
    virtual int EditedAlternate() const = 0;
};

using ReachAlternateRequest = AlternateRecordRequest<ReachRecord>;
using SubAreaAlternateRequest = AlternateRecordRequest<SubAreaRecord>;
