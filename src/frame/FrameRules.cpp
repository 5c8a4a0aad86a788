#include "frame/FrameRules.h"

#include "platform/Numbers.h"

#include <QDir>

namespace frame {

QString CommandLine(const QStringList &argumentos)
{
    QStringList partes;
    for (const QString &argumento : argumentos) {
        if (argumento.isEmpty() || argumento.contains(QLatin1Char(' ')))
            partes << QLatin1Char('"') + argumento + QLatin1Char('"');
        else
            partes << argumento;
    }
    return partes.join(QLatin1Char(' '));
}

QString CaseFileOfCommandLine(const QString &linha)
{
    if (linha.startsWith(QStringLiteral("/A")) || linha.startsWith(QStringLiteral("/C")))
        return linha.mid(3);
    return linha;
}

QString UnquotedPath(const QString &arquivo)
{
    if (arquivo.size() >= 2 && arquivo.startsWith(QLatin1Char('"'))
        && arquivo.endsWith(QLatin1Char('"')))
        return arquivo.mid(1, arquivo.size() - 2);
    return arquivo;
}

QString MakePathAbsolute(const QString &linha, const QString &pastaTrabalho)
{
    const QString arquivo = CaseFileOfCommandLine(linha);
    const QString caminho = UnquotedPath(arquivo);
    if (caminho.isEmpty() || QDir::isAbsolutePath(caminho))
        return linha;
    const QString absoluto = QDir::cleanPath(QDir(pastaTrabalho).absoluteFilePath(caminho));
    const QString troca = caminho.size() == arquivo.size()
        ? absoluto
        : QLatin1Char('"') + absoluto + QLatin1Char('"');
    return linha.left(linha.size() - arquivo.size()) + troca;
}

QString ComandoDDE(const QString &linha)
{
    return QStringLiteral("/P ") + linha;
}

ReceivedCommand ParseCommand(const QString &comando)
{
    ReceivedCommand recebido;
    recebido.file = comando;
    if (comando.startsWith(QStringLiteral("/P"))) {
        recebido.file = comando.mid(3);
        recebido.restoreState = true;
    }
    return recebido;
}

StartupChoice DecideStartup(const QString &dicasIniciar, const QString &arquivo)
{
    StartupChoice inicio;
    if (dicasIniciar == QStringLiteral("0") || !arquivo.isEmpty()) {
        inicio.openCase = true;
        inicio.named = !arquivo.isEmpty();
    }
    return inicio;
}

std::optional<int> PlacementValue(const QString &texto)
{
    const double valor = platform::RoundHalfEven(platform::LeadingNumber(texto));
    if (!(valor > 0) || valor > 1e9)
        return std::nullopt;
    return static_cast<int>(valor);
}

Bands DesignBands()
{
    return {{3000, 7695, 540}, {4215, 135, 540}};
}

Bands AjustaBandas(Bands bandas, bool etiquetas, int larguraPadrao, int alturaPadrao,
                   int larguraCalculo)
{
    if (etiquetas) {
        bandas.standard.minWidth = larguraPadrao;
        bandas.calculation.minWidth = larguraCalculo;
    } else {
        bandas.standard.minWidth = 1600;
        bandas.standard.width = 1600;
        bandas.calculation.minWidth = 1500;
        bandas.calculation.width = 1500;
    }
    bandas.standard.minHeight = alturaPadrao;
    bandas.calculation.minHeight = bandas.standard.minHeight;
    return bandas;
}

QString ServerName(const QString &titulo, const QString &pastaRuntime)
{
    if (pastaRuntime.isEmpty())
        return {};
    QString nome = titulo + QStringLiteral("|Menu");
    nome.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QDir(pastaRuntime).filePath(nome);
}

} // namespace frame
