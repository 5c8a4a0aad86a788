#pragma once
// Arrangements of the main window's document area that Qt does not offer itself.

class QMdiArea;
class QWidget;

// The frame a child window is drawn in: its MDI sub-window, or the window itself when it is
// not in a document area. Showing, hiding and raising a child go through it.
QWidget *QuadroMdi(QWidget *janela);

// Hides a child window. When it was the active child, the area activates the most recently
// active visible child, or none, so the frame's menus and buttons follow.
void EscondeFilha(QWidget *janela);

// Lines up the minimised child windows along the bottom edge of the area, left to right, in
// the order the children were opened, starting a row above when one is full.
void OrganizaIcones(QMdiArea *area);
