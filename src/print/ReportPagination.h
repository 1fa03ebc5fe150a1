#pragma once

#include "model/ChannelCodec.h"

#include <array>

// How the report splits the used channels over its pages: the options page comes first,
// then at most eight channels a page. Which channels are used depends on the radio variant
// (isChannelPrinted). The view that prints keeps one of these for as long as it lives.
class ReportPagination {
public:
    static constexpr int ChannelsPerPage = 8;
    static constexpr int MaxPages = 3;

    // Counts the channels and fixes the page count of the coming printout.
    void prepare(const ChannelTexts& cells, RadioVariant variant);
    // Counts again and recomputes where the channel pages end; the page count stays as
    // prepared, so a page number the printer already knows keeps its meaning.
    void recount(const ChannelTexts& cells, RadioVariant variant);

    int pageCount() const { return pageCount_; }
    int channelCount() const { return channelCount_; }
    // The channel range a channel page (2 or 3) walks; empty for any other page.
    int firstChannelOf(int page) const;
    int lastChannelOf(int page) const;

private:
    // pageEnds_[k] is the last channel of channel page k (page k + 1); pageEnds_[0] = 0.
    std::array<int, MaxPages> pageEnds_{0, RadioImage::ChannelCount, RadioImage::ChannelCount};
    int channelCount_ = 0;
    int pageCount_ = 1;
};

// True when the channel is in use as the variant sees it: a receive frequency for a
// receive-only radio, a transmit frequency for a transmit-only one, either for the others.
bool isChannelPrinted(const ChannelTexts& cells, int channel, RadioVariant variant);
