#include "ArquivoCalculo.h"

#include "GridRules.h"
#include "platform/AtomicWrite.h"
#include "platform/Codepage.h"
#include "platform/Numbers.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace calculation {

namespace {

constexpr int MaxPlateIndex = 1;
constexpr int MaxFluidIndex = 2;
constexpr int MaxTapIndex = 3;

bool Blank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool LineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Walks the items of a case file's text, one at a time.
class ItemReader
{
public:
    explicit ItemReader(const QString &text) : text(text) {}

    bool atEnd() const { return pos >= text.size(); }
    // An item longer than MaxItemLength was met.
    bool tooLong() const { return longItem; }

    // Skips blanks and line ends; true when an item may follow.
    bool skipToNextItem()
    {
        while (pos < text.size() && (Blank(text[pos]) || LineEnd(text[pos])))
            ++pos;
        return !atEnd();
    }

    // The next item, or nullopt at the end of the text.
    std::optional<QString> next()
    {
        while (pos < text.size() && Blank(text[pos]))
            ++pos;
        if (atEnd())
            return std::nullopt;
        QString item;
        if (text[pos] == u'"') {
            const qsizetype start = ++pos;
            qsizetype close = text.indexOf(u'"', start);
            if (close < 0)
                close = text.size();
            item = cut(start, close);
            pos = close < text.size() ? close + 1 : close;
            // Whatever stands between the closing quote and the separator is dropped.
            while (pos < text.size() && text[pos] != u',' && !LineEnd(text[pos]))
                ++pos;
        } else {
            const qsizetype start = pos;
            while (pos < text.size() && text[pos] != u',' && !LineEnd(text[pos]))
                ++pos;
            qsizetype end = pos;
            while (end > start && Blank(text[end - 1]))
                --end;
            item = cut(start, end);
        }
        skipSeparator();
        return item;
    }

private:
    QString cut(qsizetype start, qsizetype end)
    {
        if (end - start > MaxItemLength)
            longItem = true;
        return text.mid(start, std::min(end - start, MaxItemLength));
    }

    void skipSeparator()
    {
        if (atEnd())
            return;
        if (text[pos] == u',') {
            ++pos;
        } else if (text[pos] == u'\r') {
            ++pos;
            if (pos < text.size() && text[pos] == u'\n')
                ++pos;
        } else if (text[pos] == u'\n') {
            ++pos;
        }
    }

    const QString &text;
    qsizetype pos = 0;
    bool longItem = false;
};

// The whole number an item starts with, rounded half to even; nullopt beyond int.
std::optional<int> WholeNumber(const QString &item)
{
    const double value = platform::RoundHalfEven(platform::LeadingNumber(item));
    if (!(std::fabs(value) < 2147483647.0))
        return std::nullopt;
    return int(value);
}

// A text item; cut to what the reader takes, so a case written is a case that can be read.
QByteArray TextItem(const QString &text)
{
    QString safe = text;
    safe.replace(u'"', QStringLiteral("''"));
    return '"' + platform::ToCodepage1252(safe.left(MaxItemLength)) + '"';
}

CaseFileReading Refused()
{
    CaseFileReading leitura;
    leitura.stop = CaseFileReading::BeyondLimits;
    leitura.error = {ErrorEndOfFile, QString::fromUtf8("Arquivo danificado ou grande demais")};
    return leitura;
}

} // namespace

CaseFileReading ReadCase(const QByteArray &bytes)
{
    if (bytes.size() > MaxCaseBytes)
        return Refused();
    CaseFileReading leitura;
    CaseFile &caso = leitura.caseFile;
    const QString text = platform::FromCodepage1252(bytes);
    ItemReader itens(text);

    // Header items in order; the first missing or invalid one ends the read.
    std::optional<FileError> erro;
    auto item = [&]() -> std::optional<QString> {
        if (erro)
            return std::nullopt;
        std::optional<QString> lido = itens.next();
        if (!lido)
            erro = {ErrorEndOfFile, QString::fromUtf8("Entrada após o final do arquivo")};
        return lido;
    };
    auto texto = [&](QString &destino) {
        if (const std::optional<QString> lido = item()) {
            destino = *lido;
            ++leitura.itemsRead;
        }
    };
    // A selector index, -1 (nothing selected) up to the selector's last entry; the fluid
    // index is the number of the item's first character alone.
    auto indice = [&](int &destino, int ultimo, bool primeiroCaractere) {
        const std::optional<QString> lido = item();
        if (!lido)
            return;
        const std::optional<int> valor = WholeNumber(primeiroCaractere ? lido->left(1) : *lido);
        if (!valor || *valor < -1 || *valor > ultimo) {
            erro = {ErrorInvalidValue, QString::fromUtf8("Valor de propriedade inválido")};
            return;
        }
        destino = *valor;
        ++leitura.itemsRead;
    };
    texto(caso.date);
    texto(caso.serviceOrder);
    texto(caso.client);
    indice(caso.plate, MaxPlateIndex, false);
    indice(caso.fluid, MaxFluidIndex, true);
    texto(caso.fluidText);
    indice(caso.tap, MaxTapIndex, false);
    texto(caso.tag);
    if (itens.tooLong())
        return Refused();
    if (erro) {
        leitura.stop = CaseFileReading::HeaderError;
        leitura.error = *erro;
        return leitura;
    }

    // Field records: a failing step is skipped and the next one runs.
    while (itens.skipToNextItem()) {
        if (int(caso.fields.size()) >= MaxFieldRecords)
            return Refused();
        const std::optional<int> campo = WholeNumber(*itens.next());
        const std::optional<QString> valor = itens.next();
        const std::optional<QString> unidade = itens.next();
        if (!campo || !HasValueBox(*campo))
            continue;
        FieldRecord registro{*campo, valor, std::nullopt};
        if (unidade && HasUnitList(*campo))
            registro.unit = WholeNumber(*unidade);
        caso.fields.push_back(registro);
    }
    if (itens.tooLong())
        return Refused();
    return leitura;
}

CaseFileReading ReadCaseFile(const QString &path)
{
    // Only a regular file: a pipe or a device would block or never end.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        CaseFileReading leitura;
        leitura.stop = CaseFileReading::HeaderError;
        leitura.error = {ErrorFileAccess, QString::fromUtf8("Erro de acesso ao caminho/arquivo")};
        return leitura;
    }
    // One byte more than is read tells a file beyond the limit.
    return ReadCase(file.read(MaxCaseBytes + 1));
}

QByteArray WriteCase(const CaseFile &caso)
{
    const QByteArray crlf("\r\n");
    QByteArray bytes;
    bytes += TextItem(caso.date) + crlf;
    bytes += TextItem(caso.serviceOrder) + crlf;
    bytes += TextItem(caso.client) + crlf;
    bytes += QByteArray::number(caso.plate) + crlf;
    // The fluid line: index, comma, blanks up to column 5, then the item text.
    bytes += (QByteArray::number(caso.fluid) + ',').leftJustified(4, ' ')
        + TextItem(caso.fluidText) + crlf;
    bytes += QByteArray::number(caso.tap) + crlf;
    bytes += TextItem(caso.tag) + crlf;
    for (const FieldRecord &registro : caso.fields) {
        bytes += QByteArray::number(registro.field) + ','
            + TextItem(registro.text.value_or(QString())) + ','
            + QByteArray::number(registro.unit.value_or(0)) + crlf;
    }
    return bytes;
}

std::optional<FileError> WriteCaseFile(const QString &path, const CaseFile &caso)
{
    if (platform::WriteFileAtomically(path, WriteCase(caso)).isEmpty())
        return std::nullopt;
    return FileError{ErrorFileAccess, QString::fromUtf8("Erro de acesso ao caminho/arquivo")};
}

} // namespace calculation
