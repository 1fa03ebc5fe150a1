#include "document/ChannelDocument.h"
#include "editor/CellEditorDelegate.h"
#include "editor/ChannelGrid.h"
#include "editor/ChannelView.h"
#include "support/GuiTestEnv.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QStyleFactory>
#include <QtTest>
#include <memory>

namespace {

// A channel view of a new document, shown, in the given language.
struct ShownView {
    GuiTestEnv env;
    ChannelDocument document;
    std::unique_ptr<ChannelView> view;

    explicit ShownView(const QString& language = QStringLiteral("English"))
    {
        env.loadIni(language);
        document.initNew(env.context.language(), QStringLiteral("XrTest"));
        view = std::make_unique<ChannelView>(&document, env.context);
        view->resize(view->minimumSize());
        view->move(0, 0);
        view->show();
        view->initialUpdate();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }
    ChannelGrid* grid() const { return view->grid(); }
};

// Pixels of the image in the titles' blue (text is drawn anti-aliased, so only its hue
// is certain).
int bluePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() - qMax(c.red(), c.green()) > 60)
                ++count;
        }
    return count;
}

} // namespace

class TestGridLook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cornerCellTitle_data();
    void cornerCellTitle();
    void listsDropDownBelowTheCell_data();
    void listsDropDownBelowTheCell();
    void readableUnderADarkPalette();
};

void TestGridLook::cornerCellTitle_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("English") << "English"
                             << "CH";
    QTest::newRow("Chinese") << "Chinese"
                             << "信道";
}

// Row 0, column 0 holds the title of the channel-number column, drawn like the others.
void TestGridLook::cornerCellTitle()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    ShownView shown(language);
    QCOMPARE(shown.grid()->text(0, 0), title);
    auto* corner = shown.grid()->findChild<QAbstractButton*>();
    QVERIFY(corner && corner->isVisible());
    QCOMPARE(corner->accessibleName(), title);
    QVERIFY2(bluePixels(corner->grab().toImage()) > 5, "no title text in the corner");

    shown.grid()->setText(0, 0, QString());
    QCOMPARE(shown.grid()->text(0, 0), QString());
    QCOMPARE(bluePixels(corner->grab().toImage()), 0);
}

void TestGridLook::listsDropDownBelowTheCell_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("col");
    for (const QString& style : QStyleFactory::keys()) {
        QTest::addRow("%s, tone list", qPrintable(style)) << style << 3;
        QTest::addRow("%s, W/N list", qPrintable(style)) << style << 5;
    }
}

// An opened list lies below its cell and reaches about DropDownHeight pixels further down,
// whatever the style: never centred over the cell, never the height of the screen.
void TestGridLook::listsDropDownBelowTheCell()
{
    QFETCH(QString, style);
    QFETCH(int, col);
    QApplication::setStyle(style);
    ShownView shown;
    const QRect cell = shown.grid()->cellRect(1, col);
    QTest::mouseClick(shown.grid()->viewport(), Qt::LeftButton, {}, cell.center());
    QComboBox* list = shown.view->editors().listOf(col);
    QVERIFY(list && list->isVisible());
    list->showPopup();
    QWidget* popup = list->view()->window();
    QTRY_VERIFY(popup->isVisible());
    const QRect dropped = popup->geometry();
    const int cellBottom = shown.grid()->viewport()->mapToGlobal(cell.bottomLeft()).y();
    const int rows = qMin(list->count(), CellEditorDelegate::DropDownHeight / list->view()->sizeHintForRow(0));
    const int entries = rows * list->view()->sizeHintForRow(0);
    list->hidePopup();
    QVERIFY2(qAbs(dropped.top() - cellBottom) <= 3,
             qPrintable(QStringLiteral("popup top %1, cell bottom %2").arg(dropped.top()).arg(cellBottom)));
    QVERIFY2(dropped.height() >= entries && dropped.height() <= entries + 12,
             qPrintable(QStringLiteral("popup height %1 for %2 entries").arg(dropped.height()).arg(entries)));
    QVERIFY(dropped.height() <= CellEditorDelegate::DropDownHeight + 12);
}

// The grid keeps its white background under a dark palette; its cells and the opened lists
// must not write white on it.
void TestGridLook::readableUnderADarkPalette()
{
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    {
        ShownView shown;
        shown.grid()->setCurrentCell(1, 3); // its list opens
        QComboBox* list = shown.view->editors().listOf(3);
        for (const QWidget* widget : {shown.grid()->viewport(), static_cast<QWidget*>(list->view())}) {
            const QPalette& pal = widget->palette();
            QVERIFY2(qAbs(pal.color(QPalette::Text).lightness() - pal.color(QPalette::Base).lightness()) >
                         128,
                     widget->metaObject()->className());
        }
    }
    QApplication::setPalette(before);
}

QTEST_MAIN(TestGridLook)
#include "test_gridlook.moc"
