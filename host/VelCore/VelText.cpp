#include "VelCore/VelText.h"

#include <QKeySequence>

namespace VelSystem {

QString toHtml(const QStringList& page)
{
    QString html = QStringLiteral("<html><body>");
    for (const QString& line : page) {
        const QString escaped = line.toHtmlEscaped();
        if (line.endsWith(QLatin1Char(':')))
            html += QStringLiteral("<p><b>%1</b></p>").arg(escaped);
        else
            html += QStringLiteral("<p>%1</p>").arg(escaped);
    }
    return html + QStringLiteral("</body></html>");
}

QString keyToString(Qt::KeyboardModifier modifier)
{
    // A sequence of a modifier alone reads "Ctrl+": the name is what precedes the '+'.
    QString text = QKeySequence(static_cast<int>(modifier)).toString(QKeySequence::NativeText);
    if (text.endsWith(QLatin1Char('+')))
        text.chop(1);
    return text;
}

} // namespace VelSystem
