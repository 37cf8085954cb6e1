// tq8615-radiosim: plays the radio behind the programming cable on a pseudo-terminal.
// Prints the terminal's path; the programmer opens that path as its serial port.
#include "files/atomic_file.h"
#include "radiosim/virtual_radio.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using tq8615::sim::VirtualRadio;

volatile sig_atomic_t stopRequested = 0;
volatile sig_atomic_t offRequested = 0;
volatile sig_atomic_t nextRequested = 0;
void onSignal(int) { stopRequested = 1; }
void onOffSignal(int) { offRequested = 1; }
void onNextSignal(int) { nextRequested = 1; }

struct Options {
    std::string memoryFile;
    std::string infoFile;
    std::string nextMemoryFile;
    std::string linkPath;
    std::string password;
    bool passwordGiven = false;
    bool paced = true;
    bool watchStdin = false;
    bool verbose = false;
    int baud = 9600;
};

void usage(std::FILE* to)
{
    std::fputs(
        "usage: tq8615-radiosim [options]\n"
        "Plays a TQ8615 radio with its programming cable on a pseudo-terminal and prints\n"
        "the terminal's path on the first line of standard output.\n"
        "\n"
        "  --model TEXT         model the radio reports (TQ8615)\n"
        "  --version TEXT       version the radio reports (V100)\n"
        "  --band N             band plan index the radio reports (2)\n"
        "  --password TEXT      the radio's programming password (none)\n"
        "  --memory FILE        configuration memory (12960 bytes): loaded when the file\n"
        "                       exists, saved after each session that wrote and at exit\n"
        "  --info FILE          embedded information (256 bytes), loaded and saved alike\n"
        "  --unpaced            send at once instead of at the line's speed\n"
        "  --baud N             line speed used for pacing (9600)\n"
        "  --drop-every N       leave every Nth reply unsent\n"
        "  --corrupt-every N    give every Nth block reply a wrong checksum\n"
        "  --split N            send replies in pieces of N bytes\n"
        "  --garbage-every N    send garbage bytes before every Nth reply\n"
        "  --stop-after N       stop answering after N frames\n"
        "  --corrupt-write N    store the Nth block written with a wrong byte (but acknowledge it)\n"
        "  --off-mid-write N    the Nth radio switches off after its tenth block written\n"
        "  --next-memory FILE   memory of the next radios (blank without it)\n"
        "  --link PATH          also make PATH a symbolic link to the terminal\n"
        "  --watch-stdin        end when standard input closes\n"
        "  --verbose            log every frame on standard error\n"
        "\n"
        "SIGUSR1 switches the radio off; SIGUSR2 switches it on as the next radio of a fleet\n"
        "(the next serial number, memory from --next-memory or blank).\n",
        to);
}

bool loadFile(const std::string& path, uint8_t* data, std::size_t size)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() != size) {
        std::fprintf(stderr, "radiosim: %s is %zu bytes, expected %zu; not loaded\n", path.c_str(), bytes.size(), size);
        return false;
    }
    std::memcpy(data, bytes.data(), size);
    return true;
}

void saveFile(const std::string& path, const uint8_t* data, std::size_t size)
{
    std::error_code error;
    if (!path.empty() && !tq8615::WriteFileAtomically(path, data, size, error))
        std::fprintf(stderr, "radiosim: cannot write %s: %s\n", path.c_str(), error.message().c_str());
}

bool parseInt(const char* text, int& value)
{
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(text, &end, 10);
    if (errno || end == text || *end || v < 0 || v > 1000000)
        return false;
    value = int(v);
    return true;
}

// What the radio side puts on the line: each byte with the moment it is due.
struct Scheduled {
    Clock::time_point due;
    uint8_t byte;
};

}  // namespace

int main(int argc, char** argv)
{
    Options opt;
    VirtualRadio radio;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "radiosim: %s needs a value\n", a.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        auto number = [&](int& target) {
            const char* v = value();
            if (!parseInt(v, target)) {
                std::fprintf(stderr, "radiosim: %s: not a number: %s\n", a.c_str(), v);
                std::exit(2);
            }
        };
        if (a == "--model") radio.identity.model = value();
        else if (a == "--version") radio.identity.version = value();
        else if (a == "--band") number(radio.identity.band);
        else if (a == "--password") { opt.password = value(); opt.passwordGiven = true; }
        else if (a == "--memory") opt.memoryFile = value();
        else if (a == "--info") opt.infoFile = value();
        else if (a == "--unpaced") opt.paced = false;
        else if (a == "--baud") number(opt.baud);
        else if (a == "--drop-every") number(radio.faults.dropEvery);
        else if (a == "--corrupt-every") number(radio.faults.corruptEvery);
        else if (a == "--split") number(radio.faults.splitSize);
        else if (a == "--garbage-every") number(radio.faults.garbageEvery);
        else if (a == "--stop-after") number(radio.faults.stopAfter);
        else if (a == "--corrupt-write") number(radio.faults.corruptWrite);
        else if (a == "--off-mid-write") number(radio.faults.offMidWrite);
        else if (a == "--next-memory") opt.nextMemoryFile = value();
        else if (a == "--link") opt.linkPath = value();
        else if (a == "--watch-stdin") opt.watchStdin = true;
        else if (a == "--verbose") opt.verbose = true;
        else if (a == "--help" || a == "-h") { usage(stdout); return 0; }
        else {
            std::fprintf(stderr, "radiosim: unknown option %s\n", a.c_str());
            usage(stderr);
            return 2;
        }
    }
    if (opt.baud <= 0) {
        std::fprintf(stderr, "radiosim: --baud must be positive\n");
        return 2;
    }

    radio.fillSampleInfo();
    if (!opt.memoryFile.empty())
        loadFile(opt.memoryFile, radio.memory.data(), radio.memory.size());
    if (!opt.infoFile.empty())
        loadFile(opt.infoFile, radio.info.data(), radio.info.size());
    if (opt.passwordGiven)
        radio.setPassword(opt.password);
    radio.onSessionEnd = [&](bool wrote) {
        if (wrote)
            saveFile(opt.memoryFile, radio.memory.data(), radio.memory.size());
    };

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("radiosim: pseudo-terminal");
        return 1;
    }
    const char* slaveName = ptsname(master);
    if (!slaveName) {
        std::perror("radiosim: ptsname");
        return 1;
    }
    const std::string slavePath = slaveName;
    // Holding the terminal open ourselves keeps the line up between the programmer's runs
    // (no hang-up on the master side) and lets us make it raw before anyone opens it.
    const int slave = open(slavePath.c_str(), O_RDWR | O_NOCTTY);
    if (slave < 0) {
        std::perror("radiosim: open terminal");
        return 1;
    }
    termios tio{};
    tcgetattr(slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(slave, TCSANOW, &tio);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    if (!opt.linkPath.empty()) {
        unlink(opt.linkPath.c_str());
        if (symlink(slavePath.c_str(), opt.linkPath.c_str()) != 0)
            std::fprintf(stderr, "radiosim: cannot link %s: %s\n", opt.linkPath.c_str(), std::strerror(errno));
    }
    std::printf("%s\n", slavePath.c_str());
    std::fflush(stdout);

    // A stop request interrupts the wait; at worst it is seen when the wait times out.
    struct sigaction sa{};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    for (int s : {SIGINT, SIGTERM, SIGHUP})
        sigaction(s, &sa, nullptr);
    sa.sa_handler = onOffSignal;
    sigaction(SIGUSR1, &sa, nullptr);
    sa.sa_handler = onNextSignal;
    sigaction(SIGUSR2, &sa, nullptr);

    // One byte takes 10 bit times on the line (start, 8 data, stop).
    const auto byteTime = std::chrono::nanoseconds(10'000'000'000LL / opt.baud);
    const auto pieceGap = std::chrono::milliseconds(2);  // lets pieces arrive apart when unpaced
    std::deque<Scheduled> out;
    Clock::time_point inClock{}, outClock{};

    while (!stopRequested) {
        if (offRequested) {
            offRequested = 0;
            radio.switchOff();
            out.clear();
        }
        if (nextRequested) {
            nextRequested = 0;
            std::array<uint8_t, tq8615::sim::kMemorySize> next{};
            if (!opt.nextMemoryFile.empty())
                loadFile(opt.nextMemoryFile, next.data(), next.size());
            radio.switchOnAsNext(next);
            out.clear();
            if (opt.verbose)
                std::fprintf(stderr, "radiosim: on as radio %d\n", radio.radioNumber());
        }
        const auto now = Clock::now();
        // Put on the line whatever is due.
        std::vector<uint8_t> due;
        while (!out.empty() && out.front().due <= now) {
            due.push_back(out.front().byte);
            out.pop_front();
        }
        if (!due.empty()) {
            ssize_t written = write(master, due.data(), due.size());
            if (written < 0 && errno != EAGAIN && errno != EINTR)
                std::perror("radiosim: write");
            // Bytes nobody takes are lost, as on a real line.
        }

        pollfd fds[2] = {{master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        const nfds_t count = opt.watchStdin ? 2 : 1;
        timespec timeout{1, 0};
        const timespec* wait = &timeout;
        if (!out.empty()) {
            const auto left = std::max(Clock::duration::zero(), out.front().due - Clock::now());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            timeout = {time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
        }
        const int ready = ppoll(fds, count, wait, nullptr);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            std::perror("radiosim: poll");
            break;
        }
        if (opt.watchStdin && (fds[1].revents & (POLLIN | POLLHUP))) {
            char sink[256];
            if (read(STDIN_FILENO, sink, sizeof sink) <= 0)
                break;
        }
        if (!(fds[0].revents & POLLIN))
            continue;
        uint8_t buffer[512];
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0)
            continue;

        const auto arrivedAt = Clock::now();
        auto schedule = [&](Clock::time_point at, uint8_t b) {
            at = std::max(at, out.empty() ? at : out.back().due);
            out.push_back({at, b});
            outClock = std::max(outClock, at);
        };
        if (!opt.paced)
            inClock = outClock = arrivedAt;
        for (ssize_t i = 0; i < n; ++i) {
            // The frame reaches the radio at the line's speed; the cable echoes each byte
            // as it passes.
            if (!radio.poweredOn())
                continue;  // nothing answers, not even the echo
            if (opt.paced)
                inClock = std::max(inClock, arrivedAt) + byteTime;
            schedule(inClock, buffer[i]);
            tq8615::sim::Reply reply;
            if (!radio.receive(buffer[i], reply))
                continue;
            if (opt.verbose) {
                std::size_t bytes = 0;
                for (auto& p : reply) bytes += p.size();
                std::fprintf(stderr, "radiosim: frame %d answered with %zu bytes\n", radio.framesReceived(), bytes);
            }
            auto at = std::max(inClock, outClock);
            bool firstPiece = true;
            for (auto& piece : reply) {
                if (!firstPiece && !opt.paced)
                    at += pieceGap;
                firstPiece = false;
                for (uint8_t b : piece) {
                    if (opt.paced)
                        at += byteTime;
                    schedule(at, b);
                }
            }
        }
    }

    saveFile(opt.memoryFile, radio.memory.data(), radio.memory.size());
    saveFile(opt.infoFile, radio.info.data(), radio.info.size());
    if (!opt.linkPath.empty())
        unlink(opt.linkPath.c_str());
    close(slave);
    close(master);
    return 0;
}
