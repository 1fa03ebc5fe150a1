#pragma once

#include "link/CloneTransfer.h"
#include "model/Language.h"
#include "model/RadioImage.h"
#include "model/RadioVariant.h"

#include <QString>

// Whether the radio took a write: reads it back in a second session and compares the 816
// bytes it holds with those written. A radio that acknowledged every block may still not
// hold them. The command line's write --verify and the program's Verify after Write both
// go through here.
class WriteVerification {
public:
    explicit WriteVerification(const RadioImage& written);

    // Reads the radio back; once the read completed, the answers below hold.
    CloneTransfer::Result readBack(CloneTransfer& transfer, const QString& device);

    bool completed() const { return completed_; }
    bool verified() const { return completed_ && differingBytes_ == 0; }
    // The image written with the transfer area the radio gave back.
    const RadioImage& readBackImage() const { return readBack_; }
    RadioVariant variant() const { return variant_; }
    int differingBytes() const { return differingBytes_; }

    // How many bytes differ and the first of them, then that difference as the grid or
    // Optional Features shows it (written -> read back).
    QString failureText(Language language) const;

private:
    void compare();

    RadioImage written_;
    RadioImage readBack_;
    RadioVariant variant_ = RadioVariant::ReceiveOnly;
    bool completed_ = false;
    int differingBytes_ = 0;
    int firstOffset_ = -1;
};
