// What the asset painters share: a generator that paints the same image on
// every machine, and the 24-bit form the pictures are stored in.
#pragma once

#include <QImage>

#include <cstdint>

namespace varnel::assets {

// A fixed-seed generator: the same image on every machine and run.
class Random
{
public:
    explicit Random(std::uint32_t seed)
        : m_state(seed)
    {
    }
    double next() // in [0, 1)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / 16777216.0;
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t m_state;
};

inline QImage to24Bit(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace varnel::assets
