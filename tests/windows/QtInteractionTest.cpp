#include "platform/widgets/QtInteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using platform::ExtensaoPadrao;
using platform::FiltroQt;

TEST(QtInteraction, FiltersAndDefaultExtensions)
{
    const QString caso = QStringLiteral("Arquivo Cálculo de Quirasol (*.qzv)|*.qzv");
    EXPECT_EQ(FiltroQt(caso), QStringLiteral("Arquivo Cálculo de Quirasol (*.qzv)"));
    EXPECT_EQ(ExtensaoPadrao(caso), QStringLiteral("qzv"));

    const QString relatorio = QStringLiteral("Texto (*.txt)|*.txt|Documento (*.doc)|*.doc");
    EXPECT_EQ(FiltroQt(relatorio), QStringLiteral("Texto (*.txt);;Documento (*.doc)"));
    EXPECT_EQ(ExtensaoPadrao(relatorio), QStringLiteral("txt"));
    EXPECT_EQ(ExtensaoPadrao(QStringLiteral("Documento (*.doc)")), QStringLiteral("doc"));

    EXPECT_EQ(ExtensaoPadrao(QStringLiteral("Todos (*.*)|*.*")), QString());
    EXPECT_EQ(ExtensaoPadrao(QString()), QString());
    EXPECT_EQ(FiltroQt(QStringLiteral("Todos|*")), QStringLiteral("Todos (*)"));
}

TEST(QtInteraction, BoxesShowTheArrowWhileTheProgramIsBusy)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Qt::CursorShape duranteCaixa = Qt::WaitCursor;
    QTimer::singleShot(0, [&duranteCaixa] {
        duranteCaixa = QApplication::overrideCursor()->shape();
        if (auto *caixa = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            caixa->buttons().constFirst()->click();
    });
    platform::QtInteraction interacao;
    EXPECT_EQ(interacao.messageBox(QStringLiteral("Texto"), platform::vbOKOnly,
                                   QStringLiteral("Título")),
              platform::vbOK);
    EXPECT_EQ(duranteCaixa, Qt::ArrowCursor);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

namespace {

// Runs a call that opens a modal box or dialog and hands the open one to a look at it.
// Whatever the look leaves open is cancelled afterwards.
template <typename Call>
void WhileOpen(const std::function<void(QDialog *)> &look, Call call)
{
    QTimer::singleShot(0, [look] {
        auto *dialogo = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        look(dialogo);
        if (dialogo->isVisible() && QApplication::activeModalWidget() == dialogo)
            dialogo->reject();
    });
    call();
}

} // namespace

TEST(QtInteraction, BoxesAreWideEnoughForTheirTitlesUpToHalfTheScreen)
{
    platform::QtInteraction interacao;
    QFont negrito = QApplication::font();
    negrito.setBold(true);
    const QFontMetrics medida(negrito);
    const int metade = QApplication::primaryScreen()->availableGeometry().width() / 2;
    // Room for the title in bold and for the frame's icon and buttons.
    const auto espaco = [&](const QString &titulo) {
        return qMin(medida.horizontalAdvance(titulo) + 4 * medida.height(), metade);
    };

    const QString caminho = QStringLiteral("/tmp/t8kqzxpmorvane/casos/g.qzv");
    int largura = 0;
    WhileOpen([&](QDialog *caixa) { largura = caixa->width(); },
              [&] { interacao.messageBox(QStringLiteral("Arquivo não encontrado"),
                                         platform::vbExclamation, caminho); });
    EXPECT_GE(largura, espaco(caminho));

    const QString fluido = QStringLiteral("Tipo de fluido: Liqüido (Água de resfriamento)");
    WhileOpen([&](QDialog *caixa) { largura = caixa->width(); },
              [&] { interacao.inputBox(QStringLiteral("Digite o nome do 'Fluido' utilizado"),
                                       fluido, QString()); });
    EXPECT_GE(largura, espaco(fluido));

    WhileOpen([&](QDialog *caixa) { largura = caixa->width(); },
              [&] { interacao.inputBox(QStringLiteral("Nome"), fluido.repeated(8), QString()); });
    EXPECT_LE(largura, metade);
}
