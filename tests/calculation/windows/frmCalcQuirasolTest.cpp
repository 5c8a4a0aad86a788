#include "calculation/GridModel.h"
#include "calculation/GridRules.h"
#include "calculation/modCalculo.h"
#include "calculation/windows/CaseWindowFixture.h"
#include "calculation/windows/ShownGrid.h"
#include "calculation/windows/frmRelatorio.h"
#include "calculator/windows/frmCalculadora.h"
#include "frame/modBase.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>

using namespace calculation;
using testsupport::Asked;

namespace {

class frmCalcQuirasolTest : public testsupport::CaseWindowFixture
{
protected:
    void SetUp() override
    {
        CaseWindowFixture::SetUp();
        if (HasFatalFailure())
            return;
        w->setCaption(QStringLiteral("Cálculo 1"));
        w->Atualiza();
    }

    // The visible rows by their position in the grid (field numbers; 1 is mass/density).
    QList<int> Rows() const
    {
        std::map<int, int> byPosition;
        for (int n = 0; n <= LastField; ++n)
            if (QWidget *row = w->picDados[n]; row && !row->isHidden())
                byPosition[row->y() / RowPitch] = n;
        QList<int> rows;
        for (const auto &[position, field] : byPosition) {
            EXPECT_EQ(position, rows.size()) << "gap before field " << field;
            rows << field;
        }
        return rows;
    }

    QString RowTag(int n) const { return w->picDados[n]->property("Tag").toString(); }
    bool Own(const QWidget *c) const { return !c->testAttribute(Qt::WA_ForceDisabled); }

    std::vector<Asked> Questions(Asked::Kind tipo) const
    {
        std::vector<Asked> r;
        for (const Asked &a : ui.asked)
            if (a.kind == tipo)
                r.push_back(a);
        return r;
    }
};

TEST_F(frmCalcQuirasolTest, StateAfterLoad)
{
    EXPECT_EQ(Rows(), InitialRowOrder());
    EXPECT_FALSE(Own(w->picLista));
    EXPECT_FALSE(Own(w->cmdCalcular));
    EXPECT_FALSE(Own(w->cboFluido));
    EXPECT_FALSE(Own(w->cboTomada));
    ASSERT_EQ(w->cboDados[2]->count(), 1);
    EXPECT_EQ(w->cboDados[2]->itemText(0), QStringLiteral("M³/h"));
    EXPECT_EQ(RowTag(8), QStringLiteral("True"));
    EXPECT_EQ(RowTag(17), QStringLiteral("True"));
    EXPECT_EQ(RowTag(9), QString());
    EXPECT_TRUE(w->txtDados[29]->isReadOnly());
    EXPECT_EQ(w->txtDados[29]->text(), QString());
    EXPECT_EQ(w->FatorDP(), 1.0f);
    EXPECT_EQ(w->Fluido(), -1);
    EXPECT_FALSE(w->Alterado());
    EXPECT_EQ(w->barraV->maximum(), 8);
    EXPECT_EQ(w->lblDados[4]->text(), NomeCampo[4]);
    EXPECT_EQ(w->cboTomada->count(), 4);
    EXPECT_EQ(w->cboQuirasol->currentIndex(), -1);
    EXPECT_TRUE(ui.asked.empty());
}

// The menu bar as the user sees it, one line per shown entry in order: indentation for
// submenus, "-" for a separator, the caption, its shortcut, "off" when disabled, "v" ticked.
QStringList Menus(const QList<QAction *> &actions, const QString &indent = {})
{
    QStringList lines;
    for (const QAction *a : actions) {
        if (!a->isVisible())
            continue;
        if (a->isSeparator()) {
            lines << indent + QLatin1Char('-');
            continue;
        }
        QString line = indent + a->text();
        if (!a->shortcut().isEmpty())
            line += QLatin1Char(' ') + a->shortcut().toString();
        if (!a->isEnabled())
            line += QStringLiteral(" off");
        if (a->isChecked())
            line += QStringLiteral(" v");
        lines << line;
        if (a->menu())
            lines << Menus(a->menu()->actions(), indent + QStringLiteral("  "));
    }
    return lines;
}

TEST_F(frmCalcQuirasolTest, MenuBarOfANewCase)
{
    // The recent-file entries are hidden while the list is empty.
    ListaMRU() = {};
    w->Atualiza();
    const QStringList expected = {
        QStringLiteral("&Arquivo"),
        QStringLiteral("  &Novo Ctrl+O"),
        QStringLiteral("  &Abrir Ctrl+A"),
        QStringLiteral("  Fechar"),
        QStringLiteral("  Fechar &todos"),
        QStringLiteral("  -"),
        QStringLiteral("  &Salvar Ctrl+B off"),
        QStringLiteral("  Salvar &como... off"),
        QStringLiteral("  -"),
        QStringLiteral("  Exportar"),
        QStringLiteral("    Relatório... off"),
        QStringLiteral("  -"),
        QStringLiteral("  Configurar impressão..."),
        QStringLiteral("  Imprimir... Ctrl+P off"),
        QStringLiteral("  -"),
        QStringLiteral("  Arquivos recentes"),
        QStringLiteral("    Vazio off"),
        QStringLiteral("  -"),
        QStringLiteral("  Sai&r"),
        QStringLiteral("E&xibir"),
        QStringLiteral("  &Barra de ferramentas"),
        QStringLiteral("    Botões &padrão v"),
        QStringLiteral("    Barra de &calculo v"),
        QStringLiteral("    -"),
        QStringLiteral("    &Etiquetas de texto v"),
        QStringLiteral("  Barra de &status v"),
        QStringLiteral("  -"),
        QStringLiteral("  &Relatórios Ctrl+R"),
        QStringLiteral("  -"),
        QStringLiteral("  &Opções"),
        QStringLiteral("&Janela"),
        QStringLiteral("  Organizar em &cascata"),
        QStringLiteral("  &Organizar ícones"),
        QStringLiteral("Aj&uda"),
        QStringLiteral("  &Conteúdo e índice... F1 off"),
        QStringLiteral("  Como utilizar a &ajuda..."),
        QStringLiteral("  Exibir &Dicas..."),
        QStringLiteral("  -"),
        QStringLiteral("  D&ocumentação"),
        QStringLiteral("    &Massa do Vapor Superaquecido"),
        QStringLiteral("    &Volume do Vapor Superaquecido"),
        QStringLiteral("  -"),
        QStringLiteral("  &Sobre o Calculo de Quirasol"),
    };
    const QStringList menus = Menus(w->OwnMenuBar()->actions());
    EXPECT_TRUE(menus == expected) << menus.join(QLatin1Char('\n')).toStdString();
}

// A row the flow unit marks not applicable stays where it is and takes no input.
TEST_F(frmCalcQuirasolTest, FlowUnitChangesFlagsInPlace)
{
    Pick(0, Liquid, 0);
    const int top8 = w->picDados[8]->y();
    w->cboDados[2]->pick(1); // Kg/h
    EXPECT_EQ(RowTag(8), QStringLiteral("False"));
    EXPECT_EQ(RowTag(17), QStringLiteral("False"));
    EXPECT_FALSE(Own(w->txtDados[17]));
    EXPECT_FALSE(w->picDados[17]->isHidden());
    EXPECT_EQ(w->picDados[8]->y(), top8);
    w->cboDados[2]->pick(0);
    EXPECT_EQ(RowTag(8), QStringLiteral("True"));
    EXPECT_TRUE(Own(w->txtDados[17]));
}

TEST_F(frmCalcQuirasolTest, EnablingChainAndSaveCommands)
{
    EXPECT_FALSE(w->mnuArquivoSalvar->isEnabled());
    EXPECT_FALSE(w->mnuArquivoSalvarComo->isEnabled());
    w->cboQuirasol->pick(1);
    EXPECT_EQ(w->Placa(), 2);
    EXPECT_TRUE(Own(w->cboFluido));
    EXPECT_FALSE(Own(w->cboTomada));
    ui.inputAnswers.push_back({});
    w->cboFluido->pick(Steam);
    EXPECT_TRUE(Own(w->cboTomada));
    EXPECT_FALSE(Own(w->txtTag));
    EXPECT_FALSE(Own(w->txtDados[9])); // grid still off although the row applies
    EXPECT_FALSE(w->mnuArquivoSalvarComo->isEnabled());
    w->cboTomada->pick(3);
    EXPECT_EQ(w->Tomada(), 4);
    EXPECT_EQ(NomeTomada[0], QStringLiteral("Corner Taps"));
    EXPECT_TRUE(Own(w->picLista));
    EXPECT_TRUE(Own(w->cmdCalcular));
    EXPECT_TRUE(Own(w->txtDados[9]));
    EXPECT_TRUE(w->mnuArquivoSalvar->isEnabled());
    EXPECT_TRUE(w->mnuArquivoSalvarComo->isEnabled());

    // Saving turns Save off until the next change.
    ui.fileAnswers.push_back(folder.filePath(QStringLiteral("vapor.qzv")));
    ASSERT_TRUE(w->QuraSave(true));
    EXPECT_FALSE(w->Alterado());
    EXPECT_FALSE(w->mnuArquivoSalvar->isEnabled());
    w->txtTag->setText(QStringLiteral("FE-1"));
    EXPECT_TRUE(w->mnuArquivoSalvar->isEnabled());

    // Clearing the plate turns the grid off again.
    w->cboQuirasol->setListIndex(-1);
    EXPECT_EQ(w->Placa(), 0);
    EXPECT_FALSE(Own(w->cboFluido));
    EXPECT_FALSE(Own(w->cmdCalcular));
}

TEST_F(frmCalcQuirasolTest, FluidNameRoundTrip)
{
    w->cboQuirasol->pick(0);
    ui.inputAnswers.push_back(QStringLiteral("methane"));
    w->cboFluido->pick(Gas);
    auto inputs = Questions(Asked::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].text, QStringLiteral("Digite o nome do 'Fluido' utilizado"));
    EXPECT_EQ(inputs[0].title, QStringLiteral("Tipo de fluido: Gas"));
    EXPECT_EQ(inputs[0].defaultText, QStringLiteral("Gas utilizado"));
    EXPECT_EQ(w->cboFluido->currentText(), QStringLiteral("Gas (methane)"));
    EXPECT_EQ(NomeFluido[0], QStringLiteral("Gas (methane)"));

    // Picking gas again proposes the name; cancelling leaves the class name.
    w->cboFluido->pick(Gas);
    inputs = Questions(Asked::Input);
    ASSERT_EQ(inputs.size(), 2u);
    EXPECT_EQ(inputs[1].defaultText, QStringLiteral("methane"));
    EXPECT_EQ(inputs[1].title, QStringLiteral("Tipo de fluido: Gas (methane)"));
    EXPECT_EQ(w->cboFluido->currentText(), QStringLiteral("Gas"));

    // Liquid proposes its text and " utilizado".
    w->cboFluido->pick(Liquid);
    EXPECT_EQ(Questions(Asked::Input).back().defaultText, QStringLiteral("Liqüido utilizado"));
}

// The material's name is asked from the window; the box is locked for steel and opens for
// typing, with the focus, for another material.
TEST_F(frmCalcQuirasolTest, MaterialPromptAndLock)
{
    Pick(0, Liquid, 0);
    w->txtDados[9]->setText(QStringLiteral("120"));
    EXPECT_EQ(w->txtDados[29]->text(), QStringLiteral("1,0034"));
    EXPECT_TRUE(w->txtDados[29]->isReadOnly());

    ui.inputAnswers.push_back(QStringLiteral("bronze"));
    w->cboDados[29]->pick(1);
    const Asked question = Questions(Asked::Input).back();
    EXPECT_EQ(question.text, QStringLiteral("Digite o nome do material utilizado"));
    EXPECT_EQ(question.title, QStringLiteral("Material da placa"));
    EXPECT_EQ(question.defaultText, QStringLiteral("Outro material"));
    EXPECT_EQ(w->cboDados[29]->itemText(1), QStringLiteral("bronze"));
    EXPECT_EQ(w->Material(), QStringLiteral("bronze"));
    EXPECT_FALSE(w->txtDados[29]->isReadOnly());
    EXPECT_EQ(w->focusWidget(), w->txtDados[29]);
    // Picking it again proposes bronze.
    w->cboDados[29]->pick(1);
    EXPECT_EQ(Questions(Asked::Input).back().defaultText, QStringLiteral("bronze"));
    // Back to stainless steel: locked and computed again.
    w->cboDados[29]->pick(0);
    EXPECT_TRUE(w->txtDados[29]->isReadOnly());
    EXPECT_EQ(w->txtDados[29]->text(), QStringLiteral("1,0034"));
}

TEST_F(frmCalcQuirasolTest, ScrollingFollowsTheFocus)
{
    Pick(0, Gas, 0); // 19 positions; field 19 stands at position 12
    ShowWindow();
    EXPECT_EQ(w->picDados[19]->y(), 12 * RowPitch);
    w->txtDados[19]->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w->barraV->value(), 4);
    EXPECT_EQ(w->picMove->y(), w->barraV->y() - 4 * RowPitch);
    w->txtDados[4]->setFocus(Qt::TabFocusReason); // position 2
    EXPECT_EQ(w->barraV->value(), 2);
    w->cboDados[10]->setFocus(Qt::TabFocusReason); // position 6, visible already
    EXPECT_EQ(w->barraV->value(), 2);
    w->cboMassaDensidade->setFocus(Qt::TabFocusReason); // position 10 = 2 + 8
    EXPECT_EQ(w->barraV->value(), 2);
    w->cboDados[17]->setFocus(Qt::TabFocusReason); // position 11
    EXPECT_EQ(w->barraV->value(), 3);
    EXPECT_EQ(w->picMove->y(), w->barraV->y() - 75);
    w->txtTag->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w->barraV->value(), 0);

    // The wheel over a unit list the user is not in scrolls the grid and keeps the unit.
    QWheelEvent wheel(QPointF(5, 5), w->cboDados[5]->mapToGlobal(QPointF(5, 5)), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->cboDados[5], &wheel);
    EXPECT_EQ(w->cboDados[5]->currentIndex(), 0);
    EXPECT_GT(w->barraV->value(), 0);
}

TEST_F(frmCalcQuirasolTest, LeavingABoxReformatsItsNumber)
{
    Pick(0, Liquid, 0);
    ShowWindow();
    w->txtDados[4]->setFocus(Qt::TabFocusReason);
    w->txtDados[4]->setText(QStringLiteral("102,50"));
    w->txtDados[5]->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w->txtDados[4]->text(), QStringLiteral("102,5"));
    w->txtDados[5]->setText(QStringLiteral("1+2"));
    w->txtTag->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w->txtDados[5]->text(), QStringLiteral("1+2"));
}

// A value box selects its whole text whenever it gets the focus, except from a click inside
// it, which puts the caret under the pointer: typing then replaces what the box held.
TEST_F(frmCalcQuirasolTest, ValueBoxSelectsItsWholeTextUnlessClickedInto)
{
    Pick(0, Liquid, 0);
    ShowWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get(), testsupport::WaitCeilingMs));
    ValueBox *box = w->txtDados[4];
    box->setText(QStringLiteral("102,5"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(2, box->height() / 2));
    ASSERT_TRUE(box->hasFocus());
    EXPECT_FALSE(box->hasSelectedText());
    EXPECT_EQ(box->cursorPosition(), 0);

    // Another window takes the activation and gives it back, as a message box does.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other, testsupport::WaitCeilingMs));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get(), testsupport::WaitCeilingMs));
    ASSERT_TRUE(box->hasFocus());
    EXPECT_EQ(box->selectedText(), QStringLiteral("102,5"));
    QTest::keyClicks(box, QStringLiteral("0.98"));
    EXPECT_EQ(box->text(), QStringLiteral("0,98"));

    // The calculator's "=" writes its result; back in the window, the box has it selected.
    QTest::keyClick(box, Qt::Key_Return);
    QPointer<frmCalculadora> calculator = frmCalculadora::Instance();
    ASSERT_FALSE(calculator.isNull());
    QTest::keyClick(calculator, Qt::Key_Asterisk, Qt::KeypadModifier);
    QTest::keyClick(calculator, Qt::Key_2);
    QTest::keyClick(calculator, Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(testsupport::WaitFor([&] { return calculator.isNull(); }));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get(), testsupport::WaitCeilingMs));
    EXPECT_EQ(box->text(), QStringLiteral("1,96"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("1,96"));
}

TEST_F(frmCalcQuirasolTest, SavingWhileABoxHasTheFocusLeavesTheBoxAsTyped)
{
    Pick(0, Liquid, 0);
    ShowWindow();
    w->txtDados[4]->setFocus(Qt::TabFocusReason);
    w->txtDados[4]->setText(QStringLiteral("102,50"));
    ui.fileAnswers.push_back(folder.filePath(QStringLiteral("foco.qzv")));
    ASSERT_TRUE(w->QuraSave(true));
    EXPECT_FALSE(w->Alterado());
    EXPECT_FALSE(w->mnuArquivoSalvar->isEnabled());
    EXPECT_EQ(w->focusWidget(), w->txtDados[4]);
    EXPECT_EQ(w->txtDados[4]->text(), QStringLiteral("102,50"));
}

TEST_F(frmCalcQuirasolTest, HeaderSyncOnlyOnceTheHeaderIsFilled)
{
    Pick(0, Liquid, 0);
    ui.fileAnswers.push_back(folder.filePath(QStringLiteral("h.qzv")));
    ASSERT_TRUE(w->QuraSave(true));
    w->Relatorio->txtOS->setText(QStringLiteral("OS-9"));
    w->Form_Activate();
    EXPECT_FALSE(w->Alterado()); // the date still reads "Abrindo"
    EXPECT_EQ(w->OS(), QString());

    w->Relatorio->txtData->setText(QStringLiteral("10:00 - hoje"));
    w->Form_Activate();
    EXPECT_TRUE(w->Alterado());
    EXPECT_EQ(w->OS(), QStringLiteral("OS-9"));
    EXPECT_EQ(w->Data(), QStringLiteral("10:00 - hoje"));
    ASSERT_TRUE(w->QuraSave(false));
    w->Form_Activate();
    EXPECT_FALSE(w->Alterado());
}

TEST_F(frmCalcQuirasolTest, CloseQuestions)
{
    // A modified case whose grid is not in use asks nothing.
    w->cboQuirasol->pick(0);
    EXPECT_TRUE(w->Alterado());
    EXPECT_EQ(w->QuraFecha(), -1);
    EXPECT_TRUE(ui.messages().empty());

    ui.inputAnswers.push_back({});
    w->cboFluido->pick(0);
    w->cboTomada->pick(0);
    ui.messageAnswers = {platform::vbCancel};
    EXPECT_FALSE(w->close());
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text,
              QStringLiteral("Deseja salvar as alterações efetuadas neste Cálculo?"));
    EXPECT_EQ(ui.messages()[0].style, 35);
    EXPECT_EQ(ui.messages()[0].title, w->Arquivo);
    EXPECT_EQ(w->Arquivo, PathSaves() + QStringLiteral("/Cálculo 1"));

    // Yes, then a cancelled Save As: the window stays, still modified.
    ui.messageAnswers = {platform::vbYes};
    EXPECT_FALSE(w->close());
    const auto saves = Questions(Asked::Save);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].file.title, QStringLiteral("Salvar Como"));
    EXPECT_EQ(saves[0].file.filter, QStringLiteral("Arquivo Cálculo de Quirasol (*.qzv)|*.qzv"));
    EXPECT_EQ(saves[0].file.initialDir, PathSaves() + QLatin1Char('/'));
    EXPECT_EQ(saves[0].file.fileName, QStringLiteral("Cálculo 1"));
    EXPECT_EQ(saves[0].file.flags, 2054);
    EXPECT_TRUE(w->Alterado());
    EXPECT_EQ(w->Arquivo, PathSaves() + QStringLiteral("/Cálculo 1"));

    // Yes and a save that fails: the error is shown, path and state come back, it stays.
    ui.messageAnswers = {platform::vbYes};
    ui.fileAnswers.push_back(folder.filePath(QStringLiteral("nao/existe/x.qzv")));
    EXPECT_FALSE(w->close());
    EXPECT_EQ(ui.messages().back().style, platform::vbCritical);
    EXPECT_TRUE(w->Alterado());
    EXPECT_EQ(w->Arquivo, PathSaves() + QStringLiteral("/Cálculo 1"));

    // No closes.
    ui.messageAnswers = {platform::vbNo};
    EXPECT_TRUE(w->close());
}

TEST_F(frmCalcQuirasolTest, SaveAnswerYesSavesAndCloses)
{
    Pick(0, Liquid, 0);
    const QString file = folder.filePath(QStringLiteral("caso.qzv"));
    ui.messageAnswers = {platform::vbYes};
    ui.fileAnswers.push_back(file);
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_FALSE(w->Alterado());
    EXPECT_EQ(w->Caption(), QStringLiteral("caso.qzv"));
    EXPECT_EQ(ListaMRU()[0], file);
}

TEST_F(frmCalcQuirasolTest, TextThatIsNotANumberEndsTheCalculationWithAMessage)
{
    Pick(0, Liquid, 0);
    for (int n : {2, 4, 5, 8, 9, 17, 18, 20, 28})
        w->txtDados[n]->setText(QStringLiteral("10"));
    w->txtDados[4]->setText(QStringLiteral("1+2"));
    w->cmdCalcular->click();
    ASSERT_FALSE(ui.messages().empty());
    EXPECT_TRUE(ui.messages().back().text.contains(NomeCampo[4]));
    EXPECT_FALSE(w->Relatorio->isVisible());
}

TEST_F(frmCalcQuirasolTest, EmptyFieldMessageAndFocus)
{
    Pick(0, Liquid, 0);
    ShowWindow();
    w->txtDados[2]->setText(QStringLiteral("50"));
    w->cmdCalcular->click();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("Todos os campos devem ser preenchidos"));
    EXPECT_EQ(w->focusWidget(), w->txtDados[4]);
    EXPECT_FALSE(w->Relatorio->lstRelatorio->count() == 0);
}

// The calculator opened from a value field: its result goes back into that field and runs
// the field's change handling.
class frmCalcQuirasolCalculatorTest : public testsupport::CaseWindowFixture
{
protected:
    void SetUp() override
    {
        CaseWindowFixture::SetUp();
        if (HasFatalFailure())
            return;
        w->Atualiza();
        w->cboQuirasol->pick(0);
        ui.inputAnswers.push_back(QString());
        w->cboFluido->pick(Liquid);
        w->cboTomada->pick(0);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(testsupport::WaitFor([this] { return w->isActiveWindow(); }));
    }

    void TearDown() override
    {
        if (frmCalculadora *calculator = frmCalculadora::Instance())
            calculator->close();
        CaseWindowFixture::TearDown();
    }

    // Opens the calculator on field n, as a double click on the box does.
    QPointer<frmCalculadora> OpenCalculator(int n)
    {
        w->txtDados[n]->setFocus();
        w->txtDados_DblClick(n);
        return frmCalculadora::Instance();
    }
};

TEST_F(frmCalcQuirasolCalculatorTest, EnterWritesTheResultAndField29FollowsField9)
{
    w->txtDados[9]->setText(QStringLiteral("160"));
    QPointer<frmCalculadora> calculator = OpenCalculator(9);
    ASSERT_FALSE(calculator.isNull());
    EXPECT_EQ(calculator->Readout->text(), QStringLiteral("160,"));
    testsupport::PressKey(calculator, Qt::Key_Asterisk, {}, Qt::KeypadModifier);
    testsupport::PressKey(calculator, Qt::Key_2);
    testsupport::PressKey(calculator, Qt::Key_Enter, {}, Qt::KeypadModifier);
    EXPECT_EQ(w->txtDados[9]->text(), QStringLiteral("320"));
    EXPECT_EQ(w->txtDados[29]->text(), QStringLiteral("1,0102"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(calculator.isNull());
}

TEST_F(frmCalcQuirasolCalculatorTest, InfiniteResultLeavesTheBoxAsItWas)
{
    w->txtDados[4]->setText(QString(200, QLatin1Char('9')));
    QPointer<frmCalculadora> calculator = OpenCalculator(4);
    ASSERT_FALSE(calculator.isNull());
    testsupport::PressKey(calculator, Qt::Key_Asterisk, {}, Qt::KeypadModifier);
    for (int i = 0; i < 200; ++i)
        testsupport::PressKey(calculator, Qt::Key_9);
    testsupport::PressKey(calculator, Qt::Key_Enter, {}, Qt::KeypadModifier);
    EXPECT_EQ(calculator->Readout->text(), QStringLiteral("Infinito"));
    EXPECT_EQ(ui.messageTexts(), QStringList{QStringLiteral("O resultado não é um número finito")});
    EXPECT_EQ(w->txtDados[4]->text(), QString(200, QLatin1Char('9')));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(calculator.isNull());
    EXPECT_TRUE(calculator->isVisible());
}

TEST_F(frmCalcQuirasolCalculatorTest, EmptyFieldStartsFreshAndDeactivationWritesNothing)
{
    w->txtDados[4]->setText(QString());
    QPointer<frmCalculadora> calculator = OpenCalculator(4);
    ASSERT_FALSE(calculator.isNull());
    EXPECT_EQ(calculator->Readout->text(), QStringLiteral("0,"));
    testsupport::PressKey(calculator, Qt::Key_7);
    // A click into the calculation window takes the activation away.
    Q_EMIT qApp->focusWindowChanged(w->window()->windowHandle());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(calculator.isNull());
    EXPECT_EQ(w->txtDados[4]->text(), QString());
}


// The same random actions of a user through a case window and through a grid model alone:
// after each action the window's controls show the model's state.
class frmCalcQuirasolShowsItsModelTest : public testsupport::CaseWindowFixture
{
protected:
    // The model's side of a change that asks a name: the same answer the window was given.
    static void Answer(GridModel &model, const GridChanges &changes, const QString &answer)
    {
        for (const GridChange &change : changes) {
            if (change.kind == GridChange::FluidName)
                Answer(model, model.nameFluid(answer), answer);
            else if (change.kind == GridChange::MaterialName)
                model.nameMaterial(answer);
        }
    }

    QString ListName(const SelectorList *list) const
    {
        if (list == w->cboQuirasol)
            return QStringLiteral("plate");
        if (list == w->cboFluido)
            return QStringLiteral("fluid");
        if (list == w->cboTomada)
            return QStringLiteral("tap");
        if (list == w->cboMassaDensidade)
            return QStringLiteral("mass/density");
        const auto n = std::find(w->cboDados.begin(), w->cboDados.end(), list);
        return QStringLiteral("unit %1").arg(n - w->cboDados.begin());
    }

    // Every difference between what the window shows and what the model holds.
    QStringList Differences(const GridModel &model) const
    {
        QStringList found;
        auto check = [&found](bool same, const QString &what) {
            if (!same)
                found << what;
        };
        const GridState shown = testsupport::ShownGrid(*w);
        const GridState &held = model.state();
        check(shown.plate == held.plate && shown.fluid == held.fluid && shown.tap == held.tap,
              QStringLiteral("selectors"));
        check(shown.fluidText == held.fluidText && shown.tapText == held.tapText,
              QStringLiteral("selector texts"));
        check(shown.tag == held.tag && shown.massDensity == held.massDensity,
              QStringLiteral("tag or mass/density"));
        check(shown.gridEnabled == held.gridEnabled, QStringLiteral("grid in use"));
        check(w->Placa() == model.Placa() && w->Fluido() == model.Fluido()
                  && w->Tomada() == model.Tomada() && w->FatorDP() == model.state().fatorDP
                  && w->Material() == model.Material(),
              QStringLiteral("window variables"));
        for (int i = 0; i < GridModel::FluidEntryCount; ++i)
            check(w->cboFluido->itemText(i) == model.fluidEntry(i),
                  QStringLiteral("fluid entry %1").arg(i));
        for (const int n : InitialRowOrder()) {
            const QString row = QStringLiteral("row %1: ").arg(n);
            check(shown.fields[n] == held.fields[n], row + QStringLiteral("mark, text or unit"));
            const RowPlace &place = model.rowPlace(n);
            check(w->picDados[n]->y() == RowPitch * place.position
                      && w->picDados[n]->isHidden() != place.visible,
                  row + QStringLiteral("place"));
            if (w->txtDados[n])
                check(w->txtDados[n]->isReadOnly() == model.locked(n),
                      row + QStringLiteral("lock"));
            if (w->lblDados[n])
                check(w->lblDados[n]->text() == FieldLabel(n, held.massDensity == 1),
                      row + QStringLiteral("label"));
            if (SelectorList *list = w->cboDados[n]) {
                QList<UnitEntry> entries;
                for (int i = 0; i < list->count(); ++i)
                    entries.append({list->itemData(i).toInt(), list->itemText(i)});
                check(entries == model.unitEntries(n), row + QStringLiteral("unit entries"));
            }
        }
        // The scroll bar takes input only while the grid does (Lista).
        if (const auto &layout = model.layout())
            check(w->picMove->height() == layout->panelHeight
                      && (!layout->scrollBarEnabled
                          || (w->barraV->maximum() == layout->scrollBarMaximum
                              && w->barraV->pageStep() == layout->scrollBarMaximum)),
                  QStringLiteral("panel and scroll bar"));
        return found;
    }
};

TEST_F(frmCalcQuirasolShowsItsModelTest, AfterEveryActionOfRandomSequences)
{
    const QStringList names = {QString(), QStringLiteral("ar"), QStringLiteral("bronze")};
    const QStringList texts = {QString(),         QStringLiteral("120"), QStringLiteral("20"),
                               QStringLiteral("1,5"), QStringLiteral("-"), QStringLiteral("7")};
    std::mt19937 random(18);
    auto below = [&random](qsizetype n) { return int(random() % quint32(n)); };
    for (int sequence = 0; sequence < 200; ++sequence) {
        w = std::make_unique<frmCalcQuirasol>();
        GridModel model;
        model.Load();
        QStringList actions;
        for (int step = 0; step < 25; ++step) {
            // The controls a user can reach now.
            std::vector<SelectorList *> lists = {w->cboQuirasol, w->cboFluido, w->cboTomada,
                                                 w->cboMassaDensidade};
            std::vector<ValueBox *> boxes;
            for (const int n : CamposDados) {
                if (w->cboDados[n])
                    lists.push_back(w->cboDados[n]);
                boxes.push_back(w->txtDados[n]);
            }
            std::erase_if(lists, [this](const QWidget *c) {
                return !c->isEnabled() || !c->isVisibleTo(w.get());
            });
            std::erase_if(boxes, [this](const ValueBox *b) {
                return !b->isEnabled() || !b->isVisibleTo(w.get()) || b->isReadOnly();
            });
            const QString answer = names[below(names.size())];
            ui.inputAnswers = {answer};
            if (boxes.empty() || below(3) > 0) {
                SelectorList *list = lists[below(lists.size())];
                const int position = below(list->count());
                list->pick(position);
                GridChanges changes;
                if (list == w->cboQuirasol)
                    changes = model.choosePlate(position);
                else if (list == w->cboFluido)
                    changes = model.chooseFluid(position);
                else if (list == w->cboTomada)
                    changes = model.chooseTap(position);
                else if (list == w->cboMassaDensidade)
                    changes = model.chooseMassDensity(position);
                for (const int n : CamposDados)
                    if (list == w->cboDados[n])
                        changes = model.chooseUnit(n, position);
                Answer(model, changes, answer);
                actions << QStringLiteral("%1 on %2 (%3)")
                               .arg(ListName(list))
                               .arg(position)
                               .arg(answer);
            } else {
                ValueBox *box = boxes[below(boxes.size())];
                const QString text = texts[below(texts.size())];
                box->setText(text);
                model.typeText(box->Index, text);
                actions << QStringLiteral("field %1 reads '%2'").arg(box->Index).arg(text);
            }
            const QStringList differences = Differences(model);
            ASSERT_TRUE(differences.isEmpty())
                << "sequence " << sequence << ": "
                << actions.join(QStringLiteral(", ")).toStdString() << "\n  "
                << differences.join(QStringLiteral(", ")).toStdString();
        }
    }
}

} // namespace
