#include "desktop/ui/widgets/link_label.h"

namespace grahavani {

QLabel* MakeLinkLabel(QWidget* parent, const QString& name, const QString& text,
                      std::function<void()> follow) {
    // The target is ours to choose; the href only has to make the text a link.
    auto* label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()),
                             parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(label, &QLabel::linkActivated, label,
                     [follow = std::move(follow)] { follow(); });
    return label;
}

}  // namespace grahavani
