#pragma once

#include <vector>

namespace sprout::bench {

// Repeated measurements of one figure.
class Samples {
public:
    void add(double value) { m_values.push_back(value); }
    bool empty() const { return m_values.empty(); }
    int count() const { return static_cast<int>(m_values.size()); }
    double median() const;
    double min() const;
    double max() const;

private:
    std::vector<double> m_values;
};

} // namespace sprout::bench
