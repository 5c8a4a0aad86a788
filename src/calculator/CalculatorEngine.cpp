#include "CalculatorEngine.h"

#include "platform/Interaction.h"
#include "platform/Numbers.h"

#include <cmath>
#include <limits>

namespace calculator {

namespace {

const QString EntryNone = QStringLiteral("NONE");
const QString EntryNumber = QStringLiteral("NUMS");
const QString EntryOperator = QStringLiteral("OPS");
const QString EntryPercent = QStringLiteral("Ops");
const QString EntryCleared = QStringLiteral("CE");
const QString EntryNegative = QStringLiteral("NEG");
const QString MinusSign = QStringLiteral("-");
const QString CalculatorTitle = QStringLiteral("Calculadora");

// A number text that did not fit a double: the signed infinity when its magnitude is large,
// 0 when it is tiny; nullopt when the text is no number at all.
std::optional<double> OutOfRange(const QString &texto)
{
    QString t = texto.trimmed();
    const bool negativo = t.startsWith(QLatin1Char('-'));
    if (negativo)
        t.remove(0, 1);
    int expoente = 0;
    const qsizetype e = t.indexOf(QLatin1Char('E'), 0, Qt::CaseInsensitive);
    if (e >= 0) {
        bool ok = false;
        expoente = t.mid(e + 1).toInt(&ok);
        if (!ok)
            return std::nullopt;
        t.truncate(e);
    }
    const qsizetype virgula = t.indexOf(QLatin1Char(','));
    QString inteira = virgula >= 0 ? t.left(virgula) : t;
    const QString fracao = virgula >= 0 ? t.mid(virgula + 1) : QString();
    for (const QString &parte : {inteira, fracao}) {
        for (QChar c : parte) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return std::nullopt;
        }
    }
    if (inteira.isEmpty() && fracao.isEmpty())
        return std::nullopt;
    while (inteira.startsWith(QLatin1Char('0')))
        inteira.remove(0, 1);
    if (inteira.size() + expoente <= 0)
        return negativo ? -0.0 : 0.0;
    const double infinito = std::numeric_limits<double>::infinity();
    return negativo ? -infinito : infinito;
}

} // namespace

std::optional<Botao> ButtonOfKey(int codigoTecla)
{
    if (codigoTecla >= 48 && codigoTecla <= 57)
        return NumberButton(codigoTecla - 48);
    if (codigoTecla >= 96 && codigoTecla <= 105)
        return NumberButton(codigoTecla - 96);
    switch (codigoTecla) {
    case 111:
        return OperatorButton(OpDivide);
    case 107:
        return OperatorButton(OpAdd);
    case 106:
        return OperatorButton(OpMultiply);
    case 109:
        return OperatorButton(OpSubtract);
    case 13:
        return OperatorButton(OpEquals);
    case 110:
        return DecimalButton;
    default:
        return std::nullopt;
    }
}

double CalculatorEngine::NumberOf(const QString &texto)
{
    if (texto == QLatin1String("Infinito"))
        return std::numeric_limits<double>::infinity();
    if (texto == QLatin1String("-Infinito"))
        return -std::numeric_limits<double>::infinity();
    if (texto == QLatin1String("NaN"))
        return std::numeric_limits<double>::quiet_NaN();
    if (const auto valor = platform::ParseNumber(texto))
        return *valor;
    // Empty, a lone sign or a lone separator count as 0.
    return OutOfRange(texto).value_or(0.0);
}

double CalculatorEngine::NumberOf(const Operand &operando)
{
    if (const double *valor = std::get_if<double>(&operando))
        return *valor;
    return NumberOf(std::get<QString>(operando));
}

QString CalculatorEngine::TextOf(const Operand &operando)
{
    if (const double *valor = std::get_if<double>(&operando))
        return platform::FormatDouble(*valor);
    return std::get<QString>(operando);
}

void CalculatorEngine::Load(CalculatorWindow *novaJanela)
{
    window = novaJanela;
    // A window loaded anew has buttons that were never drawn.
    drawn.fill(false);
    botaoAtual.reset();
    LoadReset();
}

void CalculatorEngine::Unload(const CalculatorWindow *janelaQueSai)
{
    if (window == janelaQueSai)
        window = nullptr;
}

void CalculatorEngine::SetReadout(const QString &texto)
{
    readout = texto;
    if (window)
        window->ShowReadout(readout);
}

void CalculatorEngine::LoadReset()
{
    Draw(OperatorButton(OpEquals), Normal);
    for (int b = 0; b < ButtonCount; ++b)
        Draw(Botao(b), Normal);
    temDecimal = false;
    numOperandos = 0;
    ultimaEntrada = EntryNone;
    operacaoPendente = QStringLiteral(" ");
    separator = platform::ProgramLocale().decimalPoint();
    SetReadout(QLatin1Char('0') + separator);
    if (window)
        window->ShowDecimal(separator);
}

void CalculatorEngine::Draw(Botao botao, EstadoBotao estado)
{
    if (botaoAtual && tags[*botaoAtual] != Normal) {
        tags[*botaoAtual] = Normal;
        if (window)
            window->DrawButton(*botaoAtual, Normal);
    }
    botaoAtual = botao;
    if (!drawn[botao] || tags[botao] != estado) {
        drawn[botao] = true;
        tags[botao] = estado;
        if (window)
            window->DrawButton(botao, estado);
    }
}

bool CalculatorEngine::Digit(int d)
{
    if (d < 0 || d > 9)
        return false;
    if (ultimaEntrada != EntryNumber) {
        SetReadout(separator);
        temDecimal = false;
    }
    const QString digito = QString::number(d);
    QString texto;
    if (temDecimal)
        texto = readout + digito;
    else
        texto = readout.left(readout.indexOf(separator)) + digito + separator;
    if (ultimaEntrada == EntryNegative)
        texto.prepend(MinusSign);
    SetReadout(texto);
    ultimaEntrada = EntryNumber;
    return false;
}

bool CalculatorEngine::Decimal()
{
    if (ultimaEntrada == EntryNegative)
        SetReadout(MinusSign + QLatin1Char('0') + separator);
    else if (ultimaEntrada != EntryNumber)
        SetReadout(QLatin1Char('0') + separator);
    temDecimal = true;
    ultimaEntrada = EntryNumber;
    return false;
}

bool CalculatorEngine::Percent()
{
    SetReadout(platform::FormatDouble(NumberOf(readout) / 100));
    ultimaEntrada = EntryPercent;
    operacaoPendente = QStringLiteral("%");
    temDecimal = true;
    ++numOperandos;
    return false;
}

void CalculatorEngine::ApplyPending()
{
    const double a = NumberOf(operando1);
    const double b = NumberOf(operando2);
    if (operacaoPendente == QLatin1String("+")) {
        operando1 = a + b;
    } else if (operacaoPendente == QLatin1String("-")) {
        operando1 = a - b;
    } else if (operacaoPendente == QLatin1String("*")
               || operacaoPendente == QLatin1String("%")) {
        operando1 = a * b;
    } else if (operacaoPendente == QLatin1String("/")) {
        if (b == 0)
            platform::MsgBox(QStringLiteral("Não é possível dividir por zero"),
                             platform::vbExclamation, CalculatorTitle);
        else
            operando1 = a / b;
    }
}

bool CalculatorEngine::Operation(int indice)
{
    if (indice < 0 || indice > OpEquals)
        return false;
    const QString &simbolo = OperatorSymbol[indice];
    valorVisor = readout;
    if (ultimaEntrada == EntryNumber)
        ++numOperandos;
    switch (numOperandos) {
    case 0:
        if (ultimaEntrada != EntryNegative && simbolo == MinusSign) {
            SetReadout(MinusSign + readout);
            ultimaEntrada = EntryNegative;
        }
        break;
    case 1:
        // A lone minus sign waiting for its number is no operand: the first operand stays.
        if (readout != MinusSign)
            operando1 = readout;
        if (ultimaEntrada != EntryNumber && simbolo == MinusSign) {
            SetReadout(MinusSign);
            ultimaEntrada = EntryNegative;
        }
        break;
    case 2:
        operando2 = valorVisor;
        ApplyPending();
        SetReadout(TextOf(operando1));
        numOperandos = 1;
        break;
    default:
        break;
    }
    if (ultimaEntrada != EntryNegative) {
        ultimaEntrada = EntryOperator;
        operacaoPendente = simbolo;
    }
    if (operacaoPendente == OperatorSymbol[OpEquals])
        return WriteAndClose();
    return false;
}

bool CalculatorEngine::WriteAndClose()
{
    // "Infinito" or "NaN" is no number a field could hold: the field stays as it was, and the
    // calculator stays open with its readout, saying why.
    const double resultado = NumberOf(readout);
    if (!std::isfinite(resultado) && readout == platform::FormatDouble(resultado)) {
        platform::MsgBox(QStringLiteral("O resultado não é um número finito"),
                         platform::vbExclamation, CalculatorTitle);
        return false;
    }
    if (window) {
        CalculatorWindow *alvo = window;
        alvo->WriteResult(readout);
        alvo->Close();
    }
    return true;
}

bool CalculatorEngine::Cancel()
{
    SetReadout(QLatin1Char('0') + separator);
    operando1 = 0.0;
    operando2 = 0.0;
    LoadReset();
    return false;
}

bool CalculatorEngine::CancelEntry()
{
    SetReadout(QLatin1Char('0') + separator);
    temDecimal = false;
    ultimaEntrada = EntryCleared;
    return false;
}

bool CalculatorEngine::Press(Botao botao)
{
    if (botao >= NumberButton0 && botao < NumberButton0 + 10)
        return Digit(botao - NumberButton0);
    if (botao >= OperatorButton0 && botao <= OperatorButton(OpEquals))
        return Operation(botao - OperatorButton0);
    switch (botao) {
    case DecimalButton:
        return Decimal();
    case PercentButton:
        return Percent();
    case CancelButton:
        return Cancel();
    case CancelEntryButton:
        return CancelEntry();
    default:
        return false;
    }
}

void CalculatorEngine::Cola(const QString &textoCampo)
{
    QString texto = textoCampo;
    // A number in exponent form (a large or tiny result written earlier) is typed as its
    // plain digits, which say the same number.
    if (texto.contains(QLatin1Char('E'), Qt::CaseInsensitive)) {
        if (const auto valor = platform::ParseNumber(texto)) {
            texto = QLocale::c().toString(*valor, 'f', QLocale::FloatingPointShortest);
            texto.replace(QLatin1Char('.'), QLatin1Char(','));
        }
    }
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c == QLatin1Char(','))
            Decimal();
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            Digit(c.unicode() - '0');
        else if (c == QLatin1Char('-') && i == 0)
            Operation(OpSubtract);
    }
}

CalculatorEngine &ProgramCalculator()
{
    static CalculatorEngine calculadora;
    return calculadora;
}

} // namespace calculator
