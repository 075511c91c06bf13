#include "survey/ParallelParts.h"

#include <cstdlib>
#include <cstring>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace oskava {

int ThreadCount() {
    static const int count = [] {
        if (const char* text = std::getenv("OSKAVA_THREADS")) {
            char* end = nullptr;
            const long requested = std::strtol(text, &end, 10);
            if (end != text && *end == '\0' && requested >= 1 && requested <= 64) {
                return static_cast<int>(requested);
            }
        }
        const unsigned cores = std::thread::hardware_concurrency();
        return cores == 0 ? 1 : static_cast<int>(cores);
    }();
    return count;
}

void RunParts(int parts, const std::function<void(int part)>& task) {
    if (parts <= 1 || ThreadCount() == 1) {
        for (int part = 0; part < parts; ++part) {
            task(part);
        }
        return;
    }
    std::vector<std::exception_ptr> failures(static_cast<size_t>(parts));
    auto run = [&](int part) {
        try {
            task(part);
        } catch (...) {
            failures[static_cast<size_t>(part)] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(static_cast<size_t>(parts - 1));
    std::vector<int> here{0};  // parts run on this thread, also those no thread could take
    for (int part = 1; part < parts; ++part) {
        try {
            if (part >= ThreadCount()) {
                here.push_back(part);
            } else {
                threads.emplace_back(run, part);
            }
        } catch (const std::system_error&) {
            here.push_back(part);
        }
    }
    for (const int part : here) {
        run(part);
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
}

void ZeroOnAllCores(void* memory, size_t bytes) {
    // Below a few pages a thread costs more than the pages.
    constexpr size_t kSmallest = 1 << 20;
    const size_t parts = bytes < kSmallest ? 1 : static_cast<size_t>(ThreadCount());
    unsigned char* start = static_cast<unsigned char*>(memory);
    RunParts(static_cast<int>(parts), [&](int part) {
        const size_t begin = bytes * static_cast<size_t>(part) / parts;
        const size_t end = bytes * static_cast<size_t>(part + 1) / parts;
        std::memset(start + begin, 0, end - begin);
    });
}

}  // namespace oskava
