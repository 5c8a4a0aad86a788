#include "calculation/CaseMapping.h"
#include "calculation/GridRules.h"
#include "calculation/modCalculo.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace calculation;

namespace {

class CaseMappingTest : public ::testing::Test
{
protected:
    void SetUp() override { IniciaTabelas(); }
};

QByteArray DataFile(const char *name)
{
    QFile in(QStringLiteral(QUIRASOL_TEST_DATA "/") + QLatin1String(name));
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << name;
    return in.readAll();
}

// A whole case: the header of a gas case in M³/h (flat orifice, radius taps), then records.
GridState GasCase(const char *records)
{
    return GridStateFromCase(
        ReadCase(QByteArray("\"\"\r\n\"\"\r\n\"\"\r\n0\r\n1,  \"Gas (ar)\"\r\n1\r\n\"T\"\r\n")
                 + records));
}

GridState LiquidCase(const char *records)
{
    return GridStateFromCase(
        ReadCase(QByteArray("\"\"\r\n\"\"\r\n\"\"\r\n0\r\n0,  \"Liq\xfc" "ido\"\r\n0\r\n\"T\"\r\n")
                 + records));
}

} // namespace

TEST_F(CaseMappingTest, ReadCaseGridAndWrittenCaseRoundTrip)
{
    // A case as the program writes it comes back byte for byte.
    const QByteArray liquid = DataFile("liquido-flange.qzv");
    const GridState state = GridStateFromCase(ReadCase(liquid));
    EXPECT_EQ(WriteCase(CaseFromGrid(state)), liquid);
    EXPECT_EQ(state.fluidText, QString::fromUtf8("Liqüido (Água de alimentação)"));
    EXPECT_EQ(state.tapText, NomeTomada[FlangeTaps]);
    EXPECT_EQ(state.date, QStringLiteral("09/12/2026 10:00"));
    EXPECT_FLOAT_EQ(state.fatorDP, 0.1022f); // mmCA

    // Hand-made files hold rows the class does not use, and a reading pressure the pressure
    // units replace: once saved, they reopen exactly as saved.
    for (const char *name : {"gas-corner-kgfcm2.qzv", "gas-radius.qzv", "vapor-vena.qzv",
                             "liquido-campo-vazio.qzv", "liquido-densidade-relativa.qzv"}) {
        const GridState read = GridStateFromCase(ReadCase(DataFile(name)));
        const QByteArray saved = WriteCase(CaseFromGrid(read));
        const GridState reopened = GridStateFromCase(ReadCase(saved));
        EXPECT_EQ(reopened, read) << name;
        EXPECT_EQ(WriteCase(CaseFromGrid(reopened)), saved) << name;
    }

    // Steam's flow list holds Kg/h and T/h: the snapshot names the unit by its code.
    const CaseSnapshot steam =
        SnapshotFromGrid(GridStateFromCase(ReadCase(DataFile("vapor-vena.qzv"))));
    EXPECT_EQ(steam.Fluido, Steam);
    EXPECT_EQ(steam.Tomada, VenaContracta);
    EXPECT_EQ(steam.fields[2].unitPosition, 1);
    EXPECT_EQ(steam.fields[2].unitCode, 3);
    EXPECT_FALSE(steam.fields[27].hasUnitList);
    EXPECT_EQ(steam.fields[27].unitCode, -1);
    EXPECT_FLOAT_EQ(steam.FatorDP, 0.102f);
}

TEST_F(CaseMappingTest, PressureUnitsMoveTogetherOnlyWhenAUnitChanges)
{
    // Gas in M³/h: a pressure unit read that changes the list moves the three and writes one
    // atmosphere into the reading pressure; a unit already chosen changes nothing.
    GridState g = GasCase("10,\"95\",0\r\n12,\"7\",0\r\n");
    EXPECT_EQ(g.fields[10].text, QStringLiteral("95"));
    g = GasCase("10,\"95\",0\r\n14,\"0,1\",1\r\n");
    for (const int n : {10, 12, 14})
        EXPECT_EQ(g.fields[n].unitPosition, 1) << n;
    EXPECT_EQ(g.fields[10].unitCode, 11);
    EXPECT_EQ(g.fields[10].text, QStringLiteral("1,03323"));
    // A text read after the unit stays.
    EXPECT_EQ(GasCase("12,\"7\",1\r\n10,\"2\",1\r\n").fields[10].text, QStringLiteral("2"));
    // Gas in Kg/h, and liquid, keep the reading pressure as read.
    EXPECT_EQ(GasCase("2,\"1\",1\r\n10,\"95\",0\r\n12,\"7\",1\r\n").fields[10].text,
              QStringLiteral("95"));
    EXPECT_EQ(LiquidCase("10,\"95\",0\r\n12,\"7\",1\r\n").fields[10].text, QStringLiteral("95"));
    // The flow-unit rule: gas in Kg/h leaves 8, 10, 17 and 25 out of the case to save.
    g = GasCase("2,\"1\",1\r\n");
    for (const int n : {8, 10, 17, 25})
        EXPECT_FALSE(g.fields[n].applicable) << n;
    EXPECT_TRUE(GasCase("").fields[17].applicable);
}

TEST_F(CaseMappingTest, DensityChoiceFromTheClassThenFromTheFile)
{
    // Gas chooses relative density, liquid keeps specific mass.
    GridState g = GasCase("19,\"0,65\",1\r\n");
    EXPECT_EQ(g.massDensity, 1);
    EXPECT_TRUE(SnapshotFromGrid(g).relativeDensity);
    EXPECT_EQ(g.fields[17].unitCode, 0);
    EXPECT_EQ(LiquidCase("17,\"998\",0\r\n").massDensity, 0);
    // The last density unit read decides and moves all three lists with it.
    g = LiquidCase("17,\"1\",0\r\n18,\"0,98\",1\r\n");
    EXPECT_EQ(g.massDensity, 1);
    for (const int n : DensityFields)
        EXPECT_EQ(g.fields[n].unitPosition, 1) << n;
    // A choice the selector already has runs nothing: the lists stay as read.
    g = GasCase("17,\"1\",0\r\n19,\"0,6\",1\r\n");
    EXPECT_EQ(g.fields[17].unitPosition, 0);
    EXPECT_EQ(g.fields[18].unitPosition, 1);

    CaseFile file;
    EXPECT_FALSE(MassDensityChoice(file).has_value());
    file.fields = {{2, QString("50"), 0}, {18, QString("0,98"), 1}};
    EXPECT_EQ(MassDensityChoice(file), 1);
    file.fields.push_back({19, QString("1,2"), 0});
    EXPECT_EQ(MassDensityChoice(file), 0); // the last density record wins
    file.fields = {{17, QString("998"), 7}, {18, QString("983"), std::nullopt}};
    EXPECT_FALSE(MassDensityChoice(file).has_value());
}

TEST_F(CaseMappingTest, MaterialFactorFollowsTheDesignTemperatureRead)
{
    // Steel: a design temperature read writes the factor; a factor read after it stays.
    EXPECT_EQ(LiquidCase("9,\"120\",0\r\n").fields[29].text, QStringLiteral("1,0034"));
    EXPECT_EQ(LiquidCase("9,\"120\",0\r\n29,\"\",0\r\n").fields[29].text, QString());
    EXPECT_EQ(LiquidCase("29,\"7\",0\r\n9,\"120\",0\r\n").fields[29].text,
              QStringLiteral("1,0034"));
    // A temperature read that leaves the box as it was changes nothing.
    EXPECT_EQ(LiquidCase("29,\"7\",0\r\n9,\"\",0\r\n").fields[29].text, QStringLiteral("7"));
    // Another material keeps its factor.
    EXPECT_EQ(LiquidCase("29,\"7\",1\r\n9,\"120\",0\r\n").fields[29].text, QStringLiteral("7"));
}

TEST_F(CaseMappingTest, DamagedHeaderAppliesOnlyTheItemsRead)
{
    const CaseFileReading damaged = ReadCase("\"d\"\r\n\"os\"\r\n\"c\"\r\n0\r\n1 ,\"Gas (ar)\"\r\n");
    ASSERT_EQ(damaged.stop, CaseFileReading::HeaderError);
    const std::vector<LoadStep> steps = LoadSteps(damaged);
    ASSERT_EQ(steps.size(), 6u);
    // The entry's text before the entry, so the fluid handling finds the user's name.
    EXPECT_EQ(steps[4], (LoadStep{LoadStep::FluidEntryText, 0, 1, QStringLiteral("Gas (ar)")}));
    EXPECT_EQ(steps[5], (LoadStep{LoadStep::Fluid, 0, 1, {}}));
    const GridState g = GridStateFromCase(damaged);
    EXPECT_EQ(g.client, QStringLiteral("c"));
    EXPECT_EQ(g.fluidText, QStringLiteral("Gas (ar)"));
    EXPECT_EQ(g.tap, -1);
    EXPECT_TRUE(g.fields[16].applicable); // the gas rows

    // The fluid index read without its text: the entry keeps the class name.
    EXPECT_EQ(GridStateFromCase(ReadCase("\"\"\r\n\"\"\r\n\"\"\r\n0\r\n2")).fluidText,
              NomeFluido[3]);
    // A refused file applies nothing: the window as it loaded, rows 8 and 17 marked by the
    // flow unit it starts with.
    const CaseFileReading refused = ReadCase(QByteArray(MaxCaseBytes + 1, '1'));
    EXPECT_TRUE(LoadSteps(refused).empty());
    const GridState fresh = GridStateFromCase(refused);
    EXPECT_EQ(fresh.plate, -1);
    EXPECT_EQ(fresh.fields[2].unitCode, 1);
    EXPECT_TRUE(fresh.fields[8].applicable && fresh.fields[17].applicable);
    EXPECT_FALSE(fresh.fields[9].applicable);
    EXPECT_EQ(CaseFromGrid(fresh).fields.size(), 2u);
}

TEST_F(CaseMappingTest, GridInUseOnlyWithPlateFluidAndTapRead)
{
    EXPECT_TRUE(LiquidCase("").gridEnabled);
    // A plate or tap index the list lacks leaves it without a choice: "Calcular" stays off.
    for (const char *header : {"-1\r\n0,  \"L\"\r\n0", "0\r\n0,  \"L\"\r\n7"}) {
        const GridState g = GridStateFromCase(
            ReadCase(QByteArray("\"\"\r\n\"\"\r\n\"\"\r\n") + header + "\r\n\"T\"\r\n"));
        EXPECT_FALSE(g.gridEnabled) << header;
        EXPECT_EQ(g.fluid, Liquid) << header;
    }
}
