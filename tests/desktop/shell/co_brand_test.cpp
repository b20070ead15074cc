#include <QStackedLayout>

#include "desktop/shell/co_brand.h"
#include "tests/desktop/ui/session_fixture.h"

namespace grahavani::test {
namespace {

using CoBrandTest = SessionTest;

TEST_F(CoBrandTest, RandomizeBringsTheDrawnLabelToTheFront) {
    // 6u + 1 rounded half to even: 2.5 gives 2 and 5.5 gives 6.
    const struct {
        double u;
        std::optional<BrandLabel> label;
    } draws[] = {
        {0.0, BrandLabel::CoBrand},      {0.05, BrandLabel::CoBrand},
        {0.1, BrandLabel::FullBrand},    {0.25, BrandLabel::FullBrand},
        {0.4, BrandLabel::CoBrand},      {0.5, BrandLabel::FullBrand},
        {0.6, BrandLabel::CoBrand},      {0.75, BrandLabel::FullBrand},
        {0.9, BrandLabel::FullBrand},    {0.95, std::nullopt},
        {0.9999, std::nullopt},
    };
    for (const auto& draw : draws) {
        EXPECT_EQ(BrandLabelForDraw(draw.u), draw.label) << draw.u;
    }

    auto* brands = qobject_cast<QStackedLayout*>(OnForm<QWidget>("fraFullBrand")->layout());
    const auto front = [&] { return brands->currentWidget()->objectName(); };
    CoBrand_Randomize(session.EntryForm(), 0.5);
    EXPECT_EQ(front(), "lblFullBrand");
    CoBrand_Randomize(session.EntryForm(), 0.95);
    EXPECT_EQ(front(), "lblFullBrand") << "7 changes nothing";
    CoBrand_Randomize(session.EntryForm(), 0.0);
    EXPECT_EQ(front(), "lblCobrand");
}

}  // namespace
}  // namespace grahavani::test
