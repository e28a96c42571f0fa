#include "DialogScript.h"
#include "ProgramFolder.h"

#include "core/logic/Editglob.h"
#include "core/logic/InputFileStore.h"
#include "core/RunSaveOpen.h"
#include "core/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

using namespace Editglob;
using Dialogs::Answer;

using FileMap = QMap<int, QByteArray>;

namespace {
// The file's inode: a file replaced through a save file gets a new one.
quint64 inode(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
}

QByteArray crlf(const QByteArray &lfText)
{
    QByteArray out = lfText;
    out.replace("\n", "\r\n");
    return out;
}
} // namespace

class TestStore : public QObject
{
    Q_OBJECT
private slots:
    void stripExtension_data();
    void stripExtension();
    void getPath_data();
    void getPath();
    void split_data();
    void split();
    void joinOrderAndBlanks();
    void openSaveRoundTrip_data();
    void openSaveRoundTrip();
    void openMissingFile();
    void unknownHeaderLeavesProjectUntitled();
    void unknownBinaryHeaderIsReadable();
    void saveFailureChangesNothing();
    void openWithoutWorkingFolder();
    void saveDeletesOnlyOwnOutputs();
    void saveKeepsInputNamedLikeOutput_data();
    void saveKeepsInputNamedLikeOutput();
    void saveAsCancelAndNo();
    void newFileDeletesWorkingFiles();
    void secondRoundTripIsStable();
    void saveLeavesUnchangedFilesAlone();
};

void TestStore::stripExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("base");
    QTest::newRow("last dot kept") << "a.b.inp" << "a.b.";
    QTest::newRow("no dot") << "/data/run" << "/data/run.";
    QTest::newRow("dotted folder") << "/home/my.dir/run" << "/home/my.dir/run.";
    QTest::newRow("dotted folder with ext") << "/home/my.dir/run.inp" << "/home/my.dir/run.";
    QTest::newRow("backslash folder") << "D:\\my.dir\\run" << "D:\\my.dir\\run.";
}

void TestStore::stripExtension()
{
    QFETCH(QString, name);
    QFETCH(QString, base);
    QCOMPARE(Run_Save_Open::StripExtension(name), base);
}

void TestStore::getPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("folder") << "/data/a.inp" << "/data/";
    QTest::newRow("windows folder") << "D:\\data\\a.inp" << "D:\\data\\";
    QTest::newRow("no separator") << "a.inp" << "a.inp";
    QTest::newRow("trailing blanks") << "/data/a.inp  " << "/data/";
}

void TestStore::getPath()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(Run_Save_Open::GetPath(name), path);
}

// Input file text (LF written as CR LF), then the expected working files by
// section number ("-" for a file that must not exist), then the unknown key.
void TestStore::split_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<FileMap>("files");
    QTest::addColumn<QString>("unknownKey");

    QTest::newRow("blank line ends a section")
        << crlf("STREAM REACH:\nR1 line\n\n  \nSUB-AREA:\nS1 line\n")
        << QMap<int, QByteArray>{{8, crlf("STREAM REACH:\nR1 line\n")}, {11, crlf("SUB-AREA:\nS1 line\n")}}
        << QString();
    QTest::newRow("indented lower-case header")
        << crlf("   stream reach:\nR1\n")
        << QMap<int, QByteArray>{{8, crlf("   stream reach:\nR1\n")}} << QString();
    QTest::newRow("header without colon stops")
        << crlf("SUB-AREA:\nS1\n\nSTREAM REACH\nR1\n")
        << QMap<int, QByteArray>{{11, crlf("SUB-AREA:\nS1\n")}, {8, "-"}} << QStringLiteral("STREAM REACH");
    QTest::newRow("line after blank must be a header")
        << crlf("SUB-AREA:\nS1\n\n  S2 orphan\n")
        << QMap<int, QByteArray>{{11, crlf("SUB-AREA:\nS1\n")}} << QStringLiteral("S2 ORPHAN");
    QTest::newRow("old identifier keeps columns")
        << crlf("QV-31: BETA TEST                        FIELD41   X\nline2\n")
        << QMap<int, QByteArray>{{13, crlf("Quorvale: Version 1.0                   FIELD41   X\nline2\n")}}
        << QString();
    QTest::newRow("old identifier short line")
        << crlf("qv-31: version 2001\n")
        << QMap<int, QByteArray>{{13, crlf("Quorvale: Version 1.0\n")}} << QString();
    QTest::newRow("last section without final newline")
        << QByteArray("VERIFICATION:\r\nV1\r\nV2")
        << QMap<int, QByteArray>{{14, crlf("VERIFICATION:\nV1\nV2\n")}} << QString();
    QTest::newRow("LF line ends read")
        << QByteArray("GLOBAL OUTPUT:\nG1\n\nTIME ANALYSIS:\nT1\n")
        << QMap<int, QByteArray>{{4, crlf("GLOBAL OUTPUT:\nG1\n")}, {12, crlf("TIME ANALYSIS:\nT1\n")}}
        << QString();
    QTest::newRow("repeated header keeps last")
        << crlf("STORM ANALYSIS:\nA\n\nSTORM ANALYSIS:\nB\n")
        << QMap<int, QByteArray>{{9, crlf("STORM ANALYSIS:\nB\n")}} << QString();
    // Lines longer than a read: found whole, each searched once.
    const QByteArray longLine(600000, 'x');
    QTest::newRow("one long line without an end")
        << longLine << QMap<int, QByteArray>{} << QString(40, QLatin1Char('X'));
    QTest::newRow("long record between sections")
        << "SUB-AREA:\r\n" + longLine + "\r\n\r\nSTREAM REACH:\r\nR1"
        << QMap<int, QByteArray>{{11, "SUB-AREA:\r\n" + longLine + "\r\n"}, {8, crlf("STREAM REACH:\nR1\n")}}
        << QString();
    // Lines longer than the reader's bound pass through in pieces.
    const qsizetype piece = TextFile::LineReader::MaxPiece;
    const QByteArray huge(2 * piece + 77, 'y');
    QTest::newRow("record of several pieces")
        << "SUB-AREA:\r\n" + huge + "\r\nS2\r\n\r\nSTREAM REACH:\r\nR1"
        << QMap<int, QByteArray>{{11, "SUB-AREA:\r\n" + huge + "\r\nS2\r\n"}, {8, crlf("STREAM REACH:\nR1\n")}}
        << QString();
    const QByteArray spaces(2 * piece + 5, ' ');
    QTest::newRow("blank line of several pieces ends a section")
        << "SUB-AREA:\r\nS1\r\n" + spaces + "\r\n" + spaces + "\r\nSTREAM REACH:\r\nR1\r\n"
        << QMap<int, QByteArray>{{11, crlf("SUB-AREA:\nS1\n")}, {8, crlf("STREAM REACH:\nR1\n")}} << QString();
    QTest::newRow("spaces then text in a long record")
        << "SUB-AREA:\r\n" + spaces + "S1"
        << QMap<int, QByteArray>{{11, "SUB-AREA:\r\n" + spaces + "S1\r\n"}} << QString();
    QTest::newRow("text after a long run of spaces is no header")
        << spaces + "SUB-AREA:\r\nS1\r\n" << QMap<int, QByteArray>{{11, "-"}} << QString();
    const QByteArray longHeader = "STREAM REACH:" + QByteArray(27, ' ') + huge;
    QTest::newRow("header line of several pieces")
        << longHeader + "\r\nR1\r\n" << QMap<int, QByteArray>{{8, longHeader + "\r\nR1\r\n"}} << QString();
    // Reads come in 256 KB chunks, so a piece of a file ends at such a bound:
    // a CR just before it still joins its LF.
    for (int d = -2; d <= 2; ++d) {
        const QByteArray record(5 * (1 << 18) - 12 + d, 'c');
        QTest::addRow("CR LF across a piece cut %d", d)
            << "SUB-AREA:\r\n" + record + "\r\nS2\r\n"
            << QMap<int, QByteArray>{{11, "SUB-AREA:\r\n" + record + "\r\nS2\r\n"}} << QString();
    }
}

void TestStore::split()
{
    QFETCH(QByteArray, input);
    QFETCH(FileMap, files);
    QFETCH(QString, unknownKey);
    ProgramFolder folder;
    const QString path = folder.file(QStringLiteral("in.inp"));
    ProgramFolder::writeBytes(path, input);
    const auto result = InputFileStore::Split(path, TmpFile);
    QVERIFY(result.opened);
    QCOMPARE(result.unknownKey, unknownKey);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (it.value() == "-")
            QVERIFY(!QFile::exists(TmpFile[it.key()]));
        else
            QCOMPARE(ProgramFolder::readBytes(TmpFile[it.key()]), it.value());
    }

    // In memory the same sections come out, and join the same.
    std::array<QByteArray, 17> sections;
    QCOMPARE(InputFileStore::SplitBytes(input, sections).unknownKey, unknownKey);
    for (int slot = 1; slot <= 15; ++slot) {
        if (QFile::exists(TmpFile[slot]))
            QCOMPARE(sections[std::size_t(slot)], ProgramFolder::readBytes(TmpFile[slot]));
        else
            QVERIFY(sections[std::size_t(slot)].isNull());
    }
    const QString joined = folder.file(QStringLiteral("joined.inp"));
    QVERIFY(InputFileStore::Join(TmpFile, joined, nullptr));
    QCOMPARE(InputFileStore::JoinBytes(sections), ProgramFolder::readBytes(joined));
}

void TestStore::joinOrderAndBlanks()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(TmpFile[14], crlf("VERIFICATION:\nV\n\n"));
    ProgramFolder::writeBytes(TmpFile[13], crlf("Quorvale: Version 1.0   x  \n"));
    ProgramFolder::writeBytes(TmpFile[8], crlf("STREAM REACH:\n   \nR1\n"));
    ProgramFolder::writeBytes(TmpFile[9], "   \r\n");
    ProgramFolder::writeBytes(TmpFile[4], "");
    const QString out = folder.file(QStringLiteral("out.inp"));
    QVERIFY(InputFileStore::Join(TmpFile, out, nullptr));
    QCOMPARE(ProgramFolder::readBytes(out),
             crlf("Quorvale: Version 1.0   x  \n\nSTREAM REACH:\nR1\n\n\n\nVERIFICATION:\nV\n\n"));
}

void TestStore::openSaveRoundTrip_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("order and blank lines")
        << crlf("\n\nSTREAM REACH:\nR1  \n\n\nQuorvale: Version 1.0\n")
        << crlf("Quorvale: Version 1.0\n\nSTREAM REACH:\nR1  \n\n");
    QTest::newRow("latin-1 names and trailing blanks")
        << QByteArray("SUB-AREA:\r\n          Caf\xe9 \xc5s   \r\n\r\n")
        << QByteArray("SUB-AREA:\r\n          Caf\xe9 \xc5s   \r\n\r\n");
    const QByteArray landRows = crlf("Quorvale: Version 1.0\n\nSUB-AREA:\n          NORTH     OUTLET\n"
                                     "                    LAND AREA Orchard, local                     B    0.50\n"
                                     "                    LAND AREA Vineyard, local                    C    0.30\n\n"
                                     "LOCAL LAND USE:\n"
                                     + QByteArray("Orchard, local").leftJustified(50) + "45.  66.  77.  83.  \n"
                                     + QByteArray("Vineyard, local").leftJustified(50) + "40.  60.  70.  80.  \n\n");
    QTest::newRow("land rows in capitals, local land uses rebuilt") << landRows << landRows;
}

void TestStore::openSaveRoundTrip()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, saved);
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = folder.file(QStringLiteral("run.inp"));
    ProgramFolder::writeBytes(path, input);
    SetFileName(path);
    Run_Save_Open::OpenInputFile();
    QCOMPARE(ProgramFolder::readBytes(TmpFile[16]), path.toLatin1() + "\r\n");
    script.answer(Answer::OK);
    QVERIFY(Run_Save_Open::SaveInputFile());
    QCOMPARE(ProgramFolder::readBytes(path), saved);
    QCOMPARE(script.messages().last(), QStringLiteral("Data Saved in file: ") + path);
    QCOMPARE(script.asked().last().title, QStringLiteral("Quorvale System"));
}

void TestStore::openMissingFile()
{
    ProgramFolder folder(true);
    DialogScript script;
    ProgramFolder::writeBytes(TmpFile[8], "STREAM REACH:\r\n");
    const QString missing = folder.file(QStringLiteral("nope.inp"));
    SetFileName(missing);
    script.answer(Answer::OK);
    Run_Save_Open::OpenInputFile();
    QCOMPARE(script.messages(), QStringList{QStringLiteral("Error --- File ") + missing + QStringLiteral(" Not Found")});
    QCOMPARE(script.asked().first().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(FileName, UntitledName);
    QVERIFY(!QFile::exists(TmpFile[8]));
}

void TestStore::unknownHeaderLeavesProjectUntitled()
{
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = folder.file(QStringLiteral("whole.inp"));
    const QByteArray original = crlf("SUB-AREA:\nS1\n\nMYSTERY:\nM\n\nSTREAM REACH:\nR1\n");
    ProgramFolder::writeBytes(path, original);
    SetFileName(path);
    script.answer(Answer::OK);
    Run_Save_Open::OpenInputFile();
    QCOMPARE(script.messages(), QStringList{QStringLiteral("Section Header: MYSTERY: not found! ")});
    QCOMPARE(FileName, UntitledName);
    QCOMPARE(ProgramFolder::readBytes(TmpFile[11]), crlf("SUB-AREA:\nS1\n"));
    QVERIFY(!QFile::exists(TmpFile[16]));
    // Save As proposes the opened file's name; answering No leaves it whole.
    script.respond([](const Dialogs::Request &r) {
        return Dialogs::Response{Answer::OK, r.fileName == QLatin1String("whole.inp") ? QStringLiteral("/x/whole.inp")
                                                                                     : QString()};
    });
    script.answer(Answer::No);
    QVERIFY(!Run_Save_Open::SaveAsInputFile(QStringLiteral("Save Quorvale file")));
    QCOMPARE(script.asked().at(1).fileName, QStringLiteral("whole.inp"));
    QCOMPARE(ProgramFolder::readBytes(path), original);
}

// A foreign file: its binary first line is shown escaped and cut short.
void TestStore::unknownBinaryHeaderIsReadable()
{
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = folder.file(QStringLiteral("picture.png"));
    ProgramFolder::writeBytes(path, QByteArray("\x89PNG\x00\x01\x1a", 7) + QByteArray(200, 'z') + "\r\nmore\r\n");
    SetFileName(path);
    script.answer(Answer::OK);
    Run_Save_Open::OpenInputFile();
    QCOMPARE(script.messages().size(), 1);
    const QString text = script.messages().first();
    QVERIFY2(text.startsWith(QStringLiteral("Section Header: \\x89PNG\\x00\\x01\\x1AZZZ")), qPrintable(text));
    QVERIFY(text.endsWith(QStringLiteral("... not found! ")));
    QVERIFY(text.size() < 120);
    for (const QChar c : text)
        QVERIFY(c.unicode() >= 0x20);
}

void TestStore::saveFailureChangesNothing()
{
    ProgramFolder folder(true);
    DialogScript script;
    // The input file's name is taken by a folder: it cannot be created.
    const QString path = folder.file(QStringLiteral("run.inp"));
    QDir().mkdir(path);
    const QString out = folder.file(QStringLiteral("run.out"));
    ProgramFolder::writeBytes(out, "old output");
    ProgramFolder::writeBytes(TmpFile[16], "previous.inp\r\n");
    ProgramFolder::writeBytes(TmpFile[8], "STREAM REACH:\r\n");
    SetFileName(path);
    DataChanged = true;
    script.answer(Answer::OK);
    QVERIFY(!Run_Save_Open::SaveInputFile());
    QCOMPARE(script.messages().size(), 1);
    QVERIFY(script.messages().first().contains(path));
    QVERIFY(!script.messages().first().startsWith(QStringLiteral("Data Saved")));
    QVERIFY(DataChanged);
    QCOMPARE(ProgramFolder::readBytes(TmpFile[16]), QByteArray("previous.inp\r\n"));
    QCOMPARE(ProgramFolder::readBytes(out), QByteArray("old output"));
}

void TestStore::openWithoutWorkingFolder()
{
    ProgramFolder folder(true);
    DialogScript script;
    const QString path = folder.file(QStringLiteral("run.inp"));
    ProgramFolder::writeBytes(path, "STREAM REACH:\r\nR1\r\n");
    // The working folder is gone and a plain file stands in its place.
    QDir(TempDir).removeRecursively();
    ProgramFolder::writeBytes(TempDir.chopped(1), "x");
    SetFileName(path);
    script.answer(Answer::OK);
    Run_Save_Open::OpenInputFile();
    QCOMPARE(script.messages().size(), 1);
    QVERIFY(script.messages().first().contains(QStringLiteral("could not be written")));
    QCOMPARE(FileName, UntitledName);
    QFile::remove(TempDir.chopped(1));
}

void TestStore::saveDeletesOnlyOwnOutputs()
{
    ProgramFolder folder(true);
    DialogScript script;
    // A dotted folder beside a file without extension: only run.* outputs go.
    const QString dotted = folder.file(QStringLiteral("my.dir"));
    QDir().mkdir(dotted);
    const QString path = dotted + QStringLiteral("/run");
    const QString foreign = folder.file(QStringLiteral("my.out"));
    ProgramFolder::writeBytes(foreign, "keep");
    for (const char *ext : {"out", "hyd", "ecn", "err", "dbg"})
        ProgramFolder::writeBytes(path + QLatin1Char('.') + QLatin1String(ext), "x");
    SetFileName(path);
    script.answer(Answer::OK);
    QVERIFY(Run_Save_Open::SaveInputFile());
    for (const char *ext : {"out", "hyd", "ecn", "err", "dbg"})
        QVERIFY(!QFile::exists(path + QLatin1Char('.') + QLatin1String(ext)));
    QCOMPARE(ProgramFolder::readBytes(foreign), QByteArray("keep"));
    QVERIFY(QFile::exists(path));
}

void TestStore::saveKeepsInputNamedLikeOutput_data()
{
    QTest::addColumn<QString>("ext");
    for (const char *ext : {"out", "hyd", "ecn", "err", "dbg"})
        QTest::newRow(ext) << QString::fromLatin1(ext);
}

void TestStore::saveKeepsInputNamedLikeOutput()
{
    QFETCH(QString, ext);
    ProgramFolder folder(true);
    DialogScript script;
    const QString base = folder.file(QStringLiteral("run."));
    for (const char *other : {"out", "hyd", "ecn", "err", "dbg"})
        ProgramFolder::writeBytes(base + QLatin1String(other), "old output");
    ProgramFolder::writeBytes(TmpFile[SecIdentifier], "Quorvale: Version 1.0\r\n");
    SetFileName(base + ext);
    script.answer(Answer::OK);
    QVERIFY(Run_Save_Open::SaveInputFile());
    QVERIFY(ProgramFolder::readBytes(base + ext).startsWith("Quorvale: Version 1.0\r\n\r\n"));
    for (const char *other : {"out", "hyd", "ecn", "err", "dbg"})
        if (ext != QLatin1String(other))
            QVERIFY2(!QFile::exists(base + QLatin1String(other)), other);
}

void TestStore::saveAsCancelAndNo()
{
    ProgramFolder folder(true);
    DialogScript script;
    frmMain *main = frmMain::instance();
    QVERIFY(!main->mnuFileItem(14)->isEnabled());
    script.cancelFile();
    QVERIFY(!Run_Save_Open::SaveAsInputFile(QStringLiteral("Save Quorvale file")));
    QCOMPARE(script.asked().first().filter, QStringLiteral("Input File (*.inp)|*.inp|All files (*.*)|*.*"));
    QCOMPARE(script.asked().first().title, QStringLiteral("Save Quorvale file"));
    QVERIFY(!main->mnuFileItem(14)->isEnabled());

    const QString chosen = folder.file(QStringLiteral("sub/new.inp"));
    QDir().mkdir(folder.file(QStringLiteral("sub")));
    script.chooseFile(chosen).answer(Answer::Yes).answer(Answer::OK);
    DataChanged = true;
    QVERIFY(Run_Save_Open::SaveAsInputFile());
    QCOMPARE(FileName, chosen);
    QCOMPARE(OutFileName, folder.file(QStringLiteral("sub/new.out")));
    QCOMPARE(LastDir, folder.file(QStringLiteral("sub/")));
    QCOMPARE(script.asked().at(2).text, QStringLiteral("Save: ") + chosen);
    QCOMPARE(script.asked().at(2).buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(main->windowTitle(), QStringLiteral("Quorvale Editor 2001   Current File - ") + chosen);
    QVERIFY(main->mnuFileItem(14)->isEnabled());
    QVERIFY(!DataChanged);
    QVERIFY(QFile::exists(chosen));
    QCOMPARE(QDir::currentPath() + QLatin1Char('/'), AppDir);
}

void TestStore::newFileDeletesWorkingFiles()
{
    ProgramFolder folder(true);
    ProgramFolder::writeBytes(TmpFile[8], "STREAM REACH:\r\n");
    ProgramFolder::writeBytes(TmpFile[16], "x\r\n");
    SetFileName(folder.file(QStringLiteral("a.inp")));
    DataChanged = true;
    Run_Save_Open::NewFile();
    QCOMPARE(FileName, UntitledName);
    QVERIFY(DataChanged);
    QVERIFY(QDir(TempDir).entryList({QStringLiteral("*.tmp")}, QDir::Files).isEmpty());
    QVERIFY(!frmMain::instance()->mnuFileItem(14)->isEnabled());
    QVERIFY(frmMain::instance()->mnuFileItem(15)->isEnabled());
}

// Open, save, open, save over every file of the splitter's corpus: the second
// round gives the same input file and the same working files.
void TestStore::secondRoundTripIsStable()
{
    const QDir corpus(QStringLiteral(QV_FUZZ_CORPUS "/fuzz_split"));
    const QStringList names = corpus.entryList(QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString &name : names) {
        ProgramFolder folder;
        const QString path = folder.file(QStringLiteral("a.inp"));
        ProgramFolder::writeBytes(path, ProgramFolder::readBytes(corpus.filePath(name)));
        QList<QByteArray> rounds;
        QList<QList<QByteArray>> working;
        for (int round = 0; round < 2; ++round) {
            QDir temp(TempDir);
            for (const QString &n : temp.entryList({QStringLiteral("*.tmp")}, QDir::Files))
                temp.remove(n);
            InputFileStore::Split(path, TmpFile);
            QList<QByteArray> files;
            for (int i = 1; i <= 15; ++i)
                files << ProgramFolder::readBytes(TmpFile[i]);
            working << files;
            QVERIFY(InputFileStore::Join(TmpFile, path, nullptr));
            rounds << ProgramFolder::readBytes(path);
        }
        QVERIFY2(rounds[0] == rounds[1], qPrintable(name));
        QVERIFY2(working[0] == working[1], qPrintable(name));
    }
}

// A save that would write the remembered name and the Local Land Use working
// file as they stand leaves them alone (each rewrite costs a sync); a changed
// one is written.
void TestStore::saveLeavesUnchangedFilesAlone()
{
    ProgramFolder folder(true);
    DialogScript script;
    ProgramFolder::writeBytes(LocalLandUseFile, "\"Orchard\",\"45\",\"66\",\"77\",\"83\"\r\n\"\"\r\n");
    const QString path = folder.file(QStringLiteral("run.inp"));
    ProgramFolder::writeBytes(path, "SUB-AREA:\r\n          NORTH     OUTLET\r\n"
                                    "                    LAND AREA Orchard                            A    1.\r\n"
                                    "\r\nLOCAL LAND USE:\r\n"
                                    + QByteArray("Orchard").leftJustified(50) + "45.  66.  77.  83.  \r\n");
    SetFileName(path);
    Run_Save_Open::OpenInputFile();
    const quint64 remembered = inode(TmpFile[16]);
    const QByteArray section = ProgramFolder::readBytes(TmpFile[15]);
    script.answer(Answer::OK);
    QVERIFY(Run_Save_Open::SaveInputFile());
    const quint64 built = inode(TmpFile[15]);
    QVERIFY(built != 0);
    QCOMPARE(inode(TmpFile[16]), remembered);
    QCOMPARE(ProgramFolder::readBytes(TmpFile[16]), QFile::encodeName(path) + "\r\n");
    QCOMPARE(ProgramFolder::readBytes(TmpFile[15]), section + "\r\n"); // built with its closing empty line
    script.answer(Answer::OK);
    QVERIFY(Run_Save_Open::SaveInputFile());
    QCOMPARE(inode(TmpFile[15]), built);
    QCOMPARE(inode(TmpFile[16]), remembered);

    // Saved under another name, the name is remembered anew.
    const QString other = folder.file(QStringLiteral("other.inp"));
    SetFileName(other);
    script.answer(Answer::OK);
    QVERIFY(Run_Save_Open::SaveInputFile());
    QCOMPARE(ProgramFolder::readBytes(TmpFile[16]), QFile::encodeName(other) + "\r\n");
    QCOMPARE(ProgramFolder::readBytes(other), ProgramFolder::readBytes(path));
}

QTEST_MAIN(TestStore)
#include "tst_store.moc"
