#include "plots/clsPrintDialog.h"

#include "core/logic/Dialogs.h"

#include <QPageLayout>
#include <QPrinter>
#include <algorithm>

namespace {
qint16 pageValue(qint16 v) { return v < 1 ? qint16(0) : v; }

// The print-range bits of the dialog flags.
constexpr qint32 SelectionFlag = 0x1;
constexpr qint32 PageNumbersFlag = 0x2;
constexpr qint32 CurrentPageFlag = 0x400000;
constexpr qint32 RangeFlags = SelectionFlag | PageNumbersFlag | CurrentPageFlag;

QPrinter::PrintRange rangeOf(qint32 flags)
{
    if (flags & PageNumbersFlag)
        return QPrinter::PageRange;
    if (flags & SelectionFlag)
        return QPrinter::Selection;
    if (flags & CurrentPageFlag)
        return QPrinter::CurrentPage;
    return QPrinter::AllPages;
}

qint32 flagOf(QPrinter::PrintRange range)
{
    switch (range) {
    case QPrinter::PageRange: return PageNumbersFlag;
    case QPrinter::Selection: return SelectionFlag;
    case QPrinter::CurrentPage: return CurrentPageFlag;
    case QPrinter::AllPages: break;
    }
    return 0;
}
} // namespace

void clsPrintDialog::setMin(qint16 intNewValue) { setInOrder(0, intNewValue); }

void clsPrintDialog::setFromPage(qint16 intNewValue) { setInOrder(1, intNewValue); }

void clsPrintDialog::setToPage(qint16 intNewValue) { setInOrder(2, intNewValue); }

void clsPrintDialog::setMax(qint16 intNewValue) { setInOrder(3, intNewValue); }

void clsPrintDialog::setInOrder(int position, qint16 intNewValue)
{
    qint16 *const order[] = {&min_, &from_, &to_, &max_};
    const qint16 v = pageValue(intNewValue);
    for (int i = 0; i < 4; ++i)
        *order[i] = i < position ? std::min(*order[i], v) : i > position ? std::max(*order[i], v) : v;
}

bool clsPrintDialog::ShowPrinter(QPrinter *printer)
{
    if (!printer)
        return false;
    // What a cancelled dialog must leave as it was.
    const QString name = printer->printerName();
    const QString outputFile = printer->outputFileName();
    const QPrinter::OutputFormat format = printer->outputFormat();
    const int copies = printer->copyCount();
    const QPrinter::DuplexMode duplex = printer->duplex();
    const QPageLayout::Orientation orientation = printer->pageLayout().orientation();
    const QPrinter::PrintRange range = printer->printRange();
    const int oldFrom = printer->fromPage(), oldTo = printer->toPage();

    printer->setPrintRange(rangeOf(flags));
    if (from_ > 0 && to_ >= from_)
        printer->setFromTo(from_, to_);
    if (Dialogs::print(printer, QString(), min_, max_)) {
        flags = (flags & ~RangeFlags) | flagOf(printer->printRange());
        from_ = qint16(printer->fromPage());
        to_ = qint16(printer->toPage());
        return true;
    }
    printer->setOutputFileName(outputFile);
    printer->setOutputFormat(format);
    if (format == QPrinter::NativeFormat)
        printer->setPrinterName(name);
    printer->setCopyCount(copies);
    printer->setDuplex(duplex);
    printer->setPageOrientation(orientation);
    printer->setPrintRange(range);
    printer->setFromTo(oldFrom, oldTo);
    return false;
}
