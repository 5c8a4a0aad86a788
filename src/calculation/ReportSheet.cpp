#include "ReportSheet.h"

#include "platform/Codepage.h"
#include "platform/AtomicWrite.h"
#include "platform/Numbers.h"

namespace calculation {

namespace {

constexpr int LarguraLinha = 78;
constexpr int ColunaRotulo = 9;
constexpr int ColunaTexto = 29;

// The label without its first character (the leading blank), a blank and the text.
QString LinhaCabecalho(const QString &rotulo, const QString &texto)
{
    return rotulo.mid(1) + QLatin1Char(' ') + texto;
}

PrintedLine Vazia(PrintedLine::Font fonte)
{
    return {fonte, {}};
}

PrintedLine Em(int coluna, const QString &texto)
{
    return {PrintedLine::Texto, {{coluna, texto}}};
}

} // namespace

ReportHeader RotulosRelatorio()
{
    return {QStringLiteral(" Hora - data......:"), {},
            QStringLiteral(" Ordem de serviço.:"), {},
            QStringLiteral(" Cliente..........:"), {}};
}

QString TextoDataHora(const QDateTime &momento)
{
    const QLocale local = platform::ProgramLocale();
    return local.toString(momento.time(), QLocale::ShortFormat) + QStringLiteral(" - ")
           + local.toString(momento.date(), QLocale::LongFormat);
}

QString CabecalhoColunas()
{
    const QString descricao = QStringLiteral("Descrição");
    const QString valor = QStringLiteral("Valor");
    const QString escala = QStringLiteral("Escala");
    QString texto = QLatin1Char(' ') + descricao + QString(35 - descricao.size(), QLatin1Char(' '))
                    + valor;
    texto += QString(79 - texto.size() - escala.size(), QLatin1Char(' ')) + escala;
    return texto;
}

QStringList LinhasExportadas(const ReportHeader &header, const QStringList &itens)
{
    const QString regua(33, QLatin1Char('='));
    QStringList linhas;
    linhas << regua + QStringLiteral(" Data Sheet ") + regua << QString()
           << LinhaCabecalho(header.rotuloData, header.data) << QString()
           << LinhaCabecalho(header.rotuloOS, header.os)
           << LinhaCabecalho(header.rotuloCliente, header.cliente);
    for (const QString &item : itens)
        linhas << item.mid(1);
    linhas << QString(LarguraLinha, QLatin1Char('='));
    return linhas;
}

QByteArray TextoExportado(const QStringList &linhas)
{
    QByteArray bytes;
    for (const QString &linha : linhas)
        bytes += platform::ToCodepage1252(linha) + "\r\n";
    return bytes;
}

QString GravaRelatorio(const QString &caminho, const QByteArray &conteudo)
{
    return platform::WriteFileAtomically(caminho, conteudo);
}

QList<PrintedLine> LayoutImpressao(const ReportHeader &header, const QString &cabecalhoColunas,
                                   const QStringList &itens)
{
    QList<PrintedLine> linhas;
    linhas << Vazia(PrintedLine::Titulo) << Vazia(PrintedLine::Titulo)
           << PrintedLine{PrintedLine::Titulo, {{15, QStringLiteral("Data Sheet")}}}
           << Vazia(PrintedLine::Titulo);
    linhas << Em(ColunaRotulo, header.data) << Vazia(PrintedLine::Texto);
    linhas << PrintedLine{PrintedLine::Texto,
                          {{ColunaRotulo, header.rotuloOS}, {ColunaTexto, header.os}}};
    linhas << PrintedLine{PrintedLine::Texto,
                          {{ColunaRotulo, header.rotuloCliente}, {ColunaTexto, header.cliente}}};
    linhas << Vazia(PrintedLine::Texto) << Vazia(PrintedLine::Texto);
    linhas << Em(ColunaRotulo, cabecalhoColunas);
    for (const QString &item : itens)
        linhas << Em(ColunaRotulo, item);
    return linhas;
}

} // namespace calculation
