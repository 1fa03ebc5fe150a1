#include "dialogs/CompareDialog.h"

#include "session/AppContext.h"
#include "uikit/DialogButtons.h"
#include "uikit/DialogHelp.h"
#include "uikit/DialogUnits.h"
#include "uikit/MessageBox.h"
#include "uikit/UiHooks.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CompareDialog::CompareDialog(AppContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("CompareDialog")); // its help topic
    setWindowTitle(tr("Compare with Radio"));
    setFont(templateFont(9));
    const DialogUnits dlu(font());
    resize(dlu.toPixelsX(300), dlu.toPixelsY(180));

    heading_ = new QLabel(this);
    heading_->setWordWrap(true);
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lines_ = new QPlainTextEdit(this);
    lines_->setReadOnly(true);
    lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines_->setAccessibleName(tr("Differences"));
    lines_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    heading_->setBuddy(lines_);

    copy_ = new QPushButton(tr("&Copy"), this);
    save_ = new QPushButton(tr("&Save..."), this);
    auto* close = new QPushButton(tr("Close"), this);
    connect(copy_, &QPushButton::clicked, this, &CompareDialog::copyAll);
    connect(save_, &QPushButton::clicked, this, &CompareDialog::saveWithDialog);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy_);
    buttons->addWidget(save_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(lines_, 1);
    layout->addLayout(buttons);
    installControlHelp(this, context.uiHooks());
}

void CompareDialog::showComparison(const QString& documentTitle, const QString& readAt,
                                   const QStringList& lines)
{
    documentTitle_ = documentTitle;
    heading_->setText(
        lines.isEmpty()
            ? tr("The radio holds what %1 holds: no differences (read at %2).").arg(documentTitle, readAt)
            : tr("Differences between %1 (before the arrow) and the radio (after "
                 "the arrow), read at %2:")
                  .arg(documentTitle, readAt));
    lines_->setPlainText(lines.join(QLatin1Char('\n')));
    copy_->setEnabled(!lines.isEmpty());
    save_->setEnabled(!lines.isEmpty());
    show();
    raise();
    activateWindow();
    lines_->setFocus();
}

QString CompareDialog::text() const
{
    const QString shown = lines_->toPlainText();
    return shown.isEmpty() ? shown : shown + QLatin1Char('\n');
}

void CompareDialog::copyAll()
{
    QGuiApplication::clipboard()->setText(text());
}

void CompareDialog::saveWithDialog()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save the Differences"),
                                     tr("%1 - radio.txt").arg(QFileInfo(documentTitle_).completeBaseName()),
                                     tr("Text files (*.txt);;All files (*)"));
    if (!path.isEmpty())
        saveTo(path);
}

bool CompareDialog::saveTo(const QString& path)
{
    const WriteResult written = context_.fileWriter().write(path, text().toUtf8());
    if (!written.ok)
        fileErrorBox(context_.uiHooks(), context_.company(), tr("Could not save the file %1."), path,
                     written.errorText);
    return written.ok;
}
