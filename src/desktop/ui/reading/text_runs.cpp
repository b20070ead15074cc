#include "desktop/ui/reading/text_runs.h"

#include <QTextCursor>
#include <QTextEdit>

#include "desktop/ui/reading/display_text.h"

namespace grahavani {

void ReplaceWithRuns(QTextEdit& box, const std::vector<TextRun>& runs) {
    box.clear();
    QTextCursor cursor(box.document());
    for (const TextRun& run : runs) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setForeground(Qt::black);
        cursor.insertText(DisplayText(run.text), format);
    }
}

}  // namespace grahavani
