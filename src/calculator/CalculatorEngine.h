#pragma once
// The desk calculator's engine: a two-operand machine fed one key at a time. Every number
// lives as the readout text until an operation needs its value; "=" hands the readout to the
// window, which writes it into the control that opened the calculator and closes. The window
// (calculator/windows/frmCalculadora) implements CalculatorWindow and turns mouse presses and
// keys into the key actions below; it is loaded anew for every opening, while the one engine
// of the run keeps its operands from one opening to the next.

#include <QString>
#include <array>
#include <optional>
#include <variant>

namespace calculator {

// The buttons of the calculator, numbered for arrays: the digits 0 to 9, the operators 0 to 4
// ("/", "+", "*", "-", "="), the decimal separator, percent, C and CE.
enum Botao : int {
    NumberButton0 = 0,
    OperatorButton0 = 10,
    DecimalButton = 15,
    PercentButton = 16,
    CancelButton = 17,
    CancelEntryButton = 18,
    ButtonCount = 19,
};

constexpr Botao NumberButton(int digito) { return Botao(NumberButton0 + digito); }
constexpr Botao OperatorButton(int indice) { return Botao(OperatorButton0 + indice); }

// Operator indexes and their symbols (the captions of the operator buttons).
enum Operator : int { OpDivide = 0, OpAdd = 1, OpMultiply = 2, OpSubtract = 3, OpEquals = 4 };
inline const std::array<QString, 5> OperatorSymbol = {
    QStringLiteral("/"), QStringLiteral("+"), QStringLiteral("*"), QStringLiteral("-"),
    QStringLiteral("="),
};

// Button looks: the picture a button was last drawn with.
enum EstadoBotao : int { Pressed = 0, Normal = 2 };

// The button a key code (the desktop's virtual key numbers: 48-57 main-keyboard digits,
// 96-105 keypad digits, 106-111 keypad operators and decimal, 13 Enter) stands for; nullopt
// for every key outside the map.
std::optional<Botao> ButtonOfKey(int codigoTecla);

// What the engine needs from its window.
class CalculatorWindow
{
public:
    virtual ~CalculatorWindow() = default;
    virtual void ShowReadout(const QString &texto) = 0;     // the readout's caption
    virtual void ShowDecimal(const QString &separator) = 0; // the decimal button's caption
    virtual void DrawButton(Botao botao, EstadoBotao estado) = 0;
    // Writes the result into the control that is active in the calling window; failures are
    // the window's to ignore.
    virtual void WriteResult(const QString &texto) = 0;
    virtual void Close() = 0; // unloads the window; no key action follows
};

class CalculatorEngine
{
public:
    // An operand holds the readout text it was taken from, or the double a computation left.
    using Operand = std::variant<QString, double>;

    // The window loads: it becomes the engine's window and the load reset runs.
    void Load(CalculatorWindow *window);
    // The window unloads; the operands stay for the next opening. A window that unloads
    // after a newer one loaded leaves the newer one in place.
    void Unload(const CalculatorWindow *janelaQueSai);

    // Key actions. Each returns true when it closed the calculator ("=" became pending and
    // the readout, a number, was written).
    bool Digit(int d);
    bool Decimal();
    bool Percent();
    bool Operation(int indice);
    bool Cancel();      // C
    bool CancelEntry(); // CE
    bool Press(Botao botao);

    // Types a text as keys: "," is the decimal key, a digit its digit key, a leading minus
    // sign starts a negative entry, every other character is skipped; a number in exponent
    // form is typed as its plain digits.
    void Cola(const QString &textoCampo);

    // Draws a button's look; at most one button shows the pressed look at a time.
    void Draw(Botao botao, EstadoBotao estado);

    // State, for the window and for tests.
    const QString &ReadoutText() const { return readout; }
    const Operand &Operando1() const { return operando1; }
    const Operand &Operando2() const { return operando2; }
    int NumOperandos() const { return numOperandos; }
    const QString &UltimaEntrada() const { return ultimaEntrada; }
    const QString &OperacaoPendente() const { return operacaoPendente; }
    bool TemDecimal() const { return temDecimal; }
    std::optional<Botao> BotaoAtual() const { return botaoAtual; }
    EstadoBotao Look(Botao botao) const { return tags[botao]; }

    // The number of a readout or operand text: decimal comma, trailing separator allowed,
    // beyond the range of a double gives the signed infinity, a lone sign counts as 0.
    static double NumberOf(const QString &texto);
    static double NumberOf(const Operand &operando);
    static QString TextOf(const Operand &operando);

private:
    void SetReadout(const QString &texto);
    void LoadReset();
    void ApplyPending();
    bool WriteAndClose();

    CalculatorWindow *window = nullptr;
    QString separator = QStringLiteral(",");
    QString readout;
    Operand operando1 = QString();
    Operand operando2 = QString();
    QString valorVisor;
    bool temDecimal = false;
    int numOperandos = 0;
    QString ultimaEntrada = QStringLiteral("NONE");
    QString operacaoPendente = QStringLiteral(" ");

    std::array<EstadoBotao, ButtonCount> tags{};
    std::array<bool, ButtonCount> drawn{};
    std::optional<Botao> botaoAtual;
};

// The one calculator of the run, created on first use.
CalculatorEngine &ProgramCalculator();

} // namespace calculator
