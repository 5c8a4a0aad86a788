#include "frame/windows/frmSobre.h"

#include "frame/About.h"
#include "platform/AppInfo.h"
#include "platform/Interaction.h"
#include "platform/Twips.h"

#include <QCursor>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

using platform::PixelsRect;

namespace {

QLabel *NewLabel(QWidget *pai, const QString &nome, const QFont &fonte, const QRect &posicao)
{
    auto *rotulo = new QLabel(pai);
    rotulo->setObjectName(nome);
    rotulo->setFont(fonte);
    rotulo->setGeometry(posicao);
    return rotulo;
}

QFont MakeFont(const char *familia, qreal pontos, bool negrito, bool italico = false)
{
    QFont fonte(QString::fromLatin1(familia));
    fonte.setPointSizeF(pontos);
    fonte.setBold(negrito);
    fonte.setItalic(italico);
    return fonte;
}

} // namespace

frmSobre::frmSobre(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSobre"));
    setFixedSize(platform::Pixels(6120), platform::Pixels(6015));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(PixelsRect(4680, 5400, 1215, 405));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    lblTitulo = NewLabel(this, QStringLiteral("lblTitulo"), MakeFont("Arial", 18, true, true),
                         PixelsRect(240, 240, 5640, 600));
    lblVersao = NewLabel(this, QStringLiteral("lblVersao"),
                         MakeFont("Times New Roman", 12, true), PixelsRect(240, 960, 5640, 360));
    lblWindows = NewLabel(this, QStringLiteral("lblWindows"),
                          MakeFont("Times New Roman", 12, true),
                          PixelsRect(240, 1380, 5640, 360));
    lblWindows->setText(frame::AboutPlatformLine);
    lblAviso = NewLabel(this, QStringLiteral("lblAviso"), MakeFont("Arial", 9, false),
                        PixelsRect(240, 2040, 5640, 1800));
    lblAviso->setWordWrap(true);
    lblAviso->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int i = 0; i < int(lblLink.size()); ++i) {
        QLabel *link = NewLabel(this, QStringLiteral("lblLink%1").arg(i),
                                MakeFont("Arial", 9.75, true),
                                PixelsRect(240, 4080 + 480 * i, 5640, 300));
        link->setText(frame::LinkText(i));
        link->setToolTip(frame::LinkTip(i));
        link->setProperty("Tag", frame::LinkTag(i));
        link->setCursor(Qt::PointingHandCursor);
        QPalette azul = link->palette();
        azul.setColor(QPalette::WindowText, QColor(26, 60, 140));
        link->setPalette(azul);
        link->adjustSize();
        link->installEventFilter(this);
        lblLink[size_t(i)] = link;
    }

    // Load.
    setWindowTitle(frame::AboutTitle(platform::AppTitle));
    lblTitulo->setText(platform::AppTitle);
    lblVersao->setText(
        frame::VersionText(platform::AppMajor, platform::AppMinor, platform::AppRevision));
    lblAviso->setText(frame::LegalNotice());

    tmrSublinha = new QTimer(this);
    tmrSublinha->setInterval(100);
    connect(tmrSublinha, &QTimer::timeout, this,
            [this] { tmrSublinha_Timer(QCursor::pos()); });
    tmrSublinha->start();
    cmdOK->setFocus();
}

QRect frmSobre::LinkRect(int Index) const
{
    const QLabel *link = lblLink.at(size_t(Index));
    return QRect(link->mapToGlobal(QPoint(0, 0)), link->size());
}

// The underline follows the pointer by screen rectangle alone, whatever window lies there;
// the font is written only when it changes.
void frmSobre::tmrSublinha_Timer(QPoint ponteiro)
{
    for (int i = 0; i < int(lblLink.size()); ++i) {
        QLabel *link = lblLink[size_t(i)];
        const bool dentro = frame::IsInsideRect(LinkRect(i), ponteiro);
        if (link->font().underline() != dentro) {
            QFont fonte = link->font();
            fonte.setUnderline(dentro);
            link->setFont(fonte);
        }
    }
}

void frmSobre::lblLink_Click(int Index)
{
    const QString etiqueta = lblLink.at(size_t(Index))->property("Tag").toString();
    platform::OpenExternal(frame::LinkTarget(Index, etiqueta, windowTitle()));
}

bool frmSobre::eventFilter(QObject *objeto, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *clique = static_cast<QMouseEvent *>(event);
        for (int i = 0; i < int(lblLink.size()); ++i) {
            if (objeto == lblLink[size_t(i)] && clique->button() == Qt::LeftButton
                && lblLink[size_t(i)]->rect().contains(clique->position().toPoint())) {
                lblLink_Click(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(objeto, event);
}

// The background artwork: a quiet blue wash with a thin rule under the title.
void frmSobre::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter pintor(this);
    QLinearGradient fundo(0, 0, 0, height());
    fundo.setColorAt(0.0, QColor(214, 228, 245));
    fundo.setColorAt(1.0, QColor(250, 252, 255));
    pintor.fillRect(rect(), fundo);
    pintor.setPen(QPen(QColor(40, 80, 140), 2));
    const int linha = lblTitulo->geometry().bottom() + 4;
    pintor.drawLine(lblTitulo->x(), linha, width() - lblTitulo->x(), linha);
}
