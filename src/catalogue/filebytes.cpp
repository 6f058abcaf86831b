#include "filebytes.h"

#include <algorithm>
#include <cstring>

#include "fastpaths.h"
#include "readonlyfile.h"

namespace {

// Read in pieces that stay in the cache for the count that follows each.
constexpr std::size_t kPiece = std::size_t{256} * 1024;

// Room for bytes about to be written, not set first: make_unique_for_overwrite, which the
// libc++ of Debian 12's emscripten lacks.
std::unique_ptr<char[]> unsetbytes(std::size_t size) {
    return std::unique_ptr<char[]>(new char[size]);
}

// Removes CR bytes in place and returns the new size.
std::size_t dropcr(char* data, std::size_t size) {
    char* const end = data + size;
    char* out = static_cast<char*>(std::memchr(data, '\r', size));
    if (out == nullptr) return size;
    const char* in = out + 1;
    while (in < end) {
        const char* cr = static_cast<const char*>(std::memchr(in, '\r', end - in));
        const char* stop = cr != nullptr ? cr : end;
        std::memmove(out, in, stop - in);
        out += stop - in;
        in = stop + 1;
    }
    return out - data;
}

// Counts the LFs of a file and the CRs that do not precede an LF, piece by piece as the
// file is read, while each piece is still in the cache. Blocks of 64 bytes with byte-sized
// counters let the compiler vectorise the loop.
class BreakCounter {
public:
    // Counts data[0, size - 1) as far as not yet done; the last byte waits for its successor.
    // Locals, not members, in the loop: the compiler must not fear that `data` aliases them.
    void upto(const char* data, std::size_t size) {
        if (size == 0) return;
        const std::size_t stop = size - 1;
        std::size_t i = done_;
        std::size_t lines = 0;
        std::size_t loosecrs = 0;
        for (; i + 64 <= stop; i += 64) {
            const char* const block = data + i;
            unsigned char lf = 0;
            unsigned char loose = 0;
            for (int j = 0; j < 64; ++j) {
                lf += block[j] == '\n';
                loose += (block[j] == '\r') & (block[j + 1] != '\n');
            }
            lines += lf;
            loosecrs += loose;
        }
        for (; i < stop; ++i) {
            lines += data[i] == '\n';
            loosecrs += data[i] == '\r' && data[i + 1] != '\n';
        }
        done_ = i;
        lines_ += lines;
        loosecrs_ += loosecrs;
    }

    // Counts the rest, data[size - 1] being the last byte of the file.
    void finish(const char* data, std::size_t size) {
        upto(data, size);
        if (done_ == size) return;
        lines_ += data[done_] == '\n';
        loosecrs_ += data[done_] == '\r';
        ++done_;
    }

    std::size_t lines() const { return lines_; }
    std::size_t loosecrs() const { return loosecrs_; }

private:
    std::size_t done_ = 0;
    std::size_t lines_ = 0;
    std::size_t loosecrs_ = 0;
};

StoredBytes counted(FileBytes bytes, BreakCounter& counter) {
    counter.finish(bytes.data.get(), bytes.size);
    bytes.lines = counter.lines();
    return {std::move(bytes), counter.loosecrs()};
}

FileBytes settle(StoredBytes stored) {
    FileBytes& bytes = stored.bytes;
    if (stored.loosecrs > 0) bytes.size = dropcr(bytes.data.get(), bytes.size);
    return std::move(bytes);
}

}  // namespace

FileBytes readfile(const std::filesystem::path& path) { return settle(readstored(path)); }

StoredBytes readstored(const std::filesystem::path& path) {
    ReadOnlyFile file(path);
    // The size is a hint only: the file may be a pipe or change while it is read.
    std::size_t capacity = file.sizehint() > 0 ? file.sizehint() + 1 : 4096;
    FileBytes bytes{unsetbytes(capacity), 0};
    prefault(bytes.data.get(), capacity);
    BreakCounter counter;
    for (;;) {
        if (bytes.size == capacity) {
            capacity *= 2;
            auto larger = unsetbytes(capacity);
            std::memcpy(larger.get(), bytes.data.get(), bytes.size);
            bytes.data = std::move(larger);
        }
        const std::size_t piece = std::min(capacity - bytes.size, kPiece);
        const std::size_t got = file.read(bytes.data.get() + bytes.size, piece);
        if (got == 0) break;
        bytes.size += got;
        counter.upto(bytes.data.get(), bytes.size);
    }
    return counted(std::move(bytes), counter);
}

// Sized exactly to the bytes the readers see, so that a reader overrunning its input is caught
// by a sanitizer rather than reading slack.
FileBytes copybytes(std::string_view source) {
    FileBytes bytes{unsetbytes(source.size()), source.size()};
    std::copy(source.begin(), source.end(), bytes.data.get());
    BreakCounter counter;
    bytes = settle(counted(std::move(bytes), counter));
    if (bytes.size < source.size()) {
        auto exact = unsetbytes(bytes.size);
        std::memcpy(exact.get(), bytes.data.get(), bytes.size);
        bytes.data = std::move(exact);
    }
    return bytes;
}
