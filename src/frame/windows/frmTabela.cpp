#include "frame/windows/frmTabela.h"

#include "frame/SteamTables.h"
#include "platform/Codepage.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QFile>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QStyle>
#include <QTableWidget>

// The program's resources live in a static library: register them before the first read.
static void LoadResources()
{
    static const bool carregados = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(carregados);
}

namespace {

constexpr int PressureColumnWidth = platform::Pixels(390);
constexpr int TemperatureColumnWidth = platform::Pixels(720);

QList<QStringList> ReadTable(int tipo)
{
    LoadResources();
    QFile arquivo(frame::SteamTableFile(tipo));
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    return frame::SteamTableRows(platform::FromCodepage1252(arquivo.readAll()));
}

} // namespace

frmTabela::frmTabela(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmTabela"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(sizeHint());

    MSF = new QTableWidget(this);
    MSF->setObjectName(QStringLiteral("MSF"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    MSF->setFont(arial);
    MSF->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSF->setColumnCount(frame::SteamTableColumns - 1);
    MSF->setHorizontalHeaderLabels(frame::SteamTableHeader().mid(1));
    MSF->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    MSF->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSF->horizontalHeader()->setDefaultSectionSize(TemperatureColumnWidth);
    MSF->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    MSF->verticalHeader()->setFixedWidth(PressureColumnWidth);
    MSF->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSF->verticalHeader()->setMinimumSectionSize(1);
    MSF->verticalHeader()->setDefaultSectionSize(MSF->fontMetrics().height() + 4);
    MSF->setGeometry(0, 0, width(), height());
}

QSize frmTabela::sizeHint() const
{
    return QSize(platform::Pixels(6735), platform::Pixels(3870));
}

void frmTabela::TabelaInicia(int Index)
{
    TipoTabela = Index;
    TabelaPreenche();
    show();
}

void frmTabela::TabelaPreenche()
{
    setWindowTitle(frame::SteamTableTitle(TipoTabela));
    const QList<QStringList> linhas = ReadTable(TipoTabela);
    MSF->setRowCount(int(linhas.size()));
    QStringList pressoes;
    for (int linha = 0; linha < linhas.size(); ++linha) {
        const QStringList &campos = linhas.at(linha);
        pressoes << campos.first();
        for (int coluna = 1; coluna < campos.size(); ++coluna) {
            auto *celula = new QTableWidgetItem(campos.at(coluna));
            celula->setTextAlignment(Qt::AlignCenter);
            MSF->setItem(linha, coluna - 1, celula);
        }
    }
    MSF->setVerticalHeaderLabels(pressoes);
}

// The grid fills the window below its top, less the window's own margins; a minimised window
// or one too small for a grid leaves the grid as it is.
void frmTabela::FitGrid()
{
    auto *moldura = qobject_cast<QMdiSubWindow *>(parentWidget());
    const QSize externo = moldura ? moldura->size() : frameGeometry().size();
    const bool minimizada = moldura ? moldura->isMinimized() : isMinimized();
    const std::optional<QSize> tamanho =
        frame::SteamGridSize(externo, MSF->y(), minimizada);
    if (!tamanho)
        return;
    // Our frames are thinner than the margins allow for: never reach past the client area.
    MSF->resize(std::min(tamanho->width(), width()),
                std::min(tamanho->height(), height() - MSF->y()));
}

void frmTabela::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FitGrid();
}

void frmTabela::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        FitGrid();
}
