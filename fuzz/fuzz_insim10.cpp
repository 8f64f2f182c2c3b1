#include "insim10/PacketDecoder.h"
#include "insim10/RaceFeed.h"
#include "race/GapLines.h"
#include "race/RaceModel.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <variant>

namespace {

using namespace rennlupe::insim10;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::uint64_t allDrops(const PacketDecoder& decoder) {
    std::uint64_t total = 0;
    for (std::size_t r = 0; r < kDropReasons; ++r) {
        total += decoder.dropped(static_cast<DropReason>(r));
    }
    return total;
}

template <typename Layout>
bool writesBackTheSame(const Layout& layout, std::span<const std::uint8_t> datagram) {
    const auto bytes = layout.bytes();
    return std::equal(bytes.begin(), bytes.end(), datagram.begin(), datagram.end());
}

// What the decoder promises about every packet it gives.
struct Promises {
    std::span<const std::uint8_t> datagram;

    bool insim() const { return std::size_t{datagram[0]} * 4 == datagram.size(); }
    bool operator()(const IsMci& mci) const {
        return insim() && mci.NumC <= 16 && datagram.size() == 4 + std::size_t{mci.NumC} * 28;
    }
    bool operator()(const IsNlp& nlp) const {
        return insim() && nlp.NumP <= 48 && datagram.size() >= 4 + std::size_t{nlp.NumP} * 6;
    }
    bool operator()(const IsMso& mso) const {
        return insim() && mso.TextStart < mso.MsgLength && mso.MsgLength + 8U == datagram.size();
    }
    bool operator()(const OutGaugePack& gauge) const {
        return (datagram.size() == 92 && !gauge.ID) || (datagram.size() == 96 && gauge.ID);
    }
    bool operator()(const IsTiny& tiny) const { return writesBackTheSame(tiny, datagram); }
    bool operator()(const IsSmall& small) const { return writesBackTheSame(small, datagram); }
    bool operator()(const IsBfn& bfn) const { return writesBackTheSame(bfn, datagram); }
    template <typename Other>
    bool operator()(const Other& /*layout*/) const {
        return insim() && datagram.size() == Other::kSize;
    }
};

// A known gap is a real, finite time that is not negative.
bool sound(const rennlupe::race::Gap& gap) {
    return !gap.seconds || (std::isfinite(*gap.seconds) && *gap.seconds >= 0.0);
}

}  // namespace

// Every input is one datagram of one long race: what decodes feeds the model, whose
// gaps must stay sound whatever came before.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static PacketDecoder decoder;  // one for the run, as the program keeps one
    static double now = 0.0;
    static rennlupe::race::RaceModel model([] { return now; });
    now += 0.01;
    const std::span<const std::uint8_t> datagram(data, size);
    const std::uint64_t dropsBefore = allDrops(decoder);
    const std::optional<Packet> packet = decoder.decode(datagram);
    check(allDrops(decoder) == dropsBefore + (packet ? 0U : 1U));
    if (packet) {
        check(std::visit(Promises{datagram}, *packet));
        feedRace(*packet, model);
        const rennlupe::race::Gaps gaps = model.gaps();
        check(sound(gaps.ahead) && sound(gaps.behind));
        check(rennlupe::race::GapLines(gaps).text().size() <= 64);
    }
    return 0;
}
