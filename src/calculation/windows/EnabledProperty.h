#pragma once
// The Enabled property of the case window's controls, as the window's procedures set and read
// it: a control's own setting, whatever its containers say; a field without such a control
// is passed over.

#include <QWidget>

inline bool IsControlEnabled(const QWidget *w)
{
    return w && !w->testAttribute(Qt::WA_ForceDisabled);
}

inline void SetControlEnabled(QWidget *w, bool habilitado)
{
    if (w)
        w->setEnabled(habilitado);
}
