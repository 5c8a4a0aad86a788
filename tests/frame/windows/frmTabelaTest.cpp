#include "frame/windows/frmTabela.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <limits>

namespace {

QString Cell(const frmTabela &janela, int linha, int coluna)
{
    if (coluna == 0)
        return janela.MSF->verticalHeaderItem(linha)->text();
    const QTableWidgetItem *item = janela.MSF->item(linha, coluna - 1);
    return item ? item->text() : QString();
}

QString Row(const frmTabela &janela, int linha)
{
    QStringList campos;
    for (int coluna = 0; coluna < 17; ++coluna)
        campos << Cell(janela, linha, coluna);
    return campos.join(QStringLiteral(" | "));
}

} // namespace

TEST(frmTabelaTest, DensityTableShape)
{
    auto *janela = new frmTabela;
    janela->TabelaInicia(0);
    // The header row and the pressure column are the grid's fixed row and column.
    EXPECT_EQ(janela->MSF->rowCount() + 1, 49);
    EXPECT_EQ(janela->MSF->columnCount() + 1, 17);
    EXPECT_EQ(janela->MSF->horizontalHeaderItem(0)->text(), QStringLiteral("200 ºC"));
    EXPECT_EQ(janela->MSF->horizontalHeaderItem(15)->text(), QStringLiteral("500 ºC"));
    EXPECT_EQ(janela->MSF->horizontalHeader()->sectionSize(0), 48);
    EXPECT_EQ(janela->MSF->verticalHeader()->width(), 26);
    EXPECT_EQ(Cell(*janela, 0, 0), QStringLiteral("1"));
    EXPECT_EQ(Cell(*janela, 47, 0), QStringLiteral("250"));
    EXPECT_EQ(Row(*janela, 0),
              QStringLiteral("1 | 0,451 | 0,433 | 0,416 | 0,400 | 0,385 | 0,372 | 0,359 | "
                             "0,347 | 0,336 | 0,326 | 0,316 | 0,307 | 0,298 | 0,290 | 0,282 | "
                             "0,275"));
    EXPECT_EQ(Row(*janela, 46),
              QStringLiteral("200 | - | - | - | - | - | - | - | - | - | 111,111 | 100,000 | "
                             "83,333 | 76,923 | 71,429 | 66,667 | 62,500"));
    for (int coluna = 1; coluna <= 10; ++coluna)
        EXPECT_EQ(Cell(*janela, 47, coluna), QStringLiteral("-")) << coluna;
    EXPECT_EQ(janela->windowTitle(),
              QStringLiteral("Massa específica do vapor superaquecido - "
                             "Pressão (kgf/cm2) / Temperatura (ºC)"));
    EXPECT_EQ(janela->MSF->editTriggers(), QAbstractItemView::NoEditTriggers);
    delete janela;
}

TEST(frmTabelaTest, VolumeTableRowsAndTheEmptyCell)
{
    frmTabela janela;
    janela.TabelaInicia(1);
    EXPECT_EQ(janela.MSF->rowCount(), 48);
    EXPECT_EQ(Row(janela, 0),
              QStringLiteral("1 | 2,218 | 2,310 | 2,404 | 2,502 | 2,598 | 2,691 | 2,785 | "
                             "2,882 | 2,973 | 3,066 | 3,164 | 3,260 | 3,354 | 3,450 | 3,542 | "
                             "3,638"));
    EXPECT_EQ(Row(janela, 46),
              QStringLiteral("200 | - | - | - | - | - | - | - | - | - | 0,009 | 0,010 | "
                             "0,012 | 0,013 | 0,014 | 0,015 | 0,016"));
    EXPECT_EQ(Cell(janela, 47, 9), QStringLiteral("-"));
    EXPECT_EQ(Cell(janela, 47, 10), QString());
    EXPECT_EQ(Cell(janela, 47, 11), QStringLiteral("0,006"));
    EXPECT_TRUE(janela.windowTitle().startsWith(QStringLiteral("Volume específico")));
}

TEST(frmTabelaTest, NoRowHasAValueBelowSaturationUpToSixteen)
{
    frmTabela janela;
    janela.TabelaInicia(0);
    int tracosAnteriores = 0;
    for (int linha = 0; linha < janela.MSF->rowCount(); ++linha) {
        int tracos = 0;
        while (tracos < 16 && Cell(janela, linha, tracos + 1) == QStringLiteral("-"))
            ++tracos;
        EXPECT_GE(tracos, tracosAnteriores) << linha;
        if (Cell(janela, linha, 0).toInt() <= 16) {
            EXPECT_EQ(tracos, 0) << linha;
        }
        for (int coluna = tracos + 1; coluna < 17; ++coluna)
            EXPECT_TRUE(Cell(janela, linha, coluna).contains(QLatin1Char(',')))
                << linha << " " << coluna;
        tracosAnteriores = tracos;
    }
}

TEST(frmTabelaTest, EveryDensityRowFallsStrictlyWithTemperature)
{
    frmTabela janela;
    janela.TabelaInicia(0);
    for (int linha = 0; linha < janela.MSF->rowCount(); ++linha) {
        double anterior = std::numeric_limits<double>::infinity();
        for (int coluna = 1; coluna < 17; ++coluna) {
            QString celula = Cell(janela, linha, coluna);
            if (celula == QStringLiteral("-"))
                continue;
            const double valor = celula.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
            EXPECT_LT(valor, anterior) << Cell(janela, linha, 0).toStdString() << " kgf/cm2, "
                                       << 180 + 20 * coluna << " ºC";
            anterior = valor;
        }
    }
}

TEST(frmTabelaTest, ResizeFillsTheWindowAndIgnoresTooSmallOrMinimised)
{
    frmTabela janela;
    janela.TabelaInicia(0);
    janela.resize(600, 400);
    const QSize externo = janela.frameGeometry().size();
    const QSize grade(std::min(externo.width() - 9, 600), std::min(externo.height() - 28, 400));
    EXPECT_EQ(janela.MSF->size(), grade);
    janela.resize(600, 28 - (externo.height() - 400));
    EXPECT_EQ(janela.MSF->size(), grade);
    janela.resize(9 - (externo.width() - 600), 300);
    EXPECT_EQ(janela.MSF->size(), grade);
    janela.setWindowState(Qt::WindowMinimized);
    janela.resize(500, 300);
    EXPECT_EQ(janela.MSF->size(), grade);
}

TEST(frmTabelaTest, InAChildWindowTheGridStaysInsideTheClientArea)
{
    QMdiArea area;
    area.resize(900, 700);
    auto *janela = new frmTabela;
    QMdiSubWindow *moldura = area.addSubWindow(janela);
    janela->TabelaInicia(0);
    area.show();
    moldura->resize(600, 400);
    EXPECT_LE(janela->MSF->width(), janela->width());
    EXPECT_LE(janela->MSF->height(), janela->height());
    EXPECT_GE(janela->MSF->width(), janela->width() - 20);
    EXPECT_GE(janela->MSF->height(), janela->height() - 30);
}

TEST(frmTabelaTest, BothTablesOpenAsSeparateWindows)
{
    QMdiArea area;
    for (int indice : {0, 1, 1}) {
        auto *janela = new frmTabela;
        area.addSubWindow(janela);
        janela->TabelaInicia(indice);
    }
    const auto janelas = area.subWindowList();
    ASSERT_EQ(janelas.size(), 3);
    EXPECT_NE(janelas[0]->windowTitle(), janelas[1]->windowTitle());
    EXPECT_EQ(janelas[1]->windowTitle(), janelas[2]->windowTitle());
}
