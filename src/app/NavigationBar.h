#pragma once

#include "model/Language.h"
#include <QDockWidget>

class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The navigation bar docked at the left: a caption band with the company text and a
// close button, and the tree whose three items open Product Information, bring back the
// channel window and open Optional Features.
class NavigationBar : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int TreeId = 1031;
    static constexpr int CaptionHeight = 22;
    static constexpr int InitialWidth = 220;
    static constexpr int MinimumWidth = 11;

    enum class Target { ProductInformation, ChannelInformation, OptionalFeatures };

    NavigationBar(const QString& company, Language language, QWidget* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }
    QToolButton* closeButton() const { return close_; }
    QString captionText() const { return caption_; }
    // The tree item texts of the language.
    static QStringList itemTexts(Language language);

Q_SIGNALS:
    void targetChosen(NavigationBar::Target target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onItemChosen(QTreeWidgetItem* item);

    QString caption_;
    Language language_;
    QTreeWidget* tree_;
    QToolButton* close_;
};
