// The style picker's preview and cancel rule, and the about box.
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/stylesdialog.h"

#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "ui/main/themes.h"
#include "support/testfolders.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace orvane {
namespace {

class StylePickerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        Settings().setStyleName(QStringLiteral("Carbon"));
        ASSERT_TRUE(ApplyTheme(QStringLiteral("Carbon")));
    }


    test::TestFolders fDir;
};

TEST_F(StylePickerTest, ListsEveryStyleSortedIgnoringCaseWithTheActiveOneSelected)
{
    TfmStyles picker;
    QStringList shown;
    for (int i = 0; i < picker.lbStyles->count(); ++i) {
        shown.append(picker.lbStyles->item(i)->text());
    }
    QStringList expected = ThemeNames();
    std::sort(expected.begin(), expected.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(shown.contains(QStringLiteral("Windows")));
    EXPECT_TRUE(shown.contains(QStringLiteral("Iceberg Classico")));
    ASSERT_NE(picker.lbStyles->currentItem(), nullptr);
    EXPECT_EQ(picker.lbStyles->currentItem()->text(), QStringLiteral("Carbon"));
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Styles"));
    EXPECT_EQ(picker.btProgramDefault->text(), QStringLiteral("Set program default  style"));
    EXPECT_TRUE(picker.btCancel->isDefault());
}

TEST_F(StylePickerTest, ChoosingPreviewsAndEscOrEnterUndoesThePreview)
{
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        TfmStyles picker;
        picker.show();
        for (const QString &name : {QStringLiteral("Sky"), QStringLiteral("Windows"), QStringLiteral("Amakrits")}) {
            picker.lbStyles->setCurrentItem(picker.lbStyles->findItems(name, Qt::MatchExactly).first());
            EXPECT_EQ(CurrentThemeName(), name);
        }
        // Arrow keys preview too.
        picker.lbStyles->setFocus();
        QTest::keyClick(picker.lbStyles, Qt::Key_Down);
        EXPECT_EQ(CurrentThemeName(), picker.lbStyles->currentItem()->text());
        QTest::keyClick(picker.lbStyles, key);
        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(picker.result(), QDialog::Rejected);
        EXPECT_EQ(CurrentThemeName(), QStringLiteral("Carbon"));
        EXPECT_EQ(Settings().StyleName(), QStringLiteral("Carbon"));
    }
}

TEST_F(StylePickerTest, WindowsDefaultThenOkIsStored)
{
    {
        TfmStyles picker;
        picker.show();
        picker.btWindowsDefault->click();
        EXPECT_EQ(picker.lbStyles->currentItem()->text(), QStringLiteral("Windows"));
        EXPECT_EQ(CurrentThemeName(), QStringLiteral("Windows"));
        picker.btOK->click();
    }
    EXPECT_EQ(Settings().StyleName(), QStringLiteral("Windows"));
    EXPECT_EQ(CurrentThemeName(), QStringLiteral("Windows"));
    FreeSettings();
    EXPECT_EQ(Settings().StyleName(), QStringLiteral("Windows"));

    TfmStyles picker;
    picker.show();
    picker.btProgramDefault->click();
    EXPECT_EQ(CurrentThemeName(), QStringLiteral("Iceberg Classico"));
    picker.close(); // the close box cancels too
    EXPECT_EQ(CurrentThemeName(), QStringLiteral("Windows"));
}

TEST(AboutBox, ShowsTheVersionAndABlueUnderlinedLink)
{
    TfmAbout about;
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about.lbVersion->text(), QStringLiteral("Orvane - version 1.7"));
    EXPECT_EQ(about.lbHomepage->text(), HomePageAddress());
    EXPECT_TRUE(about.lbHomepage->font().underline());
    EXPECT_EQ(about.lbHomepage->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(about.size(), QSize(274, 244));
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

} // namespace
} // namespace orvane
