#include "core/logic/CallShell.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QList>
#include <QProcess>

namespace CallShell {
namespace {

// Programs still running. A QProcess is never destroyed while its program
// runs, because destroying it would kill the program: when the application
// ends during a wait, the program goes on. The list itself is never freed, so
// the processes stay reachable to the end.
QList<QProcess *> &running()
{
    static auto *list = new QList<QProcess *>;
    return *list;
}

// The waits in progress, innermost last, each with whether it was abandoned.
struct Wait
{
    QEventLoop *loop;
    bool abandoned = false;
};
QList<Wait *> &waits()
{
    static QList<Wait *> list;
    return list;
}

} // namespace

WaitResult RunAndWait(const QString &programPath, const QString &workingDir, int /*windowStyle*/)
{
    auto *process = new QProcess;
    process->setProgram(programPath);
    process->setWorkingDirectory(workingDir);
    // No pipes to this process: the program must not depend on it staying alive.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (!process->waitForStarted(-1)) {
        delete process;
        return WaitResult::NotStarted;
    }
    running().append(process);
    QObject::connect(process, &QProcess::finished, process, [process] {
        running().removeOne(process);
        process->deleteLater();
    });

    bool ended = false;
    QEventLoop loop; // destroyed before `ended`, which its connection uses
    Wait wait{&loop};
    QObject::connect(process, &QProcess::finished, &loop, [&ended, &loop] {
        ended = true;
        loop.quit();
    });
    waits().append(&wait);
    loop.exec();
    waits().removeOne(&wait);
    // A nested loop also returns when the application is told to quit; the
    // program then goes on running and keeps its QProcess. A program that
    // ended while the user chose to end the editor counts as abandoned too:
    // its command must not go on.
    if (!ended || wait.abandoned)
        return WaitResult::Abandoned;
    return WaitResult::Finished;
}

void AbandonWaits()
{
    for (Wait *wait : waits()) {
        wait->abandoned = true;
        wait->loop->quit();
    }
}

bool CallShell(const QString &programPath, int windowStyle)
{
    return RunAndWait(programPath, QFileInfo(programPath).absolutePath(), windowStyle) != WaitResult::NotStarted;
}

int RunningCount()
{
    int count = 0;
    for (QProcess *p : running())
        if (p->state() != QProcess::NotRunning)
            ++count;
    return count;
}

} // namespace CallShell
