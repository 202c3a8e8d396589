#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/DecodedTreeScope.h"
#include "platform/foundation/Value.h"

using ns::Value;

namespace {

// A tree of many small containers, enough to fill several slabs.
Value buildTree(int rows) {
    ns::DecodedTreeScope scope;
    ns::Array list;
    for (int i = 0; i < rows; ++i) {
        ns::Dictionary row;
        row.set("id", i);
        row.set("name", "row " + std::to_string(i));
        row.set("tags", Value(ns::Array{Value("a"), Value(i)}));
        list.push_back(Value(std::move(row)));
    }
    return Value(std::move(list));
}

}  // namespace

TEST(DecodedTreeScope, ContainersMadeInsideBehaveAsAnyOther) {
    EXPECT_FALSE(ns::DecodedTreeScope::active());
    Value tree = buildTree(3);
    EXPECT_FALSE(ns::DecodedTreeScope::active());
    Value copy = tree;
    // Copy-on-write: changing the copy leaves the decoded tree alone, even
    // for a container nested inside it.
    Value row = copy[1];
    row.mutableDictionary().set("name", "changed");
    copy.mutableArray()[1] = row;
    copy.mutableArray().push_back(Value(4));
    EXPECT_EQ(tree[1]["name"].asString(), "row 1");
    EXPECT_EQ(copy[1]["name"].asString(), "changed");
    EXPECT_EQ(tree.count(), 3u);
    EXPECT_EQ(copy.count(), 4u);
    EXPECT_EQ(tree[2]["tags"][1].intValue(), 2);
    EXPECT_EQ(tree, buildTree(3));
}

TEST(DecodedTreeScope, PiecesOutliveTheirTreeAndAnyThreadMayFreeThem) {
    // Pieces of trees go to other threads, which read and drop them while
    // this thread drops the trees: every slab must be returned exactly once
    // (the sanitizers report a double free, a use after free or a leak).
    for (int round = 0; round < 4; ++round) {
        Value tree = buildTree(2000);
        std::vector<Value> pieces;
        for (int i = 0; i < 8; ++i) pieces.push_back(tree[static_cast<std::size_t>(i * 250)]);
        std::vector<std::thread> readers;
        std::vector<Value> made(4);
        for (int t = 0; t < 4; ++t) {
            readers.emplace_back([t, &made, mine = std::vector<Value>{pieces[t * 2], pieces[t * 2 + 1], tree}]() mutable {
                int sum = 0;
                for (const auto& row : mine[2].asArray()) sum += row["id"].intValue();
                EXPECT_EQ(sum, 1999 * 1000);
                EXPECT_EQ(mine[0]["id"].intValue(), t * 500);
                mine.clear();
                // A tree built on this thread and freed by the main one.
                made[t] = buildTree(300);
            });
        }
        tree = Value();
        EXPECT_EQ(pieces[7]["tags"][1].intValue(), 1750);
        pieces.clear();
        for (auto& r : readers) r.join();
        EXPECT_EQ(made[3][299]["id"].intValue(), 299);
        made.clear();
    }
}
