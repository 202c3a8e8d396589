#include <gtest/gtest.h>

#include "platform/foundation/ClassRegistry.h"
#include "platform/foundation/Object.h"

namespace {
struct Shape : ns::Object {
    virtual int sides() const = 0;
};
struct Triangle : Shape {
    static std::shared_ptr<Triangle> create() { return std::make_shared<Triangle>(); }
    int sides() const override { return 3; }
};
}  // namespace

TEST(ClassRegistry, CreatesRegisteredClassesAndNothingElse) {
    using Registry = ns::ClassRegistry<Shape>;
    Registry::registerClass<Triangle>("Triangle");
    auto t = Registry::create("Triangle");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->sides(), 3);
    EXPECT_NE(t, Registry::create("Triangle"));  // a new object each time
    EXPECT_EQ(Registry::create("Square"), nullptr);
    Registry::unregisterClass("Triangle");
    EXPECT_FALSE(Registry::isRegistered("Triangle"));
}
