// Times fills of the real main window over encoder-sim: the gaps between the
// frames as the simulator receives them, and the time from the click on
// "Versturen" to the decoder frame. Prints one "name value" line per figure.

#include "app/composition_root.h"
#include "app/qt_adapters.h"
#include "run_until.h"
#include "sample_sets.h"
#include "timed_simulator.h"
#include "window_item.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;
using velmora::bench::Clock;
using velmora::bench::TimedSimulator;
using velmora::bench::windowItem;

namespace {

constexpr int kFills = 5;
constexpr int kFramesPerFill = 16;
constexpr int kPort = 1;

bool runUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    return velmora::bench::runUntil(condition, limit, std::chrono::milliseconds(1));
}

void idle(std::chrono::milliseconds time) {
    runUntil([] { return false; }, time);
}

bool isSentFrame(const std::string& line, char command) {
    const std::string mark = std::string(" ms recv \"^B^") + command;
    return line.find(mark) != std::string::npos;
}

double milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Fill {
    std::vector<double> gaps;
    double clickToDecoder = 0;
};

// One click on "Versturen" and the sixteen frames it puts on the line.
bool timeOneFill(velmora::shell::MainWindow& window, const TimedSimulator& sim, Fill& fill) {
    const std::size_t first = sim.lineCount();
    const auto frames = [&] {
        std::vector<Clock::time_point> times;
        for (const TimedSimulator::Line& line : sim.linesFrom(first)) {
            if (line.text.find(" ms recv \"^B^") != std::string::npos) {
                times.push_back(line.at);
            }
        }
        return times;
    };
    const Clock::time_point click = Clock::now();
    windowItem(window, u"Versturen"_s)->trigger();
    if (!runUntil([&] { return frames().size() >= kFramesPerFill; }, std::chrono::seconds(5))) {
        return false;
    }
    const std::vector<Clock::time_point> times = frames();
    if (!isSentFrame(sim.linesFrom(first).back().text, 'D')) {
        return false;
    }
    for (std::size_t frame = 1; frame < times.size(); ++frame) {
        fill.gaps.push_back(milliseconds(times[frame] - times[frame - 1]));
    }
    fill.clickToDecoder = milliseconds(times.back() - click);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication application(argc, argv);

    TimedSimulator sim(VELMORA_ENCODER_SIM, {"--port", std::to_string(kPort)});
    const auto simReady = [&] {
        const auto lines = sim.linesFrom(0);
        return std::any_of(lines.begin(), lines.end(), [](const TimedSimulator::Line& line) {
            return line.text.find(" ms ready: ") != std::string::npos;
        });
    };
    if (!sim.started() || !runUntil(simReady, std::chrono::seconds(5))) {
        std::fprintf(stderr, "fill_timing: encoder-sim did not start\n");
        return 1;
    }

    velmora::app::QtAdapters platform(config.path() + u"/velmora.ini"_s);
    velmora::app::CompositionRoot program(platform.adapters());
    velmora::shell::MainWindow& window = program.mainWindow();
    window.show();
    program.document().replaceSet(velmora::station::SetKind::ProgrammeService,
                                  velmora::bench::samplePsSet());
    program.document().replaceSet(velmora::station::SetKind::Radiotext,
                                  velmora::bench::sampleRtSet());
    // The hardware window of the connect is closed as soon as it shows.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &closer, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    closer.start(10);
    windowItem(window, u"Verbinding"_s)->trigger();
    if (!runUntil(
            [&] {
                return program.encoderSession().state() ==
                           velmora::link::ConnectionState::Connected &&
                       QApplication::activeModalWidget() == nullptr;
            },
            std::chrono::seconds(5))) {
        std::fprintf(stderr, "fill_timing: the simulator did not answer the greeting\n");
        return 1;
    }
    closer.stop();

    std::vector<double> gaps;
    std::vector<double> clickToDecoder;
    for (int run = 0; run < kFills; ++run) {
        idle(std::chrono::milliseconds(200));
        Fill fill;
        if (!timeOneFill(window, sim, fill)) {
            std::fprintf(stderr, "fill_timing: fill %d did not reach the simulator\n", run + 1);
            return 1;
        }
        gaps.insert(gaps.end(), fill.gaps.begin(), fill.gaps.end());
        clickToDecoder.push_back(fill.clickToDecoder);
    }
    std::printf("fill_runs %d\n", kFills);
    std::printf("fill_gap_median_ms %.1f\n", median(gaps));
    std::printf("fill_gap_max_ms %.1f\n", *std::max_element(gaps.begin(), gaps.end()));
    std::printf("click_to_decoder_median_ms %.1f\n", median(clickToDecoder));
    std::printf("click_to_decoder_max_ms %.1f\n",
                *std::max_element(clickToDecoder.begin(), clickToDecoder.end()));
    return 0;
}
