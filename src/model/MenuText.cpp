#include "model/MenuText.h"

#include <QRegularExpression>

QString menuTextAsCaption(const QString& menuText)
{
    static const QRegularExpression trailingKey(QStringLiteral("\\(&[^&]\\)"));
    const QString text = QString(menuText).remove(trailingKey);
    QString caption;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i; // "&x" shows x, "&&" shows "&"
        caption += text[i];
    }
    caption = caption.trimmed();
    for (const QString& ellipsis : {QStringLiteral("..."), QStringLiteral("\u2026")})
        if (caption.endsWith(ellipsis))
            caption.chop(ellipsis.size());
    return caption.trimmed();
}
