#pragma once
// The tip of the day: a small child window of the main window's document area that shows one
// random line of "DicaDoDia.txt" (in the program folder), offers the next one and carries the
// switch that shows it at start-up. One instance at a time; each opening after a close loads
// it again and reads the file again, adding its lines to those read earlier in the run.

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QMdiArea;
class QPushButton;

class frmDica : public QWidget
{
    Q_OBJECT

public:
    // Shows the tip window in the document area, loading it first when it is not open.
    static frmDica *ShowIn(QMdiArea *area);
    // The open tip window, or nullptr.
    static frmDica *Instance();

    // Adds the lines of a tips file and draws a tip; false when there is no such file.
    bool LoadTips(const QString &NomeArquivo);
    // Shows the current tip; nothing when no tip has been read.
    void DicaMostrarAtual();

    QPushButton *cmdOK = nullptr;
    QWidget *picDicas = nullptr;
    QLabel *lblVcSabia = nullptr;
    QLabel *lblTipText = nullptr;
    QPushButton *cmdNextTip = nullptr;
    QCheckBox *chkDicasIniciar = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // The main window's first appearance on screen, for the centring.
    bool eventFilter(QObject *objeto, QEvent *event) override;

private:
    explicit frmDica(QWidget *parent = nullptr);
    void Form_Load(QMdiArea *area);
    void Center(QMdiArea *area);
    void DicaProxima();
    void cmdOK_Click();
    void chkDicasIniciar_Click();

    // The document area to centre in again once the main window is on screen.
    QPointer<QMdiArea> centreWhenShown;
};
