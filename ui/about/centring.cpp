#include "ui/about/centring.h"

#include <cmath>

namespace morvane {
namespace {

long long RoundHalfToEven(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower;
    auto rounded = static_cast<long long>(lower);
    if (fraction > 0.5 || (fraction == 0.5 && rounded % 2 != 0)) ++rounded;
    return rounded;
}

}  // namespace

int CentredOrigin(double screenSize, double windowSize) {
    return static_cast<int>(RoundHalfToEven(screenSize - windowSize) / 2);
}

}  // namespace morvane
