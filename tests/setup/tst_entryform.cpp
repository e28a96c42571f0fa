// What every entry window of the run set-up shares: caption, help state,
// help labels, Cancel, Accept, a working file that cannot be written, the
// width of the boxes and the keys a box keeps.
#include "core/Colors.h"
#include "DialogScript.h"
#include "EntryDriver.h"

#include "core/Help_Stuff.h"

#include <QComboBox>
#include <QDir>

using namespace EntryDriver;

class TestEntryForm : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { deleteWindows(); }
    void windows_data();
    void captionAndHelpState_data() { windows_data(); }
    void captionAndHelpState();
    void helpLabels_data() { windows_data(); }
    void helpLabels();
    void helpKeepsLayout_data() { windows_data(); }
    void helpKeepsLayout();
    void labelHelpKeys_data();
    void labelHelpKeys();
    void eachWindowKeepsItsHelp();
    void cancelWritesNothing_data() { windows_data(); }
    void cancelWritesNothing();
    void acceptSetsDataChanged_data() { windows_data(); }
    void acceptSetsDataChanged();
    void acceptRefusesRedBox_data();
    void acceptRefusesRedBox();
    void unwritableFileKeepsWindowOpen_data() { windows_data(); }
    void unwritableFileKeepsWindowOpen();
    void boxesNeverOutgrowTheirField_data() { windows_data(); }
    void boxesNeverOutgrowTheirField();
    void otherKeysReachTheBox_data() { windows_data(); }
    void otherKeysReachTheBox();
    void openedFromTheSectionList_data() { windows_data(); }
    void openedFromTheSectionList();
    void tabChecksAsEnterDoes_data();
    void tabChecksAsEnterDoes();
};

void TestEntryForm::windows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<int>>("boxes"); // visible boxes and their field widths follow
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QByteArray>("sample"); // a working file the window reads
    QTest::newRow("frmQV31") << "frmQV31" << "Quorvale Identifier" << "QV" << 13 << QList<int>{3, 5, 6}
                             << QList<int>{10, 80, 80}
                             << crlf("Quorvale: Version 1.0                   0         0         5.        0         \nBasin\n");
    QTest::newRow("frmDurInc") << "frmDurInc" << "Duration Increment" << "DI" << 3 << QList<int>{2, 3, 4}
                               << QList<int>{10, 10, 10}
                               << crlf("DURATION INCREMENT:                     Hours     24.                 72.       \n");
    QTest::newRow("frmGlobal") << "frmGlobal" << "Global Output" << "GO" << 4 << QList<int>{1, 2, 3}
                               << QList<int>{10, 10, 10}
                               << crlf("GLOBAL OUTPUT:                          \n          2         10.       .5        YNNNN     NNNNNY\n");
    QTest::newRow("frmTimeA") << "frmTimeA" << "Time Analysis" << "TA" << 12
                              << QList<int>{1, 2, 3, 4, 5, 6, 7, 8}
                              << QList<int>{10, 10, 10, 10, 10, 10, 10, 10}
                              << crlf("TIME ANALYSIS:                          \n          FLOW      50.       90.                           \n");
}

void TestEntryForm::captionAndHelpState()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, key);
    ProgramFolder folder;
    Editglob::SetFileName(folder.file(QStringLiteral("basin.inp")));
    Help_Stuff::FormHelpKey = QStringLiteral("XX");
    Help_Stuff::CurrentHelpId = 3;
    EntryForm *form = open(name);
    QVERIFY(form);
    QVERIFY(form->IsEntryWindow());
    QCOMPARE(form->windowTitle(), title + "   Current File - " + folder.file("basin.inp"));
    QCOMPARE(Help_Stuff::FormHelpKey, key);
    QCOMPARE(Help_Stuff::CurrentHelpId, Help_Stuff::NoHelp);
    QVERIFY(!control(form, "txtHelp")->isVisible());
    QCOMPARE(label(form, "lblHeader")->text(), title + ":");
}

void TestEntryForm::helpLabels()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    ProgramFolder folder;
    ProgramFolder::writeBytes(Editglob::HelpListFile,
                              crlf(key.toLatin1() + "|Heading - About the section|||\n" + key.toLatin1()
                                   + " 1|First - About field one|1 to 2|3 to 4|\n"));
    EntryForm *form = open(name);
    auto *help = control<QPlainTextEdit>(form, "txtHelp");
    // Shown as the help facilities describe them: yellow and clickable.
    for (const char *helpLabel : {"lblHeader", "lblInput_1"}) {
        QLabel *l = label(form, QString::fromLatin1(helpLabel));
        QVERIFY(l->autoFillBackground());
        QCOMPARE(Colors::ToBgr(l->palette().color(l->backgroundRole())), Colors::Yellow);
        QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
    }

    click(label(form, "lblHeader"));
    QVERIFY(help->isVisible());
    QCOMPARE(help->toPlainText(), QString("          Heading \nAbout the section\n\n"));
    QCOMPARE(Help_Stuff::CurrentHelpId, 0);

    click(label(form, "lblInput_1"));
    QVERIFY(help->isVisible());
    QCOMPARE(help->toPlainText(), QString("          First \nAbout field one\n          Range - 1 to 2\n\n"));

    click(label(form, "lblInput_1"));
    QVERIFY(!help->isVisible());
    QCOMPARE(Help_Stuff::CurrentHelpId, Help_Stuff::NoHelp);
}

// Showing and hiding help keeps the window's size and every label in place.
void TestEntryForm::helpKeepsLayout()
{
    QFETCH(QString, name);
    ProgramFolder folder;
    EntryForm *form = open(name);
    QApplication::processEvents();
    const QSize size = form->size();
    QLabel *field = label(form, "lblInput_1");
    const QRect place = field->geometry();
    click(label(form, "lblHeader"));
    QApplication::processEvents();
    QVERIFY(control(form, "txtHelp")->isVisible());
    QCOMPARE(form->size(), size);
    QCOMPARE(field->geometry(), place);
    click(label(form, "lblHeader"));
    QApplication::processEvents();
    QCOMPARE(form->size(), size);
    QCOMPARE(field->geometry(), place);
}

void TestEntryForm::labelHelpKeys_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("key"); // empty: the label shows no help
    QTest::newRow("QV description") << "frmQV31" << "lblInput_5" << "QV 5";
    QTest::newRow("QV output units") << "frmQV31" << "lblInput_2" << "QV 2";
    QTest::newRow("QV screen output") << "frmQV31" << "lblInput_4" << "";
    QTest::newRow("DI units") << "frmDurInc" << "lblInput_1" << "DI 1";
    QTest::newRow("GO flood economics") << "frmGlobal" << "lblInput_9" << "GO 9";
    QTest::newRow("TA flow row") << "frmTimeA" << "lblInput_0" << "TA";
    QTest::newRow("TA elevation row") << "frmTimeA" << "lblInput_4" << "TA 4";
    QTest::newRow("TA elevation increment") << "frmTimeA" << "lblInput_5" << "TA 5";
}

void TestEntryForm::labelHelpKeys()
{
    QFETCH(QString, name);
    QFETCH(QString, label);
    QFETCH(QString, key);
    ProgramFolder folder;
    QByteArray list;
    for (const char *k : {"QV", "QV 2", "QV 4", "QV 5", "DI 1", "GO 9", "TA", "TA 4", "TA 5"})
        list += QByteArray(k) + "|<" + k + "> - d|||\r\n";
    ProgramFolder::writeBytes(Editglob::HelpListFile, list);
    EntryForm *form = open(name);
    click(EntryDriver::label(form, label));
    auto *help = control<QPlainTextEdit>(form, "txtHelp");
    QLabel *pressed = EntryDriver::label(form, label);
    // Only a label with help is yellow.
    QCOMPARE(pressed->autoFillBackground() && Colors::ToBgr(pressed->palette().color(QPalette::Window)) == Colors::Yellow,
             !key.isEmpty());
    if (key.isEmpty()) {
        QVERIFY(!help->isVisible());
        QCOMPARE(Help_Stuff::CurrentHelpId, Help_Stuff::NoHelp);
    } else {
        QVERIFY(help->isVisible());
        QCOMPARE(help->toPlainText(), QString("          <" + key + "> \nd\n\n"));
    }
}

void TestEntryForm::eachWindowKeepsItsHelp()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(Editglob::HelpListFile,
                              crlf("DI|Duration - section|||\nDI 1|DI one - d|||\n"
                                   "DH|Unit - section|||\nDH 1|DH one - d|||\n"));
    EntryForm *duration = open(QStringLiteral("frmDurInc"));
    EntryForm *unitHyd = open(QStringLiteral("frmDimHyd"));
    auto *durationHelp = control<QPlainTextEdit>(duration, "txtHelp");
    auto *unitHelp = control<QPlainTextEdit>(unitHyd, "txtHelp");
    // The window opened first shows its own help, not that of the last one.
    click(label(duration, "lblInput_1"));
    QVERIFY(durationHelp->toPlainText().startsWith(QStringLiteral("          DI one ")));
    click(label(duration, "lblHeader"));
    QVERIFY(durationHelp->toPlainText().startsWith(QStringLiteral("          Duration ")));
    // The same field in the other window shows its help rather than hiding.
    click(label(unitHyd, "lblHeader"));
    QVERIFY(unitHelp->isVisible());
    QVERIFY(unitHelp->toPlainText().startsWith(QStringLiteral("          Unit ")));
    QCOMPARE(Help_Stuff::FormHelpKey, QStringLiteral("DH"));
    QVERIFY(durationHelp->isVisible());
    // A second press in the first window still hides its box.
    click(label(duration, "lblHeader"));
    QVERIFY(!durationHelp->isVisible());
    QVERIFY(unitHelp->isVisible());
    cancel(duration);
    cancel(unitHyd);
}


void TestEntryForm::cancelWritesNothing()
{
    QFETCH(QString, name);
    QFETCH(int, slot);
    QFETCH(QByteArray, sample);
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(slot), sample);
    Editglob::DataChanged = false;
    EntryForm *form = open(name);
    QFETCH(QList<int>, boxes);
    retype(form, boxes.first(), "7");
    cancel(form);
    QVERIFY(!form->isLoaded());
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(slot)), sample);
    QVERIFY(!Editglob::DataChanged);
}

void TestEntryForm::acceptSetsDataChanged()
{
    // Accepting what was read writes it back unchanged.
    QFETCH(QString, name);
    QFETCH(int, slot);
    QFETCH(QByteArray, sample);
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(slot), sample);
    Editglob::DataChanged = false;
    EntryForm *form = open(name);
    accept(form);
    QVERIFY(!form->isLoaded());
    QVERIFY(Editglob::DataChanged);
    QCOMPARE(ProgramFolder::readBytes(folder.tmp(slot)), sample);
}

void TestEntryForm::acceptRefusesRedBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("field");
    QTest::newRow("frmQV31") << "frmQV31" << 3 << "-5" << "Minimum Hydrograph Value";
    QTest::newRow("frmDurInc") << "frmDurInc" << 2 << "-1" << "1st Duration";
    QTest::newRow("frmGlobal") << "frmGlobal" << 3 << "0.009" << "Print Time Increment";
    QTest::newRow("frmTimeA") << "frmTimeA" << 5 << "-2" << "Elevation Increment";
}

// A value shown red never reaches the working file: Accept names the field
// and puts the focus there; once corrected, Accept goes through.
void TestEntryForm::acceptRefusesRedBox()
{
    QFETCH(QString, name);
    QFETCH(int, n);
    QFETCH(QString, bad);
    QFETCH(QString, field);
    ProgramFolder folder;
    Editglob::DataChanged = false;
    EntryForm *form = open(name);
    type(form, n, bad);
    tab(form, n);
    QCOMPARE(color(form, n), Colors::Red);
    box(form, 1 + n % 3)->setFocus(Qt::MouseFocusReason);

    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(script.messages().size(), 1);
    QVERIFY2(script.messages().first().contains(QLatin1Char('"') + field + QLatin1Char('"')),
             qPrintable(script.messages().first()));
    QVERIFY(form->isLoaded());
    QCOMPARE(focused(), box(form, n));
    QVERIFY(!Editglob::DataChanged);
    QVERIFY(ProgramFolder::readBytes(folder.tmp(form->TmpSlot)).isEmpty());

    retype(form, n, "5");
    tab(form, n);
    accept(form);
    QVERIFY(!form->isLoaded());
    QVERIFY(Editglob::DataChanged);
    QVERIFY(!ProgramFolder::readBytes(folder.tmp(form->TmpSlot)).contains(bad.toLatin1()));
}

void TestEntryForm::unwritableFileKeepsWindowOpen()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(int, slot);
    QFETCH(QList<int>, boxes);
    ProgramFolder folder;
    Editglob::DataChanged = false;
    EntryForm *form = open(name);
    retype(form, boxes.first(), "5");
    // A folder where the working file should be: it cannot be replaced.
    QVERIFY(QDir().mkpath(folder.tmp(slot)));
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    accept(form);
    QCOMPARE(script.asked().size(), 1);
    const Dialogs::Request &asked = script.asked().first();
    QVERIFY2(asked.text.contains(folder.tmp(slot)), qPrintable(asked.text));
    QVERIFY(asked.text.size() > QString("The working file  could not be written: ").size() + folder.tmp(slot).size());
    QCOMPARE(asked.title, title);
    QVERIFY(form->isLoaded());
    QVERIFY(form->isVisible());
    QVERIFY(!Editglob::DataChanged);
    QCOMPARE(box(form, boxes.first())->text(), QString("5"));

    // Once it can be written, Accept goes through.
    QVERIFY(QDir(folder.tmp(slot)).removeRecursively());
    accept(form);
    QVERIFY(!form->isLoaded());
    QVERIFY(Editglob::DataChanged);
    const QByteArray written = ProgramFolder::readBytes(folder.tmp(slot));
    QVERIFY(written.contains("5.") || written.contains("5 "));
}

void TestEntryForm::boxesNeverOutgrowTheirField()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, boxes);
    QFETCH(QList<int>, widths);
    ProgramFolder folder;
    EntryForm *form = open(name);
    for (int i = 0; i < boxes.size(); ++i) {
        QLineEdit *b = box(form, boxes[i]);
        QCOMPARE(b->maxLength(), widths[i]);
        b->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(b, QString(widths[i] + 5, QLatin1Char('9')));
        QCOMPARE(b->text().size(), widths[i]);
    }
}

void TestEntryForm::otherKeysReachTheBox()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, boxes);
    ProgramFolder folder;
    EntryForm *form = open(name);
    const int n = boxes.first();
    type(form, n, "12");
    QTest::keyClick(box(form, n), Qt::Key_Backspace);
    QTest::keyClick(box(form, n), Qt::Key_Home);
    QTest::keyClicks(box(form, n), "-");
    QCOMPARE(box(form, n)->text(), QString("-1"));
    QCOMPARE(focused(), box(form, n));
}

void TestEntryForm::openedFromTheSectionList()
{
    QFETCH(QString, name);
    QVERIFY(Forms::isRegistered(name));
    QCOMPARE(Forms::get(name)->objectName(), name);
}

void TestEntryForm::tabChecksAsEnterDoes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("id"); // typed into the identifier combo first, left with the same key
    QTest::addColumn<int>("n");      // 0: the identifier alone
    QTest::addColumn<QString>("good");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<bool>("active"); // keys reach the window while another one is active
    const auto row = [](const char *name, const char *id, int n, const char *good, const char *bad) {
        for (const bool active : {true, false})
            QTest::addRow("%s%s", name, active ? "" : ", not active")
                << QString::fromLatin1(name) << QString::fromLatin1(id) << n << QString::fromLatin1(good)
                << QString::fromLatin1(bad) << active;
    };
    row("frmQV31", "", 3, "5", "-5");
    row("frmDurInc", "", 2, "5", "-1");
    row("frmTimeA", "", 5, "5", "-2");
    row("frmStorm", "S1", 3, "2", "-1");
    row("frmLocalLanduse", "MyUse", 2, "80", "120");
    row("frmSubArea", "A1", 4, "10", "0");
    row("frmReaches", "R1", 5, "100", "0");
    row("frmLocalSoil", "MySoil", 0, "", "");
}

// Leaving a box or the identifier combo with Tab checks and colours it as
// Enter does, also in a window that is not the active one (Qt then moves its
// focus without focus events).
void TestEntryForm::tabChecksAsEnterDoes()
{
    QFETCH(QString, name);
    QFETCH(QString, id);
    QFETCH(int, n);
    QFETCH(QString, good);
    QFETCH(QString, bad);
    QFETCH(bool, active);
    ProgramFolder folder;
    QHash<int, int> colors; // good and bad, by key
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
        EntryForm *form = open(name);
        QWidget other;
        if (!active)
            QVERIFY(activateOther(other, form));
        if (!id.isEmpty()) {
            auto *combo = control<QComboBox>(form, QStringLiteral("Cmbinp_1"));
            combo->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(combo->lineEdit(), id);
            QTest::keyClick(combo->lineEdit(), key);
            QCOMPARE(box(form, 1)->text(), id); // taken
        }
        if (n > 0) {
            retype(form, n, good);
            QTest::keyClick(box(form, n), key);
            const int passed = color(form, n);
            retype(form, n, bad);
            QTest::keyClick(box(form, n), key);
            QCOMPARE(color(form, n), Colors::Red);
            if (key == Qt::Key_Return)
                colors.insert(0, passed);
            else
                QCOMPARE(passed, colors.value(0));
            QVERIFY(passed != Colors::Red);
        }
        cancel(form);
    }
}

QTEST_MAIN(TestEntryForm)
#include "tst_entryform.moc"
