#pragma once
// File-dialog filters as the program writes them ("Description (*.ext)|*.ext|...") and as Qt
// shows them ("Description (*.ext)"), and the extension rule of a name chosen in a save dialog.

#include <QString>
#include <QStringList>

namespace platform {

// "Description (*.ext)|*.ext|..." as a Qt name filter list "Description (*.ext);;...".
QString QtNameFilters(const QString &filter);

// The extensions of a filter's patterns, in order: "Texto (*.txt *.text)" and
// "Texto (*.txt)|*.txt;*.text" give txt and text. Patterns such as "*.*" or "*" give none;
// of a list of filters only the first counts.
QStringList FilterExtensions(const QString &filter);

// The extension of a filter's first pattern ("txt" for "Texto (*.txt)|*.txt"), or empty.
QString DefaultExtension(const QString &filter);

// A name chosen with a filter selected, as the file is to be written: unchanged when it ends
// with one of the filter's extensions (in any letter case) or the filter has none; otherwise
// with the filter's first extension added. A name that holds a period elsewhere ("Refinaria
// Exemplo S.A.", "caso.v2") gets it too, unlike Qt's default suffix.
QString WithFilterExtension(const QString &name, const QString &filter);

} // namespace platform
