#pragma once
#include "core/logic/Dialogs.h"
#include "core/QvForm.h"

#include <QMap>
#include <QPointer>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

// The main window: start-up, menus and the section list.
class frmMain : public QvForm
{
    Q_OBJECT
public:
    frmMain();

    // The one main window, or nullptr before it was created.
    static frmMain *instance();

    QAction *mnuFileItem(int index) const { return fileItems_.value(index); }
    void SetSaveEnabled(bool on);
    void SetSaveAsEnabled(bool on);
    void ShowRunMenu(bool on);
    // Run is disabled while an external program started by the editor runs.
    void SetRunEnabled(bool on);

    // The mouse pointer the window had at start-up, put back after each
    // external program has run.
    Qt::CursorShape SavedPointer = Qt::ArrowCursor;
    // The section last chosen in the list (1..14), 0 when none was selected.
    int CurrentSection = 0;
    // The answer of the window's last message box.
    Dialogs::Answer LastAnswer = Dialogs::Answer::OK;

    void Form_Activate() override;
    // Lists sections 1 to 14, marking those whose working file holds a byte.
    void RefreshSectionList();

    void mnuFileItem_Click(int index);
    void mnuViewItem_Click(int index);
    void mnuHelpItem_Click(int index);
    void mnuRun_Click();
    void mnuPlots_Click();
    void CurrentLst_Click();
    void cmdHelp_Click();

protected:
    void buildControls(QWidget *central) override;
    void Form_Load() override;
    bool Form_QueryUnload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMenu *mnuFile_ = nullptr;
    QMenu *mnuView_ = nullptr;
    QMenu *mnuHelp_ = nullptr;
    QAction *mnuRun_ = nullptr;
    QAction *mnuPlots_ = nullptr;
    QMap<int, QAction *> fileItems_;
    QPointer<QWidget> frame1_;
    QPointer<QWidget> frame2_;
    QPointer<QPushButton> cmdHelp_;
    QPointer<QListWidget> currentLst_;
};
