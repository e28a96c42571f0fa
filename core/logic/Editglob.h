#pragma once
// Program-wide state of the editor: everything that outlives a window, kept in
// one struct with one reset. It lives for the whole run and is read and
// written from the one user-interface thread. The familiar names below
// (`FileName`, `DataChanged`, `FormHelpKey`, ...) are references into the one
// instance, so a reset reaches every one of them.
#include <QList>
#include <QString>
#include <array>

namespace Help_Stuff {
// No help entry shown.
constexpr int NoHelp = -999;
} // namespace Help_Stuff

namespace Editglob {

inline const QString UntitledName = QStringLiteral("> Untitled <");

constexpr int SectionCount = 15;
constexpr int FileNameSlot = 16;

// Section numbers by their place in `TmpFile` and `SectionNames`.
enum Section {
    SecAlternate = 1, SecUnitHyd, SecDurInc, SecGlobal, SecInpHyd, SecRainDist, SecXsect,
    SecReach, SecStorm, SecStruct, SecSubArea, SecTimeA, SecIdentifier, SecVerif, SecLocalLandUse
};

// The folder separator appended to TempDir and AppDir.
inline const QChar DirSep = QLatin1Char('/');

// A fresh ProgramState is the state of a program that has just started,
// before its folders are known.
struct ProgramState
{
    // The project.
    QString FileName = UntitledName;
    // The printed-page output of FileName; SetFileName keeps it in step.
    QString OutFileName;
    bool DataChanged = false;
    // The file proposed by the Save As dialog while the project is untitled:
    // the file whose reading stopped at an unknown header.
    QString ProposedSaveName;

    // The program folder and the files in it.
    QString EditorTitle;
    QString TempDir;
    QString AppDir;
    QString LastDir;
    QString LocalLandUseFile;
    QString LocalSoilFile;
    QString HelpListFile;
    std::array<QString, 17> TmpFile; // 1..16
    std::array<QString, 16> SectionNames = {
        QString(),
        QStringLiteral("Alternate Analysis:"), QStringLiteral("Dimensionless Unit Hydrograph:"),
        QStringLiteral("Duration Increment:"), QStringLiteral("Global Output:"),
        QStringLiteral("Input Hydrograph:"), QStringLiteral("Rainfall Distribution:"),
        QStringLiteral("Stream Cross Section:"), QStringLiteral("Stream Reach:"),
        QStringLiteral("Storm Analysis:"), QStringLiteral("Structure Rating:"), QStringLiteral("Sub-Area:"),
        QStringLiteral("Time Analysis:"), QStringLiteral("Quorvale: Version 1.0"),
        QStringLiteral("Verification:"), QStringLiteral("Local Land Use:")}; // 1..15
    std::array<QString, 9> ViewExt = {QString(),           QStringLiteral("inp"), QString(),
                                      QString(),           QStringLiteral("out"), QStringLiteral("err"),
                                      QStringLiteral("dbg"), QStringLiteral("hyd"), QStringLiteral("ecn")}; // 1..8

    // The external programs and the output viewer.
    QString RunProgramTitle;
    QString DisplayTitle;
    QString DisplayFile;
    int ViewFileIndex = 0;

    // The unit system. The captions stay empty until the run identifier
    // window first loads; it sets them whenever it loads and is accepted.
    bool EnglishUnits = true;
    QString AreaUnit;
    QString DischargePerAreaUnit;
    QString SmallAreaUnit;
    QString FlowUnit;
    QString LengthUnit;
    QString DepthUnit;
    QString ConductivityUnit;
    QString VolumeUnit;
    QString VelocityUnit;
    QString AlluviumStorageUnit;
    QString OutFlowUnit;
    QString OutDischargePerAreaUnit;
    QString OutAreaUnit;

    // Rain gages of the Storm Analysis section as the rain-gage list filler
    // last built them, each once in the order first met, with its 2-year
    // 24-hour rainfall (0 when no line gives one). Entries 1 to RainGageCount;
    // entry 0 is unused. A count below 1 means no rainfall.
    QList<QString> RainGageIds{QString()};
    QList<float> RainGageTwoYear{0.0f};
    int RainGageCount = 0;

    // Help key of the window that loaded or had a label pressed last, and the
    // help number shown.
    QString FormHelpKey;
    int CurrentHelpId = Help_Stuff::NoHelp;

    // The alternate that the sub-area and reach windows edit: 0 is the base
    // data. The main window's section list resets it; only the alternate
    // window sets another number.
    int CurrentAlternate = 0;
};

inline ProgramState Program;

// Puts every program-wide variable back as a program that has just started
// has it.
void ResetProgramState();

inline QString &FileName = Program.FileName;
inline QString &OutFileName = Program.OutFileName;
inline bool &DataChanged = Program.DataChanged;
inline QString &EditorTitle = Program.EditorTitle;
inline QString &TempDir = Program.TempDir;
inline QString &AppDir = Program.AppDir;
inline QString &LastDir = Program.LastDir;
inline QString &LocalLandUseFile = Program.LocalLandUseFile;
inline QString &LocalSoilFile = Program.LocalSoilFile;
inline QString &HelpListFile = Program.HelpListFile;
inline std::array<QString, 17> &TmpFile = Program.TmpFile;
inline std::array<QString, 16> &SectionNames = Program.SectionNames;
inline std::array<QString, 9> &ViewExt = Program.ViewExt;
inline QString &RunProgramTitle = Program.RunProgramTitle;
inline QString &DisplayTitle = Program.DisplayTitle;
inline QString &DisplayFile = Program.DisplayFile;
inline int &ViewFileIndex = Program.ViewFileIndex;
inline bool &EnglishUnits = Program.EnglishUnits;
inline QString &AreaUnit = Program.AreaUnit;
inline QString &DischargePerAreaUnit = Program.DischargePerAreaUnit;
inline QString &SmallAreaUnit = Program.SmallAreaUnit;
inline QString &FlowUnit = Program.FlowUnit;
inline QString &LengthUnit = Program.LengthUnit;
inline QString &DepthUnit = Program.DepthUnit;
inline QString &ConductivityUnit = Program.ConductivityUnit;
inline QString &VolumeUnit = Program.VolumeUnit;
inline QString &VelocityUnit = Program.VelocityUnit;
inline QString &AlluviumStorageUnit = Program.AlluviumStorageUnit;
inline QString &OutFlowUnit = Program.OutFlowUnit;
inline QString &OutDischargePerAreaUnit = Program.OutDischargePerAreaUnit;
inline QString &OutAreaUnit = Program.OutAreaUnit;
inline QList<QString> &RainGageIds = Program.RainGageIds;
inline QList<float> &RainGageTwoYear = Program.RainGageTwoYear;
inline int &RainGageCount = Program.RainGageCount;

// Start-up: a fresh state, then the folders and files of `currentDir` as the
// program folder. Creates the temp folder when it is missing; returns false
// when it could not be created (no working file can then be written).
bool InitProjectState(const QString &currentDir);

// Sets `FileName` and keeps `OutFileName` in step with it.
void SetFileName(const QString &name);

bool IsUntitled();

} // namespace Editglob

namespace Help_Stuff {
inline QString &FormHelpKey = Editglob::Program.FormHelpKey;
inline int &CurrentHelpId = Editglob::Program.CurrentHelpId;
} // namespace Help_Stuff

namespace Run_Save_Open {
inline QString &ProposedSaveName = Editglob::Program.ProposedSaveName;
} // namespace Run_Save_Open

inline int &CurrentAlternate = Editglob::Program.CurrentAlternate;
