#pragma once
// What the File-menu commands, the store and the runner tell the windows. The
// commands never hold a window: the main window and the viewer connect to
// these signals. Every connection is direct, so a window has followed a
// signal before the command goes on.
#include "core/logic/Dialogs.h"

#include <QObject>
#include <QString>

class ProjectEvents : public QObject
{
    Q_OBJECT
public:
    static ProjectEvents &instance();

signals:
    void saveEnabledChanged(bool on);
    void saveAsEnabledChanged(bool on);
    // A save made the project runnable: the Run menu is offered and the View
    // menu follows the files.
    void runOffered();
    // The working files were emptied or replaced.
    void sectionsChanged();
    void titleChanged(const QString &title);
    // An external program started by a command; its end, with whether any
    // other is still running.
    void externalProgramStarted();
    void externalProgramEnded(bool othersRunning);
    // The answer to a question the main window's commands asked.
    void mainAnswer(Dialogs::Answer answer);
    // A run has written the outputs of `source` and asked for the viewer.
    void runOutputReady(const QString &source);
    // The outputs beside `inputFile` were written by a run, or removed by a save.
    void outputsChanged(const QString &inputFile);

private:
    ProjectEvents() = default;
};
