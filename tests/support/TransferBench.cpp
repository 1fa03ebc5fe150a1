#include "support/TransferBench.h"

#include "dialogs/ProgressDialog.h"
#include "support/SampleImage.h"

#include <QPushButton>
#include <QtTest>

QByteArray iniWithPorts(const QString& com1)
{
    QByteArray ini = GuiTestEnv::defaultIni() + "[Ports]\r\n";
    for (int n = 1; n <= 16; ++n) {
        const QString device = n == 1 ? com1 : QStringLiteral("/nonexistent/ttyXR%1").arg(n);
        ini += QStringLiteral("COM%1=%2\r\n").arg(n).arg(device).toUtf8();
    }
    return ini;
}

RadioImage TransferBench::radioImage()
{
    return SampleImage()
        .channel(1, 14512500, 14612500)
        .byte(RadioImage::channelOffset(1) + RadioImage::RecWidthPower, 0x30)
        .byte(RadioImage::OptSquelch, 7)
        .byte(RadioImage::ProductType, 1)
        .byte(RadioImage::ProductBand, 0);
}

TransferBench::TransferBench(const VirtualRadio::Options& options)
    : radio(CloneFrames::transferAreaOf(radioImage()), options)
{
    QVERIFY(radio.start());
    env = std::make_unique<GuiTestEnv>(iniWithPorts(radio.devicePath()));
    env->loadIni();
    document.initNew(Language::English, QStringLiteral("XrTest"));
    document.image()[1000] = 0x5A;
    context().setNewDocument(true);
    view = std::make_unique<ChannelView>(&document, context());
    view->show();
    view->initialUpdate();
    context().port().setDeviceOverride(radio.devicePath());
}

ProgressDialog& TransferBench::progress() const
{
    return view->transfer().progress();
}

void TransferBench::run(ViewTransfer::Direction direction)
{
    view->transfer().open(direction);
    QVERIFY(progress().isOpen());
    QTest::mouseClick(progress().okButton(), Qt::LeftButton);
    QVERIFY(!progress().okButton()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!progress().isOpen(), 15000);
}
