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
    // An absolute path may itself start with "/A" or "/C" ("/Casos/bomba.qzv"): a switch is
    // one only when a blank or the end of the line follows it.
    const bool chave =
        linha.startsWith(QStringLiteral("/A")) || linha.startsWith(QStringLiteral("/C"));
    if (chave && (linha.size() == 2 || linha.at(2) == QLatin1Char(' ')))
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
        // The second start's whole command line: its switch goes as on a first start.
        recebido.file = CaseFileOfCommandLine(comando.mid(3));
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

namespace {

// Far beyond any screen, and near enough to zero that a place plus a size cannot overflow.
constexpr int FarAway = 1 << 24;

QSize CutToArea(const QSize &size, const QRect &area, const QMargins &frame)
{
    return size.boundedTo(area.size().shrunkBy(frame).expandedTo(QSize(1, 1)));
}

// The title bar on the area and at least a usable part of the window.
bool Reachable(const QRect &outer, const QRect &area)
{
    const QRect seen = outer.intersected(area);
    return outer.top() >= area.top() && seen.width() >= qMin(outer.width(), UsablePart)
           && seen.height() >= qMin(outer.height(), UsablePart);
}

// The area the frame covers most of; the primary screen's when it covers none.
QRect AreaOf(const QRect &outer, const QList<QRect> &areas)
{
    QRect best = areas.constFirst();
    qint64 covered = 0;
    for (const QRect &area : areas) {
        const QRect seen = outer.intersected(area);
        const qint64 part = qint64(seen.width()) * seen.height();
        if (part > covered) {
            covered = part;
            best = area;
        }
    }
    return best;
}

} // namespace

WindowPlacement FitPlacement(WindowPlacement stored, const QMargins &frame,
                             const QList<QRect> &areas)
{
    if (areas.isEmpty())
        return stored;
    stored.size = stored.size.boundedTo(QSize(FarAway, FarAway));
    QRect area = areas.constFirst();
    if (stored.place) {
        const QPoint place(qBound(-FarAway, stored.place->x(), FarAway),
                           qBound(-FarAway, stored.place->y(), FarAway));
        area = AreaOf(QRect(place, stored.size.grownBy(frame)), areas);
        stored.size = CutToArea(stored.size, area, frame);
        if (Reachable(QRect(place, stored.size.grownBy(frame)), area))
            return stored;
        stored.place.reset();
        area = areas.constFirst();
    }
    stored.size = CutToArea(stored.size, area, frame);
    return stored;
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
