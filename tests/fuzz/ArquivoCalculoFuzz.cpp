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
    const LeituraCaso leitura = LeCaso(bytes);
    if (leitura.itensLidos < 0 || leitura.itensLidos > ItensCabecalho
        || int(leitura.caso.campos.size()) > MaxRegistrosCampo)
        __builtin_trap();
    if (!leitura.ok())
        return 0;
    const QByteArray once = EscreveCaso(leitura.caso);
    if (once.size() > MaxBytesCaso)
        return 0;
    const LeituraCaso again = LeCaso(once);
    if (!again.ok() || EscreveCaso(again.caso) != once)
        __builtin_trap();
    return 0;
}
