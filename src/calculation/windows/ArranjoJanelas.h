#pragma once
// Arrangements of the main window's document area that Qt does not offer itself.

class QMdiArea;

// Lines up the minimised child windows along the bottom edge of the area, left to right, in
// the order the children were opened, starting a row above when one is full.
void OrganizaIcones(QMdiArea *area);
