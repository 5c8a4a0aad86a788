#pragma once
// The data sheet of the report window as it leaves the program: the column header, the lines
// of the exported text file and the layout of the printed page. The window hands over its
// header texts and list items; nothing here knows about widgets or printers.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace calculation {

// The report window's captions and the three header texts the user may edit.
struct ReportHeader {
    QString dateLabel;         // caption of lblData, " Hora - data......:"
    QString date;              // txtData
    QString serviceOrderLabel; // caption of lblOS
    QString serviceOrder;      // txtOS
    QString clientLabel;       // caption of lblCliente
    QString client;            // txtCliente
};

// The window's design captions, each with its leading blank.
ReportHeader ReportLabels();

// The header's date text of a moment: the short time, " - " and the long date, in the
// program's regional conventions ("10:15 - quarta-feira, 9 de dezembro de 2026").
QString DateTimeText(const QDateTime &momento);

// Column header of the report list, 79 characters: " Descrição", "Valor" in columns 37 to 41,
// "Escala" in columns 74 to 79.
QString ColumnHeader();

// The lines of the exported file: rule with " Data Sheet ", the three header lines (label
// without its leading blank, a blank, the text), every list item without its first character,
// closing rule.
QStringList ExportedLines(const ReportHeader &header, const QStringList &itens);

// The file's bytes: Windows-1252, every line ended with CR LF.
QByteArray ExportedBytes(const QStringList &linhas);

// The file name the export proposes for a client text: a name in the reports folder, never a
// path. What a file name cannot hold where the sheet may go (the separators / and \, the
// characters : * ? " < > | and control characters) becomes "_", and so does every dot of a
// name made only of dots ("." and ".." are folders).
QString ExportFileName(const QString &cliente);

// One printed line: its font and its pieces of text, each starting at a column (character
// cells of the line's font, counted from 1). A line without pieces is an empty line.
struct PrintedLine {
    enum Font { Title, Text };
    struct Piece {
        int column;
        QString text;
        bool operator==(const Piece &) const = default;
    };
    Font font = Text;
    QList<Piece> pieces;
    bool operator==(const PrintedLine &) const = default;
};

// The printed page: "Data Sheet" in the title font after two empty lines, then in the text
// font the date (no label), the service order and client (label at 9, text at 29), the column
// header and every list item at column 9.
QList<PrintedLine> PrintLayout(const ReportHeader &header, const QString &cabecalhoColunas,
                               const QStringList &itens);

} // namespace calculation
