#include "dialogs/AboutDialog.h"

#include "model/MenuText.h"
#include "session/AppContext.h"
#include "uikit/DialogUnits.h"
#include "uikit/HelpRequest.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

QLabel* makeLine(QWidget* parent, const DialogUnits& dlu, int id, int top)
{
    auto* label = new QLabel(parent);
    setControlId(label, id);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(dlu.toPixels(16, top, 198, 8 + 2));
    return label;
}

} // namespace

QString mnemonicToHtml(const QString& text)
{
    QString html;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('&') && i + 1 < text.size()) {
            const QChar next = text[++i];
            html += next == QLatin1Char('&')
                        ? QStringLiteral("&amp;")
                        : QStringLiteral("<u>") + QString(next).toHtmlEscaped() + QStringLiteral("</u>");
        } else {
            html += QString(c).toHtmlEscaped();
        }
    }
    return html;
}

AboutDialog::AboutDialog(const AppContext& context, QWidget* parent) : QDialog(parent)
{
    setFont(templateFont(9));
    const DialogUnits dlu(font());
    setFixedSize(dlu.toPixelsX(231), dlu.toPixelsY(113));
    // The About Title is the menu item's text too: the caption shows it without "&" and "...".
    setWindowTitle(menuTextAsCaption(context.languageValue(QStringLiteral("About Title"))));

    logo_ = new QLabel(this);
    setControlId(logo_, LogoId);
    QPixmap picture(context.programDir() + QStringLiteral("logo.bmp"));
    if (picture.isNull())
        picture.load(QStringLiteral(":/images/logo.png"));
    logo_->setPixmap(picture);
    logo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo_->move(dlu.toPixelsX(79), dlu.toPixelsY(13));
    logo_->resize(picture.size());

    lines_[0] = makeLine(this, dlu, Line1Id, 41);
    lines_[0]->setTextFormat(Qt::PlainText); // an "&" shows as it is
    lines_[0]->setText(context.languageValue(QStringLiteral("Version")));
    lines_[1] = makeLine(this, dlu, Line2Id, 56);
    lines_[1]->setTextFormat(Qt::RichText);
    lines_[1]->setText(mnemonicToHtml(context.languageValue(QStringLiteral("Copyrights"))));
    lines_[2] = makeLine(this, dlu, Line3Id, 71);
    lines_[2]->setTextFormat(Qt::RichText);
    lines_[2]->setText(mnemonicToHtml(context.languageValue(QStringLiteral("Copyrights Owner"))));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(dlu.toPixels(95, 86, 39, 14));
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel* AboutDialog::line(int id) const
{
    return lines_[id - Line1Id];
}
