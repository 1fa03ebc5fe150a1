#include "print/ReportPagination.h"

bool isChannelPrinted(const ChannelTexts& cells, int channel, RadioVariant variant)
{
    return isChannelUsed(!cells[channel][GridColumn::RxFrequency].isEmpty(),
                         !cells[channel][GridColumn::TxFrequency].isEmpty(), variant);
}

void ReportPagination::prepare(const ChannelTexts& cells, RadioVariant variant)
{
    recount(cells, variant);
    pageCount_ = 1 + (channelCount_ + ChannelsPerPage - 1) / ChannelsPerPage;
}

void ReportPagination::recount(const ChannelTexts& cells, RadioVariant variant)
{
    // Start from "everything on the first channel page" so that a printout with fewer
    // channels than the last one leaves none of them out.
    pageEnds_ = {0, RadioImage::ChannelCount, RadioImage::ChannelCount};
    channelCount_ = 0;
    int filledPages = 0;
    for (int channel = 1; channel <= RadioImage::ChannelCount; ++channel) {
        if (!isChannelPrinted(cells, channel, variant))
            continue;
        ++channelCount_;
        if (channelCount_ % ChannelsPerPage == 0 && filledPages + 1 < MaxPages)
            pageEnds_[++filledPages] = channel;
    }
}

int ReportPagination::firstChannelOf(int page) const
{
    return page >= 2 && page <= MaxPages ? pageEnds_[page - 2] + 1 : 1;
}

int ReportPagination::lastChannelOf(int page) const
{
    return page >= 2 && page <= MaxPages ? pageEnds_[page - 1] : 0;
}
