#include "core/frmMain.h"
#include "core/logic/CallShell.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/FileMenu.h"
#include "core/frmFileDisp.h"
#include "core/ProjectEvents.h"
#include "core/RunSaveOpen.h"
#include "core/Runner.h"
#include "sections/runoff/logic/StandardLandUse.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Editglob;

QV_REGISTER_FORM(frmMain)

namespace {

// The entry window of each list position (section numbers 1 to 14).
const char *const SectionWindows[] = {"frmAlternate", "frmDimHyd", "frmDurInc",  "frmGlobal",      "frmInpHyd",
                                      "frmRainDist",  "frmXsect",  "frmReaches", "frmStorm",       "frmStruct",
                                      "frmSubArea",   "frmTimeA",  "frmQV31",    "frmVerification"};

QAction *addCommand(QMenuBar *bar, const QString &name, const QString &caption)
{
    QAction *action = bar->addAction(caption);
    action->setObjectName(name);
    return action;
}

QString disclaimerText()
{
    return QStringLiteral(
        "This software is provided as it is, without warranty of any kind, express or implied, "
        "including any warranty that it is fit for a particular purpose or free of errors. "
        "The authors and distributors accept no responsibility for its use, for the results "
        "it produces or for any decision, loss or damage that follows from them. "
        "Whoever uses it is responsible for checking its input and judging its results.");
}

} // namespace

frmMain::frmMain()
{
    QMenuBar *bar = menuBar();

    mnuFile_ = bar->addMenu(QStringLiteral("File"));
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuFile_->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    const QList<QPair<int, QString>> items = {
        {1, QStringLiteral("New Quorvale File")}, {2, QStringLiteral("Open Existing Quorvale File")},
        {3, QStringLiteral("ReOpen Last Session")}, {5, QStringLiteral("-")},
        {6, QStringLiteral("Convert old Data")}, {7, QStringLiteral("Import HEC-RAS")},
        {9, QStringLiteral("-")}, {10, QStringLiteral("Local Land Use")},
        {11, QStringLiteral("Local Soil / HSG")}, {13, QStringLiteral("-")},
        {14, QStringLiteral("Save")}, {15, QStringLiteral("Save As")}, {17, QStringLiteral("-")},
        {18, QStringLiteral("Exit")}};
    for (const auto &[index, caption] : items) {
        QAction *action = caption == QLatin1String("-") ? mnuFile_->addSeparator() : mnuFile_->addAction(caption);
        action->setObjectName(QStringLiteral("mnuFileItem_%1").arg(index));
        fileItems_.insert(index, action);
        if (caption != QLatin1String("-"))
            connect(action, &QAction::triggered, this, [this, i = index] { mnuFileItem_Click(i); });
    }

    mnuView_ = bar->addMenu(QStringLiteral("View"));
    mnuView_->setObjectName(QStringLiteral("mnuView"));
    mnuView_->menuAction()->setObjectName(QStringLiteral("mnuView"));
    const QList<QPair<int, QString>> viewItems = {
        {0, QStringLiteral("Schematic")}, {1, QStringLiteral("Input File")}, {3, QStringLiteral("-")},
        {4, QStringLiteral("Printed Page File")}, {5, QStringLiteral("Error File")},
        {6, QStringLiteral("Debug File")}, {7, QStringLiteral("Hydrograph File")},
        {8, QStringLiteral("FloodEcon File")}};
    for (const auto &[index, caption] : viewItems) {
        QAction *action = caption == QLatin1String("-") ? mnuView_->addSeparator() : mnuView_->addAction(caption);
        action->setObjectName(QStringLiteral("mnuViewItem_%1").arg(index));
        if (caption != QLatin1String("-"))
            connect(action, &QAction::triggered, this, [this, i = index] { mnuViewItem_Click(i); });
    }

    addCommand(bar, QStringLiteral("mnuSpace1"), QString());
    mnuRun_ = addCommand(bar, QStringLiteral("mnuRun"), QStringLiteral("Run"));
    connect(mnuRun_, &QAction::triggered, this, &frmMain::mnuRun_Click);
    addCommand(bar, QStringLiteral("mnuspace4"), QString());
    mnuPlots_ = addCommand(bar, QStringLiteral("mnuPlots"), QStringLiteral("Plots"));
    connect(mnuPlots_, &QAction::triggered, this, &frmMain::mnuPlots_Click);
    addCommand(bar, QStringLiteral("mnuspace5"), QString());

    mnuHelp_ = bar->addMenu(QStringLiteral("Help"));
    mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp_->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    const QList<QPair<int, QString>> helpItems = {
        {1, QStringLiteral("Quorvale System Diagram")}, {2, QStringLiteral("-")},
        {3, QStringLiteral("Overview")}, {4, QStringLiteral("Help Facilities")},
        {5, QStringLiteral("Getting Started")}, {6, QStringLiteral("-")},
        {8, QStringLiteral("About Controller /  Editor")}};
    for (const auto &[index, caption] : helpItems) {
        QAction *action = caption == QLatin1String("-") ? mnuHelp_->addSeparator() : mnuHelp_->addAction(caption);
        action->setObjectName(QStringLiteral("mnuHelpItem_%1").arg(index));
        if (caption != QLatin1String("-"))
            connect(action, &QAction::triggered, this, [this, i = index] { mnuHelpItem_Click(i); });
    }

    mnuView_->menuAction()->setVisible(false);
    mnuRun_->setVisible(false);
    mnuPlots_->setVisible(false);
    resize(620, 520);

    const ProjectEvents *events = &ProjectEvents::instance();
    connect(events, &ProjectEvents::saveEnabledChanged, this, &frmMain::SetSaveEnabled);
    connect(events, &ProjectEvents::saveAsEnabledChanged, this, &frmMain::SetSaveAsEnabled);
    connect(events, &ProjectEvents::runOffered, this, [this] {
        ShowRunMenu(true);
        Run_Save_Open::UpdateViewMenu(this);
    });
    connect(events, &ProjectEvents::sectionsChanged, this, &frmMain::RefreshSectionList);
    connect(events, &ProjectEvents::titleChanged, this, &QWidget::setWindowTitle);
    connect(events, &ProjectEvents::externalProgramStarted, this, [this] {
        setCursor(Qt::WaitCursor);
        SetRunEnabled(false);
    });
    connect(events, &ProjectEvents::externalProgramEnded, this, [this](bool othersRunning) {
        setCursor(SavedPointer);
        SetRunEnabled(!othersRunning);
    });
    connect(events, &ProjectEvents::mainAnswer, this, [this](Dialogs::Answer answer) { LastAnswer = answer; });
}

frmMain *frmMain::instance()
{
    return Forms::instance<frmMain>();
}

void frmMain::SetSaveEnabled(bool on) { fileItems_[14]->setEnabled(on); }
void frmMain::SetSaveAsEnabled(bool on) { fileItems_[15]->setEnabled(on); }
void frmMain::ShowRunMenu(bool on) { mnuRun_->setVisible(on); }
void frmMain::SetRunEnabled(bool on) { mnuRun_->setEnabled(on); }

void frmMain::buildControls(QWidget *central)
{
    auto *layout = new QVBoxLayout(central);

    auto *heading = new QLabel(QStringLiteral("Quorvale System Controller / Editor"), central);
    heading->setObjectName(QStringLiteral("lblQV31"));
    heading->setAlignment(Qt::AlignCenter);
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 6);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    layout->addWidget(heading);

    auto *frame1 = new QFrame(central);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::Box);
    auto *frame1Layout = new QVBoxLayout(frame1);
    auto *text1 = new QLabel(QStringLiteral("Disclaimer"), frame1);
    text1->setObjectName(QStringLiteral("Text1"));
    text1->setAlignment(Qt::AlignCenter);
    QFont boldFont = text1->font();
    boldFont.setBold(true);
    text1->setFont(boldFont);
    auto *disclaimer = new QLabel(disclaimerText(), frame1);
    disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    disclaimer->setWordWrap(true);
    frame1Layout->addWidget(text1);
    frame1Layout->addWidget(disclaimer);
    layout->addWidget(frame1);
    frame1_ = frame1;

    auto *help = new QPushButton(QStringLiteral(" New User ?    Click Here"), central);
    help->setObjectName(QStringLiteral("cmdHelp"));
    connect(help, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
    layout->addWidget(help, 0, Qt::AlignHCenter);
    cmdHelp_ = help;

    auto *frame2 = new QFrame(central);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto *frame2Layout = new QVBoxLayout(frame2);
    auto *text20 = new QLabel(QStringLiteral("Click Data Section Name to Enter Data"), frame2);
    text20->setObjectName(QStringLiteral("Text2_0"));
    auto *list = new QListWidget(frame2);
    list->setObjectName(QStringLiteral("CurrentLst"));
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::Monospace);
    list->setFont(fixed);
    connect(list, &QListWidget::itemClicked, this, [this] { CurrentLst_Click(); });
    list->installEventFilter(this);
    auto *text21 = new QLabel(QStringLiteral("(X indicates some data entered for section)"), frame2);
    text21->setObjectName(QStringLiteral("Text2_1"));
    frame2Layout->addWidget(text20);
    frame2Layout->addWidget(list);
    frame2Layout->addWidget(text21);
    frame2->setVisible(false);
    layout->addWidget(frame2);
    frame2_ = frame2;
    currentLst_ = list;
    layout->addStretch();
}

void frmMain::Form_Load()
{
    // Start-up: the project state, the temp folder, the standard land uses,
    // then the first activation. Nothing of the previous run is deleted.
    setWindowTitle(QStringLiteral("Quorvale System Controller /  Editor "));
    move(0, 0);
    SetSaveEnabled(false);
    SetSaveAsEnabled(false);
    mnuView_->menuAction()->setVisible(false);
    if (!Editglob::InitProjectState(QDir::currentPath())) {
        Dialogs::message(QStringLiteral("The working folder ") + Editglob::TempDir
                             + QStringLiteral(" could not be created.\nSections cannot be edited or saved "
                                              "until the program is started from a folder it may write to."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Critical, QStringLiteral("Quorvale System"));
    }
    Standard_Land_Use::LoadStandardLandUse();
    Form_Activate();
    SavedPointer = cursor().shape();
}

void frmMain::Form_Activate()
{
    mnuPlots_->setVisible(false);
    if (!DataChanged && !FileName.isEmpty() && !IsUntitled()) {
        mnuRun_->setVisible(true);
        Run_Save_Open::UpdateViewMenu(this);
        QFile out(OutFileName);
        if (!OutFileName.isEmpty() && out.open(QIODevice::ReadOnly)) {
            mnuPlots_->setVisible(true);
            out.close();
        }
    } else {
        mnuRun_->setVisible(false);
        mnuView_->menuAction()->setVisible(false);
    }
    RefreshSectionList();
}

void frmMain::RefreshSectionList()
{
    const QStringList entries = Run_Save_Open::SectionListEntries();
    if (!currentLst_)
        return;
    currentLst_->clear();
    currentLst_->addItems(entries);
    // Every section in sight without scrolling.
    if (const int rows = currentLst_->count(); rows > 0)
        currentLst_->setMinimumHeight(currentLst_->sizeHintForRow(0) * rows + 2 * currentLst_->frameWidth() + 4);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // Enter and Space open the chosen section, as a click does. The cast comes
    // first: a list being destroyed is no longer a list, and comparing it with
    // the typed pointer would treat it as one.
    if (event->type() == QEvent::KeyPress && qobject_cast<QListWidget *>(watched) && watched == currentLst_) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            CurrentLst_Click();
            return true;
        }
    }
    return QvForm::eventFilter(watched, event);
}

bool frmMain::Form_QueryUnload()
{
    if (!FileMenu::ConfirmEnd())
        return false;
    // The program ends with this window: a command waiting for its program
    // must not go on with a project the user has left.
    CallShell::AbandonWaits();
    // No window outlives the main window: an entry window left open would edit
    // a project that nobody can save any more.
    for (QvForm *form : Forms::created())
        if (form != this)
            form->unload();
    return true;
}

void frmMain::mnuFileItem_Click(int index)
{
    if (index != 10 && index != 11) {
        if (frame1_)
            frame1_->setVisible(false);
        if (cmdHelp_)
            cmdHelp_->setVisible(false);
    }
    bool finished = false;
    switch (index) {
    case 1: finished = FileMenu::NewQuorvaleFile(); break;
    case 2: finished = FileMenu::OpenExisting(); break;
    case 3: finished = FileMenu::ReOpenLastSession(); break;
    case 6: finished = FileMenu::ConvertOldData(); break;
    case 7: finished = FileMenu::ImportHecRas(); break;
    case 10: finished = FileMenu::LocalLandUse(); break;
    case 11: finished = FileMenu::LocalSoil(); break;
    case 14: finished = FileMenu::Save(); break;
    case 15: finished = FileMenu::SaveAs(); break;
    case 18: FileMenu::Exit(); return;
    default: return;
    }
    if (!finished)
        return;
    if (!FileName.isEmpty())
        setWindowTitle(Run_Save_Open::MainCaption());
    if (frame2_)
        frame2_->setVisible(true);
}

void frmMain::mnuViewItem_Click(int index)
{
    if (index == 0) {
        Globsubs::ShowForm(QStringLiteral("frmTopoModel"));
        return;
    }
    ViewFileIndex = index;
    frmFileDisp *viewer = Forms::instance<frmFileDisp>();
    Globsubs::ShowForm(viewer);
    if (viewer && !viewer->isLoaded())
        frmFileDisp::ReportUnreadable(DisplayFile);
}

void frmMain::mnuHelpItem_Click(int index)
{
    static const QMap<int, QString> windows = {{1, QStringLiteral("frmDiagram")},
                                               {3, QStringLiteral("frmOverview")},
                                               {4, QStringLiteral("frmHelpFac")},
                                               {5, QStringLiteral("frmGettingStarted")},
                                               {8, QStringLiteral("frmAbout")}};
    if (windows.contains(index))
        Globsubs::ShowForm(windows.value(index));
}

void frmMain::mnuRun_Click()
{
    // A second engine on the same files would overwrite the first one's output
    // while it is being written.
    if (CallShell::RunningCount() > 0) {
        Dialogs::message(QStringLiteral("A program started by the editor is still running.\n"
                                        "Run again when it has ended."),
                         Dialogs::Buttons::OK, Dialogs::Icon::Exclamation);
        return;
    }
    DisplayTitle = QStringLiteral("Quorvale Printed Page File");
    FileMenu::RunExternalProgram(QStringLiteral("Quorvale program file (QV31.exe)"), QStringLiteral("qv31.fil"),
                                 QStringLiteral("qv31.exe"));
}

void frmMain::mnuPlots_Click()
{
    Globsubs::ShowForm(QStringLiteral("frmGraphicsOutput"));
}

void frmMain::CurrentLst_Click()
{
    const int row = currentLst_ ? currentLst_->currentRow() : -1;
    CurrentSection = row + 1;
    CurrentAlternate = 0;
    if (row < 0 || row >= int(std::size(SectionWindows)))
        return;
    Globsubs::ShowForm(QString::fromLatin1(SectionWindows[row]));
}

void frmMain::cmdHelp_Click()
{
    // Each opens where the one before it stays in sight.
    const QWidget *previous = nullptr;
    for (const char *name : {"frmGettingStarted", "frmHelpFac", "frmOverview"}) {
        QvForm *help = Forms::get(QString::fromLatin1(name));
        Globsubs::ShowForm(help, previous);
        previous = help;
    }
}
