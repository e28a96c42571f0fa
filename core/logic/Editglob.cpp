#include "core/logic/Editglob.h"
#include "core/logic/FileNames.h"

#include <QDir>

namespace Editglob {

void ResetProgramState() { Program = ProgramState(); }

bool InitProjectState(const QString &currentDir)
{
    ResetProgramState();
    EditorTitle = QStringLiteral("Quorvale Editor 2001");
    SetFileName(UntitledName);

    TempDir = currentDir + DirSep + QStringLiteral("temp") + DirSep;
    AppDir = currentDir + DirSep;
    LastDir = AppDir;

    LocalLandUseFile = AppDir + QStringLiteral("Local_Land_Use_Data.txt");
    LocalSoilFile = AppDir + QStringLiteral("Local_Soil_HSG.txt");
    HelpListFile = AppDir + QStringLiteral("QuorvaleHelp.lst");

    static const char *const names[] = {
        "~Alter.tmp", "~Unit_Hyd.tmp", "~DurInc.tmp", "~Global.tmp", "~InpHyd.tmp", "~RainDist.tmp",
        "~Xsect.tmp", "~Reach.tmp", "~Storm.tmp", "~Struct.tmp", "~SubArea.tmp", "~TimeA.tmp",
        "~QV31id.tmp", "~Verif.tmp", "~CurveNum.tmp", "~filename.tmp"};
    for (int i = 1; i <= 16; ++i)
        TmpFile[i] = TempDir + QString::fromLatin1(names[i - 1]);

    return QDir(TempDir).exists() || QDir().mkdir(TempDir);
}

void SetFileName(const QString &name)
{
    FileName = name;
    OutFileName = name == UntitledName ? QString()
                                       : Run_Save_Open::StripExtension(name) + QStringLiteral("out");
}

bool IsUntitled() { return FileName == UntitledName; }

} // namespace Editglob
