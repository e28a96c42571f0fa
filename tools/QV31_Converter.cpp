// Stand-in for the QV-31 input converter.
//
// Reads the old data file named on line 1 of "qv31Conv.fil" in its own
// program folder and writes beside it base & "inp" (the Quorvale input file)
// and base & "err".
//
// Old data file (this stand-in's contract): a QV-31 input file whose run
// identifier header reads "QV-31: VERSION 2001" or "QV-31: BETA TEST". The
// converter writes that header as "Quorvale: Version 1.0", keeping every
// column after it in place, writes every other section header in capitals and
// copies all other lines unchanged. The error file holds one line when the
// conversion went well; several when the file is missing, holds no old run
// identifier header, or contains the marker STANDIN:ERRORS.
#include "standin_common.h"

using namespace Standin;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString oldFile = ControlledFile(QStringLiteral("qv31Conv.fil"));
    if (oldFile.isEmpty())
        return 1;
    const QString base = Base(oldFile);
    const QString errFile = base + QStringLiteral("err");

    QStringList lines;
    if (!ReadLines(oldFile, lines)) {
        WriteLines(errFile, {QStringLiteral("QV-31 input converter: errors found"),
                             QStringLiteral("*** ERROR: data file not found: ") + oldFile});
        return 2;
    }
    const QString newHeader = QStringLiteral("Quorvale: Version 1.0");
    QStringList out;
    bool identifierFound = false;
    bool atHeader = true;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty()) {
            atHeader = true;
            out << line;
            continue;
        }
        if (atHeader) {
            atHeader = false;
            const QString key = line.left(40).trimmed().toUpper();
            if (key == QLatin1String("QV-31: VERSION 2001") || key == QLatin1String("QV-31: BETA TEST")) {
                identifierFound = true;
                out << (line.size() > newHeader.size() ? newHeader + line.mid(newHeader.size()) : newHeader);
            } else {
                out << line.left(40).toUpper() + line.mid(40);
            }
            continue;
        }
        out << line;
    }
    QStringList err{QStringLiteral("QV-31 input converter: conversion completed")};
    if (!identifierFound)
        err = {QStringLiteral("QV-31 input converter: errors found"),
               QStringLiteral("*** ERROR: no QV-31 run identifier header in ") + oldFile};
    if (lines.join(QLatin1Char('\n')).contains(QLatin1String("STANDIN:ERRORS")))
        err << QStringLiteral("*** ERROR: errors requested by the data file (STANDIN:ERRORS)");
    if (identifierFound && err.size() > 1)
        err[0] = QStringLiteral("QV-31 input converter: errors found");
    bool ok = WriteLines(base + QStringLiteral("inp"), out);
    ok = WriteLines(errFile, err) && ok;
    return ok ? 0 : 3;
}
