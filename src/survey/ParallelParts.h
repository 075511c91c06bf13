// Work split over the machine's cores with plain threads. Every use splits its work
// into parts whose results do not depend on how many parts there are, so that the
// program gives bit for bit the same answers on one core as on many.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace oskava {

/// How many threads work may use: the OSKAVA_THREADS environment variable when it
/// holds a whole number from 1 to 64, else the machine's cores; at least 1.
int ThreadCount();

/// Runs task(part) for part = 0 .. parts - 1 and returns when all have ended: part 0
/// on the calling thread, parts 1 .. ThreadCount() - 1 on threads of their own, and
/// any further parts on the calling thread after part 0, in order. An exception that a
/// part throws is thrown again here, the first part's first.
void RunParts(int parts, const std::function<void(int part)>& task);

/// Writes zeros over bytes of memory that nothing holds yet, in parts on every core.
void ZeroOnAllCores(void* memory, size_t bytes);

/// values.resize(count), with the new memory first touched on every core: the
/// system's work of mapping a large array's pages, which would otherwise fall to the
/// one thread that fills it, is shared out.
template <typename T>
void ResizeOnAllCores(std::vector<T>& values, size_t count) {
    if (count > values.size()) {
        values.reserve(count);
        ZeroOnAllCores(values.data() + values.size(), (count - values.size()) * sizeof(T));
    }
    values.resize(count);
}

}  // namespace oskava
