#pragma once
// Rules of the frame that need no window: the command line and the second-start hand-off,
// the start-up choice between a case and the tip of the day, stored window placement, and
// the sizes of the two toolbar bands. Sizes of windows and bands are kept in twips, 15 to
// the pixel.

#include <QList>
#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace frame {

// The command line as one text: the arguments joined by single blanks, an argument that
// holds a blank (or is empty) between double quotes.
QString CommandLine(const QStringList &argumentos);

// The case path a command line names: after an upper-case "/A" or "/C" followed by a blank
// (or alone) the rest from the fourth character on; otherwise the whole line, quotes kept.
QString CaseFileOfCommandLine(const QString &linha);

// The command line with the case path it names made absolute against the working folder of
// the process that was started, so that the recent files and a running instance get a path
// that holds from anywhere. The switch "/A" or "/C" and the path's enclosing quotes stay as
// they were; a line that names no path, or an absolute one, is returned as it is.
QString MakePathAbsolute(const QString &linha, const QString &pastaTrabalho);

// The file a case path names: a path between double quotes (as the command line quotes a
// path with blanks) without them; any other path as it is.
QString UnquotedPath(const QString &arquivo);

// What a second start sends to the running instance: "/P " and its whole command line.
QString ComandoDDE(const QString &linha);

// A received hand-off: the path to open (may be empty) and whether the window goes back to
// its last state when minimised (only for a command that starts with "/P"). After "/P" comes
// the second start's command line, whose case path is taken as on a first start.
struct ReceivedCommand {
    QString file;
    bool restoreState = false;
};
ReceivedCommand ParseCommand(const QString &comando);

// After the main window is shown: open a case (named: the named file) or show the tip of the
// day. A tips setting of exactly "0", or a named file, opens a case.
struct StartupChoice {
    bool openCase = false;
    bool named = false;
};
StartupChoice DecideStartup(const QString &dicasIniciar, const QString &file);

// A stored placement value: the whole number of twips the text starts with; nullopt when it
// is 0 or less (the design value stays), or the text does not start with a number.
std::optional<int> PlacementValue(const QString &texto);

// A placement of the main window in screen pixels: where the top-left corner of its frame
// stands (nullopt: the window manager places it, as at a first start) and the size of its
// client area.
struct WindowPlacement {
    std::optional<QPoint> place;
    QSize size;
    bool operator==(const WindowPlacement &) const = default;
};

// How much of the window, each way, must stand on a screen for the user to reach its title
// bar and menus (the whole window when it is smaller).
constexpr int UsablePart = 100;

// A stored placement as the screens can show it, given the frame's margins and the screens'
// available areas, the primary screen's first. A size larger than the area of the screen the
// window stands on is cut to it; a place that leaves the title bar above that area, or less
// than UsablePart of the window on it, is dropped (the window manager places the window on
// the primary screen, the size cut to that one's area). Every placement that fits stays as it
// is stored.
WindowPlacement FitPlacement(WindowPlacement stored, const QMargins &frame,
                             const QList<QRect> &areas);

// Minimum width, width and minimum height of one toolbar band, in twips.
struct Band {
    int minWidth = 0;
    int width = 0;
    int minHeight = 0;
};
struct Bands {
    Band standard;    // band 1, the standard toolbar
    Band calculation; // band 2, the calculation toolbar
};
// The bands as designed.
Bands DesignBands();
// Band sizes after the button captions were switched on or off, from the toolbars' own
// widths and heights in twips.
Bands AjustaBandas(Bands bandas, bool etiquetas, int larguraPadrao, int alturaPadrao,
                   int larguraCalculo);

// The local server the running instance answers on: a socket named by the application title
// and the topic "Menu" in the user's runtime folder, which is private to the user and the
// desktop session. Empty without a runtime folder: then no instance hands over to another.
QString ServerName(const QString &titulo, const QString &pastaRuntime);

} // namespace frame
