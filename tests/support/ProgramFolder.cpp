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
    const QDir tools(QStringLiteral(QV_TOOLS_DIR));
    for (const QString &name : tools.entryList(QDir::Files)) {
        const QString target = dir_.filePath(name);
        QFile::remove(target);
        QFile::copy(tools.filePath(name), target);
        QFile::setPermissions(target, QFile(tools.filePath(name)).permissions());
    }
}
