#include "schematic/logic/Network.h"

#include <QFile>

#include <algorithm>
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

// Element names without regard to case, in a flat open-addressed table:
// one entry per distinct name, with its first element of any kind and its
// receivers (elements that are not sub-areas). Identifiers fit in ten
// characters, so entries hold their folded names and a look-up touches one
// place in memory.
class NameTable
{
public:
    static constexpr int KeyLength = 10;
    struct Entry
    {
        quint64 hash = 0;
        char16_t key[KeyLength] = {};
        int length = 0;
        int first = 0;    // 0: free
        int receiver = 0; // the last receiver of that name
        int receivers = 0;
    };

    NameTable(const std::vector<NetworkElement> &elements, int count) : elements_(elements)
    {
        std::size_t size = 16;
        while (size < std::size_t(count) * 2)
            size *= 2;
        entries_.resize(size);
    }

    void add(int j)
    {
        const NetworkElement &e = elements_[std::size_t(j)];
        const Key k(e.Name);
        Entry &slot = lookup(k);
        if (!slot.first) {
            slot.first = j;
            slot.hash = k.hash;
            slot.length = k.length;
            std::copy(k.folded, k.folded + std::min(k.length, KeyLength), slot.key);
        }
        if (e.ElementType != SubArea) {
            slot.receiver = j;
            ++slot.receivers;
        }
    }

    const Entry *find(const QString &name) const
    {
        const Entry &slot = const_cast<NameTable *>(this)->lookup(Key(name));
        return slot.first ? &slot : nullptr;
    }

private:
    struct Key
    {
        explicit Key(const QString &text) : name(text), length(int(text.size()))
        {
            quint64 h = 1469598103934665603ull;
            for (int c = 0; c < length; ++c) {
                const char16_t u = text[c].toUpper().unicode();
                if (c < KeyLength)
                    folded[c] = u;
                h = (h ^ u) * 1099511628211ull;
            }
            // The table takes the low bits, which the multiplications leave
            // poorly mixed for names that differ only in their last characters.
            h ^= h >> 33;
            h *= 0xff51afd7ed558ccdull;
            h ^= h >> 33;
            hash = h;
        }
        const QString &name;
        char16_t folded[KeyLength] = {};
        int length = 0;
        quint64 hash = 0;
    };

    bool matches(const Entry &slot, const Key &k) const
    {
        if (slot.hash != k.hash || slot.length != k.length)
            return false;
        if (slot.length <= KeyLength)
            return std::equal(k.folded, k.folded + k.length, slot.key);
        // Longer than any identifier of the file: compare the names themselves.
        const QString &name = elements_[std::size_t(slot.first)].Name;
        for (qsizetype c = 0; c < name.size(); ++c)
            if (name[c].toUpper() != k.name[c].toUpper())
                return false;
        return true;
    }

    // The entry of the name, or the free entry where it belongs.
    Entry &lookup(const Key &k)
    {
        const std::size_t mask = entries_.size() - 1;
        for (std::size_t i = std::size_t(k.hash) & mask;; i = (i + 1) & mask) {
            Entry &slot = entries_[i];
            if (!slot.first || matches(slot, k))
                return slot;
        }
    }

    const std::vector<NetworkElement> &elements_;
    std::vector<Entry> entries_;
};

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
    NameTable names(net.Elements, net.ElementCount);
    for (int j = 1; j <= net.ElementCount; ++j)
        names.add(j);
    for (int i = 1; i <= net.ElementCount; ++i) {
        NetworkElement &e = net.Elements[std::size_t(i)];
        if (e.ReceivingName.isEmpty())
            continue;
        const NameTable::Entry *m = names.find(e.ReceivingName);
        if (!m || !m->receivers)
            continue;
        if (m->receivers > 1)
            return {ReadStatus::AmbiguousReceiver, e.ReceivingName};
        e.ReceivingIndex = m->receiver;
    }
    for (int k = 1; k <= net.DiversionCount; ++k) {
        Diversion &d = net.Diversions[std::size_t(k)];
        if (d.ToName.isEmpty())
            continue;
        if (const NameTable::Entry *m = names.find(d.ToName))
            d.ToIndex = m->first;
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
    const std::size_t size = std::size_t(n) + 1;
    // The walk works on compact arrays of its own: large networks are walked
    // in no order the table keeps, and the table's records are wide.
    std::vector<int> receiver(size, 0), first(size, 0), next(size, 0), last(size, 0), span(size, 1), level(size, 0),
        position(size, 50);
    std::vector<char> placed(size, 0);
    for (int i = 1; i <= n; ++i)
        receiver[std::size_t(i)] = net.Elements[std::size_t(i)].ReceivingIndex;

    // Every build starts afresh, so elements that are not displayed (hidden
    // sub-areas) leave no links and no gaps behind.
    for (int c = 1; c <= n; ++c) {
        const int p = receiver[std::size_t(c)];
        if (p < 1 || p > n || p == c)
            continue;
        if (last[std::size_t(p)])
            next[std::size_t(last[std::size_t(p)])] = c;
        else
            first[std::size_t(p)] = c;
        last[std::size_t(p)] = c;
    }

    // The tree under the root, each element before its children, by an
    // explicit stack: chains may be as long as the network. Every element has
    // one receiver, so the walk meets none twice; it is guarded all the same.
    std::vector<int> order;
    if (root >= 1 && root <= n) {
        order.reserve(size);
        std::vector<int> stack{root};
        while (!stack.empty()) {
            const int e = stack.back();
            stack.pop_back();
            if (placed[std::size_t(e)])
                continue;
            placed[std::size_t(e)] = 1;
            order.push_back(e);
            const std::size_t mark = stack.size();
            for (int c = first[std::size_t(e)]; c; c = next[std::size_t(c)]) {
                level[std::size_t(c)] = level[std::size_t(e)] + 1;
                stack.push_back(c);
            }
            std::reverse(stack.begin() + std::ptrdiff_t(mark), stack.end());
        }
        // Spans from the leaves up.
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            int sum = 0;
            for (int c = first[std::size_t(*it)]; c; c = next[std::size_t(c)])
                sum += span[std::size_t(c)];
            span[std::size_t(*it)] = std::max(sum, 1);
        }
        // Each child centred in its share of its receiver's band.
        for (const int e : order) {
            int k = 0;
            const int band = position[std::size_t(e)] - 5 * span[std::size_t(e)];
            for (int c = first[std::size_t(e)]; c; c = next[std::size_t(c)]) {
                position[std::size_t(c)] = band + 10 * k + 5 * span[std::size_t(c)];
                k += span[std::size_t(c)];
            }
        }
    }

    double minL = 0, maxL = 0, minT = 0, maxT = 0;
    for (int i = 1; i <= n; ++i) {
        const std::size_t u = std::size_t(i);
        NetworkElement &e = net.Elements[u];
        e.FirstChild = first[u];
        e.NextSibling = next[u];
        e.Span = span[u];
        e.Level = level[u];
        e.Position = position[u];
        e.Placed = placed[u] != 0;
        e.Visited = false;
        if (e.Placed) {
            e.Left = position[u] * 10.0;
            e.Top = 800.0 - 200.0 * level[u];
        }
        if (i == 1) {
            minL = maxL = e.Left;
            minT = maxT = e.Top;
        }
        if (e.Placed) {
            minL = std::min(minL, e.Left);
            maxL = std::max(maxL, e.Left);
            minT = std::min(minT, e.Top);
            maxT = std::max(maxT, e.Top);
        }
    }

    // Unconnected elements: columns of ten to the left of the tree, spread
    // over its height, each column a fifth of its width further left. A tree
    // without width (or height) keeps them in its own column (or row).
    const double w = std::nearbyint(maxL - minL);
    const double h = std::nearbyint(maxT - minT);
    int row = 0, column = 1;
    for (int i = 1; i <= n; ++i) {
        NetworkElement &e = net.Elements[std::size_t(i)];
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
