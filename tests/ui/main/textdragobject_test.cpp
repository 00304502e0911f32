// The keyword drag payload: its header, its mime data and the size limits of its drag image.
#include "ui/main/textdragobject.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

namespace orvane {
namespace {

TEST(TextDragObject, HeaderNamesTheTargetCountFromTwoSelectedPhotos)
{
    EXPECT_EQ(TTextDragObject::HeaderFor(0), QStringLiteral(" "));
    EXPECT_EQ(TTextDragObject::HeaderFor(1), QStringLiteral(" "));
    EXPECT_EQ(TTextDragObject::HeaderFor(3), QStringLiteral("Drop into (3) files"));
}

TEST(TextDragObject, CarriesTheKeywordsAsItsOwnFormatAndAsText)
{
    TTextDragObject payload(nullptr);
    payload.setKeywords({QStringLiteral("Zürich"), QStringLiteral("Salt & Pepper"), QStringLiteral("cat")});
    EXPECT_TRUE(TTextDragObject::hasKeywords(&payload));
    const QStringList expected{"cat", "Salt & Pepper", "Zürich"};
    EXPECT_EQ(TTextDragObject::keywordsFrom(&payload), expected);
    EXPECT_EQ(payload.text(), expected.join(QLatin1Char('\n')));

    // The same format from elsewhere (another window of ours) is read from the bytes.
    QMimeData foreign;
    foreign.setData(QString::fromLatin1(KeywordsMimeType), expected.join(QLatin1Char('\n')).toUtf8());
    EXPECT_EQ(TTextDragObject::keywordsFrom(&foreign), expected);

    QMimeData plain;
    plain.setText(QStringLiteral("cat"));
    EXPECT_FALSE(TTextDragObject::hasKeywords(&plain));
    EXPECT_TRUE(TTextDragObject::keywordsFrom(&plain).isEmpty());
}

TEST(TextDragObject, DragImageNeverExceedsHalfTheScreenWideOrThreeQuartersHigh)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    TTextDragObject many(nullptr);
    many.HeaderText = TTextDragObject::HeaderFor(12);
    QStringList keywords;
    for (int i = 0; i < 500; ++i) {
        keywords.append(QStringLiteral("A rather long keyword number %1 that keeps going on and on").arg(i));
    }
    many.setKeywords(keywords);
    const QPixmap image = many.dragImage();
    EXPECT_LE(image.width(), qRound(screen.width() * 0.5));
    EXPECT_LE(image.height(), qRound(screen.height() * 0.75));
    EXPECT_EQ(many.dragImage().cacheKey(), image.cacheKey()); // built once

    TTextDragObject few(nullptr);
    few.HeaderText = QStringLiteral(" ");
    few.setKeywords({QStringLiteral("a")});
    const QPixmap small = few.dragImage();
    EXPECT_GT(small.width(), 0);
    EXPECT_LT(small.height(), image.height());
    EXPECT_LT(few.dragHotSpot().x(), 0);
    EXPECT_LT(few.dragHotSpot().y(), 0);
}

TEST(TextDragObject, SecondDragWhileOneIsActiveAndDragsFromEmptyListsAreRefused)
{
    ResetKeywordDragState();
    KeywordDragState().KeywordDragActive = true;
    EXPECT_FALSE(ExecKeywordDrag(nullptr, 3, {QStringLiteral("a")}, 0));
    ResetKeywordDragState();
    EXPECT_FALSE(ExecKeywordDrag(nullptr, 0, {}, 0));
    EXPECT_FALSE(KeywordDragState().KeywordDragActive);
    EXPECT_EQ(KeywordDragState().DragOverCol, -1);
}

} // namespace
} // namespace orvane
