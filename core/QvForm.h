#pragma once
// The window base: one long-lived object per window, loaded afresh each time
// it is opened and unloaded when it closes. Unloading discards the controls
// built by buildControls(); members that Form_Load does not set keep their
// values until the window opens again.
#include <QMainWindow>
#include <QPointer>
#include <functional>

class QvForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit QvForm(QWidget *parent = nullptr);
    ~QvForm() override;

    bool isLoaded() const { return loaded_; }
    // Builds the controls and runs Form_Load, when the window is not loaded.
    void load();
    // Closes the window and discards its controls ("Unload Me").
    void unload();

    // Entry windows edit a section's working file; the commands that replace
    // the project close them first without accepting.
    virtual bool IsEntryWindow() const { return false; }
    // True while the window holds entries the user made that it has not
    // accepted, which closing it would lose.
    virtual bool HoldsUnacceptedEntries() const { return false; }
    // The window's caption without the name of the current file.
    QString ShortCaption() const;

    // The window's `Tag` text, through which a few windows hand data over.
    QString Tag;

protected:
    // Builds the window's controls into `central` (its central widget); called
    // at every load. Menus and tool bars that never change may be built once
    // in the constructor instead.
    virtual void buildControls(QWidget *central) = 0;
    virtual void Form_Load() {}
    // Called once Form_Load has run and the window holds what it loaded.
    virtual void loadFinished() {}
    // Called when the window becomes the active window.
    virtual void Form_Activate() {}
    // Return false to keep the window open when it is asked to close.
    virtual bool Form_QueryUnload() { return true; }
    virtual void Form_Unload() {}

    // Sizes the window as its layout asks, widened (up to the screen's free
    // width) so that the title bar has room for the whole caption.
    void fitTitle();

    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void discardControls();
    bool loaded_ = false;
    bool unloading_ = false;
};

namespace Forms {

using Factory = std::function<QvForm *()>;

// Registers the window class `name` (its documented name). Returns true so it
// can initialise a static.
bool registerForm(const QString &name, Factory factory);
bool isRegistered(const QString &name);

// The one instance of the window `name`, created on first use: the registered
// window, or nullptr when no window of that name is registered.
QvForm *get(const QString &name);

// The window as its class.
template <class T> T *instance()
{
    return qobject_cast<T *>(get(QString::fromLatin1(T::staticMetaObject.className())));
}

// Every window created so far (for closing the entry windows when the project
// is replaced, and for tests).
QList<QvForm *> created();

} // namespace Forms

// In a window's .cpp: registers the class under its own name.
#define QV_REGISTER_FORM(Class) \
    static const bool Class##_registered = Forms::registerForm(QStringLiteral(#Class), [] { return new Class; });

namespace Globsubs {
// Opens a window: loads it when not loaded, restores it, shows it in front at
// the screen's top-left corner; or, given `after`, where that window, opened
// just before it, stays in sight (see WindowPlace::After).
void ShowForm(QvForm *frm, const QWidget *after = nullptr);
void ShowForm(const QString &name);
// Brings a window that is open to the front where it stands, restored when
// minimised, as the active window: the focus returns to where it was in it.
void BringToFront(QWidget *window);
} // namespace Globsubs
