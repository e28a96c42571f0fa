#pragma once
// Answers the program's dialogs from a script queued by the test, and records
// what was asked. A dialog that nobody expected fails the test.
#include "core/logic/Dialogs.h"

#include <QList>
#include <functional>

class DialogScript
{
public:
    DialogScript();
    ~DialogScript();

    // Queue answers, in the order the dialogs will come.
    DialogScript &answer(Dialogs::Answer a);
    DialogScript &chooseFile(const QString &path); // a file dialog returns this name
    DialogScript &cancelFile();
    // A print or preview dialog: `setup` may configure the printer (a PDF file).
    DialogScript &print(std::function<void(QPrinter *)> setup, bool accept = true);
    // A print or preview dialog whose printer writes a PDF file to `path`.
    DialogScript &printToPdf(const QString &path, bool accept = true);
    // Any custom answer.
    DialogScript &respond(std::function<Dialogs::Response(const Dialogs::Request &)> responder);

    // What was asked so far, oldest first.
    const QList<Dialogs::Request> &asked() const { return asked_; }
    // Texts of the messages asked so far.
    QStringList messages() const;
    int pending() const { return int(queue_.size()); }
    bool unexpected() const { return unexpected_; }
    void clear();

private:
    Dialogs::Response handle(const Dialogs::Request &r);
    QList<std::function<Dialogs::Response(const Dialogs::Request &)>> queue_;
    QList<Dialogs::Request> asked_;
    Dialogs::Handler previous_;
    bool unexpected_ = false;
};
