#include "core/frmFileDisp.h"

#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/Pagination.h"
#include "core/ProjectEvents.h"
#include "core/RunSaveOpen.h"
#include "core/Runner.h"
#include "core/logic/TextFile.h"
#include "core/TextView.h"

#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Editglob;

QV_REGISTER_FORM(frmFileDisp)

namespace {

// The viewer follows every run that asks for it, also before it first opened,
// and every run or save that rewrites or removes the file it shows.
[[maybe_unused]] const bool followsRuns = [] {
    QObject::connect(&ProjectEvents::instance(), &ProjectEvents::runOutputReady, [](const QString &source) {
        if (frmFileDisp *viewer = Forms::instance<frmFileDisp>())
            viewer->ShowRunOutput(source);
    });
    QObject::connect(&ProjectEvents::instance(), &ProjectEvents::outputsChanged, [] {
        if (frmFileDisp *viewer = Forms::instance<frmFileDisp>())
            viewer->FollowShownFile();
    });
    return true;
}();

const QString WindowCaption = QStringLiteral("File Display");
const QString CurrentFileCaption = QStringLiteral("   Current File - ");

QFont fixedFont(const QString &family, int pointSize)
{
    QFont font(family, pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(pointSize);
    }
    return font;
}
} // namespace

frmFileDisp::frmFileDisp()
{
    mnuPrint_ = menuBar()->addAction(QStringLiteral("Print"));
    mnuPrint_->setObjectName(QStringLiteral("mnuPrint"));
    connect(mnuPrint_, &QAction::triggered, this, &frmFileDisp::mnuPrint_Click);

    mnuView_ = menuBar()->addMenu(QStringLiteral("View"));
    mnuView_->setObjectName(QStringLiteral("mnuView"));
    const QList<QPair<int, QString>> items = {
        {0, QStringLiteral("Schematic")},         {1, QStringLiteral("Input File")},
        {3, QStringLiteral("-")},                 {4, QStringLiteral("Printed Page File")},
        {5, QStringLiteral("Error File")},        {6, QStringLiteral("Debug File")},
        {7, QStringLiteral("Hydrograph")},        {8, QStringLiteral("FloodEcon File")}};
    for (const auto &[index, caption] : items) {
        QAction *action = caption == QLatin1String("-") ? mnuView_->addSeparator() : mnuView_->addAction(caption);
        action->setObjectName(QStringLiteral("mnuViewItem_%1").arg(index));
        const int n = index;
        connect(action, &QAction::triggered, this, [this, n] { mnuViewItem_Click(n); });
        viewItems_.insert(index, action);
    }
    // The viewer never offers the schematic.
    viewItems_[0]->setVisible(false);
    viewItems_[0]->setEnabled(false);
}

const QStringList &frmFileDisp::Titles()
{
    static const QStringList titles = {QString(),
                                       QStringLiteral("Quorvale Input File"),
                                       QString(),
                                       QString(),
                                       QStringLiteral("Quorvale Printed Page File"),
                                       QStringLiteral("Quorvale Error File"),
                                       QStringLiteral("Quorvale Debug File"),
                                       QStringLiteral("Quorvale Hydrograph File"),
                                       QStringLiteral("Quorvale ORVA5 File")};
    return titles;
}

void frmFileDisp::buildControls(QWidget *central)
{
    auto *layout = new QVBoxLayout(central);
    lblWindow_ = new QLabel(central);
    lblWindow_->setObjectName(QStringLiteral("lblWindow"));
    layout->addWidget(lblWindow_);

    text_ = new TextView(central);
    text_->setObjectName(QStringLiteral("RichTextBox1"));
    text_->setFont(fixedFont(QStringLiteral("Courier New"), 10));
    layout->addWidget(text_, 1);

    auto *buttons = new QHBoxLayout;
    auto *close = new QPushButton(QStringLiteral("Close"), central);
    close->setObjectName(QStringLiteral("cmdCancel"));
    connect(close, &QPushButton::clicked, this, &frmFileDisp::cmdCancel_Click);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(800, 600);
}

void frmFileDisp::Form_Load()
{
    if (!LoadFile())
        unload();
}

bool frmFileDisp::LoadFile()
{
    // The title table stands in DisplayTitle from now on; it is never blank.
    DisplayTitle = Titles().join(QLatin1Char('\n'));
    text_->clear();
    shownFile_.clear();

    const QString source = pendingSource_.isEmpty() ? FileName : pendingSource_;
    pendingSource_.clear();
    const int index = (ViewFileIndex >= 1 && ViewFileIndex <= 8) ? ViewFileIndex : 0;
    DisplayFile = Run_Save_Open::StripExtension(source) + (index > 0 ? ViewExt[index] : QString());

    if (!ReadShownFile(DisplayFile))
        return false;

    Run_Save_Open::UpdateViewMenu(this);
    setWindowTitle(WindowCaption + CurrentFileCaption + source);
    lblWindow_->setText(Titles().value(index));
    return true;
}

void frmFileDisp::ShowRunOutput(const QString &runFile)
{
    pendingSource_ = runFile;
    // Open since before the run ended, the window would go on showing another
    // file, perhaps the input the run has just found errors in.
    if (isLoaded() && !LoadFile()) {
        unload();
        return;
    }
    Globsubs::ShowForm(this);
}

bool frmFileDisp::ReadShownFile(const QString &path)
{
    // Stamped first: a change while it is read shows at the next check.
    Run_Save_Open::OutputStamp stamp(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The view keeps the bytes as read and paints only what is in sight, so
    // large printed-page files load at once.
    text_->setBytes(file.readAll());
    shownFile_ = path;
    shownStamp_.emplace(std::move(stamp));
    return true;
}

void frmFileDisp::FollowShownFile()
{
    if (!isLoaded())
        return;
    // Shown as it was, a removed output would pass for the saved file's and a
    // rewritten one for what it now holds.
    if (shownStamp_ && !shownStamp_->unchanged() && !ReadShownFile(shownFile_)) {
        unload();
        return;
    }
    // The outputs its View menu offers may have come or gone.
    Run_Save_Open::UpdateViewMenu(this);
}

void frmFileDisp::mnuViewItem_Click(int index)
{
    if (index != 1 && (index < 4 || index > 8))
        return;
    if (!isLoaded()) {
        ViewFileIndex = index;
        return;
    }
    // A file that cannot be opened is reported; the viewer keeps what it shows.
    const QString wanted = Run_Save_Open::StripExtension(FileName) + ViewExt[index];
    QFile probe(wanted);
    if (!probe.open(QIODevice::ReadOnly)) {
        ReportUnreadable(wanted);
        return;
    }
    probe.close();
    ViewFileIndex = index;
    if (!LoadFile()) {
        ReportUnreadable(DisplayFile);
        unload();
    }
}

void frmFileDisp::ReportUnreadable(const QString &path)
{
    Dialogs::message(QStringLiteral("The file ") + path + QStringLiteral(" could not be opened."),
                     Dialogs::Buttons::OK, Dialogs::Icon::Exclamation);
}

void frmFileDisp::mnuPrint_Click()
{
    if (!isLoaded())
        return;
    QPrinter printer;
    // No page range and no print to file; a selection may be printed alone.
    const int options = text_ && text_->hasSelection() ? Dialogs::PrintSelection : 0;
    if (!Dialogs::print(&printer, QString(), 0, 0, options))
        return;
    PrintTo(&printer);
}

void frmFileDisp::PrintTo(QPrinter *printer)
{
    QStringList lines;
    int indent = 5;
    if (printer->printRange() == QPrinter::Selection) {
        lines = text_ ? text_->selectedText().split(QLatin1Char('\n')) : QStringList();
        indent = 0;
    } else if (text_) {
        // What the window shows, as it was loaded: the file may have been
        // rewritten by a later run, or removed, since.
        lines = TextFile::linesOf(text_->lines().bytes());
    }

    QPainter painter;
    if (!painter.begin(printer)) {
        Dialogs::message(QStringLiteral("Unable to print, check printer."), Dialogs::Buttons::OK,
                         Dialogs::Icon::Exclamation, QStringLiteral("Printer Error"));
        return;
    }
    const QFont font = fixedFont(QStringLiteral("Courier"), 10);
    painter.setFont(QFont(font, painter.device()));
    const QFontMetrics metrics(painter.font(), painter.device());
    const int lineHeight = qMax(1, metrics.lineSpacing());
    const int perPage = qMax(1, painter.viewport().height() / lineHeight);
    const QList<QStringList> pages = Pagination::Paginate(lines, perPage, indent);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer->newPage();
        int y = metrics.ascent();
        for (const QString &text : pages.at(p)) {
            painter.drawText(0, y, text);
            y += lineHeight;
        }
    }
    painter.end();
}

void frmFileDisp::cmdCancel_Click() { unload(); }

void frmFileDisp::setVisible(bool visible)
{
    // A file that could not be loaded leaves the window closed.
    if (visible && !isLoaded())
        return;
    QvForm::setVisible(visible);
}
