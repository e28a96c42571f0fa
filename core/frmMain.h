#pragma once
#include "core/QvForm.h"

#include <QMap>

class QAction;
class QMenu;

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

    // The mouse pointer the window had at start-up, put back after each
    // external program has run.
    Qt::CursorShape SavedPointer = Qt::ArrowCursor;

    void Form_Activate() override;

protected:
    void buildControls(QWidget *central) override;
    void Form_Load() override;

private:
    QMenu *mnuFile_ = nullptr;
    QMap<int, QAction *> fileItems_;
};
