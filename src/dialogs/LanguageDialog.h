#pragma once

#include "model/Language.h"

#include <QDialog>

class AppContext;
class QRadioButton;

// Chooses between English and Chinese. OK with a different language raises the changed
// flag; the program then closes, and only once it has really closed is the choice
// written to Program.ini (saveChoice) and the program started again.
class LanguageDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int EnglishId = 1006;
    static constexpr int ChineseId = 1007;

    explicit LanguageDialog(AppContext& context, QWidget* parent = nullptr);

    // Selects the current language and shows the dialog modally.
    int exec() override;
    bool changed() const { return changed_; }
    Language chosen() const;
    QRadioButton* englishButton() const { return english_; }
    QRadioButton* chineseButton() const { return chinese_; }
    void accept() override;

    // Writes [Setup] Language. When Program.ini cannot be written the user hears why, and
    // the value in memory stays what the file holds: false.
    static bool saveChoice(AppContext& context, Language language);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& context_;
    QRadioButton* english_;
    QRadioButton* chinese_;
    bool changed_ = false;
};
