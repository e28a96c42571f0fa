#include "core/WindowPlace.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace WindowPlace {

namespace {

// How often the frame is looked at while it settles; how long the frame
// must stand at its place before the window is left to the user (a window
// manager may still send a late answer); how long a move is given to take
// effect; how long a window manager is given to frame the window at all; and
// when one that insists on a place of its own is left alone.
constexpr int CheckInterval = 20;
constexpr int StableTime = 100;
constexpr int MoveAnswerTime = 250;
constexpr int FrameWait = 1000;
constexpr int SettleLimit = 3000;
constexpr int MaxMoves = 8;

// Platforms on which no window manager draws a frame.
bool framesNeverCome()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

QPoint target(const QWidget *w)
{
    QScreen *screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().topLeft() : QPoint();
}

class FramePlacer : public QObject
{
public:
    explicit FramePlacer(QWidget *window) : QObject(window), window_(window)
    {
        setObjectName(QStringLiteral("framePlacer"));
        timer_.setInterval(CheckInterval);
        connect(&timer_, &QTimer::timeout, this, &FramePlacer::check);
        window->installEventFilter(this);
    }

    void place()
    {
        const QPoint place = target(window_);
        window_->move(place);
        if (window_->isVisible()) {
            start();
            return;
        }
        // The size it will be shown at, as showing would set it; set later,
        // it would make the place the inner corner's again. A dialog sizes
        // itself as it is shown and is left to do so.
        if (!window_->testAttribute(Qt::WA_Resized) && !qobject_cast<QDialog *>(window_)) {
            window_->adjustSize();
            window_->setAttribute(Qt::WA_Resized, false);
        }
        window_->winId();
        if (QWindow *native = window_->windowHandle())
            native->setFramePosition(place);
        pending_ = true;
    }

    bool settling() const { return timer_.isActive(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_) {
            switch (event->type()) {
            case QEvent::Show:
                if (pending_)
                    start();
                break;
            case QEvent::Hide:
                pending_ = false;
                timer_.stop();
                break;
            case QEvent::Move:
            case QEvent::Resize:
                // The window manager's answer: the place is looked at anew.
                answered_ = true;
                stable_.invalidate();
                if (settling())
                    QTimer::singleShot(0, this, &FramePlacer::check);
                break;
            default:
                break;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void start()
    {
        pending_ = false;
        moves_ = 0;
        answered_ = true;
        stable_.invalidate();
        settle_.start();
        timer_.start();
        check();
    }

    void check()
    {
        if (!settling())
            return;
        const QPoint place = target(window_);
        if (framesNeverCome()) {
            // Nothing but the program moves the window.
            if (window_->frameGeometry().topLeft() != place)
                window_->move(place);
            timer_.stop();
            return;
        }
        // Until the window manager has mapped and framed the window, the
        // frame Qt reports may be the one from before it was hidden, or the
        // inner rectangle alone; a move made from it would go astray.
        const QWindow *native = window_->windowHandle();
        const QRect frame = window_->frameGeometry();
        const bool framed = native && native->isExposed() && frame != window_->geometry();
        const bool waiting = (!framed && settle_.elapsed() < FrameWait)
                             || (!answered_ && lastMove_.elapsed() < MoveAnswerTime);
        if (!waiting) {
            if (frame.topLeft() == place) {
                if (!stable_.isValid())
                    stable_.start();
                else if (stable_.elapsed() >= StableTime)
                    timer_.stop();
            } else if (moves_ < MaxMoves) {
                stable_.invalidate();
                window_->move(place);
                answered_ = false;
                lastMove_.start();
                ++moves_;
            }
        }
        if (settling() && settle_.elapsed() >= SettleLimit)
            timer_.stop();
    }

    QWidget *window_;
    QTimer timer_;
    QElapsedTimer settle_;
    QElapsedTimer lastMove_;
    QElapsedTimer stable_;
    bool pending_ = false;
    bool answered_ = true;
    int moves_ = 0;
};

FramePlacer *placerOf(const QWidget *window)
{
    return window->findChild<FramePlacer *>(QStringLiteral("framePlacer"), Qt::FindDirectChildrenOnly);
}

} // namespace

void AtTopLeft(QWidget *window)
{
    if (!window)
        return;
    FramePlacer *placer = placerOf(window);
    if (!placer)
        placer = new FramePlacer(window);
    placer->place();
}

bool IsSettling(const QWidget *window)
{
    const FramePlacer *placer = window ? placerOf(window) : nullptr;
    return placer && placer->settling();
}

} // namespace WindowPlace
