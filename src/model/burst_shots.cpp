#include "model/burst_shots.h"

#include "model/number_text.h"

#include <cmath>

namespace wepn {

std::optional<std::string> burstShotsText(std::string_view fireDelay,
                                          std::string_view burstLength) {
    if (readLenientNumber(fireDelay) == 0) {
        return std::nullopt;
    }
    const std::optional<double> delay = readNumber(fireDelay);
    const std::optional<double> length = readNumber(burstLength);
    if (!delay || !length) {
        return std::nullopt;
    }
    return burstShotsText(*delay, *length);
}

std::optional<std::string> burstShotsText(double fireDelay, double burstLength) {
    if (fireDelay == 0) {
        return std::nullopt;
    }
    const double shots = burstLength / fireDelay;
    if (!std::isfinite(shots)) {
        return std::nullopt;
    }
    return numberText(shots);
}

} // namespace wepn
