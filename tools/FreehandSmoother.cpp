#include "tools/FreehandSmoother.h"

#include <cmath>

void FreehandSmoother::Clear()
{
    positions.clear();
    opacities.clear();
}

void FreehandSmoother::Push(const QPoint& position, float opacity)
{
    if (positions.size() >= WINDOW_SIZE) {
        positions.removeLast();
        opacities.removeLast();
    }
    positions.prepend(position);
    opacities.prepend(opacity);
}

void FreehandSmoother::DropNewest()
{
    if (positions.isEmpty())
        return;
    positions.removeFirst();
    opacities.removeFirst();
}

int FreehandSmoother::WeightSum() const
{
    const int k = positions.size();
    return k * (k + 1) / 2;
}

QPoint FreehandSmoother::SmoothedPosition() const
{
    const int k = positions.size();
    if (k == 0)
        return QPoint();
    // Summed in integers and divided once, so that exact halves stay exact.
    long long x = 0;
    long long y = 0;
    for (int j = 0; j < k; ++j) {
        x += static_cast<long long>(positions[j].x()) * (k - j);
        y += static_cast<long long>(positions[j].y()) * (k - j);
    }
    const double total = WeightSum();
    return QPoint(RoundHalfUp(x / total), RoundHalfUp(y / total));
}

float FreehandSmoother::SmoothedOpacity() const
{
    const int k = opacities.size();
    const float total = static_cast<float>(WeightSum());
    float opacity = 0.0f;
    for (int j = 0; j < k; ++j)
        opacity += static_cast<float>(k - j) * opacities[j] / total;
    return opacity;
}

int FreehandSmoother::RoundHalfUp(double value)
{
    return static_cast<int>(std::floor(value + 0.5));
}
