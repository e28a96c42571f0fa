#pragma once
// The print dialog over a printer: offers a page range, and when the user
// confirms leaves the chosen printer, copies, duplex and orientation on it.
#include <QtGlobal>

class QPrinter;

class clsPrintDialog
{
public:
    // The dialog's flags: the print range it opens with and, after a confirmed
    // dialog, the one chosen (&H1 selection, &H2 page numbers, &H400000
    // current page, none of them all pages).
    qint32 flags = 0;
    // A cancelled dialog returns false in either case; kept for its callers.
    bool CancelError = false;

    // Page numbers: 0 <= Min <= FromPage <= ToPage <= max after every change;
    // a value below 1 is stored as 0.
    qint16 Min() const { return min_; }
    void setMin(qint16 intNewValue);
    qint16 FromPage() const { return from_; }
    void setFromPage(qint16 intNewValue);
    qint16 ToPage() const { return to_; }
    void setToPage(qint16 intNewValue);
    qint16 max() const { return max_; }
    void setMax(qint16 intNewValue);

    // Shows the dialog over `printer` (the current printer). True when the user
    // confirmed; a cancelled dialog leaves the printer and the page range as
    // they were.
    bool ShowPrinter(QPrinter *printer);

private:
    // Sets the value at `position` of Min <= FromPage <= ToPage <= max; the
    // others move only as far as that order needs.
    void setInOrder(int position, qint16 intNewValue);

    qint16 min_ = 0;
    qint16 from_ = 0;
    qint16 to_ = 0;
    qint16 max_ = 0;
};
