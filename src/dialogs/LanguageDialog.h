#pragma once

#include <QDialog>

class AppContext;
class QRadioButton;

// Chooses between English and Chinese. OK with a different language writes
// [Setup] Language to Program.ini and raises the changed flag; the program then restarts.
// When Program.ini cannot be written, the dialog says why and stays open.
class LanguageDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int EnglishId = 1006;
    static constexpr int ChineseId = 1007;

    explicit LanguageDialog(AppContext& context, QWidget* parent = nullptr);

    // Selects the current language and shows the dialog modally.
    int exec() override;
    bool changed() const { return changed_; }
    QRadioButton* englishButton() const { return english_; }
    QRadioButton* chineseButton() const { return chinese_; }
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool isChinese() const;
    bool saveLanguage(bool chinese);

    AppContext& context_;
    QRadioButton* english_;
    QRadioButton* chinese_;
    bool changed_ = false;
};
