#pragma once

#include "model/Language.h"
#include "model/RadioImage.h"
#include "model/RadioVariant.h"

#include <mutex>
#include <optional>

// How the bench programs its radios.
struct FleetOptions {
    bool backup = true; // read each radio into the radio history before writing it
    bool verify = true; // read it back after writing and compare
    // The bench stops once it has handled this many radios (verified, written, failed
    // or refused); 0: until it is stopped.
    int stopAfter = 0;
    // The radios' variant; none: the first radio's, which the others must then match.
    std::optional<RadioVariant> variant;
    // How often a cable looks for a radio that comes or goes (a handshake attempt each).
    int probeIntervalMs = 1000;
    Language language = Language::English; // of the details and the cables' states
};

// What every cable of a bench works from, shared across their threads: the image to
// write (bytes 0 to 815 go into each radio), the options, the plan's variant and the
// count of radios taken so far.
class FleetPlan {
public:
    static constexpr int StepsPerTransfer = 51; // the rows of one transfer

    FleetPlan(const RadioImage& image, const FleetOptions& options) : image_(image), options_(options)
    {
        variant_ = options.variant;
    }

    const RadioImage& image() const { return image_; }
    const FleetOptions& options() const { return options_; }
    // The steps of one radio's bar: the rows of its backup, write and verify.
    int stepsPerRadio() const { return StepsPerTransfer * ((options_.backup ? 1 : 0) + 1 + (options_.verify ? 1 : 0)); }

    // Takes the next radio; false once the bench has taken as many as it should.
    bool takeRadio();
    bool radiosLeft() const;
    // The plan's variant, set by the first radio's when none was given.
    RadioVariant variantFor(RadioVariant radio);
    std::optional<RadioVariant> variant() const;

private:
    const RadioImage image_;
    const FleetOptions options_;
    mutable std::mutex lock_;
    std::optional<RadioVariant> variant_;
    int taken_ = 0;
};
