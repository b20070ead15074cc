#pragma once
// One profile tab of the interpretation view: a title, a picture and header fields above
// a tab strip whose tabs each bring their own page of fields to the front. Built from a
// table of fields, so the nakshatra, lagna and rashi tabs share one layout.

#include <functional>
#include <map>
#include <string_view>
#include <vector>

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QStackedWidget;
class QTabBar;

namespace grahavani {

// A caption label with its help text beside the text box of one profile column.
struct ProfileField {
    int page;  // 0: the header above the tab strip; 1 and up: the strip's pages
    std::string_view caption;
    std::string_view helpText;
    std::string_view textBox;
    std::string_view captionLabel;  // empty when no code renames the caption
    int column;
    bool prose;  // several hundred characters: a box that wraps and scrolls
};

struct ProfileTabLayout {
    const char* titleLabel;
    std::string_view titleCaption;
    const char* pictureBox;
    QString pictureDescription;
    const char* tabStrip;
    std::vector<std::string_view> pageCaptions;
    std::vector<ProfileField> fields;
};

class ProfileTab final : public QWidget {
    Q_OBJECT
public:
    ProfileTab(QWidget* parent, const ProfileTabLayout& layout);
    // The layout's captions, help texts and picture name again, as after a change of language;
    // the title and the fields' values stay until they are filled again.
    void Retitle(const ProfileTabLayout& layout);

    QTabBar& TabStrip() { return *tabStrip_; }
    // Tab numbers count from 1; a number with no page does nothing.
    void BringPageToFront(int tabNumber);
    void SelectTab(int tabNumber);
    void SetTabCaption(int tabNumber, const QString& caption);

    void SetTitle(const QString& title);
    // Renames a caption label; its text box is then known by the new caption.
    void SetFieldCaption(std::string_view captionLabel, const QString& caption);
    // Each text box gets the value of its column, replacing what it held.
    void FillColumns(const std::function<std::string_view(int column)>& valueOf);
    // An empty path keeps the picture shown; `lettering` replaces the name across it.
    void SetPicture(const QString& path, const QString& lettering = {});

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The strip's captions in a smaller size, down to two thirds, where they would not fit side
    // by side; cut short only past that. The tooltip holds each whole.
    void FitTabCaptions();
    // Short fields in a grid above the prose boxes, which stand side by side.
    QWidget* BuildFields(QWidget* parent, const std::vector<ProfileField>& fields);
    QLabel* CaptionFor(QWidget* parent, const ProfileField& field, QWidget* textBox);
    // Describes the field's box by the field's caption and help text.
    void DescribeField(const ProfileField& field);

    QLabel* title_;
    QLabel* picture_;
    QTabBar* tabStrip_;
    QStackedWidget* pages_;
    std::map<int, QLineEdit*> shortBoxes_;       // by column
    std::map<int, QPlainTextEdit*> proseBoxes_;  // by column
    std::map<int, QLabel*> captions_;            // by column
    std::vector<QString> tabCaptions_;           // whole, by page
};

}  // namespace grahavani
