// The time-of-concentration window, opened as the sub-area window opens it:
// modal, on copies of the records, handing back the records it changed.
#include "ComboMouse.h"
#include "DialogScript.h"
#include "ProgramFolder.h"
#include "tests/setup/EntryDriver.h"

#include "core/Colors.h"
#include "core/Help_Stuff.h"
#include "core/logic/IdentifierLists.h"
#include "core/logic/Editglob.h"
#include "sections/common/EntryForm.h"
#include "sections/runoff/frmTc.h"
#include "sections/setup/logic/UnitSystem.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <optional>

namespace {

// Segment fields 12 to 24 as "sheet L,s,n,code; shallow L,s,code; channel L,s,n,A,P,V".
SubAreaRecord record(const char *id, const char *gage, const char *tc, const char *segments)
{
    SubAreaRecord r;
    r.Field[1] = QString::fromLatin1(id);
    r.Field[2] = QStringLiteral("OUTLET");
    r.Field[3] = QString::fromLatin1(gage);
    r.Field[4] = QStringLiteral("1.5");
    r.Field[6] = QString::fromLatin1(tc);
    int f = 12;
    for (const QString &group : QString::fromLatin1(segments).split(QLatin1Char(';')))
        for (const QString &item : group.split(QLatin1Char(',')))
            r.Field[std::size_t(f++)] = item.trimmed();
    if (f != 25)
        qFatal("bad segments %s", segments);
    r.Land.append({QStringLiteral("Pasture"), QStringLiteral("B"), QStringLiteral("1.5")});
    return r;
}

const char *const WorkedExample = "100,.01,,F; 500,.02,U; 2000,.01,.04,10,8,";
const char *const NoSegments = ",,,; ,,; ,,,,,";

struct Opened
{
    frmTc *form = nullptr;
    std::optional<QList<SubAreaRecord>> handedBack;
};

class TcFixture
{
public:
    TcFixture()
    {
        using namespace Editglob;
        RainGageIds = {QString(), QStringLiteral("G1"), QStringLiteral("G2")};
        RainGageTwoYear = {0.0f, 2.7f, 3.5f};
        RainGageCount = 2;
        SetUnitSystem(true, true);
        owner.setObjectName(QStringLiteral("frmSubArea"));
        owner.show();
    }

    // Opens the window over the owner on `records`, showing `current`.
    frmTc *open(const QList<SubAreaRecord> &records, int current, int alternate = 0)
    {
        SubAreaDetailRequest request;
        request.SubAreas = records;
        request.Current = current;
        request.Alternate = alternate;
        request.AlternateId = alternate ? QStringLiteral("ALT2") : QString();
        request.OnReturn = [this](const QList<ReturnedSubArea> &changed) {
            handedBack.emplace();
            places.clear();
            for (const ReturnedSubArea &r : changed) {
                handedBack->append(r.Record);
                places << r.Index;
            }
        };
        auto *form = qobject_cast<frmTc *>(Forms::get(QStringLiteral("frmTc")));
        if (!form)
            return nullptr;
        form->OpenOn(&owner, request);
        QApplication::setActiveWindow(form);
        if (!QTest::qWaitForWindowActive(form))
            qWarning("frmTc not active");
        return form;
    }

    ProgramFolder folder;
    QWidget owner;
    std::optional<QList<SubAreaRecord>> handedBack;
    QList<int> places; // of the records handed back, in the list handed over
};

QLineEdit *box(QWidget *form, int n)
{
    return form->findChild<QLineEdit *>(QStringLiteral("txtinp_") + QString::number(n));
}
QComboBox *combo(QWidget *form, int n)
{
    return form->findChild<QComboBox *>(QStringLiteral("Cmbinp_") + QString::number(n));
}
QWidget *control(QWidget *form, int n)
{
    if (n == 1 || n == 15 || n == 18)
        return combo(form, n);
    return box(form, n);
}
int color(QWidget *form, int n) { return EntryForm::BackColor(box(form, n)); }
QWidget *focused() { return QApplication::focusWidget(); }

void key(QWidget *form, int n, Qt::Key k) { QTest::keyClick(control(form, n), k); }

// Types `text` into box n (replacing its text) and leaves it with `k`.
void typeInto(QWidget *form, int n, const QString &text, Qt::Key k = Qt::Key_Return)
{
    QLineEdit *b = box(form, n);
    b->setFocus(Qt::MouseFocusReason);
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    QTest::keyClicks(b, text);
    QTest::keyClick(b, k);
}

// Chooses entry `entry` of list n, as a click in its drop-down does, and
// leaves it with `k`.
void choose(QWidget *form, int n, int entry, Qt::Key k = Qt::Key_Return)
{
    QComboBox *c = combo(form, n);
    c->setFocus(Qt::MouseFocusReason);
    c->setCurrentIndex(entry);
    QTest::keyClick(c, k);
}

QStringList results(QWidget *form)
{
    QStringList texts;
    for (int n : {25, 26, 27, 28, 24, 29})
        texts << box(form, n)->text();
    return texts;
}

QStringList segments(const SubAreaRecord &r)
{
    QStringList texts;
    for (int f = 12; f <= 24; ++f)
        texts << r.Field[std::size_t(f)];
    return texts;
}

QStringList listEntries(QComboBox *c)
{
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items << c->itemText(i);
    return items;
}

} // namespace

class TestTc : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { qDeleteAll(Forms::created()); }
    void opensModalOnTheRequest();
    void entersSegmentsAndHandsBackWhatChanged();
    void nextField_data();
    void nextField();
    void switchingSubAreasKeepsBothEdits();
    void keysLeaveAListInAWindowNotActive_data();
    void keysLeaveAListInAWindowNotActive();
    void surfaceCodes();
    void surfacePickedWithTheMouse_data();
    void surfacePickedWithTheMouse();
    void emptiedEntriesEmptyTheirResults_data();
    void emptiedEntriesEmptyTheirResults();
    void subAreaPickedWithTheMouse();
    void surfaceCodesAnywhereInTheirField_data();
    void surfaceCodesAnywhereInTheirField();
    void surfaceListsPassedThroughKeepTheRecord_data();
    void surfaceListsPassedThroughKeepTheRecord();
    void manningNKeepsTheCodeUnlessTyped_data();
    void manningNKeepsTheCodeUnlessTyped();
    void failingValueOfOneOfTwoNamesAlike();
    void resultFieldsTakeNoFocus();
    void rainfall();
    void deleteAsksAndEmpties();
    void noCurrentSubArea();
    void subAreaWithATcOfItsOwnAndSegments();
    void help();
};

void TestTc::opensModalOnTheRequest()
{
    TcFixture fx;
    frmTc *form = fx.open({record("A", "g2 ", "", WorkedExample), record("B", "G1", "1.5", NoSegments),
                           record("C", "NONE", "", NoSegments)},
                          0, 2);
    QVERIFY(form);
    QCOMPARE(QApplication::activeModalWidget(), form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Time of Concentration   Current File - ") + Editglob::FileName);
    QCOMPARE(Help_Stuff::FormHelpKey, QStringLiteral("AR"));
    QCOMPARE(form->findChild<QPushButton *>(QStringLiteral("cmdFinished"))->text(),
             QStringLiteral("Return to Sub-Area"));
    QVERIFY(!form->findChild<QPushButton *>(QStringLiteral("cmdCancel")));
    QVERIFY(form->findChild<QPushButton *>(QStringLiteral("cmdDelCur"))->isVisible());
    auto *alternate = form->findChild<QLabel *>(QStringLiteral("lblStatic_2"));
    QVERIFY(alternate->isVisible());
    QCOMPARE(alternate->text(), QStringLiteral("ALT2"));
    QCOMPARE(form->findChild<QLabel *>(QStringLiteral("lblInUnit_22"))->text(), QStringLiteral("sq ft"));
    QCOMPARE(form->findChild<QLabel *>(QStringLiteral("lblInUnit_24"))->text(), QStringLiteral("ft/sec"));

    // Sub-areas with a Tc of their own are not offered.
    QCOMPARE(listEntries(combo(form, 1)), (QStringList{QString(), "A", "C"}));
    QCOMPARE(combo(form, 1)->currentText(), QStringLiteral("A"));
    QCOMPARE(focused(), combo(form, 1));
    QCOMPARE(combo(form, 15)->currentText(), QStringLiteral("F Grass (Dense)"));
    QCOMPARE(combo(form, 18)->currentText(), QStringLiteral("Unpaved"));
    QCOMPARE(box(form, 0)->text(), QStringLiteral("3.5"));
    QVERIFY(!form->findChild<QLabel *>(QStringLiteral("lblInput_2"))->isVisible());
    QCOMPARE(results(form), (QStringList{"2.282", "0.3", "0.061", "0.129", "4.322", "0.49"}));

    // The close box discards: nothing is handed back.
    form->close();
    QVERIFY(!form->isLoaded());
    QVERIFY(!fx.handedBack);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestTc::entersSegmentsAndHandsBackWhatChanged()
{
    TcFixture fx;
    const SubAreaRecord a = record("A", "G1", "", NoSegments);
    // Another sub-area, stored with a lower-case code from a file: shown but
    // not edited, so not handed back.
    const SubAreaRecord b = record("B", "G2", "", "100,.01,,f; 500,.02,u; ,,,,,");
    frmTc *form = fx.open({a, b}, 0);

    key(form, 1, Qt::Key_Return);
    QCOMPARE(form->TcRow(), 1);
    QCOMPARE(focused(), box(form, 12));
    typeInto(form, 12, QStringLiteral("100"));
    QCOMPARE(focused(), box(form, 13));
    typeInto(form, 13, QStringLiteral("0.01"));
    // No code stored: the blank surface entry leads to the surface list.
    QCOMPARE(focused(), combo(form, 15));
    choose(form, 15, 6);
    QCOMPARE(focused(), box(form, 16));
    QCOMPARE(box(form, 15)->text(), QStringLiteral("F"));
    // Rain 2.7: 0.007 * 24^0.8 / (2.7^0.5 * 0.01^0.4) = 0.34165.
    QCOMPARE(box(form, 26)->text(), QStringLiteral("0.342"));
    QCOMPARE(box(form, 29)->text(), QStringLiteral("0.342"));
    typeInto(form, 16, QStringLiteral("500"));
    typeInto(form, 17, QStringLiteral(".02"), Qt::Key_Tab);
    QCOMPARE(focused(), combo(form, 18));
    choose(form, 18, 2, Qt::Key_Tab);
    QCOMPARE(focused(), box(form, 19));
    QCOMPARE(box(form, 27)->text(), QStringLiteral("0.061"));
    for (auto [n, text] : {std::pair{19, "2000"}, {20, ".01"}, {21, ".04"}, {22, "10"}, {23, "8"}})
        typeInto(form, n, QString::fromLatin1(text));
    QCOMPARE(box(form, 24)->text(), QStringLiteral("4.322"));
    key(form, 24, Qt::Key_Return);
    QCOMPARE(focused(), box(form, 12));
    QCOMPARE(box(form, 29)->text(), QStringLiteral("0.532"));
    QCOMPARE(color(form, 23), Colors::Cyan);

    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QVERIFY(!form->isLoaded());
    QVERIFY(fx.handedBack);
    QCOMPARE(fx.handedBack->size(), 1);
    const SubAreaRecord &back = fx.handedBack->first();
    QCOMPARE(segments(back), (QStringList{"100", "0.01", "", "F", "500", ".02", "U", "2000", ".01", ".04", "10",
                                          "8", "4.322"}));
    // Everything else is the record as handed over.
    for (int f : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 25})
        QCOMPARE(back.Field[std::size_t(f)], a.Field[std::size_t(f)]);
    QCOMPARE(back.Land.size(), 1);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // Opened again without a request, it holds nothing of the last one and
    // hands nothing back.
    fx.handedBack.reset();
    Globsubs::ShowForm(form);
    QCOMPARE(listEntries(combo(form, 1)), QStringList{QString()});
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QVERIFY(!form->isLoaded());
    QVERIFY(!fx.handedBack);
}

void TestTc::nextField_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed"); // null: leave the field as shown
    QTest::addColumn<QString>("next");
    QTest::addColumn<int>("colour");

    const QList<std::tuple<const char *, int, const char *, const char *, int>> cases{
        {"identifier", 1, nullptr, "txtinp_12", -1},
        {"sheet slope, no n", 13, nullptr, "Cmbinp_15", Colors::Cyan},
        {"n accepted goes past the surface", 14, "0.24", "txtinp_16", Colors::Cyan},
        {"invalid n with a surface", 14, "5", "Cmbinp_15", Colors::Red},
        {"invalid length stays", 16, "abc", "txtinp_16", Colors::Red},
        {"sheet length over 100 stays", 12, "101", "txtinp_12", Colors::Red},
        {"surface list", 15, nullptr, "txtinp_16", -1},
        {"shallow slope", 17, nullptr, "Cmbinp_18", Colors::Cyan},
        {"shallow surface", 18, nullptr, "txtinp_19", -1},
        {"channel velocity wraps", 24, nullptr, "txtinp_12", Colors::Cyan},
    };
    for (const auto &[name, field, typed, next, colour] : cases)
        for (const char *k : {"Enter", "Tab"})
            QTest::addRow("%s, %s", name, k) << field << (typed ? QString::fromLatin1(typed) : QString())
                                             << QString::fromLatin1(next) << colour;
}

void TestTc::nextField()
{
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, next);
    QFETCH(int, colour);
    const Qt::Key k = QString::fromLatin1(QTest::currentDataTag()).endsWith(QLatin1String("Tab")) ? Qt::Key_Tab
                                                                                                  : Qt::Key_Return;
    TcFixture fx;
    frmTc *form = fx.open({record("A", "G1", "", "100,.01,,; 500,.02,U; 2000,,,,,4")}, 0);
    key(form, 1, Qt::Key_Tab);
    QCOMPARE(form->TcRow(), 1);
    QCOMPARE(box(form, 15)->text(), QStringLiteral(" "));
    if (!typed.isNull()) {
        typeInto(form, field, typed, k);
    } else {
        control(form, field)->setFocus(Qt::MouseFocusReason);
        key(form, field, k);
    }
    QCOMPARE(focused()->objectName(), next);
    if (colour >= 0)
        QCOMPARE(color(form, field), colour);
}

void TestTc::switchingSubAreasKeepsBothEdits()
{
    TcFixture fx;
    frmTc *form = fx.open({record("A", "G2", "", WorkedExample), record("B", "G2", "2", NoSegments),
                           record("C", "G2", "", "100,.01,,F; ,.02,U; ,,,,,")},
                          0);
    key(form, 1, Qt::Key_Return);
    typeInto(form, 12, QStringLiteral("90"));
    QCOMPARE(box(form, 26)->text(), QStringLiteral("0.276"));
    // Back to the list and out again on the same sub-area: the edit stays.
    choose(form, 1, 1);
    QCOMPARE(box(form, 12)->text(), QStringLiteral("90"));
    choose(form, 1, 2);
    QCOMPARE(form->TcRow(), 3);
    QCOMPARE(box(form, 12)->text(), QStringLiteral("100"));
    // C has no shallow length: its time and the total are empty, not another's.
    QCOMPARE(box(form, 27)->text(), QString());
    QCOMPARE(box(form, 25)->text(), QString());
    typeInto(form, 16, QStringLiteral("400"));
    QCOMPARE(box(form, 27)->text(), QStringLiteral("0.049"));
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QVERIFY(fx.handedBack);
    QCOMPARE(fx.handedBack->size(), 2);
    QCOMPARE(fx.handedBack->at(0).SubAreaId(), QStringLiteral("A"));
    QCOMPARE(fx.handedBack->at(0).Field[12], QStringLiteral("90"));
    QCOMPARE(fx.handedBack->at(1).SubAreaId(), QStringLiteral("C"));
    QCOMPARE(fx.handedBack->at(1).Field[16], QStringLiteral("400"));
    QCOMPARE(fx.handedBack->at(1).Field[18], QStringLiteral("U"));
}

void TestTc::keysLeaveAListInAWindowNotActive_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Enter") << Qt::Key_Return;
    QTest::newRow("Tab") << Qt::Key_Tab;
}

// Qt moves the focus of a window that is not the active one without focus
// events: leaving the sub-area list by a key still chooses the sub-area.
void TestTc::keysLeaveAListInAWindowNotActive()
{
    QFETCH(Qt::Key, key);
    TcFixture fx;
    frmTc *form = fx.open({record("A", "G2", "", WorkedExample), record("B", "G2", "2", NoSegments),
                           record("C", "G2", "", "100,.01,,F; ,.02,U; ,,,,,")},
                          0);
    QWidget other;
    QVERIFY(EntryDriver::activateOther(other, form));
    choose(form, 1, 2, key);
    QCOMPARE(form->TcRow(), 3);
    QCOMPARE(box(form, 12)->text(), QStringLiteral("100"));
    form->close();
}

void TestTc::surfaceCodes()
{
    TcFixture fx;
    frmTc *form = fx.open({record("A", "G2", "", "100,.01,,f; 500,.02,u; ,,,,,"),
                           record("B", "G2", "", "100,.01,.24,; 500,.02,x; 2000,,,,,4")},
                          0);
    // Codes stored in lower case are the surfaces they name.
    QCOMPARE(combo(form, 15)->currentText(), QStringLiteral("F Grass (Dense)"));
    QCOMPARE(combo(form, 18)->currentText(), QStringLiteral("Unpaved"));
    QCOMPARE(box(form, 26)->text(), QStringLiteral("0.3"));
    QCOMPARE(box(form, 25)->text(), QStringLiteral("2.282"));

    // An unknown shallow code shows no velocity and no time.
    choose(form, 1, 2);
    QCOMPARE(form->TcRow(), 2);
    QCOMPARE(combo(form, 18)->currentIndex(), -1);
    QCOMPARE(box(form, 25)->text(), QString());
    QCOMPARE(box(form, 27)->text(), QString());
    QCOMPARE(box(form, 29)->text(), QStringLiteral("0.439"));

    // A surface replaces the typed n, and a typed n the surface.
    choose(form, 15, 1);
    QCOMPARE(box(form, 14)->text(), QString());
    QCOMPARE(box(form, 15)->text(), QStringLiteral("A"));
    typeInto(form, 14, QStringLiteral("0.24"));
    QCOMPARE(box(form, 15)->text(), QString());
    QCOMPARE(combo(form, 15)->currentIndex(), 0);
    // From now on the slope leads to the n.
    box(form, 13)->setFocus(Qt::MouseFocusReason);
    key(form, 13, Qt::Key_Return);
    QCOMPARE(focused(), box(form, 14));
    // The blank surface entry is not checked. The shallow flow it leaves
    // has no time, and the total is shown only after a complete segment.
    QStringList expected = results(form);
    expected.last().clear();
    choose(form, 18, 0);
    QCOMPARE(box(form, 18)->text(), QStringLiteral(" "));
    QCOMPARE(results(form), expected);

    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    // A untouched keeps its codes as stored; B's surface codes go back as
    // letters or blank.
    QCOMPARE(fx.handedBack->size(), 1);
    QCOMPARE(fx.handedBack->at(0).SubAreaId(), QStringLiteral("B"));
    QCOMPARE(fx.handedBack->at(0).Field[14], QStringLiteral("0.24"));
    QCOMPARE(fx.handedBack->at(0).Field[15], QString());
    QCOMPARE(fx.handedBack->at(0).Field[18], QStringLiteral(" "));
}

void TestTc::surfacePickedWithTheMouse_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("typedN");      // typed into box 14 first; null none
    QTest::addColumn<int>("leaveTo");         // the box clicked after the pick; 0 "Return to Sub-Area"
    QTest::addColumn<QStringList>("shown");   // boxes 14, 25, 26 and 27 once picked
    QTest::addColumn<QStringList>("kept");    // fields 14, 15 and 18 handed back

    // "A Smooth Surface" replaces n (E gave 0.178); "Paved" gives the shallow
    // flow its velocity.
    const QStringList sheet{"", "", "0.022", ""};
    const QStringList shallow{"0.24", "2.875", "0.178", "0.048"};
    QTest::newRow("sheet, then another box") << 15 << 1 << QString() << 16 << sheet << QStringList{"", "A", ""};
    QTest::newRow("sheet, then Return") << 15 << 1 << QString() << 0 << sheet << QStringList{"", "A", ""};
    QTest::newRow("shallow, then another box") << 18 << 1 << QString() << 19 << shallow
                                               << QStringList{"0.24", "E", "P"};
    QTest::newRow("shallow, then Return") << 18 << 1 << QString() << 0 << shallow << QStringList{"0.24", "E", "P"};
    // "B Fallow" replaces the n typed (0.15 gave 0.178).
    QTest::newRow("sheet after a typed n, then Return")
        << 15 << 2 << QStringLiteral("0.15") << 0 << QStringList{"", "", "0.074", ""} << QStringList{"", "B", ""};
}

// A surface picked with the mouse in its list's drop-down shows at once what
// will be handed back, and stays taken when the focus goes on to another
// control: opening and closing the drop-down is not leaving the list.
void TestTc::surfacePickedWithTheMouse()
{
    QFETCH(int, list);
    QFETCH(int, entry);
    QFETCH(QString, typedN);
    QFETCH(int, leaveTo);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, kept);
    TcFixture fx;
    frmTc *form = fx.open({record("NORTH", "G1", "", "100,0.02,0.24,E; 500,.02,; ,,,,,")}, 0);
    if (!typedN.isNull())
        typeInto(form, 14, typedN);
    auto shownTexts = [form] {
        return QStringList{box(form, 14)->text(), box(form, 25)->text(), box(form, 26)->text(),
                           box(form, 27)->text()};
    };
    QVERIFY(ComboMouse::Pick(combo(form, list), entry));
    QCOMPARE(focused(), combo(form, list));
    QCOMPARE(shownTexts(), shown);

    if (leaveTo) {
        QTest::mouseClick(box(form, leaveTo), Qt::LeftButton);
        QCOMPARE(focused(), box(form, leaveTo));
        QCOMPARE(shownTexts(), shown);
    }
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QVERIFY(!form->isLoaded());
    QVERIFY(fx.handedBack);
    QCOMPARE(fx.handedBack->size(), 1);
    const SubAreaRecord &back = fx.handedBack->first();
    QCOMPARE((QStringList{back.Field[14], back.Field[15], back.Field[18]}), kept);
}

void TestTc::emptiedEntriesEmptyTheirResults_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("by");            // a list: "mouse" or "keys"; a box emptied, left by "Tab", "Enter" or "mouse"
    QTest::addColumn<QStringList>("shown");     // boxes 25, 26, 27, 28, 24 and 29 once done
    QTest::addColumn<QString>("handed");        // the field handed back

    // Shown at first: 2.875, 0.3, 0.048, 0.129, 4.322 and the total 0.477.
    const QStringList noSheet{"2.875", "", "0.048", "0.129", "4.322", ""};
    const QStringList noShallow{"", "0.3", "", "0.129", "4.322", ""};
    for (const char *by : {"mouse", "keys"}) {
        QTest::addRow("blank sheet surface, %s", by) << 15 << by << noSheet << " ";
        QTest::addRow("blank shallow surface, %s", by) << 18 << by << noShallow << " ";
    }
    QTest::newRow("sheet length, Tab") << 12 << "Tab" << noSheet << "";
    QTest::newRow("sheet slope, mouse") << 13 << "mouse" << noSheet << "";
    QTest::newRow("shallow length, Tab") << 16 << "Tab" << noShallow << "";
    QTest::newRow("shallow slope, Enter") << 17 << "Enter" << noShallow << "";
    QTest::newRow("channel length, mouse") << 19 << "mouse" << QStringList{"2.875", "0.3", "0.048", "", "4.322", ""}
                                           << "";
    // Without its geometry, the channel keeps the velocity shown.
    QTest::newRow("channel n, Tab") << 21 << "Tab" << QStringList{"2.875", "0.3", "0.048", "0.129", "4.322", "0.477"}
                                    << "";
}

// A blank surface chosen or a field emptied is not checked, but the results
// shown at once are those of the segment as it will be handed back: an
// incomplete segment shows none.
void TestTc::emptiedEntriesEmptyTheirResults()
{
    QFETCH(int, field);
    QFETCH(QString, by);
    QFETCH(QStringList, shown);
    QFETCH(QString, handed);
    TcFixture fx;
    frmTc *form = fx.open({record("A", "G2", "", "100,.01,,F; 500,.02,P; 2000,.01,.04,10,8,")}, 0);
    QCOMPARE(results(form), (QStringList{"2.875", "0.3", "0.048", "0.129", "4.322", "0.477"}));
    const int elsewhere = field < 19 ? 20 : 12; // a box of another segment
    if (field == 15 || field == 18) {
        QComboBox *list = combo(form, field);
        if (by == QLatin1String("mouse")) {
            QVERIFY(ComboMouse::Pick(list, 0));
        } else {
            list->setFocus(Qt::TabFocusReason);
            QTest::keyClick(list, Qt::Key_Home);
        }
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(results(form), shown);
        QTest::mouseClick(box(form, elsewhere), Qt::LeftButton);
    } else {
        QLineEdit *b = box(form, field);
        b->setFocus(Qt::MouseFocusReason);
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        if (by == QLatin1String("mouse"))
            QTest::mouseClick(box(form, elsewhere), Qt::LeftButton);
        else
            QTest::keyClick(b, by == QLatin1String("Tab") ? Qt::Key_Tab : Qt::Key_Return);
    }
    QVERIFY(focused() != control(form, field));
    QCOMPARE(results(form), shown);

    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QVERIFY(fx.handedBack);
    QCOMPARE(fx.handedBack->size(), 1);
    QCOMPARE(fx.handedBack->first().Field[std::size_t(field)], handed);
}

// The sub-area list too: the sub-area picked in its drop-down is the one
// edited once the focus goes on.
void TestTc::subAreaPickedWithTheMouse()
{
    TcFixture fx;
    frmTc *form = fx.open({record("A", "G2", "", WorkedExample), record("B", "G2", "", "60,.01,,F; ,,; ,,,,,")}, 0);
    QVERIFY(ComboMouse::Pick(combo(form, 1), 2));
    QTest::mouseClick(box(form, 13), Qt::LeftButton);
    QCOMPARE(form->TcRow(), 2);
    QCOMPARE(box(form, 12)->text(), QStringLiteral("60"));
    typeInto(form, 13, QStringLiteral("0.02"));
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QCOMPARE(fx.places, QList<int>{1});
    QCOMPARE(fx.handedBack->value(0).Field[13], QStringLiteral("0.02"));
}

// As an alternate holds them: the codes where the line had them in their
// columns. They are the surfaces they name, and a Return with nothing changed
// hands nothing back.
void TestTc::surfaceCodesAnywhereInTheirField_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("shallow");
    QTest::addColumn<QString>("sheetEntry");
    QTest::addColumn<QString>("shallowEntry");
    QTest::newRow("capitals, shifted") << " A        " << "  P" << "A Smooth Surface" << "Paved";
    QTest::newRow("small letters") << "a" << "u" << "A Smooth Surface" << "Unpaved";
    QTest::newRow("small letters, shifted") << "  g" << " p" << "G Grass (Bermuda)" << "Paved";
}

// A stored code is its first letter that is not a blank, in either case: the
// lists show it, the travel times use it, and passing through its list
// without choosing hands nothing back.
void TestTc::surfaceCodesAnywhereInTheirField()
{
    QFETCH(QString, sheet);
    QFETCH(QString, shallow);
    QFETCH(QString, sheetEntry);
    QFETCH(QString, shallowEntry);
    TcFixture fx;
    SubAreaRecord a = record("A", "G2", "", "100,.01,,; 500,.02,; ,,,,,");
    a.Field[15] = sheet;
    a.Field[18] = shallow;
    frmTc *form = fx.open({a}, 0);
    QCOMPARE(combo(form, 15)->currentText(), sheetEntry);
    QCOMPARE(combo(form, 18)->currentText(), shallowEntry);
    QVERIFY(!box(form, 26)->text().isEmpty());
    QVERIFY(!box(form, 27)->text().isEmpty());
    key(form, 1, Qt::Key_Return);
    for (int n : {15, 18}) {
        combo(form, n)->setFocus(Qt::TabFocusReason);
        QCOMPARE(focused(), combo(form, n));
        key(form, n, Qt::Key_Tab);
        QCOMPARE(color(form, n), Colors::Cyan);
    }
    QCOMPARE(combo(form, 15)->currentText(), sheetEntry);
    QCOMPARE(combo(form, 18)->currentText(), shallowEntry);
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QVERIFY(fx.handedBack);
    QCOMPARE(fx.handedBack->size(), 0);
}

void TestTc::surfaceListsPassedThroughKeepTheRecord_data()
{
    QTest::addColumn<QString>("segments");
    QTest::addColumn<Qt::Key>("leaveBy");
    QTest::addColumn<QString>("refusal"); // Return's message; empty: nothing handed back

    // A reader of the file takes the n beside a code in small letters.
    QTest::newRow("code in small letters with an n") << "100,.01,.24,a; ,,; ,,,,," << Qt::Key_Tab << QString();
    QTest::newRow("code with an n") << "100,.01,.24,E; ,,; ,,,,," << Qt::Key_Tab << QString();
    QTest::newRow("sheet code the list lacks") << "100,.01,,K; ,,; ,,,,," << Qt::Key_Return << QString();
    QTest::newRow("shallow code the list lacks")
        << ",,,; 500,.02,X; ,,,,," << Qt::Key_Return
        << "Sub-Area A - Shallow Concentrated Flow Surface: \"X\" is not a valid value.";
}

// Every field passed through by its key, the surface lists among them, and
// then Return: the codes and the n stay as stored, and a code that fails its
// check is told of.
void TestTc::surfaceListsPassedThroughKeepTheRecord()
{
    QFETCH(QString, segments);
    QFETCH(Qt::Key, leaveBy);
    QFETCH(QString, refusal);
    TcFixture fx;
    DialogScript script;
    frmTc *form = fx.open({record("A", "G2", "", segments.toLatin1().constData())}, 0);
    key(form, 1, leaveBy);
    QCOMPARE(focused(), box(form, 12));
    for (int n = 0; n < 12; ++n)
        QTest::keyClick(focused(), leaveBy);
    if (!refusal.isEmpty())
        script.answer(Dialogs::Answer::OK);
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QVERIFY(!script.unexpected());
    if (refusal.isEmpty()) {
        QVERIFY(script.asked().isEmpty());
        QVERIFY(fx.handedBack);
        QCOMPARE(fx.handedBack->size(), 0);
    } else {
        QCOMPARE(script.messages(), QStringList{refusal});
        QVERIFY(form->isLoaded());
        form->close();
    }
}

void TestTc::manningNKeepsTheCodeUnlessTyped_data()
{
    QTest::addColumn<QString>("segments");
    QTest::addColumn<QString>("typed");      // into box 14 once clicked; null: nothing
    QTest::addColumn<QString>("leaveBy");    // "Tab", "Enter" or "mouse" (a click in box 16)
    QTest::addColumn<QStringList>("handed"); // fields 14 and 15 handed back; empty: nothing

    const QString code = QStringLiteral("100,.01,.24,E; ,,; ,,,,,");
    for (const char *by : {"Tab", "Enter", "mouse"})
        QTest::addRow("n beside a code, %s", by) << code << QString() << by << QStringList();
    QTest::newRow("n beside a code in small letters, mouse")
        << "100,.01,.24,a; ,,; ,,,,," << QString() << "mouse" << QStringList();
    QTest::newRow("n typed, Enter") << code << "0.3" << "Enter" << QStringList{"0.3", ""};
    QTest::newRow("n typed, mouse") << code << "0.3" << "mouse" << QStringList{"0.3", ""};
}

// The n box clicked into and left: only an n typed there replaces the code
// beside it, and the slope leads to the surface while the code stays.
void TestTc::manningNKeepsTheCodeUnlessTyped()
{
    QFETCH(QString, segments);
    QFETCH(QString, typed);
    QFETCH(QString, leaveBy);
    QFETCH(QStringList, handed);
    TcFixture fx;
    frmTc *form = fx.open({record("A", "G2", "", segments.toLatin1().constData())}, 0);
    key(form, 1, Qt::Key_Tab);
    const QString entry = combo(form, 15)->currentText();
    QTest::mouseClick(box(form, 14), Qt::LeftButton);
    QCOMPARE(focused(), box(form, 14));
    if (!typed.isNull()) {
        box(form, 14)->selectAll();
        QTest::keyClicks(box(form, 14), typed);
    }
    if (leaveBy == QLatin1String("mouse"))
        QTest::mouseClick(box(form, 16), Qt::LeftButton);
    else
        key(form, 14, leaveBy == QLatin1String("Tab") ? Qt::Key_Tab : Qt::Key_Return);
    QCOMPARE(focused(), box(form, 16));
    QCOMPARE(color(form, 14), Colors::Cyan);
    QCOMPARE(combo(form, 15)->currentText(), handed.isEmpty() ? entry : QStringLiteral(" "));

    QTest::mouseClick(box(form, 13), Qt::LeftButton);
    key(form, 13, Qt::Key_Return);
    QCOMPARE(focused(), handed.isEmpty() ? control(form, 15) : control(form, 14));

    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QVERIFY(fx.handedBack);
    if (handed.isEmpty()) {
        QCOMPARE(fx.handedBack->size(), 0);
    } else {
        QCOMPARE(fx.handedBack->size(), 1);
        QCOMPARE((QStringList{fx.handedBack->first().Field[14], fx.handedBack->first().Field[15]}), handed);
    }
}

// Two sub-areas named alike: Return shows the one whose value failed, by its
// place in the list, and hands its corrected value back to it.
void TestTc::failingValueOfOneOfTwoNamesAlike()
{
    TcFixture fx;
    DialogScript script;
    frmTc *form = fx.open({record("S1", "G2", "", "abc,.01,,F; ,,; ,,,,,"), record("S1", "G2", "", "50,.01,,F; ,,; ,,,,,")},
                          1);
    QCOMPARE(box(form, 12)->text(), QStringLiteral("50"));
    script.answer(Dialogs::Answer::OK);
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QCOMPARE(script.messages(), QStringList{QStringLiteral("Sub-Area S1 - Sheet Length: \"abc\" is not a valid value.")});
    QVERIFY(form->isLoaded());
    QCOMPARE(form->TcRow(), 1);
    QCOMPARE(combo(form, 1)->currentIndex(), 1);
    QCOMPARE(box(form, 12)->text(), QStringLiteral("abc"));
    QCOMPARE(focused(), box(form, 12));

    typeInto(form, 12, QStringLiteral("60"));
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QVERIFY(!form->isLoaded());
    QVERIFY(!script.unexpected());
    QCOMPARE(fx.places, QList<int>{0});
    QCOMPARE(fx.handedBack->value(0).Field[12], QStringLiteral("60"));
}

void TestTc::resultFieldsTakeNoFocus()
{
    TcFixture fx;
    frmTc *form = fx.open({record("A", "G2", "", WorkedExample)}, 0);
    key(form, 1, Qt::Key_Return);
    for (int n : {0, 25, 26, 27, 28, 29}) {
        QCOMPARE(box(form, n)->focusPolicy(), Qt::NoFocus);
        QVERIFY(box(form, n)->isReadOnly());
    }
    QTest::mouseClick(box(form, 29), Qt::LeftButton);
    QCOMPARE(focused(), box(form, 12));
    box(form, 12)->clearFocus();
    QCOMPARE(box(form, 29)->text(), QStringLiteral("0.49"));
    QCOMPARE(color(form, 29), Colors::White);
}

void TestTc::rainfall()
{
    TcFixture fx;
    frmTc *form = fx.open({record("A", "g1", "", WorkedExample), record("B", "G9", "", WorkedExample)}, 0);
    QCOMPARE(box(form, 0)->text(), QStringLiteral("2.7"));
    QVERIFY(box(form, 0)->isVisible());
    QVERIFY(box(form, 30)->isVisible());
    // No gage of the storm analysis: no rainfall, the note, no sheet time.
    choose(form, 1, 2);
    QCOMPARE(box(form, 0)->text(), QString());
    QVERIFY(!box(form, 0)->isVisible());
    QVERIFY(!box(form, 30)->isVisible());
    QVERIFY(form->findChild<QLabel *>(QStringLiteral("lblInput_2"))->isVisible());
    QCOMPARE(box(form, 26)->text(), QString());
    QCOMPARE(box(form, 29)->text(), QStringLiteral("0.19"));
}

void TestTc::deleteAsksAndEmpties()
{
    TcFixture fx;
    DialogScript script;
    frmTc *form = fx.open({record("A", "G2", "", WorkedExample), record("B", "G2", "", WorkedExample)}, 0);
    key(form, 1, Qt::Key_Return);
    auto *del = form->findChild<QPushButton *>(QStringLiteral("cmdDelCur"));

    script.answer(Dialogs::Answer::No);
    QTest::mouseClick(del, Qt::LeftButton);
    QCOMPARE(script.messages(), QStringList{QStringLiteral("Delete Current Sub-Area Tc Data ?")});
    QCOMPARE(script.asked().first().title, QStringLiteral("Time of Concentration"));
    QCOMPARE(box(form, 29)->text(), QStringLiteral("0.49"));

    script.answer(Dialogs::Answer::Yes);
    QTest::mouseClick(del, Qt::LeftButton);
    for (int n = 12; n <= 29; ++n)
        QCOMPARE(box(form, n)->text(), QString());
    for (int n : {1, 15, 18})
        QCOMPARE(combo(form, n)->currentIndex(), 0);
    QVERIFY(!script.unexpected());

    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QCOMPARE(fx.handedBack->size(), 1);
    QCOMPARE(segments(fx.handedBack->first()), QStringList(13, QString()));
}

void TestTc::noCurrentSubArea()
{
    TcFixture fx;
    // A sub-area with a Tc of its own and no flow segments is not in the
    // list: nothing is selected, also when a namesake is listed, and nothing
    // can be changed.
    frmTc *form = fx.open({record("A", "G2", "1.2", NoSegments), record("A", "G2", "", NoSegments)}, 0);
    QCOMPARE(combo(form, 1)->currentIndex(), -1);
    QVERIFY(!form->findChild<QPushButton *>(QStringLiteral("cmdDelCur"))->isVisible());
    key(form, 1, Qt::Key_Return);
    QCOMPARE(form->TcRow(), 0);
    typeInto(form, 12, QStringLiteral("50"));
    QCOMPARE(color(form, 12), Colors::Red);
    QCOMPARE(focused(), box(form, 12));

    // Choosing the empty entry leaves no sub-area current either.
    choose(form, 1, 1);
    QCOMPARE(form->TcRow(), 2);
    QVERIFY(form->findChild<QPushButton *>(QStringLiteral("cmdDelCur"))->isVisible());
    choose(form, 1, 0);
    QCOMPARE(form->TcRow(), 0);
    QVERIFY(!form->findChild<QPushButton *>(QStringLiteral("cmdDelCur"))->isVisible());
    // Delete without a current sub-area asks nothing.
    DialogScript script;
    form->cmdDelCur_Click();
    QVERIFY(script.asked().isEmpty());
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QCOMPARE(fx.handedBack->size(), 0);
}

void TestTc::subAreaWithATcOfItsOwnAndSegments()
{
    TcFixture fx;
    // As a file written elsewhere may hold it: listed and chosen, its segments
    // edited and handed back, its own Tc left alone.
    frmTc *form = fx.open({record("N", "G2", "1.1", WorkedExample), record("B", "G2", "1.5", NoSegments)}, 0);
    QCOMPARE(listEntries(combo(form, 1)), (QStringList{QString(), "N"}));
    QCOMPARE(combo(form, 1)->currentText(), QStringLiteral("N"));
    QVERIFY(form->findChild<QPushButton *>(QStringLiteral("cmdDelCur"))->isVisible());
    QCOMPARE(box(form, 29)->text(), QStringLiteral("0.49"));
    key(form, 1, Qt::Key_Return);
    QCOMPARE(form->TcRow(), 1);
    typeInto(form, 12, QStringLiteral("50"));
    QCOMPARE(color(form, 12), Colors::Cyan);
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("cmdFinished")), Qt::LeftButton);
    QVERIFY(fx.handedBack);
    QCOMPARE(fx.handedBack->size(), 1);
    QCOMPARE(fx.handedBack->first().Field[12], QStringLiteral("50"));
    QCOMPARE(fx.handedBack->first().Field[6], QStringLiteral("1.1"));
}

void TestTc::help()
{
    TcFixture fx;
    QFile::copy(QStringLiteral(QV_RESOURCES_DIR "/QuorvaleHelp.lst"), Editglob::HelpListFile);
    frmTc *form = fx.open({record("A", "G2", "", WorkedExample)}, 0);
    auto *help = form->findChild<QPlainTextEdit *>(QStringLiteral("txtHelp"));
    QVERIFY(!help->isVisible());
    QTest::mouseClick(form->findChild<QLabel *>(QStringLiteral("lblHeader")), Qt::LeftButton);
    QVERIFY(help->isVisible());
    QVERIFY(help->toPlainText().startsWith(QStringLiteral("          Time of Concentration ")));
    for (int n : {12, 13, 14, 15, 22, 23, 24}) {
        QTest::mouseClick(form->findChild<QLabel *>(QStringLiteral("lblInput_") + QString::number(n)),
                          Qt::LeftButton);
        QVERIFY2(help->isVisible() && !help->toPlainText().isEmpty(), qPrintable(QString::number(n)));
    }
    // The labels of results show no help.
    QTest::mouseClick(form->findChild<QLabel *>(QStringLiteral("lblInput_29")), Qt::LeftButton);
    QCOMPARE(Help_Stuff::CurrentHelpId, 24);
}

QTEST_MAIN(TestTc)
#include "tst_tc.moc"
