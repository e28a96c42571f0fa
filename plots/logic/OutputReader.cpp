#include "plots/logic/OutputReader.h"

#include "core/logic/LeadingNumber.h"
#include "core/logic/TextFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace Plots {

namespace {

using Bytes = QByteArrayView;

// Columns first..last (1-based, inclusive) of a line; shorter or empty past its end.
Bytes colsRaw(Bytes line, int first, int last)
{
    const qsizetype from = first - 1;
    if (from >= line.size())
        return {};
    return line.sliced(from, std::min<qsizetype>(last - first + 1, line.size() - from));
}

Bytes trim(Bytes v)
{
    qsizetype a = 0, b = v.size();
    while (a < b && v[a] == ' ')
        ++a;
    while (b > a && v[b - 1] == ' ')
        --b;
    return v.sliced(a, b - a);
}

Bytes cols(Bytes line, int first, int last) { return trim(colsRaw(line, first, last)); }

bool blank(Bytes line) { return trim(line).isEmpty(); }

// The columns hold exactly `text` (case and blanks count).
bool equalAt(Bytes line, int first, int last, const char *text)
{
    return colsRaw(line, first, last) == Bytes(text);
}

// Latin-1 capitals, so that names compare without regard to case.
unsigned char fold(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<unsigned char>(c - 32);
    return c;
}

QByteArray key(const QString &text)
{
    QByteArray k = TextFile::toLatin1(text);
    k = trim(k).toByteArray();
    for (char &c : k)
        c = char(fold(static_cast<unsigned char>(c)));
    return k;
}

// A trimmed field equals a folded key without regard to case.
bool matches(Bytes field, const QByteArray &folded)
{
    field = trim(field);
    if (field.size() != folded.size())
        return false;
    for (qsizetype i = 0; i < field.size(); ++i)
        if (fold(static_cast<unsigned char>(field[i])) != static_cast<unsigned char>(folded[i]))
            return false;
    return true;
}

double lenient(Bytes text) { return Globsubs::LeadingNumber(QString::fromLatin1(text)); }

// A whole field as a number: optional sign, digits with at most one ".", an
// optional exponent; nothing else.
bool strictNumber(Bytes field, float &value)
{
    qsizetype i = 0;
    const qsizetype n = field.size();
    if (i < n && (field[i] == '+' || field[i] == '-'))
        ++i;
    const qsizetype mantissa = i;
    int digits = 0;
    while (i < n && field[i] >= '0' && field[i] <= '9')
        ++i, ++digits;
    if (i < n && field[i] == '.') {
        ++i;
        while (i < n && field[i] >= '0' && field[i] <= '9')
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < n && (field[i] == 'e' || field[i] == 'E')) {
        ++i;
        if (i < n && (field[i] == '+' || field[i] == '-'))
            ++i;
        const qsizetype exponent = i;
        while (i < n && field[i] >= '0' && field[i] <= '9')
            ++i;
        if (i == exponent)
            return false;
    }
    if (i != n)
        return false;
    double v = 0;
    const char *begin = field.data() + mantissa;
    const auto res = std::from_chars(begin, field.data() + n, v);
    if (res.ec != std::errc() || res.ptr != field.data() + n)
        return false;
    if (mantissa > 0 && field[0] == '-')
        v = -v;
    const float f = float(v);
    if (!std::isfinite(f))
        return false;
    value = f;
    return true;
}

bool isPageHeader(Bytes l) { return equalAt(l, 1, 8, "Quorvale") && equalAt(l, 37, 40, "Page"); }
bool isStormLine(Bytes l) { return cols(l, 41, 49) == Bytes("STORM"); }
bool isPeakFlowBanner(Bytes l) { return equalAt(l, 45, 79, "------------ Peak Flow ------------"); }
bool isPeakTableBanner(Bytes l) { return equalAt(l, 35, 76, "----------- Peak Flow by Storm -----------"); }
bool isStageBanner(Bytes l) { return equalAt(l, 43, 80, "Flow Duration @ stage above base elev."); }
bool isPercentBanner(Bytes l) { return equalAt(l, 43, 78, "Flow Duration @ selected Peak Flow %"); }
bool isDurationBanner(Bytes l) { return isStageBanner(l) || isPercentBanner(l); }
bool isLineHeader(Bytes l) { return cols(l, 1, 80) == Bytes("Line"); }
bool isFlowValuesLine(Bytes l) { return equalAt(l, 27, 38, "Flow Values "); }

// A row of a hydrograph table starts with its time. Any other line (a closing
// banner after the last table, say) is no row: read as one, its time would
// count as 0 and spoil the time step.
bool isHydrographRow(Bytes l)
{
    float time = 0;
    return strictNumber(cols(l, 1, 10), time);
}

// The time step of a flow-values line: the number from column 59 up to the
// last "h" of columns 59-68.
double timeStepOf(Bytes l)
{
    Bytes text = colsRaw(l, 59, 68);
    const qsizetype h = text.lastIndexOf('h');
    if (h >= 0)
        text = text.first(h);
    return lenient(text);
}

class Reader
{
public:
    Reader(OutputLineSource &source, OutputRequest &request) : source_(source), rq_(request)
    {
        for (const OutputSeries &s : rq_.series)
            keys_.push_back({key(s.alternate), key(s.storm), key(s.location), key(s.qualifier)});
    }

    bool run()
    {
        if (rq_.series.empty() || !dropLines(3))
            return found_;
        mainPass();
        return found_;
    }

private:
    struct Keys
    {
        QByteArray alternate, storm, location, qualifier;
    };

    // One line, a form feed before it dropped (page headers may begin with one).
    bool readLine()
    {
        if (!source_.next(line_))
            return false;
        while (!line_.isEmpty() && line_.front() == '\f')
            line_ = line_.sliced(1);
        return true;
    }

    // Lines as they come, page headers included.
    bool dropLines(int count)
    {
        for (int i = 0; i < count; ++i)
            if (!readLine())
                return false;
        return true;
    }

    // The next line of the text: a page header and the three title lines
    // after it are passed over. The model breaks its pages wherever its line
    // count says, inside a table's heading too.
    bool readTextLine()
    {
        if (!readLine())
            return false;
        while (isPageHeader(line_))
            if (!dropLines(3) || !readLine())
                return false;
        return true;
    }

    // Drops `count` lines of the text, the last becoming the current line.
    bool skipLines(int count)
    {
        for (int i = 0; i < count; ++i)
            if (!readTextLine())
                return false;
        return true;
    }

    // The next line that is not blank, page headers passed over. False when
    // the page holds no further such line.
    bool readDataLine()
    {
        for (;;) {
            if (!readTextLine())
                return false;
            if (!blank(line_))
                return true;
        }
    }

    void mainPass()
    {
        const std::size_t n = rq_.series.size();
        std::vector<char> match(n, 0);
        // Set when a flow of the current table was not a number: the table
        // gives no further point, so no later flow stands at a wrong time.
        bool stopped = false;
        bool anyMatch = false;
        bool flowValues = false;
        int current = -1;
        double rowCounter = 0;
        for (;;) {
            if (!readDataLine())
                return;
            if (rq_.kind != KindPeakFlow && isStormLine(line_)) {
                const Bytes alternate = colsRaw(line_, 31, 40), storm = colsRaw(line_, 50, 59);
                anyMatch = false;
                for (std::size_t s = 0; s < n; ++s) {
                    match[s] = matches(alternate, keys_[s].alternate) && matches(storm, keys_[s].storm);
                    anyMatch = anyMatch || match[s];
                }
                // A new storm's table belongs to a series only after its location row.
                flowValues = false;
                current = -1;
                continue;
            }
            if (isDurationBanner(line_) || isPeakTableBanner(line_)) {
                if (rq_.kind == KindPeakFlow)
                    peakPass();
                else if (rq_.kind == KindTimeAnalysis)
                    durationPass();
                return;
            }
            if (isPeakFlowBanner(line_)) {
                if (!skipLines(4))
                    return;
                current = -1;
                rowCounter = 1;
            }
            if (isLineHeader(line_)) {
                if (!readDataLine())
                    return;
                if (current >= 0) {
                    if (isFlowValuesLine(line_)) {
                        flowValues = true;
                        rq_.series[std::size_t(current)].timeStep = timeStepOf(line_);
                    }
                    if (!skipLines(3))
                        return;
                }
            }
            if (current >= 0 && flowValues && isHydrographRow(line_)
                && rq_.series[std::size_t(current)].timeStep > 0) {
                if (!stopped)
                    hydrographRow(rq_.series[std::size_t(current)], rowCounter, stopped);
                continue;
            }
            if (anyMatch && !blank(line_)) {
                flowValues = false;
                current = -1;
                const Bytes name = colsRaw(line_, 1, 10), qualifier = colsRaw(line_, 21, 30);
                for (std::size_t s = 0; s < n; ++s)
                    if (match[s] && matches(name, keys_[s].location) && matches(qualifier, keys_[s].qualifier)) {
                        current = int(s);
                        break;
                    }
                if (current >= 0) {
                    // Each table starts its series afresh, with its own time step.
                    OutputSeries &s = rq_.series[std::size_t(current)];
                    s.flow.clear();
                    s.count = 0;
                    s.startTime.clear();
                    rowCounter = 1;
                    stopped = false;
                }
            }
        }
    }

    void hydrographRow(OutputSeries &s, double &rowCounter, bool &stopped)
    {
        const Bytes time = colsRaw(line_, 1, 10);
        double latestTime = 0;
        const bool first = TextFile::isBlank(s.startTime);
        if (first) {
            s.startTime = QString::fromLatin1(time);
        } else {
            latestTime = lenient(time);
            rowCounter += 7;
        }
        for (int k = 0; k < 7; ++k) {
            const Bytes field = cols(line_, 11 + 10 * k, 20 + 10 * k);
            if (field.isEmpty())
                break;
            float value = 0;
            if (!strictNumber(field, value)) {
                stopped = true;
                break;
            }
            s.flow.push_back(value);
            s.count = int(s.flow.size());
        }
        if (s.count > 0)
            found_ = true;
        if (!first && rowCounter > 7)
            s.timeStep = (latestTime - Globsubs::LeadingNumber(s.startTime)) / (7 * std::floor(rowCounter / 7));
    }

    // Point p (1-based) of series s, the arrays grown to hold it.
    static void reserve(OutputSeries &s, int p)
    {
        if (int(s.flow.size()) < p)
            s.flow.resize(std::size_t(p), 0.0f);
        if (int(s.area.size()) < p)
            s.area.resize(std::size_t(p), 0.0f);
    }

    float peakValue(Bytes line, int column, float area) const
    {
        const float peak = float(lenient(colsRaw(line, 21 + 10 * column, 30 + 10 * column)));
        if (!perArea_)
            return peak;
        return area > 0 ? peak / area : 0.0f;
    }

    // The peak table: one storm's peaks against drainage area, sub-areas
    // first, then each reach with its DOWNSTREAM row, then the outlet.
    void peakPass()
    {
        const QByteArray unit = key(rq_.peakFlowUnit);
        perArea_ = unit == "CSM" || unit == "M^3/SEC/SQ KM";
        static const QByteArray Subarea("SUBAREA"), Reach("REACH"), Outlet("OUTLET"), Downstream("DOWNSTREAM");
        const int last = int(rq_.series.size()) - 1;
        int cur = 0;
        int counter = 0;
        int stormColumn = 0;
        bool downstream = false;
        auto cls = [&](int s) -> const QByteArray & { return keys_[std::size_t(s)].location; };
        auto series = [&](int s) -> OutputSeries & { return rq_.series[std::size_t(s)]; };

        for (;;) {
            if (!blank(line_)) {
                if (isDurationBanner(line_))
                    return;
                if (isPeakTableBanner(line_)) {
                    if (!readDataLine())
                        return;
                    stormColumn = 0;
                    for (int k = 1; k <= 5; ++k)
                        if (matches(colsRaw(line_, 22 + 10 * k, 31 + 10 * k), keys_[0].storm))
                            stormColumn = k;
                    if (!skipLines(3))
                        return;
                    // The line after the skipped ones is looked at afresh: it
                    // may be blank, a banner or the first row.
                    continue;
                }
                // Rows of other alternates are no points of this one.
                if (stormColumn != 0 && matches(colsRaw(line_, 21, 30), keys_[0].alternate)) {
                    const Bytes name = colsRaw(line_, 1, 10);
                    if (matches(name, Outlet)) {
                        outletRow(cur, counter, downstream, stormColumn);
                        return;
                    }
                    const bool downstreamRow = matches(name, Downstream);
                    if (downstreamRow) {
                        if (cls(cur) == Subarea && !downstream) {
                            // The first reach's row, taken before its
                            // DOWNSTREAM row told it apart, is no sub-area.
                            series(cur).count = std::max(0, counter - 1);
                            if (cur < last) {
                                const OutputSeries &previous = series(cur);
                                ++cur;
                                // The reach starts where that row left it.
                                if (cls(cur) == Reach && counter >= 1) {
                                    OutputSeries &s = series(cur);
                                    reserve(s, 1);
                                    s.area[0] = previous.area[std::size_t(counter - 1)];
                                    s.flow[0] = previous.flow[std::size_t(counter - 1)];
                                    counter = 1;
                                }
                            }
                        }
                        downstream = true;
                    }
                    const bool addPoint = (cls(cur) == Subarea && !downstream) || (cls(cur) == Reach && downstream)
                                          || counter == 0;
                    OutputSeries &s = series(cur);
                    if (addPoint) {
                        ++counter;
                        s.count = counter;
                        reserve(s, counter);
                        if (cls(cur) == Reach && downstreamRow && counter >= 2)
                            s.area[std::size_t(counter - 1)] = s.area[std::size_t(counter - 2)];
                    }
                    if (counter >= 1) {
                        reserve(s, counter);
                        float &area = s.area[std::size_t(counter - 1)];
                        const Bytes areaText = colsRaw(line_, 11, 20);
                        if (!blank(areaText))
                            area = float(lenient(areaText));
                        s.flow[std::size_t(counter - 1)] = peakValue(line_, stormColumn, area);
                    }
                    if (s.count > 0)
                        found_ = true;
                }
            }
            if (!readDataLine())
                return;
        }
    }

    void outletRow(int cur, int counter, bool downstream, int stormColumn)
    {
        static const QByteArray Reach("REACH"), Outlet("OUTLET");
        // Without a DOWNSTREAM row the table holds no reach: the point the
        // reach series took in waiting is a sub-area's.
        if (keys_[std::size_t(cur)].location == Reach)
            rq_.series[std::size_t(cur)].count = downstream ? counter : 0;
        // The outlet series comes after the classes that found rows, and
        // after those that found none (no reaches in the network, say).
        for (std::size_t o = std::size_t(cur); o < rq_.series.size(); ++o) {
            if (keys_[o].location != Outlet)
                continue;
            OutputSeries &s = rq_.series[o];
            reserve(s, 1);
            s.count = 1;
            s.area[0] = float(lenient(colsRaw(line_, 11, 20)));
            s.flow[0] = peakValue(line_, stormColumn, s.area[0]);
            break;
        }
        found_ = std::any_of(rq_.series.begin(), rq_.series.end(), [](const OutputSeries &s) { return s.count > 0; });
    }

    // Captions of the duration table whose banner is in hand; false at the end.
    bool startDurationTable(bool &stage)
    {
        stage = isStageBanner(line_) || equalAt(line_, 33, 36, "Base");
        if (!readDataLine())
            return false;
        DurationTable &t = stage ? rq_.stage : rq_.percentOfPeak;
        const QString suffix = stage ? QStringLiteral(" Stage") : QStringLiteral("% of Peak");
        for (int j = 0; j < 4; ++j)
            t.caption[std::size_t(j)] = QString::fromLatin1(cols(line_, 41 + 10 * j, 50 + 10 * j)) + suffix;
        return skipLines(3);
    }

    void durationPass()
    {
        const Keys &k = keys_[0];
        static const QByteArray Upstream("UPSTREAM"), Downstream("DOWNSTREAM");
        while (!isDurationBanner(line_))
            if (!readDataLine())
                return;
        bool stage = false;
        if (!startDurationTable(stage))
            return;
        for (;;) {
            if (isDurationBanner(line_)) {
                if (!startDurationTable(stage))
                    return;
                continue;
            }
            if (matches(colsRaw(line_, 1, 10), k.location) && matches(colsRaw(line_, 11, 20), k.alternate)
                && matches(colsRaw(line_, 21, 30), k.storm)) {
                if (!k.qualifier.isEmpty() && k.qualifier != Upstream) {
                    // A reach's downstream end is the DOWNSTREAM row after its own.
                    while (!matches(colsRaw(line_, 1, 10), Downstream))
                        if (!readDataLine())
                            return;
                    while (!(matches(colsRaw(line_, 11, 20), k.alternate) && matches(colsRaw(line_, 21, 30), k.storm)))
                        if (!readDataLine())
                            return;
                }
                DurationTable &t = stage ? rq_.stage : rq_.percentOfPeak;
                for (int j = 0; j < 4; ++j)
                    t.value[std::size_t(j)] = QString::fromLatin1(cols(line_, 41 + 10 * j, 50 + 10 * j));
            }
            if (!readDataLine())
                return;
        }
    }

    OutputLineSource &source_;
    OutputRequest &rq_;
    std::vector<Keys> keys_;
    Bytes line_;
    bool found_ = false;
    bool perArea_ = false;
};

class BytesSource : public OutputLineSource
{
public:
    explicit BytesSource(Bytes bytes) : rest_(bytes) {}
    bool next(Bytes &line) override
    {
        if (rest_.isEmpty())
            return false;
        const qsizetype nl = rest_.indexOf('\n');
        qsizetype n = nl >= 0 ? nl : rest_.size();
        line = rest_.first(n);
        rest_ = rest_.sliced(nl >= 0 ? nl + 1 : n);
        if (line.endsWith('\r'))
            line.chop(1);
        return true;
    }

private:
    Bytes rest_;
};

// Reads a file in pieces. A line longer than any the page holds is cut, the
// rest of it passed over, so no line makes the buffer grow with the file.
class FileSource : public OutputLineSource
{
public:
    static constexpr qsizetype Chunk = qsizetype(1) << 18;
    static constexpr qsizetype MaxLine = 4096;

    bool open(const QString &path)
    {
        file_.setFileName(path);
        if (!QFileInfo(path).isFile()) {
            error_ = QStringLiteral("the file does not exist");
            return false;
        }
        if (!file_.open(QIODevice::ReadOnly)) {
            error_ = file_.errorString();
            return false;
        }
        return true;
    }
    QString error() const { return error_; }

    bool next(Bytes &line) override
    {
        for (;;) {
            const char *begin = buffer_.constData() + pos_;
            const qsizetype left = buffer_.size() - pos_;
            const void *nl = left > 0 ? std::memchr(begin, '\n', std::size_t(left)) : nullptr;
            if (nl || (eof_ && left > 0)) {
                qsizetype n = nl ? static_cast<const char *>(nl) - begin : left;
                pos_ += nl ? n + 1 : n;
                if (n > MaxLine) {
                    long_ = QByteArray(begin, MaxLine);
                    line = long_;
                    return true;
                }
                if (n > 0 && begin[n - 1] == '\r')
                    --n;
                line = Bytes(begin, n);
                return true;
            }
            if (left > MaxLine) {
                long_ = QByteArray(begin, MaxLine);
                pos_ = buffer_.size();
                while (fill()) {
                    const void *end = std::memchr(buffer_.constData(), '\n', std::size_t(buffer_.size()));
                    if (end) {
                        pos_ = static_cast<const char *>(end) - buffer_.constData() + 1;
                        break;
                    }
                    pos_ = buffer_.size();
                }
                line = long_;
                return true;
            }
            if (!fill() && left == 0)
                return false;
        }
    }

private:
    bool fill()
    {
        if (eof_)
            return false;
        buffer_.remove(0, pos_);
        pos_ = 0;
        const qsizetype kept = buffer_.size();
        buffer_.resize(kept + Chunk);
        const qint64 n = file_.read(buffer_.data() + kept, Chunk);
        buffer_.resize(kept + std::max<qint64>(n, 0));
        if (n < 0)
            error_ = file_.errorString();
        if (n <= 0)
            eof_ = true;
        return n > 0;
    }

    QFile file_;
    QByteArray buffer_;
    QByteArray long_;
    qsizetype pos_ = 0;
    bool eof_ = false;
    QString error_;
};

} // namespace

bool ReadOutputPlotData(OutputLineSource &source, OutputRequest &request)
{
    return Reader(source, request).run();
}

bool ReadOutputPlotData(QByteArrayView bytes, OutputRequest &request)
{
    BytesSource source(bytes);
    return ReadOutputPlotData(source, request);
}

ReadResult ReadOutputPlotFile(const QString &path, OutputRequest &request)
{
    FileSource source;
    if (!source.open(path))
        return {ReadStatus::Unreadable, source.error()};
    const bool found = ReadOutputPlotData(source, request);
    if (!source.error().isEmpty())
        return {ReadStatus::Unreadable, source.error()};
    return {found ? ReadStatus::Found : ReadStatus::NoData, QString()};
}

PlotRequest OutputPlotRequest(const OutputRequest &request, const QString &fileName, const QString &outFlowUnit,
                              const QString &outAreaUnit)
{
    PlotRequest r;
    r.PlotKind = request.kind;
    r.PlotSeriesCount = int(request.series.size());
    r.PlotStormCount = request.kind == KindOutputHydrograph ? request.stormCount : 1;
    r.PlotAltCount = request.kind == KindOutputHydrograph ? request.altCount : 1;
    r.FileName = fileName;
    r.OutFlowUnit = outFlowUnit;
    r.OutAreaUnit = outAreaUnit;
    r.PeakFlowUnit = request.peakFlowUnit;
    const std::size_t n = request.series.size();
    r.PlotX.assign(n + 1, {0.0});
    r.PlotY.assign(n + 1, {0.0});
    r.PlotPointCount.assign(n + 1, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const OutputSeries &s = request.series[i];
        const int series = int(i + 1);
        const int count = std::min(s.count, int(s.flow.size()));
        r.setHeader(series, 1, s.alternate);
        r.setHeader(series, 2, s.storm);
        r.setHeader(series, 3, s.location);
        r.setHeader(series, 4, s.qualifier);
        if (request.kind != KindPeakFlow) {
            r.setHeader(series, 5, s.startTime);
            r.setHeader(series, 6, QString::number(s.timeStep, 'g', 17));
        }
        r.setHeader(series, 7, QString::number(count));
        for (int p = 0; p < count; ++p) {
            r.PlotY[i + 1].push_back(double(s.flow[std::size_t(p)]));
            if (request.kind == KindPeakFlow)
                r.PlotX[i + 1].push_back(p < int(s.area.size()) ? double(s.area[std::size_t(p)]) : 0.0);
        }
        r.PlotPointCount[i + 1] = count;
    }
    if (request.kind == KindTimeAnalysis && n >= 1) {
        for (int j = 0; j < 4; ++j) {
            r.setHeader(1, 8 + j, request.percentOfPeak.caption[std::size_t(j)]);
            r.setHeader(1, 12 + j, request.stage.caption[std::size_t(j)]);
            r.setHeader(1, 16 + j, request.percentOfPeak.value[std::size_t(j)]);
            r.setHeader(1, 20 + j, request.stage.value[std::size_t(j)]);
        }
        // A flow-duration curve starts at time 0.
        r.setHeader(1, 5, QStringLiteral("0.0"));
    }
    return r;
}

std::optional<PlotRequest> ReadOutputPlot(const OutputPlotSource &source, OutputRequest &completed)
{
    completed = source.request;
    if (ReadOutputPlotFile(source.printedPage, completed).status != ReadStatus::Found)
        return std::nullopt;
    return OutputPlotRequest(completed, source.fileName, source.outFlowUnit, source.outAreaUnit);
}

} // namespace Plots
