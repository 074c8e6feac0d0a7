#pragma once

#include <algorithm>
#include <vector>

// The middle value of repeated measurements (the upper one of the two middle
// values of an even count): a busy moment of a shared machine moves it less
// than it moves the mean.
inline double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}
