#include "ProgramFolder.h"

#include "core/logic/Editglob.h"
#include "core/QvForm.h"
#include "core/frmMain.h"
#include "sections/runoff/logic/StandardLandUse.h"

#include <QDir>
#include <QFile>
#include <QTest>

ProgramFolder::ProgramFolder(bool startMain)
{
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    Editglob::InitProjectState(QDir::currentPath());
    Standard_Land_Use::LoadStandardLandUse();
    if (startMain) {
        frmMain *main = frmMain::instance();
        main->unload();
        main->load();
    }
}

ProgramFolder::~ProgramFolder()
{
    for (QvForm *form : Forms::created())
        form->unload();
    QDir::setCurrent(previousDir_);
}

QString ProgramFolder::tmp(int slot) const { return Editglob::TmpFile[slot]; }

void ProgramFolder::writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        QTest::qFail(qPrintable(QStringLiteral("cannot write ") + path), __FILE__, __LINE__);
    f.write(bytes);
}

QByteArray ProgramFolder::readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void ProgramFolder::installTools() const
{
    // The stand-ins come from the demo folder; the data files from the sources,
    // since the user may have edited the demo folder's copies.
    auto copy = [this](const QDir &from, const QString &name) {
        const QString target = dir_.filePath(name);
        QFile::remove(target);
        QFile::copy(from.filePath(name), target);
        QFile::setPermissions(target, QFile(from.filePath(name)).permissions());
    };
    const QDir tools(QStringLiteral(QV_TOOLS_DIR));
    for (const QString &name : tools.entryList({QStringLiteral("*.exe")}, QDir::Files))
        copy(tools, name);
    const QDir demo(QStringLiteral(QV_RESOURCES_DIR "/demo"));
    for (const QString &name : demo.entryList(QDir::Files))
        copy(demo, name);
    copy(QDir(QStringLiteral(QV_RESOURCES_DIR)), QStringLiteral("QuorvaleHelp.lst"));
}
