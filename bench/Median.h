// The median of a sample: the middle value, or the mean of the two middle
// values of an even count.
#pragma once

#include <algorithm>
#include <vector>

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  if (values.size() % 2 == 1) return values[middle];
  return (values[middle - 1] + values[middle]) / 2;
}
