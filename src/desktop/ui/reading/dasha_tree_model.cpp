#include "desktop/ui/reading/dasha_tree_model.h"
#include "timing/timing_names_in.h"
#include "desktop/ui/language/desktop_translator.h"

#include <QFont>

#include "desktop/ui/reading/dasha_words.h"
#include "timing/local_time.h"

namespace grahavani {

struct DashaTreeModel::Node {
    DashaPeriod Period;
    Node* Parent = nullptr;
    int Row = 0;
    bool ChildrenMade = false;
    std::vector<std::unique_ptr<Node>> Children;
};

DashaTreeModel::DashaTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

DashaTreeModel::~DashaTreeModel() = default;

void DashaTreeModel::Reset(const DashaTimeline& timeline, int depth, int clockOffsetSeconds,
                           double nowJulianDayUT) {
    beginResetModel();
    timeline_ = timeline;
    depth_ = depth;
    clockOffsetSeconds_ = clockOffsetSeconds;
    running_ = timeline_.RunningAt(nowJulianDayUT);
    mahadashas_.clear();
    for (const DashaPeriod& period : timeline_.Mahadashas) {
        auto node = std::make_unique<Node>();
        node->Period = period;
        node->Row = static_cast<int>(mahadashas_.size());
        if (depth_ > 1) MakeChildren(*node);
        mahadashas_.push_back(std::move(node));
    }
    endResetModel();
}

void DashaTreeModel::MakeChildren(Node& node) {
    for (const DashaPeriod& period : timeline_.SubPeriods(node.Period)) {
        auto child = std::make_unique<Node>();
        child->Period = period;
        child->Parent = &node;
        child->Row = static_cast<int>(node.Children.size());
        node.Children.push_back(std::move(child));
    }
    node.ChildrenMade = true;
}

QList<QModelIndex> DashaTreeModel::RunningChain() {
    QList<QModelIndex> chain;
    if (!running_) return chain;
    QModelIndex parentIndex;
    for (int level = 1; level <= depth_; ++level) {
        if (canFetchMore(parentIndex)) fetchMore(parentIndex);
        const auto& rows = ChildrenOf(parentIndex);
        const DashaPeriod& wanted = (*running_)[static_cast<std::size_t>(level - 1)];
        QModelIndex found;
        for (const auto& node : rows) {
            if (node->Period.StartTick == wanted.StartTick) found = createIndex(node->Row, 0, node.get());
        }
        if (!found.isValid()) break;
        chain << found;
        parentIndex = found;
    }
    return chain;
}

DashaTreeModel::Node* DashaTreeModel::NodeAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : nullptr;
}

const std::vector<std::unique_ptr<DashaTreeModel::Node>>& DashaTreeModel::ChildrenOf(
    const QModelIndex& parent) const {
    const Node* node = NodeAt(parent);
    return node ? node->Children : mahadashas_;
}

QModelIndex DashaTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) return {};
    const auto& rows = ChildrenOf(parent);
    if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0 || column >= ColumnCount) {
        return {};
    }
    return createIndex(row, column, rows[static_cast<std::size_t>(row)].get());
}

QModelIndex DashaTreeModel::parent(const QModelIndex& child) const {
    const Node* node = NodeAt(child);
    if (!node || !node->Parent) return {};
    return createIndex(node->Parent->Row, 0, node->Parent);
}

int DashaTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) return 0;
    return static_cast<int>(ChildrenOf(parent).size());
}

int DashaTreeModel::columnCount(const QModelIndex&) const { return ColumnCount; }

bool DashaTreeModel::hasChildren(const QModelIndex& parent) const {
    const Node* node = NodeAt(parent);
    if (!node) return !mahadashas_.empty();
    return parent.column() == 0 && node->Period.Level < depth_;
}

bool DashaTreeModel::canFetchMore(const QModelIndex& parent) const {
    const Node* node = NodeAt(parent);
    return node && hasChildren(parent) && !node->ChildrenMade;
}

void DashaTreeModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    Node& node = *NodeAt(parent);
    const auto count = static_cast<int>(timeline_.SubPeriods(node.Period).Count);
    beginInsertRows(parent, 0, count - 1);
    MakeChildren(node);
    endInsertRows();
}

bool DashaTreeModel::IsRunning(const DashaPeriod& period) const {
    return running_ && (*running_)[period.Level - 1u].StartTick == period.StartTick;
}

QString DashaTreeModel::TimeText(std::int64_t tick) const {
    const double julianDay = timeline_.JulianDayAt(tick);
    const std::string text = depth_ <= 2 ? FormatLocalMinute(julianDay, clockOffsetSeconds_)
                                         : FormatLocalSecond(julianDay, clockOffsetSeconds_);
    // A space for the ISO "T" reads (and sounds in a screen reader) as a date and a time.
    return QString::fromStdString(text).replace('T', ' ');
}

QVariant DashaTreeModel::data(const QModelIndex& index, int role) const {
    const Node* node = NodeAt(index);
    if (!node) return {};
    const DashaPeriod& period = node->Period;
    const bool running = IsRunning(period);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        switch (index.column()) {
        case LordColumn: return DashaRulerWords(timeline_.System, period.Ruler);
        case StartColumn: return TimeText(period.StartTick);
        case EndColumn: return TimeText(period.EndTick);
        case RunningColumn:
            if (!running) return QString();
            //: Marks the period running now; a screen reader says "running" instead.
            return role == Qt::DisplayRole ? tr("▶ now") : tr("running");
        }
        return {};
    case Qt::AccessibleDescriptionRole: {
        const std::string_view level =
            TimingNameIn(TimingNames::DashaLevels, DashaLevelNames[period.Level - 1u], DesktopLanguage());
        return QString::fromUtf8(level.data(), static_cast<qsizetype>(level.size()));
    }
    case Qt::FontRole: {
        if (!running) return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    default: return {};
    }
}

QVariant DashaTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const char* captions[] = {
        //: The planet ruling the dasha period.
        QT_TR_NOOP("Lord"),
        //: The date and time the period starts, and ends.
        QT_TR_NOOP("Start"), QT_TR_NOOP("End"),
        //: Whether the period is running now.
        QT_TR_NOOP("Running")};
    return section >= 0 && section < ColumnCount ? tr(captions[section]) : QVariant();
}

}  // namespace grahavani
