#include "DialogScript.h"

#include <QPrinter>
#include <QTest>

DialogScript::DialogScript()
{
    previous_ = Dialogs::setHandler([this](const Dialogs::Request &r) { return handle(r); });
}

DialogScript::~DialogScript()
{
    Dialogs::setHandler(previous_);
}

Dialogs::Response DialogScript::handle(const Dialogs::Request &r)
{
    Dialogs::Request copy = r;
    copy.printer = nullptr;
    copy.paint = nullptr;
    asked_.append(copy);
    if (queue_.isEmpty()) {
        unexpected_ = true;
        QTest::qFail(qPrintable(QStringLiteral("unexpected dialog: \"%1\" (%2)").arg(r.text, r.title)),
                     __FILE__, __LINE__);
        return {Dialogs::Answer::Cancel, {}};
    }
    return queue_.takeFirst()(r);
}

DialogScript &DialogScript::answer(Dialogs::Answer a)
{
    return respond([a](const Dialogs::Request &) { return Dialogs::Response{a, {}}; });
}

DialogScript &DialogScript::chooseFile(const QString &path)
{
    return respond([path](const Dialogs::Request &) { return Dialogs::Response{Dialogs::Answer::OK, path}; });
}

DialogScript &DialogScript::cancelFile()
{
    return answer(Dialogs::Answer::Cancel);
}

DialogScript &DialogScript::print(std::function<void(QPrinter *)> setup, bool accept)
{
    return respond([setup, accept](const Dialogs::Request &r) {
        if (r.printer && setup)
            setup(r.printer);
        if (accept && r.kind == Dialogs::Kind::PrintPreview && r.paint && r.printer)
            r.paint(r.printer);
        return Dialogs::Response{accept ? Dialogs::Answer::OK : Dialogs::Answer::Cancel, {}};
    });
}

DialogScript &DialogScript::printToPdf(const QString &path, bool accept)
{
    return print(
        [path](QPrinter *p) {
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(path);
        },
        accept);
}

DialogScript &DialogScript::respond(std::function<Dialogs::Response(const Dialogs::Request &)> responder)
{
    queue_.append(std::move(responder));
    return *this;
}

QStringList DialogScript::messages() const
{
    QStringList texts;
    for (const auto &r : asked_)
        if (r.kind == Dialogs::Kind::Message)
            texts << r.text;
    return texts;
}

void DialogScript::clear()
{
    queue_.clear();
    asked_.clear();
    unexpected_ = false;
}
