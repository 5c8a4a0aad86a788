#include "frame/FrameRules.h"

#include "platform/Numbers.h"

#include <QDir>

namespace frame {

QString LinhaComando(const QStringList &argumentos)
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

QString ArquivoDaLinhaComando(const QString &linha)
{
    if (linha.startsWith(QStringLiteral("/A")) || linha.startsWith(QStringLiteral("/C")))
        return linha.mid(3);
    return linha;
}

QString CaminhoDoArquivo(const QString &arquivo)
{
    if (arquivo.size() >= 2 && arquivo.startsWith(QLatin1Char('"'))
        && arquivo.endsWith(QLatin1Char('"')))
        return arquivo.mid(1, arquivo.size() - 2);
    return arquivo;
}

QString MakePathAbsolute(const QString &linha, const QString &pastaTrabalho)
{
    const QString arquivo = ArquivoDaLinhaComando(linha);
    const QString caminho = CaminhoDoArquivo(arquivo);
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

ComandoRecebido InterpretaComando(const QString &comando)
{
    ComandoRecebido recebido;
    recebido.arquivo = comando;
    if (comando.startsWith(QStringLiteral("/P"))) {
        recebido.arquivo = comando.mid(3);
        recebido.restauraEstado = true;
    }
    return recebido;
}

InicioPrograma DecideInicio(const QString &dicasIniciar, const QString &arquivo)
{
    InicioPrograma inicio;
    if (dicasIniciar == QStringLiteral("0") || !arquivo.isEmpty()) {
        inicio.abreCaso = true;
        inicio.abrir = !arquivo.isEmpty();
    }
    return inicio;
}

std::optional<int> ValorPosicao(const QString &texto)
{
    const double valor = platform::RoundHalfEven(platform::LeadingNumber(texto));
    if (!(valor > 0) || valor > 1e9)
        return std::nullopt;
    return static_cast<int>(valor);
}

Bandas BandasIniciais()
{
    return {{3000, 7695, 540}, {4215, 135, 540}};
}

Bandas AjustaBandas(Bandas bandas, bool etiquetas, int larguraPadrao, int alturaPadrao,
                    int larguraCalculo)
{
    if (etiquetas) {
        bandas.padrao.larguraMinima = larguraPadrao;
        bandas.calculo.larguraMinima = larguraCalculo;
    } else {
        bandas.padrao.larguraMinima = 1600;
        bandas.padrao.largura = 1600;
        bandas.calculo.larguraMinima = 1500;
        bandas.calculo.largura = 1500;
    }
    bandas.padrao.alturaMinima = alturaPadrao;
    bandas.calculo.alturaMinima = bandas.padrao.alturaMinima;
    return bandas;
}

QString NomeServidor(const QString &titulo, const QString &pastaRuntime)
{
    if (pastaRuntime.isEmpty())
        return {};
    QString nome = titulo + QStringLiteral("|Menu");
    nome.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QDir(pastaRuntime).filePath(nome);
}

} // namespace frame
