#include "calculation/GridModel.h"
#include "calculation/modCalculo.h"

#include <gtest/gtest.h>
#include <map>

using namespace calculation;

namespace {

class GridModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        IniciaTabelas();
        model = GridModel(); // its fluid entries come from the tables
        model.Load();
    }

    // The user's first picks: plate, fluid (named) and tap.
    void Pick(int plate, int fluid, int tap, const QString &name = {})
    {
        model.choosePlate(plate);
        model.chooseFluid(fluid);
        model.nameFluid(name);
        model.chooseTap(tap);
    }

    // The rows that show, by their position (field numbers; 1 is mass/density).
    QList<int> Rows() const
    {
        std::map<int, int> byPosition;
        for (const int n : InitialRowOrder())
            if (model.rowPlace(n).visible)
                byPosition[model.rowPlace(n).position] = n;
        QList<int> rows;
        for (const auto &[position, field] : byPosition) {
            EXPECT_EQ(position, rows.size()) << "gap before field " << field;
            rows << field;
        }
        return rows;
    }

    const GridField &Field(int n) const { return model.state().fields[n]; }

    GridModel model;
};

// The kinds of a list of changes, with the field where it has one, for a readable check.
QStringList Kinds(const GridChanges &changes)
{
    static const char *const names[] = {
        "Plate",       "Fluid", "FluidName", "FluidEntry", "Tap",    "GridEnabled",
        "Mark",        "UnitList", "Unit",   "UnitEntry",  "Text",   "Locked",
        "MaterialName", "MassDensity", "Tag", "Layout",
    };
    QStringList kinds;
    for (const GridChange &c : changes) {
        QString kind = QString::fromLatin1(names[c.kind]);
        if (c.kind == GridChange::Mark || c.kind == GridChange::UnitList
            || c.kind == GridChange::Unit || c.kind == GridChange::Text)
            kind += QLatin1Char(' ') + QString::number(c.field);
        kinds << kind;
    }
    return kinds;
}

} // namespace

TEST_F(GridModelTest, RowsAndScrollMaximumPerClass)
{
    const QList<int> liquid = {0, 2, 4, 5, 8, 9, 1, 17, 18, 20, 28, 29};
    const QList<int> gas = {0, 2, 4, 5, 8, 9, 10, 12, 14, 16, 1, 17, 19, 20, 25, 26, 27, 28, 29};
    const QList<int> steam = {0, 2, 4, 5, 9, 12, 1, 18, 20, 27, 28, 29};
    const QList<int> gasAfterLiquid = {0, 2, 4, 5, 8, 9, 10, 12, 14, 16, 1, 19, 20, 25, 26,
                                       27, 28, 29};
    const struct {
        QList<int> classes;
        QList<int> rows;
        int maximum;
    } cases[] = {
        {{0}, liquid, 3}, {{1}, gas, 10}, {{2}, steam, 3}, {{0, 1}, gasAfterLiquid, 9},
        {{1, 0}, liquid, 3}, {{2, 1}, gas, 10},
    };
    for (const auto &c : cases) {
        model = GridModel();
        model.Load();
        EXPECT_EQ(Rows(), InitialRowOrder());
        EXPECT_FALSE(model.layout().has_value());
        model.choosePlate(0);
        for (const int fluidClass : c.classes) {
            model.chooseFluid(fluidClass);
            model.nameFluid({});
        }
        EXPECT_EQ(Rows(), c.rows) << c.classes.last();
        ASSERT_TRUE(model.layout().has_value());
        EXPECT_TRUE(model.layout()->scrollBarEnabled);
        EXPECT_EQ(model.layout()->scrollBarMaximum, c.maximum);
        EXPECT_EQ(model.layout()->panelHeight, RowPitch * c.rows.size());
    }
}

TEST_F(GridModelTest, FlowUnitMarksRowsInPlace)
{
    Pick(0, Liquid, 0);
    const QList<int> rows = Rows();
    model.chooseUnit(FlowField, 1); // Kg/h
    EXPECT_FALSE(Field(8).applicable);
    EXPECT_FALSE(Field(17).applicable);
    EXPECT_EQ(Rows(), rows); // stacked anew only by the next class
    model.chooseUnit(FlowField, 0);
    EXPECT_TRUE(Field(8).applicable && Field(17).applicable);

    // Gas: 10 and 25 follow the flow unit too.
    model.chooseFluid(Gas);
    model.nameFluid({});
    model.chooseUnit(FlowField, 0);
    for (const int n : {8, 17, 10, 25})
        EXPECT_TRUE(Field(n).applicable) << n;
    model.chooseUnit(FlowField, 2); // T/h
    for (const int n : {8, 17, 10, 25})
        EXPECT_FALSE(Field(n).applicable) << n;
    // The mass/density row stands right before field 17 while the rule applies it for gas.
    model.chooseUnit(FlowField, 0);
    model.chooseFluid(Steam);
    model.nameFluid({});
    model.chooseFluid(Gas);
    model.nameFluid({});
    const QList<int> gasRows = Rows();
    EXPECT_EQ(gasRows.indexOf(MassDensityField) + 1, gasRows.indexOf(17));
}

TEST_F(GridModelTest, PressureUnitsMoveTogether)
{
    Pick(0, Gas, 0);
    model.typeText(10, QStringLiteral("500"));
    // The list picked, then the others as each handling sets them, then the reading pressure.
    EXPECT_EQ(Kinds(model.chooseUnit(14, 1)),
              QStringList({"Unit 14", "Unit 10", "Unit 12", "Text 10"}));
    for (const int n : {10, 12, 14})
        EXPECT_EQ(Field(n).unitPosition, 1) << n;
    EXPECT_EQ(Field(10).unitCode, 11);
    EXPECT_EQ(Field(10).text, QStringLiteral("1,03323"));
    model.chooseUnit(12, 0);
    EXPECT_EQ(Field(10).unitPosition, 0);
    EXPECT_EQ(Field(10).text, QStringLiteral("101,325"));

    // Gas in Kg/h or a liquid keep the typed reading pressure.
    model.chooseUnit(FlowField, 1);
    model.typeText(10, QStringLiteral("500"));
    model.chooseUnit(10, 1);
    EXPECT_EQ(Field(10).text, QStringLiteral("500"));
    model.chooseFluid(Liquid);
    model.nameFluid({});
    model.chooseUnit(14, 0);
    EXPECT_EQ(Field(10).text, QStringLiteral("500"));
}

TEST_F(GridModelTest, DifferentialPressureFactor)
{
    Pick(0, Liquid, 0);
    EXPECT_EQ(model.state().fatorDP, 1.0f);
    model.chooseUnit(DifferentialPressureField, 2);
    EXPECT_EQ(model.state().fatorDP, 0.1022f);
    model.chooseUnit(DifferentialPressureField, 1);
    EXPECT_EQ(model.state().fatorDP, 0.102f);
    model.chooseUnit(DifferentialPressureField, 0);
    EXPECT_EQ(model.state().fatorDP, 1.0f);
}

TEST_F(GridModelTest, MaterialFactorFollowsDesignTemperature)
{
    Pick(0, Liquid, 0);
    const struct {
        const char *temperature, *factor;
    } cases[] = {{"120", "1,0034"}, {"320", "1,0102"}, {"20", "1"}, {"", ""}, {"-", ""}};
    for (const auto &c : cases) {
        model.typeText(DesignTemperatureField, QString::fromUtf8(c.temperature));
        EXPECT_EQ(Field(29).text, QString::fromUtf8(c.factor)) << c.temperature;
    }
    EXPECT_TRUE(model.locked(MaterialField));

    // Another material: the user names it, its entry takes the name and the box opens.
    model.typeText(DesignTemperatureField, QStringLiteral("120"));
    const GridChanges asked = model.chooseUnit(MaterialField, 1);
    ASSERT_EQ(asked.back().kind, GridChange::MaterialName);
    EXPECT_EQ(asked.back().text, QStringLiteral("Outro material"));
    model.nameMaterial(QStringLiteral("bronze"));
    EXPECT_EQ(model.unitEntries(MaterialField)[1].text, QStringLiteral("bronze"));
    EXPECT_EQ(model.unitEntries(MaterialField)[1].code, 30);
    EXPECT_EQ(model.Material(), QStringLiteral("bronze"));
    EXPECT_FALSE(model.locked(MaterialField));
    // Field 29 no longer follows field 9.
    model.typeText(MaterialField, QStringLiteral("1,2"));
    model.typeText(DesignTemperatureField, QStringLiteral("50"));
    EXPECT_EQ(Field(29).text, QStringLiteral("1,2"));
    // Picking it again proposes bronze; no answer empties Material and keeps the name.
    EXPECT_EQ(model.chooseUnit(MaterialField, 1).back().text, QStringLiteral("bronze"));
    model.nameMaterial({});
    EXPECT_EQ(model.Material(), QString());
    EXPECT_EQ(model.unitEntries(MaterialField)[1].text, QStringLiteral("bronze"));
    // Back to stainless steel: locked and computed again.
    model.chooseUnit(MaterialField, 0);
    EXPECT_TRUE(model.locked(MaterialField));
    EXPECT_EQ(Field(29).text, QStringLiteral("1,00102"));
}

TEST_F(GridModelTest, MassOrRelativeDensity)
{
    Pick(0, Liquid, 0);
    model.chooseMassDensity(1);
    for (const int n : DensityFields) {
        EXPECT_EQ(Field(n).unitPosition, 1) << n;
        EXPECT_EQ(Field(n).unitCode, 0) << n;
    }
    model.chooseMassDensity(0);
    for (const int n : DensityFields)
        EXPECT_EQ(Field(n).unitCode, 17) << n;
    // Gas selects relative density, steam specific mass.
    model.chooseFluid(Gas);
    model.nameFluid({});
    EXPECT_EQ(model.state().massDensity, 1);
    // Gas picked again puts the three density units back in step with the selector.
    model.chooseUnit(19, 0);
    model.chooseFluid(Gas);
    model.nameFluid({});
    EXPECT_EQ(Field(19).unitPosition, 1);
    model.chooseFluid(Steam);
    model.nameFluid({});
    EXPECT_EQ(model.state().massDensity, 0);
}

TEST_F(GridModelTest, FluidClassChangesComeInTheOrderTheHandlingRuns)
{
    model.choosePlate(0);
    // The pick stops at the name; the rest of the handling runs once it is given.
    const GridChanges picked = model.chooseFluid(Steam);
    EXPECT_EQ(Kinds(picked), QStringList({"Fluid", "FluidName"}));
    EXPECT_EQ(picked.back().answer, QStringLiteral("Vapor utilizado"));
    const QStringList named = Kinds(model.nameFluid(QStringLiteral("saturado")));
    EXPECT_EQ(named.first(), QStringLiteral("FluidEntry"));
    EXPECT_EQ(model.state().fluidText, QStringLiteral("Vapor (saturado)"));
    EXPECT_EQ(NomeFluido[0], model.state().fluidText);
    // The rows marked, the density entry, the flow list rebuilt and chosen (its rule marks
    // 8 and 17), the rows stacked, and last the grid: not in use before a tap.
    const auto at = [&named](const char *kind) {
        return named.lastIndexOf(QLatin1String(kind));
    };
    EXPECT_LT(at("Mark 30"), at("MassDensity"));
    EXPECT_LT(at("MassDensity"), at("Mark 29"));
    EXPECT_LT(at("Mark 29"), at("UnitList 2"));
    EXPECT_EQ(named.mid(at("UnitList 2"), 4),
              QStringList({"UnitList 2", "Unit 2", "Mark 8", "Mark 17"}));
    EXPECT_EQ(named.mid(named.size() - 2), QStringList({"Layout", "GridEnabled"}));
    EXPECT_FALSE(model.state().gridEnabled);
    EXPECT_EQ(Kinds(model.chooseTap(2)), QStringList({"Tap", "GridEnabled"}));
    EXPECT_TRUE(model.state().gridEnabled);
    // A class with a flow list of the same length keeps the list, and its rule does not run.
    model.chooseFluid(Liquid);
    EXPECT_TRUE(Kinds(model.nameFluid({})).contains(QStringLiteral("UnitList 2")));
    model.chooseFluid(Gas);
    const QStringList kept = Kinds(model.nameFluid({}));
    EXPECT_FALSE(kept.contains(QStringLiteral("UnitList 2")));
    EXPECT_FALSE(kept.contains(QStringLiteral("Unit 2")));
}
