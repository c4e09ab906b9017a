#include "session.h"

#include "printable.h"

#include <iomanip>

namespace velmora::encodersim {

Session::Session(const Options& options, Line& line, std::ostream& log)
    : options_(options), line_(line), log_(log),
      encoder_(options.identity, options.signsOff, options.readOutLimit, options.corruptAnswer) {
    if (options.demoContent) {
        encoder_.loadDemoContent();
    }
}

bool Session::handle(const std::vector<Received>& units) {
    for (const Received& unit : units) {
        if (!handle(unit)) {
            return false;
        }
    }
    return true;
}

bool Session::handle(const Received& unit) {
    switch (unit.kind) {
    case Received::Kind::Stray:
        log("recv stray bytes " + printable(unit.raw));
        return true;
    case Received::Kind::Malformed:
        log("recv MALFORMED " + printable(unit.raw) + ": " + unit.problem);
        return true;
    case Received::Kind::Frame:
        break;
    }

    ++framesReceived_;
    if (options_.vanishAfter > 0 && framesReceived_ >= options_.vanishAfter) {
        log("recv " + printable(unit.raw) + ": vanishing, the line closes");
        return false;
    }
    const Encoder::Response response = encoder_.respond(unit);
    log("recv " + printable(unit.raw) + " " + response.description);
    if (options_.silent) {
        return true;
    }
    for (const std::string& frame : response.frames) {
        send(frame);
    }
    if (unit.command == 'I' && options_.burstBytes > 0 && !burstSent_) {
        sendBurst();
    }
    return true;
}

void Session::send(const std::string& frame) {
    if (options_.noiseBytes > 0) {
        const std::string bytes = randomBytes(options_.noiseBytes, '^');
        line_.write(bytes);
        log("sent noise " + printable(bytes));
    }
    line_.write(frame);
    log("sent " + printable(frame));
}

// Without a "B" no start mark can form, however the carets fall.
void Session::sendBurst() {
    burstSent_ = true;
    line_.write(randomBytes(options_.burstBytes, 'B'));
    log("sent burst of " + std::to_string(options_.burstBytes) + " random bytes");
}

std::string Session::randomBytes(std::size_t count, char never) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes;
    bytes.reserve(count);
    while (bytes.size() < count) {
        const auto c = static_cast<char>(byte(random_));
        if (c != never) {
            bytes += c;
        }
    }
    return bytes;
}

void Session::printState() {
    for (const std::string& line : encoder_.describeState()) {
        log("state " + line);
    }
}

void Session::log(std::string_view text) {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start_);
    log_ << std::setw(8) << elapsed.count() << " ms " << text << std::endl;
}

} // namespace velmora::encodersim
