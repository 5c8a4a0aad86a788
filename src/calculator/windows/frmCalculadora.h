#pragma once
// The desk calculator window: a fixed-size tool window with a one-line readout and picture
// buttons, each carrying a caption label. Mouse presses on a button or its caption and a
// small keyboard map feed the engine (calculator/CalculatorEngine.h); "=" writes the readout into
// the control that has the focus in the window that opened the calculator and closes it.
// The calculator also closes, writing nothing, as soon as it stops being the active window.
//
// Opening it from a value field:
//     frmCalculadora *calc = frmCalculadora::Load(); // load reset
//     if (!campo->text().isEmpty())
//         calc->Cola(campo->text());                    // the field's text as first entry
//     platform::PlaceFrame(calc, rule);                 // beside the field, by its frame
//     calc->Inicia(janelaDoCampo);                      // shown, the target remembered

#include "calculator/CalculatorEngine.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>

class QLabel;
class QWindow;

class frmCalculadora final : public QWidget, private calculator::CalculatorWindow
{
    Q_OBJECT

public:
    ~frmCalculadora() override;

    // Loads the one calculator window of the run (its load resets the keys' state); when it
    // is loaded already, that window is returned as it is.
    static frmCalculadora *Load();
    // The loaded window, or nullptr.
    static frmCalculadora *Instance();

    // Types a text into the calculator as its first entry.
    void Cola(const QString &Texto);
    // Remembers the target window (its focused control receives the result), shows the
    // calculator modeless and gives it the keyboard.
    void Inicia(QWidget *alvo);

    // The Windows-style key code of a Qt key event (48-57 digits, 96-105 keypad digits,
    // 106-111 keypad operators and decimal, 13 Enter), 0 for keys the calculator ignores.
    static int KeyCode(int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode = 0);

    // Controls, for the window's own use and for tests.
    QLabel *Readout = nullptr;
    QWidget *button(calculator::Botao botao) const { return buttons[botao]; }
    QLabel *caption(calculator::Botao botao) const { return captions[botao]; }
    calculator::EstadoBotao look(calculator::Botao botao) const { return looks[botao]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    frmCalculadora();

    // The engine's side of the window.
    void ShowReadout(const QString &texto) override;
    void ShowDecimal(const QString &separador) override;
    void DrawButton(calculator::Botao botao, calculator::EstadoBotao estado) override;
    void WriteResult(const QString &texto) override;
    void Close() override;

    void ActiveWindowChanged(QWindow *ativa);
    void Form_Deactivate();
    // Runs one key action; returns true when it closed the window.
    bool Run(calculator::Botao botao);
    void Unload();

    calculator::CalculatorEngine &engine;
    QPointer<QWidget> FormAlvo;
    std::array<QWidget *, calculator::ButtonCount> buttons{};
    std::array<QLabel *, calculator::ButtonCount> captions{};
    std::array<calculator::EstadoBotao, calculator::ButtonCount> looks{};
    std::array<QPixmap, 3> imgBotao; // 0 pressed face, 2 normal face
    bool wasActivated = false;
    bool running = false;
    bool closing = false;
};
