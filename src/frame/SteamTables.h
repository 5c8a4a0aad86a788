#pragma once
// The superheated-steam tables of the steam-table window: density and specific volume by
// pressure (rows, kgf/cm2) and temperature (columns, 200 to 500 ºC). The rows are fixed data
// shipped with the program, one tab-separated line per pressure; this shapes them for the grid.

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace frame {

// TipoTabela: which of the two tables a window shows.
enum SteamTableKind : int { MassTable = 0, VolumeTable = 1 };

// Grid columns: the pressure and the 16 temperatures.
constexpr int SteamTableColumns = 17;

// Resource path of the table's data file.
QString SteamTableFile(int tipo);

// Window caption of the table.
QString SteamTableTitle(int tipo);

// Header row: empty above the pressure column, then "200 ºC" ... "500 ºC".
QStringList SteamTableHeader();

// One grid row per non-empty line, exactly SteamTableColumns cells: fields beyond the grid
// are dropped, missing ones are empty. A line ends at LF or CR LF.
QList<QStringList> SteamTableRows(const QString &texto);

// New grid size for an outer window size: the grid fills the window below its top, less the
// margins. Nothing (keep the grid as it is) when the window is minimised or a size would not be
// positive. All sizes in pixels.
std::optional<QSize> SteamGridSize(QSize janela, int topoGrade, bool minimizada);

} // namespace frame
