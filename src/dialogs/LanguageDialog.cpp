#include "dialogs/LanguageDialog.h"

#include "config/AppContext.h"
#include "config/CommandIds.h"
#include "uikit/DialogUnits.h"
#include "uikit/HelpRequest.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

LanguageDialog::LanguageDialog(AppContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("LanguageDialog")); // its help topics
    setWindowTitle(tr("Language"));
    setFont(templateFont(9));
    const DialogUnits dlu(font());
    setFixedSize(dlu.toPixelsX(159), dlu.toPixelsY(75));

    english_ = new QRadioButton(tr("English"), this);
    setControlId(english_, EnglishId);
    english_->setGeometry(dlu.toPixels(20, 18, 70, 12));
    chinese_ = new QRadioButton(tr("Chinese"), this);
    setControlId(chinese_, ChineseId);
    chinese_->setGeometry(dlu.toPixels(20, 36, 70, 12));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(dlu.toPixels(102, 14, 45, 14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setGeometry(dlu.toPixels(102, 34, 45, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool LanguageDialog::isChinese() const
{
    return context_.language() == Language::Chinese;
}

int LanguageDialog::exec()
{
    (isChinese() ? chinese_ : english_)->setChecked(true);
    return QDialog::exec();
}

void LanguageDialog::accept()
{
    const bool chooseChinese = chinese_->isChecked();
    if (chooseChinese != isChinese()) {
        changed_ = true;
        context_.config().setValue(QStringLiteral("Setup"), QStringLiteral("Language"),
                                   isChinese() ? QStringLiteral("English") : QStringLiteral("Chinese"));
        context_.config().save();
    }
    QDialog::accept();
}

void LanguageDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1)
        requestHelp(CommandId::ChooseLanguage);
    QDialog::keyPressEvent(event);
}
