#pragma once
// View → Language: English, हिन्दी and தமிழ், each named in its own script, the language the
// windows speak checked.

#include <QMenu>

#include "model/language.h"

namespace grahavani {

class LanguageMenu final : public QMenu {
    Q_OBJECT
public:
    explicit LanguageMenu(QWidget* parent);

signals:
    void languageChosen(Language language);
};

}  // namespace grahavani
