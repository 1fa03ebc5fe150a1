#include "dialogs/LanguageDialog.h"

#include "config/CommandIds.h"
#include "session/AppContext.h"
#include "uikit/DialogUnits.h"
#include "uikit/HelpRequest.h"
#include "uikit/MessageBox.h"
#include "uikit/UiHooks.h"

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

Language LanguageDialog::chosen() const
{
    return chinese_->isChecked() ? Language::Chinese : Language::English;
}

int LanguageDialog::exec()
{
    (context_.language() == Language::Chinese ? chinese_ : english_)->setChecked(true);
    return QDialog::exec();
}

void LanguageDialog::accept()
{
    changed_ = chosen() != context_.language();
    QDialog::accept();
}

// A restart would come up in the old language if Program.ini did not take the new one.
bool LanguageDialog::saveChoice(AppContext& context, Language language)
{
    IniFile& config = context.config();
    const QString section = QStringLiteral("Setup");
    const QString key = QStringLiteral("Language");
    const QString previous = config.value(section, key, QString());
    config.setValue(section, key,
                    language == Language::Chinese ? QStringLiteral("Chinese") : QStringLiteral("English"));
    const WriteResult saved = config.save(context.fileWriter());
    if (!saved.ok) {
        config.setValue(section, key, previous);
        fileErrorBox(context.uiHooks(), context.company(), tr("Could not save the file %1."), config.path(),
                     saved.errorText);
    }
    return saved.ok;
}

void LanguageDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1)
        context_.uiHooks().requestHelp(CommandId::ChooseLanguage);
    QDialog::keyPressEvent(event);
}
