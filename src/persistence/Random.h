#pragma once

#include <QRandomGenerator>

// Random numbers (the scoring order of a round, for one), replaceable in tests by a seeded
// generator so that orders are reproducible.
class Random
{
public:
    virtual ~Random() = default;
    // A number in [0, bound).
    virtual quint32 bounded(quint32 bound) { return QRandomGenerator::global()->bounded(bound); }
};

// The same sequence for the same seed.
class SeededRandom : public Random
{
public:
    explicit SeededRandom(quint32 seed) : m_generator(seed) {}
    quint32 bounded(quint32 bound) override { return m_generator.bounded(bound); }

private:
    QRandomGenerator m_generator;
};
