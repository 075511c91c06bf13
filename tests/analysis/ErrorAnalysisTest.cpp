// Error analysis: the pairing of repeats and reciprocals (orders, signs, tolerance,
// a quadrupole read three times), the bins and both models against fits computed by
// hand, the edits it offers, and the real roll-along survey.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "analysis/ErrorAnalysis.h"
#include "analysis/ErrorEdits.h"
#include "support/ScriptedPrompts.h"
#include "survey/OpenSurvey.h"
#include "view/ViewFixture.h"

namespace oskava {
namespace {

Cobs Reading(double xa, double xb, double xm, double xn, double datum) {
    Cobs r;
    r.xa = xa;
    r.xb = xb;
    r.xm = xm;
    r.xn = xn;
    r.datum = datum;
    return r;
}

// Three quadrupoles of dipoles and one of a pole read twice or three times, in
// either order and with roles exchanged, a near-repeat within the positions'
// tolerance and one just outside it, and a quadrupole with the same ends as the
// first that is no reading of it.
std::vector<Cobs> HandMadeSurvey() {
    return {
        Reading(0, 10, 20, 30, -0.10),                // 0: first
        Reading(0, 10, 20, 30, -0.11),                // 1: repeat of 0
        Reading(10, 20, 30, 40, -0.2),                // 2: first
        Reading(0, 20, 40, 60, -0.05),                // 3: first
        Reading(20, 30, 0, 10, -0.12),                // 4: reciprocal of 0, its third reading
        Reading(20, 10, 30, 40, 0.19),                // 5: repeat of 2, B A written: sign -
        Reading(60, 40, 0, 20, 0.052),                // 6: reciprocal of 3, N M as B A: sign -
        Reading(1000, 1010, 1020, 1030, -0.5),        // 7: first
        Reading(1000.00001, 1010, 1020, 1030, -0.6),  // 8: repeat of 7 within 1e-7
        Reading(1000.001, 1010, 1020, 1030, -0.7),    // 9: no reading of 7 or 8
        Reading(100, 100, 120, 130, -0.3),            // 10: pole source, first
        Reading(120, 130, 100, 100, -0.31),           // 11: reciprocal of 10
        Reading(100, 100, 130, 120, 0.29),            // 12: repeat of 10 with N M: sign -
        Reading(0, 20, 10, 30, -0.4),                 // 13: the ends of 0, no reading of it
    };
}

TEST(ErrorPairs, RepeatsReciprocalsOrdersAndATripleOnAHandMadeSurvey) {
    struct Expected {
        size_t first, second;
        PairKind kind;
        double error, magnitude;
    };
    const PairKind rep = PairKind::Repeat, rec = PairKind::Reciprocal;
    const Expected expected[] = {
        {0, 1, rep, 0.01, 0.105},   {0, 4, rec, 0.02, 0.11}, {2, 5, rep, 0.01, 0.195},
        {3, 6, rec, 0.002, 0.051},  {7, 8, rep, 0.1, 0.55},  {10, 11, rec, 0.01, 0.305},
        {10, 12, rep, 0.01, 0.295},
    };
    const std::vector<ErrorPair> pairs = FindErrorPairs(HandMadeSurvey());
    ASSERT_EQ(pairs.size(), std::size(expected));
    for (size_t k = 0; k < pairs.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(pairs[k].first, expected[k].first);
        EXPECT_EQ(pairs[k].second, expected[k].second);
        EXPECT_EQ(pairs[k].kind, expected[k].kind);
        EXPECT_NEAR(pairs[k].error, expected[k].error, 1e-15);
        EXPECT_NEAR(pairs[k].magnitude, expected[k].magnitude, 1e-15);
    }

    const ErrorAnalysis analysis = AnalyseErrors(HandMadeSurvey(), ErrorModelKind::Linear);
    EXPECT_EQ(analysis.reciprocals, 3u);
    EXPECT_EQ(analysis.repeats, 4u);
    // e / |R|: 0.0952, 0.1818, 0.0513, 0.0392, 0.1818, 0.0328, 0.0339.
    EXPECT_EQ(analysis.above10, 2u);
    EXPECT_NEAR(analysis.medianRelative, 0.01 / 0.195, 1e-15);
    std::vector<Cobs> six = HandMadeSurvey();
    six.erase(six.begin() + 12);  // six pairs: the mean of the middle two
    EXPECT_NEAR(AnalyseErrors(six, ErrorModelKind::Linear).medianRelative,
                (0.01 / 0.195 + 0.01 / 0.105) / 2, 1e-15);
    EXPECT_FALSE(analysis.model);
    EXPECT_EQ(ErrorAnalysisText(analysis),
              "Pairs: 7 (reciprocals 3, repeats 4)\nMedian e / |R|: 5.13 %\nAbove 10 %: 2 "
              "pairs (28.6 %)\nNo error model: it needs at least 10 pairs.\n");
    EXPECT_EQ(ErrorAnalysisText(AnalyseErrors({}, ErrorModelKind::Linear)), kNoPairs);
}

std::vector<ErrorPair> PairsAt(const std::vector<BinPoint>& points, size_t perBin) {
    std::vector<ErrorPair> pairs;
    // Given from the largest |R| down, which the bins must sort.
    for (size_t k = points.size(); k-- > 0;) {
        for (size_t i = 0; i < perBin; ++i) {
            pairs.push_back({0, 0, PairKind::Repeat, points[k].error, points[k].magnitude});
        }
    }
    return pairs;
}

TEST(ErrorModel, BinsCutTheSortedPairsAsFloorKPOverN) {
    std::vector<ErrorPair> pairs;
    for (int i = 23; i >= 1; --i) {
        pairs.push_back({0, 0, PairKind::Repeat, 2.0 * i, 1.0 * i});
    }
    // n = 4: pairs 0-4, 5-10, 11-16, 17-22 of |R| 1 to 23.
    const std::vector<BinPoint> bins = BinMeans(pairs);
    ASSERT_EQ(bins.size(), 4u);
    const double means[] = {3, 8.5, 14.5, 20.5};
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ(bins[k].magnitude, means[k]);
        EXPECT_DOUBLE_EQ(bins[k].error, 2 * means[k]);
    }
    for (const auto& [count, n] : {std::pair{9, 1}, {10, 2}, {99, 19}, {104, 20}, {300, 20}}) {
        EXPECT_EQ(BinMeans(std::vector<ErrorPair>(count)).size(), static_cast<size_t>(n));
    }
    std::string reason;
    EXPECT_FALSE(
        FitErrorModel(BinMeans(std::vector<ErrorPair>(9)), ErrorModelKind::Linear, reason));
    EXPECT_EQ(reason, "No error model: it needs at least 10 pairs.");
}

TEST(ErrorModel, LinearAndPowerFitsAgainstFitsByHand) {
    std::string reason;
    const auto fit = [&](const std::vector<BinPoint>& points, ErrorModelKind kind) {
        return FitErrorModel(BinMeans(PairsAt(points, 5)), kind, reason);
    };
    // Through (1, 3), (2, 5), (3, 6): b = 3 / 2, a = 14/3 - 3, R^2 = 1 - (1/6) / (42/9).
    auto model = fit({{1, 3}, {2, 5}, {3, 6}}, ErrorModelKind::Linear);
    ASSERT_TRUE(model);
    EXPECT_NEAR(model->a, 5.0 / 3, 1e-14);
    EXPECT_NEAR(model->b, 1.5, 1e-14);
    EXPECT_NEAR(model->determination, 27.0 / 28, 1e-14);
    EXPECT_NEAR(model->StdDev(4), 5.0 / 3 + 6, 1e-14);
    // Through (1, 1), (2, 3), (3, 5) the line has a = -1: refitted through the origin,
    // b = sum xy / sum x^2 = 22 / 14, R^2 = 1 - (3/7) / 8.
    model = fit({{1, 1}, {2, 3}, {3, 5}}, ErrorModelKind::Linear);
    ASSERT_TRUE(model);
    EXPECT_EQ(model->a, 0);
    EXPECT_NEAR(model->b, 11.0 / 7, 1e-14);
    EXPECT_NEAR(model->determination, 53.0 / 56, 1e-14);
    // e = 0.1 |R|^log10(5) through all three points.
    model = fit({{1, 0.1}, {10, 0.5}, {100, 2.5}}, ErrorModelKind::Power);
    ASSERT_TRUE(model);
    EXPECT_NEAR(model->a, 0.1, 1e-14);
    EXPECT_NEAR(model->b, std::log10(5.0), 1e-14);
    EXPECT_NEAR(model->determination, 1, 1e-14);
    EXPECT_NEAR(model->StdDev(1000), 12.5, 1e-12);

    // No model where the logarithm of a bin or the slope has no value.
    EXPECT_FALSE(fit({{1, 0}, {10, 0.5}}, ErrorModelKind::Power));
    EXPECT_EQ(reason, "No power model: a bin of pairs has a mean |R| or e of 0.");
    EXPECT_FALSE(fit({{2, 1}, {2, 3}}, ErrorModelKind::Linear));
    EXPECT_EQ(reason, "No linear model: every bin of pairs has the same |R|.");
}

class ErrorEditsTest : public test::ViewFixture {};

TEST_F(ErrorEditsTest, AssignFromTheModelKeepsDifferencesAndMisfitTrueOrRefusesAZeroDeviation) {
    const std::vector<test::Datum> four = test::FourDipoles();
    LoadWithPredicted(four, {0, 0, 0, 0});
    const ErrorModel model{ErrorModelKind::Linear, 0.001, 0.05, 1};
    ASSERT_TRUE(AssignModelStdDevs(doc, model));
    const Cobs& r = doc.observations[3];
    EXPECT_EQ(r.stdDev, 0.001 + 0.05 * std::fabs(four[3].datum));
    EXPECT_EQ(r.normalizedDiff, (r.datum - r.predicted) / r.stdDev);
    EXPECT_EQ(doc.journal().UndoName(), "Assign standard deviations from the model");

    // A line through the origin gives a datum of 0 no deviation: nothing changes.
    doc.observations[2].datum = 0;
    EXPECT_FALSE(AssignModelStdDevs(doc, ErrorModel{ErrorModelKind::Linear, 0, 0.05, 1}));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"The model gives 1 data no positive "
                                                        "standard deviation.\nNothing was "
                                                        "assigned."});
    EXPECT_EQ(doc.observations[0].stdDev, 0.001 + 0.05 * 0.001);
    EXPECT_EQ(doc.journal().UndoName(), "Assign standard deviations from the model");
}

TEST_F(ErrorEditsTest, DeletePairsAboveTakesBothReadingsAfterTheQuestion) {
    const std::vector<test::Datum> four = test::FourDipoles();
    test::Datum again = four[1];
    again.datum *= 1.2;  // 18 % apart
    test::Datum reciprocal{four[0].xm, four[0].xn, four[0].xa, four[0].xb, four[0].datum * 1.05};
    Load({four[0], four[1], four[2], again, reciprocal, four[3]});
    const std::vector<ErrorPair> pairs = FindErrorPairs(doc.observations);
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(PairDataAbove(pairs, 4), (std::vector<size_t>{0, 1, 3, 4}));

    prompts.yesNoAnswers = {false};
    EXPECT_FALSE(DeletePairsAbove(doc, pairs, 10));
    EXPECT_EQ(doc.dataCount, 6);
    EXPECT_FALSE(DeletePairsAbove(doc, pairs, 20));
    prompts.yesNoAnswers = {true};
    EXPECT_TRUE(DeletePairsAbove(doc, pairs, 10));
    EXPECT_EQ(prompts.questions,
              (std::vector<std::string>{"Are you sure you want to delete 2 data?",
                                        "Are you sure you want to delete 2 data?"}));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"No data deleted."});
    ASSERT_EQ(doc.dataCount, 4);
    EXPECT_EQ(doc.observations[1].datum, four[2].datum);
    EXPECT_EQ(doc.journal().UndoName(), "Delete pairs above 10 %");
}

TEST(RealSurveys, RollAlongRepeatsWithTheWrongSignLeftOut) {
    const std::string path =
        std::string(OSKAVA_REALDATA_DIR) + "/xochimilco-y4-y7-rollalong-dd-wenner.dat";
    if (!std::filesystem::exists(path)) {
        GTEST_SKIP() << path << " is not there";
    }
    test::ScriptedPrompts prompts;
    CDatDoc doc(prompts);
    OpenRequest request{path, true, "", "", ""};
    request.wrongSign = WrongSignData::LeaveOut;
    ASSERT_EQ(OpenSurvey(doc, request), OpenOutcome::Opened);
    const ErrorAnalysis analysis = AnalyseErrors(doc.observations, ErrorModelKind::Linear);
    EXPECT_EQ(analysis.pairs.size(), 927u);
    EXPECT_EQ(analysis.repeats, 927u);
    EXPECT_EQ(analysis.above10, 275u);
    EXPECT_NEAR(analysis.medianRelative, 0.0298, 0.00005);
    EXPECT_TRUE(analysis.model);
}

}  // namespace
}  // namespace oskava
