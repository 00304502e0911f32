// How quickly the cascade filter answers a pick and a change of a level's text filter, and how
// long "Refresh Filter" takes, on 10,000 photos carrying 5 to 15 keywords each from a vocabulary
// of 2,000 (records built in memory). The reference, measured in the same run, is one bare walk
// over every photo's keyword list looking up one keyword: the least work any pick must do.
#include "core/model/fileset.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "ui/dialogs/cascade.h"
#include "ui/dialogs/cascadefilterdialog.h"
#include "ui/main/commands.h"
#include "ui/main/filtercommands.h"
#include "ui/main/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

using namespace orvane;

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Median milliseconds of work over runs; before runs untimed ahead of each run.
double MedianMs(int runs, const std::function<void(int)> &before, const std::function<void(int)> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        before(i);
        QElapsedTimer timer;
        timer.start();
        work(i);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return Median(times);
}

// Words that look like keywords: a syllable pair and a number, unique per index.
QString VocabularyWord(int index)
{
    static const char *const syllables[] = {"sky", "sea", "tree", "boat", "moun", "rock", "lake", "city", "snow", "sun",
                                            "dog", "cat", "road", "bird", "leaf", "sand", "wave", "hill", "star", "fog"};
    return QStringLiteral("%1%2 %3")
        .arg(QString::fromLatin1(syllables[index % 20]).toUpper().left(1) + QString::fromLatin1(syllables[index % 20]).mid(1))
        .arg(QString::fromLatin1(syllables[(index / 20) % 20]))
        .arg(index);
}

// Keyword i is drawn with a weight of 1 / (i + 1): a few keywords sit on thousands of photos,
// most on a handful, as in real collections.
void FillPhotos(TFileSet &files, int photoCount, const QStringList &vocabulary)
{
    std::vector<double> cumulative(std::size_t(vocabulary.size()));
    double sum = 0;
    for (int i = 0; i < vocabulary.size(); ++i) {
        sum += 1.0 / (i + 1);
        cumulative[std::size_t(i)] = sum;
    }
    QRandomGenerator random(20240611);
    for (int p = 0; p < photoCount; ++p) {
        TFileInfo *photo = files.Add(QStringLiteral("/photos/%1/IMG_%2.jpg").arg(p / 500).arg(p, 5, 10, QLatin1Char('0')));
        const int count = 5 + int(random.bounded(11));
        QStringList keywords;
        while (keywords.size() < count) {
            const double r = random.generateDouble() * sum;
            const auto it = std::lower_bound(cumulative.begin(), cumulative.end(), r);
            const QString &word = vocabulary.at(int(it - cumulative.begin()));
            if (!keywords.contains(word)) {
                keywords << word;
            }
        }
        photo->KeywordList = TKwStringList(keywords);
    }
    files.ClearFilter();
}

int RowOf(const QListWidget *list, const QString &text)
{
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text() == text) {
            return i;
        }
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("photos"), QStringLiteral("Number of photos."), QStringLiteral("n"), QStringLiteral("10000")});
    parser.addOption({QStringLiteral("keywords"), QStringLiteral("Vocabulary size."), QStringLiteral("n"), QStringLiteral("2000")});
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Runs per measurement."), QStringLiteral("n"), QStringLiteral("21")});
    parser.process(app);
    const int photoCount = parser.value(QStringLiteral("photos")).toInt();
    const int vocabularySize = parser.value(QStringLiteral("keywords")).toInt();
    const int runs = parser.value(QStringLiteral("runs")).toInt();

    QTemporaryDir data;
    SetDataFolder(data.path() + QLatin1Char('/'));
    qputenv("TMPDIR", QFile::encodeName(data.path()));
    Settings().setCascadeCount(4);
    Settings().setAutoFocusNextCascade(true);

    QStringList vocabulary;
    for (int i = 0; i < vocabularySize; ++i) {
        vocabulary << VocabularyWord(i);
    }

    TfmMain window;
    window.resize(1600, 1000);
    window.show();
    TFileSet &files = window.fileSet();
    FillPhotos(files, photoCount, vocabulary);
    window.GlobalKeywordList = files.GetKeywordsList(ksAll);
    window.FillKeywordListBox();
    window.UpdateGridSize();
    QCoreApplication::processEvents();

    std::printf("%d photos, %d keywords in use (vocabulary %d), %d runs per figure\n", files.CountAll(),
                window.GlobalKeywordList.Count(), vocabularySize, runs);

    // Reference: one walk over all photos looking up one keyword in each keyword list.
    volatile int sink = 0;
    const double reference = MedianMs(runs, [](int) {}, [&](int run) {
        const QString &keyword = vocabulary.at(run % 50);
        int found = 0;
        for (int i = 0; i < files.CountAll(); ++i) {
            found += files.FilesAll(i)->KeywordList.ContainsString(keyword) ? 1 : 0;
        }
        sink = found;
    });

    // Which keywords to pick: the most used, a middling and a rare one.
    const QString frequent = vocabulary.at(0);
    const QString middling = vocabulary.at(40);
    const QString rare = vocabulary.at(900);
    int carriers[3] = {0, 0, 0};
    for (int i = 0; i < files.CountAll(); ++i) {
        const TKwStringList &keywords = files.FilesAll(i)->KeywordList;
        carriers[0] += keywords.ContainsString(frequent) ? 1 : 0;
        carriers[1] += keywords.ContainsString(middling) ? 1 : 0;
        carriers[2] += keywords.ContainsString(rare) ? 1 : 0;
    }

    TfmCascadeFilter dialog(window.GlobalKeywordList, window.KeywordFilter, files, &window);
    dialog.show();
    QCoreApplication::processEvents();
    QListWidget *level0 = dialog.cascade(0).LB;

    const QString picks[3] = {frequent, middling, rare};
    double pickMs[3];
    for (int k = 0; k < 3; ++k) {
        // Alternate with another keyword so that every timed pick is a real change.
        const QString other = vocabulary.at(k == 0 ? 1 : 0);
        pickMs[k] = MedianMs(
            runs, [&](int) { level0->setCurrentRow(RowOf(level0, other)); QCoreApplication::processEvents(); },
            [&](int) {
                level0->setCurrentRow(RowOf(level0, picks[k]));
                QCoreApplication::processEvents();
            });
    }

    // A change of level 1's text filter after the most used keyword was picked in level 0
    // (level 1 then offers the most keywords), and of level 0's over the whole vocabulary.
    level0->setCurrentRow(RowOf(level0, frequent));
    QLineEdit *edit1 = dialog.cascade(1).Edit;
    const int level1Keywords = dialog.cascade(1).LB->count();
    const QString texts[] = {QStringLiteral("s"), QStringLiteral("sk"), QStringLiteral("a"), QStringLiteral("ro")};
    const double text1Ms = MedianMs(runs, [](int) {}, [&](int run) {
        edit1->setText(texts[run % 4]);
        QCoreApplication::processEvents();
    });
    QLineEdit *edit0 = dialog.cascade(0).Edit;
    const double text0Ms = MedianMs(runs, [](int) {}, [&](int run) {
        edit0->setText(texts[run % 4]);
        QCoreApplication::processEvents();
    });
    dialog.close();

    // "Refresh Filter" with a filter on the most used keyword, grid repaint included.
    window.KeywordFilter.ClearFilter();
    window.KeywordFilter.ContainSome.Add(frequent);
    window.KeywordFilter.ContainNone.Add(vocabulary.at(3));
    QAction *refresh = window.commands().aRefreshFilter;
    const double refreshMs = MedianMs(runs, [&](int) { files.ClearFilter(); }, [&](int) {
        refresh->trigger();
        QCoreApplication::processEvents();
    });
    const int shownAfterRefresh = files.CountFiltered();

    std::printf("reference: one walk over every photo's keywords   %8.2f ms\n", reference);
    const char *names[3] = {"most used", "middling", "rare"};
    for (int k = 0; k < 3; ++k) {
        std::printf("pick in level 0, %-9s keyword (%5d photos)  %8.2f ms  (%.1f x reference)\n", names[k],
                    carriers[k], pickMs[k], pickMs[k] / reference);
    }
    std::printf("text filter of level 1 (%4d keywords)            %8.2f ms  (%.1f x reference)\n", level1Keywords,
                text1Ms, text1Ms / reference);
    std::printf("text filter of level 0 (%4d keywords)            %8.2f ms  (%.1f x reference)\n",
                window.GlobalKeywordList.Count(), text0Ms, text0Ms / reference);
    std::printf("Refresh Filter (%5d photos shown)                %8.2f ms  (%.1f x reference)\n", shownAfterRefresh,
                refreshMs, refreshMs / reference);
    const double worst = std::max({pickMs[0], pickMs[1], pickMs[2], text1Ms, text0Ms, refreshMs});
    std::printf("goal: each under 50 ms median: %s (slowest %.2f ms)\n", worst < 50 ? "met" : "NOT met", worst);
    (void)sink;
    return 0;
}
