#include "Calculadora.h"

#include "platform/Interaction.h"
#include "platform/Numbers.h"

#include <cmath>
#include <limits>

namespace calculator {

namespace {

const QString Nenhuma = QStringLiteral("NONE");
const QString Numero = QStringLiteral("NUMS");
const QString Operacoes = QStringLiteral("OPS");
const QString Percento = QStringLiteral("Ops");
const QString LimpaEntrada = QStringLiteral("CE");
const QString Negativo = QStringLiteral("NEG");
const QString Menos = QStringLiteral("-");

// A number text that did not fit a double: the signed infinity when its magnitude is large,
// 0 when it is tiny; nullopt when the text is no number at all.
std::optional<double> ForaDaFaixa(const QString &texto)
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

std::optional<Botao> BotaoDaTecla(int codigoTecla)
{
    if (codigoTecla >= 48 && codigoTecla <= 57)
        return BotaoNumero(codigoTecla - 48);
    if (codigoTecla >= 96 && codigoTecla <= 105)
        return BotaoNumero(codigoTecla - 96);
    switch (codigoTecla) {
    case 111:
        return BotaoOperador(OpDivide);
    case 107:
        return BotaoOperador(OpSoma);
    case 106:
        return BotaoOperador(OpMultiplica);
    case 109:
        return BotaoOperador(OpSubtrai);
    case 13:
        return BotaoOperador(OpIgual);
    case 110:
        return BotaoDecimal;
    default:
        return std::nullopt;
    }
}

double Calculadora::NumeroDe(const QString &texto)
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
    return ForaDaFaixa(texto).value_or(0.0);
}

double Calculadora::NumeroDe(const Operando &operando)
{
    if (const double *valor = std::get_if<double>(&operando))
        return *valor;
    return NumeroDe(std::get<QString>(operando));
}

QString Calculadora::TextoDe(const Operando &operando)
{
    if (const double *valor = std::get_if<double>(&operando))
        return platform::FormatDouble(*valor);
    return std::get<QString>(operando);
}

void Calculadora::Carrega(JanelaCalculadora *novaJanela)
{
    janela = novaJanela;
    // A window loaded anew has buttons that were never drawn.
    desenhado.fill(false);
    botaoAtual.reset();
    CargaInicial();
}

void Calculadora::Descarrega(const JanelaCalculadora *janelaQueSai)
{
    if (janela == janelaQueSai)
        janela = nullptr;
}

void Calculadora::MudaVisor(const QString &texto)
{
    visor = texto;
    if (janela)
        janela->MostraVisor(visor);
}

void Calculadora::CargaInicial()
{
    Desenha(BotaoOperador(OpIgual), Normal);
    for (int b = 0; b < NumeroDeBotoes; ++b)
        Desenha(Botao(b), Normal);
    temDecimal = false;
    numOperandos = 0;
    ultimaEntrada = Nenhuma;
    operacaoPendente = QStringLiteral(" ");
    separador = platform::ProgramLocale().decimalPoint();
    MudaVisor(QLatin1Char('0') + separador);
    if (janela)
        janela->MostraDecimal(separador);
}

void Calculadora::Desenha(Botao botao, EstadoBotao estado)
{
    if (botaoAtual && tags[*botaoAtual] != Normal) {
        tags[*botaoAtual] = Normal;
        if (janela)
            janela->DesenhaBotao(*botaoAtual, Normal);
    }
    botaoAtual = botao;
    if (!desenhado[botao] || tags[botao] != estado) {
        desenhado[botao] = true;
        tags[botao] = estado;
        if (janela)
            janela->DesenhaBotao(botao, estado);
    }
}

bool Calculadora::Digito(int d)
{
    if (d < 0 || d > 9)
        return false;
    if (ultimaEntrada != Numero) {
        MudaVisor(separador);
        temDecimal = false;
    }
    const QString digito = QString::number(d);
    QString texto;
    if (temDecimal)
        texto = visor + digito;
    else
        texto = visor.left(visor.indexOf(separador)) + digito + separador;
    if (ultimaEntrada == Negativo)
        texto.prepend(Menos);
    MudaVisor(texto);
    ultimaEntrada = Numero;
    return false;
}

bool Calculadora::Decimal()
{
    if (ultimaEntrada == Negativo)
        MudaVisor(Menos + QLatin1Char('0') + separador);
    else if (ultimaEntrada != Numero)
        MudaVisor(QLatin1Char('0') + separador);
    temDecimal = true;
    ultimaEntrada = Numero;
    return false;
}

bool Calculadora::Percentual()
{
    MudaVisor(platform::FormatDouble(NumeroDe(visor) / 100));
    ultimaEntrada = Percento;
    operacaoPendente = QStringLiteral("%");
    temDecimal = true;
    ++numOperandos;
    return false;
}

void Calculadora::AplicaPendente()
{
    const double a = NumeroDe(operando1);
    const double b = NumeroDe(operando2);
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
                             platform::vbExclamation, QStringLiteral("Calculadora"));
        else
            operando1 = a / b;
    }
}

bool Calculadora::Operacao(int indice)
{
    if (indice < 0 || indice > OpIgual)
        return false;
    const QString &simbolo = SimboloOperador[indice];
    valorVisor = visor;
    if (ultimaEntrada == Numero)
        ++numOperandos;
    switch (numOperandos) {
    case 0:
        if (ultimaEntrada != Negativo && simbolo == Menos) {
            MudaVisor(Menos + visor);
            ultimaEntrada = Negativo;
        }
        break;
    case 1:
        // A lone minus sign waiting for its number is no operand: the first operand stays.
        if (visor != Menos)
            operando1 = visor;
        if (ultimaEntrada != Numero && simbolo == Menos) {
            MudaVisor(Menos);
            ultimaEntrada = Negativo;
        }
        break;
    case 2:
        operando2 = valorVisor;
        AplicaPendente();
        MudaVisor(TextoDe(operando1));
        numOperandos = 1;
        break;
    default:
        break;
    }
    if (ultimaEntrada != Negativo) {
        ultimaEntrada = Operacoes;
        operacaoPendente = simbolo;
    }
    if (operacaoPendente == SimboloOperador[OpIgual])
        return EscreveEFecha();
    return false;
}

bool Calculadora::EscreveEFecha()
{
    if (janela) {
        JanelaCalculadora *alvo = janela;
        alvo->EscreveResultado(visor);
        alvo->Fecha();
    }
    return true;
}

bool Calculadora::Cancela()
{
    MudaVisor(QLatin1Char('0') + separador);
    operando1 = 0.0;
    operando2 = 0.0;
    CargaInicial();
    return false;
}

bool Calculadora::CancelaEntrada()
{
    MudaVisor(QLatin1Char('0') + separador);
    temDecimal = false;
    ultimaEntrada = LimpaEntrada;
    return false;
}

bool Calculadora::Acao(Botao botao)
{
    if (botao >= BotaoNumero0 && botao < BotaoNumero0 + 10)
        return Digito(botao - BotaoNumero0);
    if (botao >= BotaoOperador0 && botao <= BotaoOperador(OpIgual))
        return Operacao(botao - BotaoOperador0);
    switch (botao) {
    case BotaoDecimal:
        return Decimal();
    case BotaoPercentual:
        return Percentual();
    case BotaoCancela:
        return Cancela();
    case BotaoCancelaEntrada:
        return CancelaEntrada();
    default:
        return false;
    }
}

void Calculadora::Cola(const QString &textoCampo)
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
            Digito(c.unicode() - '0');
        else if (c == QLatin1Char('-') && i == 0)
            Operacao(OpSubtrai);
    }
}

Calculadora &CalculadoraDoPrograma()
{
    static Calculadora calculadora;
    return calculadora;
}

} // namespace calculator
