#pragma once

#include "model/RadioImage.h"

#include <cstdint>
#include <vector>

// The bytes an edit changed in a radio image, each with its value before and after: what
// an undo step keeps instead of copies of the whole image.
class ImageChange {
public:
    static ImageChange between(const RadioImage& before, const RadioImage& after);

    bool isEmpty() const { return bytes_.empty(); }
    int size() const { return static_cast<int>(bytes_.size()); }
    void apply(RadioImage& image) const;  // before -> after
    void revert(RadioImage& image) const; // after -> before

private:
    struct Byte {
        std::uint16_t offset;
        std::uint8_t before;
        std::uint8_t after;
    };
    std::vector<Byte> bytes_;
};
