#pragma once
// A dasha as a tree of periods: the mahadashas with their antardashas at once, and the
// periods below those made only when their parent is opened, so that a tree five levels
// deep (59,049 prana dashas of the Vimshottari) costs no more to show than two levels.
// Columns Lord, Start and End (on the chart's clock) and Running; the periods running at
// the moment given read "▶ now" (to a screen reader "running") and are bold.

#include <memory>
#include <optional>
#include <vector>

#include <QAbstractItemModel>

#include "timing/dasha_timeline.h"

namespace grahavani {

class DashaTreeModel final : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { LordColumn, StartColumn, EndColumn, RunningColumn, ColumnCount };

    explicit DashaTreeModel(QObject* parent);
    ~DashaTreeModel() override;

    // Shows the timeline's periods to `depth` levels (1 to DeepestDashaLevel), marking those
    // running at `nowJulianDayUT`. Times are to the minute to a depth of 2, else to the second.
    void Reset(const DashaTimeline& timeline, int depth, int clockOffsetSeconds, double nowJulianDayUT);
    // The rows of the periods running now, from the mahadasha to the depth shown, made as
    // needed; empty when nothing runs now.
    QList<QModelIndex> RunningChain();

    QModelIndex index(int row, int column, const QModelIndex& parent) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    bool hasChildren(const QModelIndex& parent) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Node;
    Node* NodeAt(const QModelIndex& index) const;
    const std::vector<std::unique_ptr<Node>>& ChildrenOf(const QModelIndex& parent) const;
    void MakeChildren(Node& node);
    bool IsRunning(const DashaPeriod& period) const;
    QString TimeText(std::int64_t tick) const;

    DashaTimeline timeline_;
    int depth_ = 1;
    int clockOffsetSeconds_ = 0;
    std::optional<RunningDashas> running_;
    std::vector<std::unique_ptr<Node>> mahadashas_;
};

}  // namespace grahavani
