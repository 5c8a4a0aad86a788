// Whole cases in the main window: opening new and saved cases, the toolbar state, and every
// fluid class from the first pick to the data sheet, saved, reopened and calculated again.
#include "calculation/ArquivoCalculo.h"
#include "calculation/CaseMapping.h"
#include "calculation/modCalculo.h"
#include "calculation/windows/AbreJanela.h"
#include "calculation/windows/ShownGrid.h"
#include "calculation/windows/frmCalcQuirasol.h"
#include "calculation/windows/frmRelatorio.h"
#include "calculator/windows/frmCalculadora.h"
#include "frame/modBase.h"
#include "frame/windows/MainWindowFixture.h"
#include "frame/windows/mdiMenu.h"
#include "platform/SettingsFiles.h"
#include "support/ScriptedInteraction.h"
#include "support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <array>
#include <functional>
#include <gtest/gtest.h>

using namespace calculation;
using testsupport::Asked;

// The shortcut path of a key typed in the focused control (exported by QtGui).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject *o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString &text,
                                               bool autorep, ushort count);

namespace {

class WholeCaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::UnloadMainWindow(); // one left by an earlier test in this process
        ASSERT_TRUE(folder.isValid());
        platform::SettingsFiles::instance().setFolder(folder.path());
        IniciaTabelas();
        ListaMRU() = {};
        PathSaves() = folder.path() + QStringLiteral("/Saves");
        PathRelatorios() = folder.path() + QStringLiteral("/Relatorios");
        menu = mdiMenu::Instance();
    }

    void TearDown() override
    {
        if (menu) {
            // Close the cases first (answering No to any save question), as the program does.
            ui.messageAnswers.assign(20, platform::vbNo);
            for (QMdiSubWindow *sub : menu->Area()->subWindowList())
                if (qobject_cast<frmCalcQuirasol *>(sub->widget()))
                    sub->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            menu->setAttribute(Qt::WA_DeleteOnClose, false);
            delete menu.data();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::SettingsFiles::instance().setFolder(QString());
    }

    frmCalcQuirasol *NewCase()
    {
        QString path;
        AbreJanela(false, path);
        return qobject_cast<frmCalcQuirasol *>(menu->ActiveForm());
    }

    frmCalcQuirasol *OpenCase(const QString &file)
    {
        QString path = file;
        const int before = menu->Area()->subWindowList().size();
        AbreJanela(true, path);
        if (menu->Area()->subWindowList().size() == before)
            return nullptr;
        return qobject_cast<frmCalcQuirasol *>(menu->ActiveForm());
    }

    bool ButtonEnabled(const char *key) const
    {
        return menu->Botao(QString::fromLatin1(key))->isEnabled();
    }

    static QStringList Sheet(const char *file)
    {
        QFile in(QStringLiteral(QUIRASOL_TEST_DATA "/") + QLatin1String(file));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file;
        QStringList linhas = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
        linhas.removeLast();
        return linhas;
    }

    static QStringList ReportLines(frmCalcQuirasol *w)
    {
        QStringList items;
        for (int i = 0; i < w->Relatorio->lstRelatorio->count(); ++i)
            items << w->Relatorio->lstRelatorio->item(i)->text();
        return items;
    }

    testsupport::OwnProgramState programState;
    QTemporaryDir folder;
    testsupport::ScriptedInteraction ui;
    QPointer<mdiMenu> menu;
};

TEST_F(WholeCaseTest, NewCasesAreNumberedAndOpenedCasesTitledByTheirFile)
{
    frmCalcQuirasol *first = NewCase();
    ASSERT_NE(first, nullptr);
    const long n = ContadorCalculos();
    EXPECT_EQ(first->Caption(), QStringLiteral("Cálculo %1").arg(n));
    EXPECT_EQ(first->Arquivo, PathSaves() + QStringLiteral("/Cálculo %1").arg(n));
    first->mdiFrame()->close();
    frmCalcQuirasol *second = NewCase();
    EXPECT_EQ(second->Caption(), QStringLiteral("Cálculo %1").arg(n + 1));
    EXPECT_FALSE(second->Alterado());
    EXPECT_FALSE(second->TemArquivo);

    // A missing file: its path titles the message and no window is made.
    const QString missing = folder.filePath(QStringLiteral("falta.qzv"));
    EXPECT_EQ(OpenCase(missing), nullptr);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Arquivo não encontrado"));
    EXPECT_EQ(ui.messages()[0].title, missing);
    EXPECT_EQ(ui.messages()[0].style, platform::vbExclamation);
}

TEST_F(WholeCaseTest, OpenDialogWritesThePathBack)
{
    frmCalcQuirasol *w = NewCase();
    ui.fileAnswers.push_back(folder.filePath(QStringLiteral("a.qzv")));
    ASSERT_TRUE(w->QuraSave(true));

    QString path;
    AbreJanela(true, path); // cancelled: nothing happens
    EXPECT_TRUE(path.isEmpty());
    ui.fileAnswers.push_back(folder.filePath(QStringLiteral("a.qzv")));
    AbreJanela(true, path);
    EXPECT_EQ(path, folder.filePath(QStringLiteral("a.qzv")));
    const auto openQuestion = ui.asked.back();
    EXPECT_EQ(openQuestion.kind, Asked::Open);
    EXPECT_EQ(openQuestion.file.title, QStringLiteral("Abrir Cálculo de Quirasol"));
    EXPECT_EQ(openQuestion.file.filter,
              QStringLiteral("Arquivo de Cálculo de Quirasol (*.qzv)|*.qzv"));
    EXPECT_EQ(openQuestion.file.initialDir, PathSaves());
    EXPECT_EQ(menu->Area()->subWindowList().size(), 4); // two cases, two report windows
    EXPECT_EQ(menu->ActiveForm()->windowTitle(), QStringLiteral("a.qzv"));
}

TEST_F(WholeCaseTest, CalculatorOpensBesideTheBox)
{
    menu->resize(900, 700);
    menu->show();
    frmCalcQuirasol *w = NewCase();
    w->cboQuirasol->pick(0);
    w->cboFluido->pick(Liquid);
    w->cboTomada->pick(0);
    w->txtDados[2]->setText(QStringLiteral("12,5"));
    const struct {
        int field;
        bool below;
    } cases[] = {{2, true}, {29, false}};
    for (const auto &c : cases) {
        w->txtDados[c.field]->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(w->ActiveFieldIndex(), c.field);
        menu->tbCalculo_ButtonClick(QStringLiteral("Calculadora"));
        frmCalculadora *calculator = frmCalculadora::Instance();
        ASSERT_NE(calculator, nullptr);
        const QRect box(w->txtDados[c.field]->mapToGlobal(QPoint(0, 0)),
                          w->txtDados[c.field]->size());
        const QPoint expected =
            c.below ? QPoint(box.left(), box.bottom() + 1)
                     : QPoint(box.left(), box.top() - calculator->frameGeometry().height());
        EXPECT_EQ(calculator->pos(), expected) << c.field;
        if (c.field == 2) {
            EXPECT_EQ(calculator->Readout->text(), QStringLiteral("12,5"));
        }
        calculator->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(WholeCaseTest, ToolbarFollowsTheActiveCase)
{
    frmCalcQuirasol *w = NewCase();
    EXPECT_FALSE(ButtonEnabled("Calcular"));
    EXPECT_FALSE(ButtonEnabled("Salvar"));
    w->cboQuirasol->pick(0);
    w->cboFluido->pick(Liquid);
    EXPECT_FALSE(ButtonEnabled("Salvar")); // not before all three selectors are chosen
    w->cboTomada->pick(0);
    EXPECT_TRUE(ButtonEnabled("Calcular"));
    EXPECT_TRUE(ButtonEnabled("Salvar"));

    frmCalcQuirasol *other = NewCase();
    EXPECT_FALSE(ButtonEnabled("Calcular"));
    EXPECT_FALSE(ButtonEnabled("Salvar"));
    menu->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(w->mdiFrame()));
    EXPECT_TRUE(ButtonEnabled("Calcular"));
    EXPECT_TRUE(ButtonEnabled("Salvar"));
    // The report window leaves them off, also when its case changes meanwhile.
    ui.fileAnswers.push_back(folder.filePath(QStringLiteral("t.qzv")));
    ASSERT_TRUE(w->QuraSave(true));
    w->Relatorio->Show();
    EXPECT_FALSE(ButtonEnabled("Calcular"));
    EXPECT_FALSE(ButtonEnabled("Salvar"));
    w->txtDados[4]->setText(QStringLiteral("80"));
    EXPECT_FALSE(ButtonEnabled("Salvar"));
    (void)other;

    // A bar hidden from one window shows in the next window's checks.
    menu->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(other->mdiFrame()));
    other->mnuExibirBarraCalculo->trigger();
    EXPECT_FALSE(menu->CalculationBarVisible());
    EXPECT_FALSE(other->mnuExibirBarraCalculo->isChecked());
    menu->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(w->mdiFrame()));
    EXPECT_FALSE(w->mnuExibirBarraCalculo->isChecked());
    w->mnuExibirBarraCalculo->trigger();
    EXPECT_TRUE(w->mnuExibirBarraCalculo->isChecked());
}

TEST_F(WholeCaseTest, ViewChecksShowTheBarsAfterAClickFromAnyWindow)
{
    // The View entries of a window: standard bar, calculation bar, labels, status bar.
    using ViewEntry = std::array<QAction *, 4>;
    const auto viewEntries = [](auto *window) {
        return ViewEntry{window->mnuExibirBarraPadrao, window->mnuExibirBarraCalculo,
                         window->mnuExibirEtiqueta, window->mnuExibirStatusBar};
    };
    const auto state = [this] {
        return std::array<bool, 4>{menu->StandardBarVisible(), menu->CalculationBarVisible(),
                                   menu->LabelsVisible(), menu->StatusBarVisible()};
    };
    const auto checks = [](const ViewEntry &entries) {
        std::array<bool, 4> checked{};
        for (int i = 0; i < 4; ++i)
            checked[i] = entries[i]->isChecked();
        return checked;
    };
    frmCalcQuirasol *oneCase = NewCase();
    frmCalcQuirasol *other = NewCase();
    oneCase->Relatorio->Show(); // the report window is active, the two cases are not
    const std::pair<const char *, ViewEntry> windows[] = {
        {"frame", viewEntries(menu.data())},
        {"case", viewEntries(oneCase)},
        {"report", viewEntries(oneCase->Relatorio.data())},
        {"other case", viewEntries(other)}};
    for (int i = 0; i < 4; ++i) {
        for (const auto &[source, entries] : windows) {
            const bool before = state()[i];
            entries[i]->trigger();
            EXPECT_NE(state()[i], before) << source << " " << i; // one toggle per click
            for (const auto &[name, others] : windows)
                EXPECT_EQ(checks(others), state()) << name << " after " << source << " " << i;
        }
    }

    // A window made while bars are hidden shows them so once it is active.
    menu->mnuExibirEtiqueta->trigger();
    other->mnuExibirStatusBar->trigger();
    frmCalcQuirasol *fresh = NewCase();
    EXPECT_EQ(checks(viewEntries(fresh)), state());
    fresh->Relatorio->Show();
    EXPECT_EQ(checks(viewEntries(fresh->Relatorio.data())), state());
}

TEST_F(WholeCaseTest, CancelWhileClosingKeepsEveryCaseOpen)
{
    QPointer<frmCalcQuirasol> first = NewCase();
    QPointer<frmCalcQuirasol> second = NewCase();
    for (frmCalcQuirasol *w : {first.data(), second.data()}) {
        w->cboQuirasol->pick(0);
        w->cboFluido->pick(Liquid);
        w->cboTomada->pick(0);
        ASSERT_TRUE(w->Alterado());
    }
    const QString question =
        QStringLiteral("Deseja salvar as alterações efetuadas neste Cálculo?");
    // No for the first case, Cancel for the second: both stay open, the first still modified.
    ui.messageAnswers = {platform::vbNo, platform::vbCancel};
    EXPECT_FALSE(menu->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ui.messageTexts(), QStringList({question, question}));
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(first->Alterado());

    // No for both: each is asked once and the program closes.
    ui.asked.clear();
    ui.messageAnswers = {platform::vbNo, platform::vbNo};
    EXPECT_TRUE(menu->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ui.messageTexts(), QStringList({question, question}));
    EXPECT_FALSE(first);
    EXPECT_FALSE(second);
    EXPECT_FALSE(menu);
}

TEST_F(WholeCaseTest, MenuShortcutsWinOverTheTextBoxes)
{
    menu->show();
    QApplication::setActiveWindow(menu);
    frmCalcQuirasol *w = NewCase();
    w->cboQuirasol->pick(0);
    w->cboFluido->pick(Liquid);
    w->cboTomada->pick(0);
    ASSERT_TRUE(testsupport::WaitFor([&] { return menu->ActiveForm() == w; }));
    for (QWidget *target : std::initializer_list<QWidget *>{w->txtTag, w->txtDados[4],
                                                          w->cboDados[5]}) {
        target->setFocus(Qt::TabFocusReason);
        const size_t before = ui.asked.size();
        // Ctrl+A opens a case (the dialog, cancelled); Ctrl+P is a disabled entry.
        EXPECT_TRUE(qt_sendShortcutOverrideEvent(target, 0, Qt::Key_A, Qt::ControlModifier,
                                                 QStringLiteral("\x01"), false, 1));
        ASSERT_EQ(ui.asked.size(), before + 1);
        EXPECT_EQ(ui.asked.back().kind, Asked::Open);
        EXPECT_FALSE(qt_sendShortcutOverrideEvent(target, 0, Qt::Key_P, Qt::ControlModifier,
                                                  QStringLiteral("\x10"), false, 1));
    }
}

TEST_F(WholeCaseTest, ReopenedCaseKeepsFluidNameAndValues)
{
    frmCalcQuirasol *w = NewCase();
    w->cboQuirasol->pick(0);
    ui.inputAnswers.push_back(QStringLiteral("methane"));
    w->cboFluido->pick(Gas);
    w->cboTomada->pick(1);
    w->txtTag->setText(QStringLiteral("FT \"01\""));
    w->txtDados[4]->setText(QStringLiteral("154,08"));
    w->cboDados[14]->pick(1);
    const QString file = folder.filePath(QStringLiteral("gas.qzv"));
    ui.fileAnswers.push_back(file);
    w->mnuArquivoSalvar_Click();
    EXPECT_EQ(w->Caption(), QStringLiteral("gas.qzv"));
    EXPECT_EQ(ListaMRU()[0], file);

    // Saving again without Save As: a case begun new keeps asking for the name.
    w->txtDados[4]->setText(QStringLiteral("150"));
    ui.fileAnswers.push_back(file);
    w->mnuArquivoSalvar_Click();
    EXPECT_EQ(ui.asked.back().kind, Asked::Save);
    EXPECT_EQ(ui.asked.back().file.initialDir, folder.path() + QLatin1Char('/'));
    EXPECT_EQ(ui.asked.back().file.fileName, QStringLiteral("gas.qzv"));

    ui.asked.clear();
    frmCalcQuirasol *r = OpenCase(file);
    ASSERT_NE(r, nullptr);
    EXPECT_NE(r, w);
    EXPECT_EQ(r->Caption(), QStringLiteral("gas.qzv"));
    EXPECT_TRUE(r->TemArquivo);
    EXPECT_FALSE(r->Alterado());
    EXPECT_EQ(r->cboFluido->currentText(), QStringLiteral("Gas (methane)"));
    EXPECT_EQ(r->cboTomada->currentIndex(), 1);
    EXPECT_EQ(r->txtDados[4]->text(), QStringLiteral("150"));
    EXPECT_EQ(r->cboDados[10]->currentIndex(), 1);
    EXPECT_EQ(r->txtDados[10]->text(), QStringLiteral("1,03323"));
    EXPECT_EQ(r->txtTag->text(), w->txtTag->text().replace(QLatin1Char('"'),
                                                            QStringLiteral("''")));
    EXPECT_TRUE(ButtonEnabled("Calcular"));
    EXPECT_FALSE(ButtonEnabled("Salvar"));
    EXPECT_TRUE(ui.asked.empty()); // no fluid question while reading
}

TEST_F(WholeCaseTest, DensityChoiceComesBackFromTheUnits)
{
    frmCalcQuirasol *w = NewCase();
    w->cboQuirasol->pick(0);
    w->cboFluido->pick(Liquid);
    w->cboTomada->pick(0);
    w->cboMassaDensidade->pick(1);
    w->txtDados[17]->setText(QStringLiteral("1,02"));
    const QString file = folder.filePath(QStringLiteral("densidade.qzv"));
    ui.fileAnswers.push_back(file);
    ASSERT_TRUE(w->QuraSave(true));
    frmCalcQuirasol *r = OpenCase(file);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->cboMassaDensidade->currentIndex(), 1);
    EXPECT_EQ(r->lblDados[17]->text(), NomeCampo[22]);
    EXPECT_EQ(r->cboDados[18]->currentIndex(), 1);
    EXPECT_EQ(r->txtDados[17]->text(), QStringLiteral("1,02"));
    EXPECT_FALSE(r->Alterado());
}

TEST_F(WholeCaseTest, FileEndingAfterTheTagOpensWithoutValues)
{
    const QString file = folder.filePath(QStringLiteral("tag.qzv"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\"\"\r\n\"\"\r\n\"\"\r\n1\r\n2   ,\"Vapor\"\r\n3\r\n\"FT-9\"\r\n");
    f.close();
    frmCalcQuirasol *w = OpenCase(file);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(ui.asked.empty());
    EXPECT_EQ(w->Placa(), 2);
    EXPECT_EQ(w->Fluido(), Steam);
    EXPECT_EQ(w->Tomada(), 4);
    EXPECT_EQ(w->txtTag->text(), QStringLiteral("FT-9"));
    EXPECT_EQ(w->txtDados[9]->text(), QString());
    EXPECT_TRUE(w->TemArquivo);
    EXPECT_FALSE(w->Alterado());
    EXPECT_EQ(w->Relatorio->txtData->text(), QString()); // the header is filled
}

TEST_F(WholeCaseTest, DamagedHeaderShowsTheErrorAndTheWindow)
{
    const QString file = folder.filePath(QStringLiteral("curto.qzv"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\"d\"\r\n\"os\"\r\n\"c\"\r\n0\r\n1 ,\"Gas (ar)\"\r\n");
    f.close();
    ui.inputAnswers.push_back({});
    frmCalcQuirasol *w = OpenCase(file);
    ASSERT_NE(w, nullptr);
    ASSERT_FALSE(ui.messages().empty());
    EXPECT_EQ(ui.messages().back().style, platform::vbCritical);
    EXPECT_FALSE(w->TemArquivo);
    EXPECT_FALSE(w->Carregando);
    EXPECT_EQ(w->Arquivo, file);
    EXPECT_EQ(w->cboFluido->currentText(), QStringLiteral("Gas (ar)"));
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(WholeCaseTest, OversizedFileIsRefusedAndNothingLoaded)
{
    // A whole case, then a value far beyond what a box of a case holds.
    const QString file = folder.filePath(QStringLiteral("grande.qzv"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\"d\"\r\n\"os\"\r\n\"c\"\r\n0\r\n2   ,\"Vapor\"\r\n3\r\n\"FT-9\"\r\n"
            "4,\"102,26\",0\r\n9,\"" + QByteArray(MaxCaseBytes, '1') + "\",0\r\n");
    f.close();
    frmCalcQuirasol *w = OpenCase(file);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(ui.messages().size(), 1u);
    const Asked error = ui.messages().front();
    EXPECT_EQ(error.style, platform::vbCritical);
    EXPECT_EQ(error.title, QStringLiteral("Informação de Erro Código :62"));
    EXPECT_TRUE(error.text.contains(file)) << error.text.toStdString();
    EXPECT_FALSE(w->TemArquivo);
    EXPECT_EQ(w->cboQuirasol->currentIndex(), -1);
    EXPECT_EQ(w->cboFluido->currentIndex(), -1);
    EXPECT_EQ(w->txtTag->text(), QString());
    EXPECT_EQ(w->Relatorio->txtOS->text(), QString());
    EXPECT_TRUE(w->isEnabled());
}

// Everything a grid state holds, one line per row, for a readable difference.
std::string Describe(const GridState &g)
{
    QString d = QStringLiteral("header %1|%2|%3 plate %4 fluid %5 '%6' tap %7 '%8' tag '%9'\n")
                    .arg(g.date, g.serviceOrder, g.client)
                    .arg(g.plate)
                    .arg(g.fluid)
                    .arg(g.fluidText)
                    .arg(g.tap)
                    .arg(g.tapText, g.tag);
    d += QStringLiteral("mass/density %1 FatorDP %2 grid %3\n")
             .arg(g.massDensity)
             .arg(g.fatorDP)
             .arg(g.gridEnabled ? QStringLiteral("in use") : QStringLiteral("off"));
    for (int n = 0; n <= LastField; ++n) {
        const GridField &f = g.fields[n];
        d += QStringLiteral("%1: '%2' unit %3 (code %4)%5\n")
                 .arg(n)
                 .arg(f.text)
                 .arg(f.unitPosition)
                 .arg(f.unitCode)
                 .arg(f.applicable ? QStringLiteral(" applicable") : QString());
    }
    return d.toStdString();
}

TEST_F(WholeCaseTest, OpenedCaseHoldsTheGridTheMappingWorksOut)
{
    // The sample cases, and files the program would not write: records out of order, unit
    // positions the lists lack, a density unit against the others, a damaged header, no
    // plate (the grid stays off).
    QStringList files;
    for (const QFileInfo &f : QDir(QStringLiteral(QUIRASOL_TEST_DATA))
                                  .entryInfoList({QStringLiteral("*.qzv")}, QDir::Files))
        files << f.filePath();
    const QByteArray gasHeader = "\"\"\r\n\"\"\r\n\"\"\r\n0\r\n1,  \"Gas (ar)\"\r\n1\r\n\"T\"\r\n";
    const QByteArray liquidHeader = "\"d\"\r\n\"\"\r\n\"\"\r\n1\r\n0,  \"L\"\r\n2\r\n\"T\"\r\n";
    const QByteArray handMade[] = {
        gasHeader + "2,\"1500\",0\r\n10,\"95\",0\r\n12,\"7\",0\r\n14,\"0,1\",1\r\n10,\"3\",1\r\n",
        gasHeader + "2,\"1\",1\r\n12,\"7\",1\r\n17,\"1\",0\r\n19,\"0,6\",1\r\n29,\"1,2\",1\r\n",
        liquidHeader + "29,\"7\",0\r\n9,\"\",0\r\n17,\"1\",0\r\n18,\"0,98\",1\r\n",
        liquidHeader + "9,\"120\",0\r\n5,\"100\",-1\r\n5,\"100\",2\r\n5,\"1\",-1\r\n"
                  "20,\"1\",5\r\n2,\"3\",-1\r\n",
        "\"\"\r\n\"\"\r\n\"\"\r\n1\r\n2   ,\"Vapor (x)\"\r\n3\r\n\"T\"\r\n"
        "29,\"\",1\r\n2,\"1\",1\r\n",
        "\"d\"\r\n\"os\"\r\n\"c\"\r\n0\r\n1 ,\"Gas (ar)\"\r\n",
        "\"\"\r\n\"\"\r\n\"\"\r\n-1\r\n0,  \"L\"\r\n0\r\n\"T\"\r\n9,\"120\",0\r\n", // no plate
    };
    for (const QByteArray &bytes : handMade) {
        const QString file = folder.filePath(QStringLiteral("feito%1.qzv").arg(files.size()));
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        files << file;
    }
    for (const QString &file : files) {
        ui.inputAnswers.assign(3, QStringLiteral("bronze")); // another material
        frmCalcQuirasol *w = OpenCase(file);
        ASSERT_NE(w, nullptr) << file.toStdString();
        EXPECT_EQ(Describe(testsupport::ShownGrid(*w)),
                  Describe(GridStateFromCase(ReadCaseFile(file))))
            << file.toStdString();
    }
}

// One case per fluid class, typed as a user would, against the calculation's data sheets.
struct Sample {
    const char *name;
    const char *sheetFile;
    std::function<void(frmCalcQuirasol *, testsupport::ScriptedInteraction &)> fill;
};

// A failure names the sample.
void PrintTo(const Sample &sample, std::ostream *out)
{
    *out << sample.name;
}

void Type(frmCalcQuirasol *w, std::initializer_list<std::pair<int, const char *>> values)
{
    for (const auto &[field, text] : values)
        w->txtDados[field]->setText(QString::fromUtf8(text));
}

const Sample samples[] = {
    {"LiquidFlangeTaps", "calculo-liquido-flange.txt",
     [](frmCalcQuirasol *w, testsupport::ScriptedInteraction &ui) {
         w->cboQuirasol->pick(0);
         ui.inputAnswers.push_back(QStringLiteral("Água de alimentação"));
         w->cboFluido->pick(Liquid);
         w->cboTomada->pick(0);
         w->txtTag->setText(QStringLiteral("FE-101"));
         w->cboDados[5]->pick(2);
         Type(w, {{2, "50"}, {4, "102,26"}, {5, "2500"}, {8, "20"}, {9, "60"},
                  {17, "998,2"}, {18, "983,2"}, {20, "0,47"}, {28, "0,8"}});
     }},
    {"GasRadiusTaps", "calculo-gas-radius.txt",
     [](frmCalcQuirasol *w, testsupport::ScriptedInteraction &ui) {
         w->cboQuirasol->pick(0);
         ui.inputAnswers.push_back({});
         w->cboFluido->pick(Gas);
         w->cboTomada->pick(1);
         w->txtTag->setText(QStringLiteral("FE-202"));
         Type(w, {{2, "1500"}, {4, "154,08"}, {5, "12500"}, {8, "15"}, {9, "40"},
                  {12, "700"}, {14, "7,38"}, {16, "60"}, {19, "0,65"}, {20, "0,011"},
                  {25, "0,998"}, {26, "0,985"}, {27, "1,3"}, {28, "0,75"}});
         ui.inputAnswers.push_back({});
         w->cboDados[29]->pick(1);
         Type(w, {{29, "1,0005"}});
     }},
    {"SteamVenaContracta", "calculo-vapor-vena.txt",
     [](frmCalcQuirasol *w, testsupport::ScriptedInteraction &ui) {
         w->cboQuirasol->pick(1);
         ui.inputAnswers.push_back({});
         w->cboFluido->pick(Steam);
         w->cboTomada->pick(2);
         w->txtTag->setText(QStringLiteral("FE-303"));
         w->cboDados[2]->pick(1);
         w->cboDados[5]->pick(1);
         w->cboDados[12]->pick(1);
         w->cboDados[20]->pick(1);
         Type(w, {{2, "2"}, {4, "77,92"}, {5, "2000"}, {9, "250"}, {12, "10"},
                  {18, "4,9"}, {20, "0,000018"}, {27, "1,3"}, {28, "0,7"}});
     }},
    {"GasByMassCornerTaps", "calculo-gas-corner.txt",
     [](frmCalcQuirasol *w, testsupport::ScriptedInteraction &ui) {
         w->cboQuirasol->pick(0);
         ui.inputAnswers.push_back({});
         w->cboFluido->pick(Gas);
         w->cboTomada->pick(3);
         w->txtTag->setText(QStringLiteral("FE-404"));
         w->cboDados[2]->pick(1);
         w->cboMassaDensidade->pick(0);
         Type(w, {{2, "2000"}, {4, "154,08"}, {5, "12500"}, {9, "40"}, {12, "700"},
                  {16, "0"}, {19, "0,84"}, {20, "0,011"}, {26, "0,985"}, {27, "1,3"},
                  {28, "0,75"}});
     }},
};

class WholeCasePerFluidClassTest : public WholeCaseTest,
                                   public ::testing::WithParamInterface<Sample>
{
};

TEST_P(WholeCasePerFluidClassTest, DataSheetThenSaveReopenAndCalculateAgain)
{
    const Sample &e = GetParam();
    const QStringList sheetFile = Sheet(e.sheetFile);
    frmCalcQuirasol *w = NewCase();
    e.fill(w, ui);
    menu->tbCalculo_ButtonClick(QStringLiteral("Calcular"));
    EXPECT_EQ(ReportLines(w), sheetFile);
    EXPECT_TRUE(w->Relatorio->isVisibleTo(menu));
    EXPECT_EQ(w->Relatorio->Caption(), QStringLiteral("Relatório de Cálculo - ") + w->Caption());
    EXPECT_TRUE(ui.messages().empty()) << ui.messages()[0].text.toStdString();

    const QString file = folder.filePath(QStringLiteral("caso.qzv"));
    const int massDensity = w->cboMassaDensidade->currentIndex();
    ui.fileAnswers.push_back(file);
    w->mnuArquivoSalvar_Click();
    EXPECT_FALSE(w->Alterado());
    QPointer<frmCalcQuirasol> closed = w;
    EXPECT_TRUE(w->mdiFrame()->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    EXPECT_TRUE(ui.messages().empty());

    ui.inputAnswers.push_back({}); // a material other than steel is asked again
    frmCalcQuirasol *r = OpenCase(file);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->cboMassaDensidade->currentIndex(), massDensity);
    r->PressCalculate();
    EXPECT_EQ(ReportLines(r), sheetFile);
}

INSTANTIATE_TEST_SUITE_P(PerFluidClass, WholeCasePerFluidClassTest, ::testing::ValuesIn(samples),
                         [](const auto &p) { return std::string(p.param.name); });

} // namespace
