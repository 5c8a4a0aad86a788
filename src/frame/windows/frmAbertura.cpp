#include "frame/windows/frmAbertura.h"

#include "platform/AppInfo.h"
#include "platform/Twips.h"

#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

using platform::Pixels;

frmAbertura::frmAbertura(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmAbertura"));
    setFixedSize(427, 283);
    setModal(true);

    auto rotulo = [this](const QString &texto, const QString &familia, int pontos, bool negrito,
                         QColor cor) {
        auto *label = new QLabel(texto, this);
        QFont fonte(familia, pontos);
        fonte.setBold(negrito);
        label->setFont(fonte);
        QPalette paleta = label->palette();
        paleta.setColor(QPalette::WindowText, cor);
        label->setPalette(paleta);
        return label;
    };

    // Form_Load: the captions, then the timer.
    const QString titulo = platform::AppTitle;
    lblProductName[1] = rotulo(titulo, QStringLiteral("Tahoma"), 22, true, QColor(0, 0, 64));
    lblProductName[0] = rotulo(titulo, QStringLiteral("Tahoma"), 22, true, Qt::white);
    lblProductName[0]->move(24, 150);
    lblProductName[1]->move(lblProductName[0]->pos()
                            + QPoint(Pixels(30), Pixels(30)));
    lblProductName[0]->raise();
    lblVersion = rotulo(QStringLiteral("Versão %1.%2.%3")
                            .arg(platform::AppMajor)
                            .arg(platform::AppMinor)
                            .arg(platform::AppRevision),
                        QStringLiteral("Arial"), 10, true, Qt::white);
    lblVersion->move(28, 196);
    lblPlatform = rotulo(QStringLiteral("for Windows 9X/ME/NT/2000 e XP"),
                         QStringLiteral("Arial"), 8, false, QColor(220, 230, 245));
    lblPlatform->move(28, 250);
    for (QLabel *label : {lblProductName[0], lblProductName[1], lblVersion, lblPlatform})
        label->adjustSize();

    tmrLogin = new QTimer(this);
    tmrLogin->setInterval(2000);
    connect(tmrLogin, &QTimer::timeout, this, &frmAbertura::tmrLogin_Timer);
    tmrLogin->start();
}

void frmAbertura::ShowUntilTick()
{
    // QDialog::exec() would lose a tick handled before its loop runs and never return.
    if (!tmrLogin->isActive())
        return; // the tick has come and gone: nothing left to show
    QEventLoop laco;
    connect(this, &QDialog::finished, &laco, &QEventLoop::quit);
    show(); // modal (setModal): the other windows take no input meanwhile
    if (tmrLogin->isActive()) // else the tick came while it was shown, and closed it
        laco.exec(QEventLoop::DialogExec);
}

void frmAbertura::tmrLogin_Timer()
{
    tmrLogin->stop();
    done(QDialog::Accepted);
}

void frmAbertura::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    pintor.drawPixmap(rect(), QPixmap(QStringLiteral(":/abertura.png")));
    // Shape1(0) and Shape1(1): two frames, the second one pixel right of and below the first.
    const QRect moldura = rect().adjusted(0, 0, -2, -2);
    pintor.setPen(QColor(0, 0, 64));
    pintor.drawRect(moldura.translated(Pixels(15), Pixels(15)));
    pintor.setPen(Qt::white);
    pintor.drawRect(moldura);
}
