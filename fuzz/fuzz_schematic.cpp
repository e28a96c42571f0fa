// Reads arbitrary bytes as an input file for the schematic, lays the network
// out with and without its sub-areas and frames it: no crash, no endless walk
// round a ring of receivers.
#include "schematic/logic/Network.h"
#include "schematic/logic/ViewGeometry.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Schematic::Network net;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (Schematic::ReadNetwork(bytes, net).status != Schematic::ReadStatus::Ok)
        return 0;
    for (const int shown : {net.ReachElementCount, net.ReachElementCount + net.SubAreaElementCount}) {
        Schematic::LayoutNetwork(net, shown, 1);
        Schematic::SpatialIndex index;
        index.build(Schematic::SpatialIndex::ItemsOf(net, shown, 1));
        const Schematic::Extent x = Schematic::FrameExtent(net, shown, QSizeF(32, 32));
        const Schematic::Area a = Schematic::ShownArea(x, Schematic::Area{});
        std::vector<const Schematic::SpatialIndex::Item *> found;
        index.query(a.left, a.top, a.right, a.bottom, found);
    }
    return 0;
}
