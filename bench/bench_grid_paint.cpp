// How long one full paint of a 1600 x 1000 thumbnail grid (200 x 200 thumbnails) takes offscreen,
// every bitmap file read again as the grid does, against the bare cost of reading the visible bitmap
// files as a reference measured in the same run.
#include "core/model/fileset.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "ui/main/thumbgrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace orvane;

namespace {

// A photo-like picture: a sky-to-ground gradient with some blobs, landscape or portrait.
QImage MakeThumbnailPicture(int index)
{
    const bool portrait = index % 4 == 3;
    QImage image(portrait ? 150 : 200, portrait ? 200 : 150, QImage::Format_RGB888);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor::fromHsv((index * 37) % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv((index * 37 + 120) % 360, 180, 90));
    painter.fillRect(image.rect(), sky);
    QRandomGenerator random(quint32(index + 1));
    for (int i = 0; i < 12; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 150, 200));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(random.bounded(image.width()), random.bounded(image.height())), 12, 9);
    }
    return image;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double MedianMs(int runs, const std::function<void()> &before, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        before();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return Median(times);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SetDataFolder(dir.path() + QLatin1Char('/'));

    // 10,000 photos sharing 60 thumbnail files, most with a handful of keywords.
    constexpr int fileCount = 60;
    QStringList bmpFiles;
    for (int i = 0; i < fileCount; ++i) {
        const QString path = dir.path() + QStringLiteral("/thumb%1.bmp").arg(i);
        MakeThumbnailPicture(i).save(path, "BMP");
        bmpFiles << path;
    }
    const QStringList words = {QStringLiteral("Beach"),   QStringLiteral("Family"), QStringLiteral("Holiday 2023"),
                               QStringLiteral("Sunset"),  QStringLiteral("Anna"),   QStringLiteral("Mountains & lakes"),
                               QStringLiteral("Dog"),     QStringLiteral("Garden"), QStringLiteral("Birthday"),
                               QStringLiteral("Grandma"), QStringLiteral("Snow"),   QStringLiteral("City walk")};
    TFileSet fileSet;
    for (int i = 0; i < 10000; ++i) {
        TFileInfo *photo = fileSet.Add(QStringLiteral("/photos/2023/IMG_%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
        photo->BmpThumbFullName = bmpFiles.at(i % fileCount);
        photo->RotateAngle = i % 7 == 0 ? rotAngle90 : rotNone;
        for (int k = 0; k < i % 9; ++k) {
            photo->KeywordList.Add(words.at((i + k * 5) % words.size()));
        }
        photo->Selected = i % 11 == 0;
    }
    fileSet.ArrangeFilter();

    TThumbGrid grid;
    grid.setFileSet(&fileSet);
    grid.show();
    // Make the drawing surface itself 1600 x 1000, whatever the frame and scroll bars take.
    for (int round = 0; round < 3; ++round) {
        grid.resize(grid.size() + (QSize(1600, 1000) - grid.viewport()->size()));
        QCoreApplication::processEvents();
    }
    grid.UpdateGridSize();
    const QRect area = grid.viewport()->rect();
    QImage target(area.size(), QImage::Format_ARGB32_Premultiplied);
    const auto paint = [&]() {
        QPainter painter(&target);
        grid.paintCells(painter, area);
    };
    const int visibleCells = grid.colCount() * ((area.height() + grid.rowHeight() + 3) / (grid.rowHeight() + 4));

    // Each run paints another part of the folder, as scrolling does.
    QRandomGenerator random(7);
    const auto scroll = [&]() { grid.setTopRow(random.bounded(grid.rowCount())); };
    paint();
    constexpr int runs = 200;
    const double scrolled = MedianMs(runs, scroll, paint);
    const double repainted = MedianMs(runs, []() {}, paint);
    const double reading = MedianMs(runs, []() {}, [&]() {
        for (int i = 0; i < visibleCells; ++i) {
            const QImage image(bmpFiles.at(i % fileCount), "BMP");
            Q_ASSERT(!image.isNull());
        }
    });

    std::printf("grid %dx%d, cells %dx%d px, %d columns, about %d cells visible\n", area.width(), area.height(),
                grid.colWidth(), grid.rowHeight(), grid.colCount(), visibleCells);
    std::printf("full paint at a random scroll position: %.2f ms median\n", scrolled);
    std::printf("full repaint at the same position:      %.2f ms median\n", repainted);
    std::printf("reference, reading %d bitmap files only: %.2f ms median\n", visibleCells, reading);
    std::printf("ratios to the reference: scrolled %.2f, repainted %.2f\n", scrolled / reading,
                repainted / reading);
    return 0;
}
