#include "core/logic/InputFileStore.h"
#include "core/logic/Editglob.h"

#include <QFileInfo>

namespace InputFileStore {

QString HeaderKey(const QString &line)
{
    return TextFile::trimBlanks(line.left(40)).toUpper();
}

int SectionOfHeader(const QString &key, QString &line)
{
    QString k = key;
    if (k == QLatin1String("QV-31: BETA TEST") || k == QLatin1String("QV-31: VERSION 2001")) {
        const QString header = Editglob::SectionNames[Editglob::SecIdentifier];
        k = header.toUpper();
        line = line.size() > header.size() ? header + line.right(line.size() - header.size()) : header;
    }
    for (int i = 1; i <= Editglob::SectionCount; ++i)
        if (Editglob::SectionNames[i].toUpper() == k)
            return i;
    return 0;
}

bool CopySectionLines(TextFile::LineReader &reader, QString &line, const QString &path, bool *writeOk)
{
    TextFile::LineWriter writer(path, TextFile::LineWriter::Truncate);
    writer.writeLine(line);
    // The records are copied as bytes: they pass through unchanged.
    bool endOfInput = true;
    QByteArrayView bytes;
    while (!reader.atEnd()) {
        if (!reader.readLineBytes(bytes))
            break; // a read error ends the input like its end
        if (TextFile::isBlank(bytes)) {
            endOfInput = false;
            line = QString();
            break;
        }
        writer.writeLine(bytes);
    }
    const bool ok = writer.commit();
    if (writeOk && !ok)
        *writeOk = false;
    return endOfInput;
}

SplitResult Split(const QString &inputPath, const std::array<QString, 17> &tmpFile)
{
    SplitResult result;
    TextFile::LineReader reader;
    if (!reader.open(inputPath))
        return result;
    result.opened = true;
    QString line;
    bool writeOk = true;
    while (reader.readLine(line)) {
        if (TextFile::isBlank(line))
            continue;
        const QString key = HeaderKey(line);
        const int section = SectionOfHeader(key, line);
        if (section == 0) {
            result.unknownKey = key;
            break;
        }
        if (CopySectionLines(reader, line, tmpFile[section], &writeOk))
            break;
    }
    result.writeFailed = !writeOk;
    return result;
}

bool Join(const std::array<QString, 17> &tmpFile, const QString &outputPath, QString *error)
{
    TextFile::LineWriter writer;
    if (!writer.open(outputPath, TextFile::LineWriter::Atomic)) {
        if (error)
            *error = writer.errorString();
        return false;
    }
    for (int section : SaveOrder) {
        TextFile::LineReader reader;
        if (!reader.open(tmpFile[section]))
            continue;
        QByteArrayView line;
        while (reader.readLineBytes(line))
            if (!TextFile::isBlank(line))
                writer.writeLine(line);
        writer.writeLine(QString());
    }
    const bool ok = writer.commit();
    if (!ok && error)
        *error = writer.errorString();
    return ok;
}

} // namespace InputFileStore
