#include "core/frmMain.h"
#include "core/Dialogs.h"
#include "core/Editglob.h"
#include "sections/runoff/StandardLandUse.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QVBoxLayout>

QV_REGISTER_FORM(frmMain)

frmMain::frmMain()
{
    mnuFile_ = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
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
    }
}

frmMain *frmMain::instance()
{
    return Forms::instance<frmMain>();
}

void frmMain::SetSaveEnabled(bool on) { fileItems_[14]->setEnabled(on); }
void frmMain::SetSaveAsEnabled(bool on) { fileItems_[15]->setEnabled(on); }

void frmMain::buildControls(QWidget *central)
{
    new QVBoxLayout(central);
}

void frmMain::Form_Load()
{
    // Start-up: the project state, the temp folder, the standard land uses,
    // then the first activation. Nothing of the previous run is deleted.
    setWindowTitle(QStringLiteral("Quorvale System Controller /  Editor "));
    move(0, 0);
    SetSaveEnabled(false);
    SetSaveAsEnabled(false);
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

void frmMain::Form_Activate() {}
