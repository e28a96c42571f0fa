// A user's session with the three rating and hydrograph windows: a structure,
// a cross section and an input hydrograph typed in, accepted, saved into the
// input file, the file opened again and saved unchanged, and each plotted.
#include "DialogScript.h"
#include "RatingDriver.h"

#include "../setup/ValueGridDriver.h"
#include "core/RunSaveOpen.h"
#include "plots/frmIO_Plots.h"

using namespace RatingDriver;
using namespace Editglob;

namespace {
const QByteArray B10(10, ' ');
const QByteArray B20(20, ' ');

QByteArray line(const QByteArray &lead, const QList<QByteArray> &fields)
{
    return lead + tenColumns(0, fields) + "\r\n";
}

const QByteArray Struct = QByteArray("STRUCTURE RATING:").leftJustified(40) + "\r\n" + line(B10, {"S1", "100."})
                          + line(B20, {"100.", "0.", "0."}) + line(B20, {"102.", "15.", "2.5"}) + "\r\n";
const QByteArray Xsect = QByteArray("STREAM CROSS SECTION:").leftJustified(40) + "\r\n"
                         + line(B10, {"X1", "10.5", "", "100.", "S1", "250."})
                         + line(B20, {"100.", "0.", "0.", "0.", "0.01"}) + line(B20, {"102.", "50.", "40.", "30.", "0.02"})
                         + "\r\n";
const QByteArray InpHyd = QByteArray("INPUT HYDROGRAPH:").leftJustified(40) + "\r\n"
                          + line(B10, {"H1", "R1", "", "2.", "1.", "", ""})
                          + line(B20, {"0.", "5.", "10.", "5.", "0."}) + "\r\n";

// Types each value into the focused box and leaves it with Enter.
void typeAll(const QStringList &values)
{
    for (const QString &value : values) {
        QTest::keyClicks(focused(), value);
        QTest::keyClick(focused(), Qt::Key_Return);
    }
}

void acceptUnchanged(const QString &name)
{
    QWidget *form = open(name);
    accept(form);
    QVERIFY(!form->isVisible());
}
} // namespace

class TestRatingSession : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void enterSaveReopenPlot();
};

void TestRatingSession::enterSaveReopenPlot()
{
    ProgramFolder folder(true);
    const QString path = folder.file(QStringLiteral("basin.inp"));
    SetFileName(path);

    QWidget *form = open(QStringLiteral("frmStruct"));
    chooseId(form, "S1");
    QCOMPARE(focused(), box(form, 2));
    typeAll({"100", "100", "0", "0", "102", "15", "2.5"});
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStruct)), Struct);

    form = open(QStringLiteral("frmXsect"));
    chooseId(form, "X1");
    typeAll({"10.5", "100"});
    QCOMPARE(focused(), combo(form, 4));
    typeAll({"S1", "250", "100", "0", "0", "0", "0.01", "102", "50", "40", "30", "0.02"});
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecXsect)), Xsect);

    form = open(QStringLiteral("frmInpHyd"));
    chooseId(form, "H1");
    QCOMPARE(focused(), combo(form, 2));
    QTest::keyClicks(combo(form, 2), "R1");
    QTest::keyClick(combo(form, 2), Qt::Key_Return);
    QTest::keyClick(combo(form, 3), Qt::Key_Return);
    typeAll({"2", "1", "", ""});
    QCOMPARE(focused(), grid(form));
    enterValues(form, {"5", "10", "5"});
    accept(form);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecInpHyd)), InpHyd);

    {
        DialogScript script;
        script.answer(Dialogs::Answer::OK);
        QVERIFY(Run_Save_Open::SaveInputFile());
    }
    const QByteArray saved = ProgramFolder::readBytes(path);
    for (const QByteArray &section : {Struct, Xsect, InpHyd})
        QVERIFY(saved.contains(section));

    // Opened again, each window writes back what it read, and the file saved
    // again holds the three sections alone.
    Run_Save_Open::OpenInputFile();
    for (const char *name : {"frmStruct", "frmXsect", "frmInpHyd"})
        acceptUnchanged(QString::fromLatin1(name));
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecStruct)), Struct);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecXsect)), Xsect);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(SecInpHyd)), InpHyd);
    {
        DialogScript script;
        script.answer(Dialogs::Answer::OK);
        QVERIFY(Run_Save_Open::SaveInputFile());
    }
    // The save order puts cross sections before structures.
    QCOMPARE(ProgramFolder::readBytes(path), Xsect + Struct + InpHyd);

    // Each record plots from what was read back.
    const struct
    {
        const char *name;
        const char *id;
        int kind;
        std::vector<double> x;
    } plots[] = {{"frmStruct", "S1", Plots::KindStructure, {100, 102}},
                 {"frmXsect", "X1", Plots::KindCrossSection, {100, 102}},
                 {"frmInpHyd", "H1", Plots::KindInputHydrograph, {}}};
    for (const auto &p : plots) {
        form = open(QString::fromLatin1(p.name));
        chooseId(form, QString::fromLatin1(p.id));
        QVERIFY2(shown(form, "CmdPlot"), p.name);
        click(button(form, "CmdPlot"));
        QVERIFY(plot()->isVisible());
        const Plots::PlotRequest &request = plot()->request();
        QCOMPARE(request.PlotKind, p.kind);
        if (!p.x.empty()) {
            const std::vector<double> &x = request.PlotX.at(1);
            QVERIFY(x.size() >= p.x.size());
            QCOMPARE(std::vector<double>(x.end() - qsizetype(p.x.size()), x.end()), p.x);
        }
        plot()->unload();
        cancel(form);
    }
}

QTEST_MAIN(TestRatingSession)
#include "tst_ratingsession.moc"
