#include "platform/widgets/QtInteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
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
