#pragma once
// Sample cases for the calculation tests and the benchmark: one per fluid class, filled the
// way a calculation window fills its snapshot, and a host that records what the calculation
// asked of its window.

#include "calculation/modCalculo.h"
#include "calculation/SizingCalculation.h"

#include <QStringList>
#include <vector>

namespace samples {

using calculation::CaseSnapshot;

// Sets field n: text, list position and unit code (no list when codigo < 0).
inline void SetField(CaseSnapshot &caso, int n, const QString &texto, int posicao = -1,
                     int codigo = -1)
{
    calculation::SnapshotField &c = caso.fields[n];
    c.text = texto;
    c.hasUnitList = calculation::HasUnitList(n);
    c.unitPosition = c.hasUnitList ? posicao : -1;
    c.unitCode = c.hasUnitList ? codigo : -1;
}

inline void SetHeader(CaseSnapshot &caso, int fluido, int tomada)
{
    using calculation::NomeFluido;
    using calculation::NomeTomada;
    caso.Placa = 1;
    caso.Fluido = fluido;
    caso.Tomada = tomada;
    caso.fluidText = NomeFluido[fluido + 1];
    caso.tapText = NomeTomada[tomada];
    caso.Data = QStringLiteral("09/12/2026 10:00");
    caso.OS = QStringLiteral("OS-1234");
    caso.Cliente = QStringLiteral("Usina Exemplo");
    caso.caption = QStringLiteral("Cálculo 1");
    // Every value field has its unit list on its first entry, as after load.
    for (int n : calculation::CamposDados)
        SetField(caso, n, QString(), 0, -1);
    const std::pair<int, int> primeiros[] = {{2, 1},  {4, 4},   {5, 5},   {8, 8},   {9, 8},
                                             {10, 10}, {12, 10}, {14, 10}, {16, 16}, {17, 17},
                                             {18, 17}, {19, 17}, {20, 20}, {29, 29}};
    for (auto [n, codigo] : primeiros)
        caso.fields[n].unitCode = codigo;
}

// Water in M³/h, flange taps, differential pressure in mmCA, stainless steel plate.
inline CaseSnapshot Liquid(int tomada = calculation::FlangeTaps)
{
    CaseSnapshot caso;
    SetHeader(caso, calculation::Liquid, tomada);
    caso.fluidText = QStringLiteral("Liqüido (Água de alimentação)");
    caso.tag = QStringLiteral("FE-101");
    caso.FatorDP = 0.1022f;
    SetField(caso, 2, QStringLiteral("50"), 0, 1);
    SetField(caso, 4, QStringLiteral("102,26"), 0, 4);
    SetField(caso, 5, QStringLiteral("2500"), 2, 7);
    SetField(caso, 8, QStringLiteral("20"), 0, 8);
    SetField(caso, 9, QStringLiteral("60"), 0, 8);
    SetField(caso, 17, QStringLiteral("998,2"), 0, 17);
    SetField(caso, 18, QStringLiteral("983,2"), 0, 17);
    SetField(caso, 20, QStringLiteral("0,47"), 0, 20);
    SetField(caso, 28, QStringLiteral("0,8"));
    SetField(caso, 29, QString(), 0, 29);
    return caso;
}

// Natural gas in M³/h, radius taps, humid, relative density, another plate material.
inline CaseSnapshot Gas(int tomada = calculation::RadiusTaps)
{
    CaseSnapshot caso;
    SetHeader(caso, calculation::Gas, tomada);
    caso.tag = QStringLiteral("FE-202");
    caso.relativeDensity = true;
    SetField(caso, 2, QStringLiteral("1500"), 0, 1);
    SetField(caso, 4, QStringLiteral("154,08"), 0, 4);
    SetField(caso, 5, QStringLiteral("12500"), 0, 5);
    SetField(caso, 8, QStringLiteral("15"), 0, 8);
    SetField(caso, 9, QStringLiteral("40"), 0, 8);
    SetField(caso, 10, QStringLiteral("101,325"), 0, 10);
    SetField(caso, 12, QStringLiteral("700"), 0, 10);
    SetField(caso, 14, QStringLiteral("7,38"), 0, 10);
    SetField(caso, 16, QStringLiteral("60"), 0, 16);
    SetField(caso, 17, QString(), 1, 0);
    SetField(caso, 18, QString(), 1, 0);
    SetField(caso, 19, QStringLiteral("0,65"), 1, 0);
    SetField(caso, 20, QStringLiteral("0,011"), 0, 20);
    SetField(caso, 25, QStringLiteral("0,998"));
    SetField(caso, 26, QStringLiteral("0,985"));
    SetField(caso, 27, QStringLiteral("1,3"));
    SetField(caso, 28, QStringLiteral("0,75"));
    SetField(caso, 29, QStringLiteral("1,0005"), 1, 30);
    return caso;
}

// Superheated steam in T/h, vena contracta taps, Kg/m², Kg/cm², viscosity in Pa.s.
inline CaseSnapshot Steam(int tomada = calculation::VenaContracta)
{
    CaseSnapshot caso;
    SetHeader(caso, calculation::Steam, tomada);
    caso.Placa = 2;
    caso.tag = QStringLiteral("FE-303");
    caso.FatorDP = 0.102f;
    SetField(caso, 2, QStringLiteral("2"), 1, 3);
    SetField(caso, 4, QStringLiteral("77,92"), 0, 4);
    SetField(caso, 5, QStringLiteral("2000"), 1, 6);
    SetField(caso, 9, QStringLiteral("250"), 0, 8);
    SetField(caso, 10, QString(), 1, 11);
    SetField(caso, 12, QStringLiteral("10"), 1, 11);
    SetField(caso, 14, QString(), 1, 11);
    SetField(caso, 18, QStringLiteral("4,9"), 0, 17);
    SetField(caso, 20, QStringLiteral("0,000018"), 1, 21);
    SetField(caso, 27, QStringLiteral("1,3"));
    SetField(caso, 28, QStringLiteral("0,7"));
    SetField(caso, 29, QString(), 0, 29);
    return caso;
}

// Dry gas in Kg/h, corner taps, specific mass at 0 ºC.
inline CaseSnapshot GasByMass(int tomada = calculation::CornerTaps)
{
    CaseSnapshot caso = Gas(tomada);
    caso.tag = QStringLiteral("FE-404");
    caso.relativeDensity = false;
    SetField(caso, 2, QStringLiteral("2000"), 1, 2);
    SetField(caso, 16, QStringLiteral("0"), 0, 16);
    SetField(caso, 14, QString(), 0, 10);
    SetField(caso, 17, QString(), 0, 17);
    SetField(caso, 18, QString(), 0, 17);
    SetField(caso, 19, QStringLiteral("0,84"), 0, 17);
    SetField(caso, 29, QString(), 0, 29);
    return caso;
}

// Records what the calculation asked of its window.
class FakeHost final : public calculation::CalculationHost
{
public:
    QStringList items;
    std::vector<int> focused;
    std::vector<std::pair<int, QString>> written;
    int clears = 0;
    int shows = 0;
    QStringList header; // data, os, cliente, caption of the last show

    void focusField(int campo) override { focused.push_back(campo); }
    void writeField(int campo, const QString &texto) override
    {
        written.emplace_back(campo, texto);
    }
    void clearReport() override
    {
        ++clears;
        items.clear();
    }
    void addReportItem(const QString &item) override { items << item; }
    void showReport(const QString &data, const QString &os, const QString &cliente,
                    const QString &caption) override
    {
        ++shows;
        header = {data, os, cliente, caption};
    }

    // The report lines without their leading blank.
    QStringList lines() const
    {
        QStringList result;
        for (const QString &item : items)
            result << item.mid(1);
        return result;
    }
};

} // namespace samples
