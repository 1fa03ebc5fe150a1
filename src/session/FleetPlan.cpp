#include "session/FleetPlan.h"

bool FleetPlan::takeRadio()
{
    const std::lock_guard<std::mutex> lock(lock_);
    if (options_.stopAfter > 0 && taken_ >= options_.stopAfter)
        return false;
    ++taken_;
    return true;
}

bool FleetPlan::radiosLeft() const
{
    const std::lock_guard<std::mutex> lock(lock_);
    return options_.stopAfter <= 0 || taken_ < options_.stopAfter;
}

RadioVariant FleetPlan::variantFor(RadioVariant radio)
{
    const std::lock_guard<std::mutex> lock(lock_);
    if (!variant_)
        variant_ = radio;
    return *variant_;
}

std::optional<RadioVariant> FleetPlan::variant() const
{
    const std::lock_guard<std::mutex> lock(lock_);
    return variant_;
}
