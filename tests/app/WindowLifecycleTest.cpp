// The life of the child windows in the main window, reached the way a user reaches it: menu
// entries and toolbar buttons triggered, keys and clicks sent, and the event loop left to
// run (deferred deletes included) until the windows have settled, before anything is
// checked. Commands that close windows are given from the very windows they close. These
// tests run offscreen and again on a real display with a window manager (label desktop).
#include "calculation/modCalculo.h"
#include "calculation/windows/AbreJanela.h"
#include "calculation/windows/frmCalcQuirasol.h"
#include "calculation/windows/frmRelatorio.h"
#include "calculator/windows/frmCalculadora.h"
#include "frame/modBase.h"
#include "frame/windows/ChildWindow.h"
#include "frame/windows/frmDica.h"
#include "frame/windows/MainWindowFixture.h"
#include "frame/windows/mdiMenu.h"
#include "platform/widgets/ProgramPrinter.h"
#include "platform/widgets/QtInteraction.h"
#include "support/FileSizeLimit.h"
#include "support/ForwardingInteraction.h"
#include "support/ScriptedInteraction.h"
#include "support/WaitFor.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using testsupport::WaitFor;

const QString LiquidCaseFile = QStringLiteral(QUIRASOL_TEST_DATA "/liquido-flange.qzv");
const QString RelativeDensityCaseFile =
    QStringLiteral(QUIRASOL_TEST_DATA "/liquido-densidade-relativa.qzv");
const QString SteamCaseFile = QStringLiteral(QUIRASOL_TEST_DATA "/vapor-vena.qzv");
const QString EmptyFieldCaseFile = QStringLiteral(QUIRASOL_TEST_DATA "/liquido-campo-vazio.qzv");

// The program's own dialogs on screen, answered by the test as a user would; what would go to
// the desktop (the exported file) is only recorded. The program's printer is given back as
// it was.
class DialogsOnScreen final : public testsupport::ForwardingInteraction
{
public:
    DialogsOnScreen() : ForwardingInteraction(OnScreen()) {}
    ~DialogsOnScreen() override
    {
        platform::ProgramPrinter().setOutputFormat(printerFormat);
        platform::ProgramPrinter().setOutputFileName(printerFile);
    }
    bool openExternal(const QString &target) override
    {
        externals << target;
        return true;
    }

    QStringList externals;

private:
    static platform::Interaction &OnScreen()
    {
        static platform::QtInteraction dialogos;
        return dialogos;
    }
    QPrinter::OutputFormat printerFormat = platform::ProgramPrinter().outputFormat();
    QString printerFile = platform::ProgramPrinter().outputFileName();
};

// Answers the next modal dialog of its kind once it is open and in front, as a user would.
template <typename Dialog = QDialog>
void AnswerDialog(const std::function<void(Dialog *)> &answer)
{
    auto *espera = new QTimer;
    espera->setInterval(10);
    QObject::connect(espera, &QTimer::timeout, espera, [espera, answer] {
        auto *dialogo = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialogo || !dialogo->isVisible() || !dialogo->isActiveWindow())
            return;
        espera->deleteLater();
        espera->stop();
        answer(dialogo);
    });
    espera->start();
}

void TypeFileName(QDialog *dialogo, const QString &caminho)
{
    auto *nome = dialogo->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nome, nullptr);
    // Typed into the name box: the dialog leaves a box with the focus alone when the folder's
    // listing arrives and selects the proposed file.
    ASSERT_TRUE(WaitFor([nome] { return nome->hasFocus(); }));
    nome->setText(caminho);
    QTest::keyClick(nome, Qt::Key_Return);
}

// The print dialog: to a PDF file, OK.
void PrintToFile(QDialog *dialogo, const QString &caminho)
{
    auto *impressoras = dialogo->findChild<QComboBox *>(QStringLiteral("printers"));
    auto *arquivo = dialogo->findChild<QLineEdit *>(QStringLiteral("filename"));
    auto *botoes = dialogo->findChild<QDialogButtonBox *>();
    ASSERT_TRUE(impressoras && arquivo && botoes);
    impressoras->setCurrentIndex(impressoras->count() - 1);
    arquivo->setText(caminho);
    botoes->button(QDialogButtonBox::Ok)->click();
}

// A command of a child window that opens a modal dialog, and the answer the dialog gets.
struct DialogCommand {
    const char *nome;
    std::function<void(QDialog *)> resposta;
    std::function<void()> comando;
};

class WindowLifecycleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::UnloadMainWindow(); // one left by an earlier test in this process
        calculation::IniciaTabelas();
        ListaMRU() = {};
        PathSaves() = folder.filePath(QStringLiteral("Saves"));
        PathRelatorios() = folder.filePath(QStringLiteral("Relatorios"));
        menu = mdiMenu::Instance();
        menu->resize(900, 700);
        menu->show();
        menu->activateWindow();
        // On a real display the window manager makes it the active window in its own time.
        ASSERT_TRUE(QTest::qWaitForWindowActive(menu, testsupport::WaitCeilingMs));
        ui.messageAnswers.assign(20, platform::vbNo); // "Não" to every save question
    }
    void TearDown() override
    {
        if (menu) {
            for (QMdiSubWindow *sub : menu->Area()->subWindowList())
                if (qobject_cast<frmCalcQuirasol *>(sub->widget()))
                    sub->close();
            EXPECT_TRUE(WaitFor([this] { return CaseCount() == 0; }));
        }
        testsupport::UnloadMainWindow();
    }

    QAction *Action(QObject *dono, const char *nome) const
    {
        return dono->findChild<QAction *>(QString::fromLatin1(nome));
    }
    // "Abrir" in the frame's menu, the file picked in the open dialog; the new case is the
    // active child.
    frmCalcQuirasol *OpenCase(const QString &arquivo)
    {
        const QList<QMdiSubWindow *> antes = menu->Area()->subWindowList();
        ui.fileAnswers.push_back(arquivo);
        menu->Botao(QStringLiteral("Abrir"))->trigger();
        EXPECT_TRUE(WaitFor([&] { return IsActive(NewCase(antes)); }));
        return CaseWindow();
    }
    // A case window's sub-window that is not among those before.
    QMdiSubWindow *NewCase(const QList<QMdiSubWindow *> &antes) const
    {
        for (QMdiSubWindow *sub : menu->Area()->subWindowList())
            if (!antes.contains(sub) && qobject_cast<frmCalcQuirasol *>(sub->widget()))
                return sub;
        return nullptr;
    }
    bool IsActive(const QMdiSubWindow *sub) const
    {
        return sub && menu->ActiveForm() == sub->widget();
    }
    bool IsReportActive(const frmCalcQuirasol *caso) const
    {
        return caso->Relatorio && menu->ActiveForm() == caso->Relatorio;
    }
    frmCalcQuirasol *CaseWindow() const
    {
        return qobject_cast<frmCalcQuirasol *>(menu->ActiveForm());
    }
    int CaseCount() const
    {
        int n = 0;
        for (QMdiSubWindow *sub : menu->Area()->subWindowList())
            n += qobject_cast<frmCalcQuirasol *>(sub->widget()) != nullptr;
        return n;
    }
    // The frame's menu bar shows the menus of its active child, or its own with none.
    void MenusOf(QWidget *filha) const
    {
        const QList<QAction *> barra = menu->menuBar()->actions();
        ASSERT_FALSE(barra.isEmpty());
        auto *janela = dynamic_cast<ChildWindow *>(filha);
        if (QMenuBar *propria = janela ? janela->OwnMenuBar() : nullptr)
            EXPECT_EQ(barra, propria->actions());
        else
            EXPECT_EQ(barra.first()->menu()->objectName(), QStringLiteral("mnuArquivo"));
    }
    // Gives the command and answers its dialog; then the window manager gives the activation
    // back to the main window, and the child that gave the command has the focus again, is the
    // active child and shows its menus.
    void GiveAndAnswer(const DialogCommand &c, QWidget *filha)
    {
        AnswerDialog(c.resposta);
        c.comando();
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << c.nome;
        menu->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(menu, testsupport::WaitCeilingMs)) << c.nome;
        EXPECT_TRUE(WaitFor([&] { return filha->isAncestorOf(QApplication::focusWidget()); }))
            << c.nome;
        EXPECT_EQ(menu->ActiveForm(), filha) << c.nome;
        MenusOf(filha);
    }

    QTemporaryDir folder;
    testsupport::OwnProgramState programState{&AbreJanela};
    testsupport::TemporarySettings settings;
    testsupport::ScriptedInteraction ui;
    QPointer<mdiMenu> menu;
};

} // namespace

// Each command is given from the report window in front (or its case), after a calculation,
// and answered "Não" where the case asks to be saved.
TEST_F(WindowLifecycleTest, ClosingCommandsFromTheWindowTheyClose)
{
    const struct {
        const char *acao;
        bool doRelatorio;
        bool fechaPrograma;
    } comandos[] = {
        {"mnuArquivoFecharTodos", true, false}, {"mnuArquivoFecharTodos", false, false},
        {"mnuArquivoFechar", false, false},     {"mnuArquivoSair", true, true},
        {"mnuArquivoSair", false, true},
    };
    for (const auto &c : comandos) {
        const QString nome = QString::fromLatin1(c.acao) + (c.doRelatorio ? " (relatório)" : "");
        if (!menu) {
            menu = mdiMenu::Instance();
            menu->show();
            menu->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(menu, testsupport::WaitCeilingMs));
        }
        OpenCase(RelativeDensityCaseFile);
        frmCalcQuirasol *caso = OpenCase(LiquidCaseFile);
        ASSERT_NE(caso, nullptr) << nome.toStdString();
        menu->Botao(QStringLiteral("Calcular"))->trigger();
        ASSERT_TRUE(WaitFor([&] { return IsReportActive(caso); })) << nome.toStdString();
        QPointer<frmRelatorio> relatorio = caso->Relatorio;
        if (!c.doRelatorio) {
            menu->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(caso->mdiFrame()));
            ASSERT_TRUE(WaitFor([&] { return menu->ActiveForm() == caso; })) << nome.toStdString();
        }
        QObject *origem = c.doRelatorio ? static_cast<QObject *>(relatorio.data()) : caso;
        Action(origem, c.acao)->trigger();

        if (c.fechaPrograma) {
            EXPECT_TRUE(WaitFor([this] { return menu.isNull(); })) << nome.toStdString();
            continue;
        }
        // The rest: nothing (all closed), or the other case as the active child.
        const bool todos = QByteArray(c.acao) == "mnuArquivoFecharTodos";
        EXPECT_TRUE(WaitFor([&] {
            return menu && !relatorio && CaseCount() == (todos ? 0 : 1)
                   && (todos || menu->ActiveForm());
        })) << nome.toStdString();
        ASSERT_TRUE(menu) << nome.toStdString();
        EXPECT_FALSE(relatorio) << nome.toStdString();
        EXPECT_EQ(CaseCount(), todos ? 0 : 1) << nome.toStdString();
        MenusOf(menu->ActiveForm());
        EXPECT_TRUE(menu->isEnabled());
        // Whatever is left closes, ready for the next command.
        menu->mnuArquivoFecharTodos_Click();
        ASSERT_TRUE(WaitFor([this] { return menu->Area()->subWindowList().isEmpty(); }));
    }
}

TEST_F(WindowLifecycleTest, NewOrOpenedCaseBecomesTheActiveChildWhateverThePath)
{
    OpenCase(LiquidCaseFile);
    ListaMRU()[0] = RelativeDensityCaseFile;
    const std::function<void()> caminhos[] = {
        [&] { menu->Botao(QStringLiteral("Novo"))->trigger(); },
        [&] { Action(menu->ActiveForm(), "mnuArquivoNovo")->trigger(); },
        [&] { QTest::keyClick(menu->ActiveForm(), Qt::Key_O, Qt::ControlModifier); },
        [&] { Action(menu->ActiveForm(), "mnuArquivoMRU1")->trigger(); },
        [&] { menu->MDIForm_LinkExecute(QStringLiteral("/P ") + RelativeDensityCaseFile); },
    };
    int n = 0;
    for (const auto &caminho : caminhos) {
        const QList<QMdiSubWindow *> antes = menu->Area()->subWindowList();
        caminho();
        QMdiSubWindow *novo = nullptr;
        EXPECT_TRUE(WaitFor([&] { return IsActive(novo = NewCase(antes)); })) << n;
        ASSERT_NE(novo, nullptr) << n;
        EXPECT_EQ(menu->Area()->activeSubWindow(), novo) << n;
        EXPECT_EQ(menu->ActiveForm(), novo->widget()) << n;
        MenusOf(novo->widget());
        ++n;
    }
}

TEST_F(WindowLifecycleTest, ClosingOrHidingTheActiveChildActivatesTheNext)
{
    frmCalcQuirasol *primeiro = OpenCase(LiquidCaseFile);
    const std::function<void(frmCalcQuirasol *)> fechamentos[] = {
        [&](frmCalcQuirasol *caso) { caso->mnuArquivoFechar->trigger(); },
        [&](frmCalcQuirasol *caso) { caso->mdiFrame()->close(); }, // the close box
        [&](frmCalcQuirasol *caso) {
            menu->Botao(QStringLiteral("Calcular"))->trigger();
            ASSERT_TRUE(WaitFor([&] { return IsReportActive(caso); }));
            caso->Relatorio->mnuArquivoFechar->trigger();
        },
        [&](frmCalcQuirasol *) {
            Action(menu->ActiveForm(), "mnuAjudaDicas")->trigger();
            ASSERT_TRUE(WaitFor([this] {
                return frmDica::Instance() && menu->ActiveForm() == frmDica::Instance();
            }));
            QTest::mouseClick(frmDica::Instance()->cmdOK, Qt::LeftButton);
        },
    };
    int n = 0;
    for (const auto &fecha : fechamentos) {
        QPointer<frmCalcQuirasol> segundo = OpenCase(LiquidCaseFile);
        ASSERT_TRUE(segundo);
        ASSERT_NE(segundo, primeiro);
        fecha(segundo);
        // The first two close the second case, the others hide or close a window in front of it.
        const bool fechado = n < 2;
        QWidget *esperado = fechado ? static_cast<QWidget *>(primeiro) : segundo.data();
        EXPECT_TRUE(WaitFor([&] { return menu->ActiveForm() == esperado && fechado == !segundo; }))
            << n;
        EXPECT_EQ(menu->ActiveForm(), esperado) << n;
        MenusOf(esperado);
        if (!fechado) {
            segundo->mnuArquivoFechar->trigger();
            EXPECT_TRUE(WaitFor([&] { return menu->ActiveForm() == primeiro && !segundo; })) << n;
        }
        EXPECT_EQ(menu->ActiveForm(), primeiro) << n;
        ++n;
    }
}

TEST_F(WindowLifecycleTest, ChildOpenedWhileAnotherIsMaximisedOpensMaximisedAndWhole)
{
    QMdiArea *area = menu->Area();
    Action(menu, "mnuAjudaDocumentacaoTabela0")->trigger();
    ASSERT_TRUE(WaitFor([area] { return area->activeSubWindow() != nullptr; }));
    QMdiSubWindow *massa = area->activeSubWindow();
    massa->showMaximized();
    ASSERT_TRUE(WaitFor([&] { return massa->geometry() == area->viewport()->rect(); }));

    const std::function<void()> aberturas[] = {
        [&] { Action(menu, "mnuAjudaDocumentacaoTabela1")->trigger(); },
        [&] { menu->Botao(QStringLiteral("Novo"))->trigger(); },
        [&] { Action(menu->ActiveForm(), "mnuAjudaDicas")->trigger(); },
    };
    int n = 0;
    for (const auto &abre : aberturas) {
        QMdiSubWindow *antes = area->activeSubWindow();
        abre();
        QMdiSubWindow *nova = nullptr;
        EXPECT_TRUE(WaitFor([&] {
            nova = area->activeSubWindow();
            return nova && nova != antes && nova->isMaximized() && !antes->isMaximized()
                   && nova->geometry() == area->viewport()->rect();
        })) << n;
        ASSERT_NE(nova, nullptr) << n;
        ASSERT_NE(nova, antes) << n;
        EXPECT_TRUE(nova->isMaximized()) << n;
        EXPECT_FALSE(antes->isMaximized()) << n;
        EXPECT_EQ(nova->geometry(), area->viewport()->rect()) << n;
        // Its controls stay at the top left, as at design size.
        QWidget *janela = nova->widget();
        EXPECT_LT(janela->mapTo(nova, janela->childrenRect().topLeft()).y(), 20) << n;
        ++n;
    }
}

TEST_F(WindowLifecycleTest, CaseClosedWhileItsCalculatorIsOpen)
{
    frmCalcQuirasol *caso = OpenCase(LiquidCaseFile);
    caso->txtDados[2]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(caso->txtDados[2], Qt::Key_Return);
    ASSERT_TRUE(WaitFor([] { return frmCalculadora::Instance() != nullptr; }));
    QPointer<frmCalculadora> calculadora = frmCalculadora::Instance();
    caso->mnuArquivoFechar->trigger();
    EXPECT_TRUE(WaitFor([this] { return CaseCount() == 0; }));
    if (calculadora) {
        // Whatever it still shows goes nowhere.
        QTest::keyClick(calculadora, Qt::Key_Equal);
        calculadora->close();
    }
    EXPECT_TRUE(WaitFor([&] { return !calculadora && !menu->ActiveForm(); }));
    MenusOf(nullptr);
}


// A modal dialog of a child window leaves that child the active one: the window manager
// gives the activation back to the main window when the dialog closes, and the child that
// opened the dialog stays active, whatever the dialog's end.
TEST_F(WindowLifecycleTest, PrintAndExportLeaveTheirReportActive)
{
    frmCalcQuirasol *a = OpenCase(LiquidCaseFile);
    frmCalcQuirasol *b = OpenCase(RelativeDensityCaseFile);
    frmCalcQuirasol *c = OpenCase(LiquidCaseFile);
    ASSERT_TRUE(a && b && c);
    c->Relatorio->txtCliente->setText(QStringLiteral("Cliente C"));
    menu->Botao(QStringLiteral("Calcular"))->trigger();
    QPointer<frmRelatorio> relatorio = c->Relatorio;
    ASSERT_TRUE(WaitFor([&] { return menu->ActiveForm() == relatorio; }));
    const QString exportado = PathRelatorios() + QStringLiteral("/folha.txt");
    const QString pdf = folder.filePath(QStringLiteral("folha.pdf"));
    DialogsOnScreen dialogos;
    const DialogCommand casos[] = {
        {"exportado", [&](QDialog *d) { TypeFileName(d, exportado); },
         [&] { menu->Botao(QStringLiteral("Exportar"))->trigger(); }},
        {"exportação cancelada", [](QDialog *d) { d->reject(); },
         [&] { relatorio->mnuArquivoExportarRelatorio->trigger(); }},
        {"exportação falha",
         [&](QDialog *d) {
             // The error box that follows the failed write, answered OK.
             AnswerDialog<QMessageBox>([](QMessageBox *caixa) { caixa->accept(); });
             TypeFileName(d, PathRelatorios() + QStringLiteral("/falha.txt"));
         },
         [&] {
             testsupport::FileSizeLimit limite(64);
             ASSERT_TRUE(limite.active);
             relatorio->mnuArquivoExportarRelatorio->trigger();
         }},
        {"impresso", [&](QDialog *d) { PrintToFile(d, pdf); },
         [&] { menu->Botao(QStringLiteral("Imprimir"))->trigger(); }},
        {"impressão cancelada", [](QDialog *d) { d->reject(); },
         [&] { relatorio->mnuArquivoImprimir->trigger(); }},
    };
    for (const DialogCommand &caso : casos) {
        ASSERT_NO_FATAL_FAILURE(GiveAndAnswer(caso, relatorio));
        EXPECT_TRUE(relatorio->isEnabled()) << caso.nome;
        EXPECT_TRUE(menu->Botao(QStringLiteral("Imprimir"))->isEnabled()) << caso.nome;
        EXPECT_TRUE(menu->Botao(QStringLiteral("Exportar"))->isEnabled()) << caso.nome;
        EXPECT_FALSE(menu->Botao(QStringLiteral("Calcular"))->isEnabled()) << caso.nome;
    }
    EXPECT_EQ(dialogos.externals, QStringList{exportado});
    EXPECT_GT(QFileInfo(exportado).size(), 0);
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    // The toolbar's "Calcular" acts on the report's case, never on the first case opened.
    menu->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(c->mdiFrame()));
    ASSERT_TRUE(WaitFor([&] { return menu->ActiveForm() == c; }));
    relatorio->lstRelatorio->clear();
    menu->Botao(QStringLiteral("Calcular"))->trigger();
    ASSERT_TRUE(WaitFor([&] { return menu->ActiveForm() == relatorio; }));
    EXPECT_GT(relatorio->lstRelatorio->count(), 0);
    EXPECT_EQ(a->Relatorio->lstRelatorio->count(), 0);
    EXPECT_EQ(b->Relatorio->lstRelatorio->count(), 0);
}

// The same for the case window's own dialogs: the save dialog, the material prompt and a
// message box of the calculation.
TEST_F(WindowLifecycleTest, DialogsOfACaseLeaveItActive)
{
    OpenCase(LiquidCaseFile);
    OpenCase(RelativeDensityCaseFile);
    // A copy: its save dialog proposes the file's own folder.
    const QString copia = folder.filePath(QStringLiteral("vazio.qzv"));
    ASSERT_TRUE(QFile::copy(EmptyFieldCaseFile, copia));
    frmCalcQuirasol *c = OpenCase(copia);
    ASSERT_NE(c, nullptr);
    const QString salvo = folder.filePath(QStringLiteral("Saves/c.qzv"));
    DialogsOnScreen dialogos;
    const auto mensagem = [](QDialog *d) { d->accept(); };
    const DialogCommand casos[] = {
        {"salvar como cancelado", [](QDialog *d) { d->reject(); },
         [&] { Action(c, "mnuArquivoSalvarComo")->trigger(); }},
        {"salvo", [&](QDialog *d) { TypeFileName(d, salvo); },
         [&] { Action(c, "mnuArquivoSalvarComo")->trigger(); }},
        {"material", mensagem, [&] { c->cboDados[29]->pick(1); }},
        {"mensagem do cálculo", mensagem,
         [&] { menu->Botao(QStringLiteral("Calcular"))->trigger(); }},
    };
    for (const DialogCommand &caso : casos) {
        ASSERT_NO_FATAL_FAILURE(GiveAndAnswer(caso, c));
        EXPECT_TRUE(menu->Botao(QStringLiteral("Calcular"))->isEnabled()) << caso.nome;
    }
    EXPECT_TRUE(QFileInfo::exists(salvo));
    // The calculation's message put the focus into the empty field.
    EXPECT_EQ(QApplication::focusWidget(), c->txtDados[4]);
}

// Another material, named at the prompt: the factor the user types next replaces the box's
// text, which the box selected when the focus came back from the prompt.
TEST_F(WindowLifecycleTest, MaterialFactorTypedAfterThePromptReplacesTheBox)
{
    frmCalcQuirasol *caso = OpenCase(SteamCaseFile);
    ASSERT_NE(caso, nullptr);
    ValueBox *temperatura = caso->txtDados[9];
    QTest::mouseClick(temperatura, Qt::LeftButton);
    QTest::keyClick(temperatura, Qt::Key_End);
    QTest::keyClicks(temperatura, QStringLiteral("\b\b\b20"));
    ASSERT_EQ(temperatura->text(), QStringLiteral("20"));
    ASSERT_EQ(caso->txtDados[29]->text(), QStringLiteral("1"));

    DialogsOnScreen dialogos;
    AnswerDialog<QDialog>([](QDialog *d) { d->accept(); }); // OK to the proposed name
    caso->cboDados[29]->setFocus(Qt::MouseFocusReason);
    caso->cboDados[29]->pick(1);
    ASSERT_EQ(QApplication::activeModalWidget(), nullptr);
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu, testsupport::WaitCeilingMs));
    ASSERT_TRUE(WaitFor([&] { return caso->txtDados[29]->hasFocus(); }));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0.98"));
    EXPECT_EQ(caso->txtDados[29]->text(), QStringLiteral("0,98"));

    menu->Botao(QStringLiteral("Calcular"))->trigger();
    ASSERT_TRUE(WaitFor([&] { return menu->ActiveForm() == caso->Relatorio; }));
    QString linha;
    for (int i = 0; i < caso->Relatorio->lstRelatorio->count(); ++i)
        if (caso->Relatorio->lstRelatorio->item(i)->text().startsWith(" Fator do material"))
            linha = caso->Relatorio->lstRelatorio->item(i)->text();
    EXPECT_TRUE(linha.contains(QStringLiteral(" 0,98 "))) << linha.toStdString();
    EXPECT_TRUE(linha.endsWith(QStringLiteral(" Outro material"))) << linha.toStdString();
}

// The toolbar's "Calculadora" is on while a value box has the focus, also when its case
// becomes active again with the focus still in the box.
TEST_F(WindowLifecycleTest, CalculatorButtonComesBackWithTheCaseOfTheBox)
{
    frmCalcQuirasol *a = OpenCase(LiquidCaseFile);
    frmCalcQuirasol *b = OpenCase(RelativeDensityCaseFile);
    ASSERT_TRUE(a && b);
    menu->Area()->tileSubWindows();
    const auto tituloDe = [](frmCalcQuirasol *caso) {
        QWidget *moldura = caso->mdiFrame();
        const int altura = moldura->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr,
                                                         moldura);
        QTest::mouseClick(moldura, Qt::LeftButton, {}, QPoint(moldura->width() / 3, altura / 2));
    };
    QAction *calculadora = menu->Botao(QStringLiteral("Calculadora"));
    ValueBox *caixa = a->txtDados[2];
    QTest::mouseClick(caixa, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return menu->ActiveForm() == a && caixa->hasFocus(); }));
    EXPECT_TRUE(calculadora->isEnabled());

    tituloDe(b);
    ASSERT_TRUE(WaitFor([&] { return menu->ActiveForm() == b; }));
    EXPECT_FALSE(calculadora->isEnabled());

    tituloDe(a);
    ASSERT_TRUE(WaitFor([&] { return menu->ActiveForm() == a && caixa->hasFocus(); }));
    EXPECT_EQ(caixa->selectedText(), caixa->text());
    EXPECT_TRUE(calculadora->isEnabled());
}
