// The image viewer: stepping through the shown photos, full screen and Esc, the remembered check boxes,
// and the picture itself on a real JPEG.
#include "core/model/fileset.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "support/testfolders.h"
#include "support/testjpeg.h"
#include "ui/main/imageviewer.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>

namespace orvane {
namespace {

class ImageViewerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        Settings();
    }


    void addPhotos(int n)
    {
        for (int i = 0; i < n; ++i) {
            fFileSet.Add(fDir.path() + QStringLiteral("/photo%1.jpg").arg(i));
        }
        fFileSet.ArrangeFilter();
    }

    test::TestFolders fDir;
    TFileSet fFileSet;
};

TEST_F(ImageViewerTest, ArrowsHomeAndEndStepWithoutWrapping)
{
    addPhotos(4);
    TfmView view(&fFileSet, 1);
    view.show();
    EXPECT_EQ(view.statusText(), QStringLiteral("Image 2 of 4"));
    EXPECT_EQ(view.windowTitle(), fFileSet.FilesFiltered(1)->JpgFullName);

    struct Step
    {
        Qt::Key key;
        int index;
    };
    const Step steps[] = {{Qt::Key_Left, 0}, {Qt::Key_Left, 0},  {Qt::Key_End, 3},
                          {Qt::Key_Right, 3}, {Qt::Key_Home, 0}, {Qt::Key_Right, 1}};
    for (const Step &s : steps) {
        QTest::keyClick(&view, s.key);
        EXPECT_EQ(view.Index(), s.index) << s.key;
    }
    EXPECT_EQ(view.statusText(), QStringLiteral("Image 2 of 4"));
    EXPECT_EQ(view.windowTitle(), fFileSet.FilesFiltered(1)->JpgFullName);
}

TEST_F(ImageViewerTest, OnePhotoStaysPut)
{
    addPhotos(1);
    TfmView view(&fFileSet, 0);
    view.show();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Home, Qt::Key_End}) {
        QTest::keyClick(&view, key);
        EXPECT_EQ(view.Index(), 0);
    }
    EXPECT_EQ(view.statusText(), QStringLiteral("Image 1 of 1"));
}

TEST_F(ImageViewerTest, EnterTogglesFullScreenAndEscLeavesItBeforeClosing)
{
    addPhotos(2);
    TfmView view(&fFileSet, 0);
    view.show();
    // The keys reach the viewer even while a check box has the focus.
    QCheckBox *box = view.findChild<QCheckBox *>();
    ASSERT_NE(box, nullptr);
    box->setFocus();
    const bool checked = box->isChecked();

    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(view.isFormFullScreen());
    EXPECT_FALSE(box->isVisible());
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isFormFullScreen());
    EXPECT_TRUE(view.isVisible());
    EXPECT_TRUE(box->isVisible());
    QTest::keyClick(box, Qt::Key_Right);
    EXPECT_EQ(view.Index(), 1);
    EXPECT_EQ(box->isChecked(), checked);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(view.isVisible());
}

TEST_F(ImageViewerTest, CheckBoxesStartFromAndWriteToTheSettings)
{
    addPhotos(1);
    Settings().setShowKeywordsOnPreview(false);
    Settings().setTransparent(true);
    {
        TfmView view(&fFileSet, 0);
        const QList<QCheckBox *> boxes = view.findChildren<QCheckBox *>();
        ASSERT_EQ(boxes.size(), 2);
        EXPECT_FALSE(boxes.at(0)->isChecked());
        EXPECT_TRUE(boxes.at(1)->isChecked());
        boxes.at(0)->click();
        boxes.at(1)->click();
    }
    FreeSettings(); // the next run reads the file again
    EXPECT_TRUE(Settings().ShowKeywordsOnPreview());
    EXPECT_FALSE(Settings().Transparent());
}

// The picture is fitted to the drawing area, centred, and turned upright for a rotated photo.
TEST_F(ImageViewerTest, PictureFillsTheAreaAndIsTurnedForRotatedPhotos)
{
    const QString jpeg = fDir.path() + QStringLiteral("/wide.jpg");
    ASSERT_TRUE(test::WriteTestJpeg(jpeg, 400, 200, QColor(250, 250, 250)));
    TFileInfo *photo = fFileSet.Add(jpeg);
    fFileSet.ArrangeFilter();
    Settings().setShowKeywordsOnPreview(false);
    Settings().setCOLOR(0x000000); // black background, the picture is light

    for (const TRotateAngle angle : {rotNone, rotAngle90}) {
        photo->RotateAngle = angle;
        TfmView view(&fFileSet, 0);
        view.show();
        view.resize(800, 600);
        QWidget *area = nullptr;
        for (QWidget *child : view.findChildren<QWidget *>()) {
            if (!area || child->width() * child->height() > area->width() * area->height()) {
                area = child;
            }
        }
        ASSERT_NE(area, nullptr);
        const QImage shot = area->grab().toImage();
        const QPoint centre = shot.rect().center();
        const auto isPicture = [&shot](QPoint p) { return qGray(shot.pixel(p)) > 40; };
        EXPECT_TRUE(isPicture(centre)) << angle;
        // Wide as it is: the picture reaches the left and right edges; turned it is tall, so it
        // reaches top and bottom and leaves the sides dark.
        EXPECT_EQ(isPicture(QPoint(3, centre.y())), angle == rotNone) << angle;
        EXPECT_EQ(isPicture(QPoint(centre.x(), 3)), angle == rotAngle90) << angle;
    }
}

} // namespace
} // namespace orvane
