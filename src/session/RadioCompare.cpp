#include "session/RadioCompare.h"

#include "model/ImageDiffText.h"

RadioCompare::Result RadioCompare::run(CloneTransfer& transfer, const QString& device,
                                       const RadioImage& document) const
{
    Result compared{reader_.run(transfer, device, document), {}, {}};
    if (!compared.completed())
        return compared;
    compared.diff = diffImages(document, compared.read.image, compared.read.variant(), language_);
    compared.lines = imageDiffLines(compared.diff, language_);
    return compared;
}
