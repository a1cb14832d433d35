#include "toolbox/ContainingList.h"

#include "CountedValue.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using toolbox::ContainingList;
using toolbox::ContainingListItem;

namespace {

struct Node : ContainingListItem<Node>, CountedValue {
    explicit Node(int key = 0)
        : CountedValue(key)
    {
    }
};

// A list whose items match by key, as a derived list may define it.
class KeyedList : public ContainingList<Node> {
public:
    int Compare(const Node* a, const Node* b) const override { return a->GetKey() - b->GetKey(); }
};

int ByKey(Node* a, Node* b)
{
    return a->GetKey() - b->GetKey();
}

std::vector<int> Serials(const ContainingList<Node>& list)
{
    std::vector<int> serials;
    for (Node* node : list)
        serials.push_back(node->GetSerial());
    return serials;
}

class ContainingListTest : public CountedValueTest { };

} // namespace

TEST_F(ContainingListTest, AddLinksItemsBothWaysInOrder)
{
    ContainingList<Node> list;
    auto* first = new Node;
    auto* second = new Node;
    auto* third = new Node;
    list.Add(first);
    list.Add(second);
    list.Add(third);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetHead(), first);
    EXPECT_EQ(list.GetTail(), third);
    EXPECT_EQ(first->GetNext(), second);
    EXPECT_EQ(third->GetPrevious(), second);
    EXPECT_EQ(second->GetPrevious(), first);
    EXPECT_EQ(first->GetPrevious(), nullptr);
    EXPECT_EQ(third->GetNext(), nullptr);
}

TEST_F(ContainingListTest, PopLastHandsTheTailToTheCallerWithClearedLinks)
{
    ContainingList<Node> list;
    auto* first = new Node;
    auto* last = new Node;
    list.Add(first);
    list.Add(last);
    Node* popped = list.PopLast();
    EXPECT_EQ(popped, last);
    EXPECT_EQ(popped->GetPrevious(), nullptr);
    EXPECT_EQ(list.GetTail(), first);
    EXPECT_EQ(first->GetNext(), nullptr);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(CountedValue::TimesDestroyed(popped->GetSerial()), 0);
    delete popped;
}

TEST_F(ContainingListTest, PopAndDeleteLastOnAnEmptyListGiveNullAndFalse)
{
    ContainingList<Node> list;
    EXPECT_EQ(list.PopLast(), nullptr);
    EXPECT_FALSE(list.DeleteLast());
    EXPECT_EQ(list.GetHead(), nullptr);
}

TEST_F(ContainingListTest, DeleteLastDeletesOnlyTheTail)
{
    ContainingList<Node> list;
    auto* first = new Node;
    auto* last = new Node;
    list.Add(first);
    list.Add(last);
    int lastSerial = last->GetSerial();
    EXPECT_TRUE(list.DeleteLast());
    EXPECT_EQ(CountedValue::TimesDestroyed(lastSerial), 1);
    EXPECT_EQ(list.GetHead(), first);
    EXPECT_EQ(list.GetTail(), first);
}

TEST_F(ContainingListTest, RemoveUnlinksAMiddleItemAndKeepsItAlive)
{
    ContainingList<Node> list;
    auto* first = new Node;
    auto* middle = new Node;
    auto* last = new Node;
    list.Add(first);
    list.Add(middle);
    list.Add(last);
    EXPECT_EQ(list.Remove(middle), middle);
    EXPECT_EQ(middle->GetNext(), nullptr);
    EXPECT_EQ(middle->GetPrevious(), nullptr);
    EXPECT_EQ(first->GetNext(), last);
    EXPECT_EQ(last->GetPrevious(), first);
    EXPECT_EQ(list.GetCount(), 2);
    delete middle;
}

TEST_F(ContainingListTest, RemoveAndDeleteOfAnAbsentItemChangeNothing)
{
    ContainingList<Node> list;
    list.Add(new Node);
    Node stranger;
    EXPECT_EQ(list.Remove(&stranger), nullptr);
    EXPECT_FALSE(list.Delete(&stranger));
    EXPECT_FALSE(list.Delete(nullptr));
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(CountedValue::TimesDestroyed(stranger.GetSerial()), 0);
}

TEST_F(ContainingListTest, RemoveReturnsTheUnlinkedItemWhenAnotherComparesEqual)
{
    KeyedList list;
    auto* stored = new Node(7);
    list.Add(stored);
    Node probe(7);
    EXPECT_EQ(list.Remove(&probe), stored);
    EXPECT_EQ(list.GetCount(), 0);
    delete stored;
}

TEST_F(ContainingListTest, DeleteDestroysTheStoredItemNotTheProbe)
{
    KeyedList list;
    auto* stored = new Node(7);
    int storedSerial = stored->GetSerial();
    list.Add(stored);
    Node probe(7);
    EXPECT_TRUE(list.Delete(&probe));
    EXPECT_EQ(CountedValue::TimesDestroyed(storedSerial), 1);
    EXPECT_EQ(CountedValue::TimesDestroyed(probe.GetSerial()), 0);
}

TEST_F(ContainingListTest, DeleteAllAndDestructionDeleteEveryItemOnce)
{
    {
        ContainingList<Node> list;
        for (int i = 0; i < 5; ++i)
            list.Add(new Node(i));
        list.DeleteAll();
        EXPECT_EQ(list.GetCount(), 0);
        EXPECT_EQ(list.GetHead(), nullptr);
        EXPECT_EQ(list.GetTail(), nullptr);
        for (int i = 0; i < 3; ++i)
            list.Add(new Node(i));
    }
    for (int serial = 0; serial < 8; ++serial)
        EXPECT_EQ(CountedValue::TimesDestroyed(serial), 1) << serial;
}

TEST_F(ContainingListTest, SortPutsTheEarliestOfEqualItemsFirst)
{
    ContainingList<Node> list;
    auto* b1 = new Node(2);
    auto* b2 = new Node(2);
    auto* a = new Node(1);
    list.Add(b1);
    list.Add(b2);
    list.Add(a);
    list.Sort(ByKey);
    EXPECT_EQ(Serials(list), (std::vector<int> { a->GetSerial(), b1->GetSerial(), b2->GetSerial() }));
    EXPECT_EQ(list.GetTail(), b2);
    EXPECT_EQ(b2->GetPrevious(), b1);
}

TEST_F(ContainingListTest, SortOrdersManyKeysAndKeepsEqualKeysInInsertionOrder)
{
    ContainingList<Node> list;
    for (int i = 0; i < 60; ++i)
        list.Add(new Node((i * 37) % 11));
    list.Sort(ByKey);
    ASSERT_EQ(list.GetCount(), 60);
    for (Node* node = list.GetHead(); node->GetNext(); node = node->GetNext()) {
        Node* next = node->GetNext();
        ASSERT_LE(node->GetKey(), next->GetKey());
        if (node->GetKey() == next->GetKey()) {
            EXPECT_LT(node->GetSerial(), next->GetSerial());
        }
        EXPECT_EQ(next->GetPrevious(), node);
    }
}

TEST_F(ContainingListTest, SortWithoutComparatorOrdersByAddress)
{
    ContainingList<Node> list;
    for (int i = 0; i < 6; ++i)
        list.Add(new Node);
    list.Sort();
    for (Node* node = list.GetHead(); node->GetNext(); node = node->GetNext())
        EXPECT_LT(list.Compare(node, node->GetNext()), 0);
}

TEST_F(ContainingListTest, AThrowingComparatorLosesNoItem)
{
    ContainingList<Node> list;
    for (int i = 0; i < 5; ++i)
        list.Add(new Node(5 - i));
    int calls = 0;
    auto failing = [&calls](Node* a, Node* b) {
        if (++calls == 6)
            throw std::runtime_error("comparison failed");
        return ByKey(a, b);
    };
    EXPECT_THROW(list.Sort(failing), std::runtime_error);
    EXPECT_EQ(list.GetCount(), 5);
    EXPECT_EQ(Serials(list).size(), 5u);
}
