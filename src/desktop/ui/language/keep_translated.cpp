#include "desktop/ui/language/keep_translated.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace grahavani {

namespace {

// Owned by the widget it watches, so it ends with it.
class LanguageChangeFilter final : public QObject {
public:
    LanguageChangeFilter(QWidget& owner, std::function<void()> setTexts)
        : QObject(&owner), setTexts_(std::move(setTexts)) {
        owner.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) setTexts_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> setTexts_;
};

}  // namespace

void KeepTranslated(QWidget& owner, std::function<void()> setTexts) {
    setTexts();
    new LanguageChangeFilter(owner, std::move(setTexts));
}

}  // namespace grahavani
