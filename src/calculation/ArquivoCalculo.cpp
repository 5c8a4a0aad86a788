#include "ArquivoCalculo.h"

#include "GridRules.h"
#include "platform/Codepage.h"
#include "platform/AtomicWrite.h"
#include "platform/Numbers.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace calculation {

namespace {

constexpr int MaxIndicePlaca = 1;
constexpr int MaxIndiceFluido = 2;
constexpr int MaxIndiceTomada = 3;

bool Blank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool LineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Walks the items of a case file's text, one at a time.
class Itens
{
public:
    explicit Itens(const QString &text) : text(text) {}

    bool atEnd() const { return pos >= text.size(); }
    // An item longer than MaxTextoItem was met.
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
        if (end - start > MaxTextoItem)
            longItem = true;
        return text.mid(start, std::min(end - start, MaxTextoItem));
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
std::optional<int> Inteiro(const QString &item)
{
    const double value = platform::RoundHalfEven(platform::LeadingNumber(item));
    if (!(std::fabs(value) < 2147483647.0))
        return std::nullopt;
    return int(value);
}

// A text item; cut to what the reader takes, so a case written is a case that can be read.
QByteArray Texto(const QString &text)
{
    QString safe = text;
    safe.replace(u'"', QStringLiteral("''"));
    return '"' + platform::ToCodepage1252(safe.left(MaxTextoItem)) + '"';
}

LeituraCaso Refused()
{
    LeituraCaso leitura;
    leitura.parada = LeituraCaso::Limite;
    leitura.erro = {ErroFimDoArquivo, QString::fromUtf8("Arquivo danificado ou grande demais")};
    return leitura;
}

} // namespace

LeituraCaso LeCaso(const QByteArray &bytes)
{
    if (bytes.size() > MaxBytesCaso)
        return Refused();
    LeituraCaso leitura;
    Caso &caso = leitura.caso;
    const QString text = platform::FromCodepage1252(bytes);
    Itens itens(text);

    // Header items in order; the first missing or invalid one ends the read.
    std::optional<ErroArquivo> erro;
    auto item = [&]() -> std::optional<QString> {
        if (erro)
            return std::nullopt;
        std::optional<QString> lido = itens.next();
        if (!lido)
            erro = {ErroFimDoArquivo, QString::fromUtf8("Entrada após o final do arquivo")};
        return lido;
    };
    auto texto = [&](QString &destino) {
        if (const std::optional<QString> lido = item()) {
            destino = *lido;
            ++leitura.itensLidos;
        }
    };
    // A selector index, -1 (nothing selected) up to the selector's last entry; the fluid
    // index is the number of the item's first character alone.
    auto indice = [&](int &destino, int ultimo, bool primeiroCaractere) {
        const std::optional<QString> lido = item();
        if (!lido)
            return;
        const std::optional<int> valor = Inteiro(primeiroCaractere ? lido->left(1) : *lido);
        if (!valor || *valor < -1 || *valor > ultimo) {
            erro = {ErroValorInvalido, QString::fromUtf8("Valor de propriedade inválido")};
            return;
        }
        destino = *valor;
        ++leitura.itensLidos;
    };
    texto(caso.data);
    texto(caso.os);
    texto(caso.cliente);
    indice(caso.placa, MaxIndicePlaca, false);
    indice(caso.fluido, MaxIndiceFluido, true);
    texto(caso.itemFluido);
    indice(caso.tomada, MaxIndiceTomada, false);
    texto(caso.tag);
    if (itens.tooLong())
        return Refused();
    if (erro) {
        leitura.parada = LeituraCaso::ErroCabecalho;
        leitura.erro = *erro;
        return leitura;
    }

    // Field records: a failing step is skipped and the next one runs.
    while (itens.skipToNextItem()) {
        if (int(caso.campos.size()) >= MaxRegistrosCampo)
            return Refused();
        const std::optional<int> campo = Inteiro(*itens.next());
        const std::optional<QString> valor = itens.next();
        const std::optional<QString> unidade = itens.next();
        if (!campo || !TemCaixaValor(*campo))
            continue;
        RegistroCampo registro{*campo, valor, std::nullopt};
        if (unidade && TemListaUnidades(*campo))
            registro.unidade = Inteiro(*unidade);
        caso.campos.push_back(registro);
    }
    if (itens.tooLong())
        return Refused();
    return leitura;
}

LeituraCaso LeArquivoCaso(const QString &path)
{
    // Only a regular file: a pipe or a device would block or never end.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        LeituraCaso leitura;
        leitura.parada = LeituraCaso::ErroCabecalho;
        leitura.erro = {ErroAcessoArquivo, QString::fromUtf8("Erro de acesso ao caminho/arquivo")};
        return leitura;
    }
    // One byte more than is read tells a file beyond the limit.
    return LeCaso(file.read(MaxBytesCaso + 1));
}

QByteArray EscreveCaso(const Caso &caso)
{
    const QByteArray crlf("\r\n");
    QByteArray bytes;
    bytes += Texto(caso.data) + crlf;
    bytes += Texto(caso.os) + crlf;
    bytes += Texto(caso.cliente) + crlf;
    bytes += QByteArray::number(caso.placa) + crlf;
    // The fluid line: index, comma, blanks up to column 5, then the item text.
    bytes += (QByteArray::number(caso.fluido) + ',').leftJustified(4, ' ')
        + Texto(caso.itemFluido) + crlf;
    bytes += QByteArray::number(caso.tomada) + crlf;
    bytes += Texto(caso.tag) + crlf;
    for (const RegistroCampo &registro : caso.campos) {
        bytes += QByteArray::number(registro.campo) + ','
            + Texto(registro.texto.value_or(QString())) + ','
            + QByteArray::number(registro.unidade.value_or(0)) + crlf;
    }
    return bytes;
}

std::optional<ErroArquivo> GravaArquivoCaso(const QString &path, const Caso &caso)
{
    if (platform::WriteFileAtomically(path, EscreveCaso(caso)).isEmpty())
        return std::nullopt;
    return ErroArquivo{ErroAcessoArquivo, QString::fromUtf8("Erro de acesso ao caminho/arquivo")};
}

} // namespace calculation
