#pragma once
// A value box of the case window's grid: the key filter, Enter on release, focus and double
// click are reported to the window by field number. Text pasted (context menu, middle click),
// dropped or composed by the input method (dead keys) goes through the key filter too.

#include <QLineEdit>

class ValueBox : public QLineEdit
{
    Q_OBJECT

public:
    ValueBox(int index, QWidget *parent);
    const int Index;

Q_SIGNALS:
    void enterReleased(int index);
    void doubleClicked(int index);
    void focusGained(int index, Qt::FocusReason reason);
    void focusLost(int index, Qt::FocusReason reason);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void pasteFiltered(const QString &text);
    // Enter was pressed in this box: its release acts. A release whose press closed a dialog
    // or went to another control does nothing.
    bool enterPressed = false;
};
