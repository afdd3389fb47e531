#include "support/LinkedPtr.h"

#include <gtest/gtest.h>

#include <array>

using Tolvex::linked_ptr;

namespace {

// Counts destructions, so a test sees a double delete or a leak as a number.
struct Counted {
  explicit Counted(int* deaths) : deaths(deaths) {}
  ~Counted() { ++*deaths; }
  int* deaths;
};

TEST(LinkedPtrNull, ReleaseDoesNothing) {
  linked_ptr<Counted> p;
  p.release();
  EXPECT_FALSE(p);
  EXPECT_EQ(p.get(), nullptr);
  EXPECT_TRUE(p.unique());
  linked_ptr<Counted> q(p);
  EXPECT_FALSE(q);
}

// A null copy that goes away must not leave its neighbour pointing at it:
// the neighbour is used again afterwards.
TEST(LinkedPtrNull, DestroyedCopyLeavesOriginalAlone) {
  int deaths = 0;
  linked_ptr<Counted> p;
  auto* q = new linked_ptr<Counted>(p);
  delete q;
  // Stop here if p still points at the dead copy: going on would write to it.
  ASSERT_TRUE(p.unique());
  linked_ptr<Counted> r(p); // joins p's ring: must not touch the dead copy
  r = linked_ptr<Counted>(new Counted(&deaths));
  p = r;
  EXPECT_FALSE(p.unique());
  p.release();
  r.release();
  EXPECT_EQ(deaths, 1);
}

// A copy of a null pointer that later takes an object must own it alone: the
// null it was copied from is copied again afterwards.
TEST(LinkedPtrNull, CopyThatTakesAnObjectOwnsIt) {
  int deaths = 0;
  linked_ptr<Counted> p;
  linked_ptr<Counted> q(p);
  q = linked_ptr<Counted>(new Counted(&deaths));
  linked_ptr<Counted> r(p);
  EXPECT_FALSE(r);
  EXPECT_TRUE(q.unique());
  q.release();
  EXPECT_EQ(deaths, 1);
}

class LinkedPtrRing : public ::testing::TestWithParam<std::array<int, 3>> {};

// Three owners released in every order: the object lives until the last one
// lets go and is deleted exactly once.
TEST_P(LinkedPtrRing, LastReleaseDeletesOnce) {
  int deaths = 0;
  linked_ptr<Counted> a(new Counted(&deaths));
  linked_ptr<Counted> b(a);
  linked_ptr<Counted> c;
  c = b;
  linked_ptr<Counted>* owners[] = {&a, &b, &c};
  Counted* object = a.get();
  EXPECT_EQ(b.get(), object);
  EXPECT_EQ(c.get(), object);
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(owners[GetParam()[i]]->unique());
  }
  owners[GetParam()[0]]->release();
  owners[GetParam()[1]]->release();
  EXPECT_EQ(deaths, 0);
  EXPECT_TRUE(owners[GetParam()[2]]->unique());
  EXPECT_EQ(owners[GetParam()[2]]->get(), object);
  owners[GetParam()[2]]->release();
  EXPECT_EQ(deaths, 1);
  a.release();
  b.release();
  c.release();
  EXPECT_EQ(deaths, 1);
}

INSTANTIATE_TEST_SUITE_P(AllOrders, LinkedPtrRing,
                         ::testing::Values(std::array<int, 3>{0, 1, 2}, std::array<int, 3>{0, 2, 1},
                                           std::array<int, 3>{1, 0, 2}, std::array<int, 3>{1, 2, 0},
                                           std::array<int, 3>{2, 0, 1}, std::array<int, 3>{2, 1, 0}));

TEST(LinkedPtrAssign, SelfAssignmentKeepsObject) {
  int deaths = 0;
  {
    linked_ptr<Counted> a(new Counted(&deaths));
    linked_ptr<Counted>& alias = a;
    a = alias;
    EXPECT_EQ(deaths, 0);
    EXPECT_TRUE(a);
    EXPECT_TRUE(a.unique());
  }
  EXPECT_EQ(deaths, 1);
}

TEST(LinkedPtrAssign, SharedObjectStaysAlive) {
  int deaths = 0;
  {
    linked_ptr<Counted> a(new Counted(&deaths));
    linked_ptr<Counted> b(a);
    a = b; // a leaves the ring and joins it again
    EXPECT_EQ(deaths, 0);
    EXPECT_EQ(a.get(), b.get());
    b = a;
    EXPECT_EQ(deaths, 0);
    EXPECT_FALSE(a.unique());
    EXPECT_FALSE(b.unique());
  }
  EXPECT_EQ(deaths, 1);
}

TEST(LinkedPtrAssign, NewObjectOnLastOwnerDeletesOldFirst) {
  int oldDeaths = 0, newDeaths = 0;
  linked_ptr<Counted> a(new Counted(&oldDeaths));
  // The old object must be gone by the time the assignment returns, while
  // the new one is alive and owned by a alone.
  a = linked_ptr<Counted>(new Counted(&newDeaths));
  EXPECT_EQ(oldDeaths, 1);
  EXPECT_EQ(newDeaths, 0);
  EXPECT_TRUE(a.unique());
  a.release();
  EXPECT_EQ(newDeaths, 1);
}

TEST(LinkedPtrAssign, NewObjectOnSharedOwnerKeepsOld) {
  int oldDeaths = 0, newDeaths = 0;
  linked_ptr<Counted> a(new Counted(&oldDeaths));
  linked_ptr<Counted> b(a);
  a = linked_ptr<Counted>(new Counted(&newDeaths));
  EXPECT_EQ(oldDeaths, 0);
  EXPECT_TRUE(a.unique());
  EXPECT_TRUE(b.unique());
  b.release();
  EXPECT_EQ(oldDeaths, 1);
  a.release();
  EXPECT_EQ(newDeaths, 1);
}

} // namespace
