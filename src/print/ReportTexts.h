#pragma once

#include "model/Language.h"
#include "model/RadioImage.h"

#include <QString>
#include <vector>

// The report's own labels in one language.
struct ReportLabels {
    QString optionTitle;
    QString functionHeading;
    QString channelTitle;
    QString channelNumber; // "%1" is the channel number
    QString receiveFrequency;
    QString transmitFrequency;
    QString decodeTone;
    QString encodeTone;
    QString bandwidth;
    QString scan;
};

const ReportLabels& reportLabels(Language language);

// One line of the options page.
struct OptionLine {
    QString label;
    QString value;
};

// The options page's lines, top to bottom, with the values read from the option block.
std::vector<OptionLine> optionLines(const RadioImage& image, Language language);

// The right half of the footer.
QString pageFooterText(int page, int pageCount);
