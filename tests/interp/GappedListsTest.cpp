// The build's gapped lists against plain vectors: random starts, appends, insertions
// and removals, enough of them that the gaps run out and the lists are respaced, then
// the packed arrays.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "interp/GappedLists.h"

namespace oskava {
namespace {

TEST(GappedListsTest, EditsAndPackingAgreeWithPlainLists) {
    constexpr int32_t kNodes = 40;
    constexpr int32_t kCapacity = 2000;
    std::vector<int32_t> storage;
    GappedLists lists(kNodes, kCapacity, storage);
    std::vector<std::vector<int32_t>> model(kNodes + 1);
    std::mt19937 random(7);
    int32_t started = 0;
    int32_t used = 0;
    auto pick = [&](int32_t n) {
        return static_cast<int32_t>(random() % static_cast<uint32_t>(n));
    };
    for (int step = 0; step < 5000 && used < kCapacity; ++step) {
        const int32_t choice = pick(20);
        if (started == 0 || (choice == 0 && started < kNodes)) {
            lists.StartList(++started);
        } else if (choice < 4) {
            lists.Append(step);
            model[started].push_back(step);
        } else if (choice < 6) {
            std::vector<int32_t>& list = model[1 + pick(started)];
            if (!list.empty()) {
                const int32_t node = static_cast<int32_t>(&list - model.data());
                const int32_t offset = pick(static_cast<int32_t>(list.size()));
                lists.Erase(node, offset);
                list.erase(list.begin() + offset);
            }
        } else {
            const int32_t node = 1 + pick(started);
            const int32_t offset = pick(static_cast<int32_t>(model[node].size()) + 1);
            lists.Insert(node, offset, step);
            model[node].insert(model[node].begin() + offset, step);
        }
        used = 0;
        for (int32_t k = 1; k <= started; ++k) {
            ASSERT_EQ(lists.End(k) - lists.Begin(k) + 1, static_cast<int32_t>(model[k].size()));
            for (size_t i = 0; i < model[k].size(); ++i) {
                ASSERT_EQ(lists.At(lists.Begin(k) + static_cast<int32_t>(i)), model[k][i]);
            }
            used += static_cast<int32_t>(model[k].size());
        }
        ASSERT_EQ(lists.Used(), used);
    }
    ASSERT_GT(used, kCapacity / 2);  // the gaps ran out on the way

    std::vector<int32_t> listEnd;
    lists.Pack(listEnd);
    std::vector<int32_t> packed;
    ASSERT_EQ(listEnd.size(), static_cast<size_t>(kNodes));
    for (int32_t k = 1; k <= kNodes; ++k) {
        packed.insert(packed.end(), model[k].begin(), model[k].end());
        EXPECT_EQ(listEnd[k - 1], static_cast<int32_t>(packed.size()));
    }
    packed.resize(kCapacity, 0);
    EXPECT_EQ(storage, packed);
}

}  // namespace
}  // namespace oskava
