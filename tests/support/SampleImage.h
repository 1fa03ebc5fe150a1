#pragma once

#include "link/CloneFrames.h"
#include "model/RadioImage.h"

#include <QString>
#include <array>
#include <cstdint>

// The radio images tests start from: a new document's image with the channels, tones and
// bytes a test names, built step by step:
//
//     const RadioImage image = SampleImage().channel(2, 14512500, 14572500).tone(2, 8, "D023N");
class SampleImage {
public:
    SampleImage() : image_(RadioImage::makeNew()) {}

    // Rx and Tx frequency of a channel in 10 Hz counts; 0 leaves the field absent.
    SampleImage& channel(int n, std::uint32_t rx, std::uint32_t tx = 0);
    // The tone field at +offset (8 decode, 10 encode) of a channel, from its grid text.
    SampleImage& tone(int n, int offset, const QString& text);
    // A whole channel record.
    SampleImage& record(int n, const std::array<std::uint8_t, RadioImage::RowSize>& bytes);
    SampleImage& byte(int offset, std::uint8_t value);

    const RadioImage& image() const { return image_; }
    operator RadioImage() const { return image_; }

private:
    RadioImage image_;
};

// An image that differs from a new image's in every byte.
RadioImage patternImage();
// The transfer area filled with a repeating pattern; other seeds give other patterns.
CloneFrames::TransferArea patternArea(int seed);
