// The real message boxes behind the dialog seam: a question without Cancel is
// answered by its buttons alone, never by Escape or the close box.
#include "core/RealDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

using Dialogs::Answer;
using Dialogs::Buttons;

Q_DECLARE_METATYPE(Dialogs::Buttons)
Q_DECLARE_METATYPE(Dialogs::Answer)

class TestMessageBoxes : public QObject
{
    Q_OBJECT
private slots:
    void escapeAndCloseBox_data();
    void escapeAndCloseBox();
    void questionWaitsForItsButtons();
};

void TestMessageBoxes::escapeAndCloseBox_data()
{
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<bool>("dismissed"); // Escape and the close box end the box
    QTest::addColumn<Answer>("answer");  // and give this answer
    QTest::newRow("Yes/No") << Buttons::YesNo << false << Answer::Cancel;
    QTest::newRow("Abort/Retry/Ignore") << Buttons::AbortRetryIgnore << false << Answer::Cancel;
    QTest::newRow("Yes/No/Cancel") << Buttons::YesNoCancel << true << Answer::Cancel;
    QTest::newRow("OK/Cancel") << Buttons::OKCancel << true << Answer::Cancel;
    QTest::newRow("Retry/Cancel") << Buttons::RetryCancel << true << Answer::Cancel;
    QTest::newRow("OK") << Buttons::OK << true << Answer::OK;
}

void TestMessageBoxes::escapeAndCloseBox()
{
    QFETCH(Buttons, buttons);
    QFETCH(bool, dismissed);
    QFETCH(Answer, answer);
    Dialogs::Request request;
    request.text = QStringLiteral("Changes have been made - Do you want to save it?");
    request.buttons = buttons;
    request.icon = Dialogs::Icon::Question;

    for (const bool byEscape : {true, false}) {
        const std::unique_ptr<QMessageBox> box = Dialogs::messageBox(request, nullptr);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        if (byEscape)
            QTest::keyClick(box.get(), Qt::Key_Escape);
        else
            box->close();
        QCOMPARE(box->isVisible(), !dismissed);
        QCOMPARE(box->clickedButton() != nullptr, dismissed);
        if (dismissed)
            QCOMPARE(Dialogs::answerOf(*box), answer);
        // The close box is not even offered.
        QCOMPARE(bool(box->windowFlags() & Qt::WindowCloseButtonHint), dismissed);
    }
}

// Through the seam, as the program asks: the Yes/No box stays through Escape
// and its close box, and No is answered only by No.
void TestMessageBoxes::questionWaitsForItsButtons()
{
    const Dialogs::Handler script = Dialogs::setHandler(nullptr);
    bool stayed = false;
    QTimer::singleShot(0, this, [&] {
        QPointer<QMessageBox> box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        stayed = box && box->isVisible() && !box->clickedButton();
        box->button(QMessageBox::No)->click();
    });
    const Answer answer = Dialogs::message(QStringLiteral("Save it?"), Buttons::YesNo, Dialogs::Icon::Question);
    Dialogs::setHandler(script);
    QVERIFY(stayed);
    QCOMPARE(answer, Answer::No);
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
