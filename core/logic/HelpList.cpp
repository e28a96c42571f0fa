#include "core/logic/HelpList.h"

#include <QFile>

namespace HelpList {

namespace {

const QString Indent(10, QLatin1Char(' '));
const QString Crlf = QStringLiteral("\r\n");

// Lines of the list in Latin-1, without CR LF or LF.
class Lines
{
public:
    explicit Lines(QByteArrayView bytes) : bytes_(bytes) {}
    bool next(QString &line)
    {
        if (pos_ >= bytes_.size())
            return false;
        const QByteArrayView rest = bytes_.sliced(pos_);
        const qsizetype nl = rest.indexOf('\n');
        QByteArrayView text = nl >= 0 ? rest.first(nl) : rest;
        pos_ += nl >= 0 ? nl + 1 : rest.size();
        if (text.endsWith('\r'))
            text.chop(1);
        line = QString::fromLatin1(text);
        return true;
    }

private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

// Text up to the next "|", reading on over further lines (joined without a
// break) while `rest` holds none. `rest` becomes what follows that "|"; false
// when the file ended first.
bool TakeUntilBar(Lines &lines, QString &rest, QString &text)
{
    for (;;) {
        const qsizetype bar = rest.indexOf(QLatin1Char('|'));
        if (bar >= 0) {
            text += rest.left(bar);
            rest = rest.mid(bar + 1);
            return true;
        }
        text += rest;
        if (!lines.next(rest)) {
            rest.clear();
            return false;
        }
    }
}

// The metric range counts only when a "|" closes it; without one the English
// range serves both unit systems.
QString ClosedByBar(const QString &rest)
{
    const qsizetype end = rest.indexOf(QLatin1Char('|'));
    return end >= 0 ? rest.left(end) : QString();
}

void AppendEntry(QString &out, const QString &title, const QString &description,
                 const QString &english, const QString &metric, bool englishUnits)
{
    out += Indent + title + Crlf + description;
    const QString &range = (!englishUnits && !metric.isEmpty()) ? metric : english;
    if (!range.isEmpty())
        out += Crlf + Indent + QStringLiteral("Range - ") + range;
    out += Crlf + Crlf;
}

} // namespace

QString EntryKey(const QString &formKey, int helpId)
{
    return helpId > 0 ? formKey + QLatin1Char(' ') + QString::number(helpId) : formKey;
}

QString Compose(QByteArrayView bytes, const QString &entryKey, bool englishUnits)
{
    QString out;
    Lines lines(bytes);
    QString line;
    while (lines.next(line)) {
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        if (bar <= 0 || line.left(bar) != entryKey)
            continue;
        QString rest = line.mid(bar + 1);
        QString title, description, english, metric;
        const qsizetype dash = rest.indexOf(QStringLiteral(" - "));
        bool complete = true;
        if (dash >= 0) {
            title = rest.left(dash + 1);
            rest = rest.mid(dash + 3);
            complete = TakeUntilBar(lines, rest, description);
        } else {
            // Outside the format: the text up to the next "|" serves as the
            // title and the description is empty.
            const qsizetype titleEnd = rest.indexOf(QLatin1Char('|'));
            title = titleEnd >= 0 ? rest.left(titleEnd) : rest;
            rest = titleEnd >= 0 ? rest.mid(titleEnd + 1) : QString();
            complete = titleEnd >= 0;
        }
        if (complete) {
            if (rest.contains(QLatin1Char('|'))) {
                const qsizetype end = rest.indexOf(QLatin1Char('|'));
                english = rest.left(end);
                rest = rest.mid(end + 1);
                metric = ClosedByBar(rest);
            } else {
                // The description closed with the line's last "|": the range
                // is on the next line.
                rest.clear();
                if (lines.next(rest)) {
                    TakeUntilBar(lines, rest, english);
                    metric = ClosedByBar(rest);
                }
            }
        }
        AppendEntry(out, title, description, english, metric, englishUnits);
    }
    return out;
}

QString ComposeFromFile(const QString &path, const QString &entryKey, bool englishUnits)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return Compose(file.readAll(), entryKey, englishUnits);
}

} // namespace HelpList
