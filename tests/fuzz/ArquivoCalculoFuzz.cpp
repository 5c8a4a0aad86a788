// Feeds arbitrary bytes to the case-file reader. Besides not crashing, hanging or reading
// out of bounds: whatever a read returns, writing it and reading it back settles after one
// round (a second write gives the same bytes).
#include "calculation/ArquivoCalculo.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace calculation;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const CaseFileReading leitura = ReadCase(bytes);
    if (leitura.itemsRead < 0 || leitura.itemsRead > HeaderItems
        || int(leitura.caseFile.fields.size()) > MaxFieldRecords)
        __builtin_trap();
    if (!leitura.ok())
        return 0;
    const QByteArray once = WriteCase(leitura.caseFile);
    if (once.size() > MaxCaseBytes)
        return 0;
    const CaseFileReading again = ReadCase(once);
    if (!again.ok() || WriteCase(again.caseFile) != once)
        __builtin_trap();
    return 0;
}
