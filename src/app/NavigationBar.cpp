#include "app/NavigationBar.h"

#include "uikit/FontFamilies.h"
#include "uikit/HelpRequest.h"

#include <QFont>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// The bar's panel: an etched frame, the caption band and the tree placed below it.
class NavigationBarPanel : public QWidget {
public:
    NavigationBarPanel(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {}
    QSize sizeHint() const override { return {NavigationBar::InitialWidth, 300}; }
    QSize minimumSizeHint() const override { return {NavigationBar::MinimumWidth, 0}; }
    QRect frameRect() const { return rect().adjusted(3, 6, -6, -49).adjusted(1, 1, 0, 0); }
    void setParts(QWidget* closeButton, QWidget* tree)
    {
        close_ = closeButton;
        tree_ = tree;
    }

protected:
    void resizeEvent(QResizeEvent*) override
    {
        const QRect frame = frameRect();
        const int box = NavigationBar::CaptionHeight;
        const QRect square(frame.right() - 5 - box, frame.top(), box, box);
        close_->setGeometry(square.adjusted(7, 4, 1, -3));
        const int top = box + 9;
        tree_->setGeometry(5, top, qMax(0, width() - 13), qMax(0, height() - 51 - top));
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect outline = rect().adjusted(3, 6, -6, -49);
        const QColor grey = palette().color(QPalette::Disabled, QPalette::WindowText);
        painter.setPen(grey);
        painter.drawRect(outline.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::white);
        painter.drawLine(outline.left() + 1, outline.top() + 1, outline.left() + 1, outline.bottom() - 1);
        painter.drawLine(outline.left() + 1, outline.top() + 1, outline.right() - 1, outline.top() + 1);
        painter.drawLine(outline.right() + 1, outline.top(), outline.right() + 1, outline.bottom() + 1);
        painter.drawLine(outline.left(), outline.bottom() + 1, outline.right() + 1, outline.bottom() + 1);
        const QRect frame = frameRect();
        const QRect band(frame.left() + 5, frame.top(), frame.width() - 5, NavigationBar::CaptionHeight);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(band, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, caption_);
        painter.setPen(grey);
        const int y = frame.top() + NavigationBar::CaptionHeight;
        painter.drawLine(frame.left() + 1, y, frame.right(), y);
    }

private:
    QString caption_;
    QWidget* close_ = nullptr;
    QWidget* tree_ = nullptr;
};

// Takes the place of the dock's own title bar, without taking any room.
class NoTitleBar : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {0, 0}; }
};

QFont barFont()
{
    QFont font;
    font.setFamilies(installedFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                                        QStringLiteral("WenQuanYi Micro Hei")}));
    font.setPixelSize(14);
    return font;
}

} // namespace

QStringList NavigationBar::itemTexts(Language language)
{
    if (language == Language::Chinese)
        return {QStringLiteral("类型设置"), QStringLiteral("信道信息"), QStringLiteral("可选功能")};
    return {QStringLiteral("Product Information"), QStringLiteral("Channel Information"),
            QStringLiteral("Optional Features")};
}

NavigationBar::NavigationBar(const QString& company, Language language, QWidget* parent)
    : QDockWidget(parent), caption_(company), language_(language)
{
    setObjectName(QStringLiteral("ControlBar"));
    setWindowTitle(QStringLiteral("IE Control Bar"));
    setFeatures(QDockWidget::NoDockWidgetFeatures); // no floating, no moving
    setAllowedAreas(Qt::LeftDockWidgetArea);
    setTitleBarWidget(new NoTitleBar(this)); // the panel draws the caption band itself

    auto* panel = new NavigationBarPanel(company, this);
    panel->setFont(barFont());
    setWidget(panel);

    close_ = new QToolButton(panel);
    close_->setAutoRaise(true);
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close_->setIconSize(QSize(12, 12));
    close_->setToolTip(tr("Close"));
    close_->setAccessibleName(close_->toolTip()); // the button shows only its icon
    connect(close_, &QToolButton::clicked, this, &QWidget::hide);

    tree_ = new QTreeWidget(panel);
    setControlId(tree_, TreeId);
    tree_->setAccessibleName(tr("Navigation"));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setMinimumSize(0, 0);
    auto* root = new QTreeWidgetItem(tree_, QStringList{company});
    for (const QString& text : itemTexts(language))
        new QTreeWidgetItem(root, QStringList{text});
    root->setExpanded(true);
    // One way per device: the click for the mouse, Enter for the keyboard. Activation is
    // left alone: on desktops that activate with a single click it comes with the click,
    // elsewhere with a double click after one, and each would choose the item once more.
    connect(tree_, &QTreeWidget::itemClicked, this, &NavigationBar::onItemChosen);
    tree_->installEventFilter(this);

    panel->setParts(close_, tree_);
}

bool NavigationBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tree_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            onItemChosen(tree_->currentItem());
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

void NavigationBar::onItemChosen(QTreeWidgetItem* item)
{
    const QString text = item ? item->text(0) : QString();
    const int index = itemTexts(language_).indexOf(text);
    // The root is selected again, so the same item can be chosen once more.
    tree_->setCurrentItem(tree_->topLevelItem(0));
    if (item && item->parent() && index >= 0)
        Q_EMIT targetChosen(static_cast<Target>(index));
}
