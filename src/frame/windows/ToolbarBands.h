#pragma once
// The main window's two toolbars side by side in their band container (cobBarra) above the
// document area: the buttons with their keys, tips and icons, their captions, showing and
// hiding a band, and the bands' sizes (frame::AjustaBandas) as the bars change. mdiMenu
// keeps one and acts on it from its View entries.

#include "frame/FrameRules.h"

#include <QString>
#include <functional>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

class ToolbarBands
{
public:
    // Builds the container, both bars and their buttons in `parent`. A button's click calls
    // `clicked` with its key and whether it is a button of tbPadrao.
    ToolbarBands(QWidget *parent, std::function<void(const QString &chave, bool padrao)> clicked);

    QWidget *container() const { return cobBarra; }
    QToolBar *standardBar() const { return tbPadrao; }
    QToolBar *calculationBar() const { return tbCalculo; }

    // The button of a key, nullptr for an unknown key.
    QAction *button(const QString &chave) const;
    // A right click anywhere over the bars pops up `menu`, over a disabled button too.
    void setContextMenu(QMenu *menu);

    // Shows the bar when hidden, hides it when shown; the container goes with the last bar
    // shown and comes back with the first.
    void toggle(QToolBar *bar);
    // The buttons' captions under their icons, or no captions and no room for them.
    void showLabels(bool labels);
    // The sizes of the two bands, in twips, as fit last set them.
    frame::Bands bands() const { return bandSizes; }
    // Sizes the bands after the bars' contents and applies them.
    void fit(bool labels);
    // Gives each bar the size of its band, never less than its buttons need.
    void apply();

private:
    void addButtons(const std::function<void(const QString &, bool)> &clicked);

    QWidget *cobBarra = nullptr;
    QToolBar *tbPadrao = nullptr;
    QToolBar *tbCalculo = nullptr;
    frame::Bands bandSizes = frame::DesignBands();
};
