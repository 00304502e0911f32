// Case-insensitive lookups over list controls.
#include "ui/dialogs/listcontrolsearch.h"

#include <QComboBox>
#include <QListWidget>

#include <gtest/gtest.h>

namespace orvane
{
namespace
{

TEST(ListControlSearch, FindsTheFirstItemIgnoringCaseOnly)
{
    QListWidget list;
    list.addItems({ QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("b"), QStringLiteral("café") });
    EXPECT_EQ(TextIndexInList(&list, QStringLiteral("b")), 1);
    EXPECT_EQ(TextIndexInList(&list, QStringLiteral("A")), 0);
    EXPECT_EQ(TextIndexInList(&list, QStringLiteral("CAFÉ")), 3);
    EXPECT_EQ(TextIndexInList(&list, QStringLiteral("cafe")), -1);
    EXPECT_EQ(TextIndexInList(&list, QStringLiteral(" a")), -1);
    EXPECT_TRUE(TextInList(&list, QStringLiteral("B")));
    EXPECT_FALSE(TextInList(&list, QStringLiteral("c")));
    EXPECT_FALSE(TextInList(static_cast<QListWidget *>(nullptr), QStringLiteral("a")));
}

TEST(ListControlSearch, WorksOnDropDownItems)
{
    QComboBox box;
    box.addItems({ QStringLiteral("Sea"), QStringLiteral("sky"), QStringLiteral("SKY") });
    EXPECT_EQ(TextIndexInList(&box, QStringLiteral("Sky")), 1);
    EXPECT_TRUE(TextInList(&box, QStringLiteral("sea")));
    EXPECT_FALSE(TextInList(&box, QStringLiteral("seaside")));
    QComboBox empty;
    EXPECT_EQ(TextIndexInList(&empty, QStringLiteral("a")), -1);
}

} // namespace
} // namespace orvane
