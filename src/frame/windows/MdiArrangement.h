#pragma once
// Arrangements of the main window's document area that Qt does not offer itself.

class QEvent;
class QKeyEvent;
class QMdiArea;
class QMenuBar;
class QObject;
class QWidget;

// The frame a child window is drawn in: its MDI sub-window, or the window itself when it is
// not in a document area. Showing, hiding and raising a child go through it.
QWidget *MdiFrame(QWidget *janela);

// Lines up the minimised child windows along the bottom edge of the area, left to right, in
// the order the children were opened, starting a row above when one is full.
void ArrangeMinimizedChildren(QMdiArea *area);

// Whether an enabled entry of a child's menu bar has this key as its shortcut.
bool IsMenuShortcut(const QMenuBar *barra, const QKeyEvent *tecla);

// For a window's event filter: a shortcut-override event of one of its line edits whose key
// is a shortcut of the window's menu bar is taken from the box, so the menu acts (Ctrl+A opens
// a case rather than selecting the box's text). True when the event was taken.
bool MenuBeforeTextBox(const QMenuBar *barra, QObject *objeto, QEvent *evento);
