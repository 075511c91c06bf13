// Node order: the exact order of equal keys, sortedness and the permutation of values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

#include "interp/NodeOrder.h"

namespace oskava {
namespace {

std::vector<int32_t> OrderOf(const std::vector<double>& keys) {
    std::vector<int32_t> order;
    SortOrder(keys, order);
    return order;
}

TEST(SortOrderTest, EqualKeysTakeTheQuicksortsOrder) {
    EXPECT_EQ(OrderOf({1, 1, 0, 0}), (std::vector<int32_t>{4, 3, 1, 2}));
    EXPECT_EQ(OrderOf({0, 0, 1, 1}), (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(OrderOf({}), std::vector<int32_t>{});
    EXPECT_EQ(OrderOf({7}), std::vector<int32_t>{1});
}

TEST(SortOrderTest, SortsEveryLengthAndKeyPatternAndSurvivesNaN) {
    std::mt19937 random(11);
    for (int32_t n = 2; n < 300; n += 7) {
        // Few distinct keys, many, and a third of them undefined.
        for (const int distinct : {2, 5, 1000000, 0}) {
            std::vector<double> keys(n);
            for (int32_t i = 0; i < n; ++i) {
                keys[i] = distinct != 0 ? static_cast<double>(random() % distinct)
                          : i % 3 == 0  ? std::nan("")
                                        : static_cast<double>((i * 37) % 101);
            }
            const std::vector<int32_t> order = OrderOf(keys);
            std::vector<int32_t> all(n);
            std::iota(all.begin(), all.end(), 1);
            ASSERT_TRUE(std::is_permutation(order.begin(), order.end(), all.begin(), all.end()));
            const auto byKey = [&keys](int32_t a, int32_t b) { return keys[a - 1] < keys[b - 1]; };
            ASSERT_TRUE(distinct == 0 || std::is_sorted(order.begin(), order.end(), byKey)) << n;
        }
    }
}

TEST(ReorderNodesTest, PermutesAsManyArraysAsAskedAndOnlyByAPermutation) {
    for (int32_t count = 0; count <= 3; ++count) {
        std::vector<double> x{1, 1, 0, 0}, y{1, 2, 3, 4}, z{5, 6, 7, 8};
        std::vector<int32_t> order;
        ReorderNodes(count, x, y, z, order);
        EXPECT_EQ(order, (std::vector<int32_t>{4, 3, 1, 2}));
        using Values = std::vector<double>;
        EXPECT_EQ(x, (count >= 1 ? Values{0, 0, 1, 1} : Values{1, 1, 0, 0}));
        EXPECT_EQ(y, (count >= 2 ? Values{4, 3, 1, 2} : Values{1, 2, 3, 4}));
        EXPECT_EQ(z, (count >= 3 ? Values{8, 7, 5, 6} : Values{5, 6, 7, 8}));
    }
    std::vector<double> values{10, 20, 30, 40, 50};
    PermuteValues({3, 1, 2, 5, 4}, values);
    EXPECT_EQ(values, (std::vector<double>{30, 10, 20, 50, 40}));
    PermuteValues({1, 1, 2, 3, 4}, values);  // not a permutation
    PermuteValues({2, 1, 6, 3, 4}, values);  // out of range
    EXPECT_EQ(values, (std::vector<double>{30, 10, 20, 50, 40}));
}

}  // namespace
}  // namespace oskava
