#pragma once
// Arrangements of the main window's document area that Qt does not offer itself.

#include <QPointer>

class QEvent;
class QKeyEvent;
class QMdiArea;
class QMenuBar;
class QObject;
class QWidget;

// The frame a child window is drawn in: its MDI sub-window, or the window itself when it is
// not in a document area. Showing, hiding and raising a child go through it.
QWidget *MdiFrame(QWidget *janela);

// "This window" busy around a file or printer job and its dialogs: the window disabled and the
// hourglass pointer, both given back at the end. Disabling a window takes the focus from its
// controls, and the main window, made active again when a dialog closes, would give the focus
// to the first control of its first child, making that child the active one. While the window
// is busy its frame in the document area holds the focus instead, and the control that had it
// gets it back at the end; a window that did not hold the focus leaves it where it is.
class BusyWindow
{
public:
    void Begin(QWidget *janela);
    void End();

private:
    QPointer<QWidget> window;
    QPointer<QWidget> control; // the window's control that had the focus
};

// Lines up the minimised child windows along the bottom edge of the area, left to right, in
// the order the children were opened, starting a row above when one is full.
void ArrangeMinimizedChildren(QMdiArea *area);

// Whether an enabled entry of a child's menu bar has this key as its shortcut.
bool IsMenuShortcut(const QMenuBar *barra, const QKeyEvent *tecla);

// For a window's event filter: a shortcut-override event of one of its line edits whose key
// is a shortcut of the window's menu bar is taken from the box, so the menu acts (Ctrl+A opens
// a case rather than selecting the box's text). True when the event was taken.
bool MenuBeforeTextBox(const QMenuBar *barra, QObject *objeto, QEvent *evento);
