#include "core/WindowPlace.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

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

QRect freeArea(const QWidget *w)
{
    QScreen *screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
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

    void place(const QWidget *previous)
    {
        previous_ = previous;
        // The size it will be shown at, as showing would set it; set later,
        // it would make the place the inner corner's again. A dialog sizes
        // itself as it is shown and is left to do so.
        if (!window_->isVisible() && !window_->testAttribute(Qt::WA_Resized) && !qobject_cast<QDialog *>(window_)) {
            window_->adjustSize();
            window_->setAttribute(Qt::WA_Resized, false);
        }
        const QPoint place = target();
        window_->move(place);
        if (window_->isVisible()) {
            start();
            return;
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
    // Where the frame goes: the top-left corner of the free area; or, after
    // another window, under that one's frame when the whole frame fits there,
    // else a title bar lower and further right; always on the free area.
    QPoint target() const
    {
        const QRect area = freeArea(window_);
        if (!previous_ || !previous_->isVisible())
            return area.topLeft();
        const QRect before = previous_->frameGeometry();
        // Until this window is framed, the other one's frame tells the size of its own.
        QSize size = window_->frameGeometry().size();
        if (window_->frameGeometry() == window_->geometry())
            size += before.size() - previous_->geometry().size();
        QPoint place(before.left(), before.bottom() + 1);
        if (place.y() + size.height() > area.bottom() + 1) {
            const int titleBar = std::max(previous_->geometry().top() - before.top(),
                                          window_->style()->pixelMetric(QStyle::PM_TitleBarHeight));
            place = before.topLeft() + QPoint(titleBar, titleBar);
        }
        place.setX(std::clamp(place.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
        place.setY(std::clamp(place.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
        return place;
    }

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
        const QPoint place = target();
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
        // A place after another window is known once that one stands still.
        const bool waiting = (!framed && settle_.elapsed() < FrameWait)
                             || (!answered_ && lastMove_.elapsed() < MoveAnswerTime)
                             || (previous_ && IsSettling(previous_));
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
    QPointer<const QWidget> previous_;
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

void AtTopLeft(QWidget *window) { After(window, nullptr); }

void After(QWidget *window, const QWidget *previous)
{
    if (!window)
        return;
    FramePlacer *placer = placerOf(window);
    if (!placer)
        placer = new FramePlacer(window);
    placer->place(previous != window ? previous : nullptr);
}

bool IsSettling(const QWidget *window)
{
    const FramePlacer *placer = window ? placerOf(window) : nullptr;
    return placer && placer->settling();
}

} // namespace WindowPlace
