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

    bool Process(std::vector<Cobs> records) {
        doc_.observations = std::move(records);
        doc_.dataCount = static_cast<int32_t>(doc_.observations.size());
        return doc_.ProcessData();
    }
    const Cobs& At(size_t i) const { return doc_.observations.at(i); }
    double Resistivity(size_t i) const { return std::pow(10.0, -At(i).displayValue); }
    std::vector<double> Extents() const {
        return {doc_.xMin,     doc_.xMax,          doc_.maxPseudoDepth, doc_.valueMin,
                doc_.valueMax, doc_.minSeparation, doc_.maxSeparation};
    }

    ScriptedPrompts prompts_;
    CDatDoc doc_{prompts_};
};

TEST_F(DerivedQuantitiesTest, FlatDipoleDipoleAndTheWrongSign) {
    ASSERT_TRUE(Process({Record(0, 10, 20, 30, -0.01)}));
    EXPECT_TRUE(prompts_.messages.empty());
    const Cobs& r = At(0);
    EXPECT_TRUE(r.hasB && r.hasN && !r.insideAB);
    EXPECT_EQ(r.pseudoX, 15);
    EXPECT_EQ(r.pseudoDepth, 10);
    EXPECT_EQ(r.Separation(), 20);
    EXPECT_NEAR(r.displayValue, -0.2753, 5e-5);
    EXPECT_NEAR(Resistivity(0), 1.885, 5e-4);  // ohm-m

    EXPECT_FALSE(
        Process({Record(0, 10, 20, 30, -0.01), Record(-1.5, 1e-7, 123456789, 2.5e21, 1.0 / 3),
                 Record(0, 10, 30, 40, -0.01)}));
    EXPECT_EQ(
        prompts_.messages,
        (std::vector<ShownMessage>{
            {"Data has wrong sign:\n-1.5 1e-07 1.23457e+08 2.5e+21  0.333333", MessageKind::Error},
            {"Error in data file: \n/surveys/line 1.dat", MessageKind::Warning}}));
    // The records after the wrong one are not processed.
    EXPECT_EQ(At(0).pseudoX, 15);
    EXPECT_EQ(At(2).pseudoX, 0);
}

TEST_F(DerivedQuantitiesTest, PolesAndPotentialElectrodesInsideAB) {
    ASSERT_TRUE(Process({Record(0, 0, 10, 10), Record(0, 0, 10, 20), Record(100, 100, 120, 110, -1),
                         Record(10, 10, 0, 20), Record(100, 0, 50, 60, -1), Record(0, 100, 0, 50),
                         Record(0, 100, 50, 100), Record(0, 100, 50, 50)}));
    EXPECT_FALSE(At(0).hasB || At(0).hasN || At(0).insideAB);
    EXPECT_NEAR(Resistivity(0), 20 * kPi, 1e-12);  // pole-pole: 2 pi a
    struct Expected {
        double pseudoX, pseudoDepth, separation;
        bool insideAB;
    };
    const Expected expected[] = {
        {5, 5, 10, false},       {5, 5, 15, false},        // pole source: P is M, the nearer one
        {105, 5, 15, false},     {15, 5, 0, false},        // P is N; equally near: N
        {55, 20, 10, true},      {37.5, 12.5, 25, false},  // inside AB; M exactly at A
        {62.5, 12.5, 25, false}, {50, 20, 0, true},        // N exactly at B; a pole receiver
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(At(i).pseudoX, expected[i].pseudoX) << i;
        EXPECT_EQ(At(i).pseudoDepth, expected[i].pseudoDepth) << i;
        EXPECT_EQ(At(i).Separation(), expected[i].separation) << i;
        EXPECT_EQ(At(i).insideAB, expected[i].insideAB) << i;
    }
}

TEST_F(DerivedQuantitiesTest, ApparentResistivityOfWennerAndDipoleDipoleArrays) {
    // Wenner: 2 pi a V. Dipole-dipole: pi n (n + 1) (n + 2) a V, negative data for
    // A B M N in this order.
    std::vector<Cobs> records;
    std::vector<double> expected;
    for (const double a : {1e-3, 0.5, 7.3, 2.5e6}) {
        records.push_back(Record(-3 * a, 0, -2 * a, -a, 0.37));  // A M N B
        expected.push_back(2 * kPi * a * 0.37);
        for (int n = 1; n <= 6; ++n) {
            records.push_back(Record(0, a, (n + 1) * a, (n + 2) * a, -0.02));
            expected.push_back(kPi * n * (n + 1) * (n + 2) * a * 0.02);
        }
    }
    ASSERT_TRUE(Process(records));
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_NEAR(Resistivity(i) / expected[i], 1, 1e-12) << i;
    }
}

// The apex, on the deep side, of the right isosceles triangle whose hypotenuse joins
// C and P: the midpoint plus half of CP turned by a right angle.
void ExpectApex(const Cobs& r, double cx, double cz, double px, double pz) {
    const double ox = (cx + px) / 2, oz = (cz + pz) / 2;
    const double hx = (px - cx) / 2, hz = (pz - cz) / 2;
    const bool turnLeft = oz + hx >= oz - hx;
    EXPECT_NEAR(r.pseudoX, turnLeft ? ox - hz : ox + hz, 1e-12);
    EXPECT_NEAR(r.pseudoDepth, turnLeft ? oz + hx : oz - hx, 1e-12);
}

TEST_F(DerivedQuantitiesTest, SlopingGround) {
    doc_.hasTopography = true;
    doc_.topoX = {-50, 0, 100};
    doc_.topoDepth = {-5, 0, 10};  // depth 0.1 x: the ground falls to the right
    ASSERT_TRUE(
        Process({Record(0, 10, 20, 30, -1), Record(120, 130, 100, 110, -1), Record(0, 0, 20, 20, 1),
                 Record(0, 0, 10, 30, 1), Record(0, 100, 40, 50, 1)}));
    const Cobs& dd = At(0);
    EXPECT_EQ((std::vector<double>{dd.za, dd.zb, dd.zm, dd.zn}), (std::vector<double>{0, 1, 2, 3}));
    ExpectApex(dd, 5, 0.5, 25, 2.5);
    ExpectApex(At(1), 125, 12.5, 105, 10.5);  // the current side on the right
    ExpectApex(At(2), 0, 0, 20, 2);           // pole-pole: C is A, P is M
    ExpectApex(At(3), 0, 0, 10, 1);           // pole source: P is the nearer M
    EXPECT_EQ(At(4).pseudoX, 45);             // inside AB the ground plays no part
    EXPECT_EQ(At(4).pseudoDepth, 20);
    EXPECT_NEAR(dd.Separation(), std::hypot(20, 2), 1e-12);

    // The geometric factor takes the distances in the x-z plane.
    doc_.topoX = {0, 10, 20, 40};
    doc_.topoDepth = {0, 3, -2, 4};
    ASSERT_TRUE(Process({Record(0, 5, 15, 30, -0.01)}));
    const auto inverse = [](double x1, double z1, double x2, double z2) {
        return 1 / std::hypot(x2 - x1, z2 - z1);
    };
    const double g = inverse(0, 0, 15, 0.5) - inverse(0, 0, 30, 1) - inverse(5, 1.5, 15, 0.5) +
                     inverse(5, 1.5, 30, 1);
    EXPECT_NEAR(std::pow(10.0, At(0).displayValue) / (g / (2 * kPi) / -0.01), 1, 1e-12);
}

TEST_F(DerivedQuantitiesTest, ExtentsAndIpDataWithoutSignCheck) {
    doc_.isDC = false;
    ASSERT_TRUE(Process(
        {Record(-20, 10, 20, 100, 5), Record(0, 10, 20, 30, -300), Record(0, 10, 30, 40, 0.01)}));
    EXPECT_TRUE(prompts_.messages.empty());
    EXPECT_EQ(At(1).displayValue, -300);
    EXPECT_EQ(Extents(), (std::vector<double>{-20, 100, 32.5, -300, 5, 20, 65}));
    ASSERT_TRUE(Process({Record(40, 30, 20, 10, 2)}));
    EXPECT_EQ(Extents(), (std::vector<double>{10, 40, 10, 2, 2, 20, 20}));
    ASSERT_TRUE(Process({}));
    EXPECT_EQ(Extents(), (std::vector<double>{1e20, -1e20, -1e20, 1e20, -1e20, 1e20, -1e20}));
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
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(At(i).displayValue, kInf) << i;
    }
    EXPECT_EQ(At(4).displayValue, -kInf);
    EXPECT_TRUE(std::isnan(At(5).displayValue));
    EXPECT_NEAR(doc_.valueMin, std::log10(1 / (20 * kPi)), 1e-12);
    EXPECT_NEAR(doc_.valueMax, -0.2753, 5e-5);

    ASSERT_TRUE(Process({Record(0, 0, 10, 10, 0)}));
    EXPECT_EQ(doc_.valueMin, 1e20);
    EXPECT_EQ(doc_.valueMax, -1e20);
    // M on A with the wrong sign is still wrong: +infinity over -1.
    EXPECT_FALSE(Process({Record(0, 30, 0, 20, -1)}));
    EXPECT_EQ(prompts_.Texts().at(0), "Data has wrong sign:\n0 30 0 20  -1");
}

}  // namespace
}  // namespace oskava
