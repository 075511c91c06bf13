// What the program derives from the electrode positions: flags, pseudo-locations,
// apparent conductivities with their sign check and separations, checked
// against worked examples and independent closed forms.
#include <cmath>
#include <limits>
#include <random>
#include <tuple>

#include "support/SurveyFixture.h"
#include "survey/CoincidingLocations.h"

namespace oskava {
namespace {

using Rows = std::vector<std::vector<double>>;
const double kPi = std::acos(-1.0);
const double kInf = std::numeric_limits<double>::infinity();

Cobs Record(double xa, double xb, double xm, double xn, double datum = 1) {
    Cobs r;
    std::tie(r.xa, r.xb, r.xm, r.xn, r.datum) = std::tie(xa, xb, xm, xn, datum);
    return r;
}

void ExpectNear(const Rows& actual, const Rows& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        for (size_t j = 0; j < actual[i].size(); ++j) {
            EXPECT_NEAR(actual[i][j], expected[i][j], 1e-12) << "record " << i << ", " << j;
        }
    }
}

class DerivedQuantitiesTest : public test::SurveyFixture {
  protected:
    DerivedQuantitiesTest() { doc.dataFileName = "/surveys/line 1.dat"; }

    bool Process(std::vector<Cobs> records) {
        doc.observations = std::move(records);
        doc.dataCount = static_cast<int32_t>(doc.observations.size());
        return doc.ProcessData();
    }
    const Cobs& At(size_t i) const { return doc.observations.at(i); }
    double Resistivity(size_t i) const { return std::pow(10.0, -At(i).displayValue); }
    // Pseudo-location, separation and the inside-AB flag of every record.
    Rows Locations() const {
        Rows rows;
        for (const Cobs& r : doc.observations) {
            rows.push_back({r.pseudoX, r.pseudoDepth, r.Separation(), r.insideAB ? 1.0 : 0.0});
        }
        return rows;
    }
};

TEST_F(DerivedQuantitiesTest, FlatDipoleDipoleAndTheWrongSign) {
    ASSERT_TRUE(Process({Record(0, 10, 20, 30, -0.01)}));
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(Locations(), (Rows{{15, 10, 20, 0}}));
    EXPECT_NEAR(Resistivity(0), 1.885, 5e-4);  // ohm-m

    EXPECT_FALSE(
        Process({Record(0, 10, 20, 30, -0.01), Record(-1.5, 1e-7, 123456789, 2.5e21, 1.0 / 3),
                 Record(0, 10, 30, 40, -0.01)}));
    EXPECT_EQ(
        Shown(),
        (std::vector<test::ShownMessage>{
            {"Data has wrong sign:\n-1.5 1e-07 1.23457e+08 2.5e+21  0.333333", MessageKind::Error},
            {"Error in data file: \n/surveys/line 1.dat", MessageKind::Warning}}));
    // The records after the wrong one are not processed.
    EXPECT_EQ(At(0).pseudoX, 15);
    EXPECT_EQ(At(2).pseudoX, 0);
}

TEST_F(DerivedQuantitiesTest, PolesAndPotentialElectrodesInsideAB) {
    ASSERT_TRUE(Process({Record(0, 0, 10, 10), Record(5, 5, 10, 20), Record(100, 100, 120, 110, -1),
                         Record(10, 10, 0, 20), Record(100, 0, 50, 60, -1), Record(0, 100, 0, 50),
                         Record(0, 100, 50, 100), Record(0, 100, 50, 50)}));
    EXPECT_FALSE(At(0).hasB || At(0).hasN);
    EXPECT_NEAR(Resistivity(0), 20 * kPi, 1e-12);  // pole-pole: 2 pi a
    EXPECT_EQ(Locations(), (Rows{
                               {5, 5, 10, 0},        // pole-pole
                               {7.5, 2.5, 10, 0},    // pole source: P is M, the nearer one
                               {105, 5, 15, 0},      // P is N
                               {15, 5, 0, 0},        // equally near: N
                               {55, 20, 10, 1},      // inside AB
                               {37.5, 12.5, 25, 0},  // M exactly at A
                               {62.5, 12.5, 25, 0},  // N exactly at B
                               {50, 20, 0, 1},       // a pole receiver inside AB
                           }));
}

TEST_F(DerivedQuantitiesTest, SlopingGround) {
    // The pseudo-location is the apex, on the deep side, of the right isosceles
    // triangle whose hypotenuse joins the current side C and the potential side P.
    doc.hasTopography = true;
    doc.topoX = {-50, 0, 100};
    doc.topoDepth = {-5, 0, 10};  // depth 0.1 x: the ground falls to the right
    ASSERT_TRUE(
        Process({Record(0, 10, 20, 30, -1), Record(120, 130, 100, 110, -1), Record(0, 0, 20, 20, 1),
                 Record(0, 0, 10, 30, 1), Record(0, 100, 40, 50, 1)}));
    const Cobs& dd = At(0);
    EXPECT_EQ((std::vector<double>{dd.za, dd.zb, dd.zm, dd.zn}), (std::vector<double>{0, 1, 2, 3}));
    ExpectNear(Locations(), {
                                {14, 11.5, std::hypot(20, 2), 0},   // C (5, 0.5), P (25, 2.5)
                                {114, 21.5, std::hypot(20, 2), 0},  // the current side on the right
                                {9, 11, std::hypot(20, 2), 0},      // pole-pole: C is A, P is M
                                {4.5, 5.5, std::hypot(20, 2), 0},   // pole source: the nearer M
                                {45, 20, 10, 1},  // inside AB the ground plays no part
                            });
}

TEST_F(DerivedQuantitiesTest, NonFiniteConductivitiesStayOutOfTheDisplayRange) {
    ASSERT_TRUE(Process({
        Record(0, 0, 10, 10, 0),       // datum 0: infinite conductivity
        Record(0, 0, 10, 10, -0.0),    // a negative zero with a positive sum
        Record(0, 30, 0, 20, 1),       // M on A: infinite geometric factor
        Record(0, 10, 5, 5, 1),        // M halfway: geometric factor 0, log10(0)
        Record(0, 10, 5, 5, 0),        // and datum 0 too: undefined
        Record(0, 10, 20, 30, -0.01),  // -0.2753
        Record(0, 0, 10, 10, 1),       // log10(1 / (20 pi))
    }));
    EXPECT_TRUE(Shown().empty());
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(At(i).displayValue, i < 3 ? kInf : -kInf) << i;
    }
    EXPECT_TRUE(std::isnan(At(4).displayValue));
    EXPECT_NEAR(doc.valueMin, std::log10(1 / (20 * kPi)), 1e-12);
    EXPECT_NEAR(doc.valueMax, -0.2753, 5e-5);
}

// Coinciding pseudo-locations are moved apart as comparing every pair i < j in order
// moves them: on a grid of a few spots whose step lands lowered data on other spots,
// with -0 beside +0 and locations that hold a NaN, in columns of every size.
TEST(CoincidingLocationsTest, AgreesWithComparingEveryPairInOrder) {
    std::mt19937 random(19);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double columns[] = {-1, -0.0, 0.0, 1, 2.5, 1e300, -1e-300, nan};
    for (int round = 0; round < 40; ++round) {
        std::vector<Cobs> records(static_cast<size_t>(20 + round * 10));
        for (Cobs& r : records) {
            r.pseudoX = columns[random() % (round % 7 + 2)];
            r.pseudoDepth = 0.5 * static_cast<double>(random() % 5);
            if (random() % 16 == 0) {
                r.pseudoDepth = random() % 2 == 0 ? -0.0 : nan;
            }
        }
        std::vector<double> expected;
        for (const Cobs& r : records) {
            expected.push_back(r.pseudoDepth);
        }
        for (size_t i = 0; i < records.size(); ++i) {
            for (size_t j = i + 1; j < records.size(); ++j) {
                if (records[i].pseudoX == records[j].pseudoX && expected[i] == expected[j]) {
                    expected[j] -= 0.5;
                }
            }
        }
        MoveCoincidingLocationsApart(records, 0.5);
        for (size_t i = 0; i < records.size(); ++i) {
            ASSERT_TRUE(records[i].pseudoDepth == expected[i] ||
                        (std::isnan(expected[i]) && std::isnan(records[i].pseudoDepth)))
                << "round " << round << ", record " << i;
        }
    }
}

}  // namespace
}  // namespace oskava
