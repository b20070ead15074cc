#include "desktop/ui/reading/profile_tab.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabBar>

#include "desktop/ui/language/tab_bar_arrows.h"
#include "desktop/ui/reading/display_text.h"
#include "render/fonts.h"
#include "desktop/ui/reading/picture_box.h"
#include "render/twips.h"

namespace grahavani {

namespace {

constexpr double PictureTwips = 2250;  // 150 pixels: the lettering of the names reads well
constexpr double SpacingTwips = 90;
// The strip's captions, and the least of that size they step down to before they are cut short.
constexpr double TabCaptionPointSize = 7.5;
constexpr double SmallestTabCaptionScale = 2.0 / 3;
// A page of many short fields is split into two columns so that it needs no scrolling.
constexpr int MostShortFieldsInOneColumn = 3;

std::vector<ProfileField> FieldsOnPage(const std::vector<ProfileField>& fields, int page) {
    std::vector<ProfileField> onPage;
    std::ranges::copy_if(fields, std::back_inserter(onPage),
                         [page](const ProfileField& field) { return field.page == page; });
    return onPage;
}

template <typename TextBox>
void MakeBox(TextBox* box, const ProfileField& field) {
    box->setObjectName(DisplayText(field.textBox));
    box->setReadOnly(true);
    box->setFont(VerdanaFont(8.25));
}

}  // namespace

ProfileTab::ProfileTab(QWidget* parent, const ProfileTabLayout& layout) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    const int spacing = TwipsToPixels(SpacingTwips);
    column->setContentsMargins(spacing, spacing, spacing, spacing);
    column->setSpacing(spacing);

    auto* header = new QHBoxLayout;
    picture_ = new QLabel(this);
    picture_->setObjectName(layout.pictureBox);
    picture_->setFixedSize(TwipsSize(PictureTwips, PictureTwips));
    picture_->setAccessibleName(layout.pictureDescription);
    header->addWidget(picture_, 0, Qt::AlignTop);

    auto* titleAndFields = new QVBoxLayout;
    title_ = new QLabel(DisplayText(layout.titleCaption), this);
    title_->setObjectName(layout.titleLabel);
    title_->setTextFormat(Qt::PlainText);
    title_->setFont(VerdanaFont(14, true));
    titleAndFields->addWidget(title_);
    titleAndFields->addWidget(BuildFields(this, FieldsOnPage(layout.fields, 0)));
    titleAndFields->addStretch();
    header->addLayout(titleAndFields, 1);
    column->addLayout(header);

    tabStrip_ = new QTabBar(this);
    tabStrip_->setObjectName(layout.tabStrip);
    // A size smaller than the fields' so the pages' captions fit side by side.
    tabStrip_->setFont(VerdanaFont(TabCaptionPointSize));
    tabStrip_->setDrawBase(false);
    tabStrip_->setExpanding(false);
    // Long nakshatra names would push the last tabs out of sight: all tabs stay in view,
    // shortened if need be, with the whole caption in their tooltip.
    tabStrip_->setUsesScrollButtons(false);
    tabStrip_->setElideMode(Qt::ElideRight);
    KeepTabBarArrowsTranslated(*tabStrip_);
    pages_ = new QStackedWidget(this);
    pages_->setFrameShape(QFrame::StyledPanel);
    for (std::size_t page = 0; page < layout.pageCaptions.size(); ++page) {
        tabCaptions_.push_back(DisplayText(layout.pageCaptions[page]));
        const int tab = tabStrip_->addTab(tabCaptions_.back());
        tabStrip_->setTabToolTip(tab, tabCaptions_.back());
        pages_->addWidget(BuildFields(pages_, FieldsOnPage(layout.fields, static_cast<int>(page) + 1)));
    }
    // The strip sits on its pages as the tabs of a tab widget do.
    auto* stripAndPages = new QVBoxLayout;
    stripAndPages->setSpacing(0);
    stripAndPages->addWidget(tabStrip_);
    stripAndPages->addWidget(pages_, 1);
    column->addLayout(stripAndPages, 1);
}

QWidget* ProfileTab::BuildFields(QWidget* parent, const std::vector<ProfileField>& fields) {
    auto* area = new QWidget(parent);
    auto* column = new QVBoxLayout(area);
    const int spacing = TwipsToPixels(SpacingTwips);
    column->setSpacing(spacing);

    const auto shortCount = std::ranges::count_if(
        fields, [](const ProfileField& field) { return !field.prose; });
    const int fieldColumns = shortCount > MostShortFieldsInOneColumn ? 2 : 1;
    auto* shortGrid = new QGridLayout;
    shortGrid->setHorizontalSpacing(spacing * 2);
    shortGrid->setVerticalSpacing(spacing);
    auto* proseRow = new QHBoxLayout;
    proseRow->setSpacing(spacing * 2);
    int shortIndex = 0;
    for (const ProfileField& field : fields) {
        if (field.prose) {
            auto* box = new QPlainTextEdit(area);
            MakeBox(box, field);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            box->setTabChangesFocus(true);
            proseBoxes_[field.column] = box;
            auto* proseColumn = new QVBoxLayout;
            proseColumn->addWidget(CaptionFor(area, field, box));
            proseColumn->addWidget(box, 1);
            proseRow->addLayout(proseColumn, 1);
        } else {
            auto* box = new QLineEdit(area);
            MakeBox(box, field);
            shortBoxes_[field.column] = box;
            const int row = shortIndex / fieldColumns;
            const int gridColumn = (shortIndex % fieldColumns) * 2;
            shortGrid->addWidget(CaptionFor(area, field, box), row, gridColumn);
            shortGrid->addWidget(box, row, gridColumn + 1);
            shortGrid->setColumnStretch(gridColumn + 1, 1);
            ++shortIndex;
        }
    }
    column->addLayout(shortGrid);
    if (proseRow->isEmpty()) {
        delete proseRow;
        column->addStretch();
    } else {
        column->addLayout(proseRow, 1);
    }
    return area;
}

QLabel* ProfileTab::CaptionFor(QWidget* parent, const ProfileField& field, QWidget* textBox) {
    auto* caption = new QLabel(parent);
    if (!field.captionLabel.empty()) caption->setObjectName(DisplayText(field.captionLabel));
    caption->setTextFormat(Qt::PlainText);
    caption->setFont(VerdanaFont(8.25, true));
    caption->setBuddy(textBox);
    captions_[field.column] = caption;
    DescribeField(field);
    return caption;
}

void ProfileTab::DescribeField(const ProfileField& field) {
    QLabel* caption = captions_.at(field.column);
    caption->setText(DisplayText(field.caption));
    caption->setToolTip(DisplayText(field.helpText));
    caption->buddy()->setAccessibleName(DisplayText(field.caption));
    caption->buddy()->setAccessibleDescription(DisplayText(field.helpText));
}

void ProfileTab::Retitle(const ProfileTabLayout& layout) {
    picture_->setAccessibleName(layout.pictureDescription);
    title_->setText(DisplayText(layout.titleCaption));
    for (std::size_t page = 0; page < layout.pageCaptions.size(); ++page) {
        SetTabCaption(static_cast<int>(page) + 1, DisplayText(layout.pageCaptions[page]));
    }
    for (const ProfileField& field : layout.fields) DescribeField(field);
}

void ProfileTab::BringPageToFront(int tabNumber) {
    if (tabNumber < 1 || tabNumber > pages_->count()) return;
    pages_->setCurrentIndex(tabNumber - 1);
}

void ProfileTab::SelectTab(int tabNumber) { tabStrip_->setCurrentIndex(tabNumber - 1); }

void ProfileTab::SetTabCaption(int tabNumber, const QString& caption) {
    if (tabNumber < 1 || tabNumber > static_cast<int>(tabCaptions_.size())) return;
    tabCaptions_[static_cast<std::size_t>(tabNumber - 1)] = caption;
    tabStrip_->setTabToolTip(tabNumber - 1, caption);
    FitTabCaptions();
}

void ProfileTab::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitTabCaptions();
}

void ProfileTab::FitTabCaptions() {
    for (std::size_t tab = 0; tab < tabCaptions_.size(); ++tab) {
        if (tabStrip_->tabText(static_cast<int>(tab)) != tabCaptions_[tab]) {
            tabStrip_->setTabText(static_cast<int>(tab), tabCaptions_[tab]);
        }
    }
    const int width = tabStrip_->width();
    if (tabCaptions_.empty() || width <= 0) return;
    // The strip's own measure of its whole captions, frames and all, at the full size.
    QFont font = tabStrip_->font();
    font.setPointSizeF(TabCaptionPointSize);
    tabStrip_->setFont(font);
    // Frames and letters do not shrink alike: step down until the captions fit, or to the least.
    double scale = 1;
    for (int step = 0; step < 4 && scale > SmallestTabCaptionScale; ++step) {
        const double needed = tabStrip_->sizeHint().width();
        if (needed <= width) return;
        scale = std::max(SmallestTabCaptionScale, scale * width / needed * 0.98);
        font.setPointSizeF(TabCaptionPointSize * scale);
        tabStrip_->setFont(font);
    }
}

void ProfileTab::SetTitle(const QString& title) { title_->setText(title); }

void ProfileTab::SetFieldCaption(std::string_view captionLabel, const QString& caption) {
    auto* label = findChild<QLabel*>(DisplayText(captionLabel));
    if (!label) return;
    label->setText(caption);
    if (label->buddy()) label->buddy()->setAccessibleName(caption);
}

void ProfileTab::FillColumns(const std::function<std::string_view(int column)>& valueOf) {
    for (auto& [column, box] : shortBoxes_) {
        box->setText(DisplayText(valueOf(column)));
        box->setCursorPosition(0);  // long values show their beginning
    }
    for (auto& [column, box] : proseBoxes_) box->setPlainText(DisplayText(valueOf(column)));
}

void ProfileTab::SetPicture(const QString& path, const QString& lettering) {
    ShowPicture(*picture_, path, lettering);
}

}  // namespace grahavani
