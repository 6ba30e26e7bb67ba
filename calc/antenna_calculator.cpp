#include "calc/antenna_calculator.h"

#include "numbers/fp_guard.h"

#include <initializer_list>
#include <utility>

namespace varnel {

namespace {

// Stores first and reports after: a failing step has already stored its value.
ErrorKind storeLength(FpGuard &guard, float &target, float frequency, double divisor)
{
    target = guard.toSingle(guard.divide(guard.divide(kWavelengthNumerator, frequency), divisor));
    return guard.check();
}

// The frequency's band, by the thresholds tested strictly and in order, each
// test overriding the one before. The thresholds fall, so the tests that pass
// are always the first `bandIndex` ones.
std::size_t bandIndex(float frequency)
{
    std::size_t band = 0;
    for (std::size_t i = 0; i + 1 < kBands.size(); ++i) {
        if (frequency < kBands[i].lowerBound)
            band = i + 1;
    }
    return band;
}

} // namespace

ErrorKind Module1::ComputeLengths(float f)
{
    Frequency = f;
    FpGuard guard;
    for (auto [target, divisor] :
         {std::pair {&VerticalHeight, kVerticalHeightDivisor}, std::pair {&HorizontalSide, kHorizontalSideDivisor},
          std::pair {&HorizontalEnd, kHorizontalEndDivisor}, std::pair {&CenterGap, kCenterGapDivisor}}) {
        if (const ErrorKind error = storeLength(guard, *target, Frequency, divisor); error != ErrorKind::None)
            return error;
    }
    return ErrorKind::None;
}

void Module1::SelectElementDiameter()
{
    ElementDiameter = kBands[bandIndex(Frequency)].elementDiameter;
}

ErrorKind Module1::ComputeCapacitors()
{
    const std::size_t band = bandIndex(Frequency);
    CapCoefficient = kBands[band].capCoefficient;

    FpGuard guard;
    // Evaluated once for band 1 and again for every threshold passed, each
    // time with the coefficient already chosen; only the last one stands.
    auto evaluate = [&](const Band &band) {
        const double p = guard.multiply(guard.subtract(band.referenceFrequency, Frequency), CapCoefficient);
        if (const ErrorKind error = guard.check(); error != ErrorKind::None)
            return error;
        const double wavelength = guard.divide(kWavelengthNumerator, Frequency);
        ParallelCap = guard.toSingle(guard.multiply(guard.subtract(band.baseConstant, p), wavelength));
        return guard.check();
    };
    for (std::size_t i = 0; i <= band; ++i) {
        if (const ErrorKind error = evaluate(kBands[i]); error != ErrorKind::None)
            return error;
    }

    // From the stored Single, not from the unrounded product.
    SeriesCap = guard.toSingle(guard.multiply(ParallelCap, kSeriesToParallel));
    return guard.check();
}

} // namespace varnel
