#include "schematic/logic/Network.h"

#include <QFile>
#include <QHash>
#include <cmath>
#include <cstring>

namespace Schematic {

namespace {

// Columns first to last (1-based) of a line, shorter or empty past its end.
QByteArrayView columns(QByteArrayView line, int first, int last)
{
    const qsizetype from = first - 1;
    if (from >= line.size())
        return {};
    return line.sliced(from, std::min<qsizetype>(last - from, line.size() - from));
}

QByteArrayView trimSpaces(QByteArrayView v)
{
    qsizetype a = 0, b = v.size();
    while (a < b && v[a] == ' ')
        ++a;
    while (b > a && v[b - 1] == ' ')
        --b;
    return v.sliced(a, b - a);
}

bool blank(QByteArrayView v) { return trimSpaces(v).isEmpty(); }

// The columns equal `word` (all of them present) without regard to case.
bool startsAs(QByteArrayView line, int first, const char *word)
{
    const qsizetype n = qsizetype(std::strlen(word));
    if (line.size() < first - 1 + n)
        return false;
    return qstrnicmp(line.data() + first - 1, n, word, n) == 0;
}

QString field(QByteArrayView line, int first, int last)
{
    const QByteArrayView v = trimSpaces(columns(line, first, last));
    return QString::fromLatin1(v.data(), v.size());
}

// Lines without their ends; a last line without an end is still a line.
std::vector<QByteArrayView> splitLines(QByteArrayView bytes)
{
    std::vector<QByteArrayView> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes[stop - 1] == '\r')
            --stop;
        lines.push_back(bytes.sliced(start, stop - start));
        start = end + 1;
    }
    return lines;
}

struct Sections
{
    // Line numbers from 1; 0 = not seen / not ended.
    qsizetype reachHeader = 0, reachLast = 0, subHeader = 0, subLast = 0;
};

Sections findSections(const std::vector<QByteArrayView> &lines)
{
    Sections s;
    const qsizetype count = qsizetype(lines.size());
    for (qsizetype n = 1; n <= count; ++n) {
        const QByteArrayView line = lines[std::size_t(n - 1)];
        const bool reachOpen = s.reachHeader && !s.reachLast;
        const bool leadBlank = blank(columns(line, 1, 10));
        if (startsAs(line, 1, "STREAM REACH")) {
            s.reachHeader = n;
            if (s.subHeader && !s.subLast)
                s.subLast = n - 1;
            continue;
        }
        if (reachOpen) {
            if (leadBlank)
                continue;
            // The line that ends the reach section may start the next one
            // (a file whose Sub-Area section follows its Stream Reach section).
            s.reachLast = n - 1;
        }
        const bool subOpen = s.subHeader && !s.subLast;
        if (startsAs(line, 1, "SUB-AREA")) {
            s.subHeader = n;
        } else if (subOpen && !leadBlank) {
            s.subLast = n - 1;
        }
    }
    if (s.reachHeader && !s.reachLast)
        s.reachLast = count;
    if (s.subHeader && !s.subLast)
        s.subLast = count;
    return s;
}

} // namespace

ReadResult ReadNetwork(QByteArrayView bytes, Network &net)
{
    net.clear();
    const std::vector<QByteArrayView> lines = splitLines(bytes);
    const Sections s = findSections(lines);

    // The record lines of each section; the counts are what is read, so the
    // tables always agree with them.
    std::vector<QByteArrayView> reachLines, splitLinesOf, subLines;
    std::vector<int> splitOwner; // reach ordinal (0: before any reach)
    if (s.reachHeader) {
        for (qsizetype n = s.reachHeader + 1; n <= s.reachLast; ++n) {
            const QByteArrayView line = lines[std::size_t(n - 1)];
            if (!blank(columns(line, 11, 20))) {
                reachLines.push_back(line);
            } else if (startsAs(line, 21, "SPLIT FLOW")) {
                splitLinesOf.push_back(line);
                splitOwner.push_back(int(reachLines.size()));
            }
        }
    }
    if (s.subHeader) {
        for (qsizetype n = s.subHeader + 1; n <= s.subLast; ++n) {
            const QByteArrayView line = lines[std::size_t(n - 1)];
            if (!blank(columns(line, 11, 20)))
                subLines.push_back(line);
        }
    }
    const int reaches = int(reachLines.size());
    const int subAreas = int(subLines.size());
    if (reaches + subAreas == 0)
        return {}; // nothing to draw, and split flows need a reach to start from
    net.ReachElementCount = 1 + reaches;
    net.SubAreaElementCount = subAreas;
    net.ElementCount = 1 + reaches + subAreas;
    net.DiversionCount = int(splitLinesOf.size());
    net.Elements.assign(std::size_t(net.ElementCount) + 1, NetworkElement());
    net.Diversions.assign(std::size_t(net.DiversionCount) + 1, Diversion());

    for (int i = 1; i <= net.ElementCount; ++i) {
        NetworkElement &e = net.Elements[std::size_t(i)];
        e.Left = 500;
        e.Top = 50 + (i - 1) * 900.0 / net.ElementCount;
    }
    NetworkElement &outlet = net.Elements[1];
    outlet.Name = QStringLiteral("OUTLET");
    outlet.ElementType = Outlet;

    int current = 1;
    for (const QByteArrayView line : reachLines) {
        NetworkElement &e = net.Elements[std::size_t(++current)];
        e.Name = field(line, 11, 20);
        e.ReceivingName = field(line, 21, 30);
        e.ElementType = blank(columns(line, 41, 50)) ? ChannelReach : StructureReach;
    }
    for (const QByteArrayView line : subLines) {
        NetworkElement &e = net.Elements[std::size_t(++current)];
        e.Name = field(line, 11, 20);
        e.ReceivingName = field(line, 21, 30);
        e.ElementType = SubArea;
    }
    for (std::size_t k = 0; k < splitLinesOf.size(); ++k) {
        Diversion &d = net.Diversions[k + 1];
        d.FromIndex = 1 + splitOwner[k]; // a split flow before any reach belongs to the outlet
        d.FromName = splitOwner[k] ? net.Elements[std::size_t(d.FromIndex)].Name : QString();
        d.ToName = field(splitLinesOf[k], 31, 40);
    }

    // Receivers: any element but a sub-area, matched by name without regard
    // to case; a name carried by two of them cannot be resolved.
    struct Match { int index = 0; int count = 0; };
    QHash<QString, Match> receivers;
    QHash<QString, int> firstByName;
    receivers.reserve(net.ReachElementCount);
    firstByName.reserve(net.ElementCount);
    for (int j = 1; j <= net.ElementCount; ++j) {
        const NetworkElement &e = net.Elements[std::size_t(j)];
        const QString key = e.Name.toUpper();
        if (!firstByName.contains(key))
            firstByName.insert(key, j);
        if (e.ElementType != SubArea) {
            Match &m = receivers[key];
            m.index = j;
            ++m.count;
        }
    }
    for (int i = 1; i <= net.ElementCount; ++i) {
        NetworkElement &e = net.Elements[std::size_t(i)];
        if (e.ReceivingName.isEmpty())
            continue;
        const auto it = receivers.constFind(e.ReceivingName.toUpper());
        if (it == receivers.constEnd())
            continue;
        if (it->count > 1)
            return {ReadStatus::AmbiguousReceiver, e.ReceivingName};
        e.ReceivingIndex = it->index;
    }
    for (int k = 1; k <= net.DiversionCount; ++k) {
        Diversion &d = net.Diversions[std::size_t(k)];
        if (!d.ToName.isEmpty())
            d.ToIndex = firstByName.value(d.ToName.toUpper(), 0);
    }
    return {};
}

ReadResult ReadNetworkFile(const QString &path, Network &net)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        net.clear();
        return {ReadStatus::LoadError, QString()};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        net.clear();
        return {ReadStatus::LoadError, QString()};
    }
    return ReadNetwork(bytes, net);
}

void LayoutNetwork(Network &net, int displayed, int root)
{
    const int n = std::clamp(displayed, 0, net.tableSize());
    auto el = [&net](int i) -> NetworkElement & { return net.Elements[std::size_t(i)]; };

    // Every build starts afresh, so elements that are not displayed (hidden
    // sub-areas) leave no links and no gaps behind.
    std::vector<int> lastChild(std::size_t(n) + 1, 0);
    for (int i = 1; i <= n; ++i) {
        NetworkElement &e = el(i);
        e.FirstChild = e.NextSibling = 0;
        e.Span = 1;
        e.Position = 50;
        e.Level = 0;
        e.Placed = false;
        e.Visited = false;
    }
    for (int c = 1; c <= n; ++c) {
        const int p = el(c).ReceivingIndex;
        if (p < 1 || p > n || p == c)
            continue;
        if (lastChild[std::size_t(p)])
            el(lastChild[std::size_t(p)]).NextSibling = c;
        else
            el(p).FirstChild = c;
        lastChild[std::size_t(p)] = c;
    }

    // The tree under the root, each element before its children. Every
    // element has one receiver, so the walk meets no element twice; the walk
    // guards against it all the same.
    std::vector<int> order;
    if (root >= 1 && root <= n) {
        el(root).Level = 0;
        ForEachInTree(net, n, root, [&](int e) {
            order.push_back(e);
            for (int c = el(e).FirstChild; c; c = el(c).NextSibling)
                el(c).Level = el(e).Level + 1;
        });
        // Spans from the leaves up.
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            int sum = 0;
            for (int c = el(*it).FirstChild; c; c = el(c).NextSibling)
                sum += el(c).Span;
            el(*it).Span = std::max(sum, 1);
        }
        NetworkElement &r = el(root);
        r.Left = 500;
        r.Top = 800;
        r.Position = 50;
        r.Placed = true;
        for (const int e : order) {
            int k = 0;
            const NetworkElement &p = el(e);
            for (int c = p.FirstChild; c; c = el(c).NextSibling) {
                NetworkElement &ch = el(c);
                ch.Position = p.Position - 5 * p.Span + 10 * k + 5 * ch.Span;
                ch.Left = ch.Position * 10.0;
                ch.Top = 800.0 - 200.0 * ch.Level;
                ch.Placed = true;
                k += ch.Span;
            }
        }
    }

    // Unconnected elements: columns of ten to the left of the tree, spread
    // over its height.
    if (n < 1)
        return;
    double minL = el(1).Left, maxL = minL, minT = el(1).Top, maxT = minT;
    for (int i = 1; i <= n; ++i) {
        const NetworkElement &e = el(i);
        if (!e.Placed)
            continue;
        minL = std::min(minL, e.Left);
        maxL = std::max(maxL, e.Left);
        minT = std::min(minT, e.Top);
        maxT = std::max(maxT, e.Top);
    }
    double w = std::nearbyint(maxL - minL);
    double h = std::nearbyint(maxT - minT);
    // A tree without width or height would stack the columns on it and on
    // each other: give it one slot's width and ten rows of 100 units.
    if (w <= 0)
        w = 500;
    if (h <= 0)
        h = 900;
    int row = 0, column = 1;
    for (int i = 1; i <= n; ++i) {
        NetworkElement &e = el(i);
        if (e.Placed)
            continue;
        e.Left = minL - 0.2 * w * column;
        e.Top = minT + row * h / 9;
        if (++row > 9) {
            ++column;
            row = 0;
        }
    }
}

} // namespace Schematic
