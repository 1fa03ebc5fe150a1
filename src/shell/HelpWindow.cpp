#include "HelpWindow.h"

#include "AppGlobals.h"

#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString ContentsPage = QStringLiteral("index.html");

// topics.txt: one "<context number> <file>" per line.
QHash<int, QString> loadTopics()
{
    QHash<int, QString> topics;
    QFile file(QStringLiteral(":/help/topics.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return topics;
    while (!file.atEnd()) {
        const QStringList parts = QString::fromUtf8(file.readLine()).simplified().split(QLatin1Char(' '));
        bool ok = false;
        const int id = parts.value(0).toInt(&ok);
        if (ok && parts.size() == 2)
            topics.insert(id, parts[1]);
    }
    return topics;
}

QString languageFolder()
{
    return g_bChinese ? QStringLiteral(":/help/zh/") : QStringLiteral(":/help/en/");
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Help"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    browser_->setSearchPaths({languageFolder()});
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

QString HelpWindow::topicFor(int contextId)
{
    static const QHash<int, QString> topics = loadTopics();
    const QString topic = topics.value(contextId, ContentsPage);
    return QFile::exists(languageFolder() + topic.section(QLatin1Char('#'), 0, 0)) ? topic : ContentsPage;
}

void HelpWindow::showTopic(int contextId)
{
    browser_->setSource(QUrl(topicFor(contextId)));
    show();
    raise();
    activateWindow();
}
