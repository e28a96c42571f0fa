// The local soil list with its find box.
#include "ProgramFolder.h"

#include "core/Colors.h"
#include "core/FlexGrid.h"
#include "core/logic/Editglob.h"
#include "sections/runoff/frmDisplaySoil.h"

#include <QLineEdit>
#include <QTest>

using namespace Editglob;

class TestLocalSoil : public QObject
{
    Q_OBJECT
private slots:
    void displayListsSoilsAndFinds();
    void displayOfMissingFile();
};

void TestLocalSoil::displayListsSoilsAndFinds()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(LocalSoilFile, "\"Amesbury loam\",\"B/C\"\r\n\"Salt marsh\",\"D\"\r\n"
                                             "\"Salt flat\",\"C/D\"\r\n\"sandy wash\",\"A\"\r\n\"\"\r\n");
    Globsubs::ShowForm(QStringLiteral("frmDisplaySoil"));
    auto *form = Forms::instance<frmDisplaySoil>();
    QVERIFY(form && form->isLoaded());
    QCOMPARE(form->windowTitle(), QStringLiteral("Display Local Soil/HSG"));
    FlexGrid *g = form->grid();
    QCOMPARE(g->TextMatrix(0, 0), QStringLiteral("Soil Identifier "));
    QCOMPARE(g->TextMatrix(0, 1), QStringLiteral("HSG "));
    QCOMPARE(g->Rows(), 2 + 4); // the empty row 1 stays
    QCOMPARE(g->TextMatrix(1, 0), QString());
    QCOMPARE(g->TextMatrix(2, 0), QStringLiteral("Amesbury loam"));
    QCOMPARE(g->TextMatrix(4, 1), QStringLiteral("C/D"));

    auto *find = form->findChild<QLineEdit *>(QStringLiteral("txtinp_1"));
    find->setFocus();
    QTest::keyClicks(find, QStringLiteral("s"));
    QCOMPARE(form->SelectedRow(), 3);
    QTest::keyClicks(find, QStringLiteral("a"));
    QCOMPARE(form->SelectedRow(), 3);
    QTest::keyClicks(find, QStringLiteral("lt f"));
    QCOMPARE(find->text(), QStringLiteral("salt f")); // the blank stays typed
    QCOMPARE(find->cursorPosition(), 6);
    QCOMPARE(form->SelectedRow(), 4);
    QCOMPARE(g->CellColor(4, 0), Colors::Green);
    QCOMPARE(g->CellColor(3, 0), Colors::White);
    QTest::keyClicks(find, QStringLiteral("x")); // no soil: the highlight stays
    QCOMPARE(form->SelectedRow(), 4);
    find->setText(QStringLiteral("  SAND "));
    QCOMPARE(form->SelectedRow(), 5);
    find->clear();
    QCOMPARE(form->SelectedRow(), 5);

    // Opened again while open: the file is not read again.
    ProgramFolder::writeBytes(LocalSoilFile, "\"\"\r\n");
    Globsubs::ShowForm(QStringLiteral("frmDisplaySoil"));
    QCOMPARE(g->Rows(), 6);
    QCOMPARE(form->SelectedRow(), 5);
}

void TestLocalSoil::displayOfMissingFile()
{
    ProgramFolder folder;
    Globsubs::ShowForm(QStringLiteral("frmDisplaySoil"));
    auto *form = Forms::instance<frmDisplaySoil>();
    QCOMPARE(form->grid()->Rows(), 2);
    form->findChild<QLineEdit *>(QStringLiteral("txtinp_1"))->setText(QStringLiteral("a"));
    QCOMPARE(form->SelectedRow(), -999);
}

QTEST_MAIN(TestLocalSoil)
#include "tst_localsoil.moc"
