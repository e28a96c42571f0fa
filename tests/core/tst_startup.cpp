#include "DialogScript.h"
#include "ProgramFolder.h"

#include "core/logic/Editglob.h"
#include "sections/setup/logic/UnitSystem.h"
#include "core/frmMain.h"
#include "sections/runoff/logic/StandardLandUse.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace Editglob;
using namespace Standard_Land_Use;

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void stateAfterStartup();
    void keepsPreviousWorkingFiles();
    void tempFolderCannotBeCreated();
    void startupForgetsThePreviousProject();
    void standardLandUse_data();
    void standardLandUse();
};

void TestStartup::stateAfterStartup()
{
    ProgramFolder folder(true);
    const QString app = QDir::currentPath() + QLatin1Char('/');
    QCOMPARE(AppDir, app);
    QCOMPARE(TempDir, app + QStringLiteral("temp/"));
    QCOMPARE(LastDir, AppDir);
    QVERIFY(QDir(TempDir).exists());
    QCOMPARE(FileName, QStringLiteral("> Untitled <"));
    QCOMPARE(EditorTitle, QStringLiteral("Quorvale Editor 2001"));
    QVERIFY(RunProgramTitle.isEmpty());
    QVERIFY(EnglishUnits);
    QVERIFY(!DataChanged);
    QCOMPARE(HelpListFile, app + QStringLiteral("QuorvaleHelp.lst"));
    QCOMPARE(LocalLandUseFile, app + QStringLiteral("Local_Land_Use_Data.txt"));
    QCOMPARE(LocalSoilFile, app + QStringLiteral("Local_Soil_HSG.txt"));
    QCOMPARE(TmpFile[1], TempDir + QStringLiteral("~Alter.tmp"));
    QCOMPARE(TmpFile[13], TempDir + QStringLiteral("~QV31id.tmp"));
    QCOMPARE(TmpFile[16], TempDir + QStringLiteral("~filename.tmp"));
    QCOMPARE(SectionNames[13], QStringLiteral("Quorvale: Version 1.0"));
    QCOMPARE(SectionNames[15], QStringLiteral("Local Land Use:"));
    QCOMPARE(ViewExt[2], QString());
    QCOMPARE(ViewExt[8], QStringLiteral("ecn"));
    QCOMPARE(frmMain::instance()->windowTitle(), QStringLiteral("Quorvale System Controller /  Editor "));
    QCOMPARE(frmMain::instance()->pos(), QPoint(0, 0));
    QCOMPARE(StdLandUse[1][1], QStringLiteral("Open Space (Poor)"));
}

void TestStartup::keepsPreviousWorkingFiles()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QDir().mkdir(QStringLiteral("temp"));
    ProgramFolder::writeBytes(dir.filePath(QStringLiteral("temp/~Reach.tmp")), "STREAM REACH:\r\nR1\r\n");
    frmMain *main = frmMain::instance();
    main->unload();
    main->load();
    QCOMPARE(ProgramFolder::readBytes(TmpFile[8]), QByteArray("STREAM REACH:\r\nR1\r\n"));
    main->unload();
    QDir::setCurrent(previous);
}

void TestStartup::tempFolderCannotBeCreated()
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    // A plain file named temp stands in the way of the folder.
    ProgramFolder::writeBytes(dir.filePath(QStringLiteral("temp")), "not a folder");
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    frmMain *main = frmMain::instance();
    main->unload();
    main->load();
    QVERIFY(!InitProjectState(QDir::currentPath()));
    QCOMPARE(script.messages().size(), 1);
    QVERIFY(script.messages().first().contains(TempDir));
    main->unload();
    QDir::setCurrent(previous);
}

// What one project (or one test) leaves behind must not reach the next start.
void TestStartup::startupForgetsThePreviousProject()
{
    ProgramFolder folder;
    SetFileName(folder.file(QStringLiteral("old.inp")));
    DataChanged = true;
    SetUnitSystem(false, false);
    Help_Stuff::FormHelpKey = QStringLiteral("SA");
    Help_Stuff::CurrentHelpId = 4;
    CurrentAlternate = 2;
    RainGageIds << QStringLiteral("G1");
    RainGageTwoYear << 2.5f;
    RainGageCount = 1;
    Run_Save_Open::ProposedSaveName = folder.file(QStringLiteral("foreign.inp"));
    DisplayTitle = QStringLiteral("Quorvale Printed Page File");
    ViewFileIndex = 5;

    QVERIFY(InitProjectState(folder.path()));
    QCOMPARE(FileName, UntitledName);
    QVERIFY(OutFileName.isEmpty());
    QVERIFY(!DataChanged);
    QVERIFY(EnglishUnits);
    QVERIFY(FlowUnit.isEmpty());
    QVERIFY(OutAreaUnit.isEmpty());
    QVERIFY(Help_Stuff::FormHelpKey.isEmpty());
    QCOMPARE(Help_Stuff::CurrentHelpId, Help_Stuff::NoHelp);
    QCOMPARE(CurrentAlternate, 0);
    QCOMPARE(RainGageIds, QList<QString>{QString()});
    QCOMPARE(RainGageTwoYear, QList<float>{0.0f});
    QCOMPARE(RainGageCount, 0);
    QVERIFY(Run_Save_Open::ProposedSaveName.isEmpty());
    QVERIFY(DisplayTitle.isEmpty());
    QCOMPARE(ViewFileIndex, 0);
    QCOMPARE(TmpFile[16], folder.path() + QStringLiteral("/temp/~filename.tmp"));
}

void TestStartup::standardLandUse_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("close seeded") << u"Close Seeded (C - Good)"_s << 50 << QStringList{u"55"_s, u"69"_s, u"78"_s, u"83"_s};
    QTest::newRow("open space poor") << u"Open Space (Poor)"_s << 1 << QStringList{u"68"_s, u"79"_s, u"86"_s, u"89"_s};
    QTest::newRow("pasture poor same numbers") << u"Pasture (Poor)"_s << 53 << QStringList{u"68"_s, u"79"_s, u"86"_s, u"89"_s};
    QTest::newRow("impervious") << u"Impervious"_s << 4 << QStringList{u"98"_s, u"98"_s, u"98"_s, u"98"_s};
    QTest::newRow("range herbaceous no A") << u"Range (Herbaceous - Poor)"_s << 67 << QStringList{u""_s, u"80"_s, u"87"_s, u"93"_s};
    QTest::newRow("sagebrush good no A") << u"Range (Sagebrush - Good)"_s << 78 << QStringList{u""_s, u"35"_s, u"47"_s, u"55"_s};
    QTest::newRow("desert shrub has A") << u"Range (Desert Shrub - Poor)"_s << 79 << QStringList{u"63"_s, u"77"_s, u"85"_s, u"88"_s};
    QTest::newRow("capitals, blanks") << u"  RANGE (DESERT SHRUB - GOOD) "_s << 81 << QStringList{u"49"_s, u"68"_s, u"79"_s, u"84"_s};
}

void TestStartup::standardLandUse()
{
    QFETCH(QString, name);
    QFETCH(int, row);
    QFETCH(QStringList, numbers);
    LoadStandardLandUse();
    QCOMPARE(FindStandardLandUse(name), row);
    for (int g = 0; g < 4; ++g)
        QCOMPARE(StdLandUse[g + 2][row], numbers.at(g));
    // Every curve number is a whole number without point or blank.
    for (int r = 1; r <= StdLandUseRows; ++r)
        for (int f = 2; f <= 5; ++f)
            for (QChar c : StdLandUse[f][r])
                QVERIFY(c.isDigit());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
