#include "Timing.h"

#include <algorithm>
#include <chrono>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace bench {

Reading Time(const Reader& read, Grey& page, int repeats)
{
    Reading best;
    best.microseconds = 1e300;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        std::vector<Decoded> found = read(page);
        const auto stop = std::chrono::steady_clock::now();
        const double us = std::chrono::duration<double, std::micro>(stop - start).count();
        if (us < best.microseconds) {
            best.microseconds = us;
            best.found = std::move(found);
        }
    }
    return best;
}

namespace {

// "microseconds\n" then "score length\n" + text for each result: texts may hold any byte.
std::string Serialise(const Reading& reading)
{
    std::string message = std::to_string(reading.microseconds) + "\n";
    for (const Decoded& d : reading.found)
        message += std::to_string(d.score) + " " + std::to_string(d.text.size()) + "\n" + d.text;
    return message;
}

bool Deserialise(const std::string& message, Reading& reading)
{
    std::size_t end = message.find('\n');
    if (end == std::string::npos)
        return false;
    reading.microseconds = std::stod(message.substr(0, end));
    for (std::size_t at = end + 1; at < message.size();) {
        const std::size_t space = message.find(' ', at), line = message.find('\n', at);
        if (space == std::string::npos || line == std::string::npos || space > line)
            return false;
        const int score = std::stoi(message.substr(at, space - at));
        const std::size_t length = std::stoul(message.substr(space + 1, line - space - 1));
        if (line + 1 + length > message.size())
            return false;
        reading.found.push_back({message.substr(line + 1, length), score});
        at = line + 1 + length;
    }
    return true;
}

}  // namespace

Reading Isolated(const Reader& read, Grey& page, int repeats)
{
    int fds[2];
    if (pipe(fds) != 0)
        return Time(read, page, repeats);
    const pid_t child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        return Time(read, page, repeats);
    }
    if (child == 0) {
        close(fds[0]);
        const std::string message = Serialise(Time(read, page, repeats));
        const char* p = message.data();
        for (std::size_t left = message.size(); left > 0;) {
            const ssize_t n = ::write(fds[1], p, left);
            if (n <= 0)
                break;
            p += n, left -= static_cast<std::size_t>(n);
        }
        _exit(0);
    }
    close(fds[1]);
    std::string message;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    Reading reading;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !Deserialise(message, reading)) {
        reading = {};
        reading.aborted = true;
    }
    return reading;
}

Reading Run(const BenchReader& reader, Grey& page)
{
    return reader.isolated ? Isolated(reader.read, page, reader.repeats) : Time(reader.read, page, reader.repeats);
}

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace bench
