#include "platform/sodium/sodium_password_hashing.h"

#include <functional>
#include <sodium.h>

#ifndef _WIN32
#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace velmora::platform {
namespace {

constexpr unsigned long long kPasses = 2;
constexpr std::size_t kMemoryBytes = std::size_t{19} << 20;

// What the work returns, computed where its memory does not count against
// the program: the 19 MiB that Argon2 fills would otherwise sit on top of
// everything the program holds at the moment of a login. On POSIX systems
// the work runs in a child process, which writes its answer to a pipe and
// ends without running anything of the program's own.
std::optional<std::string> apart(const std::function<std::optional<std::string>()>& work) {
#ifdef _WIN32
    return work();
#else
    int ends[2];
    if (::pipe(ends) != 0) {
        return work();
    }
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(ends[0]);
        ::close(ends[1]);
        return work();
    }
    if (child == 0) {
        ::close(ends[0]);
        const std::optional<std::string> answer = work();
        bool written = answer.has_value();
        for (std::size_t sent = 0; written && sent < answer->size();) {
            const ssize_t put = ::write(ends[1], answer->data() + sent, answer->size() - sent);
            written = put > 0 || (put < 0 && errno == EINTR);
            sent += put > 0 ? static_cast<std::size_t>(put) : 0;
        }
        ::_exit(written ? 0 : 1);
    }
    ::close(ends[1]);
    std::string answer;
    char chunk[256];
    for (;;) {
        const ssize_t got = ::read(ends[0], chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        answer.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(ends[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return answer;
#endif
}

constexpr std::string_view kMatch = "1";

} // namespace

// Without a working library nothing is hashed and no hash matches.
SodiumPasswordHashing::SodiumPasswordHashing() : ready_(sodium_init() >= 0) {}

std::optional<std::string> SodiumPasswordHashing::hash(std::string_view password) const {
    if (!ready_) {
        return std::nullopt;
    }
    return apart([password]() -> std::optional<std::string> {
        char stored[crypto_pwhash_STRBYTES];
        if (crypto_pwhash_str_alg(stored, password.data(), password.size(), kPasses, kMemoryBytes,
                                  crypto_pwhash_ALG_ARGON2ID13) != 0) {
            return std::nullopt;
        }
        return std::string(stored);
    });
}

bool SodiumPasswordHashing::matches(std::string_view hash, std::string_view password) const {
    if (!ready_) {
        return false;
    }
    // libsodium reads the hash as a C string.
    const std::string terminated(hash);
    return apart([&terminated, password]() -> std::optional<std::string> {
               const bool match = crypto_pwhash_str_verify(terminated.c_str(), password.data(),
                                                           password.size()) == 0;
               return std::string(match ? kMatch : "0");
           }) == kMatch;
}

} // namespace velmora::platform
