#include "platform/widgets/FramePlacement.h"

#include <QEvent>
#include <QHash>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

const QString WatcherName = QStringLiteral("FrameWatcher");

// The frame margins of the last framed showing in the normal state, by window object name.
QHash<QString, QMargins> &RememberedMargins()
{
    static QHash<QString, QMargins> margins;
    return margins;
}

bool Normal(const QWidget *window)
{
    return !(window->windowState()
             & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

QMargins CurrentMargins(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    if (!handle || !window->isVisible())
        return {};
    return handle->frameMargins();
}

// Watches one window's frame: places it by a rule until its frame has arrived there, and
// follows where the frame stands while the window is in its normal state.
class FrameWatcher final : public QObject
{
public:
    explicit FrameWatcher(QWidget *window) : QObject(window), window(window)
    {
        setObjectName(WatcherName);
        window->installEventFilter(this);
    }

    static FrameWatcher *of(const QWidget *window)
    {
        return dynamic_cast<FrameWatcher *>(
            window->findChild<QObject *>(WatcherName, Qt::FindDirectChildrenOnly));
    }

    void setRule(FrameRule newRule)
    {
        rule = std::move(newRule);
        corrections = 0;
        if (place())
            rule = nullptr;
    }

    std::optional<QPoint> normalPlace() const { return lastNormalPlace; }

    void setFramed(std::function<void(const QMargins &)> call) { framed = std::move(call); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (watched != window
            || (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize))
            return false;
        if (!Normal(window)) {
            // Shown maximised or minimised: the window manager keeps the place given as the
            // normal place. Moving the window on its way back to the normal state would take
            // the margins of the maximised frame, which Qt still holds then. Nor is its size its
            // own on that way back: the window manager may move it before it shrinks it.
            rule = nullptr;
            framed = nullptr;
            return false;
        }
        const QMargins margins = CurrentMargins(window);
        if (margins.isNull())
            return false; // no frame yet: the place given as the frame's stands meanwhile
        if (framed) {
            QMetaObject::invokeMethod(
                window, [call = std::move(framed), margins] { call(margins); },
                Qt::QueuedConnection);
            framed = nullptr;
        }
        // A window manager that keeps its own idea of the place is not fought for long.
        if (rule && (place() || ++corrections > 3))
            rule = nullptr;
        if (!rule)
            lastNormalPlace = window->frameGeometry().topLeft();
        return false;
    }

private:
    // Places the window; true when its frame is known and stands at the place already.
    bool place()
    {
        const QPoint target = rule(window->size().grownBy(ExpectedFrameMargins(window)));
        lastNormalPlace = target;
        const bool framed = !CurrentMargins(window).isNull();
        if (framed && window->frameGeometry().topLeft() == target)
            return true;
        // Framed, or not created yet (Qt then hands the place over as the frame's): move()
        // places the frame. Created but not framed yet: move() would place the client area.
        if (framed || !window->testAttribute(Qt::WA_WState_Created))
            window->move(target);
        else if (QWindow *handle = window->windowHandle())
            handle->setFramePosition(target);
        return false;
    }

    QWidget *window;
    FrameRule rule;
    int corrections = 0;
    std::optional<QPoint> lastNormalPlace;
    std::function<void(const QMargins &)> framed;
};

FrameWatcher *Watcher(QWidget *window)
{
    FrameWatcher *watcher = FrameWatcher::of(window);
    return watcher ? watcher : new FrameWatcher(window);
}

} // namespace

QMargins ExpectedFrameMargins(const QWidget *window)
{
    const QMargins current = CurrentMargins(window);
    if (!current.isNull() && Normal(window)) {
        RememberedMargins().insert(window->objectName(), current);
        return current;
    }
    return RememberedMargins().value(window->objectName());
}

void PlaceFrame(QWidget *window, FrameRule rule)
{
    Watcher(window)->setRule(std::move(rule));
}

void WhenFramed(QWidget *window, std::function<void(const QMargins &)> framed)
{
    Watcher(window)->setFramed(std::move(framed));
}

void FollowNormalPlace(QWidget *window)
{
    Watcher(window);
}

std::optional<QPoint> NormalFramePlace(const QWidget *window)
{
    const FrameWatcher *watcher = FrameWatcher::of(window);
    return watcher ? watcher->normalPlace() : std::nullopt;
}

} // namespace platform
