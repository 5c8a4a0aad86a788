#pragma once
// The case file `ArquivoCalculo` (*.qzv): plain Windows-1252 text, CR LF line ends, items
// separated by commas, texts between double quotes, whole numbers as decimal digits.
//
//   line 1-3   "date-time" / "service order" / "client"       (report header)
//   line 4     plate index (0, 1)
//   line 5     fluid index (0 liquid, 1 gas, 2 steam), blanks to column 5, "fluid item text"
//   line 6     tap index (0 to 3)
//   line 7     "tag"
//   line 8...  field number,"value as typed (decimal comma)",unit index   one per field
//
// The writer replaces the file only once the whole case is written; the reader reads items
// the way the format has always been read (see ReadCase) and returns what it read and why it
// stopped. CaseMapping.h maps a case onto the calculation window's grid and back.

#include "platform/AtomicWrite.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace calculation {

struct FieldRecord {
    int field = 0;                  // field number, one of the value fields
    std::optional<QString> text;    // the value box's text; nullopt when the item is missing
    std::optional<int> unit;        // unit-list index; nullopt when missing or no unit list
    bool operator==(const FieldRecord &) const = default;
};

struct CaseFile {
    QString date, serviceOrder, client; // report header
    int plate = 0;                      // index of the plate selector
    int fluid = 0;                      // index of the fluid selector
    QString fluidText;                  // the fluid selector's item text ("Gas (ar natural)")
    int tap = 0;                        // index of the tap selector
    QString tag;
    std::vector<FieldRecord> fields; // in file order (for writing: ascending field number)
};

// Header items in reading order; `itemsRead` of a failed read counts the ones taken.
enum HeaderItem : int {
    ItemDate = 1,
    ItemServiceOrder,
    ItemClient,
    ItemPlate,
    ItemFluid,
    ItemFluidText,
    ItemTap,
    ItemTag,
    HeaderItems = ItemTag,
};

// Run-time error numbers a case file reports (for the program's error box).
constexpr int ErrorInvalidValue = 380;  // an index the selector does not have
constexpr int ErrorEndOfFile = 62;      // fewer header items than the format has, or a file
                                        // beyond what a case can hold
using platform::ErrorFileAccess;        // the file cannot be opened, read or written

struct FileError {
    int number = 0;
    QString description;
};

struct CaseFileReading {
    enum Stop {
        ReadToEnd,      // read to the end; every header item is in `caseFile`
        HeaderError,    // an error before the field records: see `error` and `itemsRead`
        BeyondLimits,   // the file goes beyond what a case can hold (damaged, or not a
                        // case file): refused, nothing of it in `caseFile`; see `error`
    } stop = ReadToEnd;
    CaseFile caseFile;  // what was read; on HeaderError, the first `itemsRead` items only
    int itemsRead = 0;  // header items taken (0 to HeaderItems)
    FileError error;
    bool ok() const { return stop == ReadToEnd; }
};

// What a case file may hold; a file beyond any of these is refused whole.
// Largest case file (bytes); a real case is about one kilobyte.
constexpr qsizetype MaxCaseBytes = 256 * 1024;
// Most field records; a case has at most 18.
constexpr int MaxFieldRecords = 256;
// Longest item (characters); the writer cuts a longer text to this.
constexpr qsizetype MaxItemLength = 4096;

// Reads a case from the bytes of a case file. Items: blanks before an item are skipped; an
// item starting with a double quote ends at the next double quote (whatever follows it up
// to the next comma or line end is dropped); any other item ends at a comma or a line end.
// Indices are the number the item starts with, rounded half to even; the fluid index is the
// number of the item's first character only. An index the selector lacks, or a missing
// header item, stops the read with an error. Field records: a number that is not a value
// field skips its record; a missing item is left out; the read ends at the end of the data.
// Data beyond the limits above is refused with nothing read (BeyondLimits).
CaseFileReading ReadCase(const QByteArray &bytes);
// The same from a file; a file that cannot be opened fails before any item.
CaseFileReading ReadCaseFile(const QString &path);

// The bytes of a case file. A double quote inside a text is written as two single quotes
// (the format has no escape); characters outside Windows-1252 become "?"; a text item is cut
// to MaxItemLength characters.
QByteArray WriteCase(const CaseFile &caso);
// Writes the case file through a temporary file in the same folder, replacing `path` only
// when everything was written; on failure the old file is intact and the error returned.
std::optional<FileError> WriteCaseFile(const QString &path, const CaseFile &caso);

} // namespace calculation
