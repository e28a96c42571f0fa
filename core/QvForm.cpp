#include "core/QvForm.h"

#include "core/WindowPlace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHash>
#include <QScreen>
#include <QStyle>
#include <QWidget>

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
    if (loaded_)
        loadFinished();
}

QString QvForm::ShortCaption() const
{
    return windowTitle().section(QStringLiteral("   Current File - "), 0, 0);
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

void QvForm::fitTitle()
{
    adjustSize();
    // Window managers draw the caption in a bold face of about the program's
    // size, beside an icon and three buttons each about as wide as the bar is
    // high.
    QFont bold = QApplication::font();
    bold.setBold(true);
    const int bar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    int wanted = QFontMetrics(bold).horizontalAdvance(windowTitle()) + 5 * bar;
    if (const QScreen *s = screen())
        wanted = std::min(wanted, s->availableGeometry().width() - bar);
    if (wanted > width())
        resize(wanted, height());
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

QvForm *get(const QString &name)
{
    QPointer<QvForm> &slot = instances()[name];
    if (!slot) {
        const auto it = factories().constFind(name);
        if (it == factories().constEnd())
            return nullptr;
        slot = (*it)();
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

void ShowForm(QvForm *frm, const QWidget *after)
{
    if (!frm)
        return;
    frm->load();
    frm->setWindowState(frm->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    WindowPlace::After(frm, after);
    BringToFront(frm);
}

void BringToFront(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void ShowForm(const QString &name) { ShowForm(Forms::get(name)); }

} // namespace Globsubs
