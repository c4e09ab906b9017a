// Throughput of the receive state machine, on one core.

#include "link/receive.h"
#include "link/wire_protocol.h"
#include "sample_sets.h"

#include <benchmark/benchmark.h>
#include <cstddef>
#include <string>

namespace {

using velmora::link::ReceiveMachine;

// What the encoder sends for one read-out: ten PS and five RT entries, then
// the decoder information, in the layouts of the fill frames.
std::string readOutAnswer() {
    const std::string psSet = velmora::bench::samplePsSet();
    const std::string rtSet = velmora::bench::sampleRtSet();
    std::string answer;
    for (int entry = 0; entry < 10; ++entry) {
        answer += velmora::link::programmeServiceFrame(entry, psSet);
    }
    for (int entry = 0; entry < 5; ++entry) {
        answer += velmora::link::radiotextFrame(entry, rtSet);
    }
    return answer + velmora::link::decoderFrame({"10", "5", "4", "30"});
}

// About 64 KiB of the given unit, repeated.
std::string traffic(const std::string& unit) {
    std::string bytes;
    while (bytes.size() < 64 * 1024) {
        bytes += unit;
    }
    return bytes;
}

// Feeds the traffic in pieces of range(0) bytes, as the serial line hands
// them over, and counts the characters of every message.
void feedInPieces(benchmark::State& state, const std::string& bytes) {
    const auto piece = static_cast<std::size_t>(state.range(0));
    std::size_t messageCharacters = 0;
    ReceiveMachine machine([&](std::string_view message) { messageCharacters += message.size(); });
    const std::string_view all(bytes);
    for (auto _ : state) {
        for (std::size_t at = 0; at < all.size(); at += piece) {
            machine.feed(all.substr(at, piece));
        }
    }
    benchmark::DoNotOptimize(messageCharacters);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}

void readOut(benchmark::State& state) {
    feedInPieces(state, traffic(readOutAnswer()));
}

// Line noise without a caret: everything is outside a frame and dropped.
void noise(benchmark::State& state) {
    std::string unit;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '^') {
            unit += static_cast<char>(byte);
        }
    }
    feedInPieces(state, traffic(unit));
}

} // namespace

BENCHMARK(readOut)->Arg(1)->Arg(32)->Arg(1024);
BENCHMARK(noise)->Arg(1024);

BENCHMARK_MAIN();
