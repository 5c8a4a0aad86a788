#pragma once
// The desk calculator's engine: a two-operand machine fed one key at a time. Every number
// lives as the readout text until an operation needs its value; "=" hands the readout to the
// window, which writes it into the control that opened the calculator and closes. The window
// (calculator/windows/frmCalculadora) implements JanelaCalculadora and turns mouse presses and
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
    BotaoNumero0 = 0,
    BotaoOperador0 = 10,
    BotaoDecimal = 15,
    BotaoPercentual = 16,
    BotaoCancela = 17,
    BotaoCancelaEntrada = 18,
    NumeroDeBotoes = 19,
};

constexpr Botao BotaoNumero(int digito) { return Botao(BotaoNumero0 + digito); }
constexpr Botao BotaoOperador(int indice) { return Botao(BotaoOperador0 + indice); }

// Operator indexes and their symbols (the captions of the operator buttons).
enum Operador : int { OpDivide = 0, OpSoma = 1, OpMultiplica = 2, OpSubtrai = 3, OpIgual = 4 };
inline const std::array<QString, 5> SimboloOperador = {
    QStringLiteral("/"), QStringLiteral("+"), QStringLiteral("*"), QStringLiteral("-"),
    QStringLiteral("="),
};

// Button looks: the picture a button was last drawn with.
enum EstadoBotao : int { Pressionado = 0, Normal = 2 };

// The button a key code (the desktop's virtual key numbers: 48-57 main-keyboard digits,
// 96-105 keypad digits, 106-111 keypad operators and decimal, 13 Enter) stands for; nullopt
// for every key outside the map.
std::optional<Botao> BotaoDaTecla(int codigoTecla);

// What the engine needs from its window.
class JanelaCalculadora
{
public:
    virtual ~JanelaCalculadora() = default;
    virtual void MostraVisor(const QString &texto) = 0;      // the readout's caption
    virtual void MostraDecimal(const QString &separador) = 0; // the decimal button's caption
    virtual void DesenhaBotao(Botao botao, EstadoBotao estado) = 0;
    // Writes the result into the control that is active in the calling window; failures are
    // the window's to ignore.
    virtual void EscreveResultado(const QString &texto) = 0;
    virtual void Fecha() = 0; // unloads the window; no key action follows
};

class Calculadora
{
public:
    // An operand holds the readout text it was taken from, or the double a computation left.
    using Operando = std::variant<QString, double>;

    // The window loads: it becomes the engine's window and the load reset runs.
    void Carrega(JanelaCalculadora *janela);
    // The window unloads; the operands stay for the next opening. A window that unloads
    // after a newer one loaded leaves the newer one in place.
    void Descarrega(const JanelaCalculadora *janelaQueSai);

    // Key actions. Each returns true when it closed the calculator ("=" became pending).
    bool Digito(int d);
    bool Decimal();
    bool Percentual();
    bool Operacao(int indice);
    bool Cancela();        // C
    bool CancelaEntrada(); // CE
    bool Acao(Botao botao);

    // Types a text as keys: "," is the decimal key, a digit its digit key, a leading minus
    // sign starts a negative entry, every other character is skipped; a number in exponent
    // form is typed as its plain digits.
    void Cola(const QString &textoCampo);

    // Draws a button's look; at most one button shows the pressed look at a time.
    void Desenha(Botao botao, EstadoBotao estado);

    // State, for the window and for tests.
    const QString &Visor() const { return visor; }
    const Operando &Operando1() const { return operando1; }
    const Operando &Operando2() const { return operando2; }
    int NumOperandos() const { return numOperandos; }
    const QString &UltimaEntrada() const { return ultimaEntrada; }
    const QString &OperacaoPendente() const { return operacaoPendente; }
    bool TemDecimal() const { return temDecimal; }
    std::optional<Botao> BotaoAtual() const { return botaoAtual; }
    EstadoBotao Aparencia(Botao botao) const { return tags[botao]; }

    // The number of a readout or operand text: decimal comma, trailing separator allowed,
    // beyond the range of a double gives the signed infinity, a lone sign counts as 0.
    static double NumeroDe(const QString &texto);
    static double NumeroDe(const Operando &operando);
    static QString TextoDe(const Operando &operando);

private:
    void MudaVisor(const QString &texto);
    void CargaInicial();
    void AplicaPendente();
    bool EscreveEFecha();

    JanelaCalculadora *janela = nullptr;
    QString separador = QStringLiteral(",");
    QString visor;
    Operando operando1 = QString();
    Operando operando2 = QString();
    QString valorVisor;
    bool temDecimal = false;
    int numOperandos = 0;
    QString ultimaEntrada = QStringLiteral("NONE");
    QString operacaoPendente = QStringLiteral(" ");

    std::array<EstadoBotao, NumeroDeBotoes> tags{};
    std::array<bool, NumeroDeBotoes> desenhado{};
    std::optional<Botao> botaoAtual;
};

// The one calculator of the run, created on first use.
Calculadora &CalculadoraDoPrograma();

} // namespace calculator
