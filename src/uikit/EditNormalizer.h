#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// Tidies a number field when it loses the focus: the text becomes a count (its leading
// number times the scale, cut to a multiple of the step), a count outside the range
// becomes the minimum, and the count is shown again through the number format, or as
// the special text (such as "Off") when it equals the special value.
class EditNormalizer : public QObject {
    Q_OBJECT
public:
    // Watches edit from now on; defaults: range 0..255, step 1, scale 1, format "%X",
    // no special text.
    explicit EditNormalizer(QLineEdit* edit);

    void setRange(int minimum, int maximum);
    void setStep(int step);
    void setScale(int scale);
    void setFormat(const QString& format);
    void setSpecialText(int value, const QString& text);

    QString normalized(const QString& text) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    int minimum_ = 0;
    int maximum_ = 255;
    int step_ = 1;
    int scale_ = 1;
    QString format_ = QStringLiteral("%X");
    bool specialEnabled_ = false;
    int specialValue_ = 0;
    QString specialText_;
};
