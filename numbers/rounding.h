// Rounding to a number of decimal places, from the exact binary value.
#pragma once

namespace varnel {

// The value with `places` decimals (0 to 3) nearest to the exact value of
// `value`, ties to the even last digit, returned as the nearest Single or
// Double to that decimal. Infinities, NaN and values that already have no
// more decimals pass unchanged.
float roundToPlaces(float value, int places);
double roundToPlaces(double value, int places);

} // namespace varnel
