#pragma once
// A program folder of its own for a test: a temporary directory made current,
// with the project state set up in it as start-up does.
#include <QString>
#include <QTemporaryDir>

class ProgramFolder
{
public:
    // With `startMain` the main window is loaded (the whole start-up runs);
    // otherwise only the project state is set up.
    explicit ProgramFolder(bool startMain = false);
    ~ProgramFolder();

    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }
    // Path of working file `slot` (1..16).
    QString tmp(int slot) const;

    static void writeBytes(const QString &path, const QByteArray &bytes);
    static QByteArray readBytes(const QString &path);

    // Copies the stand-in programs (and the demo's help and local files) into
    // the folder.
    void installTools() const;

private:
    QTemporaryDir dir_;
    QString previousDir_;
};
