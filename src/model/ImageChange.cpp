#include "model/ImageChange.h"

ImageChange ImageChange::between(const RadioImage& before, const RadioImage& after)
{
    ImageChange change;
    for (int i = 0; i < RadioImage::Size; ++i) {
        const auto offset = static_cast<std::size_t>(i);
        if (before[offset] != after[offset])
            change.bytes_.push_back({static_cast<std::uint16_t>(i), before[offset], after[offset]});
    }
    return change;
}

void ImageChange::apply(RadioImage& image) const
{
    for (const Byte& byte : bytes_)
        image[byte.offset] = byte.after;
}

void ImageChange::revert(RadioImage& image) const
{
    for (const Byte& byte : bytes_)
        image[byte.offset] = byte.before;
}
