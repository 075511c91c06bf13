// What the program derives from the electrode positions: flags, pseudo-locations,
// apparent conductivities with their sign check, separations and the extents, checked
// against worked examples and independent closed forms.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/ScriptedPrompts.h"
#include "survey/DatDoc.h"

namespace oskava {
namespace {

using test::ScriptedPrompts;
using test::ShownMessage;

const double kPi = std::acos(-1.0);
const double kInf = std::numeric_limits<double>::infinity();

Cobs Record(double xa, double xb, double xm, double xn, double datum = 1) {
    Cobs r;
    r.xa = xa;
    r.xb = xb;
    r.xm = xm;
    r.xn = xn;
    r.datum = datum;
    return r;
}

class DerivedQuantitiesTest : public ::testing::Test {
  protected:
    DerivedQuantitiesTest() { doc_.dataFileName = "/surveys/line 1.dat"; }

    // Loads the records as the document's observations and derives everything.
    bool Process(std::vector<Cobs> records) {
        doc_.observations = std::move(records);
        doc_.dataCount = static_cast<int32_t>(doc_.observations.size());
        return doc_.ProcessData();
    }
    const Cobs& At(size_t i) const { return doc_.observations.at(i); }
    double Resistivity(size_t i) const { return std::pow(10.0, -At(i).displayValue); }

    ScriptedPrompts prompts_;
    CDatDoc doc_{prompts_};
};

// --- Flat ground: the documented examples -----------------------------------------------

TEST_F(DerivedQuantitiesTest, FlatDipoleDipole) {
    ASSERT_TRUE(Process({Record(0, 10, 20, 30, -0.01)}));
    EXPECT_TRUE(prompts_.messages.empty());
    const Cobs& r = At(0);
    EXPECT_TRUE(r.hasB);
    EXPECT_TRUE(r.hasN);
    EXPECT_FALSE(r.insideAB);
    EXPECT_EQ(r.za, 0);
    EXPECT_EQ(r.zn, 0);
    EXPECT_EQ(r.pseudoX, 15);
    EXPECT_EQ(r.pseudoDepth, 10);
    EXPECT_EQ(r.Separation(), 20);
    EXPECT_NEAR(r.displayValue, -0.2753, 5e-5);
    EXPECT_NEAR(std::pow(10.0, r.displayValue), 0.5305, 5e-5);  // S/m
    EXPECT_NEAR(Resistivity(0), 1.885, 5e-4);                   // ohm-m
}

TEST_F(DerivedQuantitiesTest, WrongSignStopsWithTwoMessages) {
    EXPECT_FALSE(Process(
        {Record(0, 10, 20, 30, -0.01), Record(0, 10, 20, 30, 0.01), Record(0, 10, 30, 40, -0.01)}));
    ASSERT_EQ(prompts_.messages.size(), 2u);
    EXPECT_EQ(prompts_.messages[0],
              (ShownMessage{"Data has wrong sign:\n0 10 20 30  0.01", MessageKind::Error}));
    EXPECT_EQ(prompts_.messages[1],
              (ShownMessage{"Error in data file: \n/surveys/line 1.dat", MessageKind::Warning}));
    // The records after the wrong one are not processed.
    EXPECT_EQ(At(0).pseudoX, 15);
    EXPECT_EQ(At(2).pseudoX, 0);
    EXPECT_EQ(At(2).displayValue, 0);
}

TEST_F(DerivedQuantitiesTest, WrongSignMessageUsesGeneralFormat) {
    EXPECT_FALSE(Process({Record(-1.5, 1e-7, 123456789, 2.5e21, 1.0 / 3)}));
    ASSERT_FALSE(prompts_.messages.empty());
    EXPECT_EQ(prompts_.messages[0].text,
              "Data has wrong sign:\n-1.5 1e-07 1.23457e+08 2.5e+21  0.333333");
}

TEST_F(DerivedQuantitiesTest, FlatPolePole) {
    ASSERT_TRUE(Process({Record(0, 0, 10, 10, 1)}));
    const Cobs& r = At(0);
    EXPECT_FALSE(r.hasB);
    EXPECT_FALSE(r.hasN);
    EXPECT_FALSE(r.insideAB);
    EXPECT_EQ(r.pseudoX, 5);
    EXPECT_EQ(r.pseudoDepth, 5);
    EXPECT_NEAR(std::pow(10.0, r.displayValue), 0.015915, 5e-7);
    EXPECT_NEAR(Resistivity(0), 62.83, 5e-3);
}

TEST_F(DerivedQuantitiesTest, PoleSourceUsesTheNearerPotentialElectrode) {
    ASSERT_TRUE(
        Process({Record(0, 0, 10, 20), Record(100, 100, 120, 110, -1), Record(10, 10, 0, 20)}));
    EXPECT_EQ(At(0).pseudoX, 5);  // P is M
    EXPECT_EQ(At(0).pseudoDepth, 5);
    EXPECT_EQ(At(0).Separation(), 15);  // to the midpoint of M and N
    EXPECT_EQ(At(1).pseudoX, 105);      // P is N
    EXPECT_EQ(At(1).pseudoDepth, 5);
    EXPECT_EQ(At(2).pseudoX, 15);  // equally near: N
    EXPECT_EQ(At(2).pseudoDepth, 5);
    EXPECT_EQ(At(2).Separation(), 0);
}

TEST_F(DerivedQuantitiesTest, PotentialElectrodesInsideAB) {
    ASSERT_TRUE(Process({Record(0, 100, 40, 50), Record(100, 0, 50, 60, -1)}));
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(At(i).insideAB);
        EXPECT_EQ(At(i).pseudoX, 45 + 10.0 * i);
        EXPECT_EQ(At(i).pseudoDepth, 20);
        EXPECT_EQ(At(i).Separation(), 10);
    }
}

TEST_F(DerivedQuantitiesTest, InsideABIsStrict) {
    ASSERT_TRUE(Process({Record(0, 100, 0, 50, 1), Record(0, 100, 50, 100, 1),
                         Record(0, 100, 50, 50, 1), Record(0, 0, 50, 60, 1)}));
    EXPECT_FALSE(At(0).insideAB);  // M exactly at A
    EXPECT_FALSE(At(1).insideAB);  // N exactly at B
    EXPECT_TRUE(At(2).insideAB);   // a pole receiver inside AB
    EXPECT_FALSE(At(3).insideAB);  // no B
}

// --- Geometric factor against closed forms ----------------------------------------------

TEST_F(DerivedQuantitiesTest, WennerApparentResistivityIsTwoPiAR) {
    std::vector<Cobs> records;
    const double spacings[] = {1e-3, 0.5, 1, 7.3, 1000, 2.5e6};
    for (const double a : spacings) {
        records.push_back(Record(-3 * a, 0, -2 * a, -a, 0.37));  // A M N B
    }
    ASSERT_TRUE(Process(records));
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_NEAR(Resistivity(i) / (2 * kPi * spacings[i] * 0.37), 1, 1e-12) << spacings[i];
    }
}

TEST_F(DerivedQuantitiesTest, DipoleDipoleApparentResistivity) {
    // A B M N in this order has a negative geometric factor: normal data are negative.
    std::vector<Cobs> records;
    std::vector<double> expected;
    for (const double a : {1.0, 2.5, 40.0}) {
        for (int n = 1; n <= 8; ++n) {
            records.push_back(Record(100, 100 + a, 100 + (n + 1) * a, 100 + (n + 2) * a, -0.02));
            expected.push_back(kPi * n * (n + 1) * (n + 2) * a * 0.02);
        }
    }
    ASSERT_TRUE(Process(records));
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_NEAR(Resistivity(i) / expected[i], 1, 1e-12) << i;
    }
}

// --- Topography -------------------------------------------------------------------------

// The apex, on the deep side, of the right isosceles triangle whose hypotenuse joins
// C and P: the midpoint plus half of CP turned by a right angle.
void ExpectApex(const Cobs& r, double cx, double cz, double px, double pz) {
    const double ox = (cx + px) / 2;
    const double oz = (cz + pz) / 2;
    const double hx = (px - cx) / 2;
    const double hz = (pz - cz) / 2;
    double apexX = ox - hz;
    double apexZ = oz + hx;
    if (apexZ < oz - hx) {
        apexX = ox + hz;
        apexZ = oz - hx;
    }
    EXPECT_NEAR(r.pseudoX, apexX, 1e-12);
    EXPECT_NEAR(r.pseudoDepth, apexZ, 1e-12);
}

TEST_F(DerivedQuantitiesTest, PseudoLocationOnSlopingGround) {
    doc_.hasTopography = true;
    doc_.topoX = {-50, 0, 100};
    doc_.topoDepth = {-5, 0, 10};  // depth 0.1 x: the ground falls to the right
    ASSERT_TRUE(
        Process({Record(0, 10, 20, 30, -1), Record(120, 130, 100, 110, -1), Record(0, 0, 20, 20, 1),
                 Record(0, 0, 10, 30, 1), Record(0, 100, 40, 50, 1)}));
    const Cobs& dd = At(0);
    EXPECT_EQ(dd.za, 0);
    EXPECT_DOUBLE_EQ(dd.zb, 1);
    EXPECT_DOUBLE_EQ(dd.zm, 2);
    EXPECT_DOUBLE_EQ(dd.zn, 3);
    EXPECT_NEAR(dd.pseudoX, 14, 1e-12);
    EXPECT_NEAR(dd.pseudoDepth, 11.5, 1e-12);
    ExpectApex(dd, 5, 0.5, 25, 2.5);
    ExpectApex(At(1), 125, 12.5, 105, 10.5);  // the current side on the right
    ExpectApex(At(2), 0, 0, 20, 2);           // pole-pole: C is A, P is M
    ExpectApex(At(3), 0, 0, 10, 1);           // pole source: P is the nearer M
    // Inside AB the pseudo-location ignores the ground.
    EXPECT_EQ(At(4).pseudoX, 45);
    EXPECT_EQ(At(4).pseudoDepth, 20);
    // The separation is measured in the x-z plane.
    EXPECT_NEAR(dd.Separation(), std::hypot(20, 2), 1e-12);
}

TEST_F(DerivedQuantitiesTest, GeometricFactorUsesDistancesAlongTheGround) {
    doc_.hasTopography = true;
    doc_.topoX = {0, 10, 20, 40};
    doc_.topoDepth = {0, 3, -2, 4};
    ASSERT_TRUE(Process({Record(0, 5, 15, 30, -0.01)}));
    const Cobs& r = At(0);
    auto distance = [](double x1, double z1, double x2, double z2) {
        return std::hypot(x2 - x1, z2 - z1);
    };
    const double za = 0, zb = 1.5, zm = 0.5, zn = 1;
    EXPECT_DOUBLE_EQ(r.zb, zb);
    EXPECT_DOUBLE_EQ(r.zm, zm);
    EXPECT_DOUBLE_EQ(r.zn, zn);
    const double g = 1 / distance(0, za, 15, zm) - 1 / distance(0, za, 30, zn) -
                     1 / distance(5, zb, 15, zm) + 1 / distance(5, zb, 30, zn);
    EXPECT_NEAR(std::pow(10.0, r.displayValue) / (g / (2 * kPi) / -0.01), 1, 1e-12);
}

// --- Extents ----------------------------------------------------------------------------

TEST_F(DerivedQuantitiesTest, ExtentsWhenTheFirstRecordHoldsTheLargestValues) {
    doc_.isDC = false;
    ASSERT_TRUE(Process(
        {Record(-20, 10, 20, 100, 5), Record(0, 10, 20, 30, -1), Record(0, 10, 30, 40, 3)}));
    EXPECT_EQ(doc_.xMin, -20);
    EXPECT_EQ(doc_.xMax, 100);
    EXPECT_EQ(doc_.maxPseudoDepth, 32.5);
    EXPECT_EQ(doc_.valueMin, -1);
    EXPECT_EQ(doc_.valueMax, 5);
    EXPECT_EQ(doc_.minSeparation, 20);
    EXPECT_EQ(doc_.maxSeparation, 65);
}

TEST_F(DerivedQuantitiesTest, ExtentsOfASingleRecordAndOfNone) {
    doc_.isDC = false;
    ASSERT_TRUE(Process({Record(40, 30, 20, 10, 2)}));
    EXPECT_EQ(doc_.xMin, 10);
    EXPECT_EQ(doc_.xMax, 40);
    EXPECT_EQ(doc_.valueMin, 2);
    EXPECT_EQ(doc_.valueMax, 2);
    EXPECT_EQ(doc_.minSeparation, 20);
    EXPECT_EQ(doc_.maxSeparation, 20);

    ASSERT_TRUE(Process({}));
    EXPECT_EQ(doc_.xMin, 1e20);
    EXPECT_EQ(doc_.xMax, -1e20);
    EXPECT_EQ(doc_.maxPseudoDepth, -1e20);
    EXPECT_EQ(doc_.valueMin, 1e20);
    EXPECT_EQ(doc_.valueMax, -1e20);
    EXPECT_EQ(doc_.minSeparation, 1e20);
    EXPECT_EQ(doc_.maxSeparation, -1e20);
}

TEST_F(DerivedQuantitiesTest, NonFiniteConductivitiesStayOutOfTheDisplayRange) {
    ASSERT_TRUE(Process({
        Record(0, 0, 10, 10, 0),       // datum 0: infinite conductivity
        Record(0, 10, 20, 30, 0),      // datum 0 with a negative geometric factor
        Record(0, 0, 10, 10, -0.0),    // a negative zero with a positive one
        Record(0, 30, 0, 20, 1),       // M on A: infinite geometric factor
        Record(0, 10, 5, 5, 1),        // M halfway: geometric factor 0, log10(0)
        Record(0, 10, 5, 5, 0),        // and datum 0 too: undefined
        Record(0, 10, 20, 30, -0.01),  // -0.2753
        Record(0, 0, 10, 10, 1),       // log10(1 / (20 pi))
    }));
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_EQ(doc_.dataCount, 8);
    EXPECT_EQ(At(0).displayValue, kInf);
    EXPECT_EQ(At(1).displayValue, kInf);
    EXPECT_EQ(At(2).displayValue, kInf);
    EXPECT_EQ(At(3).displayValue, kInf);
    EXPECT_EQ(At(4).displayValue, -kInf);
    EXPECT_TRUE(std::isnan(At(5).displayValue));
    EXPECT_NEAR(doc_.valueMin, std::log10(1 / (20 * kPi)), 1e-12);
    EXPECT_NEAR(doc_.valueMax, -0.2753, 5e-5);
}

TEST_F(DerivedQuantitiesTest, OnlyNonFiniteValuesLeaveTheDisplayRangeUnset) {
    ASSERT_TRUE(Process({Record(0, 0, 10, 10, 0)}));
    EXPECT_EQ(doc_.valueMin, 1e20);
    EXPECT_EQ(doc_.valueMax, -1e20);
    EXPECT_EQ(doc_.xMax, 10);
}

TEST_F(DerivedQuantitiesTest, CoincidingElectrodesWithTheWrongSignAreStillWrong) {
    EXPECT_FALSE(Process({Record(0, 30, 0, 20, -1)}));  // M on A: +infinity over -1
    ASSERT_EQ(prompts_.messages.size(), 2u);
    EXPECT_EQ(prompts_.messages[0].text, "Data has wrong sign:\n0 30 0 20  -1");
}

TEST_F(DerivedQuantitiesTest, IpDataHaveNoSignCheck) {
    doc_.isDC = false;
    ASSERT_TRUE(Process(
        {Record(0, 10, 20, 30, 0.01), Record(0, 10, 20, 30, -300), Record(0, 0, 10, 10, 0)}));
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_EQ(At(0).displayValue, 0.01);
    EXPECT_EQ(At(1).displayValue, -300);
    EXPECT_EQ(At(2).displayValue, 0);
    EXPECT_EQ(doc_.valueMin, -300);
    EXPECT_EQ(doc_.valueMax, 0.01);
}

TEST_F(DerivedQuantitiesTest, ProcessingAgainGivesTheSameResult) {
    doc_.hasTopography = true;
    doc_.topoX = {0, 25, 50};
    doc_.topoDepth = {0, 2.5, -1};
    ASSERT_TRUE(Process({Record(0, 10, 20, 30, -0.01), Record(0, 10, 20, 30, -0.02),
                         Record(0, 10, 20, 30, -0.03), Record(5, 5, 15, 15, 0.1),
                         Record(0, 50, 20, 25, 0.05)}));
    const std::vector<Cobs> first = doc_.observations;
    const double extents[] = {doc_.xMin,     doc_.xMax,          doc_.maxPseudoDepth, doc_.valueMin,
                              doc_.valueMax, doc_.minSeparation, doc_.maxSeparation};
    ASSERT_TRUE(doc_.ProcessData());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(At(i).pseudoX, first[i].pseudoX) << i;
        EXPECT_EQ(At(i).pseudoDepth, first[i].pseudoDepth) << i;
        EXPECT_EQ(At(i).displayValue, first[i].displayValue) << i;
    }
    const double again[] = {doc_.xMin,     doc_.xMax,          doc_.maxPseudoDepth, doc_.valueMin,
                            doc_.valueMax, doc_.minSeparation, doc_.maxSeparation};
    for (size_t k = 0; k < 7; ++k) {
        EXPECT_EQ(again[k], extents[k]) << k;
    }
    // The copies of one quadrupole were moved apart, and by the same amount again.
    EXPECT_LT(At(1).pseudoDepth, At(0).pseudoDepth);
    EXPECT_NEAR(At(0).pseudoDepth - At(1).pseudoDepth, 0.15 * doc_.minSeparation, 1e-12);
}

}  // namespace
}  // namespace oskava
