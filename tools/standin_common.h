#pragma once
// Shared by the stand-in programs: control file, Latin-1 lines, CR LF output.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace Standin {

// The file named on line 1 of `controlName`, which lies in the program's own
// folder (the folder the editor starts it in). Empty when there is none.
inline QString ControlledFile(const QString &controlName)
{
    QFile control(QDir(QCoreApplication::applicationDirPath()).filePath(controlName));
    if (!control.open(QIODevice::ReadOnly))
        return QString();
    QByteArray first = control.readLine();
    while (first.endsWith('\n') || first.endsWith('\r'))
        first.chop(1);
    return QFile::decodeName(first);
}

// The name up to and including its last "." (a "." added when there is none).
inline QString Base(const QString &name)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? name.left(dot + 1) : name + QLatin1Char('.');
}

inline bool ReadLines(const QString &path, QStringList &lines)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    QList<QByteArray> raw = bytes.split('\n');
    if (!raw.isEmpty() && raw.last().isEmpty())
        raw.removeLast();
    for (QByteArray &l : raw) {
        if (l.endsWith('\r'))
            l.chop(1);
        lines << QString::fromLatin1(l);
    }
    return true;
}

inline bool WriteLines(const QString &path, const QStringList &lines)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (const QString &l : lines)
        f.write(l.toLatin1() + "\r\n");
    return f.error() == QFileDevice::NoError;
}

inline QString Cols(const QString &line, int first, int last)
{
    return line.mid(first - 1, last - first + 1).trimmed();
}

inline QString Field(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '));
}

} // namespace Standin
