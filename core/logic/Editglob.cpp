#include "core/logic/Editglob.h"
#include "core/logic/FileNames.h"

#include <QDir>

namespace Editglob {

bool InitProjectState(const QString &currentDir)
{
    RunProgramTitle.clear();
    EditorTitle = QStringLiteral("Quorvale Editor 2001");
    SetFileName(UntitledName);
    EnglishUnits = true;
    DataChanged = false;

    TempDir = currentDir + DirSep + QStringLiteral("temp") + DirSep;
    AppDir = currentDir + DirSep;
    LastDir = AppDir;

    LocalLandUseFile = AppDir + QStringLiteral("Local_Land_Use_Data.txt");
    LocalSoilFile = AppDir + QStringLiteral("Local_Soil_HSG.txt");
    HelpListFile = AppDir + QStringLiteral("QuorvaleHelp.lst");

    QDir temp(TempDir);
    TempDirReady = temp.exists() || QDir().mkdir(TempDir);

    static const char *const names[] = {
        "~Alter.tmp", "~Unit_Hyd.tmp", "~DurInc.tmp", "~Global.tmp", "~InpHyd.tmp", "~RainDist.tmp",
        "~Xsect.tmp", "~Reach.tmp", "~Storm.tmp", "~Struct.tmp", "~SubArea.tmp", "~TimeA.tmp",
        "~QV31id.tmp", "~Verif.tmp", "~CurveNum.tmp", "~filename.tmp"};
    for (int i = 1; i <= 16; ++i)
        TmpFile[i] = TempDir + QString::fromLatin1(names[i - 1]);

    static const char *const headers[] = {
        "Alternate Analysis:", "Dimensionless Unit Hydrograph:", "Duration Increment:", "Global Output:",
        "Input Hydrograph:", "Rainfall Distribution:", "Stream Cross Section:", "Stream Reach:",
        "Storm Analysis:", "Structure Rating:", "Sub-Area:", "Time Analysis:", "Quorvale: Version 1.0",
        "Verification:", "Local Land Use:"};
    for (int i = 1; i <= 15; ++i)
        SectionNames[i] = QString::fromLatin1(headers[i - 1]);

    static const char *const ext[] = {"inp", "", "", "out", "err", "dbg", "hyd", "ecn"};
    for (int i = 1; i <= 8; ++i)
        ViewExt[i] = QString::fromLatin1(ext[i - 1]);

    DisplayTitle.clear();
    DisplayFile.clear();
    ViewFileIndex = 0;
    return TempDirReady;
}

void SetFileName(const QString &name)
{
    FileName = name;
    OutFileName = name == UntitledName ? QString()
                                       : Run_Save_Open::StripExtension(name) + QStringLiteral("out");
}

bool IsUntitled() { return FileName == UntitledName; }

} // namespace Editglob
