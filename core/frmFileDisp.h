#pragma once
// The output viewer: shows the input file or one of the model's output files
// beside it, and prints it.
#include "core/QvForm.h"
#include "core/Runner.h"

#include <QMap>
#include <QPointer>
#include <QStringList>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class TextView;

class frmFileDisp : public QvForm
{
    Q_OBJECT
public:
    frmFileDisp();

    // Window titles by ViewFileIndex (0 to 8).
    static const QStringList &Titles();

    // At the end of a run that asks for the viewer: shows the file
    // ViewFileIndex names among the outputs of `runFile`, whether or not the
    // window was open; a file that cannot be loaded leaves it closed.
    void ShowRunOutput(const QString &runFile);

    // After a run or a save: the file shown is loaded again when it has
    // changed since, the window closes when it is gone, and its View menu
    // follows the outputs.
    void FollowShownFile();

    // The file the window shows (empty when nothing is loaded).
    QString ShownFile() const { return shownFile_; }

    void mnuViewItem_Click(int index);
    void mnuPrint_Click();
    // Tells the user that `path` could not be opened for viewing.
    static void ReportUnreadable(const QString &path);
    void cmdCancel_Click();

    // Prints the text shown (or, with a Selection range, the selected text)
    // on a printer that is already set up.
    void PrintTo(QPrinter *printer);

    void setVisible(bool visible) override;

protected:
    void buildControls(QWidget *central) override;
    void Form_Load() override;

private:
    bool LoadFile();
    // Shows the bytes of `path` as they are now; false when it cannot be read.
    bool ReadShownFile(const QString &path);

    QMenu *mnuView_ = nullptr;
    QAction *mnuPrint_ = nullptr;
    QMap<int, QAction *> viewItems_;
    QLabel *lblWindow_ = nullptr;
    // Cleared when an unload discards the controls.
    QPointer<TextView> text_;
    // The file whose outputs the next load shows, when not the current file's.
    QString pendingSource_;
    QString shownFile_;
    // The shown file as it was read.
    std::optional<Run_Save_Open::OutputStamp> shownStamp_;
};
