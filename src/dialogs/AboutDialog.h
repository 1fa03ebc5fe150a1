#pragma once

#include <QDialog>

class AppContext;
class QLabel;

// The About box: the brand texts of the current language from Program.ini and the logo
// ("logo.bmp" beside the program, or the built-in one).
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int LogoId = 1005;
    static constexpr int Line1Id = 1002;
    static constexpr int Line2Id = 1003;
    static constexpr int Line3Id = 1004;

    explicit AboutDialog(const AppContext& context, QWidget* parent = nullptr);

    QLabel* line(int id) const;
    QLabel* logo() const { return logo_; }

private:
    QLabel* logo_;
    QLabel* lines_[3];
};

// "&x" underlines x and "&&" is one "&", as in a menu text; the rest is escaped.
QString mnemonicToHtml(const QString& text);
