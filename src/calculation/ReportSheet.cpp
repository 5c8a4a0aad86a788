#include "ReportSheet.h"

#include "platform/Codepage.h"
#include "platform/Numbers.h"

namespace calculation {

namespace {

constexpr int LineWidth = 78;
constexpr int LabelColumn = 9;
constexpr int TextColumn = 29;

// The label without its first character (the leading blank), a blank and the text.
QString HeaderLine(const QString &rotulo, const QString &texto)
{
    return rotulo.mid(1) + QLatin1Char(' ') + texto;
}

PrintedLine EmptyLine(PrintedLine::Font fonte)
{
    return {fonte, {}};
}

PrintedLine At(int coluna, const QString &texto)
{
    return {PrintedLine::Text, {{coluna, texto}}};
}

} // namespace

ReportHeader ReportLabels()
{
    return {QStringLiteral(" Hora - data......:"), {},
            QStringLiteral(" Ordem de serviço.:"), {},
            QStringLiteral(" Cliente..........:"), {}};
}

QString DateTimeText(const QDateTime &momento)
{
    const QLocale local = platform::ProgramLocale();
    return local.toString(momento.time(), QLocale::ShortFormat) + QStringLiteral(" - ")
           + local.toString(momento.date(), QLocale::LongFormat);
}

QString ColumnHeader()
{
    const QString descricao = QStringLiteral("Descrição");
    const QString valor = QStringLiteral("Valor");
    const QString escala = QStringLiteral("Escala");
    QString texto = QLatin1Char(' ') + descricao + QString(35 - descricao.size(), QLatin1Char(' '))
                    + valor;
    texto += QString(79 - texto.size() - escala.size(), QLatin1Char(' ')) + escala;
    return texto;
}

QStringList ExportedLines(const ReportHeader &header, const QStringList &itens)
{
    const QString regua(33, QLatin1Char('='));
    QStringList linhas;
    linhas << regua + QStringLiteral(" Data Sheet ") + regua << QString()
           << HeaderLine(header.dateLabel, header.date) << QString()
           << HeaderLine(header.serviceOrderLabel, header.serviceOrder)
           << HeaderLine(header.clientLabel, header.client);
    for (const QString &item : itens)
        linhas << item.mid(1);
    linhas << QString(LineWidth, QLatin1Char('='));
    return linhas;
}

QByteArray ExportedBytes(const QStringList &linhas)
{
    QByteArray bytes;
    for (const QString &linha : linhas)
        bytes += platform::ToCodepage1252(linha) + "\r\n";
    return bytes;
}

QString ExportFileName(const QString &cliente)
{
    static const QString proibidos = QStringLiteral("/\\:*?\"<>|");
    QString nome = cliente;
    for (QChar &c : nome) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || proibidos.contains(c))
            c = QLatin1Char('_');
    }
    if (!nome.isEmpty() && nome.count(QLatin1Char('.')) == nome.size())
        nome.fill(QLatin1Char('_'));
    return nome;
}

QList<PrintedLine> PrintLayout(const ReportHeader &header, const QString &cabecalhoColunas,
                               const QStringList &itens)
{
    QList<PrintedLine> linhas;
    linhas << EmptyLine(PrintedLine::Title) << EmptyLine(PrintedLine::Title)
           << PrintedLine{PrintedLine::Title, {{15, QStringLiteral("Data Sheet")}}}
           << EmptyLine(PrintedLine::Title);
    linhas << At(LabelColumn, header.date) << EmptyLine(PrintedLine::Text);
    linhas << PrintedLine{PrintedLine::Text,
                          {{LabelColumn, header.serviceOrderLabel},
                           {TextColumn, header.serviceOrder}}};
    linhas << PrintedLine{PrintedLine::Text,
                          {{LabelColumn, header.clientLabel}, {TextColumn, header.client}}};
    linhas << EmptyLine(PrintedLine::Text) << EmptyLine(PrintedLine::Text);
    linhas << At(LabelColumn, cabecalhoColunas);
    for (const QString &item : itens)
        linhas << At(LabelColumn, item);
    return linhas;
}

} // namespace calculation
