#include <gtest/gtest.h>

#include <QFont>

#include "desktop/ui/reading/dasha_tree_model.h"
#include "desktop/ui/reading/dasha_words.h"

namespace grahavani::test {
namespace {

// A Moon at 100° (Pushya, Saturn's nakshatra, 6°40′ run), born at J2000 on Indian time.
constexpr double Moon = 100;
constexpr double Birth = 2451545.0;
constexpr int IndianClock = 19800;

int LordCount(DashaSystem system) { return static_cast<int>(DashaRulers(system).size()); }

TEST(DashaTreeTest, RowsBelowTheSecondLevelAreMadeWhenTheirParentIsOpened) {
    const struct {
        DashaSystem system;
        int depth;
        int timeLength;  // minutes to a depth of 2, seconds deeper
    } cases[] = {
        {DashaSystem::Vimshottari, 1, 16}, {DashaSystem::Vimshottari, 2, 16},
        {DashaSystem::Vimshottari, 5, 19}, {DashaSystem::Yogini, 3, 19},
        {DashaSystem::Ashtottari, 4, 19},
    };
    for (const auto& c : cases) {
        const DashaTimeline timeline = ComputeDashaTimeline(c.system, Moon, Birth, DashaYear::Julian);
        DashaTreeModel model(nullptr);
        model.Reset(timeline, c.depth, IndianClock, 0);
        const int lords = LordCount(c.system);
        ASSERT_EQ(model.rowCount({}), static_cast<int>(timeline.Mahadashas.size()));
        // Walk the first period of every level: each level below the second waits for fetchMore.
        QModelIndex period = model.index(0, 0, {});
        for (int level = 1; level <= c.depth; ++level) {
            EXPECT_EQ(period.data(Qt::AccessibleDescriptionRole).toString(),
                      QLatin1String(DashaLevelNames[level - 1].data())) << level;
            EXPECT_EQ(period.siblingAtColumn(1).data().toString().size(), c.timeLength) << level;
            const bool deepest = level == c.depth;
            EXPECT_EQ(model.hasChildren(period), !deepest) << level;
            if (deepest) break;
            EXPECT_EQ(model.rowCount(period), level == 1 ? lords : 0) << level;
            EXPECT_EQ(model.canFetchMore(period), level > 1) << level;
            model.fetchMore(period);
            ASSERT_EQ(model.rowCount(period), lords) << level;
            EXPECT_FALSE(model.canFetchMore(period));
            // The sub-periods tile their period, from its own lord.
            const QModelIndex first = model.index(0, 0, period), last = model.index(lords - 1, 0, period);
            EXPECT_EQ(first.data(), period.data()) << level;
            EXPECT_EQ(first.siblingAtColumn(1).data(), period.siblingAtColumn(1).data()) << level;
            EXPECT_EQ(last.siblingAtColumn(2).data(), period.siblingAtColumn(2).data()) << level;
            EXPECT_EQ(model.parent(first), period) << level;
            period = first;
        }
        // The second mahadasha's rows below its antardashas were never made.
        const QModelIndex second = model.index(1, 0, {});
        if (c.depth > 2) {
            EXPECT_EQ(model.rowCount(model.index(0, 0, second)), 0);
        }
    }
}

TEST(DashaTreeTest, RunningChainReadsAsRunningToTheDepthShown) {
    const struct {
        DashaSystem system;
        int depth;
        const char* firstLord;
    } cases[] = {
        {DashaSystem::Vimshottari, 5, "Saturn"},
        {DashaSystem::Yogini, 2, "Dhanya (Jupiter)"},
        {DashaSystem::Ashtottari, 3, "Sun"},
    };
    for (const auto& c : cases) {
        const DashaTimeline timeline = ComputeDashaTimeline(c.system, Moon, Birth, DashaYear::Julian);
        const double now = Birth + 20 * 365.25;
        const RunningDashas expected = *timeline.RunningAt(now);
        DashaTreeModel model(nullptr);
        model.Reset(timeline, c.depth, IndianClock, now);
        EXPECT_EQ(model.index(0, 0, {}).data().toString(), c.firstLord);
        const QList<QModelIndex> chain = model.RunningChain();
        ASSERT_EQ(chain.size(), c.depth);
        for (int level = 0; level < c.depth; ++level) {
            const QModelIndex row = chain[level];
            EXPECT_EQ(row.data().toString(),
                      DashaRulerWords(c.system, expected[static_cast<std::size_t>(level)].Ruler));
            EXPECT_EQ(row.siblingAtColumn(3).data().toString(), "▶ now") << level;
            EXPECT_EQ(row.siblingAtColumn(3).data(Qt::AccessibleTextRole).toString(), "running");
            EXPECT_TRUE(row.data(Qt::FontRole).value<QFont>().bold()) << level;
            if (level > 0) {
                EXPECT_EQ(model.parent(row), chain[level - 1]) << level;
            }
        }
        // A period not running reads no mark and is not bold.
        const QModelIndex other = model.index(chain.first().row() == 0 ? 1 : 0, 3, {});
        EXPECT_EQ(other.data().toString(), "");
        EXPECT_FALSE(other.data(Qt::FontRole).isValid());
        // Before the first mahadasha nothing runs.
        model.Reset(timeline, c.depth, IndianClock, timeline.FirstStartJulianDayUT - 1);
        EXPECT_TRUE(model.RunningChain().isEmpty());
    }
}

TEST(DashaTreeTest, BalanceReadsInTheSystemsWords) {
    const struct {
        DashaSystem system;
        DashaBalance balance;
        const char* words;
    } cases[] = {
        {DashaSystem::Vimshottari, {5, 2, 3, 10}, "Balance of Rahu mahadasha at birth: 2 years 3 months 10 days"},
        {DashaSystem::Vimshottari, {0, 1, 1, 1}, "Balance of Ketu mahadasha at birth: 1 year 1 month 1 day"},
        {DashaSystem::Yogini, {1, 0, 11, 29},
         "Balance of Pingala (Sun) yogini dasha at birth: 0 years 11 months 29 days"},
        {DashaSystem::Ashtottari, {7, 20, 0, 0}, "Balance of Venus mahadasha at birth: 20 years 0 months 0 days"},
    };
    for (const auto& c : cases) {
        DashaTimeline timeline;
        timeline.System = c.system;
        timeline.Balance = c.balance;
        EXPECT_EQ(DashaBalanceWords(timeline), QString::fromUtf8(c.words));
    }
}

}  // namespace
}  // namespace grahavani::test
