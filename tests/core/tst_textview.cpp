#include "core/logic/TextLines.h"
#include "core/TextView.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

using TextLines::Index;
using TextLines::Position;
using ByteLines = QList<QByteArray>;

Q_DECLARE_METATYPE(Position)

namespace {
ByteLines linesOf(const Index &index)
{
    ByteLines out;
    for (qsizetype n = 0; n < index.lineCount(); ++n)
        out << index.line(n).toByteArray();
    return out;
}

// A view in a shown window, in the fixed-pitch font the viewer uses.
struct ViewFixture
{
    explicit ViewFixture(const QByteArray &bytes, QSize size = QSize(400, 200))
    {
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(10);
        view.setFont(font);
        view.setBytes(bytes);
        view.resize(size);
        view.show();
        ok = QTest::qWaitForWindowExposed(&view);
    }
    QWidget *viewport() const { return view.viewport(); }
    int charWidth() const { return view.fontMetrics().horizontalAdvance(QLatin1Char('M')); }
    int lineHeight() const { return view.fontMetrics().lineSpacing(); }
    // The viewport point at the left edge of a column, halfway down a line
    // (both counted from the top-left of what is in sight).
    QPoint at(int line, int column) const { return QPoint(4 + column * charWidth(), line * lineHeight() + lineHeight() / 2); }
    void press(QPoint p, Qt::KeyboardModifiers mods = {}) { QTest::mousePress(viewport(), Qt::LeftButton, mods, p); }
    void drag(QPoint p)
    {
        QMouseEvent move(QEvent::MouseMove, p, viewport()->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport(), &move);
    }
    void release(QPoint p) { QTest::mouseRelease(viewport(), Qt::LeftButton, {}, p); }

    TextView view;
    bool ok = false;
};

QByteArray numberedLines(int count, int width = 10)
{
    QByteArray text;
    for (int n = 0; n < count; ++n)
        text += QByteArray::number(n).leftJustified(width, '.') + "\r\n";
    return text;
}
} // namespace

class TestTextView : public QObject
{
    Q_OBJECT
private slots:
    void lineIndex_data();
    void lineIndex();
    void selectionText_data();
    void selectionText();
    void dragSelectsAndCopies();
    void shiftClickAndShiftKeys();
    void keysAndWheelScroll();
    void dragPastEdgeScrolls();
    void selectionIsPainted();
    void contextMenu();
};

void TestTextView::lineIndex_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ByteLines>("lines");
    QTest::addColumn<int>("longest");
    QTest::newRow("CR LF") << QByteArray("ab\r\ncde\r\n") << ByteLines{"ab", "cde", ""} << 3;
    QTest::newRow("LF") << QByteArray("ab\ncde\n") << ByteLines{"ab", "cde", ""} << 3;
    QTest::newRow("mixed") << QByteArray("ab\r\ncde\nf") << ByteLines{"ab", "cde", "f"} << 3;
    QTest::newRow("no final line end") << QByteArray("ab\r\ncdefg") << ByteLines{"ab", "cdefg"} << 5;
    QTest::newRow("empty file") << QByteArray() << ByteLines{""} << 0;
    QTest::newRow("blank lines") << QByteArray("\r\n\n\r\n") << ByteLines{"", "", "", ""} << 0;
    QTest::newRow("Latin-1 bytes") << QByteArray("caf\xe9\r\n\xb5\xff\x80\n") << ByteLines{"caf\xe9", "\xb5\xff\x80", ""} << 4;
    QTest::newRow("lone CR stays in its line") << QByteArray("a\rb\nc\r") << ByteLines{"a\rb", "c\r"} << 3;
    QTest::newRow("form feeds are characters") << QByteArray("a\f\r\n\fb") << ByteLines{"a\f", "\fb"} << 2;
    QTest::newRow("NUL bytes") << QByteArray("a\0b\nc", 5) << ByteLines{QByteArray("a\0b", 3), "c"} << 3;
}

void TestTextView::lineIndex()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ByteLines, lines);
    QFETCH(int, longest);
    const Index index(bytes);
    QCOMPARE(linesOf(index), lines);
    QCOMPARE(index.longestLine(), qsizetype(longest));
    QCOMPARE(index.bytes(), bytes);
    QCOMPARE(index.lineStart(0), qsizetype(0));
    // The whole text is the file with CR LF made LF, every byte one character.
    QByteArray lf = bytes;
    lf.replace("\r\n", "\n");
    QCOMPARE(index.plainText(), QString::fromLatin1(lf));
    QCOMPARE(index.end(), (Position{index.lineCount() - 1, lines.last().size()}));
}

void TestTextView::selectionText_data()
{
    QTest::addColumn<Position>("from");
    QTest::addColumn<Position>("to");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing") << Position{1, 2} << Position{1, 2} << "";
    QTest::newRow("inside a line") << Position{1, 1} << Position{1, 4} << "eco";
    QTest::newRow("either order") << Position{1, 4} << Position{1, 1} << "eco";
    QTest::newRow("across lines") << Position{0, 3} << Position{1, 2} << "st\nse";
    QTest::newRow("up to a line end") << Position{0, 2} << Position{1, 0} << "rst\n";
    QTest::newRow("over a blank line") << Position{1, 4} << Position{3, 2} << "nd\n\nla";
    QTest::newRow("form feed and Latin-1 kept") << Position{3, 0} << Position{4, 3} << QString::fromLatin1("last\f\n\xe9t\xe9");
    QTest::newRow("backwards across lines") << Position{4, 1} << Position{2, 0} << QString::fromLatin1("\nlast\f\n\xe9");
    QTest::newRow("past the ends clamps") << Position{0, 99} << Position{99, 99} << QString::fromLatin1("\nsecond\n\nlast\f\n\xe9t\xe9");
    QTest::newRow("before the start clamps") << Position{-3, -1} << Position{0, 5} << "first";
}

void TestTextView::selectionText()
{
    QFETCH(Position, from);
    QFETCH(Position, to);
    QFETCH(QString, text);
    const Index index(QByteArray("first\r\nsecond\r\n\r\nlast\f\r\n\xe9t\xe9"));
    QCOMPARE(index.text(from, to), text);
}

void TestTextView::dragSelectsAndCopies()
{
    ViewFixture f("first line\r\nsecond line\r\nthird \xe9\r\n");
    QVERIFY(f.ok);
    QVERIFY(f.view.isReadOnly());
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    // Nothing selected: Ctrl+C leaves the clipboard alone.
    QTest::keyClick(&f.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

    f.press(f.at(0, 6));
    f.drag(f.at(1, 3));
    f.drag(f.at(2, 7));
    f.release(f.at(2, 7));
    QCOMPARE(f.view.selectedText(), QStringLiteral("line\nsecond line\nthird \xe9"));
    QTest::keyClick(&f.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("line\nsecond line\nthird \xe9"));

    // A drag back above its start selects backwards; a click clears it.
    f.press(f.at(1, 6));
    f.drag(f.at(0, 0));
    QCOMPARE(f.view.selectedText(), QStringLiteral("first line\nsecond"));
    f.release(f.at(0, 0));
    f.press(f.at(1, 2));
    f.release(f.at(1, 2));
    QVERIFY(!f.view.hasSelection());

    QTest::keyClick(&f.view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f.view.selectedText(), QStringLiteral("first line\nsecond line\nthird \xe9\n"));
    QTest::keyClick(&f.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), f.view.toPlainText());
}

void TestTextView::shiftClickAndShiftKeys()
{
    ViewFixture f("alpha\r\nbeta\r\ngamma\r\ndelta");
    QVERIFY(f.ok);
    f.press(f.at(0, 2));
    f.release(f.at(0, 2));
    f.press(f.at(1, 3), Qt::ShiftModifier);
    QCOMPARE(f.view.selectedText(), QStringLiteral("pha\nbet"));
    // Shift with the keys moves the free end; the anchor stays at the click.
    QTest::keyClick(&f.view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&f.view, Qt::Key_Right, Qt::ShiftModifier); // over the line end
    QCOMPARE(f.view.selectedText(), QStringLiteral("pha\nbeta\n"));
    QTest::keyClick(&f.view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&f.view, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(f.view.selectedText(), QStringLiteral("pha\nbeta\ngamma\ndelta"));
    QTest::keyClick(&f.view, Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(f.view.selectedText(), QStringLiteral("pha\nbeta\ngamma\n"));
    QTest::keyClick(&f.view, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(&f.view, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(&f.view, Qt::Key_Left, Qt::ShiftModifier); // back over the line end
    QCOMPARE(f.view.selectedText(), QStringLiteral("pha"));
    QTest::keyClick(&f.view, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(f.view.selectedText(), QStringLiteral("ph"));
    QTest::keyClick(&f.view, Qt::Key_Home, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(f.view.selectedText(), QStringLiteral("al"));
    QTest::keyClick(&f.view, Qt::Key_End, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(f.view.selectedText(), QStringLiteral("pha\nbeta\ngamma\ndelta"));
    // Up past the first line stops at the start; down past the last at the end.
    QTest::keyClick(&f.view, Qt::Key_PageUp, Qt::ShiftModifier);
    QCOMPARE(f.view.selectedText(), QStringLiteral("al"));
    QTest::keyClick(&f.view, Qt::Key_PageDown, Qt::ShiftModifier);
    QCOMPARE(f.view.selectedText(), QStringLiteral("pha\nbeta\ngamma\ndelta"));
}

void TestTextView::keysAndWheelScroll()
{
    QByteArray text = numberedLines(200);
    text += QByteArray(300, 'x') + "\r\n";
    ViewFixture f(text);
    QVERIFY(f.ok);
    TextView &v = f.view;
    const int page = f.viewport()->height() / f.lineHeight();
    QVERIFY(page > 2);
    QCOMPARE(v.firstVisibleLine(), 0);
    QTest::keyClick(&v, Qt::Key_Down);
    QCOMPARE(v.firstVisibleLine(), 1);
    QTest::keyClick(&v, Qt::Key_PageDown);
    QCOMPARE(v.firstVisibleLine(), 1 + page);
    QTest::keyClick(&v, Qt::Key_PageUp);
    QTest::keyClick(&v, Qt::Key_Up);
    QCOMPARE(v.firstVisibleLine(), 0);
    QTest::keyClick(&v, Qt::Key_End, Qt::ControlModifier);
    // The last line (empty, after the final line end) is the bottom one in sight.
    QCOMPARE(v.firstVisibleLine(), 202 - page);
    QCOMPARE(v.positionAt(f.at(page - 1, 0)), (Position{201, 0}));
    QTest::keyClick(&v, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(v.firstVisibleLine(), 0);

    // The width comes from the longest line.
    QScrollBar *h = v.horizontalScrollBar();
    QVERIFY(h->maximum() > 290 * f.charWidth() - f.viewport()->width());
    QTest::keyClick(&v, Qt::Key_Right);
    QCOMPARE(h->value(), f.charWidth());
    QCOMPARE(v.positionAt(f.at(0, 0)), (Position{0, 1}));
    QTest::keyClick(&v, Qt::Key_Left);
    QCOMPARE(h->value(), 0);
    // A larger font widens the text.
    const int narrow = h->maximum();
    QFont big = v.font();
    big.setPointSize(20);
    v.setFont(big);
    QVERIFY(h->maximum() > narrow);

    const QPoint p = f.at(1, 1);
    QWheelEvent wheel(p, f.viewport()->mapToGlobal(p), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.viewport(), &wheel);
    QCOMPARE(v.firstVisibleLine(), QApplication::wheelScrollLines());

    // A new text starts again from the top with nothing selected.
    QTest::keyClick(&v, Qt::Key_A, Qt::ControlModifier);
    v.setBytes("short");
    QCOMPARE(v.firstVisibleLine(), 0);
    QVERIFY(!v.hasSelection());
    QCOMPARE(v.verticalScrollBar()->maximum(), 0);
}

void TestTextView::dragPastEdgeScrolls()
{
    ViewFixture f(numberedLines(100));
    QVERIFY(f.ok);
    const int page = f.viewport()->height() / f.lineHeight();
    f.press(f.at(0, 2));
    const QPoint below(f.at(0, 3).x(), f.viewport()->height() + 5);
    for (int i = 0; i < 5; ++i)
        f.drag(below);
    f.release(below);
    QVERIFY(f.view.firstVisibleLine() >= 5);
    const Position end = f.view.selectionCursor();
    QVERIFY(end.line >= page + 4);
    QVERIFY(end.line < f.view.firstVisibleLine() + page);
    QVERIFY(f.view.selectedText().startsWith(QStringLiteral("........\n1.........\n")));
}

void TestTextView::selectionIsPainted()
{
    ViewFixture f("abcdefgh\r\nijkl\r\n");
    QVERIFY(f.ok);
    f.view.setSelection({0, 2}, {0, 5});
    const QImage image = f.viewport()->grab().toImage();
    const QColor highlight = f.view.palette().color(QPalette::Highlight);
    const QColor base = f.view.palette().color(QPalette::Base);
    const auto cell = [&](int line, int column) { return image.pixelColor(f.at(line, column).x() + 1, line * f.lineHeight()); };
    QCOMPARE(cell(0, 1), base);
    QCOMPARE(cell(0, 2), highlight);
    QCOMPARE(cell(0, 4), highlight);
    QCOMPARE(cell(0, 5), base);
    QCOMPARE(cell(1, 0), base);
}

void TestTextView::contextMenu()
{
    ViewFixture f("one\r\ntwo");
    QVERIFY(f.ok);
    const auto openMenu = [&] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, f.at(0, 1), f.viewport()->mapToGlobal(f.at(0, 1)));
        QApplication::sendEvent(f.viewport(), &event);
        QMenu *menu = f.view.findChild<QMenu *>();
        return menu ? menu->actions() : QList<QAction *>();
    };
    QList<QAction *> actions = openMenu();
    QCOMPARE(actions.size(), 2);
    QVERIFY(!actions.at(0)->isEnabled()); // nothing to copy yet
    actions.at(1)->trigger();
    QCOMPARE(f.view.selectedText(), QStringLiteral("one\ntwo"));
    f.view.findChild<QMenu *>()->close();
    QTRY_VERIFY(!f.view.findChild<QMenu *>());

    (*QGuiApplication::clipboard()).setText(QString());
    actions = openMenu();
    QVERIFY(actions.at(0)->isEnabled());
    actions.at(0)->trigger();
    QCOMPARE((*QGuiApplication::clipboard()).text(), QStringLiteral("one\ntwo"));
}

QTEST_MAIN(TestTextView)
#include "tst_textview.moc"
