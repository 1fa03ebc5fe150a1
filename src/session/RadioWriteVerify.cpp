#include "session/RadioWriteVerify.h"

#include "link/WriteVerification.h"

CloneTransfer::Result RadioWriteVerify::write(CloneTransfer& transfer, const QString& device) const
{
    return transfer.write(device, CloneFrames::transferAreaOf(image_));
}

RadioWriteVerify::Verification RadioWriteVerify::verify(CloneTransfer& transfer, const QString& device) const
{
    WriteVerification verification(image_);
    Verification verified{verification.readBack(transfer, device), {}, false, {}};
    if (!verified.completed())
        return verified;
    verified.copy = history_.keep(verification.readBackImage(), verification.variant());
    verified.verified = verification.verified();
    verified.failureText = verification.failureText(language_);
    return verified;
}
