#pragma once

#include "document/ChannelDocument.h"
#include "editor/ChannelView.h"
#include "editor/ViewTransfer.h"
#include "sim/VirtualRadio.h"
#include "support/GuiTestEnv.h"

#include <QByteArray>
#include <memory>

class ProgressDialog;

// Program.ini whose COM1 is com1 and whose other slots lead to paths that do not exist:
// no test opens a real serial port.
QByteArray iniWithPorts(const QString& com1);

// A channel view of a new document, shown on its own, and a virtual radio on a
// pseudo-terminal that the view's transfers use. Byte 1000 of the document, beyond the
// transfer area, is 0x5A.
struct TransferBench {
    VirtualRadio radio;
    std::unique_ptr<GuiTestEnv> env;
    ChannelDocument document;
    std::unique_ptr<ChannelView> view;

    // What the radio holds: channel 1 at 145.125 / 146.125 MHz, squelch 7, UHF 400-420.
    static RadioImage radioImage();

    explicit TransferBench(const VirtualRadio::Options& options = {});

    AppContext& context() const { return env->context; }
    ProgressDialog& progress() const;
    // Runs a command to its end: OK in the progress window, then wait for the window to go.
    void run(ViewTransfer::Direction direction);
};
