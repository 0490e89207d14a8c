#pragma once

// Hands the memory the views used back to the system once no view is left: the pages of code and
// read-only data the views brought into this process (their libraries and fonts, and the parts of
// the program's own libraries only they ran), and the allocator's free memory. A later view
// faults in what it runs again, from the page cache, as a freshly started process would.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnwick {

// One mapping of /proc/<pid>/smaps and the fields of it that matter here.
struct Mapping {
    std::uintptr_t start = 0, end = 0;
    std::string perms;  // "r-xp"
    std::string path;   // empty for anonymous memory
    std::size_t rssKb = 0;
    std::size_t anonymousKb = 0;  // pages copied on write, which the file no longer holds
    bool operator==(const Mapping&) const = default;
};

namespace memory_release {

// The mappings of an smaps text (or of a maps text, whose sizes then read 0).
std::vector<Mapping> parse(std::string_view smaps);
// Whether the mapping holds nothing but a file's pages, so that dropping them loses nothing:
// a file's mapping that cannot be written, with no anonymous page.
bool fileOnly(const Mapping& mapping);
// The runs of pages, as [first, last) page indexes, resident `now` and not resident `before`
// (all that are resident now when the mapping did not exist before: `before` empty).
std::vector<std::pair<std::size_t, std::size_t>> newPages(const std::vector<bool>& now, const std::vector<bool>& before);

}  // namespace memory_release

class MemoryRelease {
public:
    // Notes which pages of each file's read-only mapping are resident now: called just before the
    // views module loads.
    void noteBeforeViews();
    // Drops this process's pages of read-only file mappings that were not resident when noted,
    // then returns the allocator's free memory to the system. Only while no view exists.
    // Returns the KiB of file pages dropped.
    std::size_t handBack();
    // Returns the allocator's free memory to the system.
    static void trimHeap();

private:
    // By (start, end): the path and which pages were resident.
    std::map<std::pair<std::uintptr_t, std::uintptr_t>, std::pair<std::string, std::vector<bool>>> m_before;
};

}  // namespace tarnwick
