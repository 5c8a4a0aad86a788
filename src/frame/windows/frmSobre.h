#pragma once
// The about box: title, version, platform line, legal notice and two links (support e-mail
// and web site). A link is underlined while the pointer lies inside its screen rectangle,
// checked every 100 ms; a click hands its target to the desktop. Shown modally, owned by the
// main window; every opening starts afresh.

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QTimer;

class frmSobre : public QDialog
{
    Q_OBJECT

public:
    explicit frmSobre(QWidget *parent = nullptr);

    // One tick of the underline timer with the pointer at a screen position.
    void tmrSublinha_Timer(QPoint ponteiro);
    // A click on link Index (0 e-mail, 1 web site).
    void lblLink_Click(int Index);
    // The screen rectangle of a link label.
    QRect LinkRect(int Index) const;

    QLabel *lblTitulo = nullptr;
    QLabel *lblVersao = nullptr;
    QLabel *lblWindows = nullptr;
    QLabel *lblAviso = nullptr;
    std::array<QLabel *, 2> lblLink{};
    QTimer *tmrSublinha = nullptr;
    QPushButton *cmdOK = nullptr;

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
