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

#include <QMargins>
#include <QPoint>
#include <QSize>
#include <functional>

class QWidget;

namespace platform {

// Where the frame's top-left corner goes (screen pixels), given the frame's outer size.
using FrameRule = std::function<QPoint(const QSize &outerSize)>;

// Places a top-level window by its frame now and again when the window system reports its
// frame, until the frame stands at the rule's place; a maximised or minimised window is left
// alone meanwhile. A later call replaces the rule of an earlier one.
void PlaceFrame(QWidget *window, FrameRule rule);

// The frame margins of the window when it is shown and framed, else those of the last framed
// showing of a window of its object name, else none.
QMargins ExpectedFrameMargins(const QWidget *window);

} // namespace platform
