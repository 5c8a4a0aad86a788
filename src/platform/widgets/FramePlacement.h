#pragma once
// Placing a top-level window by its outer frame (title bar and borders included) without
// racing the window manager. Until the window manager has framed a window, Qt knows only its
// client area: an outer size read then leaves the frame out, and a place set on a window
// that exists already but has no frame yet is taken for its client area.
//
// PlaceFrame() computes the place from the frame the window will have: its own once known,
// else the frame of the last showing of a window of the same object name (each opening of
// the calculator is a new window). It sets the place as the frame's, and places the window
// again when its frame arrives, until the frame stands where the rule wants it.
//
// While a window is maximised its frame has other margins, and on its way back to the
// normal state Qt still holds those for a while: NormalFramePlace() gives where its frame
// stood, or will stand, in the normal state, without asking the window manager then.

#include <QMargins>
#include <QPoint>
#include <QSize>
#include <functional>
#include <optional>

class QWidget;

namespace platform {

// Where the frame's top-left corner goes (screen pixels), given the frame's outer size.
using FrameRule = std::function<QPoint(const QSize &outerSize)>;

// Places a top-level window by its frame now and again when the window system reports its
// frame, until the frame stands at the rule's place; a window shown maximised or minimised
// keeps the place given as its normal place. A later call replaces the rule of an earlier one.
// The window's normal place is followed from then on.
void PlaceFrame(QWidget *window, FrameRule rule);

// Calls `framed` once, after the event that brought the window's frame in the normal state,
// with the frame's margins: for what could only be worked out without them before. A window
// shown maximised or minimised before then never gets the call.
void WhenFramed(QWidget *window, std::function<void(const QMargins &)> framed);

// Follows where the window's frame stands while it is shown in the normal state (not
// maximised, minimised or full screen), for NormalFramePlace().
void FollowNormalPlace(QWidget *window);

// The top-left corner of the window's frame in the normal state: where it stood last, or the
// place PlaceFrame() gave it; nullopt when neither is known (or nothing follows the window).
std::optional<QPoint> NormalFramePlace(const QWidget *window);

// The margins of the window's frame in the normal state: its own when it is shown so and
// framed, else those of the last such showing of a window of its object name, else none.
QMargins ExpectedFrameMargins(const QWidget *window);

} // namespace platform
