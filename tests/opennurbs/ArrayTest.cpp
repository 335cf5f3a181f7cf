// Kestrin tests: the arrays' element semantics. ON_SimpleArray copies bytes and zero-fills;
// ON_ClassArray keeps every slot up to its capacity constructed, assigns on Append, moves
// elements with their constructors, and destroys from the highest slot down.
#include <opennurbs.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(SimpleArray, GrowsToFourThenDoubles) {
    ON_SimpleArray<int> a;
    std::vector<int> capacities;
    for (int i = 0; i < 9; ++i) {
        a.Append(i);
        capacities.push_back(a.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{4, 4, 4, 4, 8, 8, 8, 8, 16}));
    EXPECT_EQ(a.Count(), 9);
}

TEST(SimpleArray, AppendOfOwnElementWhileGrowing) {
    ON_SimpleArray<int> a;
    for (int i = 0; i < 4; ++i) {
        a.Append(10 + i);
    }
    ASSERT_EQ(a.Count(), a.Capacity());
    a.Append(a[1]); // the source moves with the block
    EXPECT_EQ(a[4], 11);
}

TEST(SimpleArray, RemoveShiftsTailAndZeroFillsVacatedSlot) {
    ON_SimpleArray<int> a;
    for (int i = 1; i <= 4; ++i) {
        a.Append(i);
    }
    a.Remove(1);
    ASSERT_EQ(a.Count(), 3);
    EXPECT_EQ(a[0], 1);
    EXPECT_EQ(a[1], 3);
    EXPECT_EQ(a[2], 4);
    EXPECT_EQ(a.Array()[3], 0);
    a.Remove(7);  // out of range: nothing
    a.Remove(-1); // out of range: nothing
    EXPECT_EQ(a.Count(), 3);
    a.Remove();
    EXPECT_EQ(a.Count(), 2);
    ON_SimpleArray<int> empty;
    empty.Remove();
    EXPECT_EQ(empty.Count(), 0);
}

TEST(SimpleArray, AppendNewIsZeroFilled) {
    ON_SimpleArray<ON_MeshFace> faces;
    faces.Append(ON_MeshFace{{5, 6, 7, 8}});
    faces.Remove();
    const ON_MeshFace& face = faces.AppendNew();
    EXPECT_EQ(face.vi[0], 0);
    EXPECT_EQ(face.vi[3], 0);
}

TEST(SimpleArray, CopyIsIndependent) {
    ON_3dPointArray a;
    a.Append(ON_3dPoint(1, 2, 3));
    ON_3dPointArray b(a);
    b[0].x = 9;
    EXPECT_EQ(a[0].x, 1.0);
    EXPECT_EQ(b.Count(), 1);
}

// Records constructions, assignments and destructions in one shared journal.
class Traced {
public:
    static std::vector<std::string>* journal;
    std::string name = "default";

    Traced() = default;
    explicit Traced(std::string n) : name(std::move(n)) {}
    Traced(const Traced& other) : name(other.name) { journal->push_back("copy " + name); }
    Traced& operator=(const Traced& other) {
        name = other.name;
        journal->push_back("assign " + name);
        return *this;
    }
    ~Traced() { journal->push_back("destroy " + name); }
};
std::vector<std::string>* Traced::journal = nullptr;

class ClassArrayTest : public testing::Test {
protected:
    void SetUp() override { Traced::journal = &m_journal; }
    void TearDown() override { Traced::journal = nullptr; }
    std::vector<std::string> m_journal;
};

TEST_F(ClassArrayTest, AppendAssignsIntoConstructedSlots) {
    ON_ClassArray<Traced> a;
    const Traced first("a");
    a.Append(first);
    EXPECT_EQ(a.Capacity(), 4);
    EXPECT_EQ(m_journal, (std::vector<std::string>{"assign a"}));
}

TEST_F(ClassArrayTest, RemoveDestroysLastAndDestructionRunsHighestSlotFirst) {
    {
        ON_ClassArray<Traced> a;
        for (const char* n : {"e0", "e1", "e2"}) {
            a.Append(Traced(n));
        }
        m_journal.clear();
        a.Remove();
        EXPECT_EQ(m_journal, (std::vector<std::string>{"destroy e2"}));
        EXPECT_EQ(a.Count(), 2);
        m_journal.clear();
    }
    EXPECT_EQ(m_journal, (std::vector<std::string>{"destroy default", "destroy default",
                                                   "destroy e1", "destroy e0"}));
}

TEST_F(ClassArrayTest, RemoveAtIndexMovesTailAndRefreshesLastSlot) {
    ON_ClassArray<Traced> a;
    for (const char* n : {"e0", "e1", "e2"}) {
        a.Append(Traced(n));
    }
    m_journal.clear();
    a.Remove(0);
    // e0 goes first; the tail then moves down by its own constructor (never bytewise).
    ASSERT_FALSE(m_journal.empty());
    EXPECT_EQ(m_journal.front(), "destroy e0");
    EXPECT_EQ(std::count(m_journal.begin(), m_journal.end(), "destroy e0"), 1);
    ASSERT_EQ(a.Count(), 2);
    EXPECT_EQ(a[0].name, "e1");
    EXPECT_EQ(a[1].name, "e2");
    EXPECT_EQ(a.Array()[2].name, "default");
    m_journal.clear();
    a.Remove(5);
    EXPECT_TRUE(m_journal.empty());
}

TEST_F(ClassArrayTest, EmptyDestroysUsedSlotsLastToFirst) {
    ON_ClassArray<Traced> a;
    for (const char* n : {"e0", "e1"}) {
        a.Append(Traced(n));
    }
    m_journal.clear();
    a.Empty();
    EXPECT_EQ(m_journal, (std::vector<std::string>{"destroy e1", "destroy e0"}));
    EXPECT_EQ(a.Count(), 0);
}

TEST_F(ClassArrayTest, AppendNewGivesAFreshObject) {
    ON_ClassArray<Traced> a;
    a.Append(Traced("x"));
    a.Remove();
    EXPECT_EQ(a.AppendNew().name, "default");
}

TEST(ClassArray, HoldsObjectsThatPointIntoThemselves) {
    // Short strings keep their characters inside the object: moving them bytewise would break.
    ON_ClassArray<std::string> a;
    for (int i = 0; i < 40; ++i) {
        a.Append(std::to_string(i));
    }
    a.Remove(0);
    EXPECT_EQ(a[0], "1");
    EXPECT_EQ(a[38], "39");
    EXPECT_EQ(a.Array()[39], "");
}

TEST(ClassArray, HoldsCurvesWithOwnStorageThroughGrowth) {
    ON_ClassArray<ON_NurbsCurve> curves;
    for (int i = 0; i < 20; ++i) {
        ON_NurbsCurve& curve = curves.AppendNew();
        curve.Create(3, false, 2, 2);
        curve.SetCV(1, ON_3dPoint(i, 0, 0));
    }
    ON_3dPoint p;
    ASSERT_TRUE(curves[19].GetCV(1, p));
    EXPECT_EQ(p.x, 19.0);
}

} // namespace
