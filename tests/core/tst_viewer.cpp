#include "DialogScript.h"
#include "ProgramFolder.h"

#include "core/logic/Editglob.h"
#include "core/logic/Pagination.h"
#include "core/RunSaveOpen.h"
#include "core/Runner.h"
#include "core/logic/TextFile.h"
#include "core/TextView.h"
#include "core/frmFileDisp.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace Editglob;
using Pages = QList<QStringList>;

namespace {
// A window with the main window's View menu, for the menu routine alone.
class MenuWindow : public QvForm
{
public:
    MenuWindow()
    {
        QMenu *view = menuBar()->addMenu(QStringLiteral("View"));
        view->setObjectName(QStringLiteral("mnuView"));
        for (int n : {0, 1, 4, 5, 6, 7, 8})
            view->addAction(QStringLiteral("Item"))->setObjectName(QStringLiteral("mnuViewItem_%1").arg(n));
    }
    QString enabledItems() const
    {
        QString s;
        for (int n : {0, 1, 4, 5, 6, 7, 8})
            if (findChild<QAction *>(QStringLiteral("mnuViewItem_%1").arg(n))->isEnabled())
                s += QString::number(n);
        return s;
    }
    bool menuVisible() const { return findChild<QMenu *>(QStringLiteral("mnuView"))->menuAction()->isVisible(); }

protected:
    void buildControls(QWidget *) override {}
};

frmFileDisp *viewer() { return Forms::instance<frmFileDisp>(); }
TextView *viewerText() { return viewer()->findChild<TextView *>(QStringLiteral("RichTextBox1")); }
QString viewerLabel() { return viewer()->findChild<QLabel *>(QStringLiteral("lblWindow"))->text(); }
QAction *viewerItem(int n) { return viewer()->findChild<QAction *>(QStringLiteral("mnuViewItem_%1").arg(n)); }

// Pages of a PDF written by Qt.
int pdfPages(const QString &path)
{
    const QByteArray pdf = ProgramFolder::readBytes(path);
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// Prints the viewer's text through its Print item into the A4 PDF `pdf`,
// the print dialog answered by `script` with the range `range`.
void printViewer(DialogScript &script, const QString &pdf, QPrinter::PrintRange range = QPrinter::AllPages)
{
    script.print([pdf, range](QPrinter *p) {
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(pdf);
        p->setPageSize(QPageSize(QPageSize::A4));
        p->setPrintRange(range);
    });
    viewer()->findChild<QAction *>(QStringLiteral("mnuPrint"))->trigger();
}
} // namespace

class TestViewer : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void viewMenu_data();
    void viewMenu();
    void viewMenuKeepsVisibilityWhenChanged();
    void loadShowsFileAsIs();
    void missingFileLeavesViewerClosed();
    void viewItemOfMissingFile();
    void viewerMenuReloads();
    void followsSavesOfItsFile_data();
    void followsSavesOfItsFile();
    void paginate_data();
    void paginate();
    void printToPdf();
    void printSelection();
    void printsWhatIsShown();
    void printFailureIsReported();
    void printCancelled();

private:
    std::unique_ptr<ProgramFolder> folder_;
};

void TestViewer::init()
{
    folder_ = std::make_unique<ProgramFolder>();
    DataChanged = false;
    ViewFileIndex = 0;
}

void TestViewer::cleanup() { folder_.reset(); }

void TestViewer::viewMenu_data()
{
    QTest::addColumn<QString>("fileName");     // relative to the folder; "" for untitled
    QTest::addColumn<QStringList>("files");    // "ext:lines"
    QTest::addColumn<int>("reachLines");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<bool>("visible");
    QTest::newRow("untitled, nothing") << "" << QStringList() << 0 << "" << false;
    QTest::newRow("untitled, reaches") << "" << QStringList() << 2 << "0" << true;
    QTest::newRow("reach header only") << "" << QStringList() << 1 << "" << false;
    QTest::newRow("named file") << "W.inp" << QStringList() << 0 << "1" << true;
    QTest::newRow("outputs of two lines count")
        << "W.inp" << QStringList{"out:2", "err:1", "dbg:3", "hyd:0", "ecn:2"} << 2 << "01468" << true;
    QTest::newRow("every output") << "W.inp" << QStringList{"out:5", "err:2", "dbg:2", "hyd:2", "ecn:2"} << 0
                                  << "145678" << true;
    QTest::newRow("name without dot") << "W" << QStringList{"out:2"} << 0 << "14" << true;
}

void TestViewer::viewMenu()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, files);
    QFETCH(int, reachLines);
    QFETCH(QString, enabled);
    QFETCH(bool, visible);
    SetFileName(fileName.isEmpty() ? UntitledName : folder_->file(fileName));
    const QString base = fileName.isEmpty() ? QString() : folder_->file(fileName.section(QLatin1Char('.'), 0, 0) + '.');
    for (const QString &f : files)
        ProgramFolder::writeBytes(base + f.section(':', 0, 0), QByteArray("line\r\n").repeated(f.section(':', 1).toInt()));
    ProgramFolder::writeBytes(folder_->tmp(SecReach), QByteArray("STREAM REACH:\r\n").repeated(reachLines));
    MenuWindow window;
    window.findChild<QMenu *>(QStringLiteral("mnuView"))->menuAction()->setVisible(!visible);
    Run_Save_Open::UpdateViewMenu(&window);
    QCOMPARE(window.enabledItems(), enabled);
    QCOMPARE(window.menuVisible(), visible);
}

void TestViewer::viewMenuKeepsVisibilityWhenChanged()
{
    SetFileName(folder_->file(QStringLiteral("W.inp")));
    ProgramFolder::writeBytes(folder_->file(QStringLiteral("W.out")), "a\r\nb\r\n");
    ProgramFolder::writeBytes(folder_->tmp(SecReach), "STREAM REACH:\r\n          R1\r\n");
    DataChanged = true;
    for (bool before : {false, true}) {
        MenuWindow window;
        window.findChild<QMenu *>(QStringLiteral("mnuView"))->menuAction()->setVisible(before);
        Run_Save_Open::UpdateViewMenu(&window);
        QCOMPARE(window.enabledItems(), QStringLiteral("0"));
        QCOMPARE(window.menuVisible(), before);
    }
}

void TestViewer::loadShowsFileAsIs()
{
    const QByteArray bytes = "Quorvale                            Page     1\r\n  caf\xe9 \xb5\r\n\fnext page\r\nlast";
    SetFileName(folder_->file(QStringLiteral("W.inp")));
    ProgramFolder::writeBytes(folder_->file(QStringLiteral("W.out")), bytes);
    ViewFileIndex = 4;
    Globsubs::ShowForm(viewer());
    QVERIFY(viewer()->isVisible());
    QCOMPARE(viewerText()->toPlainText().toLatin1(), QByteArray(bytes).replace("\r\n", "\n"));
    QVERIFY(viewerText()->isReadOnly());
    // One byte one column: the view's font has one advance for every letter.
    const QFontMetrics metrics(viewerText()->font());
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('M')));
    QCOMPARE(viewerLabel(), QStringLiteral("Quorvale Printed Page File"));
    QCOMPARE(viewer()->windowTitle(), QStringLiteral("File Display   Current File - ") + FileName);
    QCOMPARE(DisplayFile, folder_->file(QStringLiteral("W.out")));
    QVERIFY(!TextFile::isBlank(DisplayTitle));
    // The viewer never offers the schematic; its own View menu was brought up to date.
    QVERIFY(!viewerItem(0)->isVisible());
    QVERIFY(viewerItem(4)->isEnabled());
    QVERIFY(!viewerItem(5)->isEnabled());
    QCOMPARE(viewerItem(7)->text(), QStringLiteral("Hydrograph"));

    viewer()->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
    QVERIFY(!viewer()->isLoaded());
    QVERIFY(!viewer()->isVisible());
}

void TestViewer::missingFileLeavesViewerClosed()
{
    SetFileName(folder_->file(QStringLiteral("W.inp")));
    ViewFileIndex = 4;
    Globsubs::ShowForm(viewer());
    QVERIFY(!viewer()->isLoaded());
    QVERIFY(!viewer()->isVisible());
}

// A file missing behind a View item is reported, never a silent close.
void TestViewer::viewItemOfMissingFile()
{
    SetFileName(folder_->file(QStringLiteral("W.inp")));
    ProgramFolder::writeBytes(folder_->file(QStringLiteral("W.out")), "printed\r\npage\r\n");
    ViewFileIndex = 4;
    Globsubs::ShowForm(viewer());
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    viewerItem(1)->trigger();
    QCOMPARE(script.messages().size(), 1);
    QVERIFY(script.messages().first().contains(folder_->file(QStringLiteral("W.inp"))));
    QVERIFY(viewer()->isVisible());
    QCOMPARE(viewer()->ShownFile(), folder_->file(QStringLiteral("W.out")));
    QCOMPARE(ViewFileIndex, 4);
}

void TestViewer::viewerMenuReloads()
{
    SetFileName(folder_->file(QStringLiteral("W.inp")));
    ProgramFolder::writeBytes(folder_->file(QStringLiteral("W.out")), "printed\r\npage\r\n");
    ProgramFolder::writeBytes(folder_->file(QStringLiteral("W.err")), "error\r\nfile\r\n");
    ViewFileIndex = 4;
    Globsubs::ShowForm(viewer());
    viewerItem(5)->trigger();
    QCOMPARE(ViewFileIndex, 5);
    QCOMPARE(viewerText()->toPlainText(), QStringLiteral("error\nfile\n"));
    QCOMPARE(viewerLabel(), QStringLiteral("Quorvale Error File"));
    QCOMPARE(viewer()->ShownFile(), folder_->file(QStringLiteral("W.err")));
    // Opening it again while open only brings it forward.
    ViewFileIndex = 4;
    Globsubs::ShowForm(viewer());
    QCOMPARE(viewerLabel(), QStringLiteral("Quorvale Error File"));
}

void TestViewer::followsSavesOfItsFile_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("open"); // the viewer after the save
    QTest::newRow("input file: shows what was saved") << 1 << "W.inp" << true;
    QTest::newRow("printed page removed: closed") << 4 << "W.inp" << false;
    QTest::newRow("another file saved: kept") << 4 << "X.inp" << true;
}

// A save rewrites the input file and removes its outputs: the viewer never
// goes on showing them as they were.
void TestViewer::followsSavesOfItsFile()
{
    QFETCH(int, index);
    QFETCH(QString, saved);
    QFETCH(bool, open);
    SetFileName(folder_->file(QStringLiteral("W.inp")));
    ProgramFolder::writeBytes(FileName, "old input\r\n");
    ProgramFolder::writeBytes(folder_->file(QStringLiteral("W.out")), "printed\r\npage\r\n");
    ViewFileIndex = index;
    Globsubs::ShowForm(viewer());
    QVERIFY(viewer()->isVisible());
    QVERIFY(viewerItem(4)->isEnabled());
    const QString shown = viewer()->ShownFile();
    const QByteArray before = ProgramFolder::readBytes(shown);

    ProgramFolder::writeBytes(folder_->tmp(SecReach), "STREAM REACH:\r\n          R1\r\n");
    SetFileName(folder_->file(saved));
    DialogScript script;
    script.answer(Dialogs::Answer::OK);
    QVERIFY(Run_Save_Open::SaveInputFile());
    QCOMPARE(script.pending(), 0);
    QCOMPARE(viewer()->isLoaded(), open);
    QCOMPARE(viewer()->isVisible(), open);
    if (!open)
        return;
    QCOMPARE(viewer()->ShownFile(), shown);
    const QByteArray now = ProgramFolder::readBytes(shown);
    QCOMPARE(now == before, saved != QLatin1String("W.inp"));
    QCOMPARE(viewerText()->toPlainText().toLatin1(), QByteArray(now).replace("\r\n", "\n"));
    // Its View menu offers the outputs of the file saved, which has none now.
    QVERIFY(!viewerItem(4)->isEnabled());
}

void TestViewer::paginate_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<Pages>("pages");
    const QString m = QStringLiteral("     ");
    QTest::newRow("nothing") << QStringList() << 3 << Pages();
    QTest::newRow("full pages break") << QStringList{"a", "b", "c", "d"} << 3 << Pages{{m + "a", m + "b", m + "c"}, {m + "d"}};
    QTest::newRow("blank lines count") << QStringList{"", "b"} << 1 << Pages{{m}, {m + "b"}};
    QTest::newRow("bare form feed prints nothing")
        << QStringList{"a", "\f", "b"} << 10 << Pages{{m + "a"}, {m + "b"}};
    QTest::newRow("form feed then text starts the page with it")
        << QStringList{"a", "\fQuorvale  Page 2", "b"} << 10 << Pages{{m + "a"}, {m + "Quorvale  Page 2", m + "b"}};
    QTest::newRow("form feed after text breaks after it")
        << QStringList{"a\f", "b"} << 10 << Pages{{m + "a"}, {m + "b"}};
    QTest::newRow("form feed after column 80")
        << QStringList{QString(80, 'x') + "\f", "b"} << 10 << Pages{{m + QString(80, 'x')}, {m + "b"}};
    QTest::newRow("form feed inside a line prints the line whole")
        << QStringList{"a\fb", "c"} << 10 << Pages{{m + "ab"}, {m + "c"}};
    QTest::newRow("form feeds before and inside a line")
        << QStringList{"a", "\fb\fc", "d"} << 10 << Pages{{m + "a"}, {m + "bc"}, {m + "d"}};
    QTest::newRow("form feed at top of page adds no empty page")
        << QStringList{"\f", "a", "b", "\fc"} << 2 << Pages{{m + "a", m + "b"}, {m + "c"}};
    QTest::newRow("two form feeds") << QStringList{"a", "\f", "\f", "b"} << 10 << Pages{{m + "a"}, {m + "b"}};
}

void TestViewer::paginate()
{
    QFETCH(QStringList, lines);
    QFETCH(int, perPage);
    QFETCH(Pages, pages);
    QCOMPARE(Pagination::Paginate(lines, perPage), pages);
}

void TestViewer::printToPdf()
{
    // Three printed pages separated by form feeds, the second one too long
    // for one sheet.
    QStringList lines;
    lines << "Quorvale                            Page     1" << "first page";
    lines << "\fQuorvale                            Page     2";
    for (int i = 0; i < 150; ++i)
        lines << QStringLiteral("row %1").arg(i);
    lines << "\f" << "Quorvale                            Page     3" << "end";
    SetFileName(folder_->file(QStringLiteral("W.inp")));
    ProgramFolder::writeBytes(folder_->file(QStringLiteral("W.out")), lines.join("\r\n").toLatin1() + "\r\n");
    ViewFileIndex = 4;
    Globsubs::ShowForm(viewer());

    const QString pdf = folder_->file(QStringLiteral("print.pdf"));
    int perPage = 0;
    DialogScript script;
    printViewer(script, pdf);
    QCOMPARE(script.asked().size(), 1);
    QCOMPARE(script.asked().first().kind, Dialogs::Kind::Print);
    {
        QPrinter probe;
        probe.setOutputFormat(QPrinter::PdfFormat);
        probe.setPageSize(QPageSize(QPageSize::A4));
        probe.setOutputFileName(folder_->file(QStringLiteral("probe.pdf")));
        QPainter painter(&probe);
        painter.setFont(QFont(QFont(QStringLiteral("Courier"), 10), painter.device()));
        perPage = painter.viewport().height() / QFontMetrics(painter.font(), painter.device()).lineSpacing();
        painter.end();
    }
    QVERIFY(perPage > 10 && perPage < 150);
    const int expected = int(Pagination::Paginate(lines, perPage).size());
    QCOMPARE(expected, 1 + (151 + perPage - 1) / perPage + 1);
    QCOMPARE(pdfPages(pdf), expected);
}

void TestViewer::printSelection()
{
    // Three sheets of rows; a selection of a few rows prints on one sheet,
    // from the selected characters on.
    QByteArray bytes;
    for (int i = 0; i < 200; ++i)
        bytes += "row " + QByteArray::number(i) + "\r\n";
    SetFileName(folder_->file(QStringLiteral("W.inp")));
    ProgramFolder::writeBytes(folder_->file(QStringLiteral("W.out")), bytes);
    ViewFileIndex = 4;
    Globsubs::ShowForm(viewer());
    viewerText()->setSelection({10, 2}, {14, 3});
    QCOMPARE(viewerText()->selectedText(), QStringLiteral("w 10\nrow 11\nrow 12\nrow 13\nrow"));

    const auto printPages = [&](QPrinter::PrintRange range) {
        const QString pdf = folder_->file(QStringLiteral("print%1.pdf").arg(int(range)));
        DialogScript script;
        printViewer(script, pdf, range);
        // The dialog offers the selection, and neither page ranges nor a file.
        if (script.asked().last().printOptions != Dialogs::PrintSelection)
            return -1;
        return pdfPages(pdf);
    };
    QVERIFY(printPages(QPrinter::AllPages) >= 3);
    QCOMPARE(printPages(QPrinter::Selection), 1);
    viewerText()->selectAll();
    QCOMPARE(viewerText()->selectedText(), viewerText()->toPlainText());
    QVERIFY(printPages(QPrinter::Selection) >= 3);
}

// Print prints the text the window shows, not the file on disk: a later run
// may have rewritten it, or it may be gone.
void TestViewer::printsWhatIsShown()
{
    QByteArray bytes;
    for (int i = 0; i < 200; ++i)
        bytes += "row " + QByteArray::number(i) + "\r\n";
    SetFileName(folder_->file(QStringLiteral("W.inp")));
    const QString out = folder_->file(QStringLiteral("W.out"));
    ProgramFolder::writeBytes(out, bytes);
    ViewFileIndex = 4;
    Globsubs::ShowForm(viewer());

    int run = 0;
    const auto printPages = [&] {
        const QString pdf = folder_->file(QStringLiteral("print%1.pdf").arg(++run));
        DialogScript script;
        printViewer(script, pdf);
        return script.pending() == 0 && !script.unexpected() ? pdfPages(pdf) : -1;
    };
    const int shown = printPages();
    QVERIFY(shown >= 3);
    ProgramFolder::writeBytes(out, "second run\r\n");
    QCOMPARE(printPages(), shown);
    QVERIFY(QFile::remove(out));
    QCOMPARE(printPages(), shown);
}

// A printer that cannot start (none installed, say) is reported.
void TestViewer::printFailureIsReported()
{
    SetFileName(folder_->file(QStringLiteral("W.inp")));
    ProgramFolder::writeBytes(folder_->file(QStringLiteral("W.out")), "a\r\nb\r\n");
    ViewFileIndex = 4;
    Globsubs::ShowForm(viewer());
    const QString bad = folder_->file(QStringLiteral("missing/print.pdf"));
    DialogScript script;
    script.printToPdf(bad).answer(Dialogs::Answer::OK);
    viewer()->findChild<QAction *>(QStringLiteral("mnuPrint"))->trigger();
    QCOMPARE(script.messages(), QStringList{QStringLiteral("Unable to print, check printer.")});
    QCOMPARE(script.pending(), 0);
}

void TestViewer::printCancelled()
{
    SetFileName(folder_->file(QStringLiteral("W.inp")));
    ProgramFolder::writeBytes(folder_->file(QStringLiteral("W.out")), "a\r\nb\r\n");
    ViewFileIndex = 4;
    Globsubs::ShowForm(viewer());
    const QString pdf = folder_->file(QStringLiteral("print.pdf"));
    DialogScript script;
    script.printToPdf(pdf, false);
    viewer()->findChild<QAction *>(QStringLiteral("mnuPrint"))->trigger();
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
