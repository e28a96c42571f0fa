#pragma once
// Program-wide project state of the editor. It lives for the whole run and is
// read and written from the one user-interface thread.
#include <QString>
#include <array>

namespace Editglob {

inline const QString UntitledName = QStringLiteral("> Untitled <");

inline QString FileName = UntitledName;
inline QString EditorTitle;
inline QString RunProgramTitle;
inline bool EnglishUnits = true;
inline bool DataChanged = false;
inline QString TempDir;
inline QString AppDir;
inline QString LastDir;
inline QString LocalLandUseFile;
inline QString LocalSoilFile;
inline QString HelpListFile;
inline std::array<QString, 17> TmpFile;      // 1..16
inline std::array<QString, 16> SectionNames; // 1..15
inline std::array<QString, 9> ViewExt;       // 1..8
inline QString OutFileName;
inline QString DisplayTitle;
inline QString DisplayFile;
inline int ViewFileIndex = 0;
// False when the temp folder could not be created: no working file can be written.
inline bool TempDirReady = false;

constexpr int SectionCount = 15;
constexpr int FileNameSlot = 16;

// Section numbers by their place in `TmpFile` and `SectionNames`.
enum Section {
    SecAlternate = 1, SecUnitHyd, SecDurInc, SecGlobal, SecInpHyd, SecRainDist, SecXsect,
    SecReach, SecStorm, SecStruct, SecSubArea, SecTimeA, SecIdentifier, SecVerif, SecLocalLandUse
};

// The folder separator appended to TempDir and AppDir.
inline const QChar DirSep = QLatin1Char('/');

// Start-up steps 1 and 3 to 8: the state, with `currentDir` as the program
// folder. Creates the temp folder when it is missing; returns false when it
// could not be created.
bool InitProjectState(const QString &currentDir);

// Sets `FileName` and keeps `OutFileName` (the printed-page output of the file)
// in step with it.
void SetFileName(const QString &name);

bool IsUntitled();

} // namespace Editglob
