#pragma once
// The splash window: the program's picture with its title, version and platform line. Its
// timer starts when it is created and closes it at the first tick after two seconds.

#include <QDialog>

class QLabel;
class QTimer;

class frmAbertura : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbertura(QWidget *parent = nullptr);

    QLabel *lblVersion = nullptr;
    QLabel *lblProductName[2] = {};
    QLabel *lblPlatform = nullptr;
    QTimer *tmrLogin = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void tmrLogin_Timer();
};
