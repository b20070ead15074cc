#include "desktop/ui/widgets/link_label.h"

namespace grahavani {

QLabel* MakeLinkLabel(QWidget* parent, const QString& name, const QString& text,
                      std::function<void()> follow) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    SetLinkText(*label, text);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(label, &QLabel::linkActivated, label,
                     [follow = std::move(follow)] { follow(); });
    return label;
}

void SetLinkText(QLabel& label, const QString& text) {
    // The target is ours to choose; the href only has to make the text a link.
    label.setText(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()));
    label.setAccessibleName(text);
}

}  // namespace grahavani
