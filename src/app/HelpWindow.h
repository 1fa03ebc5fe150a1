#pragma once

#include "model/Language.h"

#include <QDialog>
#include <QHash>

class QTextBrowser;

// The built-in help: HTML topics per language shipped in the resources, opened by the
// context number of a control or command; an unknown number shows the contents page.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(Language language, QWidget* parent = nullptr);

    void showTopic(int contextId);
    // The topic file of a context number in the current language; dialog is the object
    // name of the dialog that asks, for ids that differ from dialog to dialog.
    static QString topicFor(int contextId, Language language, const QString& dialog = QString());

private:
    QTextBrowser* browser_;
    Language language_;
};
