#pragma once
// The interpretation's "Ashtakavarga" tab: the bindus of the seven planets' bhinnashtakavargas
// and of the sarvashtakavarga as one table, then each as a drawing in the chart window's style
// with a bindu count in every sign, titled by its planet and total.

#include <array>
#include <optional>

#include <QWidget>

#include "model/chart_result.h"
#include "vargas/ashtakavarga.h"
#include "desktop/ui/chart/chart_style.h"

class QGridLayout;
class QLabel;
class QScrollArea;
class QTableWidget;

namespace grahavani {

class ChartDrawing;

class AshtakavargaTab final : public QWidget {
    Q_OBJECT
public:
    explicit AshtakavargaTab(QWidget* parent);

    void Fill(const ChartResult& chart);
    // Draws the grids again in the style, keeping their bindus: at once where the tab is shown,
    // else when it next is, so that a chart that never opens the tab never builds them.
    void ShowStyle(ChartStyle style);

protected:
    // As many grids side by side as the width holds.
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    static constexpr std::size_t GridCount = AshtakavargaPlanets.size() + 1;  // and the sarva

    void MakeDrawings();
    void ArrangeGrids();
    // "Sun 48"
    QString Title(std::size_t grid) const;
    void ShowBindus(std::size_t grid);

    QScrollArea* scrollAshtakavarga;
    QTableWidget* tblAshtakavarga;
    QGridLayout* grids_;
    std::array<QWidget*, GridCount> cells_{};
    std::array<QLabel*, GridCount> titles_{};
    std::array<ChartDrawing*, GridCount> drawings_{};
    std::array<SignBindus, GridCount> bindus_{};  // the bhinna rows, then the sarva
    bool filled_ = false;  // bindus_ hold a chart's
    ChartStyle style_ = ChartStyle::South;
    std::optional<ChartStyle> drawnStyle_;  // of the drawings made; none before the first
    int columns_ = 0;
};

}  // namespace grahavani
