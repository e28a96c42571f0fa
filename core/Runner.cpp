#include "core/Runner.h"

// Placeholders until the runner and the viewer come.
namespace Run_Save_Open {
bool RunProgram(const QString &, const QString &) { return false; }
void AppendHecRasSection() {}
void UpdateViewMenu(QvForm *) {}
} // namespace Run_Save_Open
