#include "race/GapTrend.h"

namespace rennlupe::race {

namespace {

constexpr double kSlack = 0.001;  // a set 10 s back may read a hair under it in floating point

}  // namespace

GapTrend::GapTrend() : m_lines(std::make_unique<std::array<History, 2>>()) {}

void GapTrend::record(double now, std::uint8_t viewed, std::uint8_t ahead, std::uint8_t behind,
                      const Gaps& gaps) {
    record((*m_lines)[0], now, viewed, ahead, gaps.ahead);
    record((*m_lines)[1], now, viewed, behind, gaps.behind);
}

void GapTrend::clear() {
    for (History& history : *m_lines) {
        history.viewed = 0;
        history.partner = 0;
        history.now = Gap{};
        restart(history);
    }
}

Trend GapTrend::trend(Line line) const {
    return trend((*m_lines)[line == Line::Ahead ? 0 : 1]);
}

void GapTrend::restart(History& history) {
    history.first = 0;
    history.size = 0;
}

void GapTrend::record(History& h, double now, std::uint8_t viewed, std::uint8_t partner,
                      const Gap& gap) {
    const bool sameCars = viewed != 0 && partner != 0 && viewed == h.viewed && partner == h.partner;
    if (!sameCars || !gap.seconds || now < h.time) {
        restart(h);
    }
    h.viewed = viewed;
    h.partner = partner;
    h.now = gap;
    h.time = now;
    if (!gap.seconds) {
        return;
    }
    // Only the newest sample at least kSpan old is needed from before the span.
    const auto at = [&h](std::size_t i) -> Sample& { return h.ring[(h.first + i) % kSamples]; };
    while (h.size >= 2 && at(1).time <= now - kSpan + kSlack) {
        h.first = (h.first + 1) % kSamples;
        --h.size;
    }
    if (h.size > 0 && now - at(h.size - 1).time < kStep) {
        return;
    }
    if (h.size == kSamples) {
        h.first = (h.first + 1) % kSamples;
        --h.size;
    }
    at(h.size) = {now, *gap.seconds};
    ++h.size;
}

Trend GapTrend::trend(const History& h) {
    if (!h.now.seconds || h.size == 0) {
        return Trend::Steady;
    }
    const Sample& oldest = h.ring[h.first];
    if (oldest.time > h.time - kSpan + kSlack) {
        return Trend::Steady;
    }
    const double change = *h.now.seconds - oldest.gap;
    if (change < -kThreshold) {
        return Trend::Shrinking;
    }
    return change > kThreshold ? Trend::Growing : Trend::Steady;
}

}  // namespace rennlupe::race
