#pragma once
// Text files of the system: Latin-1 bytes (one byte is one column), lines ended
// by CR LF when written, by CR LF or LF when read.
#include <QBuffer>
#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace TextFile {

// How the file routines below reach a file: reading it, replacing it through
// a save file beside it (which needs room in its folder), writing it where it
// stands (creating it when missing), or removing it.
enum class Access { Read, Replace, InPlace, Remove };
// A refusal of the file system that tests make happen where the real file
// access is, since a test run by root is refused nothing: before each open,
// each further read and each removal the hook is asked, and a reason it gives
// fails that step with that reason. Returns the hook it replaces.
using AccessHook = std::function<QString(const QString &path, Access access)>;
AccessHook setAccessHook(AccessHook hook);

// Empty, or nothing but space characters.
bool isBlank(const QString &line);
bool isBlank(QByteArrayView line);

// Removes leading and trailing space characters (only spaces, like the record
// formats expect; a tab is data).
QString trimBlanks(const QString &text);

// Columns a to b (1-based, inclusive) of a record line, trimmed; empty past the
// end of a short line.
QString cols(const QString &line, int first, int last);

// The same columns untrimmed (shorter or empty past the end of the line).
QString colsRaw(const QString &line, int first, int last);

// Whether those columns hold nothing but spaces (cols() would be empty), without
// copying them.
bool colsBlank(const QString &line, int first, int last);

// Reads a text file line by line without holding it whole, or the lines of
// bytes already in memory by the same rules.
class LineReader
{
public:
    LineReader() = default;
    explicit LineReader(const QString &path) { open(path); }
    bool open(const QString &path);
    void openBytes(const QByteArray &bytes);
    bool isOpen() const { return inMemory_ || file_.isOpen(); }
    // Whether the file could not be opened or a read of it failed (the reading
    // then ends as at the end of the file), and why.
    bool failed() const { return !error_.isEmpty(); }
    QString errorString() const { return error_; }
    QString fileName() const { return file_.fileName(); }
    // Next line without its end; false at the end of the file or on a read error.
    bool readLine(QString &line);
    // The same as raw bytes, valid until the next read (the fast path of the store).
    bool readLineBytes(QByteArrayView &line);
    // The next piece of a line: the rest of the line when it ends within
    // `MaxPiece` bytes (`ended` true, line end removed), otherwise its next
    // `MaxPiece` bytes or so (`ended` false). A line of any length so passes
    // through a bounded buffer. Valid until the next read.
    static constexpr qsizetype MaxPiece = qsizetype(1) << 20;
    bool readLinePiece(QByteArrayView &piece, bool &ended);
    bool atEnd();
    void close()
    {
        file_.close();
        inMemory_ = false;
    }

private:
    bool fill();
    bool next(QByteArrayView &line, qsizetype limit, bool &ended);
    QFile file_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    // Bytes from pos_ on already searched for a line end without finding one:
    // a long line is searched once, not again after every read.
    qsizetype scanned_ = 0;
    bool eof_ = false;
    bool inMemory_ = false;
    QString error_;
};

// The lines of bytes as LineReader reads them from a file.
QStringList linesOf(const QByteArray &bytes);
// Lines joined as writeLines writes them: every line ended by CR LF.
QByteArray joinLines(const QStringList &lines);

// Writes lines with CR LF. With `atomic` the file is replaced only on commit,
// so a failure leaves the old file whole.
class LineWriter
{
public:
    enum Mode { Truncate, Append, Atomic };
    LineWriter() = default;
    LineWriter(const QString &path, Mode mode) { open(path, mode); }
    ~LineWriter();
    bool open(const QString &path, Mode mode);
    // Writes into `target` (emptied first) instead of a file.
    bool openBuffer(QByteArray *target);
    bool isOpen() const;
    void writeLine(const QString &line);
    void writeLine(QByteArrayView line);
    // A line written in pieces: its bytes, then its end.
    void write(QByteArrayView bytes);
    void writeSpaces(qsizetype count);
    void endLine();
    // Flushes and closes; false when any write failed. The reason is in errorString().
    bool commit();
    QString errorString() const { return error_; }

private:
    void flushBuffer();
    std::unique_ptr<QFile> plain_;
    std::unique_ptr<QSaveFile> atomic_;
    std::unique_ptr<QBuffer> memory_;
    QIODevice *device_ = nullptr;
    QByteArray buffer_;
    bool failed_ = false;
    QString error_;
};

// Whole-file helpers for the small files (working files, control files).
// readLines gives an empty list for a missing file; ok tells whether it opened.
QStringList readLines(const QString &path, bool *ok = nullptr);
// Writes every line with CR LF through a save file; false with a reason when it
// could not be written.
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);
// The files that hold a path (the control files of the external programs and
// the remembered input file) carry it in the file system's own encoding, so
// that any name the file system allows comes back whole.
bool writePathFile(const QString &path, const QString &fileName, bool emptyLineAfter, QString *error = nullptr);
// Writes `bytes` as the whole file; false with a reason when it failed.
bool writeBytes(const QString &path, QByteArrayView bytes, LineWriter::Mode mode, QString *error = nullptr);
// Removes a file; false with a reason when it is still there.
bool removeFile(const QString &path, QString *error = nullptr);
// The bytes writePathFile writes.
QByteArray pathFileBytes(const QString &fileName, bool emptyLineAfter);
// Whether the file at `path` holds exactly `bytes` (a missing or unreadable
// file does not). Reads no more than that: a caller can leave a file that
// would be rewritten unchanged alone, and spare the write and its sync.
bool holdsBytes(const QString &path, QByteArrayView bytes);
// The path on the first line of such a file; empty when there is none.
QString readPathFile(const QString &path);

// Number of lines, reading no more than `limit` of them (cheap "holds more than
// one line" tests on large files).
int countLines(const QString &path, int limit);

// `text` made fit to show in a message: control characters and NUL written as
// "\xNN", at most `maxChars` characters so written, "..." marking a cut.
QString readable(const QString &text, int maxChars);

QByteArray toLatin1(const QString &text);
QString fromLatin1(const QByteArray &bytes);

} // namespace TextFile
