#pragma once
// The static help windows of the main window's Help menu and "New User" button.
#include "core/QvForm.h"

class QVBoxLayout;

// A fixed help window: a caption, its content and a Close button.
class StaticHelpForm : public QvForm
{
    Q_OBJECT
protected:
    void buildControls(QWidget *central) override;
    virtual QString title() const = 0;
    virtual void buildContent(QWidget *central, QVBoxLayout *layout) = 0;
    // A heading and paragraphs, the common content of the text windows.
    static void addText(QWidget *central, QVBoxLayout *layout, const QString &heading,
                        const QStringList &paragraphs);
};

class frmDiagram : public StaticHelpForm
{
    Q_OBJECT
protected:
    QString title() const override;
    void buildContent(QWidget *central, QVBoxLayout *layout) override;
};

class frmOverview : public StaticHelpForm
{
    Q_OBJECT
protected:
    QString title() const override;
    void buildContent(QWidget *central, QVBoxLayout *layout) override;
};

class frmHelpFac : public StaticHelpForm
{
    Q_OBJECT
protected:
    QString title() const override;
    void buildContent(QWidget *central, QVBoxLayout *layout) override;
};

class frmGettingStarted : public StaticHelpForm
{
    Q_OBJECT
protected:
    QString title() const override;
    void buildContent(QWidget *central, QVBoxLayout *layout) override;
};

class frmAbout : public StaticHelpForm
{
    Q_OBJECT
protected:
    QString title() const override;
    void buildContent(QWidget *central, QVBoxLayout *layout) override;
};
