#include "app/HelpWindow.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString ContentsPage = QStringLiteral("index.html");

// topics.txt: one "<context number> <file>" per line ("#" starts a remark line). Control ids repeat from
// dialog to dialog, so a line may name the dialog first: "<dialog object name>/<context number>".
QHash<QString, QString> loadTopics()
{
    QHash<QString, QString> topics;
    QFile file(QStringLiteral(":/help/topics.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return topics;
    while (!file.atEnd()) {
        const QStringList parts = QString::fromUtf8(file.readLine()).simplified().split(QLatin1Char(' '));
        if (parts.size() == 2 && !parts[0].startsWith(QLatin1Char('#')))
            topics.insert(parts[0], parts[1]);
    }
    return topics;
}

QString languageFolder(Language language)
{
    return language == Language::Chinese ? QStringLiteral(":/help/zh/") : QStringLiteral(":/help/en/");
}

} // namespace

HelpWindow::HelpWindow(Language language, QWidget* parent) : QDialog(parent), language_(language)
{
    setWindowTitle(tr("Help"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    browser_->setAccessibleName(tr("Help topic"));
    // The pages bring their own light colours (table headings, notes): the page keeps a
    // light background and dark text in a dark theme too, both set together.
    QPalette page = browser_->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    browser_->setPalette(page);
    browser_->setSearchPaths({languageFolder(language)});
    auto* contents = new QPushButton(tr("&Contents"), this);
    auto* close = new QPushButton(tr("Close"), this);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic(0); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addLayout(buttons);
    resize(720, 560);
}

QString HelpWindow::topicFor(int contextId, Language language, const QString& dialog)
{
    static const QHash<QString, QString> topics = loadTopics();
    const QString id = QString::number(contextId);
    const QString topic = topics.value(dialog + QLatin1Char('/') + id, topics.value(id, ContentsPage));
    return QFile::exists(languageFolder(language) + topic.section(QLatin1Char('#'), 0, 0)) ? topic
                                                                                           : ContentsPage;
}

void HelpWindow::showTopic(int contextId)
{
    const QWidget* asking = QApplication::activeWindow();
    const QString dialog = asking && asking != this ? asking->objectName() : QString();
    browser_->setSource(QUrl(topicFor(contextId, language_, dialog)));
    show();
    raise();
    activateWindow();
}
