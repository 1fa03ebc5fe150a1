#pragma once

#include <QDialog>
#include <QStringList>

class AppContext;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The result of Compare with Radio: what differs between the document and the radio, one
// line each in the texts of xr970-cli diff (the document's value before the arrow, the
// radio's after). The lines can be copied or saved as a text file. Modeless: the channel
// window stays usable beside it; the next Compare shows its result in the same window.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    explicit CompareDialog(AppContext& context, QWidget* parent = nullptr);

    // documentTitle names the document; readAt is when the radio was read.
    void showComparison(const QString& documentTitle, const QString& readAt, const QStringList& lines);
    // The lines as Copy and Save give them, each ended by a line break.
    QString text() const;
    bool saveTo(const QString& path);

    QLabel* heading() const { return heading_; }
    QPlainTextEdit* lines() const { return lines_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* saveButton() const { return save_; }

private:
    void copyAll();
    void saveWithDialog();

    AppContext& context_;
    QString documentTitle_;
    QLabel* heading_;
    QPlainTextEdit* lines_;
    QPushButton* copy_;
    QPushButton* save_;
};
