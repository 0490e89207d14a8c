#include "ui/memory_release.hpp"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace tarnwick {

namespace memory_release {

namespace {

std::string_view nextField(std::string_view& line) {
    const auto begin = line.find_first_not_of(' ');
    if (begin == std::string_view::npos) {
        line = {};
        return {};
    }
    line.remove_prefix(begin);
    const auto end = std::min(line.find(' '), line.size());
    const std::string_view field = line.substr(0, end);
    line.remove_prefix(end);
    return field;
}

bool hex(std::string_view text, std::uintptr_t& value) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return ec == std::errc() && ptr == text.data() + text.size() && !text.empty();
}

}  // namespace

std::vector<Mapping> parse(std::string_view smaps) {
    std::vector<Mapping> mappings;
    while (!smaps.empty()) {
        const auto newline = std::min(smaps.find('\n'), smaps.size());
        std::string_view rest = smaps.substr(0, newline);
        smaps.remove_prefix(std::min(newline + 1, smaps.size()));
        const std::string_view first = nextField(rest);
        if (first.empty()) continue;
        if (first.back() == ':') {
            // "Rss:   120 kB" belongs to the mapping above it.
            const std::string_view number = nextField(rest);
            std::size_t kb = 0;
            if (mappings.empty() || std::from_chars(number.data(), number.data() + number.size(), kb).ec != std::errc())
                continue;
            if (first == "Rss:") mappings.back().rssKb = kb;
            else if (first == "Anonymous:") mappings.back().anonymousKb = kb;
            continue;
        }
        Mapping m;
        const auto dash = first.find('-');
        if (dash == std::string_view::npos || !hex(first.substr(0, dash), m.start) || !hex(first.substr(dash + 1), m.end))
            continue;
        m.perms = std::string(nextField(rest));
        for (int skipped = 0; skipped < 3; ++skipped) nextField(rest);  // offset, device, inode
        if (const auto path = rest.find_first_not_of(' '); path != std::string_view::npos)
            m.path = std::string(rest.substr(path));
        mappings.push_back(std::move(m));
    }
    return mappings;
}

bool fileOnly(const Mapping& m) {
    // Deleted files and memfds ("/memfd:… (deleted)"), which may be shared memory, are left alone.
    return m.path.starts_with('/') && !m.path.ends_with(" (deleted)") && m.perms.size() == 4 && m.perms[0] == 'r' &&
           m.perms[1] == '-' && m.anonymousKb == 0 && m.end > m.start;
}

std::vector<std::pair<std::size_t, std::size_t>> newPages(const std::vector<bool>& now, const std::vector<bool>& before) {
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (std::size_t page = 0; page < now.size(); ++page) {
        if (!now[page] || (page < before.size() && before[page])) continue;
        if (!runs.empty() && runs.back().second == page) ++runs.back().second;
        else runs.emplace_back(page, page + 1);
    }
    return runs;
}

}  // namespace memory_release

namespace {

std::string readProc(const char* path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

const std::size_t pageSize = std::size_t(::sysconf(_SC_PAGESIZE));

// Which pages of [start, end) are resident in this process, from /proc/self/pagemap; empty
// when it cannot be read.
std::vector<bool> residentPages(int pagemap, std::uintptr_t start, std::uintptr_t end) {
    const std::size_t pages = (end - start) / pageSize;
    std::vector<std::uint64_t> entries(pages);
    const auto bytes = ssize_t(pages * sizeof(std::uint64_t));
    if (::pread(pagemap, entries.data(), bytes, off_t(start / pageSize * sizeof(std::uint64_t))) != bytes) return {};
    std::vector<bool> resident(pages);
    for (std::size_t i = 0; i < pages; ++i) resident[i] = entries[i] >> 63;  // bit 63: present in memory
    return resident;
}

}  // namespace

void MemoryRelease::noteBeforeViews() {
    m_before.clear();
    const int pagemap = ::open("/proc/self/pagemap", O_RDONLY | O_CLOEXEC);
    if (pagemap < 0) return;
    for (const Mapping& m : memory_release::parse(readProc("/proc/self/maps"))) {
        if (!memory_release::fileOnly(m)) continue;
        m_before[{m.start, m.end}] = {m.path, residentPages(pagemap, m.start, m.end)};
    }
    ::close(pagemap);
}

std::size_t MemoryRelease::handBack() {
    std::size_t dropped = 0;
    if (const int pagemap = ::open("/proc/self/pagemap", O_RDONLY | O_CLOEXEC); pagemap >= 0) {
        for (const Mapping& m : memory_release::parse(readProc("/proc/self/smaps"))) {
            if (!memory_release::fileOnly(m) || m.rssKb == 0) continue;
            const auto before = m_before.find({m.start, m.end});
            static const std::vector<bool> none;
            const std::vector<bool>& was = before != m_before.end() && before->second.first == m.path ? before->second.second : none;
            // A mapping never written to holds only the file's pages: dropping them means no more
            // than reading them again from the page cache when that code runs next.
            for (const auto& [first, last] : memory_release::newPages(residentPages(pagemap, m.start, m.end), was)) {
                if (::madvise(reinterpret_cast<void*>(m.start + first * pageSize), (last - first) * pageSize, MADV_DONTNEED) == 0)
                    dropped += (last - first) * pageSize / 1024;
            }
        }
        ::close(pagemap);
    }
    trimHeap();
    return dropped;
}

// The allocator keeps freed memory for reuse; between breaks there is nothing to reuse it for.
void MemoryRelease::trimHeap() { malloc_trim(0); }

}  // namespace tarnwick
