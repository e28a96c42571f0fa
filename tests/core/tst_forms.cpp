#include "ProgramFolder.h"

#include "core/QvForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// A window that counts its loads and keeps one member across openings.
class frmProbe : public QvForm
{
    Q_OBJECT
public:
    int loads = 0;
    int kept = 0;
    QLineEdit *box = nullptr;

protected:
    void buildControls(QWidget *central) override
    {
        box = new QLineEdit(central);
        box->setObjectName(QStringLiteral("txtinp_1"));
    }
    void Form_Load() override
    {
        ++loads;
        setWindowTitle(QStringLiteral("Probe"));
    }
};
QV_REGISTER_FORM(frmProbe)

class TestForms : public QObject
{
    Q_OBJECT
private slots:
    void showFormLoadsOnce();
    void unloadDiscardsControlsKeepsMembers();
    void everyNamedWindowIsBuilt();
};

void TestForms::showFormLoadsOnce()
{
    auto *frm = Forms::instance<frmProbe>();
    QVERIFY(frm);
    QCOMPARE(Forms::get(QStringLiteral("frmProbe")), frm);
    Globsubs::ShowForm(frm);
    frm->move(200, 150);
    frm->showMinimized();
    Globsubs::ShowForm(QStringLiteral("frmProbe"));
    QCOMPARE(frm->loads, 1);
    QVERIFY(frm->isVisible());
    QVERIFY(!frm->isMinimized());
    QCOMPARE(frm->pos(), QPoint(0, 0));
    frm->unload();
}

void TestForms::unloadDiscardsControlsKeepsMembers()
{
    auto *frm = Forms::instance<frmProbe>();
    Globsubs::ShowForm(frm);
    frm->kept = 7;
    frm->findChild<QLineEdit *>(QStringLiteral("txtinp_1"))->setText(QStringLiteral("typed"));
    frm->close();
    QVERIFY(!frm->isLoaded());
    Globsubs::ShowForm(frm);
    QCOMPARE(frm->findChild<QLineEdit *>(QStringLiteral("txtinp_1"))->text(), QString());
    QCOMPARE(frm->kept, 7);
    frm->unload();
}

void TestForms::everyNamedWindowIsBuilt()
{
    QVERIFY(!Forms::get(QStringLiteral("frmNothing")));
    // Every window the section list, the menus and the buttons open by name.
    for (const char *name : {"frmAlternate", "frmDimHyd", "frmDurInc", "frmGlobal", "frmInpHyd", "frmRainDist",
                             "frmXsect", "frmReaches", "frmStorm", "frmStruct", "frmSubArea", "frmTimeA", "frmQV31",
                             "frmVerification", "frmLocalLanduse", "frmLocalSoil", "frmGraphicsOutput",
                             "frmTopoModel", "frmFileDisp", "frmMain", "frmTc", "frmLandUse", "frmIO_Plots",
                             "frmGettingStarted", "frmHelpFac", "frmOverview"})
        QVERIFY2(Forms::isRegistered(QLatin1String(name)), name);
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
