#include "core/logic/TextFile.h"

#include <QFileInfo>

#include <cstring>
#include <algorithm>
#include <limits>

namespace TextFile {

namespace {

AccessHook &accessHook()
{
    static AccessHook hook;
    return hook;
}

// The reason the hook gives to refuse the access; empty when it is allowed.
QString refusal(const QString &path, Access access)
{
    const AccessHook &hook = accessHook();
    return hook ? hook(path, access) : QString();
}

} // namespace

AccessHook setAccessHook(AccessHook hook)
{
    AccessHook previous = std::move(accessHook());
    accessHook() = std::move(hook);
    return previous;
}

bool isBlank(const QString &line)
{
    for (QChar c : line)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

bool isBlank(QByteArrayView line)
{
    for (char c : line)
        if (c != ' ')
            return false;
    return true;
}

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QString colsRaw(const QString &line, int first, int last)
{
    if (first < 1 || last < first || first > line.size())
        return QString();
    return line.mid(first - 1, last - first + 1);
}

bool colsBlank(const QString &line, int first, int last)
{
    if (first < 1 || last < first || first > line.size())
        return true;
    for (QChar c : QStringView(line).mid(first - 1, last - first + 1))
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

QString cols(const QString &line, int first, int last)
{
    if (first < 1 || last < first || first > line.size())
        return QString();
    // One copy per field: the readers of large sections take many of them.
    QStringView field = QStringView(line).mid(first - 1, last - first + 1);
    while (!field.isEmpty() && field.front() == QLatin1Char(' '))
        field = field.sliced(1);
    while (!field.isEmpty() && field.back() == QLatin1Char(' '))
        field.chop(1);
    return field.toString();
}

QByteArray toLatin1(const QString &text) { return text.toLatin1(); }
QString fromLatin1(const QByteArray &bytes) { return QString::fromLatin1(bytes); }

bool LineReader::open(const QString &path)
{
    file_.close();
    buffer_ = QByteArray();
    pos_ = 0;
    scanned_ = 0;
    eof_ = false;
    inMemory_ = false;
    error_.clear();
    file_.setFileName(path);
    const QFileInfo info(path);
    if (!info.isFile()) {
        error_ = !info.exists() ? QStringLiteral("No such file or directory")
            : info.isDir()      ? QStringLiteral("Is a directory")
                                : QStringLiteral("Not a regular file");
        return false;
    }
    error_ = refusal(path, Access::Read);
    if (!error_.isEmpty())
        return false;
    if (!file_.open(QIODevice::ReadOnly)) {
        error_ = file_.errorString();
        return false;
    }
    return true;
}

void LineReader::openBytes(const QByteArray &bytes)
{
    file_.close();
    buffer_ = bytes;
    pos_ = 0;
    scanned_ = 0;
    eof_ = true;
    inMemory_ = true;
    error_.clear();
}

// Reads the next chunk behind what is left of the buffer; false when nothing
// more came. A chunk is no larger than what the file has left, so a small
// file costs a small buffer.
bool LineReader::fill()
{
    if (eof_ || !file_.isOpen())
        return false;
    constexpr qint64 MaxChunk = 1 << 18;
    const qint64 remaining = file_.size() - file_.pos();
    if (remaining <= 0) {
        eof_ = true;
        return false;
    }
    if (accessHook()) {
        error_ = refusal(file_.fileName(), Access::Read);
        if (!error_.isEmpty()) {
            eof_ = true;
            return false;
        }
    }
    const qsizetype chunk = qsizetype(std::min(remaining, MaxChunk));
    buffer_.remove(0, pos_);
    pos_ = 0;
    const qsizetype kept = buffer_.size();
    buffer_.resize(kept + chunk);
    const qint64 n = file_.read(buffer_.data() + kept, chunk);
    buffer_.resize(kept + std::max<qint64>(n, 0));
    if (n < 0)
        error_ = file_.errorString();
    if (n <= 0)
        eof_ = true;
    return n > 0;
}

bool LineReader::readLineBytes(QByteArrayView &line)
{
    bool ended = true;
    return next(line, std::numeric_limits<qsizetype>::max(), ended);
}

bool LineReader::readLinePiece(QByteArrayView &piece, bool &ended)
{
    return next(piece, MaxPiece, ended);
}

bool LineReader::next(QByteArrayView &line, qsizetype limit, bool &ended)
{
    for (;;) {
        const char *begin = buffer_.constData() + pos_;
        const qsizetype left = buffer_.size() - pos_;
        const void *nl = left > scanned_ ? std::memchr(begin + scanned_, '\n', size_t(left - scanned_)) : nullptr;
        if (nl || (eof_ && left > 0)) {
            qsizetype n = nl ? static_cast<const char *>(nl) - begin : left;
            pos_ += nl ? n + 1 : n;
            scanned_ = 0;
            if (n > 0 && begin[n - 1] == '\r')
                --n;
            line = QByteArrayView(begin, n);
            ended = true;
            return true;
        }
        scanned_ = left;
        if (left >= limit) {
            // A CR at the cut may begin the line end: it waits for the next piece.
            const qsizetype n = begin[left - 1] == '\r' ? left - 1 : left;
            pos_ += n;
            scanned_ = left - n;
            line = QByteArrayView(begin, n);
            ended = false;
            return true;
        }
        if (!fill() && left == 0)
            return false;
    }
}

bool LineReader::readLine(QString &line)
{
    QByteArrayView bytes;
    if (!readLineBytes(bytes))
        return false;
    line = QString::fromLatin1(bytes);
    return true;
}

QStringList linesOf(const QByteArray &bytes)
{
    QStringList lines;
    LineReader reader;
    reader.openBytes(bytes);
    QString line;
    while (reader.readLine(line))
        lines.append(line);
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines) {
        out += line.toLatin1();
        out += "\r\n";
    }
    return out;
}

bool LineReader::atEnd()
{
    if (pos_ < buffer_.size())
        return false;
    return !fill();
}

LineWriter::~LineWriter()
{
    // An uncommitted atomic file is discarded; a plain one is flushed.
    if (plain_)
        commit();
}

bool LineWriter::openBuffer(QByteArray *target)
{
    plain_.reset();
    atomic_.reset();
    failed_ = false;
    error_.clear();
    buffer_.clear();
    target->clear();
    memory_ = std::make_unique<QBuffer>(target);
    memory_->open(QIODevice::WriteOnly);
    device_ = memory_.get();
    return true;
}

bool LineWriter::open(const QString &path, Mode mode)
{
    plain_.reset();
    atomic_.reset();
    memory_.reset();
    device_ = nullptr;
    failed_ = false;
    error_.clear();
    buffer_.clear();
    error_ = refusal(path, mode == Atomic ? Access::Replace : Access::InPlace);
    if (!error_.isEmpty()) {
        failed_ = true;
        return false;
    }
    if (mode == Atomic) {
        atomic_ = std::make_unique<QSaveFile>(path);
        if (!atomic_->open(QIODevice::WriteOnly)) {
            error_ = atomic_->errorString();
            atomic_.reset();
            failed_ = true;
            return false;
        }
        device_ = atomic_.get();
    } else {
        plain_ = std::make_unique<QFile>(path);
        const auto flags = mode == Append ? QIODevice::WriteOnly | QIODevice::Append
                                          : QIODevice::WriteOnly | QIODevice::Truncate;
        if (!plain_->open(flags)) {
            error_ = plain_->errorString();
            plain_.reset();
            failed_ = true;
            return false;
        }
        device_ = plain_.get();
    }
    return true;
}

bool LineWriter::isOpen() const { return device_ != nullptr; }

void LineWriter::flushBuffer()
{
    if (!device_ || buffer_.isEmpty())
        return;
    if (device_->write(buffer_) != buffer_.size() && !failed_) {
        failed_ = true;
        error_ = device_->errorString();
    }
    buffer_.clear();
}

void LineWriter::writeLine(const QString &line)
{
    writeLine(QByteArrayView(line.toLatin1()));
}

void LineWriter::writeLine(QByteArrayView line)
{
    write(line);
    endLine();
}

void LineWriter::write(QByteArrayView bytes)
{
    if (!device_)
        return;
    buffer_.append(bytes.data(), bytes.size());
    if (buffer_.size() >= (1 << 18))
        flushBuffer();
}

void LineWriter::writeSpaces(qsizetype count)
{
    static const QByteArray spaces(4096, ' ');
    for (; count > 0; count -= spaces.size())
        write(QByteArrayView(spaces).first(std::min(count, spaces.size())));
}

void LineWriter::endLine()
{
    write(QByteArrayView("\r\n", 2));
}

bool LineWriter::commit()
{
    if (!device_)
        return false;
    flushBuffer();
    bool ok = !failed_;
    if (atomic_) {
        if (ok && !atomic_->commit()) {
            ok = false;
            error_ = atomic_->errorString();
        }
        atomic_.reset();
    } else if (plain_) {
        if (!plain_->flush() && ok) {
            ok = false;
            error_ = plain_->errorString();
        }
        plain_->close();
        plain_.reset();
    } else if (memory_) {
        memory_->close();
        memory_.reset();
    }
    device_ = nullptr;
    return ok;
}

QStringList readLines(const QString &path, bool *ok)
{
    QStringList lines;
    LineReader reader;
    const bool opened = reader.open(path);
    if (ok)
        *ok = opened;
    QString line;
    while (reader.readLine(line))
        lines.append(line);
    return lines;
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    LineWriter writer(path, LineWriter::Atomic);
    for (const QString &line : lines)
        writer.writeLine(line);
    const bool ok = writer.commit();
    if (!ok && error)
        *error = writer.errorString();
    return ok;
}

QByteArray pathFileBytes(const QString &fileName, bool emptyLineAfter)
{
    return QFile::encodeName(fileName) + (emptyLineAfter ? "\r\n\r\n" : "\r\n");
}

bool writeBytes(const QString &path, QByteArrayView bytes, LineWriter::Mode mode, QString *error)
{
    LineWriter writer(path, mode);
    writer.write(bytes);
    const bool ok = writer.commit();
    if (!ok && error)
        *error = writer.errorString();
    return ok;
}

bool removeFile(const QString &path, QString *error)
{
    QString reason = refusal(path, Access::Remove);
    if (reason.isEmpty()) {
        QFile file(path);
        if (file.remove() || !QFileInfo::exists(path))
            return true;
        reason = file.errorString();
    }
    if (error)
        *error = reason;
    return false;
}

bool writePathFile(const QString &path, const QString &fileName, bool emptyLineAfter, QString *error)
{
    return writeBytes(path, pathFileBytes(fileName, emptyLineAfter), LineWriter::Atomic, error);
}

bool holdsBytes(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() != bytes.size())
        return false;
    const QByteArray held = file.read(bytes.size());
    return held.size() == bytes.size() && QByteArrayView(held) == bytes;
}

QString readPathFile(const QString &path)
{
    LineReader reader(path);
    QByteArrayView line;
    if (!reader.readLineBytes(line))
        return QString();
    return QFile::decodeName(line.toByteArray());
}

QString readable(const QString &text, int maxChars)
{
    QString out;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        const QString piece = (c < 0x20 || (c >= 0x7F && c < 0xA0))
            ? QLatin1String("\\x") + QString::number(int(c), 16).toUpper().rightJustified(2, QLatin1Char('0'))
            : QString(ch);
        if (out.size() + piece.size() > maxChars) {
            out += QStringLiteral("...");
            break;
        }
        out += piece;
    }
    return out;
}

int countLines(const QString &path, int limit)
{
    LineReader reader(path);
    QString line;
    int n = 0;
    while (n < limit && reader.readLine(line))
        ++n;
    return n;
}

} // namespace TextFile
