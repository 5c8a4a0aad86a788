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

    // Shows the splash modally and returns when the timer's first tick has closed it, whenever
    // that tick comes: on a slow start it may come before the splash is shown, or while the
    // window system shows it, before the modal display's own loop runs; the splash then
    // closes as soon as it has been shown.
    void ShowUntilTick();

    QLabel *lblVersion = nullptr;
    QLabel *lblProductName[2] = {};
    QLabel *lblPlatform = nullptr;
    QTimer *tmrLogin = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void tmrLogin_Timer();
};
