#pragma once
// The watershed network as the schematic sees it: the outlet, the stream
// reaches and the sub-areas of the saved input file, each with its receiving
// element resolved, and the split flows between reaches. Read from bytes so
// tests and the fuzzer stay off the disk.
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace Schematic {

// Element kinds; the number is also the icon's picture number.
enum ElementKind : char {
    ChannelReach = '1',
    StructureReach = '2',
    Outlet = '3',
    SubArea = '4',
};

struct NetworkElement
{
    QString Name;
    char ElementType = ChannelReach;
    int ReceivingIndex = 0; // 0: drains into nothing shown
    QString ReceivingName;
    bool Placed = false;
    int FirstChild = 0;
    int NextSibling = 0;
    int Span = 1;
    int Level = 0;
    int Position = 0;
    bool Visited = false;
    // Icon's top-left corner in layout units.
    double Left = 0;
    double Top = 0;
};

struct Diversion
{
    int FromIndex = 0;
    QString FromName;
    int ToIndex = 0; // 0: the receiving reach is blank or names no element
    QString ToName;
};

struct Network
{
    // Both tables are numbered from 1; entry 0 is never used. Element 1 is the
    // outlet, then the reaches in file order, then the sub-areas.
    std::vector<NetworkElement> Elements{1};
    std::vector<Diversion> Diversions{1};
    int ElementCount = 0; // displayed elements after a build
    int ReachElementCount = 0; // outlet + reaches
    int SubAreaElementCount = 0;
    int DiversionCount = 0;

    // Elements in the table, displayed or not.
    int tableSize() const { return int(Elements.size()) - 1; }
    void clear() { *this = Network(); }
};

enum class ReadStatus {
    Ok,
    // Two or more reaches carry the receiving name of one element: the
    // schematic cannot tell where it drains.
    AmbiguousReceiver,
    // The file could not be read; the network is left empty.
    LoadError,
};

struct ReadResult
{
    ReadStatus status = ReadStatus::Ok;
    QString name; // the ambiguous receiving name
};

// Reads the Stream Reach and Sub-Area sections of an input file's bytes into
// `net`, replacing what it held.
ReadResult ReadNetwork(QByteArrayView bytes, Network &net);
ReadResult ReadNetworkFile(const QString &path, Network &net);

// Lays out the first `displayed` elements as a tree hanging from `root`, the
// outlet at (500, 800), each level 200 units higher, each leaf a slot 100
// units wide; elements outside that tree are stacked in columns to its left.
void LayoutNetwork(Network &net, int displayed, int root);

} // namespace Schematic
