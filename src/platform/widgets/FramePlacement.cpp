#include "platform/widgets/FramePlacement.h"

#include <QEvent>
#include <QHash>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

const QString KeeperName = QStringLiteral("FrameKeeper");

// The frame margins of the last framed showing, by window object name.
QHash<QString, QMargins> &RememberedMargins()
{
    static QHash<QString, QMargins> margins;
    return margins;
}

QMargins CurrentMargins(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    if (!handle || !window->isVisible())
        return {};
    return handle->frameMargins();
}

// Keeps one window at its rule's place until its frame has arrived there.
class FrameKeeper final : public QObject
{
public:
    FrameKeeper(QWidget *window, FrameRule rule)
        : QObject(window), window(window), rule(std::move(rule))
    {
        setObjectName(KeeperName);
        window->installEventFilter(this);
    }

    void setRule(FrameRule newRule)
    {
        rule = std::move(newRule);
        corrections = 0;
    }

    // Places the window; true when its frame is known and stands at the place already.
    bool place()
    {
        const QPoint target = rule(window->size().grownBy(ExpectedFrameMargins(window)));
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

    void finish()
    {
        window->removeEventFilter(this);
        setObjectName(QString());
        deleteLater();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (watched != window
            || (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize
                && type != QEvent::WindowStateChange))
            return false;
        if (window->windowState()
            & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
            return false;
        if (CurrentMargins(window).isNull())
            return false; // no frame yet: the place given as the frame's stands meanwhile
        // A window manager that keeps its own idea of the place is not fought for long.
        if (place() || ++corrections > 3)
            finish();
        return false;
    }

private:
    QWidget *window;
    FrameRule rule;
    int corrections = 0;
};

} // namespace

QMargins ExpectedFrameMargins(const QWidget *window)
{
    const QMargins current = CurrentMargins(window);
    if (!current.isNull()) {
        RememberedMargins().insert(window->objectName(), current);
        return current;
    }
    return RememberedMargins().value(window->objectName());
}

void PlaceFrame(QWidget *window, FrameRule rule)
{
    auto *keeper = dynamic_cast<FrameKeeper *>(
        window->findChild<QObject *>(KeeperName, Qt::FindDirectChildrenOnly));
    if (keeper)
        keeper->setRule(std::move(rule));
    else
        keeper = new FrameKeeper(window, std::move(rule));
    if (keeper->place())
        keeper->finish();
}

} // namespace platform
