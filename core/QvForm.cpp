#include "core/QvForm.h"

#include "core/WindowPlace.h"

#include <QCloseEvent>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {
// Stands in for a window whose editing is not built yet: its title, a note and
// a close button; it reads and writes nothing.
class PlaceholderForm : public QvForm
{
public:
    explicit PlaceholderForm(const QString &title) : title_(title) {}

protected:
    void buildControls(QWidget *central) override
    {
        setWindowTitle(title_);
        auto *layout = new QVBoxLayout(central);
        auto *note = new QLabel(QStringLiteral("This window is not available in this version."), central);
        note->setObjectName(QStringLiteral("lblPlaceholder"));
        auto *close = new QPushButton(QStringLiteral("Close"), central);
        close->setObjectName(QStringLiteral("cmdCancel"));
        layout->addWidget(note);
        layout->addWidget(close);
        connect(close, &QPushButton::clicked, this, &QvForm::unload);
    }

private:
    QString title_;
};
} // namespace

QvForm::QvForm(QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

QvForm::~QvForm() = default;

void QvForm::load()
{
    if (loaded_)
        return;
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);
    loaded_ = true;
    buildControls(central);
    Form_Load();
}

void QvForm::unload()
{
    if (!loaded_)
        return;
    unloading_ = true;
    close();
    unloading_ = false;
    if (loaded_) { // close() does nothing on a hidden window
        Form_Unload();
        discardControls();
    }
}

void QvForm::discardControls()
{
    loaded_ = false;
    if (QWidget *central = takeCentralWidget())
        central->deleteLater();
}

void QvForm::closeEvent(QCloseEvent *event)
{
    if (!loaded_) {
        event->accept();
        return;
    }
    if (!unloading_ && !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
    discardControls();
}

bool QvForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && loaded_)
        Form_Activate();
    return QMainWindow::event(event);
}

namespace Forms {

namespace {
// The tables are never destroyed: every window lives for the whole run, and
// stays reachable to the end.
QHash<QString, Factory> &factories()
{
    static auto *f = new QHash<QString, Factory>;
    return *f;
}
QHash<QString, QString> &placeholderTitles()
{
    static auto *t = new QHash<QString, QString>;
    return *t;
}
QHash<QString, QPointer<QvForm>> &instances()
{
    static auto *i = new QHash<QString, QPointer<QvForm>>;
    return *i;
}
} // namespace

bool registerForm(const QString &name, Factory factory)
{
    factories().insert(name, std::move(factory));
    return true;
}

bool isRegistered(const QString &name) { return factories().contains(name); }

void setPlaceholderTitle(const QString &name, const QString &title)
{
    placeholderTitles().insert(name, title);
}

QvForm *get(const QString &name)
{
    QPointer<QvForm> &slot = instances()[name];
    if (!slot) {
        const auto it = factories().constFind(name);
        if (it != factories().constEnd())
            slot = (*it)();
        else if (placeholderTitles().contains(name))
            slot = new PlaceholderForm(placeholderTitles().value(name));
        else
            return nullptr;
        slot->setObjectName(name);
    }
    return slot;
}

QList<QvForm *> created()
{
    QList<QvForm *> list;
    for (const auto &p : instances())
        if (p)
            list.append(p);
    return list;
}

} // namespace Forms

namespace Globsubs {

void ShowForm(QvForm *frm)
{
    if (!frm)
        return;
    frm->load();
    frm->setWindowState(frm->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    WindowPlace::AtTopLeft(frm);
    frm->show();
    frm->raise();
    frm->activateWindow();
}

void ShowForm(const QString &name) { ShowForm(Forms::get(name)); }

} // namespace Globsubs
