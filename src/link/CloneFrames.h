#pragma once

#include "model/RadioImage.h"

#include <array>
#include <cstdint>

// The frames both ends of the clone line exchange. The PC wakes the radio with
// 0x02 "PROGRAM", asks for its identification, confirms it, and then moves the
// transfer area in 8-byte blocks, each answered or acknowledged with 0x06.
namespace CloneFrames {

constexpr std::array<std::uint8_t, 8> WakeUp = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M'};
// The PC listens for an early answer right after this many wake-up bytes.
constexpr int EarlyAnswerAfter = 7;

constexpr std::uint8_t IdentificationRequest = 0x02;
constexpr int IdentificationSize = 8;
constexpr int IdentificationChecked = 5; // bytes 1 to 5 must match
constexpr int VariantByteIndex = 7;      // byte 8 tells the radio's variant
constexpr std::uint8_t IdByte1 = 0x50;
constexpr std::uint8_t IdByte2A = 0x33;
constexpr std::uint8_t IdByte2B = 0x32;
constexpr std::uint8_t IdByte3 = 0x32;
constexpr std::uint8_t IdByte4 = 0x30;
constexpr std::uint8_t IdByte5 = 0x37;

constexpr std::uint8_t Ack = 0x06;
constexpr std::uint8_t ReadCommand = 0x52;  // 'R'
constexpr std::uint8_t WriteCommand = 0x57; // 'W'
constexpr int CommandSize = 4;              // command, address high, address low, length
constexpr int BlockSize = 8;
constexpr int ReadReplySize = 12; // 4 header bytes, then the block
constexpr int ReadReplyHeader = ReadReplySize - BlockSize;

constexpr int TransferSize = RadioImage::TransferSize;
constexpr int BlockCount = TransferSize / BlockSize;          // 102
constexpr int RowCount = TransferSize / RadioImage::RowSize;  // 51
constexpr int BlocksPerRow = RadioImage::RowSize / BlockSize; // 2

// Bytes 0..815 of the radio image, the part that crosses the line.
using TransferArea = std::array<std::uint8_t, TransferSize>;

TransferArea transferAreaOf(const RadioImage& image);
// Replaces bytes 0..815 of the image; bytes 816..1023 stay as they are.
void applyTransferArea(RadioImage& image, const TransferArea& area);

// Whether bytes 1 to 5 of an identification reply name this radio; a reply of fewer
// than five bytes does not.
bool identificationMatches(const std::uint8_t* reply, int length);

} // namespace CloneFrames
